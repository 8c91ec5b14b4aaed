#pragma once
// Reading a file back in a GoogleTest test: the test fails when it cannot be read.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/files/AtomicFile.h"

namespace vitalune::test {

inline std::string ReadTestFile(const std::filesystem::path& path) {
    std::string content;
    const FileResult read = ReadWholeFile(path, content);
    EXPECT_TRUE(read) << read.error;
    return content;
}

}  // namespace vitalune::test
