#include "db/BackupFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

namespace vitalune {

namespace fs = std::filesystem;

fs::path BackupNameFor(const fs::path& path) {
    const std::string file = path.filename().string();
    const std::size_t dot = file.rfind('.');
    const std::string stem = dot == std::string::npos ? file : file.substr(0, dot);
    return path.parent_path() / (stem + ".bak");
}

namespace {

fs::path TemporaryNear(const fs::path& path, std::string_view purpose) {
    static std::atomic<unsigned> counter{0};
    std::string name = ".";
    name += path.filename().string();
    name += '.';
    name += purpose;
    name += '-';
    name += std::to_string(::getpid());
    name += '-';
    name += std::to_string(counter++);
    return path.parent_path() / name;
}

// Writes a copy of `from` under `to`, for file systems without hard links.
FileResult CopyFile(FileOps& ops, const fs::path& from, const fs::path& to) {
    std::string content;
    if (FileResult read = ReadWholeFile(from, content); !read) {
        return read;
    }
    const int fd = ops.Open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return FileResult::Failure(SystemErrorText("cannot write", to, errno));
    }
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ops.Write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            ops.Close(fd);
            ops.Unlink(to.c_str());
            return FileResult::Failure(SystemErrorText("cannot write", to, err));
        }
        written += static_cast<std::size_t>(n);
    }
    if (ops.Fsync(fd) != 0 || ops.Close(fd) != 0) {
        const int err = errno;
        ops.Unlink(to.c_str());
        return FileResult::Failure(SystemErrorText("cannot write", to, err));
    }
    return {};
}

// A second name for the file's current content: a hard link, or a copy.
FileResult Duplicate(FileOps& ops, const fs::path& from, const fs::path& to) {
    if (ops.Link(from.c_str(), to.c_str()) == 0) {
        return {};
    }
    return CopyFile(ops, from, to);
}

}  // namespace

FileResult WriteWithBackup(const fs::path& path, std::string_view content, FileOps* opsOrNull) {
    FileOps& ops = opsOrNull ? *opsOrNull : SystemFileOps();
    const fs::path backup = BackupNameFor(path);
    std::error_code ec;
    const bool hasFile = fs::exists(path, ec);
    // A file that is its own backup name ("x.bak") gets none, as renaming it would lose it.
    if (!hasFile || backup == path) {
        AtomicWriteOptions options;
        options.ops = &ops;
        return WriteFileAtomically(path, content, options);
    }

    // The old backup is kept under a second name until the new file is in place, so that a
    // failing replacement can put it back.
    fs::path oldBackup;
    bool backupMade = false;
    AtomicWriteOptions options;
    options.ops = &ops;
    options.beforeReplace = [&]() -> FileResult {
        if (fs::exists(backup, ec)) {
            const fs::path kept = TemporaryNear(backup, "old");
            if (FileResult copied = Duplicate(ops, backup, kept); !copied) {
                return copied;
            }
            oldBackup = kept;
        }
        const fs::path fresh = TemporaryNear(backup, "new");
        if (FileResult copied = Duplicate(ops, path, fresh); !copied) {
            return copied;
        }
        if (ops.Rename(fresh.c_str(), backup.c_str()) != 0) {
            const int err = errno;
            ops.Unlink(fresh.c_str());
            return FileResult::Failure(SystemErrorText("cannot make the backup", backup, err));
        }
        backupMade = true;
        return {};
    };
    FileResult result = WriteFileAtomically(path, content, options);
    if (!result && backupMade) {
        // The file is unchanged; give the backup its old content back.
        if (!oldBackup.empty()) {
            if (ops.Rename(oldBackup.c_str(), backup.c_str()) == 0) {
                oldBackup.clear();
            }
        } else {
            ops.Unlink(backup.c_str());
        }
    }
    if (!oldBackup.empty()) {
        ops.Unlink(oldBackup.c_str());
    }
    return result;
}

}  // namespace vitalune
