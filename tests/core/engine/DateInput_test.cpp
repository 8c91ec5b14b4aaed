#include "core/engine/DateInput.h"

#include <gtest/gtest.h>

#include "core/engine/Date.h"

namespace vitalune {
namespace {

TEST(DateInput, BothFormsUpToTheEndsOfTheCalendar) {
    const std::pair<std::string_view, CivilDate> cases[] = {
        {"2008-01-05", {2008, 1, 5}},  {"05.01.2008", {2008, 1, 5}},
        {"0001-01-01", {1, 1, 1}},     {"31.12.9999", {9999, 12, 31}},
        {"29.02.2024", {2024, 2, 29}}, {"2000-02-29", {2000, 2, 29}},
    };
    for (const auto& [text, date] : cases) {
        const auto parsed = ParseDateInput(text);
        ASSERT_TRUE(std::holds_alternative<std::int32_t>(parsed)) << text;
        EXPECT_EQ(DecodeDate(std::get<std::int32_t>(parsed)), date) << text;
    }
}

TEST(DateInput, SaysWhyATextIsNoDate) {
    const std::string_view shape = "expected YYYY-MM-DD or DD.MM.YYYY";
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"2008-1-5", shape},
        {"2008-01-05 ", shape},
        {"+008-01-05", shape},
        {"2008-01-0x", shape},
        {"05/01/2008", shape},
        {"", shape},
        {"0000-01-01", "the year must lie between 0001 and 9999"},
        {"2008-13-01", "there is no month 13"},
        {"10.00.2008", "there is no month 0"},
        {"29.02.2023", "there is no day 29 in February 2023"},
        {"1900-02-29", "there is no day 29 in February 1900"},
        {"1990-04-31", "there is no day 31 in April 1990"},
        {"00.01.1990", "there is no day 0 in January 1990"},
    };
    for (const auto& [text, reason] : cases) {
        const auto parsed = ParseDateInput(text);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << text;
        EXPECT_EQ(std::get<std::string>(parsed), reason) << text;
    }
}

TEST(DateInput, IsoTextPadsEveryField) {
    EXPECT_EQ(IsoDateText(kMinDay), "0001-01-01");
    EXPECT_EQ(IsoDateText(EncodeDate(987, 3, 4)), "0987-03-04");
    EXPECT_EQ(IsoDateText(EncodeDate(2026, 12, 7)), "2026-12-07");
    EXPECT_EQ(IsoDateText(kMaxDay), "9999-12-31");
}

}  // namespace
}  // namespace vitalune
