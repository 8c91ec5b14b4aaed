#include "core/engine/DayTable.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/engine/Rhythm.h"

namespace vitalune {
namespace {

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every phase of every period, including the negative ones before birth, gives exactly
// the result of the plain recipe.
TEST(DayTable, EveryPhaseOfEveryPeriodMatchesTheRecipe) {
    for (int p = 0; p < static_cast<int>(kPeriods.size()); ++p) {
        const DayTable& table = DayTable::Get(p);
        const int period = kPeriods[static_cast<std::size_t>(p)];
        ASSERT_EQ(table.period(), period);
        for (std::int32_t d = -3 * period; d <= 3 * period; ++d) {
            const PhaseResult direct = ComputePhaseDirect(d % period, period);
            const PhaseResult& looked = table.At(d);
            ASSERT_TRUE(SameBits(looked.mean, direct.mean)) << period << " d=" << d;
            ASSERT_EQ(looked.percent, direct.percent) << period << " d=" << d;
            ASSERT_EQ(looked.critical, direct.critical) << period << " d=" << d;
        }
    }
}

TEST(DayTable, ComputeDayRhythmsAgreesWithTheDirectRecipe) {
    const auto same = [](DateTime birth, DateTime date) {
        DayRhythms fast;
        DayRhythms direct;
        ComputeDayRhythms(birth, date, fast, true);
        ComputeDayRhythmsDirect(birth, date, direct, true);
        return fast == direct;
    };
    const DateTime birth = 29224;
    for (std::int32_t d = -40000; d <= 40000; ++d) {
        ASSERT_TRUE(same(birth, birth + d)) << d;
    }
    EXPECT_TRUE(same(kMinDay, kMaxDay));  // the ends of the calendar, both ways round
    EXPECT_TRUE(same(kMaxDay, kMinDay));
}

TEST(DayTable, PhaseCursorFollowsTheSignedRemainder) {
    for (int period : kPeriods) {
        PhaseCursor cursor(period, -3 * period - 5);
        for (std::int32_t d = -3 * period - 5; d < 3 * period; ++d) {
            ASSERT_EQ(cursor.r(), d % period) << period << " d=" << d;
            cursor.Next();
        }
    }
}

}  // namespace
}  // namespace vitalune
