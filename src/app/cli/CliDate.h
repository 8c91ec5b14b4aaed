#pragma once
// Dates typed on the command line: YYYY-MM-DD or DD.MM.YYYY, years 1 to 9999.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace vitalune::cli {

// The day number, or why the text is not a date.
std::variant<std::int32_t, std::string> ParseCliDate(std::string_view text);

// Throws a UsageError naming the option when the text is not a date.
std::int32_t RequireDate(std::string_view option, std::string_view text);

// "YYYY-MM-DD".
std::string IsoDateText(std::int32_t day);

}  // namespace vitalune::cli
