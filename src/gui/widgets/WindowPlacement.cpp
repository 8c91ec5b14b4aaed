#include "gui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "core/settings/AppSettings.h"

namespace vitalune::ui {

namespace {

void Centre(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

bool OnSomeScreen(const QRect& frame) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&frame](const QScreen* screen) {
        return screen->availableGeometry().intersects(frame);
    });
}

}  // namespace

void RestorePlacement(QWidget& window, const SettingsStore& store, std::string_view name) {
    const auto placement = LoadFormPlacement(store, name);
    if (placement && placement->width && placement->height) {
        window.resize(std::max(*placement->width, window.minimumWidth()),
                      std::max(*placement->height, window.minimumHeight()));
    }
    if (!placement ||
        !OnSomeScreen(QRect(QPoint(placement->left, placement->top), window.size()))) {
        Centre(window);
        return;
    }
    window.move(placement->left, placement->top);
}

bool KeepPlacement(const QWidget& window, SettingsStore& store, std::string_view name) {
    return SaveFormPlacement(store, name,
                             {window.y(), window.x(), window.height(), window.width()});
}

}  // namespace vitalune::ui
