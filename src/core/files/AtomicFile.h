#pragma once
// Whole-file writes that never leave a half-written file: the content goes to a temporary
// file in the target's folder, is flushed and synced, and then renamed over the target, so at
// every moment the target holds either its old or its new content. Every file the program
// writes goes through here. The OS calls go through FileOps so tests can make any step fail.

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vitalune {

class FileOps {
  public:
    virtual ~FileOps() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
    virtual int Link(const char* from, const char* to);
};

// The real system calls.
FileOps& SystemFileOps();

struct FileResult {
    bool ok = true;
    std::string error;  // what failed, with the path and the system's reason
    explicit operator bool() const { return ok; }
    static FileResult Failure(std::string message) { return {false, std::move(message)}; }
};

struct AtomicWriteOptions {
    FileOps* ops = nullptr;  // the system's when null
    // Runs once the new content is safely on disk, just before it replaces the target (the
    // names database makes its backup here). A failure stops the write; the target stays.
    std::function<FileResult()> beforeReplace;
    // Whether the content and the rename are synced to disk before the call returns. Files
    // the program writes anew on every request (the HTML reports) skip it: they stay whole
    // through the rename, and a sync would only keep the user waiting.
    bool sync = true;
};

// A target that is a symbolic link is written through: the link stays and the file it points
// to is replaced. A target that is not a regular file, or that the user may not write, is
// refused. Temporaries that killed saves of the same target left behind are removed first.
// Errors name `target` as given, never a temporary.
FileResult WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                               const AtomicWriteOptions& options = {});

// The file a write of `target` replaces: the end of its chain of symbolic links. Fails for an
// existing target that is not a regular file or that is read-only.
FileResult ResolveWriteTarget(const std::filesystem::path& target, std::filesystem::path& file);

// A name beside `target` for a temporary of this process: ".NAME.PURPOSE-PID-N". Saves of the
// same target find their own leftovers by it.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target,
                                       std::string_view purpose);

// Removes the temporaries of `target` whose writer is gone (its process has ended, or the file
// is a day old), leaving those of a save still running.
void RemoveStaleTemporaries(const std::filesystem::path& target, FileOps& ops);

// Creates `file` (which must not exist) with `content` and the permissions of `modeOf` when
// that exists, checking every write, the sync and the close; on failure the file is removed
// and the error names `shown`.
FileResult WriteNewFile(FileOps& ops, const std::filesystem::path& file, std::string_view content,
                        bool sync, const std::filesystem::path& shown,
                        const std::filesystem::path& modeOf);

// Reads a whole regular file of any size; a folder, a pipe or a device is refused unopened.
FileResult ReadWholeFile(const std::filesystem::path& path, std::string& content);

// "cannot write /path: Permission denied"
std::string SystemErrorText(std::string_view what, const std::filesystem::path& path, int err);

}  // namespace vitalune
