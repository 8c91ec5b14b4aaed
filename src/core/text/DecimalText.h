#pragma once
// Signed decimal integers in stored texts (pens, fonts, graph modes, settings strings).

#include <cstdint>
#include <optional>
#include <string_view>

namespace vitalune {

// An optional sign and one or more digits, with blanks allowed around them; anything else,
// or a value outside the 32-bit range, gives nothing.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

}  // namespace vitalune
