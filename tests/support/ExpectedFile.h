#pragma once
// Compares a text with its expected file in the folder VITALUNE_EXPECTED_DIR names. Run the
// tests with VITALUNE_UPDATE_EXPECTED=1 to write the files anew (then review them before
// committing).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/files/AtomicFile.h"

namespace vitalune::test {

inline void ExpectSameAsFile(const std::string& actual, const std::string& name) {
    const std::filesystem::path path = std::filesystem::path{VITALUNE_EXPECTED_DIR} / name;
    if (std::getenv("VITALUNE_UPDATE_EXPECTED")) {
        ASSERT_TRUE(WriteFileAtomically(path, actual)) << path;
        return;
    }
    std::string expected;
    ASSERT_TRUE(ReadWholeFile(path, expected)) << path << " is missing";
    if (actual == expected) {
        return;
    }
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    const std::size_t from = at < 80 ? 0 : at - 80;
    ADD_FAILURE() << name << " differs from byte " << at << "\n  expected: ..."
                  << expected.substr(from, 160) << "\n  actual:   ..." << actual.substr(from, 160);
}

}  // namespace vitalune::test
