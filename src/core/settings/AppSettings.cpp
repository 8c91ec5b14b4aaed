#include "core/settings/AppSettings.h"

#include <algorithm>

#include "core/settings/SettingsStore.h"
#include "core/text/DecimalText.h"

namespace vitalune {

namespace {

constexpr std::string_view kMain = "";

constexpr std::array<std::string_view, kGraphPageCount> kGraphValueNames = {
    "Base_Graph", "Sec_Graph", "Ich_Graph", "Comp_Graph", "Extra_Graph"};

constexpr std::array<Colour, 4> kBarBases = {0x0000FF00, 0x00008000, 0x00000080, 0x000000FF};

// A fraction of 255 mixed toward white. The mix is formed in extended precision from a double
// t, so a channel that lands a hair below a whole number truncates to the one below.
std::uint32_t FadeChannel(std::uint32_t base, double t) {
    const long double v = 255.0L * t + static_cast<long double>(base) * (1.0L - t);
    return static_cast<std::uint32_t>(v);
}

}  // namespace

const std::string_view kDefaultTextSearchUrl = "https://duckduckgo.com/html/?hl=en&lr=&q=";
const std::string_view kDefaultImageSearchUrl =
    "https://duckduckgo.com/?ia=images&iax=images&hl=en&lr=&q=";

GraphSetting ParseGraphSetting(std::string_view text) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) {
        return {};
    }
    const auto mode = ParseDecimal(text.substr(0, comma));
    const auto flag = ParseDecimal(text.substr(comma + 1));
    if (!mode || !flag || *mode < 0 || *mode > 2 || *flag < 0 || *flag > 1) {
        return {};
    }
    return {*mode, *flag};
}

std::string FormatGraphSetting(GraphSetting setting) {
    return std::to_string(setting.mode) + "," + std::to_string(setting.flag);
}

std::string_view GraphValueName(GraphPage page) {
    return kGraphValueNames[static_cast<std::size_t>(page)];
}

LoadedSettings LoadAppSettings(const SettingsStore& store) {
    LoadedSettings loaded;
    AppSettings& s = loaded.settings;
    StoredSelection& sel = loaded.selection;
    if (!store.HasKey(kMain)) {
        return loaded;
    }
    loaded.firstStart = false;
    s.showDetails = ReadBool(store, kMain, "Main_ShowDetails", false);
    s.showPrompt = ReadBool(store, kMain, "Main_ShowPrompt", true);
    s.showPointer = ReadBool(store, kMain, "Main_ShowPointer", true);
    s.showTips = ReadBool(store, kMain, "Main_ShowTips", true);
    sel.personIndex = ReadInt(store, kMain, "Person_Index", 0);
    sel.personGroup = ReadInt(store, kMain, "Person_Group", 0);
    sel.personIndex2 = ReadInt(store, kMain, "Person_Index2", 0);
    sel.personGroup2 = ReadInt(store, kMain, "Person_Group2", 0);
    s.transparency = ReadInt(store, kMain, "Transparency", 0);
    if (s.transparency < 0 || s.transparency > 255) {
        s.transparency = 0;
    }
    s.pointerColour = static_cast<Colour>(
        ReadInt(store, kMain, "PointerColor", static_cast<std::int32_t>(kDefaultPointerColour)));
    s.matchingPictureScheme = ReadInt(store, kMain, "MatchingPictureScheme", 0);
    s.textSearchUrl = ReadString(store, kMain, "Main_TSearchURL", kDefaultTextSearchUrl);
    s.imageSearchUrl = ReadString(store, kMain, "Main_ISearchURL", kDefaultImageSearchUrl);
    sel.databasePath = ReadString(store, kMain, "DB_Name", "");
    for (int i = 0; i < kGraphPageCount; ++i) {
        const auto page = static_cast<GraphPage>(i);
        const std::string fallback = FormatGraphSetting(AppSettings{}.Graph(page));
        s.Graph(page) = ParseGraphSetting(ReadString(store, kMain, GraphValueName(page), fallback));
    }
    LoadChartAttribs(store, s.pens);
    return loaded;
}

