// The matching window driven offscreen over a small names database: patterns, the age boxes'
// coupling, exact bands, "Nobody found", stepping over headers and separators, View charts,
// the reports and web look-ups it asks the desktop for, and the panel's pixels.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/matching/MatchSettings.h"
#include "core/settings/AppSettings.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "gui/matching/TMatchForm.h"
#include "gui/paint/GdiCanvas.h"
#include "gui/platform/Shell.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

// Against Anna: Bob 83/86/88, Carl 83/79/52, Dora 83/50/27, Emil 83/43/9 (Physical, Emotional,
// Intellectual).
constexpr const char* kDatabase =
    "#Family|3\r\nAnna|05.01.1980|F\r\nBob|07.01.1980|M\r\nCarl|30.01.1980|M\r\n"
    "#Friends|5\r\nDora|26.01.1980|F\r\nEmil|22.02.1980|M\r\n";

struct Fixture {
    FixedClock clock{static_cast<DateTime>(EncodeDate(2026, 12, 8))};
    NamesDatabase db{clock};
    AppSettings settings;
    MemorySettingsStore store;
    RecordingShell shell;
    QTemporaryDir dir;
    QStringList messages;
    std::optional<std::pair<PersonPlace, PersonPlace>> charts;
    std::unique_ptr<TMatchForm> window;

    Fixture() {
        db.LoadFromBytes(kDatabase);
        MatchContext c;
        c.db = &db;
        c.personOne = [] { return PersonPlace{0, 0}; };
        c.settings = &settings;
        c.clock = &clock;
        c.dataFolder = dir.path().toStdString();
        c.store = &store;
        c.shell = &shell;
        c.viewCharts = [this](PersonPlace one, PersonPlace two) { charts = std::pair(one, two); };
        c.showMessage = [this](QWidget*, const QString& text) { messages.append(text); };
        window = std::make_unique<TMatchForm>(c);
        window->FormActivate();
    }
    QComboBox* Box(const char* name) const {
        return window->findChild<QComboBox*>(QString::fromLatin1(name));
    }
    void Choose(const char* box, int item) const { Box(box)->setCurrentIndex(item); }
    QStringList Listed() const {
        QStringList out;
        for (const MatchEntry& e : window->Result().entries) {
            out << (e.IsPerson() ? QString::fromStdString(e.name) : QString(QChar(e.kind[0])));
        }
        return out;
    }
    QString Current() const {
        const int row = window->CurrentEntry();
        return row < 0 ? QString() : QString::fromStdString(window->Result().entries[row].name);
    }
    bool Enabled(const char* button) const { return window->Button(button)->isEnabled(); }
};

class MatchingTest : public QObject {
    Q_OBJECT
  private slots:
    void patternsExactBandsAndNobodyFound() {
        Fixture f;
        f.Choose("OvBox", kSpecialSearchPattern);
        QCOMPARE(f.Listed(), (QStringList{"0", "Bob", "Carl", "1", "0", "Dora", "Emil", "1"}));
        f.Choose("OvBox", 2);  // "Sex partner": Physical Excellent, the others Any
        QCOMPARE((QList<int>{f.Box("PhBox")->currentIndex(), f.Box("EmBox")->currentIndex(),
                             f.Box("InBox")->currentIndex()}),
                 (QList<int>{1, 0, 0}));
        f.Choose("OvBox", 1);  // "Good match": Bob's 83, 86, 88 are at least good
        QCOMPARE(f.Listed(), (QStringList{"0", "Bob", "1"}));
        // The header is selected first: only the group report applies.
        QVERIFY(f.Enabled("GroupRepBtn") && !f.Enabled("PersRepBtn") &&
                !f.Enabled("ViewChartsBtn"));
        f.window->findChild<QCheckBox*>("ExactSearch")->click();  // but not within 60..79
        QCOMPARE(f.Listed(), QStringList{"2"});
        QVERIFY(!f.Enabled("GroupRepBtn") && !f.Enabled("PersRepBtn") &&
                !f.Enabled("ViewChartsBtn"));
        QVERIFY(f.window->StatusText(1).isEmpty());
    }

    void ageBoxesFollowEachOther() {
        Fixture f;
        f.window->findChild<QCheckBox*>("AgeCheck")->click();
        QVERIFY(f.Box("AgeBegin")->isEnabled());
        f.Choose("AgeEnd", 5);
        f.Choose("AgeBegin", 9);  // begin above end: the end moves up
        QCOMPARE(f.Box("AgeEnd")->currentIndex(), 9);
        f.Choose("AgeEnd", 3);  // end below begin: the begin moves down
        QCOMPARE(f.Box("AgeBegin")->currentIndex(), 3);
        QCOMPARE(f.window->Criteria().ageBegin, 3);
    }

