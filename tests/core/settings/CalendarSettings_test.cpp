#include "core/settings/CalendarSettings.h"

#include <gtest/gtest.h>

#include "core/settings/MemorySettingsStore.h"
#include "support/ExpectedFile.h"
#include "support/RecordingStore.h"

namespace vitalune {
namespace {

TEST(CalendarSettings, FirstStartDefaults) {
    const CalendarSettings defaults = DefaultCalendarSettings();
    EXPECT_EQ(defaults.month, (FontText{"Arial", 20, 0x00808080, true, false, false, false}));
    EXPECT_EQ(defaults.name, (FontText{"Arial", 12, 0, true, false, false, false}));
    EXPECT_EQ(defaults.dayNames, (FontText{"Arial", 18, 0x00000080, true, false, false, false}));
    EXPECT_EQ(defaults.digits, (FontText{"Arial", 20, 0, true, false, false, false}));
    EXPECT_TRUE(defaults.showName && defaults.showAge && defaults.showDob);

    MemorySettingsStore store;
    WriteInt(store, "Calendar", "Top", 5);  // another window's key is not this one
    EXPECT_EQ(LoadCalendarSettings(store), defaults);
    test::RecordingStore written;
    ASSERT_TRUE(SaveCalendarSettings(written, defaults));
    test::ExpectSameAsFile(written.written, "calendar-defaults.txt");
}

// What loading makes of the values of expected/calendar-loads.txt, written over the defaults.
TEST(CalendarSettings, DamagedValuesFallBack) {
    MemorySettingsStore base;
    ASSERT_TRUE(SaveCalendarSettings(base, DefaultCalendarSettings()));
    test::ExpectSettingsTranscript("calendar-loads.txt", kCalendarSettingsKey, base,
                                   [](const SettingsStore& from, SettingsStore& to) {
                                       SaveCalendarSettings(to, LoadCalendarSettings(from));
                                   });
}

TEST(CalendarSettings, RoundTrip) {
    CalendarSettings s;
    s.month = FontText{"DejaVu Serif", 16, 0x00123456, false, true, false, true};
    s.name = std::nullopt;  // the program's default font stays the default font
    s.dayNames = FontText{"Noto Sans", 26, 0x00000080, true, false, true, false};
    s.digits = FontText{"Arial", 10, 0, false, false, false, false};
    s.showName = false;
    s.showDob = false;

    MemorySettingsStore store;
    // An older run's text must not come back for a font that is now the default one.
    WriteString(store, kCalendarSettingsKey, "PersName", "Arial,14,0,1,0,0,0");
    ASSERT_TRUE(SaveCalendarSettings(store, s));
    EXPECT_EQ(LoadCalendarSettings(store), s);
}

TEST(CalendarSettings, FailedWritesAreReported) {
    MemorySettingsStore store;
    store.SetFailWrites(true);
    EXPECT_FALSE(SaveCalendarSettings(store, DefaultCalendarSettings()));
    EXPECT_FALSE(store.HasKey(kCalendarSettingsKey));
}

}  // namespace
}  // namespace vitalune
