#pragma once
// The few pieces of JSON the command-line tool prints, one object per line.

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace vitalune {
struct DayRhythms;
}

namespace vitalune::cli {

// A quoted JSON string; invalid UTF-8 bytes become U+FFFD so the output stays valid.
std::string JsonString(std::string_view utf8);
// The same appended to `out`, and a whole number: for long outputs built without copies.
void AppendJsonString(std::string& out, std::string_view utf8);
void AppendJsonInt(std::string& out, std::int64_t value);
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

// Writes the items of an array as they come, so that a long list never sits in memory whole.
class JsonArrayWriter {
  public:
    explicit JsonArrayWriter(std::ostream& out);
    void Add(std::string_view json);
    void Close();

  private:
    std::ostream& m_out;
    bool m_first = true;
};

// The keys of the named fields: the four rhythms, and the eight compatibility fields.
inline constexpr std::string_view kRhythmKeys[4] = {"physical", "emotional", "intellectual",
                                                    "intuitive"};
inline constexpr std::string_view kCompatKeys[8] = {"physical",  "emotional", "intellectual",
                                                    "intuitive", "overall",   "aesthetic",
                                                    "awareness", "spiritual"};

// {"physical":{"percent":P,"critical":C},...}: the day's "percent" and "critical" by name.
std::string JsonRhythms(std::span<const std::int32_t> percent, std::span<const bool> critical);
// A day's "percent", "overall", "critical" and "rhythms", as the listings of days give them.
JsonObject& AddDayFields(JsonObject& object, const DayRhythms& day);

}  // namespace vitalune::cli
