// The day information window driven offscreen: the view it opens in, the view cycle, the day
// stepping by buttons, keys and wheel with their exceptions, and the Report button's files, the
// browser it asks for and its messages.
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>
#include <fstream>

#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/settings/AppSettings.h"
#include "gui/dayinfo/TDayInfo.h"
#include "gui/platform/Shell.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

const std::int32_t kCalculation = EncodeDate(2026, 12, 7);

struct Fixture {
    QTemporaryDir dir;
    AppSettings settings;
    RecordingShell shell;
    SeededRandom random{7};
    paint::ChartPage page = paint::ChartPage::Primary;
    QStringList messages;
    QList<int> topics;
    std::unique_ptr<TDayInfo> window;

    Fixture() {
        DayInfoContext c;
        c.calculationDate = [] { return kCalculation; };
        c.personOne = [] {
            return DayInfoPerson{"Anna", static_cast<DateTime>(EncodeDate(1970, 1, 5)),
                                 "05.01.1970", "F"};
        };
        c.personTwo = [] {
            return DayInfoPerson{"Bob", static_cast<DateTime>(EncodeDate(1975, 6, 30)),
                                 "30.06.1975", "M"};
        };
        c.activePage = [this] { return page; };
        c.settings = &settings;
        c.dataFolder = dir.path().toStdString();
        c.shell = &shell;
        c.random = &random;
        c.showHelp = [this](int topic) { topics.append(topic); };
        c.showMessage = [this](QWidget*, const QString& text) { messages.append(text); };
        window = std::make_unique<TDayInfo>(c);
    }

    // Shown for a chart column as the main window asks, active so the wheel counts.
    void Open(int column = kCalculationDayOffset) {
        window->ShowDay(kCalculation - kCalculationDayOffset + column);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    bool Visible(const char* button) const { return window->Button(button)->isVisible(); }
    std::int32_t ShownDay() const { return WholeDay(window->ReportDateShown()); }

    // The wheel turned over `over`, as the window sees it when the control under the pointer
    // leaves it alone.
    void Wheel(QWidget* over, int delta) {
        const QPointF global = over->mapToGlobal(QPointF(over->width() / 2.0, 10));
        QWheelEvent event(window->mapFromGlobal(global), global, QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window.get(), &event);
    }
};

class DayInfoTest : public QObject {
    Q_OBJECT
  private slots:
    void opensInTheViewOfTheMainPage() {
        const std::pair<paint::ChartPage, DayInfoMode> table[] = {
            {paint::ChartPage::Primary, DayInfoMode::Primary},
            {paint::ChartPage::Secondary, DayInfoMode::Secondary},
            {paint::ChartPage::Extra, DayInfoMode::Extra},
            {paint::ChartPage::IChing, DayInfoMode::IChing},
            {paint::ChartPage::Compatibility, DayInfoMode::Interaction},
        };
        Fixture f;
        for (const auto& [page, mode] : table) {
            f.page = page;
            f.Open();
            QCOMPARE(f.window->Mode(), mode);
        }
        // From the compatibility page: the pair's buttons, the day buttons, no report.
        QCOMPARE(f.window->windowTitle(), QStringLiteral(" Vitalune: Interaction"));
        QVERIFY(f.Visible("CurrentBtn") && f.Visible("PermanentBtn") && !f.Visible("PrimaryBtn"));
        QVERIFY(f.Visible("PreviousBtn") && f.Visible("NextBtn") && !f.Visible("ReportBtn"));
        f.window->PermanentBtnClick();
        QCOMPARE(f.window->windowTitle(), QStringLiteral(" Vitalune: Compatibility"));
        QVERIFY(!f.Visible("PreviousBtn") && !f.Visible("NextBtn") && f.Visible("ReportBtn"));
        QVERIFY(f.window->NotesBox()->isVisible());
    }

