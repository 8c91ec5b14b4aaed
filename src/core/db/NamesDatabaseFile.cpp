// Reading, writing and merging database files.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>
#include <unordered_map>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/files/InputFile.h"
#include "core/text/DecimalText.h"
#include "core/text/Encoding.h"

namespace vitalune {

namespace fs = std::filesystem;

const char* const kUnreadableDatabaseMessage =
    "Problems with current Names Database \nNew empty DB created";

std::string MissingDatabaseMessage(const fs::path& path) {
    return "Can't find current Names Database " + path.string() + "\nNew empty DB created";
}

namespace {

// Calls `use(lineNumber, line)` for every line that is neither empty nor a comment. Lines end
// with LF, CR LF or a CR alone (old Mac files) and may be of any length.
template <typename Use>
void ForEachLine(std::string_view text, Use&& use) {
    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        ++lineNumber;
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') {
            ++end;
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
        if (!line.empty() && line.front() != ';') {
            use(lineNumber, line);
        }
    }
}

// The number of lines ending in `text` (LF, CR LF or a CR alone).
std::size_t CountLineEnds(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++count;
        }
    }
    return count;
}

// A part of the file as UTF-8 without control characters, as every reader sees it.
std::string ReadableText(std::string_view bytes, bool windows1252) {
    std::string text = windows1252 ? Windows1252ToUtf8(bytes) : std::string{bytes};
    ReplaceControlCharacters(text);
    return text;
}

// Where the line after the one ending at `lineEnd` starts.
std::size_t NextLineStart(std::string_view text, std::size_t lineEnd) {
    if (lineEnd >= text.size()) {
        return text.size();
    }
    return lineEnd + (text.substr(lineEnd).starts_with("\r\n") ? 2 : 1);
}

// What one pass over a file's bytes tells: whether they are UTF-8, and where the lines that
// begin with "#" (the group headers) start.
struct HeaderScan {
    bool utf8 = true;
    std::vector<std::size_t> headers;
};

// Sixteen bytes in one register, in GCC's and Clang's portable vector types.
using Bytes16 = signed char __attribute__((vector_size(16)));

// A file is read at least once whole before any group is: 64 bytes a step while they are
// plain ASCII without "#", so that a big file costs little more than the memory reads.
HeaderScan ScanHeaders(std::string_view text, std::size_t bom) {
    const Bytes16 hashes = Bytes16{} + '#';
    HeaderScan scan;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text.size() - pos >= 64) {
            Bytes16 block[4];
            std::memcpy(block, text.data() + pos, sizeof block);
            Bytes16 stop = (block[0] < 0) | (block[0] == hashes);  // < 0: not ASCII
            for (int k = 1; k < 4; ++k) {
                stop |= (block[k] < 0) | (block[k] == hashes);
            }
            std::uint64_t halves[2];
            std::memcpy(halves, &stop, sizeof halves);
            if ((halves[0] | halves[1]) == 0) {
                pos += 64;
                continue;
            }
        }
        // Byte by byte to the block's end (a code point may run past it).
        for (const std::size_t end = std::min(pos + 64, text.size()); pos < end;) {
            const auto c = static_cast<unsigned char>(text[pos]);
            if (c == '#' &&
                (pos == 0 || pos == bom || text[pos - 1] == '\n' || text[pos - 1] == '\r')) {
                scan.headers.push_back(pos);
            }
            char32_t codePoint = 0;
            if (c < 0x80 || !scan.utf8) {
                ++pos;
            } else if (!NextCodePoint(text, pos, codePoint)) {
                scan.utf8 = false;
                ++pos;
            }
        }
    }
    // Without UTF-8 the mark is windows-1252 text of the first line, not a line start.
    if (!scan.utf8 && bom > 0 && !scan.headers.empty() && scan.headers.front() == bom) {
        scan.headers.erase(scan.headers.begin());
    }
    return scan;
}

// A header's entry as both readers keep it: icons beyond the icon set become 2.
std::string HeaderEntry(PersonGroup group) {
    if (group.icon >= kGroupIconCount) {
        group.icon = kDefaultGroupIcon;
    }
    return MakeGroupEntry(group.name, group.icon);
}

std::string GroupName(std::string_view entry) {
    return std::string{entry.substr(0, entry.find('|'))};
}

// Whether a header's "|" is followed by something other than a group icon's number, which
// loading replaces by the default icon.
bool LosesIcon(std::string_view entry) {
    const std::size_t bar = entry.find('|');
    return bar != std::string_view::npos &&
           ParseDecimal(entry.substr(bar + 1)).value_or(kGroupIconCount) >= kGroupIconCount;
}

// Whether windows-1252 bytes would be taken for different UTF-8 text when read.
bool ReadsAsOtherUtf8(std::string_view single, std::string_view utf8) {
    return single.size() != utf8.size() && IsValidUtf8(single);
}

}  // namespace

