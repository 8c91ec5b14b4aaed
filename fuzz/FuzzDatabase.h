#pragma once
// Checks shared by the names database fuzz targets; each failure aborts.

#include <cstdlib>
#include <string>
#include <string_view>

#include "core/db/NamesDatabase.h"
#include "core/db/PersonCollator.h"
#include "core/engine/Clock.h"
#include "core/text/Encoding.h"

namespace vitalune::fuzz {

inline const Clock& Today() {
    static const FixedClock clock(EncodeDate(2008, 1, 5));
    return clock;
}

// At least one group, unique names, every list non-empty, sorted, without equal lines.
inline void CheckInvariants(const NamesDatabase& database) {
    if (database.GroupCount() == 0) {
        std::abort();
    }
    const PersonCollator& order = PersonCollator::Instance();
    for (std::size_t g = 0; g < database.GroupCount(); ++g) {
        const std::string& entry = database.GroupEntry(g);
        if (database.FindGroup(ParseGroupEntry(entry).name) != g) {
            std::abort();
        }
        const PersonList& persons = database.Persons(g);
        if (persons.empty()) {
            std::abort();
        }
        for (std::size_t p = 1; p < persons.size(); ++p) {
            if (order.CompareByIcu(persons[p - 1], persons[p]) >= 0) {
                std::abort();
            }
        }
    }
}

// Every valid person line after a header is in its group (a line equal to it is).
inline void CheckHoldsValidLines(const NamesDatabase& database, const std::string& bytes,
                                 bool headersAsLoaded) {
    // As loading reads it: control characters shown as U+FFFD, and LF, CR LF or a CR alone
    // ending a line.
    std::string text = DecodeFileText(bytes).utf8;
    ReplaceControlCharacters(text);
    std::string group;
    bool inGroup = false;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string_view line(text.data() + pos, end - pos);
        pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '#') {
            group = (headersAsLoaded ? ParseGroupHeader(line.substr(1))
                                     : ParseGroupEntry(line.substr(1)))
                        .name;
            inGroup = true;
            continue;
        }
        if (!inGroup || !IsValidPersonLine(line)) {
            continue;
        }
        const auto g = database.FindGroup(group);
        if (!g || !database.Persons(*g).Find(line)) {
            std::abort();
        }
    }
}

// What is saved loads back as the same database and the same bytes.
inline void CheckRoundTrip(const NamesDatabase& database) {
    const std::string saved = database.FileContent();
    NamesDatabase again(Today());
    if (again.LoadFromBytes(saved).outcome != LoadResult::Outcome::Loaded || !(again == database) ||
        again.FileContent() != saved) {
        std::abort();
    }
}

}  // namespace vitalune::fuzz
