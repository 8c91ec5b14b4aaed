#include "gui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "core/settings/AppSettings.h"

namespace vitalune::ui {

namespace {

qint64 Area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

// Squared gap between two rectangles, 0 when they touch or overlap.
qint64 Gap(const QRect& a, const QRect& b) {
    const qint64 dx = std::max({qint64(0), qint64(a.x()) - (qint64(b.x()) + b.width()),
                                qint64(b.x()) - (qint64(a.x()) + a.width())});
    const qint64 dy = std::max({qint64(0), qint64(a.y()) - (qint64(b.y()) + b.height()),
                                qint64(b.y()) - (qint64(a.y()) + a.height())});
    return dx * dx + dy * dy;
}

// Pushes [start, start + length) inside [low, low + room); what is longer than the room starts
// at its beginning, so the title bar stays in reach.
int Inside(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

void Centre(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

}  // namespace

QRect FitOnScreens(QRect window, const QList<QRect>& screenAreas, QSize minimum) {
    if (screenAreas.isEmpty()) {
        return window;
    }
    // The screen holding most of the window; when it holds none of it, the closest one.
    const auto best = std::min_element(
        screenAreas.begin(), screenAreas.end(), [&window](const QRect& a, const QRect& b) {
            const qint64 onA = Area(a.intersected(window));
            const qint64 onB = Area(b.intersected(window));
            return onA != onB ? onA > onB : Gap(a, window) < Gap(b, window);
        });
    const QRect area = *best;
    // Left alone when it fits the screen, at least half of it shows there and its top edge is on
    // it: then the title bar can be grabbed and the user may well have pushed it partly aside on
    // purpose. Less than half shown reads as a place made for another monitor or resolution.
    const bool fits = window.width() <= area.width() && window.height() <= area.height();
    const bool mostlyShown = 2 * Area(area.intersected(window)) >= Area(window);
    const bool topOnScreen = window.top() >= area.top() && window.top() <= area.bottom();
    if (fits && mostlyShown && topOnScreen) {
        return window;
    }
    const int width = std::max(std::min(window.width(), area.width()), minimum.width());
    const int height = std::max(std::min(window.height(), area.height()), minimum.height());
    return {Inside(window.x(), width, area.x(), area.width()),
            Inside(window.y(), height, area.y(), area.height()), width, height};
}

void RestorePlacement(QWidget& window, const SettingsStore& store, std::string_view name) {
    const auto placement = LoadFormPlacement(store, name);
    if (!placement) {
        Centre(window);
        return;
    }
    // A damaged or hand-edited setting may hold any number. Bounded first, nothing below can
    // overflow, and the window never takes the stored size before it is fitted to a screen.
    static constexpr int kFar = 1 << 20;
    const auto bounded = [](int value) { return std::clamp(value, -kFar, kFar); };
    QSize size = window.size();
    if (placement->width && placement->height) {
        size = QSize(bounded(*placement->width), bounded(*placement->height))
                   .expandedTo(window.minimumSize());
    }
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append(screen->availableGeometry());
    }
    const QRect place =
        FitOnScreens(QRect(QPoint(bounded(placement->left), bounded(placement->top)), size), areas,
                     window.minimumSize());
    window.resize(place.size().boundedTo(QSize(kFar, kFar)));
    window.move(place.topLeft());
}

bool KeepPlacement(const QWidget& window, SettingsStore& store, std::string_view name) {
    return SaveFormPlacement(store, name,
                             {window.y(), window.x(), window.height(), window.width()});
}

}  // namespace vitalune::ui
