#include "core/files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <limits>
#include <mutex>
#include <optional>
#include <random>
#include <regex>

#include "core/files/InputFile.h"

namespace vitalune {

int FileOps::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t FileOps::Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FileOps::Fsync(int fd) {
    return ::fsync(fd);
}
int FileOps::Close(int fd) {
    return ::close(fd);
}
int FileOps::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}
int FileOps::Unlink(const char* path) {
    return ::unlink(path);
}
int FileOps::Link(const char* from, const char* to) {
    return ::link(from, to);
}

FileOps& SystemFileOps() {
    static FileOps ops;
    return ops;
}

std::string SystemErrorText(std::string_view what, const std::filesystem::path& path, int err) {
    return std::string{what} + " " + path.string() + ": " + std::strerror(err);
}

namespace fs = std::filesystem;

namespace {

// Syncs the folder so the rename itself survives a crash; failure here is not worth
// reporting (some file systems cannot sync folders).
void SyncFolder(FileOps& ops, const fs::path& folder) {
    const std::string name = folder.empty() ? "." : folder.string();
    const int fd = ops.Open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        ops.Fsync(fd);
        ops.Close(fd);
    }
}

// The process id in a temporary's name when it is one of `prefix`'s: PURPOSE-PID-N follows.
std::optional<pid_t> TemporaryOwner(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    static const std::regex kRest("[a-z]+-([0-9]{1,9})-[0-9]+");
    std::match_results<std::string_view::const_iterator> m;
    const std::string_view rest = name.substr(prefix.size());
    if (!std::regex_match(rest.begin(), rest.end(), m, kRest)) {
        return std::nullopt;
    }
    return static_cast<pid_t>(std::stol(m[1].str()));
}

bool WriterGone(pid_t owner, const fs::path& file) {
    if (owner == ::getpid()) {
        return false;
    }
    if (::kill(owner, 0) != 0 && errno == ESRCH) {
        return true;
    }
    // The id may have been given to another process since.
    struct stat info {};
    return ::lstat(file.c_str(), &info) == 0 && info.st_mtime + 24 * 60 * 60 < ::time(nullptr);
}

}  // namespace

fs::path TemporaryNameFor(const fs::path& target, std::string_view purpose) {
    static std::mutex lock;
    static std::mt19937 random{std::random_device{}()};
    unsigned n = 0;
    {
        const std::lock_guard hold(lock);
        n = random();
    }
    std::string name = "." + target.filename().string() + ".";
    name += purpose;
    name += "-" + std::to_string(::getpid()) + "-" + std::to_string(n);
    return target.parent_path() / name;
}

void RemoveStaleTemporaries(const fs::path& target, FileOps& ops) {
    const std::string prefix = "." + target.filename().string() + ".";
    std::error_code ec;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (const auto owner = TemporaryOwner(name, prefix);
            owner && WriterGone(*owner, it->path())) {
            ops.Unlink(it->path().c_str());
        }
    }
}

FileResult ResolveWriteTarget(const fs::path& target, fs::path& file) {
    file = target;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(file.c_str(), &info) != 0) {
            // A file not there yet is made; any other trouble shows when it is written.
            return {};
        }
        if (S_ISLNK(info.st_mode)) {
            std::error_code ec;
            const fs::path to = fs::read_symlink(file, ec);
            if (ec || links == 40) {
                return FileResult::Failure(
                    SystemErrorText("cannot write", target, ec ? ec.value() : ELOOP));
            }
            file = to.is_absolute() ? to : file.parent_path() / to;
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            return FileResult::Failure(SystemErrorText("cannot write", target, EISDIR));
        }
        if (!S_ISREG(info.st_mode)) {
            return FileResult::Failure("cannot write " + target.string() + ": not a regular file");
        }
        // Checked by the mode too, as an administrator may write anything.
        if ((info.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0) {
            return FileResult::Failure("cannot write " + target.string() +
                                       ": the file is read-only");
        }
        return {};
    }
}

FileResult WriteNewFile(FileOps& ops, const fs::path& file, std::string_view content, bool sync,
                        const fs::path& shown, const fs::path& modeOf) {
    const int fd = ops.Open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return FileResult::Failure(SystemErrorText("cannot write", shown, errno));
    }
    struct stat existing {};
    if (!modeOf.empty() && ::stat(modeOf.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
    auto fail = [&](int err, bool close) {
        if (close) {
            ops.Close(fd);
        }
        ops.Unlink(file.c_str());
        return FileResult::Failure(SystemErrorText("cannot write", shown, err));
    };
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ops.Write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return fail(n < 0 ? errno : ENOSPC, true);
        }
        written += static_cast<std::size_t>(n);
    }
    if (sync && ops.Fsync(fd) != 0) {
        return fail(errno, true);
    }
    if (ops.Close(fd) != 0) {
        return fail(errno, false);
    }
    return {};
}

FileResult WriteFileAtomically(const fs::path& target, std::string_view content,
                               const AtomicWriteOptions& options) {
    FileOps& ops = options.ops ? *options.ops : SystemFileOps();
    fs::path file;
    if (FileResult resolved = ResolveWriteTarget(target, file); !resolved) {
        return resolved;
    }
    RemoveStaleTemporaries(file, ops);
    const fs::path temporary = TemporaryNameFor(file, "tmp");
    if (FileResult written = WriteNewFile(ops, temporary, content, options.sync, target, file);
        !written) {
        return written;
    }
    if (options.beforeReplace) {
        FileResult prepared = options.beforeReplace();
        if (!prepared) {
            ops.Unlink(temporary.c_str());
            return prepared;
        }
    }
    if (ops.Rename(temporary.c_str(), file.c_str()) != 0) {
        const int err = errno;
        ops.Unlink(temporary.c_str());
        return FileResult::Failure(SystemErrorText("cannot replace", target, err));
    }
    if (options.sync) {
        SyncFolder(ops, file.parent_path());
    }
    return {};
}

FileResult ReadWholeFile(const std::filesystem::path& path, std::string& content) {
    return ReadInputFile(path, content, std::numeric_limits<std::uintmax_t>::max());
}

}  // namespace vitalune
