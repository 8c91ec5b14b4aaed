// The names editor and the birthday list over a million persons in 100 groups: opening the
// editor until its lists are filled, Cancel after a delete until the database is back, and the
// birthday list built again for another date.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <array>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "BenchMain.h"
#include "GuiApplication.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/settings/AppSettings.h"
#include "core/settings/MemorySettingsStore.h"
#include "gui/people/BirthdayListModel.h"
#include "gui/people/TDOBForm.h"
#include "gui/people/TEditDBForm.h"

namespace vitalune::bench {
namespace {

constexpr std::array<const char*, 16> kFirst = {
    "Ann",  "John",        "Mary", "Peter", "Zo\xC3\xAB", "Lars", "Anna", "Liam",
    "Emma", "Ren\xC3\xA9", "Mia",  "Ivan",  "Nadia",      "Tom",  "Eve",  "Noah"};
constexpr std::array<const char*, 16> kLast = {
    "Smith", "Jones", "M\xC3\xBCller", "Garcia", "Brown",  "Dubois", "Rossi", "Novak",
    "Silva", "Berg",  "Nielsen",       "Taylor", "Martin", "Weber",  "Costa", "Walker"};

// A million persons spread over 100 groups, loaded once for the whole run.
struct Million {
    Million() : clock(EncodeDate(2026, 12, 7)), db(clock) {
        std::mt19937 random(20261207);
        std::vector<std::string> groups(100);
        for (std::size_t g = 0; g < groups.size(); ++g) {
            groups[g] = "#Group " + std::to_string(g + 1) + "|" + std::to_string(g % 48) + "\r\n";
        }
        char date[16];
        for (int i = 0; i < 1000000; ++i) {
            std::string& text = groups[random() % groups.size()];
            text += kFirst[random() % kFirst.size()];
            text += ' ';
            text += kLast[random() % kLast.size()];
            text += ' ' + std::to_string(random() % 100000);
            std::snprintf(date, sizeof date, "|%02u.%02u.%04u|",
                          1 + static_cast<unsigned>(random() % 28),
                          1 + static_cast<unsigned>(random() % 12),
                          1920 + static_cast<unsigned>(random() % 90));
            text += date;
            text += random() % 2 ? "M\r\n" : "F\r\n";
        }
        std::string all;
        for (const std::string& g : groups) {
            all += g;
        }
        db.LoadFromBytes(std::move(all));
        // Every group read, as after a search through them all: the worst case for copies.
        db.ReadAllGroups();
        db.SetFileName("/nonexistent/db.rec");
    }
    FixedClock clock;
    NamesDatabase db;
    MemorySettingsStore store;
};

Million& Data() {
    static Million data;
    return data;
}

ui::EditDBContext Context(Million& m) {
    ui::EditDBContext context;
    context.db = &m.db;
    context.clock = &m.clock;
    context.store = &m.store;
    context.personOne = [] { return std::pair<std::size_t, std::size_t>(42, 1234); };
    return context;
}

void BM_EditorOpen1M(benchmark::State& state) {
    EnsureGuiApplication();
    Million& m = Data();
    ui::TEditDBForm form(Context(m));
    for (auto _ : state) {
        form.FormActivate();
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.NameSel()->model()->rowCount());
        state.PauseTiming();
        form.CancelBtnClick();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_EditorCancel1M(benchmark::State& state) {
    EnsureGuiApplication();
    Million& m = Data();
    ui::TEditDBForm form(Context(m));
    const std::size_t before = m.db.PersonCount();
    for (auto _ : state) {
        form.FormActivate();
        form.show();
        QApplication::processEvents();
        form.NameSel()->selectAll();
        form.PersonDelBtnClick();
        const auto start = std::chrono::steady_clock::now();
        form.CancelBtnClick();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (m.db.PersonCount() != before) {
            state.SkipWithError("Cancel did not restore the database");
        }
        QApplication::processEvents();
    }
}

void BM_Birthdays1M(benchmark::State& state) {
    EnsureGuiApplication();
    Million& m = Data();
    AppSettings settings;
    ui::TDOBForm form({&m.db, &m.clock, &m.store, &settings, nullptr, {}});
    form.FormShow();
    std::size_t rows = 0;
    for (auto _ : state) {
        form.DayPlusClick();
        rows += static_cast<std::size_t>(form.Model()->rowCount());
    }
    benchmark::DoNotOptimize(rows);
}

BENCHMARK(BM_EditorOpen1M)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_EditorCancel1M)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Birthdays1M)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

const bool kFigures = AddFigure(Time("editor-open-1m", "ms", "BM_EditorOpen1M")) &&
                      AddFigure(Time("editor-cancel-1m", "ms", "BM_EditorCancel1M")) &&
                      AddFigure(Time("birthdays-1m", "ms", "BM_Birthdays1M"));

}  // namespace
}  // namespace vitalune::bench
