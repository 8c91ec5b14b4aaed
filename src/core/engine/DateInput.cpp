#include "core/engine/DateInput.h"

#include <cstdio>

#include "core/engine/Date.h"
#include "core/engine/DateText.h"

namespace vitalune {

namespace {

bool ReadDigits(std::string_view text, std::size_t pos, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::variant<std::int32_t, std::string> ParseDateInput(std::string_view text) {
    int year = 0;
    int month = 0;
    int day = 0;
    bool shaped = false;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        shaped = ReadDigits(text, 0, 4, year) && ReadDigits(text, 5, 2, month) &&
                 ReadDigits(text, 8, 2, day);
    } else if (text.size() == 10 && text[2] == '.' && text[5] == '.') {
        shaped = ReadDigits(text, 0, 2, day) && ReadDigits(text, 3, 2, month) &&
                 ReadDigits(text, 6, 4, year);
    }
    if (!shaped) {
        return std::string{"expected YYYY-MM-DD or DD.MM.YYYY"};
    }
    if (year < 1) {
        return std::string{"the year must lie between 0001 and 9999"};
    }
    if (month < 1 || month > 12) {
        return "there is no month " + std::to_string(month);
    }
    if (day < 1 || day > DaysInMonth(year, month)) {
        return "there is no day " + std::to_string(day) + " in " +
               std::string{kMonthNames[static_cast<std::size_t>(month)]} + " " +
               std::to_string(year);
    }
    return EncodeDate(year, month, day);
}

std::string IsoDateText(std::int32_t day) {
    const CivilDate c = DecodeDate(day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buffer;
}

}  // namespace vitalune
