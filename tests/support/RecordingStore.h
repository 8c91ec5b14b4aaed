#pragma once
// A settings store in memory that also writes down every value written, in order, as
// "key/name = value" lines (text quoted), so that a test can compare them with a file.

#include <functional>
#include <sstream>
#include <string>

#include "core/settings/MemorySettingsStore.h"
#include "support/Transcript.h"

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

// Writes the values that `words` name under `key`, as a user's settings file may hold them:
// "Name=7" a number, "Name=\"7\"" a text, "Name=" none at all.
inline void WriteValues(MemorySettingsStore& store, std::string_view key, std::istream& words) {
    for (std::string word; words >> word;) {
        const std::string valueName = word.substr(0, word.find('='));
        const std::string value = word.substr(valueName.size() + 1);
        if (value.empty()) {
            store.Remove(key, valueName);
        } else if (value.front() == '"') {
            WriteString(store, key, valueName, value.substr(1, value.size() - 2));
        } else {
            WriteInt(store, key, valueName, std::stoi(value));
        }
    }
}

// A transcript whose inputs are values written over those of `base`. `reload` loads the store
// and saves what it loaded; the answer is each value saved otherwise than from an empty store,
// or "defaults".
inline void ExpectSettingsTranscript(
    const std::string& name, std::string_view key, const MemorySettingsStore& base,
    const std::function<void(const SettingsStore&, SettingsStore&)>& reload) {
    RecordingStore defaults;
    reload(MemorySettingsStore{}, defaults);
    ExpectTranscript(name, [&](const std::string& line) {
        MemorySettingsStore store = base;
        std::istringstream words(line);
        WriteValues(store, key, words);
        RecordingStore saved;
        reload(store, saved);
        std::istringstream got(saved.written);
        std::istringstream usual(defaults.written);
        std::string answer;
        for (std::string a, b; std::getline(got, a) && std::getline(usual, b);) {
            answer += a == b ? "" : "  " + a.substr(a.find('/') + 1) + "\n";
        }
        return answer.empty() ? "  defaults\n" : answer;
    });
}

}  // namespace vitalune::test
