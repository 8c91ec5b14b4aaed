#include "BenchProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vitalune::bench {

namespace {

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

}  // namespace

ProcessRun RunProcess(std::vector<std::string> args, std::optional<std::vector<std::string>> env,
                      bool quiet) {
    std::vector<char*> argv = Pointers(args);
    std::vector<char*> envp = env ? Pointers(*env) : std::vector<char*>{};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    ProcessRun run;
    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), env ? envp.data() : environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024;
    return run;
}

}  // namespace vitalune::bench