LoadResult NamesDatabase::LoadFromFile(const fs::path& path, const LoadOptions& options) {
    LoadResult result;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        result.outcome = LoadResult::Outcome::Missing;
        result.message = MissingDatabaseMessage(path);
        MakeEmpty();
        if (options.createMissing) {
            result.created = SaveToFile(path, options.ops);
        }
        return result;
    }

    FileBytes bytes;
    FileResult read;
    try {
        read = ReadInputFile(path, bytes);
    } catch (const std::bad_alloc&) {
        read = FileResult::Failure("cannot read " + path.string() + ": not enough memory");
    }
    if (!read) {
        result.outcome = LoadResult::Outcome::Unreadable;
        result.message = kUnreadableDatabaseMessage;
        result.readError = read.error;
        MakeEmpty();
        return result;
    }
    return LoadFromBytes(std::move(bytes), options);
}

LoadResult NamesDatabase::LoadFromBytes(std::string bytes, const LoadOptions& options) {
    return LoadFromBytes(FileBytes{std::move(bytes)}, options);
}

LoadResult NamesDatabase::LoadFromBytes(FileBytes bytes, const LoadOptions& options) {
    LoadResult result;
    Clear();
    try {
        auto file = std::make_shared<FileText>();
        file->today = m_clock->Today();
        const std::size_t bom = bytes.View().starts_with("\xEF\xBB\xBF") ? 3 : 0;
        const HeaderScan scan = ScanHeaders(bytes.View(), bom);
        file->windows1252 = !scan.utf8;
        file->bytes = std::move(bytes);
        const std::string_view text = file->bytes.View();
        const std::size_t start = file->windows1252 ? 0 : bom;

        // Only the headers are read now; each group keeps where its lines are.
        const bool counting = options.dropped != nullptr;
        std::size_t lineNumber = 1;  // of the line starting at `counted`
        std::size_t counted = start;
        const auto lineAt = [&](std::size_t pos) {
            if (counting) {
                lineNumber += CountLineEnds(text.substr(counted, pos - counted));
                counted = pos;
            }
            return lineNumber;
        };
        std::unordered_map<std::string, std::size_t> groupByName;
        auto nextHeader = scan.headers.begin();
        const auto findHeader = [&] {
            return nextHeader == scan.headers.end() ? text.size() : *nextHeader++;
        };
        std::size_t header = findHeader();
        if (counting && header > start) {
            const std::string before =
                ReadableText(text.substr(start, header - start), file->windows1252);
            ForEachLine(before, [&](std::size_t number, std::string_view line) {
                options.dropped->push_back(
                    {number, std::string{line}, "before the first group header"});
            });
        }
        while (header < text.size()) {
            const std::size_t headerLine = lineAt(header);
            const std::size_t lineEnd = text.find_first_of("\r\n", header);
            const std::size_t bodyStart = NextLineStart(text, lineEnd);
            const std::string line =
                ReadableText(text.substr(header, lineEnd - header), file->windows1252);
            std::string entry = HeaderEntry(ParseGroupHeader(std::string_view{line}.substr(1)));
            if (counting && LosesIcon(std::string_view{line}.substr(1))) {
                options.dropped->push_back(
                    {headerLine, line,
                     "the icon is not a number below 48, so the group is kept as " + entry});
            }
            auto [it, isNew] = groupByName.try_emplace(GroupName(entry), m_groups.size());
            if (isNew) {
                AppendGroup(std::move(entry));
                m_read.back().value = false;
            }
            header = findHeader();
            if (bodyStart < header) {
                m_unread[it->second].push_back({bodyStart, header, lineAt(bodyStart)});
            }
        }
        m_file = std::move(file);
        if (counting) {
            // Every line must be looked at for the report anyway.
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                ReadParts(*m_file, m_unread[g], m_persons[g], options.dropped);
                m_unread[g].clear();
                m_read[g].value = true;
            }
            m_file.reset();
        }
    } catch (const std::exception& e) {
        // Unreadable, or too big for memory: work on the empty database and leave the file
        // alone, so that nothing the user had is overwritten.
        result.outcome = LoadResult::Outcome::Unreadable;
        result.message = kUnreadableDatabaseMessage;
        result.readError = e.what();
        MakeEmpty();
        return result;
    }

    if (options.dropped) {
        // Groups were read one after the other; report in file order.
        std::stable_sort(
            options.dropped->begin(), options.dropped->end(),
            [](const DroppedLine& a, const DroppedLine& b) { return a.lineNumber < b.lineNumber; });
    }
    if (m_groups.empty()) {
        result.outcome = LoadResult::Outcome::NoGroups;
        MakeEmpty();
        return result;
    }
    Touch();
    return result;
}

