#pragma once
// What the matching fuzz targets share: a small database of three groups and the checks of
// criteria and of a result list; each failure aborts.

#include "FuzzInput.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/matching/Matching.h"

namespace vitalune::fuzz {

inline const NamesDatabase& Database() {
    static const FixedClock clock(EncodeDate(2030, 6, 15));
    static const NamesDatabase database = [] {
        NamesDatabase db(clock);
        db.LoadFromBytes(
            "#Friends|3\r\nAda|02.01.2000|F\r\nBase|01.01.2000|M\r\nBea|05.01.2000|F\r\n"
            "Cid|13.01.2001|M\r\nDan|11.01.1950|M\r\nEve|29.01.1980|F\r\n"
            "#Work|5\r\nBase|01.01.2000|M\r\nGus|03.01.2000|M\r\nJo|22.12.1999|F\r\n"
            "#Empty|7\r\n");
        return db;
    }();
    return database;
}

// Every choice in range.
inline void CheckCriteria(const MatchCriteria& c) {
    Check(c.searchItem >= 0);
    Check(static_cast<int>(c.sex) >= 0 && static_cast<int>(c.sex) < kSexItemCount);
    Check(c.ageBegin >= 0 && c.ageBegin <= c.ageEnd && c.ageEnd < kAgeItemCount);
    Check(c.pattern >= 0 && c.pattern < kPatternCount);
    for (WantedRating r : c.ratings) {
        Check(static_cast<int>(r) >= 0 && static_cast<int>(r) < kRatingItemCount);
    }
    Check(static_cast<int>(c.sort) >= 0 && static_cast<int>(c.sort) < kSortItemCount);
}

// Headers, persons that pass every filter, a separator after each group, or the one
// "Nobody found" line.
inline void CheckResult(const MatchCriteria& c, const MatchResult& result) {
    Check(result.written == result.entries.size() && result.shown == result.entries.size());
    if (result.found == 0) {
        Check(result.entries.size() == 1 && result.entries[0].Kind() == MatchKind::NobodyFound);
        return;
    }
    std::size_t persons = 0;
    bool inGroup = false;
    bool groupHasPerson = false;
    std::int32_t previousOverall = 101;
    for (const MatchEntry& entry : result.entries) {
        switch (entry.Kind()) {
            case MatchKind::GroupHeader:
                Check(!inGroup);
                inGroup = true;
                groupHasPerson = false;
                previousOverall = 101;
                break;
            case MatchKind::Separator:
                Check(inGroup && groupHasPerson);
                inGroup = false;
                break;
            case MatchKind::NobodyFound:
                Check(false);
                break;
            default: {
                Check(inGroup && entry.IsPerson());
                groupHasPerson = true;
                ++persons;
                Check(c.sex != SexFilter::Male || entry.kind == "M");
                Check(c.sex != SexFilter::Female || entry.kind == "F");
                for (std::size_t i = 0; i < 3; ++i) {
                    Check(RatingPasses(c.ratings[i], entry.compat.values[i], c.exact));
                }
                const std::int32_t overall = entry.compat[CompatField::Overall];
                if (c.sort == MatchSort::Compatibility) {
                    Check(overall <= previousOverall);
                }
                previousOverall = overall;
                if (c.ageCheck) {
                    const int age =
                        c.currentYear - DecodeDate(ParseDob(entry.dateOfBirthText)).year;
                    Check(age >= AgeBeginYears(c.ageBegin) && age <= AgeEndYears(c.ageEnd));
                }
            }
        }
    }
    Check(!inGroup && persons == result.found);
}

}  // namespace vitalune::fuzz
