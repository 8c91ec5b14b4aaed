// Age differences and month and day steps, as expected/calendar.txt has them.
#include <gtest/gtest.h>

#include <sstream>

#include "core/engine/AgeDifference.h"
#include "core/engine/Date.h"
#include "core/engine/DateInput.h"
#include "support/Transcript.h"

namespace vitalune {
namespace {

std::int32_t Day(const std::string& text) {
    const auto parsed = ParseDateInput(text);
    EXPECT_TRUE(std::holds_alternative<std::int32_t>(parsed)) << text;
    return std::holds_alternative<std::int32_t>(parsed) ? std::get<std::int32_t>(parsed) : 0;
}

TEST(Calendar, StepsAndAgeDifferences) {
    test::ExpectTranscript("calendar.txt", [](const std::string& line) {
        std::istringstream words(line);
        std::string kind, from, to;
        words >> kind >> from >> to;
        if (kind == "age") {
            const AgeDifference difference = ComputeAgeDifference(Day(from), Day(to));
            EXPECT_EQ(ComputeAgeDifference(Day(to), Day(from)), difference) << line;
            return " " + AgeDifferenceText(difference) + "\n";
        }
        const std::int64_t steps = std::stoll(to);
        EXPECT_TRUE(kind == "months" || kind == "days") << line;
        return "  " +
               IsoDateText(kind == "months" ? AddMonths(Day(from), steps)
                                            : AddDays(Day(from), steps)) +
               "\n";
    });
    // Day numbers outside the calendar count from its ends.
    EXPECT_EQ(ComputeAgeDifference(kMaxDay + 40, kMaxDay - 1), (AgeDifference{0, 0, 1}));
}

}  // namespace
}  // namespace vitalune
