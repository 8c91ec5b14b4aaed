// Saves a large names database again and again, killing the saving process at random moments
// and at the file system calls where the backup is made and the new file takes the old one's
// place; after each kill the database must hold its old or its new content and load, and the
// backup must hold a complete earlier version. Prints "N kills, L lost".
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/files/AtomicFile.h"

namespace {

using namespace vitalune;
namespace fs = std::filesystem;
using Timer = std::chrono::steady_clock;

// Kills its own process just before or just after its `at`-th call.
class KillingOps : public FileOps {
  public:
    KillingOps(int at, bool after) : m_at(at), m_after(after) {}
    template <typename Call>
    auto Step(Call call) {
        const bool here = ++m_calls == m_at;
        if (here && !m_after) {
            ::kill(::getpid(), SIGKILL);
        }
        auto result = call();
        if (here) {
            ::kill(::getpid(), SIGKILL);
        }
        return result;
    }
    int Open(const char* path, int flags, mode_t mode) override {
        return Step([&] { return FileOps::Open(path, flags, mode); });
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        return Step([&] { return FileOps::Write(fd, data, size); });
    }
    int Fsync(int fd) override {
        return Step([&] { return FileOps::Fsync(fd); });
    }
    int Close(int fd) override {
        return Step([&] { return FileOps::Close(fd); });
    }
    int Rename(const char* from, const char* to) override {
        return Step([&] { return FileOps::Rename(from, to); });
    }
    int Unlink(const char* path) override {
        return Step([&] { return FileOps::Unlink(path); });
    }
    int Link(const char* from, const char* to) override {
        return Step([&] { return FileOps::Link(from, to); });
    }

  private:
    int m_calls = 0;
    int m_at;
    bool m_after;
};

// `persons` persons in groups of a thousand; `variant` changes one person per group.
std::string DatabaseText(int persons, int variant) {
    std::string text;
    for (int i = 0; i < persons; ++i) {
        if (i % 1000 == 0) {
            text += "#Group " + std::to_string(i / 1000) + "|" + std::to_string(i % 7) + "\r\n";
        }
        const int day = 1 + (i * 7 + (i % 1000 == 0 ? variant : 0)) % 28;
        text += "Person " + std::to_string(i) +
                (i % 1000 == 0 ? "v" + std::to_string(variant) : "") + "|" + (day < 10 ? "0" : "") +
                std::to_string(day) + ".0" + std::to_string(1 + i % 9) + "." +
                std::to_string(1900 + i % 120) + "|" + (i % 2 ? "M" : "F") + "\r\n";
    }
    return text;
}

std::string Read(const fs::path& path) {
    std::string content;
    return ReadWholeFile(path, content) ? content : std::string("(unreadable)");
}

// Saves in a child process that `kill` may end early; true when it was killed.
template <typename Kill>
bool SaveInChild(const NamesDatabase& db, const fs::path& file, FileOps* ops, Kill kill) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(db.SaveToFile(file, ops) ? 0 : 1);
    }
    kill(child);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "a save failed without being killed\n");
        std::exit(2);
    }
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

std::size_t Leftovers(const fs::path& folder) {
    std::size_t n = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        n += entry.path().filename().string().starts_with(".");
    }
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    const int wanted = argc > 1 ? std::atoi(argv[1]) : 100;
    const int persons =
        std::getenv("CRASH_TEST_PERSONS") ? std::atoi(std::getenv("CRASH_TEST_PERSONS")) : 200000;
    char pattern[] = "/tmp/vitalune-crash-XXXXXX";
    const fs::path folder = ::mkdtemp(pattern);
    const fs::path file = folder / "db.rec";
    const fs::path backup = folder / "db.bak";

    const FixedClock today(EncodeDate(2026, 12, 8));
    NamesDatabase versions[2] = {NamesDatabase(today), NamesDatabase(today)};
    std::string bytes[2];
    for (int v = 0; v < 2; ++v) {
        versions[v].LoadFromBytes(DatabaseText(persons, v));
        bytes[v] = versions[v].FileContent();
    }
    auto known = [&](const std::string& content) {
        return content == bytes[0] || content == bytes[1];
    };

    // Two saves so that a backup exists; the third, timed, sets the span of the random kills.
    versions[0].SaveToFile(file);
    versions[0].SaveToFile(file);
    const auto start = Timer::now();
    SaveInChild(versions[1], file, nullptr, [](pid_t) {});
    const auto span = Timer::now() - start;
    std::printf("database %zu bytes, a save takes %lld ms\n", bytes[0].size(),
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(span).count()));

    std::mt19937 random(std::random_device{}());
    int kills = 0;
    int lost = 0;
    int current = 1;
    std::size_t leftAfterKills = 0;  // temporaries found after the kills, over all of them
    std::size_t mostLeft = 0;        // at once: grows with every kill unless saves clear them
    for (int attempt = 0; kills < wanted && attempt < wanted * 4; ++attempt) {
        const int next = 1 - current;
        bool killed = false;
        if (random() % 3 == 0) {
            // At one of the first calls of the save (a save makes about a dozen).
            KillingOps ops(1 + static_cast<int>(random() % 16), random() % 2 == 0);
            killed = SaveInChild(versions[next], file, &ops, [](pid_t) {});
        } else {
            const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(span) *
                               static_cast<long>(random() % 1000) / 1000;
            killed = SaveInChild(versions[next], file, nullptr, [&](pid_t child) {
                std::this_thread::sleep_for(delay);
                ::kill(child, SIGKILL);
            });
        }
        kills += killed;
        const std::size_t left = Leftovers(folder);
        leftAfterKills += left;
        mostLeft = std::max(mostLeft, left);
        const std::string now = Read(file);
        NamesDatabase loaded(today);
        const bool fileGood = (now == bytes[current] || now == bytes[next]) &&
                              loaded.LoadFromFile(file).outcome == LoadResult::Outcome::Loaded &&
                              (loaded == versions[current] || loaded == versions[next]);
        const bool backupGood = known(Read(backup));
        if (!fileGood || !backupGood) {
            ++lost;
            std::fprintf(
                stderr, "attempt %d: %s\n", attempt,
                !fileGood ? "the database is neither old nor new" : "the backup is broken");
        }
        current = now == bytes[next] ? next : current;
        if (!fileGood) {
            versions[current].SaveToFile(file);
        }
    }
    // One more save clears what the killed ones left behind.
    const std::size_t before = Leftovers(folder);
    versions[1 - current].SaveToFile(file);
    const std::size_t after = Leftovers(folder);
    std::printf(
        "temporaries seen after kills %zu, at most %zu at once; before the last save %zu, "
        "after it %zu\n",
        leftAfterKills, mostLeft, before, after);
    std::printf("%d kills, %d lost\n", kills, lost);
    fs::remove_all(folder);
    return lost == 0 && after == 0 ? 0 : 1;
}
