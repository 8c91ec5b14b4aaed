#include "gui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "core/settings/AppSettings.h"
#include "core/settings/MemorySettingsStore.h"

using namespace vitalune;

class WindowPlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void restoresKeepsAndRescues();
};

void WindowPlacementTest::restoresKeepsAndRescues() {
    MemorySettingsStore store;
    QWidget window;
    window.setMinimumSize(300, 200);
    window.resize(400, 300);
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const auto centred = [&window, centre] {
        return (window.geometry().center() - centre).manhattanLength() <= 2;
    };
    ui::RestorePlacement(window, store, "Calendar");  // never kept: the screen's centre
    QVERIFY(centred());

    // The kept place and size come back, the size not below the window's minimum.
    SaveFormPlacement(store, "Calendar", {50, 60, 100, 700});
    ui::RestorePlacement(window, store, "Calendar");
    QCOMPARE(window.geometry(), QRect(60, 50, 700, 200));

    // A place on no screen any more: the centre again.
    SaveFormPlacement(store, "Calendar", {-5000, 9000, 300, 400});
    ui::RestorePlacement(window, store, "Calendar");
    QVERIFY(centred());

    window.move(70, 80);
    QVERIFY(ui::KeepPlacement(window, store, "Calendar"));
    QVERIFY(LoadFormPlacement(store, "Calendar") == (FormPlacement{80, 70, 300, 400}));
}

int RunWindowPlacementTests(int argc, char** argv) {
    WindowPlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowPlacement_test.moc"
