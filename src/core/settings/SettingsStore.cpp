#include "core/settings/SettingsStore.h"

#include "core/text/DecimalText.h"

namespace vitalune {

std::optional<std::int32_t> ReadInt(const SettingsStore& store, std::string_view key,
                                    std::string_view name) {
    const auto value = store.Read(key, name);
    if (!value) {
        return std::nullopt;
    }
    if (const auto* i = std::get_if<std::int32_t>(&*value)) {
        return *i;
    }
    return ParseDecimal(std::get<std::string>(*value));
}

std::optional<std::string> ReadString(const SettingsStore& store, std::string_view key,
                                      std::string_view name) {
    const auto value = store.Read(key, name);
    if (!value) {
        return std::nullopt;
    }
    if (const auto* s = std::get_if<std::string>(&*value)) {
        return *s;
    }
    return std::nullopt;
}

std::optional<bool> ReadBool(const SettingsStore& store, std::string_view key,
                             std::string_view name) {
    const auto value = ReadInt(store, key, name);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0;
}

std::int32_t ReadInt(const SettingsStore& store, std::string_view key, std::string_view name,
                     std::int32_t fallback) {
    return ReadInt(store, key, name).value_or(fallback);
}

std::string ReadString(const SettingsStore& store, std::string_view key, std::string_view name,
                       std::string_view fallback) {
    auto value = ReadString(store, key, name);
    if (!value || value->empty()) {
        return std::string{fallback};
    }
    return std::move(*value);
}

bool ReadBool(const SettingsStore& store, std::string_view key, std::string_view name,
              bool fallback) {
    return ReadBool(store, key, name).value_or(fallback);
}

bool WriteInt(SettingsStore& store, std::string_view key, std::string_view name,
              std::int32_t value) {
    return store.Write(key, name, SettingsValue{value});
}

bool WriteString(SettingsStore& store, std::string_view key, std::string_view name,
                 std::string_view value) {
    return store.Write(key, name, SettingsValue{std::string{value}});
}

bool WriteBool(SettingsStore& store, std::string_view key, std::string_view name, bool value) {
    return WriteInt(store, key, name, value ? 1 : 0);
}

}  // namespace vitalune
