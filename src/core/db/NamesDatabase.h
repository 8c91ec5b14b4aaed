#pragma once
// The names database: ordered groups ("name|icon" entries), each with a sorted list of person
// lines, read from and written to a ".rec" text file. Every change bumps Revision() so caches
// can notice it; user-visible failures come back as result values with the program's texts.
// It holds no user interface and does not decide when to save: callers call SaveToFile.
// Loading only finds the groups: a group's lines are read and ordered when first asked for,
// so a chart of one person does not wait for a million. Reading one group is safe from several
// threads at once; changing the database is not.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/BackupFile.h"
#include "core/db/PersonLine.h"
#include "core/db/PersonList.h"
#include "core/files/AtomicFile.h"
#include "core/files/InputFile.h"

namespace vitalune {

class Clock;

// A line that loading did not take, for reports such as "vitalune-cli db check".
struct DroppedLine {
    std::size_t lineNumber = 0;  // 1-based, in the file
    std::string text;
    std::string reason;
};

struct LoadOptions {
    // A missing file is created holding the empty database (off: only reported).
    bool createMissing = true;
    std::vector<DroppedLine>* dropped = nullptr;
    FileOps* ops = nullptr;  // used when the missing file is created
};

struct LoadResult {
    enum class Outcome {
        Loaded,      // the file's groups and persons
        Missing,     // no file: the empty database (written there unless told not to)
        Unreadable,  // the file could not be read: the empty database, the file untouched
        NoGroups,    // no group header in the file: the empty database, the file untouched
    };
    Outcome outcome = Outcome::Loaded;
    // The message to show the user, empty when there is none.
    std::string message;
    // Creating the missing file; ok when nothing was written.
    FileResult created;
    // Why the file could not be read (for logs and the command-line tool).
    std::string readError;
};

struct MergeResult {
    FileResult read;
    std::size_t droppedLines = 0;  // person lines not valid or before the first header
    std::size_t addedGroups = 0;
};

// The result of adding a person line: where the equal line now is, and whether it is new.
struct AddResult {
    enum class Status { Added, AlreadyThere, Refused };
    Status status = Status::Refused;
    std::size_t index = 0;  // valid unless Refused
    bool added() const { return status == Status::Added; }
};

class NamesDatabase {
  public:
    // The clock gives "today" for the placeholder person; it must outlive the database.
    explicit NamesDatabase(const Clock& clock);

    // --- reading ---
    std::size_t GroupCount() const { return m_groups.size(); }
    const std::vector<std::string>& Groups() const { return m_groups; }
    const std::string& GroupEntry(std::size_t group) const { return m_groups.at(group); }
    // Reads the group's lines from the loaded file first if nobody asked for them yet.
    const PersonList& Persons(std::size_t group) const;
    // Reads every group not read yet, on all cores; for callers about to visit them all.
    void ReadAllGroups() const;
    std::size_t PersonCount() const;
    // The first group whose name equals `name` exactly, case included.
    std::optional<std::size_t> FindGroup(std::string_view name) const;
    // Changes with every modification, also when a copy is assigned over this database.
    std::uint64_t Revision() const { return m_revision.value; }

    const std::string& FileName() const { return m_fileName; }
    void SetFileName(std::string fileName) { m_fileName = std::move(fileName); }

    // --- whole database ---
    // One group "My profiles|2" holding the placeholder person.
    void MakeEmpty();
    // Replaces the database by the file's content. A file that exists but cannot be read or
    // has no group header is never overwritten here; the database becomes the empty one.
    LoadResult LoadFromFile(const std::filesystem::path& path, const LoadOptions& options = {});
    // Writes the database (windows-1252 when every character fits, else UTF-8; CR LF) through
    // a temporary file, keeping the previous file as the backup (WriteWithBackup). On failure
    // the file and its backup stay as they were.
    FileResult SaveToFile(const std::filesystem::path& path, FileOps* ops = nullptr) const;
    // Adds the groups and valid person lines of another file; on a read failure nothing
    // changes.
    MergeResult MergeFromFile(const std::filesystem::path& path);
    // The same for a file's bytes already read (Missing never happens here).
    LoadResult LoadFromBytes(std::string bytes, const LoadOptions& options = {});
    LoadResult LoadFromBytes(FileBytes bytes, const LoadOptions& options = {});
    MergeResult MergeFromBytes(std::string bytes);
    // The bytes SaveToFile writes.
    std::string FileContent() const;

