// The settings file as the desktop program reads it: whatever text it holds, read through the
// settings store, gives main and calendar settings in range that a save and a load give back
// the same, in memory and in a settings file, and window places that fitting to the screens
// brings onto a screen no larger than the largest one (or the window's minimum).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "FuzzInput.h"
#include "core/settings/AppSettings.h"
#include "core/settings/CalendarSettings.h"
#include "core/settings/MemorySettingsStore.h"
#include "gui/platform/QtSettingsStore.h"
#include "gui/widgets/WindowPlacement.h"

namespace {

using namespace vitalune;
using fuzz::Check;

// A file of its own for each run: the settings class caches what it read by file name. In
// memory where the system offers it, since every save syncs the file to disk.
QString NextFile() {
    static const QString folder =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static int count = 0;
    return folder + QStringLiteral("/vitalune-fuzz-settings-%1-%2.ini")
                        .arg(QCoreApplication::applicationPid())
                        .arg(++count);
}

void CheckInRange(const LoadedSettings& loaded) {
    const AppSettings& s = loaded.settings;
    Check(s.transparency >= 0 && s.transparency <= 255);
    for (const GraphSetting& graph : s.graph) {
        Check(graph.mode >= 0 && graph.mode <= 2 && graph.flag >= 0 && graph.flag <= 1);
    }
    for (const ChartAttrib& pen : s.pens) {
        Check(pen.style >= 0 && pen.style <= 4 && pen.width >= 1 && pen.width <= 3);
    }
}

void Save(SettingsStore& store, const LoadedSettings& loaded, const CalendarSettings& calendar) {
    Check(SaveAppSettings(store, loaded.settings, loaded.selection));
    Check(SaveCalendarSettings(store, calendar));
}

void CheckLoaded(const SettingsStore& reader, const LoadedSettings& loaded,
                 const CalendarSettings& calendar) {
    const LoadedSettings again = LoadAppSettings(reader);
    Check(!again.firstStart && again.settings == loaded.settings &&
          again.selection == loaded.selection);
    Check(LoadCalendarSettings(reader) == calendar);
}

// As a window restores its place: a kept size first (the toolkit bounds it), then the fit.
void CheckPlacement(const SettingsStore& store, std::string_view name) {
    const auto placement = LoadFormPlacement(store, name);
    if (!placement) {
        return;
    }
    const QSize minimum(200, 150);
    QSize size(500, 400);
    if (placement->width && placement->height) {
        size = QSize(std::clamp(*placement->width, minimum.width(), QWIDGETSIZE_MAX),
                     std::clamp(*placement->height, minimum.height(), QWIDGETSIZE_MAX));
    }
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, -200, 1280, 1024)};
    const QRect place =
        ui::FitOnScreens(QRect(QPoint(placement->left, placement->top), size), screens, minimum);
    Check(std::any_of(screens.begin(), screens.end(),
                      [&](const QRect& screen) { return screen.intersects(place); }));
    Check(place.width() <= 1920 && place.height() <= 1080);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QString file = NextFile();
    {
        QFile out(file);
        Check(out.open(QIODevice::WriteOnly) &&
              out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                  static_cast<qint64>(size));
    }
    const QString copy = NextFile();
    {
        const QtSettingsStore store(file);
        const LoadedSettings loaded = LoadAppSettings(store);
        Check(loaded.firstStart == !store.HasKey(""));
        CheckInRange(loaded);
        const CalendarSettings calendar = LoadCalendarSettings(store);

        MemorySettingsStore memory;
        Save(memory, loaded, calendar);
        CheckLoaded(memory, loaded, calendar);
        {
            QtSettingsStore written(copy);
            Save(written, loaded, calendar);
        }
        CheckLoaded(QtSettingsStore(copy), loaded, calendar);

        for (std::string_view name : {"MainForm", "Calendar", "DayInfo"}) {
            CheckPlacement(store, name);
        }
    }
    QFile::remove(file);
    QFile::remove(copy);
    return 0;
}