void NamesDatabase::ReadParts(const FileText& file, std::span<const Part> parts, PersonList& list,
                              std::vector<DroppedLine>* dropped) {
    // Line numbers of the lines appended, kept only for the report.
    std::vector<std::size_t> lineNumbers;
    for (const Part& part : parts) {
        const std::string text = ReadableText(
            file.bytes.View().substr(part.begin, part.end - part.begin), file.windows1252);
        ForEachLine(text, [&](std::size_t lineNumber, std::string_view line) {
            if (const PersonLineFault fault = CheckPersonLine(line);
                fault != PersonLineFault::None) {
                if (dropped) {
                    dropped->push_back({part.firstLine + lineNumber - 1, std::string{line},
                                        std::string{PersonLineFaultText(fault)}});
                }
                return;
            }
            list.Append(line);
            if (dropped) {
                lineNumbers.push_back(part.firstLine + lineNumber - 1);
            }
        });
    }
    std::vector<PersonList::Duplicate> duplicates;
    list.SortAndDropDuplicates(dropped ? &duplicates : nullptr);
    for (PersonList::Duplicate& duplicate : duplicates) {
        dropped->push_back({lineNumbers[duplicate.dropped], std::move(duplicate.text),
                            "same person as line " + std::to_string(lineNumbers[duplicate.kept])});
    }
    if (list.empty()) {
        list.Insert(PlaceholderPerson(file.today));
    }
}

std::string NamesDatabase::FileContent() const {
    ReadAllGroups();
    std::size_t size = 0;
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        size += m_groups[g].size() + 3;
        for (const std::string_view line : m_persons[g]) {
            size += line.size() + 2;
        }
    }
    std::string utf8;
    utf8.reserve(size);
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        utf8 += '#';
        utf8 += m_groups[g];
        utf8 += "\r\n";
        for (const std::string_view line : m_persons[g]) {
            utf8 += line;
            utf8 += "\r\n";
        }
    }
    // Older copies of the program read only windows-1252. Bytes that would read back as
    // UTF-8 ("\xC3\xA9" for "Ã©") stay UTF-8, or the names would change on the next load.
    if (auto single = Utf8ToWindows1252(utf8); single && !ReadsAsOtherUtf8(*single, utf8)) {
        return std::move(*single);
    }
    return utf8;
}

FileResult NamesDatabase::SaveToFile(const fs::path& path, FileOps* ops) const {
    std::string content;
    try {
        content = FileContent();
    } catch (const std::bad_alloc&) {
        return FileResult::Failure("cannot write " + path.string() + ": not enough memory");
    }
    return WriteWithBackup(path, content, ops);
}

MergeResult NamesDatabase::MergeFromFile(const fs::path& path) {
    std::string bytes;
    MergeResult result;
    try {
        result.read = ReadInputFile(path, bytes);
    } catch (const std::bad_alloc&) {
        result.read = FileResult::Failure("cannot read " + path.string() + ": not enough memory");
    }
    return result.read ? MergeFromBytes(std::move(bytes)) : result;
}

MergeResult NamesDatabase::MergeFromBytes(std::string bytes) {
    MergeResult result;
    struct TemporaryGroup {
        std::string entry;
        PersonList persons;
    };
    std::vector<TemporaryGroup> read;
    try {
        std::string text = DecodeFileTextOwned(std::move(bytes)).utf8;
        ReplaceControlCharacters(text);
        ForEachLine(text, [&](std::size_t, std::string_view line) {
            if (line.front() == '#') {
                read.push_back({HeaderEntry(ParseGroupEntry(line.substr(1))), {}});
            } else if (!read.empty() && IsValidPersonLine(line)) {
                read.back().persons.Append(line);
            } else {
                ++result.droppedLines;
            }
        });
    } catch (const std::exception& e) {
        result.read = FileResult::Failure(std::string{"cannot read the file: "} + e.what());
        return result;
    }

    const std::string placeholder = PlaceholderPerson(m_clock->Today());
    std::unordered_map<std::string, std::size_t> groupByName;
    for (std::size_t g = m_groups.size(); g-- > 0;) {
        groupByName[GroupName(m_groups[g])] = g;  // the first of equal names wins
    }
    for (TemporaryGroup& group : read) {
        group.persons.SortAndDropDuplicates();
        if (group.persons.empty()) {
            group.persons.Append(placeholder);
        }
        auto [it, isNew] = groupByName.try_emplace(GroupName(group.entry), m_groups.size());
        if (isNew) {
            m_persons[AppendGroup(std::move(group.entry))] = std::move(group.persons);
            ++result.addedGroups;
        } else {
            ReadList(it->second).InsertAll(group.persons);
        }
    }
    if (m_groups.empty()) {
        MakeEmpty();  // merged into a database never loaded, from a file without groups
    }
    Touch();
    return result;
}

}  // namespace vitalune
