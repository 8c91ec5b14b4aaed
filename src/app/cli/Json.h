#pragma once
// The few pieces of JSON the command-line tool prints, one object per line.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vitalune::cli {

// A quoted JSON string; invalid UTF-8 bytes become U+FFFD so the output stays valid.
std::string JsonString(std::string_view utf8);
std::string JsonBool(bool value);
std::string JsonIntArray(std::span<const std::int32_t> values);
std::string JsonBoolArray(std::span<const bool> values);
std::string JsonStringArray(std::span<const std::string_view> values);

// Builds {"key":value,...} in insertion order; values are already JSON.
class JsonObject {
  public:
    JsonObject& Add(std::string_view key, std::string_view json);
    JsonObject& Add(std::string_view key, std::int64_t value);
    std::string Str() const { return m_text + "}"; }

  private:
    std::string m_text = "{";
};

}  // namespace vitalune::cli
