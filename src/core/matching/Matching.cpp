#include "core/matching/Matching.h"

#include <algorithm>

#include "core/db/NamesDatabase.h"
#include "core/db/PersonLine.h"

namespace vitalune {

namespace {

using W = WantedRating;

constexpr std::array<std::array<W, 3>, kPatternCount> kPatterns = {{
    {W::Excellent, W::Excellent, W::Excellent},  // Ideal match
    {W::Good, W::Good, W::Good},                 // Good match
    {W::Excellent, W::Any, W::Any},              // Sex partner
    {W::Any, W::Good, W::Good},                  // Friend
    {W::Any, W::Good, W::Good},                  // Secretary, business partner
    {W::Any, W::Any, W::Good},                   // Somebody to talk (for man)
    {W::Any, W::Good, W::Any},                   // Somebody to talk (for woman)
    {W::None, W::None, W::None},                 // Complete antipode
    {W::Any, W::Any, W::Any},                    // Special search
}};

constexpr std::array<std::string_view, kPatternCount> kPatternCaptions = {
    "Ideal match",
    "Good match",
    "Sex partner",
    "Friend",
    "Secretary, business partner",
    "Somebody to talk (for man)",
    "Somebody to talk (for woman)",
    "Complete antipode",
    "Special search",
};

int ClampItem(int item, int count) {
    return std::clamp(item, 0, count - 1);
}

// The eight values by distance, taken from the engine so that the filter and the shown values
// can never disagree: each rhythm repeats with its period, and Overall, made of the three
// primary ones, with the product of their periods.
constexpr std::uint32_t kOverallPeriod = 23 * 28 * 33;

struct CompatTables {
    std::array<std::vector<std::int8_t>, 7> byPeriod;  // field order without Overall
    std::vector<std::int8_t> overall;
    CompatTables() {
        for (std::size_t k = 0; k < kCompatPeriods.size(); ++k) {
            const auto field = k < 4 ? k : k + 1;
            for (int r = 0; r < kCompatPeriods[k]; ++r) {
                byPeriod[k].push_back(
                    static_cast<std::int8_t>(ComputeCompatibility(0, r).values[field]));
            }
        }
        overall.resize(kOverallPeriod);
        for (std::uint32_t r = 0; r < kOverallPeriod; ++r) {
            overall[r] = static_cast<std::int8_t>(ComputeCompatibility(0, r)[CompatField::Overall]);
        }
    }
    std::int32_t Physical(std::uint32_t d) const { return byPeriod[0][d % 23]; }
    std::int32_t Emotional(std::uint32_t d) const { return byPeriod[1][d % 28]; }
    std::int32_t Intellectual(std::uint32_t d) const { return byPeriod[2][d % 33]; }
    std::int32_t Overall(std::uint32_t d) const { return overall[d % kOverallPeriod]; }
    CompatibilityResult All(std::uint32_t d) const {
        CompatibilityResult c;
        auto& v = c.values;
        v[0] = Physical(d);
        v[1] = Emotional(d);
        v[2] = Intellectual(d);
        v[3] = byPeriod[3][d % 38];
        v[4] = Overall(d);
        v[5] = byPeriod[4][d % 43];
        v[6] = byPeriod[5][d % 48];
        v[7] = byPeriod[6][d % 53];
        return c;
    }
};

const CompatTables& Tables() {
    static const CompatTables tables;
    return tables;
}

// Which percentages 0..100 each of the three boxes lets through.
using PassTable = std::array<std::array<bool, 101>, 3>;

PassTable MakePassTable(const MatchCriteria& criteria) {
    PassTable table{};
    for (std::size_t box = 0; box < 3; ++box) {
        for (int v = 0; v <= 100; ++v) {
            table[box][static_cast<std::size_t>(v)] =
                RatingPasses(criteria.ratings[box], v, criteria.exact);
        }
    }
    return table;
}

// A hit packed as (index within its group's list) << 32 | distance in days.
std::uint32_t HitIndex(std::uint64_t hit) {
    return static_cast<std::uint32_t>(hit >> 32);
}
std::uint32_t HitDistance(std::uint64_t hit) {
    return static_cast<std::uint32_t>(hit);
}

struct LineFields {
    std::string_view name;
    std::string_view dateText;
    char sex = 0;  // 'M', 'F' or 0
    std::int32_t birth = 0;
};

// The fields of a line as loading reads them; sex 0 when the line is not a usable person.
LineFields ReadLine(std::string_view line) {
    LineFields fields;
    const std::size_t first = line.find('|');
    fields.name = line.substr(0, first);
    if (first == std::string_view::npos) {
        return fields;
    }
    const std::size_t second = line.find('|', first + 1);
    fields.dateText =
        line.substr(first + 1, second == std::string_view::npos ? second : second - first - 1);
    fields.birth = ParseDob(fields.dateText);
    if (second == std::string_view::npos || second + 1 >= line.size() || fields.birth == 0) {
        return fields;
    }
    const char sex = line[second + 1];
    fields.sex = sex == 'M' || sex == 'F' ? sex : 0;
    return fields;
}

void Set(MatchEntry& entry, std::string_view name, std::string_view dateText, std::string_view kind,
         const CompatibilityResult& compat = {}) {
    entry.name.assign(name);
    entry.dateOfBirthText.assign(dateText);
    entry.kind.assign(kind);
    entry.compat = compat;
}

class Run {
  public:
    Run(const MatchCriteria& criteria, const NamesDatabase& database, const MatchCache& cache,
        MatchResult& result)
        : m_c(criteria),
          m_db(database),
          m_cache(cache),
          m_pass(MakePassTable(criteria)),
          m_hits(cache.Scratch()),
          m_result(result) {}

