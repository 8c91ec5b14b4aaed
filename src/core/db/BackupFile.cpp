#include "core/db/BackupFile.h"

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

// A second name for the current content of `file`: a hard link, or, where the file system
// cannot link, a copy.
FileResult PlaceCopy(FileOps& ops, const fs::path& file, const fs::path& copy,
                     const fs::path& shown) {
    if (ops.Link(file.c_str(), copy.c_str()) == 0) {
        return {};
    }
    std::string content;
    if (FileResult read = ReadWholeFile(file, content); !read) {
        return read;
    }
    return WriteNewFile(ops, copy, content, true, shown, file);
}

}  // namespace

FileResult WriteWithBackup(const fs::path& path, std::string_view content, FileOps* opsOrNull) {
    FileOps& ops = opsOrNull ? *opsOrNull : SystemFileOps();
    // The backup lies beside the file a link points to.
    fs::path file;
    if (FileResult resolved = ResolveWriteTarget(path, file); !resolved) {
        return resolved;
    }
    const fs::path backup = BackupNameFor(file);
    RemoveStaleTemporaries(backup, ops);
    std::error_code ec;
    AtomicWriteOptions options;
    options.ops = &ops;
    // A file that is its own backup name ("x.bak") gets none, as renaming it would lose it.
    if (!fs::exists(file, ec) || backup == file) {
        return WriteFileAtomically(path, content, options);
    }

    // The old content gets a second name before the new content replaces it, and becomes the
    // backup only after that: the previous backup is never touched by a save that fails, so no
    // step ever has to be undone.
    const fs::path previous = TemporaryNameFor(file, "bak");
    options.beforeReplace = [&] { return PlaceCopy(ops, file, previous, backup); };
    if (FileResult result = WriteFileAtomically(path, content, options); !result) {
        ops.Unlink(previous.c_str());
        return result;
    }
    if (ops.Rename(previous.c_str(), backup.c_str()) != 0) {
        const int err = errno;
        ops.Unlink(previous.c_str());
        return FileResult::Failure(
            SystemErrorText("saved, but cannot replace the backup", backup, err));
    }
    return {};
}

}  // namespace vitalune
