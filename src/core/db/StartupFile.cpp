#include "core/db/StartupFile.h"

#include <cerrno>
#include <system_error>

#include "core/db/BackupFile.h"
#include "core/files/InputFile.h"

namespace vitalune {

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec) && !fs::is_directory(path, ec);
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (a.lexically_normal() == b.lexically_normal()) {
        return true;
    }
    return fs::equivalent(a, b, ec) && !ec;
}

class StartupWork {
  public:
    StartupWork(const StartupOptions& options, StartupFile& result)
        : m_ops(options.ops ? *options.ops : SystemFileOps()), m_result(result) {}

    // Copies a file; `backupTarget` keeps a file already there as its .bak.
    bool Copy(const fs::path& from, const fs::path& to, bool backupTarget) {
        std::string content;
        FileResult done = ReadInputFile(from, content);
        if (done) {
            if (backupTarget) {
                done = WriteWithBackup(to, content, &m_ops);
            } else {
                AtomicWriteOptions options;
                options.ops = &m_ops;
                done = WriteFileAtomically(to, content, options);
            }
        }
        return Note(done);
    }

    // Renames a file to its .bak name, replacing an older one.
    void RetireToBackup(const fs::path& path) {
        const fs::path backup = BackupNameFor(path);
        if (m_ops.Rename(path.c_str(), backup.c_str()) != 0) {
            Note(FileResult::Failure(SystemErrorText("cannot rename", path, errno)));
        }
    }

  private:
    bool Note(const FileResult& done) {
        if (!done) {
            m_result.errors.push_back(done.error);
        }
        return done.ok;
    }

    FileOps& m_ops;
    StartupFile& m_result;
};

}  // namespace

StartupFile FindAtStartup(const fs::path& programFolder, const std::string& storedName,
                          const StartupOptions& options) {
    StartupFile result;
    StartupWork work(options, result);
    const fs::path templateFile = programFolder / "empty.rec";
    const fs::path usedTemplate = BackupNameFor(templateFile);

    fs::path candidate = programFolder / "db.rec";
    if (std::error_code missing; !storedName.empty() && fs::exists(storedName, missing)) {
        // A folder, a pipe or a device would fail, hang or flood the load: the program's own
        // database is used instead, and the user is told why.
        if (const FileResult usable = CheckInputFile(storedName); usable) {
            candidate = storedName;
        } else {
            result.errors.push_back(usable.error + "; " + candidate.string() + " is used instead");
        }
    }
    if (!IsFile(candidate)) {
        // The template is retired only once it has been copied, so a failed start can retry.
        if (IsFile(templateFile)) {
            if (work.Copy(templateFile, candidate, false)) {
                work.RetireToBackup(templateFile);
            }
        } else if (IsFile(usedTemplate)) {
            work.Copy(usedTemplate, candidate, false);
        } else if (options.installedTemplate && IsFile(*options.installedTemplate)) {
            work.Copy(*options.installedTemplate, candidate, false);
        }
        result.path = candidate;
        return result;
    }

    if (IsFile(templateFile)) {
        // A fresh installation beside an existing database: bring the database home.
        work.RetireToBackup(templateFile);
        const fs::path folder = fs::absolute(candidate).parent_path();
        if (!SameFolder(folder, programFolder)) {
            const fs::path target = programFolder / candidate.filename();
            std::error_code ec;
            if (fs::equivalent(candidate, target, ec) || work.Copy(candidate, target, true)) {
                candidate = target;
            }
        }
    }
    result.path = candidate;
    return result;
}

}  // namespace vitalune