bool SaveAppSettings(SettingsStore& store, const AppSettings& s, const StoredSelection& sel) {
    bool ok = true;
    const auto keep = [&ok](bool written) { ok = written && ok; };
    keep(WriteBool(store, kMain, "Main_ShowDetails", s.showDetails));
    keep(WriteBool(store, kMain, "Main_ShowPrompt", s.showPrompt));
    keep(WriteBool(store, kMain, "Main_ShowPointer", s.showPointer));
    keep(WriteBool(store, kMain, "Main_ShowTips", s.showTips));
    keep(WriteString(store, kMain, "Main_TSearchURL", s.textSearchUrl));
    keep(WriteString(store, kMain, "Main_ISearchURL", s.imageSearchUrl));
    keep(WriteInt(store, kMain, "Person_Index", sel.personIndex));
    keep(WriteInt(store, kMain, "Person_Group", sel.personGroup));
    keep(WriteInt(store, kMain, "Person_Index2", sel.personIndex2));
    keep(WriteInt(store, kMain, "Person_Group2", sel.personGroup2));
    keep(WriteString(store, kMain, "DB_Name", sel.databasePath));
    keep(WriteInt(store, kMain, "Transparency", s.transparency));
    keep(WriteInt(store, kMain, "PointerColor", static_cast<std::int32_t>(s.pointerColour)));
    for (int i = 0; i < kGraphPageCount; ++i) {
        const auto page = static_cast<GraphPage>(i);
        keep(WriteString(store, kMain, GraphValueName(page), FormatGraphSetting(s.Graph(page))));
    }
    keep(WriteInt(store, kMain, "MatchingPictureScheme", s.matchingPictureScheme));
    keep(SaveChartAttribs(store, s.pens));
    keep(store.Flush());
    return ok;
}

BarColours ComputeBarColours(std::int32_t transparency) {
    const double t = transparency / 255.0;
    BarColours colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const Colour base = kBarBases[i];
        const Colour r = FadeChannel(base & 0xFF, t);
        const Colour g = FadeChannel((base >> 8) & 0xFF, t);
        const Colour b = FadeChannel((base >> 16) & 0xFF, t);
        colours[i] = r | (g << 8) | (b << 16);
    }
    return colours;
}

// In whole numbers: p x 2.55 in floating point lands a hair below 127.5 at 50 %.
std::int32_t TransparencyFromPercent(int percent) {
    const int p = std::clamp(percent, 0, 100);
    return (p * 255 * 2 + 100) / 200;
}

int TransparencyPercent(std::int32_t transparency) {
    const int t = std::clamp(transparency, 0, 255);
    return (t * 100 * 2 + 255) / 510;
}

bool KeepsSize(std::string_view windowName) {
    return windowName == "MainForm" || windowName == "Calendar";
}

std::optional<FormPlacement> LoadFormPlacement(const SettingsStore& store,
                                               std::string_view windowName) {
    if (windowName.empty() || !store.HasKey(windowName)) {
        return std::nullopt;
    }
    FormPlacement placement;
    const auto position = [&](std::string_view name) {
        return std::clamp(ReadInt(store, windowName, name, 0), -kFormPositionLimit,
                          kFormPositionLimit);
    };
    placement.top = position("Top");
    placement.left = position("Left");
    if (KeepsSize(windowName)) {
        placement.height = ReadInt(store, windowName, "Height");
        placement.width = ReadInt(store, windowName, "Width");
    }
    return placement;
}

bool SaveFormPlacement(SettingsStore& store, std::string_view windowName,
                       const FormPlacement& placement) {
    if (windowName.empty()) {
        return false;
    }
    bool ok = WriteInt(store, windowName, "Top", placement.top);
    ok = WriteInt(store, windowName, "Left", placement.left) && ok;
    if (KeepsSize(windowName)) {
        ok = WriteInt(store, windowName, "Height", placement.height.value_or(0)) && ok;
        ok = WriteInt(store, windowName, "Width", placement.width.value_or(0)) && ok;
    }
    return store.Flush() && ok;
}

}  // namespace vitalune
