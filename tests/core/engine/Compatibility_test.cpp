#include "core/engine/Compatibility.h"

#include <gtest/gtest.h>

namespace vitalune {
namespace {

using Values = std::array<std::int32_t, 8>;
constexpr DateTime kA = 36526;  // 01 Jan 2000

TEST(ComputeCompatibility, WorkedExamples) {
    EXPECT_EQ(ComputeCompatibility(kA, kA + 10).values, (Values{13, 29, 39, 47, 27, 53, 58, 62}));
    EXPECT_EQ(ComputeCompatibility(kA, kA).values,  // the same birthday: a perfect match
              (Values{100, 100, 100, 100, 100, 100, 100, 100}));
    // Half and whole periods.
    EXPECT_EQ(ComputeCompatibility(kA, kA + 11)[CompatField::Physical], 4);
    EXPECT_EQ(ComputeCompatibility(kA, kA + 14)[CompatField::Emotional], 0);
    EXPECT_EQ(ComputeCompatibility(kA, kA + 23)[CompatField::Physical], 100);
    EXPECT_EQ(ComputeCompatibility(kA, kA + 24)[CompatField::Awareness], 0);
}

TEST(ComputeCompatibility, OrderAndTimeOfDayDoNotMatter) {
    for (int d = 0; d < 3000; d += 13) {
        const auto forward = ComputeCompatibility(kA, kA + d);
        EXPECT_EQ(forward, ComputeCompatibility(kA + d, kA));
        EXPECT_EQ(forward, ComputeCompatibility(kA + 0.99, kA + d + 0.25));
        for (auto v : forward.values) {
            ASSERT_GE(v, 0);
            ASSERT_LE(v, 100);
        }
    }
    EXPECT_EQ(ComputeCompatibility(kMinDay, kMaxDay), ComputeCompatibility(kMaxDay, kMinDay));
}

TEST(ComputeCompatibility, OverallUsesOnlyThePrimaries) {
    for (int d = 0; d < 2000; ++d) {
        const auto v = ComputeCompatibility(kA, kA + d).values;
        const double mean = (v[0] + v[1] + v[2]) / 3.0;
        // Integer thirds never sit a hair from .5, so plain rounding is exact here.
        ASSERT_EQ(v[4], static_cast<std::int32_t>(mean + 0.5)) << d;
    }
}

TEST(RateCompatibility, Thresholds) {
    using R = CompatRating;
    const std::pair<std::int32_t, R> bands[] = {
        {100, R::Excellent}, {80, R::Excellent}, {79, R::Good}, {60, R::Good},
        {59, R::Weak},       {20, R::Weak},      {19, R::None}, {0, R::None}};
    for (const auto& [value, rating] : bands) {
        EXPECT_EQ(RateCompatibility(value), rating) << value;
    }
}

TEST(RateCompatibility, LabelsColoursAndPictures) {
    EXPECT_EQ(RatingScreenColour(CompatRating::Good), 0x808000u);
    EXPECT_EQ(RatingScreenColour(CompatRating::Weak), 0x000080u);
    EXPECT_EQ(CompatPictureIndex(CompatRating::Excellent, PictureScheme::Hearts), 3);
    EXPECT_EQ(CompatPictureIndex(CompatRating::None, PictureScheme::Hearts), 4);
    EXPECT_EQ(CompatPictureIndex(CompatRating::Weak, PictureScheme::Stars), 6);
    EXPECT_EQ(AnyPictureIndex(PictureScheme::Stars), 5);
}

TEST(SelectCombination, BitsAndThePerfectMatch) {
    EXPECT_EQ(SelectCombination(59, 59, 59), 0);
    EXPECT_EQ(SelectCombination(60, 0, 0), 1);
    EXPECT_EQ(SelectCombination(0, 60, 0), 2);
    EXPECT_EQ(SelectCombination(0, 0, 60), 4);
    EXPECT_EQ(SelectCombination(60, 60, 0), 3);
    EXPECT_EQ(SelectCombination(60, 60, 60), 7);
    EXPECT_EQ(SelectCombination(80, 80, 79), 7);
    EXPECT_EQ(SelectCombination(80, 80, 80), 8);
}

}  // namespace
}  // namespace vitalune
