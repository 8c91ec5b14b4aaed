#pragma once
// Files and a fixed "today" for the names database tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune::test {

// 5 January 2008: the placeholder person is "New person|05.01.2008|M".
inline const FixedClock& TestClock() {
    static const FixedClock clock(EncodeDate(2008, 1, 5));
    return clock;
}
inline const std::string kPlaceholder = "New person|05.01.2008|M";

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    ASSERT_TRUE(WriteFileAtomically(path, bytes)) << path;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    return ReadTestFile(path);
}

inline std::vector<std::string> Lines(const PersonList& list) {
    return {list.begin(), list.end()};
}

}  // namespace vitalune::test
