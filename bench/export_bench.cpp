// The whole "vitalune --export-chart" process: with a names database of a million persons
// against the same command with the forty-odd persons of the template. The same for the
// program started as a window, until its first chart is painted. And a year of month
// calendars written as one PDF, the whole process.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "BenchMain.h"
#include "BenchProcess.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"

namespace vitalune::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kPersons = 1'000'000;
constexpr int kGroups = 100;

struct Folders {
    fs::path root;
    fs::path small;        // no database: the installed template is read
    fs::path large;        // db.rec with a million persons, as the program saves it
    fs::path unsorted;     // the same persons in random order, as another tool might write them
    fs::path windowSmall;  // the window's own folders, since it writes there as it starts
    fs::path windowLarge;
};

// Random names and dates in groups of ten thousand, as a big user file might hold.
void WriteLargeDatabase(const fs::path& file) {
    std::ofstream out(file, std::ios::binary);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> day(1, 28), month(1, 12), year(1900, 2020), letter(0, 25);
    std::string line;
    for (int g = 0; g < kGroups; ++g) {
        out << "#Group " << g << "|" << g % 48 << "\r\n";
        for (int i = 0; i < kPersons / kGroups; ++i) {
            line.clear();
            for (int k = 0; k < 8; ++k) {
                line += static_cast<char>((k == 0 ? 'A' : 'a') + letter(random));
            }
            line += " Person" + std::to_string(g * (kPersons / kGroups) + i);
            char date[16];
            std::snprintf(date, sizeof date, "|%02d.%02d.%04d|", day(random), month(random),
                          year(random));
            out << line << date << (i % 2 ? 'F' : 'M') << "\r\n";
        }
    }
}

const Folders& Prepared() {
    static const Folders folders = [] {
        Folders f;
        char pattern[] = "/tmp/vitalune-bench-XXXXXX";
        f.root = ::mkdtemp(pattern);
        f.small = f.root / "small";
        f.large = f.root / "large";
        f.unsorted = f.root / "unsorted";
        fs::create_directories(f.small);
        fs::create_directories(f.large);
        fs::create_directories(f.unsorted);
        f.windowSmall = f.root / "window-small";
        f.windowLarge = f.root / "window-large";
        fs::create_directories(f.windowSmall);
        fs::create_directories(f.windowLarge);
        fs::create_directories(f.root / "home");
        fs::create_directories(f.root / "runtime");
        fs::permissions(f.root / "runtime", fs::perms::owner_all);
        WriteLargeDatabase(f.unsorted / "db.rec");
        // Every database the program itself has saved keeps its persons in order.
        FixedClock clock(EncodeDate(2026, 12, 7));
        NamesDatabase db(clock);
        db.LoadFromFile(f.unsorted / "db.rec");
        db.SaveToFile(f.large / "db.rec");
        fs::copy_file(f.large / "db.rec", f.windowLarge / "db.rec");
        // Outlives the statics, which are gone when atexit handlers run.
        static const fs::path* const root = new fs::path(f.root);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(*root, ec);
        });
        return f;
    }();
    return folders;
}

// Runs the program and returns its exit code; `cpuSeconds`, when given, learns the processor
// time it used (user and system, all threads).
int Run(std::vector<std::string> args, std::vector<std::string> env = {},
        double* cpuSeconds = nullptr) {
    const Folders& f = Prepared();
    // A home of its own: no stored settings, nothing of the user's read.
    const std::string home = "HOME=" + (f.root / "home").string();
    const std::string config = "XDG_CONFIG_HOME=" + (f.root / "home").string();
    env.insert(env.end(), {home, config, "QT_QPA_PLATFORM=offscreen"});
    const ProcessRun run = RunProcess(std::move(args), std::move(env));
    if (cpuSeconds) {
        *cpuSeconds = run.cpuSeconds;
    }
    return run.exitCode;
}

// Times each run by the processor time the process used: other work on the machine sways
// that far less than the time on the clock, so that ratios of two runs stay comparable.
template <typename RunOnce>
void TimeProcesses(benchmark::State& state, RunOnce run, const char* failure) {
    for (auto _ : state) {
        double seconds = 0;
        if (run(&seconds) != 0) {
            state.SkipWithError(failure);
        }
        state.SetIterationTime(seconds);
    }
}