    void stepsOverHeadersAndSeparators() {
        Fixture f;
        f.Choose("OvBox", kSpecialSearchPattern);
        QCOMPARE(f.Current(), QStringLiteral("Family|3"));
        QVERIFY(!f.Enabled("PersRepBtn"));
        QVERIFY(f.window->DispatchKey(Qt::Key_Down, false));
        QCOMPARE(f.Current(), QStringLiteral("Bob"));
        QCOMPARE(f.window->StatusText(1), QStringLiteral(" Found person: 07 Jan 1980"));
        QCOMPARE(f.window->StatusText(2), QStringLiteral(" Age difference: 0 years"));
        f.window->NextBtnClick();
        f.window->NextBtnClick();  // over the separator and the next group's header
        QCOMPARE(f.Current(), QStringLiteral("Dora"));
        f.window->NextBtnClick();
        f.window->NextBtnClick();  // nothing after the last person
        QCOMPARE(f.Current(), QStringLiteral("Emil"));
        f.window->PrevBtnClick();
        f.window->PrevBtnClick();
        QCOMPARE(f.Current(), QStringLiteral("Carl"));
    }

    void reportsLookUpsAndCharts() {
        Fixture f;
        f.Choose("OvBox", kSpecialSearchPattern);
        f.window->GroupReportBtnClick();
        f.window->NextBtnClick();
        QVERIFY(f.window->DispatchKey(Qt::Key_P, true));
        f.window->GetInfoBtnClick();
        QCOMPARE(f.shell.opened.size(), 3);
        QCOMPARE(f.shell.opened[0], QUrl::fromLocalFile(f.dir.filePath("group.htm")));
        QCOMPARE(f.shell.opened[1], QUrl::fromLocalFile(f.dir.filePath("personal.htm")));
        QVERIFY(f.shell.opened[2].toString().contains(QStringLiteral("Bob")));
        QVERIFY(f.messages.isEmpty());

        f.window->show();
        for (int i = 0; i < 3; ++i) {
            f.window->NextBtnClick();
        }
        QVERIFY(f.window->DispatchKey(Qt::Key_V, true));
        QVERIFY(f.charts);
        QCOMPARE((QList<std::size_t>{f.charts->first.group, f.charts->first.person,
                                     f.charts->second.group, f.charts->second.person}),
                 (QList<std::size_t>{0, 0, 1, 1}));  // Anna and Emil
        QVERIFY(!f.window->isVisible());
        // Closing kept the criteria.
        QCOMPARE(ReadInt(f.store, kMatchSettingsKey, "OvBox", -1), kSpecialSearchPattern);
    }

    void panelPixels() {
        Fixture f;
        f.Choose("OvBox", kSpecialSearchPattern);
        f.window->NextBtnClick();  // Bob
        paint::MatchPanelScene scene = f.window->PanelScene();
        QVERIFY(scene.person);
        QList<QPoint> ratings;
        scene.art.background = [](QPainter& p, const QRect& area, PictureScheme) {
            p.fillRect(area, QColor(0xE0, 0xF0, 0xFF));
        };
        scene.art.rating = [&ratings](QPainter&, QPoint at, int) { ratings << at; };
        QImage image(paint::kMatchPanelSize, QImage::Format_RGB32);
        QPainter p(&image);
        const paint::MatchPanelLayout l = paint::PaintMatchPanel(p, scene);
        p.end();
        // Eight rating pictures at c3: three rows a step apart, the overall row half a step
        // below the line, four more below "Other rhythms".
        QCOMPARE(ratings.size(), 8);
        QCOMPARE(ratings[0], QPoint(l.c3, l.physicalRow));
        QCOMPARE(ratings[2].y() - ratings[0].y(), 2 * l.step);
        QCOMPARE(l.lineY, ratings[2].y() + l.step + 2);
        QCOMPARE(ratings[3], QPoint(l.c3, l.lineY + l.step / 2));
        QCOMPARE(ratings[4], QPoint(l.c3, l.intuitiveRow));
        QCOMPARE(ratings[7].y() - ratings[4].y(), 3 * l.step);
        QCOMPARE(image.pixel(l.c1, l.lineY), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(l.c5 - 2, l.lineY), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(l.c5 + 1, l.lineY), qRgb(0xE0, 0xF0, 0xFF));
        // "Physical" ends at c2 in the Physical pen's colour.
        const QColor physical = paint::ToQColor(scene.pens[0].colour);
        bool found = false;
        for (int x = l.c2 - 12; x < l.c2 && !found; ++x) {
            for (int y = l.physicalRow; y < l.physicalRow + l.step && !found; ++y) {
                found = image.pixelColor(x, y) == physical;
            }
        }
        QVERIFY(found);
        // A header selected: the background alone.
        f.window->PrevBtnClick();
        f.window->ResultList()->setCurrentIndex(f.window->ResultList()->model()->index(0, 0));
        scene = f.window->PanelScene();
        QVERIFY(!scene.person);
    }
};

}  // namespace

QTEST_MAIN(MatchingTest)
#include "Matching_test.moc"
