#pragma once
// UTF-8 and windows-1252, the two encodings of the files the program reads and writes.
// The windows-1252 table maps all 256 bytes (the five unassigned ones to the C1 controls of
// the same number), so any old file decodes and encodes back byte for byte.

#include <optional>
#include <string>
#include <string_view>

namespace vitalune {

// Decodes the UTF-8 sequence at text[pos]; on success stores the code point, advances pos
// and returns true. An invalid or truncated sequence returns false and leaves pos alone.
bool NextCodePoint(std::string_view text, std::size_t& pos, char32_t& codePoint);
void AppendUtf8(std::string& out, char32_t codePoint);

bool IsValidUtf8(std::string_view text);
std::string Windows1252ToUtf8(std::string_view bytes);
// Nothing when a character has no windows-1252 byte (or the text is not valid UTF-8).
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);
// Every character without a windows-1252 byte becomes a numeric character reference
// ("&#1046;"); invalid UTF-8 bytes become "&#65533;".
std::string Utf8ToWindows1252WithReferences(std::string_view utf8);

// C0, DEL and C1: none of them shows, and some end or break a line of a file.
constexpr bool IsControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
bool HasControlCharacter(std::string_view utf8);
// Every control character of valid UTF-8 text except CR and LF becomes U+FFFD; returns how
// many. Text without one is left as it is, without copying.
std::size_t ReplaceControlCharacters(std::string& utf8);

// A text file's bytes as UTF-8: UTF-8 when valid (a leading byte order mark is dropped),
// otherwise windows-1252.
struct DecodedText {
    std::string utf8;
    bool wasUtf8 = true;
};
DecodedText DecodeFileText(std::string_view bytes);
// The same, consuming `bytes`: valid UTF-8 keeps its buffer, windows-1252 frees it once
// converted (big files are then never held twice).
DecodedText DecodeFileTextOwned(std::string&& bytes);

}  // namespace vitalune