int RunExport(const fs::path& dataDir, double* cpuSeconds) {
    return Run({VITALUNE_PROGRAM, "--export-chart", (Prepared().root / "chart.png").string(),
                "--data-dir", dataDir.string(), "--date", "2026-12-07"},
               {}, cpuSeconds);
}

void BM_ExportCalendarYearPdf(benchmark::State& state) {
    for (auto _ : state) {
        if (Run({VITALUNE_PROGRAM, "--export-calendar", (Prepared().root / "year.pdf").string(),
                 "--data-dir", Prepared().small.string(), "--month", "2027-01", "--months",
                 "12"}) != 0) {
            state.SkipWithError("export failed");
        }
    }
}
BENCHMARK(BM_ExportCalendarYearPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_ExportChartTemplate(benchmark::State& state) {
    TimeProcesses(
        state, [](double* cpu) { return RunExport(Prepared().small, cpu); }, "export failed");
}
void BM_ExportChartMillion(benchmark::State& state) {
    TimeProcesses(
        state, [](double* cpu) { return RunExport(Prepared().large, cpu); }, "export failed");
}
void BM_ExportChartMillionUnsorted(benchmark::State& state) {
    TimeProcesses(
        state, [](double* cpu) { return RunExport(Prepared().unsorted, cpu); }, "export failed");
}
// The ratios pair the repetitions one by one: each reported, the same number of each.
BENCHMARK(BM_ExportChartTemplate)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(7);
BENCHMARK(BM_ExportChartMillion)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3)
    ->Repetitions(7);
BENCHMARK(BM_ExportChartMillionUnsorted)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3)
    ->Repetitions(7);

// The program started as a window (offscreen) until its first chart is painted: a plugin Qt
// loads into it ends it there. Its own runtime folder keeps it from finding another
// running copy.
int RunWindow(const fs::path& dataDir, double* cpuSeconds) {
    const fs::path& root = Prepared().root;
    return Run(
        {VITALUNE_PROGRAM, "--data-dir", dataDir.string()},
        {"XDG_RUNTIME_DIR=" + (root / "runtime").string(), "QT_PLUGIN_PATH=" VITALUNE_BENCH_PLUGINS,
         "QT_QPA_GENERIC_PLUGINS=vitalune-first-chart"},
        cpuSeconds);
}

void BM_StartWindowTemplate(benchmark::State& state) {
    TimeProcesses(
        state, [](double* cpu) { return RunWindow(Prepared().windowSmall, cpu); },
        "no chart painted");
}
void BM_StartWindowMillion(benchmark::State& state) {
    TimeProcesses(
        state, [](double* cpu) { return RunWindow(Prepared().windowLarge, cpu); },
        "no chart painted");
}
BENCHMARK(BM_StartWindowTemplate)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3)
    ->Repetitions(7);
BENCHMARK(BM_StartWindowMillion)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3)
    ->Repetitions(7);

const bool kFigures =
    // Ratio() divides its first benchmark's time by its second's.
    AddFigure(Ratio("export-chart-1m-ratio", "BM_ExportChartMillion", "BM_ExportChartTemplate")) &&
    AddFigure(Time("export-chart-1m", "ms", "BM_ExportChartMillion")) &&
    AddFigure(Time("export-chart-template", "ms", "BM_ExportChartTemplate")) &&
    AddFigure(Ratio("export-chart-1m-unsorted-ratio", "BM_ExportChartMillionUnsorted",
                    "BM_ExportChartTemplate")) &&
    AddFigure(Time("export-chart-1m-unsorted", "ms", "BM_ExportChartMillionUnsorted")) &&
    AddFigure(Ratio("gui-start-1m-ratio", "BM_StartWindowMillion", "BM_StartWindowTemplate")) &&
    AddFigure(Time("gui-start-1m", "ms", "BM_StartWindowMillion")) &&
    AddFigure(Time("gui-start-template", "ms", "BM_StartWindowTemplate")) &&
    AddFigure(Time("export-calendar-year-pdf", "ms", "BM_ExportCalendarYearPdf"));

}  // namespace
}  // namespace vitalune::bench