    void clicksCycleTheViews() {
        Fixture f;
        f.Open();
        const DayInfoMode cycle[] = {DayInfoMode::Secondary, DayInfoMode::Extra,
                                     DayInfoMode::IChing, DayInfoMode::Primary};
        for (const DayInfoMode mode : cycle) {
            QTest::mouseClick(f.window->Table(), Qt::LeftButton);
            QCOMPARE(f.window->Mode(), mode);
            QVERIFY(f.window->NotesBox()->isVisible() == (mode == DayInfoMode::Primary));
        }
        f.window->CurrentBtnClick();
        QTest::mouseClick(f.window->Table(), Qt::LeftButton);
        QCOMPARE(f.window->Mode(), DayInfoMode::Compatibility);
        QTest::mouseClick(f.window->Table(), Qt::LeftButton);
        QCOMPARE(f.window->Mode(), DayInfoMode::Interaction);
    }

    void stepsTheDayByButtonsKeysAndTheWheel() {
        Fixture f;
        f.Open(20);
        QCOMPARE(f.ShownDay(), kCalculation + 4);
        f.window->NextBtnClick();
        QVERIFY(f.window->DispatchKey(Qt::Key_Right, false));
        QCOMPARE(f.ShownDay(), kCalculation + 6);
        f.Wheel(f.window->Table(), -120);
        QCOMPARE(f.ShownDay(), kCalculation + 5);
        f.Wheel(f.window->NotesBox(), -120);
        QCOMPARE(f.ShownDay(), kCalculation + 5);
        // Keys press the view buttons, each only where it is shown, and are used up anyway.
        QVERIFY(f.window->DispatchKey(Qt::Key_4, true));
        QCOMPARE(f.window->Mode(), DayInfoMode::IChing);
        QVERIFY(f.window->DispatchKey(Qt::Key_6, false));
        QCOMPARE(f.window->Mode(), DayInfoMode::IChing);
        QVERIFY(!f.window->DispatchKey(Qt::Key_P, false));
        // Compatibility does not depend on the day: no stepping at all.
        f.window->PermanentBtnClick();
        QVERIFY(f.window->DispatchKey(Qt::Key_Left, false));
        f.Wheel(f.window->Table(), 120);
        QCOMPARE(f.ShownDay(), kCalculation + 5);
        f.window->HelpBtnClick();
        f.window->PrimaryBtnClick();  // hidden in the pair views, but a handler still runs
        f.window->HelpBtnClick();
        QCOMPARE(f.topics, QList<int>({9, 5}));
    }

    void primaryNotesTellTheDayAndChangeTheirText() {
        Fixture f;
        f.Open();
        const DayTextChoice first = f.window->TextChoice();
        QVERIFY(!f.window->Notes().empty());
        QVERIFY(f.window->NotesBox()->toPlainText().contains(QStringLiteral("Physical state:")));
        // Coming back to the window keeps the text; asking for the view again gives another.
        f.window->FormActivate();
        QCOMPARE(f.window->TextChoice(), first);
        f.window->PrimaryBtnClick();
        QCOMPARE(f.window->TextChoice().combination, first.combination);
        QVERIFY(f.window->TextChoice().variant != first.variant);
    }

    void reportsAreWrittenAndOpened() {
        Fixture f;
        f.Open();
        f.window->SecondaryBtnClick();
        f.window->ReportBtnClick();
        const QString dayReport = f.dir.filePath(QStringLiteral("dayinfo.htm"));
        QCOMPARE(f.shell.opened, QList<QUrl>({QUrl::fromLocalFile(dayReport)}));
        std::ifstream in(dayReport.toStdString());
        const std::string page((std::istreambuf_iterator<char>(in)), {});
        QVERIFY(page.find("Created for: Anna, 05 Jan 1970") != std::string::npos);

        f.window->PermanentBtnClick();
        f.shell.succeed = false;
        f.window->ReportBtnClick();
        const QString personal = f.dir.filePath(QStringLiteral("personal.htm"));
        QCOMPARE(f.shell.opened.last(), QUrl::fromLocalFile(personal));
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages.last().endsWith(personal));
        QVERIFY(f.messages.last().contains(QStringLiteral("browser")));

        // A report that cannot be written opens nothing and says which file it was.
        QVERIFY(QFile::remove(personal));
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("personal.htm")));
        f.window->ReportBtnClick();
        QCOMPARE(f.shell.opened.size(), 2);
        QVERIFY(f.messages.last().startsWith(QStringLiteral("Unable to create a file") + personal));
    }
};

}  // namespace

QTEST_MAIN(DayInfoTest)
#include "DayInfo_test.moc"