    // Finds the persons; the result list is left alone.
    void Search() {
        m_hits.clear();
        m_blocks.clear();
        const std::size_t groups = m_cache.GroupCount();
        if (m_c.baseGroup < groups &&
            m_c.basePerson < m_cache.GroupEnd(m_c.baseGroup) - m_cache.GroupStart(m_c.baseGroup)) {
            m_baseFlat = m_cache.GroupStart(m_c.baseGroup) + m_c.basePerson;
            m_baseBirth = m_cache.Facts(m_baseFlat).birth;
            if (m_c.searchItem >= 1 && static_cast<std::size_t>(m_c.searchItem) <= groups) {
                Collect(static_cast<std::size_t>(m_c.searchItem) - 1);
            } else {
                for (std::size_t g = 0; g < groups; ++g) {
                    Collect(g);
                }
            }
        }
    }

    void Go() {
        Search();
        auto& entries = m_result.entries;
        entries.resize(m_hits.empty() ? 1 : m_hits.size() + 2 * m_blocks.size());
        std::size_t at = 0;
        Write([&](std::string_view name, std::string_view dateText, std::string_view kind,
                  const CompatibilityResult& compat) {
            Set(entries[at++], name, dateText, kind, compat);
        });
        m_result.found = m_hits.size();
        m_result.written = entries.size();
        m_result.shown = entries.size();
    }

    // The entries in display order, each handed to `emit` (name, date text, kind, values).
    template <typename Emit>
    void Write(Emit&& emit) const {
        if (m_hits.empty()) {
            emit(kNobodyFoundText, {}, "2", {});
            return;
        }
        const CompatTables& t = Tables();
        for (const Block& block : m_blocks) {
            emit(m_db.GroupEntry(block.group), {}, "0", {});
            const PersonList& persons = m_db.Persons(block.group);
            for (std::size_t h = block.begin; h < block.end; ++h) {
                const std::uint64_t hit = m_hits[h];
                const LineFields fields = ReadLine(persons[HitIndex(hit)]);
                emit(fields.name, fields.dateText, {&fields.sex, 1}, t.All(HitDistance(hit)));
            }
            emit({}, {}, "1", {});
        }
    }

    std::size_t Found() const { return m_hits.size(); }

  private:
    struct Block {
        std::size_t group;
        std::size_t begin, end;  // in m_hits
    };

