#include "core/db/BackupFile.h"

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

// Gives `to` the current content of `from`: a hard link renamed into place, or, where the file
// system cannot link, a copy written atomically.
FileResult PlaceCopy(FileOps& ops, const fs::path& from, const fs::path& to) {
    const fs::path link = TemporaryNear(to, "link");
    if (ops.Link(from.c_str(), link.c_str()) == 0) {
        if (ops.Rename(link.c_str(), to.c_str()) == 0) {
            return {};
        }
        const int err = errno;
        ops.Unlink(link.c_str());
        return FileResult::Failure(SystemErrorText("cannot write", to, err));
    }
    std::string content;
    if (FileResult read = ReadWholeFile(from, content); !read) {
        return read;
    }
    AtomicWriteOptions options;
    options.ops = &ops;
    return WriteFileAtomically(to, content, options);
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
            if (FileResult copied = PlaceCopy(ops, backup, kept); !copied) {
                return copied;
            }
            oldBackup = kept;
        }
        if (FileResult copied = PlaceCopy(ops, path, backup); !copied) {
            return copied;
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
