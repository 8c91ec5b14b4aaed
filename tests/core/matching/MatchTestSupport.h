#pragma once
// Small names databases for the matching tests, and the result list written as one line.

#include <string>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/matching/Matching.h"

namespace vitalune::test {

inline const FixedClock& MatchClock() {
    static const FixedClock clock(EncodeDate(2030, 6, 15));
    return clock;
}

inline NamesDatabase DatabaseOf(const std::string& text) {
    NamesDatabase database(MatchClock());
    database.LoadFromBytes(text);
    return database;
}

// Two groups around the base person Base (Friends, second line) born 1 Jan 2000; each
// comment gives the distance in days and the Physical, Emotional, Intellectual values.
inline const std::string kPairs =
    "#Friends|3\r\n"
    "Ada|02.01.2000|F\r\n"   // 1: 91 93 94
    "Base|01.01.2000|M\r\n"  // the base person
    "Bea|05.01.2000|F\r\n"   // 4: 65 71 76
    "Cid|13.01.2001|M\r\n"   // 378: 13 0 9
    "Dan|11.01.2000|M\r\n"   // 10: 13 29 39
    "Eve|29.01.2000|F\r\n"   // 28: 57 100 70
    "Fay|24.01.2000|F\r\n"   // 23: 100 64 39
    "Hal|31.12.1999|M\r\n"   // 1: 91 93 94
    "#Work|5\r\n"
    "Base|01.01.2000|M\r\n"  // same line as the base person, another group: 100 100 100
    "Gus|03.01.2000|M\r\n"   // 2: 83 86 88
    "Ian|11.01.2000|M\r\n"   // 10: 13 29 39
    "Jo|22.12.1999|F\r\n"    // 10: 13 29 39
    "Kim|02.01.2000|F\r\n";  // 1: 91 93 94

// "[Friends] Ada Bea / [Work] Gus /", or "Nobody found".
inline std::string Layout(const MatchResult& result) {
    std::string text;
    for (const MatchEntry& entry : result.entries) {
        const MatchKind kind = entry.Kind();
        text += kind == MatchKind::Separator ? " /" : text.empty() ? "" : " ";
        if (kind == MatchKind::GroupHeader) {
            text += "[" + ParseGroupEntry(entry.name).name + "]";
        } else if (kind != MatchKind::Separator) {
            text += entry.name;
        }
    }
    return text;
}

}  // namespace vitalune::test
