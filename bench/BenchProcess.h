#pragma once
// Programs the benchmarks run as whole processes, with what each run cost.

#include <optional>
#include <string>
#include <vector>

namespace vitalune::bench {

struct ProcessRun {
    int exitCode = -1;      // -1 when it did not start or did not exit by itself
    double cpuSeconds = 0;  // user and system time of all its threads
    double peakMb = 0;      // its highest resident memory
};

// Runs `args` (the program first) to its end. With `env` the process gets that environment
// alone, else ours; `quiet` sends its standard output to /dev/null.
ProcessRun RunProcess(std::vector<std::string> args,
                      std::optional<std::vector<std::string>> env = std::nullopt,
                      bool quiet = false);

}  // namespace vitalune::bench