    bool Passes(const MatchCache::PersonFacts& f, std::uint32_t& distanceOut) const {
        if (f.sex == 0 || (m_c.sex == SexFilter::Male && f.sex == 'F') ||
            (m_c.sex == SexFilter::Female && f.sex == 'M')) {
            return false;
        }
        if (m_c.ageCheck) {
            const int age = m_c.currentYear - f.birthYear;
            if (age < AgeBeginYears(m_c.ageBegin) || age > AgeEndYears(m_c.ageEnd)) {
                return false;
            }
        }
        const auto d = static_cast<std::uint32_t>(f.birth > m_baseBirth ? f.birth - m_baseBirth
                                                                        : m_baseBirth - f.birth);
        const CompatTables& t = Tables();
        if (!m_pass[0][static_cast<std::size_t>(t.Physical(d))] ||
            !m_pass[1][static_cast<std::size_t>(t.Emotional(d))] ||
            !m_pass[2][static_cast<std::size_t>(t.Intellectual(d))]) {
            return false;
        }
        distanceOut = d;
        return true;
    }

    void Collect(std::size_t g) {
        const std::size_t start = m_cache.GroupStart(g);
        const std::size_t end = m_cache.GroupEnd(g);
        const std::size_t first = m_hits.size();
        for (std::size_t k = start; k < end; ++k) {
            std::uint32_t distance = 0;
            if (k != m_baseFlat && Passes(m_cache.Facts(k), distance)) {
                m_hits.push_back(static_cast<std::uint64_t>(k - start) << 32 | distance);
            }
        }
        if (m_hits.size() == first) {
            return;
        }
        if (m_c.sort == MatchSort::Compatibility) {
            // Stable, so that persons of equal Overall keep the database's order.
            const CompatTables& t = Tables();
            std::stable_sort(m_hits.begin() + static_cast<std::ptrdiff_t>(first), m_hits.end(),
                             [&t](std::uint64_t a, std::uint64_t b) {
                                 return t.Overall(HitDistance(a)) > t.Overall(HitDistance(b));
                             });
        }
        m_blocks.push_back({g, first, m_hits.size()});
    }

