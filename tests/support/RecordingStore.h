#pragma once
// A settings store in memory that also writes down every value written, in order, as
// "key/name = value" lines (text quoted), so that a test can compare them with a file.

#include <string>

#include "core/settings/MemorySettingsStore.h"

namespace vitalune::test {

class RecordingStore final : public SettingsStore {
  public:
    bool HasKey(std::string_view key) const override { return m_inner.HasKey(key); }
    std::optional<SettingsValue> Read(std::string_view key, std::string_view name) const override {
        return m_inner.Read(key, name);
    }
    bool Write(std::string_view key, std::string_view name, const SettingsValue& value) override {
        written += std::string{key} + "/" + std::string{name} + " = " +
                   (std::holds_alternative<std::string>(value)
                        ? "\"" + std::get<std::string>(value) + "\""
                        : std::to_string(std::get<std::int32_t>(value))) +
                   "\n";
        return m_inner.Write(key, name, value);
    }
    bool Flush() override { return m_inner.Flush(); }
    std::string written;

  private:
    MemorySettingsStore m_inner;
};

}  // namespace vitalune::test
