// Values the settings keep as text, read and written back as the transcript says.
#include <gtest/gtest.h>

#include "core/settings/AppSettings.h"
#include "core/settings/ChartAttrib.h"
#include "core/settings/FontText.h"
#include "core/text/DecimalText.h"
#include "support/Transcript.h"

namespace vitalune {
namespace {

using std::to_string;

std::string FontAnswer(const std::string& text) {
    const auto font = ParseFontText(text);
    if (!font) {
        return "  the default font\n";
    }
    return "  \"" + font->name + "\" " + to_string(font->size) + " pt, colour " +
           to_string(font->colour) + (font->bold ? ", bold" : "") +
           (font->italic ? ", italic" : "") + (font->underline ? ", underline" : "") +
           (font->strikeout ? ", strikeout" : "") + "\n  written " + FormatFontText(*font) + "\n";
}

std::string PenAnswer(const std::string& text) {
    ChartAttrib pen{1, 2, 2};
    const bool complete = ParseChartAttrib(text, pen);
    return std::string{complete ? "  " : "  incomplete: "} + "colour " + to_string(pen.colour) +
           ", style " + to_string(pen.style) + ", width " + to_string(pen.width) +
           (complete ? ", written " + FormatChartAttrib(pen) : "") + "\n";
}

TEST(SettingsTexts, ReadAndWrittenBack) {
    test::ExpectTranscript("settings-texts.txt", [](const std::string& line) {
        const auto blank = line.find(' ');
        const std::string kind = line.substr(0, blank);
        const std::string text = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (kind == "font") {
            return FontAnswer(text);
        }
        if (kind == "pen") {
            return PenAnswer(text);
        }
        if (kind == "graph") {
            const GraphSetting graph = ParseGraphSetting(text);
            return "  mode " + to_string(graph.mode) + ", flag " + to_string(graph.flag) +
                   ", written " + FormatGraphSetting(graph) + "\n";
        }
        EXPECT_EQ(kind, "number");
        const auto number = ParseDecimal(text);
        return "  " + (number ? to_string(*number) : "none") + "\n";
    });
}

}  // namespace
}  // namespace vitalune
