#pragma once
// Runs vitalune-cli commands in-process and captures what they print.

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Cli.h"

namespace vitalune::cli::test {

struct CliRun {
    int exitCode = 0;
    std::string out;
    std::string err;
};

inline CliRun RunCliCaptured(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliIo io{in, out, err};
    CliRun run;
    run.exitCode = RunCli(args, io);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace vitalune::cli::test
