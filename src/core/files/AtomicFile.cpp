#include "core/files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <random>

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

namespace {

std::filesystem::path TemporaryNameFor(const std::filesystem::path& target) {
    static std::mt19937 random{std::random_device{}()};
    const std::string suffix =
        ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(random() % 1000000);
    return target.parent_path() / ("." + target.filename().string() + suffix);
}

// Syncs the folder so the rename itself survives a crash; failure here is not worth
// reporting (some file systems cannot sync folders).
void SyncFolder(FileOps& ops, const std::filesystem::path& folder) {
    const std::string name = folder.empty() ? "." : folder.string();
    const int fd = ops.Open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        ops.Fsync(fd);
        ops.Close(fd);
    }
}

}  // namespace

FileResult WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                               const AtomicWriteOptions& options) {
    FileOps& ops = options.ops ? *options.ops : SystemFileOps();
    const std::filesystem::path temporary = TemporaryNameFor(target);
    const int fd = ops.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return FileResult::Failure(SystemErrorText("cannot write", target, errno));
    }
    // A replaced file keeps its permissions.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
    auto fail = [&](int err) {
        ops.Close(fd);
        ops.Unlink(temporary.c_str());
        return FileResult::Failure(SystemErrorText("cannot write", target, err));
    };
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ops.Write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return fail(n < 0 ? errno : ENOSPC);
        }
        written += static_cast<std::size_t>(n);
    }
    if (options.sync && ops.Fsync(fd) != 0) {
        return fail(errno);
    }
    if (ops.Close(fd) != 0) {
        const int err = errno;
        ops.Unlink(temporary.c_str());
        return FileResult::Failure(SystemErrorText("cannot write", target, err));
    }
    if (options.beforeReplace) {
        FileResult prepared = options.beforeReplace();
        if (!prepared) {
            ops.Unlink(temporary.c_str());
            return prepared;
        }
    }
    if (ops.Rename(temporary.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ops.Unlink(temporary.c_str());
        return FileResult::Failure(SystemErrorText("cannot replace", target, err));
    }
    if (options.sync) {
        SyncFolder(ops, target.parent_path());
    }
    return {};
}

FileResult ReadWholeFile(const std::filesystem::path& path, std::string& content) {
    return ReadInputFile(path, content, std::numeric_limits<std::uintmax_t>::max());
}

}  // namespace vitalune
