#pragma once
// Reads a fuzzer's bytes as numbers and short texts; past the end every byte is 0, so any
// input is a complete one.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/settings/SettingsStore.h"

namespace vitalune::fuzz {

class FuzzInput {
  public:
    FuzzInput(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}
    unsigned char Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::int32_t Int() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value << 8 | Byte();
        }
        std::int32_t result;
        std::memcpy(&result, &value, sizeof result);
        return result;
    }
    // Up to seven bytes of any value.
    std::string Text() {
        std::string text;
        for (unsigned n = Byte() % 8; n > 0; --n) {
            text += static_cast<char>(Byte());
        }
        return text;
    }

  private:
    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A broken promise must stop the fuzzer with a finding, in every build type.
inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Each named value under key is missing, any number, a small number below smallLimit, or a
// short text: the kinds a stored settings key can hold after edits by hand.
template <typename Names>
void FillSettings(FuzzInput& in, SettingsStore& store, std::string_view key, const Names& names,
                  int smallLimit) {
    for (std::string_view name : names) {
        switch (in.Byte() % 4) {
            case 0:
                break;  // missing
            case 1:
                WriteInt(store, key, name, in.Int());
                break;
            case 2:
                WriteInt(store, key, name, in.Byte() % smallLimit);
                break;
            default:
                WriteString(store, key, name, in.Text());
        }
    }
}

}  // namespace vitalune::fuzz
