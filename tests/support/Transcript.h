#pragma once
// A transcript is an expected file that holds its own cases: each line marked "< " (or another
// mark) is an input, followed by what the test makes of it. The test reads the inputs, writes
// its answers after them and compares the whole with the file, so a wrong answer fails like
// any expected file; "#" comments and blank lines stay as they are. Bytes that would not show
// are written "\r", "\n", "\\" and "\xNN", in the inputs as in the answers.

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>

#include "support/ExpectedFile.h"
#include "support/TestFiles.h"

namespace vitalune::test {

inline std::string Escaped(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r' || c == '\n' || c == '\\') {
            text += c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\\\";
        } else if (u < 0x20 || u >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            text += hex;
        } else {
            text += c;
        }
    }
    return text;
}

inline std::string Unescaped(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
        } else if (text[++i] == 'x') {
            bytes += static_cast<char>(std::stoi(std::string{text.substr(i + 1, 2)}, nullptr, 16));
            i += 2;
        } else {
            bytes += text[i] == 'r' ? '\r' : text[i] == 'n' ? '\n' : text[i];
        }
    }
    return bytes;
}

// `answer` gets each input unescaped and returns whole lines ("\n" after each).
inline void ExpectTranscript(const std::string& name,
                             const std::function<std::string(const std::string&)>& answer,
                             std::string_view mark = "<") {
    std::istringstream file(ReadTestFile(std::filesystem::path{VITALUNE_EXPECTED_DIR} / name));
    std::string transcript;
    int inputs = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.starts_with("#")) {
            transcript += line + "\n";
        } else if (line.starts_with(mark)) {
            const std::size_t from = std::min(line.size(), mark.size() + 1);
            ++inputs;
            transcript += line + "\n" + answer(Unescaped(std::string_view{line}.substr(from)));
        }
    }
    EXPECT_GT(inputs, 0) << name << " holds no inputs";
    ExpectSameAsFile(transcript, name);
}

}  // namespace vitalune::test
