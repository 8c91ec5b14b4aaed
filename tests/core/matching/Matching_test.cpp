#include "core/matching/Matching.h"

#include <gtest/gtest.h>

#include "MatchTestSupport.h"

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

const MatchEntry* FindPerson(const MatchResult& result, std::string_view name) {
    for (const MatchEntry& entry : result.entries) {
        if (entry.IsPerson() && entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

// Searches among kPairs, by default from Base in Friends, each with the list it gives.
TEST(Matching, SearchesGiveTheirLists) {
    struct Search {
        int pattern;
        bool exact = false;
        int searchItem = 0;  // 0 all groups, else group + 1
        std::size_t baseGroup = 0;
        std::size_t basePerson = 1;
        SexFilter sex = SexFilter::Any;
        MatchSort sort = MatchSort::Name;
    };
    using S = SexFilter;
    const std::string ideal = "[Friends] Ada Hal / [Work] Base Gus Kim /";
    const std::string atLeastGood = "[Friends] Ada Bea Eve Hal / [Work] Base Gus Kim /";
    const std::string all = "[Friends] Ada Bea Cid Dan Eve Fay Hal / [Work] Base Gus Ian Jo Kim /";
    const std::pair<Search, std::string> cases[] = {
        {{0}, ideal},
        {{0, true}, ideal},
        {{1}, "[Friends] Ada Bea Hal / [Work] Base Gus Kim /"},
        {{1, true}, "[Friends] Bea /"},
        {{2}, "[Friends] Ada Fay Hal / [Work] Base Gus Kim /"},
        {{2, true}, "[Friends] Ada Fay Hal / [Work] Base Gus Kim /"},
        {{3}, atLeastGood},
        {{3, true}, "[Friends] Bea /"},
        {{4}, atLeastGood},
        {{4, true}, "[Friends] Bea /"},
        {{5}, atLeastGood},
        {{5, true}, "[Friends] Bea Eve /"},
        {{6}, "[Friends] Ada Bea Eve Fay Hal / [Work] Base Gus Kim /"},
        {{6, true}, "[Friends] Bea Fay /"},
        {{7}, "[Friends] Cid /"},
        {{7, true}, "[Friends] Cid /"},
        {{8}, all},
        {{8, true}, all},
        // The base person is skipped, its namesake in another group kept.
        {{8, false, 1}, "[Friends] Ada Bea Cid Dan Eve Fay Hal /"},
        {{8, false, 2}, "[Work] Base Gus Ian Jo Kim /"},
        {{8, false, 0, 1, 0},
         "[Friends] Ada Base Bea Cid Dan Eve Fay Hal / [Work] Gus Ian Jo Kim /"},
        {{8, false, 3}, all},  // a group item past the groups searches all of them
        {{8, false, 0, 0, 1, S::Male}, "[Friends] Cid Dan Hal / [Work] Base Gus Ian /"},
        {{8, false, 0, 0, 1, S::Female}, "[Friends] Ada Bea Eve Fay / [Work] Jo Kim /"},
        {{6, true, 0, 0, 1, S::Male}, "Nobody found"},  // only women are compatible so
        // Overall: Ada 93 Hal 93 (a tie keeps the database order), Eve 76, Bea 71, Fay 68, Dan
        // 27, Cid 7; Work: Base 100, Kim 93, Gus 86, Ian 27 and Jo 27 (a tie after a higher
        // value, which a plain exchange sort would turn round).
        {{8, false, 0, 0, 1, S::Any, MatchSort::Compatibility},
         "[Friends] Ada Hal Eve Bea Fay Dan Cid / [Work] Base Kim Gus Ian Jo /"},
    };
    const NamesDatabase db = DatabaseOf(kPairs);
    for (const auto& [search, layout] : cases) {
        MatchCriteria c = BaseCriteria();
        ApplyPattern(c, search.pattern);
        c.exact = search.exact;
        c.searchItem = search.searchItem;
        c.baseGroup = search.baseGroup;
        c.basePerson = search.basePerson;
        c.sex = search.sex;
        c.sort = search.sort;
        EXPECT_EQ(Layout(RunMatching(c, db)), layout)
            << PatternCaption(search.pattern) << (search.exact ? ", exact" : "");
    }
    // The Weak band through the boxes directly: Eve's Physical 57 is Weak exactly; 65 and up
    // are Weak only "at least"; 13 never.
    MatchCriteria weak = BaseCriteria();
    weak.ratings = {W::Weak, W::Any, W::Any};
    EXPECT_EQ(Layout(RunMatching(weak, db)),
              "[Friends] Ada Bea Eve Fay Hal / [Work] Base Gus Kim /");
    weak.exact = true;
    EXPECT_EQ(Layout(RunMatching(weak, db)), "[Friends] Eve /");
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
    EXPECT_EQ(result.found, 12u);
    EXPECT_EQ(result.written, result.entries.size());
    EXPECT_EQ(result.shown, result.entries.size());
    ASSERT_EQ(result.entries.size(), 12u + 2 + 2);
    EXPECT_EQ(result.entries[0].name, "Friends|3");
    EXPECT_EQ(result.entries[0].kind, "0");
    EXPECT_EQ(result.entries[8].kind, "1");
    const MatchEntry* eve = FindPerson(result, "Eve");
    ASSERT_NE(eve, nullptr);
    EXPECT_EQ(eve->dateOfBirthText, "29.01.2000");
    EXPECT_EQ(eve->kind, "F");
    EXPECT_EQ(eve->compat.values, (std::array<std::int32_t, 8>{57, 100, 70, 47, 76, 30, 17, 6}));
    EXPECT_EQ(ResultsLabel(result.found), "Found 12 results");
    EXPECT_EQ(ResultListHint(result), kGroupReportHint);
    EXPECT_EQ(ResultsLabel(1), "Found 1 result");
    EXPECT_EQ(ResultsLabel(0), "Results");
}

TEST(Matching, AgeFilterCountsCalendarYearsAtItsLimits) {
    const NamesDatabase db = DatabaseOf(
        "#Ages|2\r\n"
        "A|15.06.1990|M\r\n"  // base
        "B19|01.01.2011|M\r\n"
        "B20a|01.01.2010|M\r\n"
        "B20b|31.12.2010|F\r\n"
        "B30a|01.01.2000|M\r\n"
        "B30b|31.12.2000|F\r\n"
        "B31|31.12.1999|M\r\n");
    MatchCriteria c;
    c.currentYear = 2030;
    ApplyPattern(c, kSpecialSearchPattern);
    c.ageCheck = true;
    c.ageBegin = 4;  // 20 years
    c.ageEnd = 5;    // 30 years
    ASSERT_EQ(AgeBeginYears(c.ageBegin), 20);
    ASSERT_EQ(AgeEndYears(c.ageEnd), 30);
    EXPECT_EQ(Layout(RunMatching(c, db)), "[Ages] B20a B20b B30a B30b /");
    // Unchecked, the boxes do not count.
    c.ageCheck = false;
    EXPECT_EQ(RunMatching(c, db).found, 6u);
    // One band of five years: 20 to 25.
    c.ageCheck = true;
    c.ageEnd = 4;
    EXPECT_EQ(Layout(RunMatching(c, db)), "[Ages] B20a B20b /");
    // The year comes from the criteria, not from the clock.
    c.currentYear = 2031;
    EXPECT_EQ(Layout(RunMatching(c, db)), "[Ages] B19 B20a B20b /");
}

TEST(Matching, AgeBoxesKeepBeginAtOrBelowEnd) {
    MatchCriteria c;
    ChooseAgeEnd(c, 3);
    EXPECT_EQ(c.ageBegin, 0);
    ChooseAgeBegin(c, 7);
    EXPECT_EQ(c.ageBegin, 7);
    EXPECT_EQ(c.ageEnd, 7);
    ChooseAgeEnd(c, 2);
    EXPECT_EQ(c.ageBegin, 2);
    EXPECT_EQ(c.ageEnd, 2);
    ChooseAgeBegin(c, 99);
    EXPECT_EQ(c.ageBegin, kAgeItemCount - 1);
    EXPECT_EQ(c.ageEnd, kAgeItemCount - 1);
}

TEST(Matching, NobodyFoundIsOneLine) {
    const NamesDatabase db = DatabaseOf(kPairs);
    MatchCriteria c = BaseCriteria();
    c.ratings = {W::None, W::Excellent, W::Any};  // no such pair here
    const MatchResult result = RunMatching(c, db);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].kind, "2");
    EXPECT_EQ(result.entries[0].name, "Nobody found");
    EXPECT_EQ(result.found, 0u);
    EXPECT_EQ(result.shown, 1u);
    EXPECT_EQ(ResultListHint(result), kNoGroupReportHint);
    // A base person that does not exist finds nobody rather than reading past the list; nor
    // does one who is alone in the database.
    ApplyPattern(c, kSpecialSearchPattern);
    c.basePerson = 8;
    EXPECT_EQ(Layout(RunMatching(c, db)), "Nobody found");
    c.baseGroup = 2;
    c.basePerson = 0;
    EXPECT_EQ(Layout(RunMatching(c, db)), "Nobody found");
    c.baseGroup = 0;
    EXPECT_EQ(Layout(RunMatching(c, DatabaseOf("#Solo|1\r\nMe|01.01.2000|M\r\n"))), "Nobody found");
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

TEST(Matching, PatternsPresetTheBoxes) {
    EXPECT_EQ(PatternRatings(5), (std::array<W, 3>{W::Any, W::Any, W::Good}));
    EXPECT_EQ(PatternCaption(4), "Secretary, business partner");
    EXPECT_EQ(PatternCaption(9), "");
    MatchCriteria c;
    ApplyPattern(c, 42);
    EXPECT_EQ(c.pattern, kIdealMatchPattern);
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
    const auto at = [&](std::string_view name) {
        for (std::size_t i = 0; i < result.entries.size(); ++i) {
            if (result.entries[i].name == name && result.entries[i].IsPerson()) {
                return i;
            }
        }
        return result.entries.size();
    };
    const auto place = [&](std::size_t entry) {
        const PersonPlace p = LocateEntry(result, entry, db);
        return std::pair{p.group, p.person};
    };
    EXPECT_EQ(place(at("Hal")), (std::pair<std::size_t, std::size_t>{0, 7}));
    EXPECT_EQ(place(at("Jo")), (std::pair<std::size_t, std::size_t>{1, 3}));
    // The namesake of the base person in Work, not the base person.
    const std::size_t lastBase = [&] {
        std::size_t i = result.entries.size();
        while (result.entries[--i].name != "Base") {
        }
        return i;
    }();
    EXPECT_EQ(place(lastBase), (std::pair<std::size_t, std::size_t>{1, 0}));
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
    // Births spread over the whole valid range, so that distances of every size occur.
    std::string text = "#All|2\r\nBase|01.01.2000|M\r\n";
    std::uint32_t seed = 12345;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const auto day = static_cast<std::int32_t>(kMinDay + (seed >> 4) % (kMaxDay - kMinDay));
        text += "P" + std::to_string(i) + "|" + FormatDob(day) + (i % 2 ? "|M\r\n" : "|F\r\n");
    }
    text += "Last|31.12.9999|F\r\nFirst|01.01.0001|M\r\n";
    const NamesDatabase db = DatabaseOf(text);
    MatchCriteria c;
    c.basePerson = 0;
    ASSERT_EQ(db.Persons(0)[0], "Base|01.01.2000|M");
    ApplyPattern(c, kSpecialSearchPattern);
    const MatchResult result = RunMatching(c, db);
    ASSERT_EQ(result.found, 3002u);
    const DateTime base = EncodeDate(2000, 1, 1);
    for (const MatchEntry& entry : result.entries) {
        if (entry.IsPerson()) {
            ASSERT_EQ(entry.compat, ComputeCompatibility(base, ParseDob(entry.dateOfBirthText)))
                << entry.name << " " << entry.dateOfBirthText;
        }
    }
    // From the other end of the range too.
    c.basePerson = db.Persons(0).size() - 1;
    const MatchResult far = RunMatching(c, db);
    const Person farBase = SplitPersonLine(db.Persons(0)[c.basePerson]);
    for (const MatchEntry& entry : far.entries) {
        if (entry.IsPerson()) {
            ASSERT_EQ(entry.compat, ComputeCompatibility(ParseDob(farBase.dateText),
                                                         ParseDob(entry.dateOfBirthText)));
        }
    }
}

TEST(Matching, AKeptResultListIsOverwrittenWhole) {
    const NamesDatabase db = DatabaseOf(kPairs);
    MatchCache cache;
    MatchResult kept;
    MatchCriteria c = BaseCriteria();
    for (int pattern : {8, 0, 7, 8, 1}) {
        for (bool exact : {false, true}) {
            ApplyPattern(c, pattern);
            c.exact = exact;
            c.sort = exact ? MatchSort::Compatibility : MatchSort::Name;
            RunMatching(c, db, cache, kept);
            const MatchResult fresh = RunMatching(c, db);
            EXPECT_EQ(kept.entries, fresh.entries) << pattern;
            EXPECT_EQ(kept.found, fresh.found);
            EXPECT_EQ(kept.written, fresh.written);
            EXPECT_EQ(kept.shown, fresh.shown);
        }
    }
    c.ratings = {W::None, W::Excellent, W::Any};
    RunMatching(c, db, cache, kept);
    EXPECT_EQ(Layout(kept), "Nobody found");
    EXPECT_EQ(kept.entries[0].compat, CompatibilityResult{});
}

TEST(Matching, SearchAmongCaption) {
    const NamesDatabase db = DatabaseOf(kPairs);
    MatchCriteria c;
    EXPECT_EQ(SearchAmongCaption(c, db), "All groups");
    c.searchItem = 2;
    EXPECT_EQ(SearchAmongCaption(c, db), "Work");
    c.searchItem = 3;
    EXPECT_EQ(SearchAmongCaption(c, db), "All groups");
}

}  // namespace
}  // namespace vitalune
