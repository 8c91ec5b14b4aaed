#pragma once
// A settings store held in memory: for tests, and for runs that must not touch the user's
// settings (picture export from scripts). Can be told to fail its writes.

#include <map>
#include <string>

#include "core/settings/SettingsStore.h"

namespace vitalune {

class MemorySettingsStore final : public SettingsStore {
  public:
    bool HasKey(std::string_view key) const override;
    std::optional<SettingsValue> Read(std::string_view key, std::string_view name) const override;
    bool Write(std::string_view key, std::string_view name, const SettingsValue& value) override;
    bool Flush() override { return !m_failWrites; }

    // Every later Write and Flush fails and changes nothing.
    void SetFailWrites(bool fail) { m_failWrites = fail; }
    void Remove(std::string_view key, std::string_view name);
    void Clear() { m_keys.clear(); }
    int WriteCount() const { return m_writeCount; }

  private:
    using Values = std::map<std::string, SettingsValue, std::less<>>;
    std::map<std::string, Values, std::less<>> m_keys;
    bool m_failWrites = false;
    int m_writeCount = 0;
};

}  // namespace vitalune
