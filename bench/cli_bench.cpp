// The whole "vitalune-cli match --json" process over a names database of a million persons in
// 100 groups, everyone found (Special search): its time and its peak memory, the output going
// to /dev/null as a pipe to another tool would take it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "BenchData.h"
#include "BenchMain.h"
#include "BenchProcess.h"
#include "core/files/AtomicFile.h"

namespace vitalune::bench {
namespace {

namespace fs = std::filesystem;

const fs::path& MillionFile() {
    static const fs::path file = [] {
        std::string pattern = (fs::temp_directory_path() / "vitalune-cli-bench-XXXXXX").string();
        const fs::path folder = ::mkdtemp(pattern.data());
        const fs::path path = folder / "million.rec";
        if (!WriteFileAtomically(path, GenerateDatabaseText(1'000'000, 100))) {
            std::abort();
        }
        // Outlives the statics, which are gone when atexit handlers run.
        static const fs::path* const root = new fs::path(folder);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(*root, ec);
        });
        return path;
    }();
    return file;
}

void BM_CliMatchMillionJson(benchmark::State& state) {
    const std::string file = MillionFile().string();
    double peak = 0;
    for (auto _ : state) {
        const ProcessRun run =
            RunProcess({VITALUNE_CLI, "match", file, "--group", "0", "--person", "0", "--pattern",
                        "8", "--today", "2026-12-08", "--json"},
                       std::nullopt, true);
        if (run.exitCode != 0) {
            state.SkipWithError("vitalune-cli match failed");
        }
        peak = run.peakMb;
    }
    state.counters["peak_mb"] = peak;
}
BENCHMARK(BM_CliMatchMillionJson)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

const bool kFigures =
    AddFigure(Time("cli-match-1m-json", "s", "BM_CliMatchMillionJson")) &&
    AddFigure({"cli-match-1m-json-peak",
               "MB",
               {"BM_CliMatchMillionJson"},
               [](const Results& r) { return r.Counter("BM_CliMatchMillionJson", "peak_mb"); },
               0});

}  // namespace
}  // namespace vitalune::bench
