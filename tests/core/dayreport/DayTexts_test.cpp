#include "core/dayreport/DayTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vitalune {
namespace {

// Plain ASCII prose of one paragraph: characters are bytes, nothing a report would escape.
void ExpectProse(std::string_view text, std::string_view firstWords, std::size_t length,
                 const std::string& what) {
    EXPECT_TRUE(text.starts_with(firstWords)) << what << ": " << text.substr(0, 70);
    EXPECT_EQ(text.size(), length) << what;
    for (char c : text) {
        ASSERT_TRUE(c >= 0x20 && c < 0x7F) << what << " holds a character outside plain ASCII";
    }
    EXPECT_EQ(text.find_first_of("&<>\""), std::string_view::npos) << what;
    EXPECT_EQ(text.find("  "), std::string_view::npos) << what;
    EXPECT_FALSE(text.ends_with(" ")) << what;
}

TEST(DayTexts, EachVariantStartsAsGivenAndHasItsLength) {
    struct Expected {
        int combination;
        int variant;
        std::string_view firstWords;
        std::size_t length;
    };
    const Expected texts[] = {
        {0, 0, "Do not get involved in anything. Simply be an observer", 386},
        {0, 1, "This day is unsuccessful and disorderly", 274},
        {0, 2, "This is a time of rest after a period of physical activity", 265},
        {1, 0, "Conflicts and failure are likely today", 392},
        {1, 1, "This is not your day", 291},
        {2, 0, "This is a good day for professional development, reading, and learning", 204},
        {2, 1, "Increased intellectual activity brings original ideas", 292},
        {2, 2, "This is a good day to review the past", 295},
        {3, 0, "This day is favorable problem-solving", 220},
        {3, 1, "Your intuition is intensified", 343},
        {4, 0, "You are enthusiastic and inspiring to those around you", 256},
        {4, 1, "Your positive emotions draw the attention of others", 328},
        {4, 2, "Your soul longs for beauty and self-realization", 169},
        {5, 0, "Today you are increasingly sensitive to the thoughts and feelings of others", 281},
        {5, 1, "Now is not the time to occupy your thoughts with earning money", 297},
        {6, 0, "This day is characterized by emotional stability", 302},
        {6, 1, "On this day you possess positive thinking", 371},
        {6, 2, "Physical energy is down", 305},
        {7, 0, "Ease in communications and valuable creative ideas", 350},
        {7, 1, "Strong intellectual and intuitional activity", 296},
        {8, 0, "Your ability to view reality objectively is diminished today", 414},
        {8, 1, "This is not a favorable day for taking exams", 345},
        {8, 2, "Physical strength and energy are rising", 143},
        {9, 0, "Today you tend to speak honestly and directly", 309},
        {9, 1, "Today you are agile, energetic, and easily motivated", 196},
        {10, 0, "Your mental perception is sharp today", 396},
        {10, 1, "Work, work, work!", 309},
        {10, 2, "This is not a time to begin serious projects", 202},
        {11, 0, "Understanding people's psychology will give you a great opportunity", 373},
        {11, 1, "It's a fair day for business success", 345},
        {12, 0, "Your high spirits and emotional exuberance are not compatible", 341},
        {12, 1, "This is an excellent time for rest and relaxation", 307},
        {12, 2, "You want to be active, but it is difficult to remain focused", 211},
        {13, 0, "This is a day of psychological and spiritual evolution", 434},
        {13, 1, "Creative thinking is strong", 345},
        {14, 0, "On this day you can realize many of your creative initiatives", 420},
        {14, 1, "This is a good day for problem-solving", 361},
        {14, 2, "You are in good shape", 346},
        {15, 0, "This day is great!", 366},
        {15, 1, "Everything is going your way today", 393},
    };
    ASSERT_EQ(std::size(texts), 40u);
    for (const Expected& e : texts) {
        ExpectProse(DayTexts::Text(e.combination, e.variant), e.firstWords, e.length,
                    "day text " + std::to_string(e.combination) + "/" + std::to_string(e.variant));
    }
}

TEST(DayTexts, OddCombinationsShareTheirThirdVariantAndTheRestAreDistinct) {
    std::set<std::string_view> distinct;
    for (int index = 0; index < kDayTextCount; ++index) {
        const int combination = index / 3;
        const int variant = index % 3;
        EXPECT_EQ(DayTexts::At(index), DayTexts::Text(combination, variant));
        EXPECT_FALSE(DayTexts::At(index).empty()) << index;
        distinct.insert(DayTexts::At(index));
        if (combination % 2 == 1 && variant == 2) {
            EXPECT_EQ(DayTexts::At(index), DayTexts::At(3 * (combination - 1) + 2)) << index;
        }
    }
    EXPECT_EQ(distinct.size(), 40u);
    EXPECT_EQ(DayTexts::Text(16, 0), "");
    EXPECT_EQ(DayTexts::Text(0, 3), "");
    EXPECT_EQ(DayTexts::At(-1), "");
    EXPECT_EQ(DayTexts::At(48), "");
}

TEST(ExtremeTexts, TitlesAndBodies) {
    const std::string_view titles[12] = {
        "Critical combination", "Critical combination", "Three maxima",         "Three minima",
        "Physical minimum",     "Emotional minimum",    "Intellectual minimum", "Intuitive minimum",
        "Physical maximum",     "Emotional maximum",    "Intellectual maximum", "Intuitive maximum",
    };
    const std::pair<std::string_view, std::size_t> bodies[12] = {
        {"Intellectual maximum and emotional minimum. This situation is stressful for women", 257},
        {"Emotional maximum and intellectual minimum. This situation is stressful for men", 290},
        {"This is a period of excellence and success", 392},
        {"A difficult and challenging period that lasts from one to five days", 400},
        {"The physical minimum is characterized by a decrease in physical and sexual activity",
         314},
        {"The emotional minimum is characterized by a decrease in desires", 300},
        {"The intellectual minimum is a period of diminished mental activity", 314},
        {"The intuitive minimum is characterized by a loss of the sixth sense", 168},
        {"The physical maximum is a period of increased physical activity", 244},
        {"The emotional maximum gives a sense of completeness", 231},
        {"The intellectual maximum increases creativity", 218},
        {"The intuitive maximum promotes spiritual connection", 203},
    };
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(ExtremeTexts::Title(i), titles[i]);
        ExpectProse(ExtremeTexts::Body(i), bodies[i].first, bodies[i].second,
                    "extreme body " + std::to_string(i));
    }
    EXPECT_EQ(ExtremeTexts::Title(12), "");
    EXPECT_EQ(ExtremeTexts::Body(-1), "");
}

TEST(InstabilityTexts, TitlesAndBodies) {
    const std::string_view titles[4] = {"Physical instability", "Emotional instability",
                                        "Intellectual instability", "Intuitive instability"};
    const std::pair<std::string_view, std::size_t> bodies[4] = {
        {"Be careful when using tools and appliances", 164},
        {"Extreme sensitivity and emotional instability may affect everything", 196},
        {"You may come up with original ideas that are unrealistic or impractical", 256},
        {"You may be disillusioned about the prospects and realization of projects", 222},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(InstabilityTexts::Title(i), titles[i]);
        ExpectProse(InstabilityTexts::Body(i), bodies[i].first, bodies[i].second,
                    "instability body " + std::to_string(i));
    }
    EXPECT_EQ(InstabilityTexts::Title(4), "");
}

}  // namespace
}  // namespace vitalune