    // --- editing (each keeps the lists sorted and no group empty) ---
    // Adds a line to a group's list; equal lines (ignoring case) are not duplicated. Lines
    // that could not be read back (see IsStorablePersonLine) are refused.
    AddResult AddPerson(std::size_t group, std::string_view line);
    // Removes persons; a group left empty receives the placeholder person.
    void RemovePerson(std::size_t group, std::size_t index);
    void RemovePersons(std::size_t group, std::span<const std::size_t> indexes);
    // Removes a line and adds the new one in its sorted place (the editor's Edit). Refused
    // lines change nothing.
    AddResult ReplacePerson(std::size_t group, std::size_t index, std::string_view line);
    // Adds the chosen persons of one group to another; Move also removes them from the first.
    // Nothing happens when both groups are the same.
    void CopyPersons(std::size_t from, std::span<const std::size_t> indexes, std::size_t to);
    void MovePersons(std::size_t from, std::span<const std::size_t> indexes, std::size_t to);

    // Appends a group holding the placeholder person; nothing when the name is taken or cannot
    // be stored. Returns the new group's index.
    std::optional<std::size_t> AddGroup(std::string_view name, int icon);
    // Renames a group and sets its icon unless another group has the new name.
    bool EditGroup(std::size_t group, std::string_view name, int icon);
    // Moves a group (entry and persons) to another position; false when out of range.
    bool MoveGroup(std::size_t from, std::size_t to);
    // Removes a group and its persons; removing the last one leaves the empty database.
    void DeleteGroup(std::size_t group);

    friend bool operator==(const NamesDatabase& a, const NamesDatabase& b);

  private:
    // Where a group's lines are in the loaded file: a name may head several parts of it.
    struct Part {
        std::size_t begin = 0;  // byte offsets in the file's text
        std::size_t end = 0;
        std::size_t firstLine = 0;  // 1-based; counted only when dropped lines are reported
    };
    // The loaded file's text, shared by copies until every group is read.
    struct FileText {
        FileBytes bytes;  // UTF-8, or windows-1252 when the file was not valid UTF-8
        bool windows1252 = false;
        std::int32_t today = 0;  // the placeholder's date, as loading would have given it
    };
    // Reads a group's lines from its parts into `list` (sorted, without duplicates, the
    // placeholder when none is left); reports what it drops when `dropped` is given.
    static void ReadParts(const FileText& file, std::span<const Part> parts, PersonList& list,
                          std::vector<DroppedLine>* dropped);

    // A copy counts as a change, so a snapshot put back is noticed.
    struct RevisionStamp {
        RevisionStamp();
        RevisionStamp(const RevisionStamp&);
        RevisionStamp& operator=(const RevisionStamp&);
        void Bump();
        std::uint64_t value;
    };

    // No group at all (not a valid database: fill it before returning).
    void Clear();
    std::size_t AppendGroup(std::string entry);
    void FillIfEmpty(std::size_t group);
    void Touch() { m_revision.Bump(); }
    void CheckGroup(std::size_t group) const;
    // The group's list, read first if needed, for changing it.
    PersonList& ReadList(std::size_t group);
    void ReadGroups(std::span<const std::size_t> groups) const;

    // An atomic flag that copies like a bool, so that the database stays copyable.
    struct ReadFlag {
        ReadFlag() = default;
        explicit ReadFlag(bool read) : value(read) {}
        ReadFlag(const ReadFlag& other) : value(other.value.load()) {}
        ReadFlag& operator=(const ReadFlag& other) {
            value.store(other.value.load());
            return *this;
        }
        std::atomic<bool> value{true};
    };
    // A mutex per database object, never copied.
    struct ReadLock {
        ReadLock() = default;
        ReadLock(const ReadLock&) {}
        ReadLock& operator=(const ReadLock&) { return *this; }
        std::mutex mutex;
    };

    const Clock* m_clock;
    std::vector<std::string> m_groups;
    // A group not read yet has an empty list, its parts of m_file and a false flag.
    mutable std::vector<PersonList> m_persons;
    mutable std::vector<std::vector<Part>> m_unread;
    mutable std::vector<ReadFlag> m_read;
    mutable std::shared_ptr<const FileText> m_file;
    mutable ReadLock m_lock;
    std::string m_fileName;
    RevisionStamp m_revision;
};

// The texts of the two load messages.
std::string MissingDatabaseMessage(const std::filesystem::path& path);
extern const char* const kUnreadableDatabaseMessage;

}  // namespace vitalune
