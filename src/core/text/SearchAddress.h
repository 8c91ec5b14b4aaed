#pragma once
// The web address of a look-up of a person's name: the search address followed by the name in
// quotes. Blanks become "+" and every byte outside the unreserved ASCII characters is
// percent-encoded, so no name can end the query early or add keys to it.

#include <string>
#include <string_view>

namespace vitalune {

// "Ada King" -> "%22Ada+King%22"; "A&B #1" -> "%22A%26B+%231%22"; UTF-8 bytes as %XX.
std::string QuotedSearchTerm(std::string_view name);

// The search address as the user set it, then the quoted name.
std::string SearchAddress(std::string_view searchAddress, std::string_view name);

}  // namespace vitalune
