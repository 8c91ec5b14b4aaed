#pragma once
// What a typed name may hold before it becomes part of a person line or a group entry. A "|"
// would end the name's field and a control character would break or hide in the file's line,
// so both are refused with a sentence the dialogs show; a person line that began with "#" or
// ";" would come back as a group header or a comment. The person dialog, the group dialog,
// the editor and the contacts import all ask here.

#include <optional>
#include <string>
#include <string_view>

namespace vitalune {

enum class NameUse { Person, Group };

// The name without the blanks (spaces, tabs, line breaks) at either end, as it is stored.
std::string TrimName(std::string_view typed);

// Why the name cannot be stored as it stands, for the user to read; nothing when it can. An
// empty name is not a fault here: each dialog decides what an empty name does.
std::optional<std::string> NameFault(std::string_view name, NameUse use);

inline constexpr const char* kNameBarFault = "A name cannot contain the character |.";
inline constexpr const char* kNameControlFault =
    "A name cannot contain tabs, line breaks or other control characters.";
inline constexpr const char* kNameStartFault = "A person's name cannot begin with # or ;.";
inline constexpr const char* kNameEncodingFault = "A name must be valid UTF-8 text.";

}  // namespace vitalune
