#include "core/matching/Matching.h"

#include <gtest/gtest.h>

#include <sstream>

#include "MatchTestSupport.h"
#include "support/Transcript.h"

namespace vitalune {
namespace {

using test::DatabaseOf;
using test::kPairs;
using test::Layout;
using W = WantedRating;

MatchCriteria BaseCriteria() {
    MatchCriteria c;
    c.baseGroup = 0;
    c.basePerson = 1;  // Base in Friends
    c.currentYear = 2030;
    return c;
}

// The first listed person of that name (the size of the list when there is none).
std::size_t IndexOf(const MatchResult& result, std::string_view name) {
    std::size_t i = 0;
    while (i < result.entries.size() &&
           !(result.entries[i].IsPerson() && result.entries[i].name == name)) {
        ++i;
    }
    return i;
}

// The searches of expected/searches.txt, each with the list it gives. The window's way, with
// a cache and a list kept from the search before, and the entries handed out one by one must
// give the same.
TEST(Matching, SearchesGiveTheirLists) {
    const NamesDatabase db = DatabaseOf(kPairs);
    MatchCache cache;
    MatchResult kept;
    test::ExpectTranscript("searches.txt", [&](const std::string& words) {
        MatchCriteria c = BaseCriteria();
        std::istringstream in(words);
        for (std::string word; in >> word;) {
            int a = 0, b = 0, d = 0;
            if (word == "pattern" && in >> a) {
                ApplyPattern(c, a);
            } else if (word == "boxes" && in >> a >> b >> d) {
                c.ratings = {W{a}, W{b}, W{d}};
            } else if (word == "among" && in >> a) {
                c.searchItem = a;
            } else if (word == "base" && in >> a >> b) {
                c.baseGroup = static_cast<std::size_t>(a);
                c.basePerson = static_cast<std::size_t>(b);
            } else if (word == "men" || word == "women") {
                c.sex = word == "men" ? SexFilter::Male : SexFilter::Female;
            } else if (word == "ages" && in >> a >> b) {
                c.ageBegin = a;
                c.ageEnd = b;
            } else if (word == "check-age") {
                c.ageCheck = true;
            } else if (word == "year" && in >> a) {
                c.currentYear = a;
            } else if (word == "exact") {
                c.exact = true;
            } else if (word == "by-compatibility") {
                c.sort = MatchSort::Compatibility;
            } else {
                ADD_FAILURE() << "unknown word " << word;
            }
        }
        const MatchResult fresh = RunMatching(c, db);
        RunMatching(c, db, cache, kept);
        EXPECT_EQ(kept.entries, fresh.entries) << words;
        EXPECT_EQ(std::tie(kept.found, kept.written, kept.shown),
                  std::tie(fresh.found, fresh.written, fresh.shown));
        std::vector<MatchEntry> visited;
        EXPECT_EQ(VisitMatching(c, db, [&](const MatchEntry& e) { visited.push_back(e); }),
                  fresh.found);
        EXPECT_EQ(visited, fresh.entries) << words;
        return "  " + Layout(fresh) + "\n";
    });
}

TEST(Matching, BandsAtTheirLimits) {
    struct Case {
        W wanted;
        std::int32_t value;
        bool atLeast;
        bool exact;
    };
    const Case cases[] = {
        {W::Any, 0, true, true},          {W::Excellent, 80, true, true},
        {W::Excellent, 79, false, false}, {W::Good, 60, true, true},
        {W::Good, 79, true, true},        {W::Good, 59, false, false},
        {W::Good, 80, true, false},       {W::Weak, 20, true, true},
        {W::Weak, 59, true, true},        {W::Weak, 19, false, false},
        {W::Weak, 100, true, false},      {W::None, 19, true, true},
        {W::None, 20, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RatingPasses(c.wanted, c.value, false), c.atLeast) << c.value;
        EXPECT_EQ(RatingPasses(c.wanted, c.value, true), c.exact) << c.value;
    }
}

TEST(Matching, EntriesCarryTheLineAndAllEightValues) {
    const NamesDatabase db = DatabaseOf(kPairs);
    MatchCriteria c = BaseCriteria();
    ApplyPattern(c, kSpecialSearchPattern);
    const MatchResult result = RunMatching(c, db);
    EXPECT_EQ(std::tuple(result.found, result.written, result.shown), std::tuple(12u, 16u, 16u));
    EXPECT_EQ(result.entries.at(0), (MatchEntry{"Friends|3", "", "0", {}}));
    EXPECT_EQ(result.entries.at(8), (MatchEntry{"", "", "1", {}}));
    const MatchEntry& eve = result.entries.at(IndexOf(result, "Eve"));
    EXPECT_EQ(eve.dateOfBirthText, "29.01.2000");
    EXPECT_EQ(eve.kind, "F");
    EXPECT_EQ(eve.compat.values, (std::array<std::int32_t, 8>{57, 100, 70, 47, 76, 30, 17, 6}));
    EXPECT_EQ(ResultsLabel(result.found), "Found 12 results");
    EXPECT_EQ(ResultsLabel(1), "Found 1 result");
    EXPECT_EQ(ResultListHint(result), kGroupReportHint);

    // Nobody found is one line; so it is for a base person alone in the database.
    c.ratings = {W::None, W::Excellent, W::Any};  // no such pair here
    const MatchResult nobody = RunMatching(c, db);
    EXPECT_EQ(nobody.entries, (std::vector<MatchEntry>{{"Nobody found", "", "2", {}}}));
    EXPECT_EQ(std::tuple(nobody.found, nobody.written, nobody.shown), std::tuple(0u, 1u, 1u));
    EXPECT_EQ(ResultsLabel(nobody.found), "Results");
    EXPECT_EQ(ResultListHint(nobody), kNoGroupReportHint);
    ApplyPattern(c, kSpecialSearchPattern);
    c.basePerson = 0;
    EXPECT_EQ(Layout(RunMatching(c, DatabaseOf("#Solo|1\r\nMe|01.01.2000|M\r\n"))), "Nobody found");
}

TEST(Matching, AgeBoxesKeepBeginAtOrBelowEnd) {
    MatchCriteria c;
    const auto boxes = [&] { return std::pair{c.ageBegin, c.ageEnd}; };
    ChooseAgeEnd(c, 3);
    EXPECT_EQ(boxes(), std::pair(0, 3));
    ChooseAgeBegin(c, 7);
    EXPECT_EQ(boxes(), std::pair(7, 7));
    ChooseAgeEnd(c, 2);
    EXPECT_EQ(boxes(), std::pair(2, 2));
    ChooseAgeBegin(c, 99);
    EXPECT_EQ(boxes(), std::pair(kAgeItemCount - 1, kAgeItemCount - 1));
}

TEST(Matching, LinesThatAreNoPersonsAreLeftOut) {
    // Lines added by hand need not carry a readable date or sex; they have no compatibility
    // to show.
    NamesDatabase db = DatabaseOf("#G|2\r\nBase|01.01.2000|M\r\nOk|02.01.2000|F\r\n");
    for (const char* line : {"Nodate|xx.01.2000|M", "Nosex|02.01.2000|X", "Bare"}) {
        ASSERT_TRUE(db.AddPerson(0, line).added()) << line;
    }
    ASSERT_EQ(db.Persons(0)[1], "Base|01.01.2000|M");
    MatchCriteria c;
    c.basePerson = 1;
    ApplyPattern(c, kSpecialSearchPattern);
    EXPECT_EQ(Layout(RunMatching(c, db)), "[G] Ok /");
}

TEST(Matching, ChoicesOutOfRange) {
    EXPECT_EQ(PatternCaption(4), "Secretary, business partner");
    EXPECT_EQ(PatternCaption(9), "");
    MatchCriteria c;
    ApplyPattern(c, 42);
    EXPECT_EQ(c.pattern, kIdealMatchPattern);
    c.searchItem = 3;
    EXPECT_EQ(SearchAmongCaption(c, DatabaseOf(kPairs)), "All groups");
}

TEST(Matching, CacheFollowsTheDatabase) {
    NamesDatabase db = DatabaseOf(kPairs);
    MatchCache cache;
    MatchCriteria c = BaseCriteria();
    ApplyPattern(c, kSpecialSearchPattern);
    c.searchItem = 2;
    EXPECT_EQ(Layout(RunMatching(c, db, cache)), "[Work] Base Gus Ian Jo Kim /");
    const std::uint64_t revision = cache.Revision();
    EXPECT_FALSE(cache.Refresh(db));  // nothing changed

    // A new person and a changed date are seen at once.
    ASSERT_TRUE(db.AddPerson(1, "Lou|01.01.2000|F").added());
    EXPECT_EQ(Layout(RunMatching(c, db, cache)), "[Work] Base Gus Ian Jo Kim Lou /");
    EXPECT_NE(cache.Revision(), revision);
    ApplyPattern(c, kIdealMatchPattern);
    EXPECT_EQ(Layout(RunMatching(c, db, cache)), "[Work] Base Gus Kim Lou /");
    ASSERT_TRUE(db.ReplacePerson(1, 5, "Lou|11.01.2000|F").added());
    EXPECT_EQ(Layout(RunMatching(c, db, cache)), "[Work] Base Gus Kim /");

    // A snapshot put back (the editor's Cancel) counts as a change too.
    const NamesDatabase snapshot = DatabaseOf(kPairs);
    db = snapshot;
    ApplyPattern(c, kSpecialSearchPattern);
    EXPECT_EQ(Layout(RunMatching(c, db, cache)), "[Work] Base Gus Ian Jo Kim /");

    // Removing the base person's group moves every index; the cached facts follow.
    db.DeleteGroup(0);
    c.baseGroup = 0;
    c.basePerson = 0;
    c.searchItem = 0;
    EXPECT_EQ(Layout(RunMatching(c, db, cache)), "[Work] Gus Ian Jo Kim /");
    // The cached run and a fresh one agree.
    EXPECT_EQ(RunMatching(c, db, cache).entries, RunMatching(c, db).entries);
}

TEST(Matching, LocateEntryFindsThePersonForTheCharts) {
    NamesDatabase db = DatabaseOf(kPairs);
    ASSERT_TRUE(db.AddPerson(1, "Lou|02.01.2000|Fx").added());
    MatchCriteria c = BaseCriteria();
    ApplyPattern(c, kSpecialSearchPattern);
    c.sort = MatchSort::Compatibility;
    const MatchResult result = RunMatching(c, db);
    const auto at = [&](std::string_view name) { return IndexOf(result, name); };
    const auto place = [&](std::size_t entry) {
        const PersonPlace p = LocateEntry(result, entry, db);
        return std::pair{p.group, p.person};
    };
    EXPECT_EQ(place(at("Hal")), (std::pair<std::size_t, std::size_t>{0, 7}));
    EXPECT_EQ(place(at("Jo")), (std::pair<std::size_t, std::size_t>{1, 3}));
    // The namesake of the base person in Work (the base person is not listed).
    EXPECT_EQ(place(at("Base")), (std::pair<std::size_t, std::size_t>{1, 0}));
    // A line with more after the sex letter is found by its fields.
    EXPECT_EQ(place(at("Lou")), (std::pair<std::size_t, std::size_t>{1, 5}));
    EXPECT_EQ(place(0), (std::pair<std::size_t, std::size_t>{0, 0}));  // a header
    EXPECT_EQ(place(result.entries.size()), (std::pair<std::size_t, std::size_t>{0, 0}));
    // A group renamed since the run is not found.
    ASSERT_TRUE(db.EditGroup(1, "Office", 5));
    EXPECT_EQ(place(at("Jo")), (std::pair<std::size_t, std::size_t>{0, 0}));
}

TEST(Matching, AgeDifferenceText) {
    const DateTime base = EncodeDate(2000, 1, 1);
    EXPECT_EQ(YearsApartText(base, base), "0 years");
    EXPECT_EQ(YearsApartText(base, base + 365), "1 years");
    EXPECT_EQ(YearsApartText(base + 3670, base), "10.1 years");
    EXPECT_EQ(YearsApartText(base, base - 3652), "10 years");
    EXPECT_EQ(YearsApartText(base, base + 18), "0 years");
    EXPECT_EQ(YearsApartText(base, base + 19.9), "0.1 years");
}

TEST(Matching, ValuesAgreeWithTheEngineOverTheWholeDateRange) {
    // Births spread over the whole valid range, so that distances of every size occur; the base
    // person first born 2000, then one of them.
    std::string text = "#All|2\r\nBase|01.01.2000|M\r\n";
    std::uint32_t seed = 12345;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const auto day = static_cast<std::int32_t>(kMinDay + (seed >> 4) % (kMaxDay - kMinDay));
        text += "P" + std::to_string(i) + "|" + FormatDob(day) + (i % 2 ? "|M\r\n" : "|F\r\n");
    }
    text += "Last|31.12.9999|F\r\nFirst|01.01.0001|M\r\n";
    const NamesDatabase db = DatabaseOf(text);
    ASSERT_EQ(db.Persons(0)[0], "Base|01.01.2000|M");
    for (const std::size_t base : {std::size_t{0}, db.Persons(0).size() - 1}) {
        MatchCriteria c;
        c.basePerson = base;
        ApplyPattern(c, kSpecialSearchPattern);
        const MatchResult result = RunMatching(c, db);
        ASSERT_EQ(result.found, 3002u);
        const DateTime birth = ParseDob(SplitPersonLine(db.Persons(0)[base]).dateText);
        for (const MatchEntry& entry : result.entries) {
            if (entry.IsPerson()) {
                ASSERT_EQ(entry.compat,
                          ComputeCompatibility(birth, ParseDob(entry.dateOfBirthText)))
                    << entry.name << " " << entry.dateOfBirthText;
            }
        }
    }
}

}  // namespace
}  // namespace vitalune
