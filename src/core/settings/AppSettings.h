#pragma once
// The program-wide options read at start and written at close: the flags, search addresses,
// bar transparency, pointer colour, the graph mode of each chart page and the seventeen pens,
// together with the stored person selection and database file name. Also the window
// placement kept in one subkey per window.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/ChartAttrib.h"

namespace vitalune {

class SettingsStore;

// How a chart page shows the mean of its rhythms: 0 none, 1 line, 2 histogram. The flag is
// kept and written back but nothing reads it.
struct GraphSetting {
    int mode = 0;
    int flag = 0;
    friend bool operator==(const GraphSetting&, const GraphSetting&) = default;
};

enum class GraphMode : int { None = 0, Line = 1, Histogram = 2 };

// "2,0" -> (2, 0); anything outside 0..2 / 0..1, or without a comma, reads as (0, 0).
GraphSetting ParseGraphSetting(std::string_view text);
std::string FormatGraphSetting(GraphSetting setting);

// The graph settings in the order their values are read and written.
enum class GraphPage : int { Base = 0, Sec = 1, Ich = 2, Comp = 3, Extra = 4 };
inline constexpr int kGraphPageCount = 5;
std::string_view GraphValueName(GraphPage page);  // "Base_Graph" ...

inline constexpr Colour kDefaultPointerColour = 0x00FFE1E1;
extern const std::string_view kDefaultTextSearchUrl;
extern const std::string_view kDefaultImageSearchUrl;

struct AppSettings {
    bool showDetails = false;
    bool showPrompt = true;
    bool showPointer = true;
    bool showTips = false;
    std::string textSearchUrl{kDefaultTextSearchUrl};
    std::string imageSearchUrl{kDefaultImageSearchUrl};
    std::int32_t transparency = 0;  // 0..255
    Colour pointerColour = kDefaultPointerColour;
    std::int32_t matchingPictureScheme = 0;
    std::array<GraphSetting, kGraphPageCount> graph{GraphSetting{2, 0}, {}, {}, {}, {}};
    ChartAttribTable pens = DefaultChartAttribs();

    GraphSetting& Graph(GraphPage page) { return graph[static_cast<std::size_t>(page)]; }
    const GraphSetting& Graph(GraphPage page) const {
        return graph[static_cast<std::size_t>(page)];
    }
    friend bool operator==(const AppSettings&, const AppSettings&) = default;
};

// What the main window remembers of its persons and database between runs.
struct StoredSelection {
    std::int32_t personIndex = 0;
    std::int32_t personGroup = 0;
    std::int32_t personIndex2 = 0;
    std::int32_t personGroup2 = 0;
    std::string databasePath;  // empty: the default database
    friend bool operator==(const StoredSelection&, const StoredSelection&) = default;
};

struct LoadedSettings {
    AppSettings settings;
    StoredSelection selection;
    bool firstStart = true;  // the main key did not exist
};

// Reads the main key. A missing or malformed value takes its default; on the first start
// (no key) the tip window stays off, while a key without Main_ShowTips turns it on.
LoadedSettings LoadAppSettings(const SettingsStore& store);
// Writes every value in the fixed order, then flushes. False when anything failed.
bool SaveAppSettings(SettingsStore& store, const AppSettings& settings,
                     const StoredSelection& selection);

// The four daily bar colours, faded toward white by the transparency, for the day value
// bands 75 and above, 50..74, 25..49 and below 25.
using BarColours = std::array<Colour, 4>;
BarColours ComputeBarColours(std::int32_t transparency);

// The transparency as the options dialog shows it, in whole percent, and back; each rounds
// half up: 50 % is 128 (127.5) and 128 shows as 50 %.
std::int32_t TransparencyFromPercent(int percent);
int TransparencyPercent(std::int32_t transparency);

struct FormPlacement {
    std::int32_t top = 0;
    std::int32_t left = 0;
    std::optional<std::int32_t> height;  // only for the windows that keep their size
    std::optional<std::int32_t> width;
    friend bool operator==(const FormPlacement&, const FormPlacement&) = default;
};

// A kept position is read within this distance of the screen's origin: far beyond any
// arrangement of screens, yet near enough that a window's size added to it cannot overflow.
inline constexpr std::int32_t kFormPositionLimit = 1 << 20;

// Only "MainForm" and "Calendar" keep their size; the others their position only.
bool KeepsSize(std::string_view windowName);
// Nothing when the window's subkey does not exist (the window is then centred).
std::optional<FormPlacement> LoadFormPlacement(const SettingsStore& store,
                                               std::string_view windowName);
bool SaveFormPlacement(SettingsStore& store, std::string_view windowName,
                       const FormPlacement& placement);

}  // namespace vitalune
