// The matching window over a million persons in 100 groups: a criterion change (the exact box
// clicked) from the click until the list model is reset and its first rows are painted, with
// "Special search" (every person listed) and with "Ideal match". The resident memory the open
// window adds with the million-entry list is reported as a counter.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "BenchMain.h"
#include "GuiApplication.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/matching/Matching.h"
#include "core/settings/AppSettings.h"
#include "gui/matching/TMatchForm.h"

namespace vitalune::bench {
namespace {

struct Million {
    Million() : clock(EncodeDate(2026, 12, 7)), db(clock) {
        std::mt19937 random(20261208);
        std::vector<std::string> groups(100);
        for (std::size_t g = 0; g < groups.size(); ++g) {
            groups[g] = "#Group " + std::to_string(g + 1) + "|" + std::to_string(g % 48) + "\r\n";
        }
        char line[64];
        for (int i = 0; i < 1000000; ++i) {
            std::snprintf(line, sizeof line, "Person %07d|%02u.%02u.%04u|%c\r\n", i,
                          1 + static_cast<unsigned>(random() % 28),
                          1 + static_cast<unsigned>(random() % 12),
                          1920 + static_cast<unsigned>(random() % 90), random() % 2 ? 'M' : 'F');
            groups[random() % groups.size()] += line;
        }
        std::string all;
        for (const std::string& g : groups) {
            all += g;
        }
        db.LoadFromBytes(std::move(all));
        db.ReadAllGroups();  // as the first search leaves it
    }
    FixedClock clock;
    NamesDatabase db;
    AppSettings settings;
};

Million& Data() {
    static Million data;
    return data;
}

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

template <int Pattern>
void BM_MatchWindow1M(benchmark::State& state) {
    EnsureGuiApplication();
    Million& m = Data();
    const double before = ResidentMegabytes();
    ui::MatchContext context;
    context.db = &m.db;
    context.personOne = [] { return PersonPlace{42, 1234}; };
    context.settings = &m.settings;
    context.clock = &m.clock;
    ui::TMatchForm window(context);
    window.FormActivate();
    window.show();
    window.findChild<QComboBox*>("OvBox")->setCurrentIndex(Pattern);
    QApplication::processEvents();
    auto* exact = window.findChild<QCheckBox*>("ExactSearch");
    for (auto _ : state) {
        exact->click();
        window.ResultList()->viewport()->repaint();
        benchmark::DoNotOptimize(window.Result().found);
    }
    state.counters["found"] = static_cast<double>(window.Result().found);
    state.counters["rss_mb"] = ResidentMegabytes() - before;
}

void BM_MatchWindowSpecial1M(benchmark::State& state) {
    BM_MatchWindow1M<kSpecialSearchPattern>(state);
}
void BM_MatchWindowIdeal1M(benchmark::State& state) {
    BM_MatchWindow1M<kIdealMatchPattern>(state);
}

BENCHMARK(BM_MatchWindowSpecial1M)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MatchWindowIdeal1M)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

const bool kFigures = AddFigure(Time("match-window-1m-special", "ms", "BM_MatchWindowSpecial1M")) &&
                      AddFigure(Time("match-window-1m-ideal", "ms", "BM_MatchWindowIdeal1M"));

}  // namespace
}  // namespace vitalune::bench
