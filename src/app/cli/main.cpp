#include <iostream>

#include "app/cli/Cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    vitalune::cli::CliIo io{std::cin, std::cout, std::cerr};
    return vitalune::cli::RunCli(args, io);
}
