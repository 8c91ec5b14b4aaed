// The whole "vitalune-cli match --json" process over a names database of a million persons in
// 100 groups, everyone found (Special search): its time and its peak memory, the output going
// to /dev/null as a pipe to another tool would take it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchData.h"
#include "BenchMain.h"
#include "core/files/AtomicFile.h"

extern char** environ;

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

// Runs the tool; its peak resident memory in MB, or a negative number when it failed.
double RunCli(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return ok ? static_cast<double>(usage.ru_maxrss) / 1024 : -1;
}

void BM_CliMatchMillionJson(benchmark::State& state) {
    const std::string file = MillionFile().string();
    double peak = 0;
    for (auto _ : state) {
        peak = RunCli({VITALUNE_CLI, "match", file, "--group", "0", "--person", "0", "--pattern",
                       "8", "--today", "2026-12-08", "--json"});
        if (peak < 0) {
            state.SkipWithError("vitalune-cli match failed");
        }
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
