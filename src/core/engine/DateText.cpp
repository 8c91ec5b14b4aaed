#include "core/engine/DateText.h"

namespace vitalune {

const std::array<std::string_view, 13> kMonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

const std::array<std::string_view, 13> kShortMonthNames = {
    "", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const std::array<std::string_view, 8> kWeekdayAbbrev = {"",   "Su", "Mo", "Tu",
                                                        "Wd", "Th", "Fr", "Sa"};

const std::array<std::string_view, 8> kWeekdayNames = {
    "", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

const std::array<int, 13> kMonthLengths = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string DateText(DateTime date) {
    const CivilDate c = DecodeDate(date);
    std::string text;
    if (c.day < 10) {
        text += '0';
    }
    text += std::to_string(c.day);
    text += ' ';
    text += kShortMonthNames[static_cast<std::size_t>(c.month)];
    text += ' ';
    text += std::to_string(c.year);
    return text;
}

std::string MonthYearText(int month, int year) {
    std::string text{month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month)]
                                               : std::string_view{}};
    text += ", ";
    text += std::to_string(year);
    return text;
}

}  // namespace vitalune
