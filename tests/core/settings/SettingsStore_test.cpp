#include "core/settings/SettingsStore.h"

#include <gtest/gtest.h>

#include "core/settings/MemorySettingsStore.h"

namespace vitalune {
namespace {

TEST(SettingsStore, KeysAreCreatedByWrites) {
    MemorySettingsStore store;
    EXPECT_FALSE(store.HasKey(""));
    EXPECT_FALSE(store.HasKey("MainForm"));
    ASSERT_TRUE(WriteInt(store, "MainForm", "Top", 40));
    EXPECT_TRUE(store.HasKey("MainForm"));
    EXPECT_TRUE(store.HasKey(""));  // the main key holds its subkeys
    EXPECT_EQ(ReadInt(store, "MainForm", "Top"), 40);
    EXPECT_EQ(ReadInt(store, "", "Top"), std::nullopt);
}

TEST(SettingsStore, TypedReadsAndFallbacks) {
    MemorySettingsStore store;
    WriteInt(store, "", "Transparency", 128);
    WriteString(store, "", "Base_Graph", "2,0");
    WriteString(store, "", "Numeric", " 17 ");
    WriteString(store, "", "Empty", "");
    WriteBool(store, "", "Main_ShowTips", true);
    WriteInt(store, "", "Weird", -5);

    EXPECT_EQ(ReadInt(store, "", "Transparency", 0), 128);
    EXPECT_EQ(ReadInt(store, "", "Base_Graph", 9), 9);  // a text that is no number
    EXPECT_EQ(ReadInt(store, "", "Numeric", 0), 17);
    EXPECT_EQ(ReadString(store, "", "Transparency", "x"), "x");  // a number is no string
    EXPECT_EQ(ReadString(store, "", "Empty", "default"), "default");
    EXPECT_EQ(ReadString(store, "", "Base_Graph", ""), "2,0");
    EXPECT_TRUE(ReadBool(store, "", "Main_ShowTips", false));
    EXPECT_TRUE(ReadBool(store, "", "Weird", false));  // any non-zero number
    EXPECT_FALSE(ReadBool(store, "", "Missing", false));
    EXPECT_TRUE(ReadBool(store, "", "Missing", true));
}

TEST(SettingsStore, FailingWritesChangeNothing) {
    MemorySettingsStore store;
    WriteInt(store, "", "PointerColor", 1);
    store.SetFailWrites(true);
    EXPECT_FALSE(WriteInt(store, "", "PointerColor", 2));
    EXPECT_FALSE(store.Flush());
    EXPECT_EQ(ReadInt(store, "", "PointerColor"), 1);
}

}  // namespace
}  // namespace vitalune
