#pragma once
// Ranking the persons of the names database by their compatibility with a base person: the
// criteria of the matching window and the result list it shows (persons grouped under their
// group headers, a separator after each group, or the single "Nobody found" line). Qt-free;
// the window wires its controls to MatchCriteria and draws the entries.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/Compatibility.h"

namespace vitalune {

class NamesDatabase;

enum class SexFilter : int { Any = 0, Male = 1, Female = 2 };
enum class MatchSort : int { Name = 0, Compatibility = 1 };
// Items of the three rating boxes.
enum class WantedRating : int { Any = 0, Excellent = 1, Good = 2, Weak = 3, None = 4 };

inline constexpr int kSexItemCount = 3;
inline constexpr int kSortItemCount = 2;
inline constexpr int kRatingItemCount = 5;
inline constexpr int kPatternCount = 9;
// Both age boxes hold 19 items: 0, 5, ... 90 years and 5, 10, ... 95 years.
inline constexpr int kAgeItemCount = 19;

inline constexpr int kIdealMatchPattern = 0;
inline constexpr int kSpecialSearchPattern = 8;

inline constexpr std::string_view kAllGroupsCaption = "All groups";
inline constexpr std::string_view kNobodyFoundText = "Nobody found";
inline constexpr std::string_view kResultsCaption = "Results";
inline constexpr std::string_view kNoGroupReportHint = "Group report is not available";
inline constexpr std::string_view kGroupReportHint =
    "Click twice to see a group compatibility report";

// The window's controls. Indexes are item indexes of the lists as the window shows them.
struct MatchCriteria {
    std::size_t baseGroup = 0;   // Group1
    std::size_t basePerson = 0;  // Pname, within the base group's list
    int searchItem = 0;          // Group2: 0 "All groups", n the database's group n - 1
    SexFilter sex = SexFilter::Any;
    bool ageCheck = false;
    int ageBegin = 0;                  // AgeBegin item: 5 * item years
    int ageEnd = kAgeItemCount - 1;    // AgeEnd item: 5 * (item + 1) years
    int pattern = kIdealMatchPattern;  // OvBox item, for the report's caption
    // PhBox, EmBox, InBox: Physical, Emotional, Intellectual.
    std::array<WantedRating, 3> ratings = {WantedRating::Excellent, WantedRating::Excellent,
                                           WantedRating::Excellent};
    bool exact = false;  // ExactSearch ("Exact compliance")
    MatchSort sort = MatchSort::Name;
    int currentYear = 0;  // the age filter counts calendar years up to this one
    friend bool operator==(const MatchCriteria&, const MatchCriteria&) = default;
};

// The three box items a pattern presets.
std::array<WantedRating, 3> PatternRatings(int pattern);
// Sets the pattern and the three boxes as choosing it in OvBox does (an unknown pattern is 0).
void ApplyPattern(MatchCriteria& criteria, int pattern);

// Years of the age box items.
inline int AgeBeginYears(int item) {
    return 5 * item;
}
inline int AgeEndYears(int item) {
    return 5 * (item + 1);
}
// The boxes' coupling: a begin item above the end item moves the end item to it, and an end
// item below the begin item moves the begin item to it.
void ChooseAgeBegin(MatchCriteria& criteria, int item);
void ChooseAgeEnd(MatchCriteria& criteria, int item);

// Whether a percentage fits a box item, "at least" or exactly in the item's band.
bool RatingPasses(WantedRating wanted, std::int32_t percent, bool exact);

std::string_view PatternCaption(int pattern);
std::string_view RatingCaption(WantedRating rating);
std::string_view SexCaption(SexFilter sex);
std::string_view SortCaption(MatchSort sort);

enum class MatchKind : char {
    Male = 'M',
    Female = 'F',
    GroupHeader = '0',
    Separator = '1',
    NobodyFound = '2',
};

// One line of the result list.
struct MatchEntry {
    // A person's name; for a group header the group's entry as stored ("name|icon").
    std::string name;
    std::string dateOfBirthText;  // as stored in the person's line (persons only)
    std::string kind;             // "M", "F", "0", "1" or "2"
    CompatibilityResult compat;   // persons only
    bool IsPerson() const { return kind == "M" || kind == "F"; }
    MatchKind Kind() const { return kind.empty() ? MatchKind::Separator : MatchKind{kind[0]}; }
    friend bool operator==(const MatchEntry&, const MatchEntry&) = default;
};

struct MatchResult {
    std::vector<MatchEntry> entries;  // in display order
    std::size_t written = 0;          // entries written
    std::size_t found = 0;            // persons found
    std::size_t shown = 0;            // entries shown
};

// "Results" before a run, "Found 1 result", "Found N results".
std::string ResultsLabel(std::size_t found);
// The list's hint after a run.
std::string_view ResultListHint(const MatchResult& result);

// What a run needs of each person, taken from the database's lines once per database
// revision. The lines stay the truth; this is rebuilt as soon as the database has changed.
class MatchCache {
  public:
    // Brings the cache up to date with the database; true when it had to be rebuilt.
    bool Refresh(const NamesDatabase& database);
    std::uint64_t Revision() const { return m_revision; }
    bool Empty() const { return m_groupStart.empty(); }

