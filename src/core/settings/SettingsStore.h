#pragma once
// Where the program keeps its options between runs: named keys (the main key "" and subkeys
// such as "MainForm" or "CalendSet") holding named 32-bit integers and strings. The program
// reads through this interface only, so tests use the in-memory store and the desktop build a
// per-user settings file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vitalune {

using SettingsValue = std::variant<std::int32_t, std::string>;

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Whether the key has ever been written; "" is the main key, which holds the subkeys, so
    // it exists once anything has been written.
    virtual bool HasKey(std::string_view key) const = 0;
    virtual std::optional<SettingsValue> Read(std::string_view key,
                                              std::string_view name) const = 0;
    // Creates the key when needed. False when the store cannot be written.
    virtual bool Write(std::string_view key, std::string_view name, const SettingsValue& value) = 0;
    // Makes earlier writes durable; false when that failed.
    virtual bool Flush() = 0;
};

// Typed reads. A value of the other kind counts as missing, except that a string holding
// nothing but a decimal integer reads as that integer (stores that keep text only).
std::optional<std::int32_t> ReadInt(const SettingsStore& store, std::string_view key,
                                    std::string_view name);
std::optional<std::string> ReadString(const SettingsStore& store, std::string_view key,
                                      std::string_view name);
// Any non-zero number is true.
std::optional<bool> ReadBool(const SettingsStore& store, std::string_view key,
                             std::string_view name);

std::int32_t ReadInt(const SettingsStore& store, std::string_view key, std::string_view name,
                     std::int32_t fallback);
// An empty string counts as missing.
std::string ReadString(const SettingsStore& store, std::string_view key, std::string_view name,
                       std::string_view fallback);
bool ReadBool(const SettingsStore& store, std::string_view key, std::string_view name,
              bool fallback);

bool WriteInt(SettingsStore& store, std::string_view key, std::string_view name,
              std::int32_t value);
bool WriteString(SettingsStore& store, std::string_view key, std::string_view name,
                 std::string_view value);
bool WriteBool(SettingsStore& store, std::string_view key, std::string_view name, bool value);

}  // namespace vitalune
