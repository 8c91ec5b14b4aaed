#include "core/settings/MemorySettingsStore.h"

namespace vitalune {

bool MemorySettingsStore::HasKey(std::string_view key) const {
    // The main key "" exists as soon as it or any subkey holds a value, as in the registry.
    return key.empty() ? !m_keys.empty() : m_keys.find(key) != m_keys.end();
}

std::optional<SettingsValue> MemorySettingsStore::Read(std::string_view key,
                                                       std::string_view name) const {
    const auto k = m_keys.find(key);
    if (k == m_keys.end()) {
        return std::nullopt;
    }
    const auto v = k->second.find(name);
    if (v == k->second.end()) {
        return std::nullopt;
    }
    return v->second;
}

bool MemorySettingsStore::Write(std::string_view key, std::string_view name,
                                const SettingsValue& value) {
    if (m_failWrites) {
        return false;
    }
    ++m_writeCount;
    auto k = m_keys.find(key);
    if (k == m_keys.end()) {
        k = m_keys.emplace(std::string{key}, Values{}).first;
    }
    k->second.insert_or_assign(std::string{name}, value);
    return true;
}

void MemorySettingsStore::Remove(std::string_view key, std::string_view name) {
    const auto k = m_keys.find(key);
    if (k != m_keys.end()) {
        const auto v = k->second.find(name);
        if (v != k->second.end()) {
            k->second.erase(v);
        }
    }
}

}  // namespace vitalune
