#include "gui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <limits>

#include "core/settings/AppSettings.h"
#include "core/settings/MemorySettingsStore.h"

using namespace vitalune;

class WindowPlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void restoresKeepsAndRescues();
    void fitsOnTheNearestScreen_data();
    void fitsOnTheNearestScreen();
};

void WindowPlacementTest::restoresKeepsAndRescues() {
    MemorySettingsStore store;
    QWidget window;
    window.setMinimumSize(300, 200);
    window.resize(400, 300);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centre = screen.center();
    const auto centred = [&window, centre] {
        return (window.geometry().center() - centre).manhattanLength() <= 2;
    };
    ui::RestorePlacement(window, store, "Calendar");  // never kept: the screen's centre
    QVERIFY(centred());

    // The kept place and size come back, the size not below the window's minimum.
    SaveFormPlacement(store, "Calendar", {50, 60, 100, 700});
    ui::RestorePlacement(window, store, "Calendar");
    QCOMPARE(window.geometry(), QRect(60, 50, 700, 200));

    // A place far up and right of every screen: the screen's top right corner.
    SaveFormPlacement(store, "Calendar", {-5000, 9000, 300, 400});
    ui::RestorePlacement(window, store, "Calendar");
    QCOMPARE(window.geometry(), QRect(screen.right() - 399, screen.top(), 400, 300));

    // Sizes and places beyond any screen, as a damaged or hand-edited setting may hold them:
    // the window stays inside the screen, never larger.
    const int most = std::numeric_limits<int>::max();
    const int least = std::numeric_limits<int>::min();
    const FormPlacement wild[] = {{0, 0, 100000, 100000},
                                  {most, most, most, most},
                                  {least, least, least, least},
                                  {-100000, 100000, 100000, 7}};
    for (const FormPlacement& kept : wild) {
        SaveFormPlacement(store, "Calendar", kept);
        ui::RestorePlacement(window, store, "Calendar");
        QVERIFY2(screen.contains(window.geometry()),
                 qPrintable(QStringLiteral("%1 %2").arg(kept.left).arg(*kept.width)));
    }

    window.resize(400, 300);
    window.move(70, 80);
    QVERIFY(ui::KeepPlacement(window, store, "Calendar"));
    QVERIFY(LoadFormPlacement(store, "Calendar") == (FormPlacement{80, 70, 300, 400}));
}

void WindowPlacementTest::fitsOnTheNearestScreen_data() {
    QTest::addColumn<QRect>("kept");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("placed");
    const QSize small(300, 200);
    // Left 1920x1040 and right 1280x984 screens side by side; see `screens` below.
    QTest::newRow("on screen") << QRect(200, 150, 800, 600) << small << QRect(200, 150, 800, 600);
    QTest::newRow("straddling, mostly right")
        << QRect(1800, 200, 800, 600) << small << QRect(1800, 200, 800, 600);
    QTest::newRow("unplugged third monitor")
        << QRect(3500, 100, 800, 600) << small << QRect(2400, 100, 800, 600);
    QTest::newRow("far up-left") << QRect(-4000, -3000, 800, 600) << small << QRect(0, 0, 800, 600);
    QTest::newRow("below the smaller screen")
        << QRect(2000, 1000, 800, 600) << small << QRect(2000, 384, 800, 600);
    QTest::newRow("mostly below the bottom")
        << QRect(100, 900, 800, 600) << small << QRect(100, 440, 800, 600);
    QTest::newRow("title bar above the top")
        << QRect(500, -100, 800, 600) << small << QRect(500, 0, 800, 600);
    QTest::newRow("larger than the screen")
        << QRect(2000, 50, 2000, 1500) << small << QRect(1920, 0, 1280, 984);
    QTest::newRow("minimum wider than the screen")
        << QRect(2000, 50, 2000, 1500) << QSize(1400, 200) << QRect(1920, 0, 1400, 984);
}

void WindowPlacementTest::fitsOnTheNearestScreen() {
    QFETCH(QRect, kept);
    QFETCH(QSize, minimum);
    QFETCH(QRect, placed);
    const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 984)};
    QCOMPARE(ui::FitOnScreens(kept, screens, minimum), placed);
    QCOMPARE(ui::FitOnScreens(kept, {}, minimum), kept);
}

int RunWindowPlacementTests(int argc, char** argv) {
    WindowPlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowPlacement_test.moc"
