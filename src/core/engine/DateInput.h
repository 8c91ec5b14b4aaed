#pragma once
// Dates typed by a person on a command line: YYYY-MM-DD or DD.MM.YYYY, years 1 to 9999.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace vitalune {

// The day number, or why the text is not a date.
std::variant<std::int32_t, std::string> ParseDateInput(std::string_view text);

// "YYYY-MM-DD".
std::string IsoDateText(std::int32_t day);

}  // namespace vitalune
