#include "core/settings/CalendarSettings.h"

#include <array>

#include "core/settings/SettingsStore.h"

namespace vitalune {

namespace {

// The value names, paired with the member each one fills.
using FontMember = std::optional<FontText> CalendarSettings::*;
using SwitchMember = bool CalendarSettings::*;

struct FontValue {
    std::string_view name;
    FontMember member;
    std::string_view initial;
};

struct SwitchValue {
    std::string_view name;
    SwitchMember member;
};

constexpr std::array<FontValue, 4> kFonts = {{
    {"PersName", &CalendarSettings::name, "Arial,12,0,1,0,0,0"},
    {"HeadMonth", &CalendarSettings::month, "Arial,20,8421504,1,0,0,0"},
    {"DaysNames", &CalendarSettings::dayNames, "Arial,18,128,1,0,0,0"},
    {"CalendDigitsBar", &CalendarSettings::digits, "Arial,20,0,1,0,0,0"},
}};

constexpr std::array<SwitchValue, 3> kSwitches = {{
    {"ShowName", &CalendarSettings::showName},
    {"ShowAge", &CalendarSettings::showAge},
    {"ShowDOB", &CalendarSettings::showDob},
}};

}  // namespace

CalendarSettings DefaultCalendarSettings() {
    CalendarSettings settings;
    for (const FontValue& font : kFonts) {
        settings.*font.member = ParseFontText(font.initial);
    }
    return settings;
}

CalendarSettings LoadCalendarSettings(const SettingsStore& store) {
    if (!store.HasKey(kCalendarSettingsKey)) {
        return DefaultCalendarSettings();
    }
    // A value that is missing or of the wrong kind means the key cannot be read as a whole,
    // which gives all the defaults; only a font text that is there but malformed falls back
    // alone, to the program's default font.
    CalendarSettings settings;
    for (const FontValue& font : kFonts) {
        const auto text = ReadString(store, kCalendarSettingsKey, font.name);
        if (!text) {
            return DefaultCalendarSettings();
        }
        settings.*font.member = ParseFontText(*text);
    }
    for (const SwitchValue& flag : kSwitches) {
        const auto on = ReadBool(store, kCalendarSettingsKey, flag.name);
        if (!on) {
            return DefaultCalendarSettings();
        }
        settings.*flag.member = *on;
    }
    return settings;
}

bool SaveCalendarSettings(SettingsStore& store, const CalendarSettings& settings) {
    bool ok = true;
    for (const FontValue& font : kFonts) {
        // The program's default font is written as an empty text, which reads back as the
        // default font again; leaving the value out would keep whatever an older run wrote.
        const auto& text = settings.*font.member;
        ok = WriteString(store, kCalendarSettingsKey, font.name,
                         text ? FormatFontText(*text) : std::string{}) &&
             ok;
    }
    for (const SwitchValue& flag : kSwitches) {
        ok = WriteBool(store, kCalendarSettingsKey, flag.name, settings.*flag.member) && ok;
    }
    return store.Flush() && ok;
}

}  // namespace vitalune