    struct PersonFacts {
        std::int32_t birth;      // whole day, ParseDob of the date text
        std::int16_t birthYear;  // calendar year of birth
        char sex;                // 'M', 'F', or 0 for a line that is not a usable person
    };
    std::size_t GroupCount() const { return m_groupStart.empty() ? 0 : m_groupStart.size() - 1; }
    std::size_t GroupStart(std::size_t group) const { return m_groupStart[group]; }
    std::size_t GroupEnd(std::size_t group) const { return m_groupStart[group + 1]; }
    const PersonFacts& Facts(std::size_t flatIndex) const { return m_facts[flatIndex]; }

    // Working space of the runs, kept so that a run over a big database allocates nothing new.
    std::vector<std::uint64_t>& Scratch() const { return m_scratch; }

  private:
    std::uint64_t m_revision = 0;           // revisions start at 1, so 0 is never current
    std::vector<std::size_t> m_groupStart;  // first flat index of each group, then the total
    std::vector<PersonFacts> m_facts;
    mutable std::vector<std::uint64_t> m_scratch;
};

// Runs the search with a cache kept between runs (the window's way).
MatchResult RunMatching(const MatchCriteria& criteria, const NamesDatabase& database,
                        MatchCache& cache);
// The same into a result list kept by the caller, whose entries are overwritten in place (the
// window's one list, so a run over a big database reuses the texts' memory).
void RunMatching(const MatchCriteria& criteria, const NamesDatabase& database, MatchCache& cache,
                 MatchResult& result);
// The same, reading every line anew.
MatchResult RunMatching(const MatchCriteria& criteria, const NamesDatabase& database);
// The same, handing the entries to `visit` one by one in display order instead of keeping the
// list, so that writing out a million found persons costs no more than the search. Returns the
// number of persons found.
std::size_t VisitMatching(const MatchCriteria& criteria, const NamesDatabase& database,
                          const std::function<void(const MatchEntry&)>& visit);

// Where a listed person lives in the database, for handing the pair to the charts: the group
// of the nearest header above the entry, looked up by name, and in it the person's line (a
// line carrying more after its sex letter is found by its fields). Item 0 stands in for
// whatever cannot be found, as the lists' first item would.
struct PersonPlace {
    std::size_t group = 0;
    std::size_t person = 0;
};
PersonPlace LocateEntry(const MatchResult& result, std::size_t entry,
                        const NamesDatabase& database);

// " Age difference: " panel value: the whole days between the two births over 365, with at
// most one decimal ("0.#"), and " years".
std::string YearsApartText(DateTime baseBirth, DateTime foundBirth);

// The caption of the chosen Group2 item: "All groups" or the group's name.
std::string SearchAmongCaption(const MatchCriteria& criteria, const NamesDatabase& database);

}  // namespace vitalune