    const MatchCriteria& m_c;
    const NamesDatabase& m_db;
    const MatchCache& m_cache;
    const PassTable m_pass;
    std::vector<std::uint64_t>& m_hits;
    std::vector<Block> m_blocks;
    std::size_t m_baseFlat = static_cast<std::size_t>(-1);
    std::int32_t m_baseBirth = 0;
    MatchResult& m_result;
};

}  // namespace

std::array<WantedRating, 3> PatternRatings(int pattern) {
    return kPatterns[static_cast<std::size_t>(ClampItem(pattern, kPatternCount))];
}

void ApplyPattern(MatchCriteria& criteria, int pattern) {
    criteria.pattern = pattern >= 0 && pattern < kPatternCount ? pattern : kIdealMatchPattern;
    criteria.ratings = PatternRatings(criteria.pattern);
}

void ChooseAgeBegin(MatchCriteria& criteria, int item) {
    criteria.ageBegin = ClampItem(item, kAgeItemCount);
    criteria.ageEnd = std::max(criteria.ageEnd, criteria.ageBegin);
}

void ChooseAgeEnd(MatchCriteria& criteria, int item) {
    criteria.ageEnd = ClampItem(item, kAgeItemCount);
    criteria.ageBegin = std::min(criteria.ageBegin, criteria.ageEnd);
}

bool RatingPasses(WantedRating wanted, std::int32_t percent, bool exact) {
    switch (wanted) {
        case W::Any:
            return true;
        case W::Excellent:
            return percent >= 80;
        case W::Good:
            return percent >= 60 && (!exact || percent <= 79);
        case W::Weak:
            return percent >= 20 && (!exact || percent <= 59);
        case W::None:
            return percent <= 19;
    }
    return false;
}

std::string_view PatternCaption(int pattern) {
    return pattern >= 0 && pattern < kPatternCount
               ? kPatternCaptions[static_cast<std::size_t>(pattern)]
               : std::string_view{};
}

std::string_view RatingCaption(WantedRating rating) {
    static constexpr std::string_view kCaptions[] = {"Any", "Excellent", "Good", "Weak", "None"};
    return kCaptions[ClampItem(static_cast<int>(rating), kRatingItemCount)];
}

std::string_view SexCaption(SexFilter sex) {
    static constexpr std::string_view kCaptions[] = {"Any", "Male", "Female"};
    return kCaptions[ClampItem(static_cast<int>(sex), kSexItemCount)];
}

std::string_view SortCaption(MatchSort sort) {
    return sort == MatchSort::Compatibility ? "Compatibility" : "Name";
}

std::string ResultsLabel(std::size_t found) {
    if (found == 0) {
        return std::string{kResultsCaption};
    }
    return found == 1 ? "Found 1 result" : "Found " + std::to_string(found) + " results";
}

std::string_view ResultListHint(const MatchResult& result) {
    return result.found == 0 ? kNoGroupReportHint : kGroupReportHint;
}

bool MatchCache::Refresh(const NamesDatabase& database) {
    if (!m_groupStart.empty() && m_revision == database.Revision()) {
        return false;
    }
    m_revision = database.Revision();
    m_groupStart.clear();
    m_facts.clear();
    m_facts.reserve(database.PersonCount());
    m_groupStart.reserve(database.GroupCount() + 1);
    for (std::size_t g = 0; g < database.GroupCount(); ++g) {
        m_groupStart.push_back(m_facts.size());
        for (std::string_view line : database.Persons(g)) {
            const LineFields fields = ReadLine(line);
            m_facts.push_back({fields.birth,
                               static_cast<std::int16_t>(DecodeDate(fields.birth).year),
                               fields.sex});
        }
    }
    m_groupStart.push_back(m_facts.size());
    return true;
}

void RunMatching(const MatchCriteria& criteria, const NamesDatabase& database, MatchCache& cache,
                 MatchResult& result) {
    cache.Refresh(database);
    Run(criteria, database, cache, result).Go();
}

MatchResult RunMatching(const MatchCriteria& criteria, const NamesDatabase& database,
                        MatchCache& cache) {
    MatchResult result;
    RunMatching(criteria, database, cache, result);
    return result;
}

MatchResult RunMatching(const MatchCriteria& criteria, const NamesDatabase& database) {
    MatchCache fresh;
    return RunMatching(criteria, database, fresh);
}

std::size_t VisitMatching(const MatchCriteria& criteria, const NamesDatabase& database,
                          const std::function<void(const MatchEntry&)>& visit) {
    MatchCache cache;
    cache.Refresh(database);
    MatchResult unused;
    Run run(criteria, database, cache, unused);
    run.Search();
    MatchEntry entry;
    run.Write([&](std::string_view name, std::string_view dateText, std::string_view kind,
                  const CompatibilityResult& compat) {
        Set(entry, name, dateText, kind, compat);
        visit(entry);
    });
    return run.Found();
}

PersonPlace LocateEntry(const MatchResult& result, std::size_t entry,
                        const NamesDatabase& database) {
    PersonPlace place;
    if (entry >= result.entries.size() || !result.entries[entry].IsPerson()) {
        return place;
    }
    const MatchEntry& person = result.entries[entry];
    std::size_t header = entry;
    while (header > 0 && result.entries[header].Kind() != MatchKind::GroupHeader) {
        --header;
    }
    const auto group = database.FindGroup(ParseGroupEntry(result.entries[header].name).name);
    if (!group) {
        return place;
    }
    place.group = *group;
    const PersonList& persons = database.Persons(*group);
    const std::string line = person.name + "|" + person.dateOfBirthText + "|" + person.kind;
    if (const auto found = persons.Find(line)) {
        place.person = *found;
        return place;
    }
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const Person fields = SplitPersonLine(persons[i]);
        if (fields.name == person.name && fields.dateText == person.dateOfBirthText &&
            fields.sex == person.kind) {
            place.person = i;
            break;
        }
    }
    return place;
}

std::string YearsApartText(DateTime baseBirth, DateTime foundBirth) {
    const std::int64_t a = WholeDay(baseBirth);
    const std::int64_t b = WholeDay(foundBirth);
    const std::int64_t days = a > b ? a - b : b - a;
    // Tenths of a year, rounded half up, without a trailing ".0".
    const std::int64_t tenths = (days * 10 * 2 + 365) / (365 * 2);
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += "." + std::to_string(tenths % 10);
    }
    return text + " years";
}

std::string SearchAmongCaption(const MatchCriteria& criteria, const NamesDatabase& database) {
    if (criteria.searchItem >= 1 &&
        static_cast<std::size_t>(criteria.searchItem) <= database.GroupCount()) {
        return ParseGroupEntry(
                   database.GroupEntry(static_cast<std::size_t>(criteria.searchItem) - 1))
            .name;
    }
    return std::string{kAllGroupsCaption};
}

}  // namespace vitalune
