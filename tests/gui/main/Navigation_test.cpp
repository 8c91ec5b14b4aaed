#include <QAbstractItemView>
#include <QAction>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrlQuery>
#include <QWheelEvent>

#include "MainFormFixture.h"
#include "core/engine/Date.h"
#include "gui/main/ChartBox.h"
#include "gui/paint/ChartPainter.h"

using namespace vitalune;
using namespace vitalune::ui;
using namespace vitalune::ui::test;
using paint::ChartPage;

namespace {

void Click(const QWidget& form, const char* button) {
    Child<QAbstractButton>(form, button)->click();
}

void Wheel(QWidget* target, QPoint local, int delta) {
    const QPointF global = target->mapToGlobal(QPointF(local));
    QWheelEvent event(QPointF(local), global, QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void WriteDatabase(const std::filesystem::path& folder, const QByteArray& text) {
    std::filesystem::create_directories(folder);
    QFile file(QString::fromStdString((folder / "db.rec").string()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT
  private slots:
    void toolBarCaptionsAndHints();
    void popupAndHelpMenus();
    void toolBarOpensTheWindows();
    void emptyHooksDoNothing();
    void dateStepsAtMonthEndsAndLeapDays();
    void dateStepsStopAtTheEndsOfTheCalendar();
    void chartClickOpensTheDayOfItsColumn();
    void popupDayInfoUsesTheLastPress();
    void contextMenuOnEveryChart();
    void mouseWheelStepsOverThePagesOnly();
    void panelClickFocusesDayPlus();
    void statusBarPanels();
    void webLookUps();
    void webLookUpOfAwkwardNames();
};

void NavigationTest::toolBarCaptionsAndHints() {
    MainFormFixture f;
    auto form = f.Make();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
    } expected[] = {
        {"ToolButton1", "&Print", "Alt+P"},     {"ToolButton2", "&Save", "Alt+S"},
        {"ToolButton11", "&Names DB", "Alt+N"}, {"ToolButton4", "&Day Info", "Alt+D"},
        {"ToolButton5", "&Calendar ", "Alt+C"}, {"ToolButton6", "&Forecast", "Alt+F"},
        {"ToolButton10", "&Matching", "Alt+M"}, {"ToolButton8", "&Options", "Alt+O"},
        {"ToolButton9", "&Help", "F1, Alt+H"},
    };
    auto* bar = Child<QToolBar>(*form, "ToolBar1");
    int left = -1;
    for (const auto& e : expected) {
        auto* button = Child<QToolButton>(*form, e.name);
        QCOMPARE(button->text(), QString::fromLatin1(e.caption));
        QCOMPARE(button->toolTip(), QString::fromLatin1(e.hint));
        QVERIFY(!button->accessibleName().isEmpty());
        QCOMPARE(button->parentWidget(), bar);
        QVERIFY2(button->x() > left, e.name);  // in the order of the table
        left = button->x();
    }
}

void NavigationTest::popupAndHelpMenus() {
    MainFormFixture f;
    auto form = f.Make();
    QCOMPARE(form->Menus().popup->objectName(), QStringLiteral("PopupMenuCommon"));
    QStringList popup;
    for (QAction* a : form->Menus().popup->actions()) {
        popup << a->objectName() + "=" + a->text();
    }
    QCOMPARE(popup, (QStringList{
                        "GetDayinfo1=Get &day info (Alt+D)", "PrintPicture1=&Print Picture (Alt+P)",
                        "SavePicture2=&Save Picture (Alt+S)", "Copy1=Copy to clipboard (Ctrl+C)",
                        "NamesDB=Names Database (Alt+N)", "ChartSettings1=Options"}));
    QStringList help;
    for (QAction* a : form->Menus().helpMenu->actions()) {
        help << a->objectName() + "=" + a->text();
        a->trigger();
    }
    QCOMPARE(help, (QStringList{"Index2=Help (F1)", "Gettingstarted2=Getting started",
                                "Theoverview1=The overview", "Theory2=Theory", "About2=About"}));
    QCOMPARE(f.opened, (QStringList{"help 0", "help 10", "help 4", "help 1", "about"}));

    f.opened.clear();
    MainFormFixture::TakeClipboard();
    for (const char* name :
         {"NamesDB", "ChartSettings1", "PrintPicture1", "SavePicture2", "Copy1"}) {
        Child<QAction>(*form, name)->trigger();
    }
    QCOMPARE(f.opened + MainFormFixture::TakeClipboard(),
             (QStringList{"names", "options", "print dialog", "save dialog", "clipboard"}));

    // The help button opens its menu just below itself.
    QVERIFY(MainFormFixture::Activate(*form));
    Click(*form, "ToolButton9");
    QMenu* menu = form->Menus().helpMenu;
    QTRY_VERIFY(menu->isVisible());
    const QToolBar* bar = form->Menus().toolBar;
    const QToolButton* button = form->Menus().helpButton;
    QCOMPARE(HelpMenuPosition(form->Menus()),
             bar->mapToGlobal(QPoint(button->x(), bar->height() - 1)));
    QCOMPARE(menu->pos().x(), button->mapToGlobal(QPoint(0, 0)).x());
    QCOMPARE(menu->pos(), HelpMenuPosition(form->Menus()));
    // Just below the button: the tool bar's last pixel row, under the button's bottom edge.
    QVERIFY(menu->pos().y() >= button->mapToGlobal(QPoint(0, button->height())).y());
    QVERIFY(menu->pos().y() <= bar->mapToGlobal(QPoint(0, bar->height())).y());
    menu->close();
}

void NavigationTest::toolBarOpensTheWindows() {
    MainFormFixture f;
    auto form = f.Make();
    form->SetCalculationDate(EncodeDate(2026, 6, 15));
    for (const char* name : {"ToolButton1", "ToolButton2", "ToolButton11", "ToolButton4",
                             "ToolButton5", "ToolButton6", "ToolButton10", "ToolButton8"}) {
        Click(*form, name);
    }
    QCOMPARE(f.opened,
             (QStringList{"print dialog", "save dialog", "names", "dayinfo 2026-06-15 show",
                          "calendar", "forecast", "matching", "options"}));
}

void NavigationTest::emptyHooksDoNothing() {
    MainFormFixture f;
    auto form = f.Make();
    form->SetCalendarWindow({});
    form->SetDayInfoWindow({});
    form->SetHelpTopicShower({});
    form->SetOptionsDialog({});
    Click(*form, "ToolButton5");
    Click(*form, "ToolButton4");
    Click(*form, "ToolButton8");
    form->Menus().helpMenu->actions().first()->trigger();
    QCOMPARE(f.opened, QStringList{});
    QCOMPARE(f.messages, QStringList{});
}

void NavigationTest::dateStepsAtMonthEndsAndLeapDays() {
    MainFormFixture f;
    auto form = f.Make();
    const struct {
        CivilDate from;
        const char* button;
        CivilDate to;
    } steps[] = {
        {{2026, 3, 31}, "MonthMinus", {2026, 2, 28}},  {{2024, 3, 31}, "MonthMinus", {2024, 2, 29}},
        {{2024, 1, 31}, "MonthPlus", {2024, 2, 29}},   {{2023, 1, 30}, "MonthPlus", {2023, 2, 28}},
        {{2024, 2, 29}, "MonthPlus", {2024, 3, 29}},   {{2026, 12, 15}, "MonthPlus", {2027, 1, 15}},
        {{2027, 1, 15}, "MonthMinus", {2026, 12, 15}}, {{2024, 2, 28}, "DayPlus", {2024, 2, 29}},
        {{2024, 2, 29}, "DayPlus", {2024, 3, 1}},      {{2023, 3, 1}, "DayMinus", {2023, 2, 28}},
        {{2026, 12, 31}, "DayPlus", {2027, 1, 1}},     {{1900, 3, 1}, "DayMinus", {1900, 2, 28}},
    };
    for (const auto& s : steps) {
        form->SetCalculationDate(EncodeDate(s.from.year, s.from.month, s.from.day));
        Click(*form, s.button);
        QCOMPARE(DecodeDate(form->CalculationDate()), s.to);
    }
    Click(*form, "DOBBtn");
    QCOMPARE(form->CalculationDate(), form->PersonOne().birth);
    Click(*form, "TodayBtn");
    QCOMPARE(form->CalculationDate(), kFixtureToday);
}

void NavigationTest::dateStepsStopAtTheEndsOfTheCalendar() {
    MainFormFixture f;
    auto form = f.Make();
    const struct {
        CivilDate from;
        const char* button;
        CivilDate to;
    } steps[] = {
        {{1, 1, 1}, "DayMinus", {1, 1, 1}},
        {{1, 1, 1}, "DayPlus", {1, 1, 2}},
        {{1, 1, 31}, "MonthMinus", {1, 1, 31}},
        {{1, 2, 28}, "MonthMinus", {1, 1, 28}},
        {{9999, 12, 31}, "DayPlus", {9999, 12, 31}},
        {{9999, 12, 31}, "DayMinus", {9999, 12, 30}},
        {{9999, 12, 15}, "MonthPlus", {9999, 12, 15}},
        {{9999, 11, 30}, "MonthPlus", {9999, 12, 30}},
    };
    for (const auto& s : steps) {
        form->SetCalculationDate(EncodeDate(s.from.year, s.from.month, s.from.day));
        Click(*form, s.button);
        QCOMPARE(DecodeDate(form->CalculationDate()), s.to);
    }
    // The day info of the chart's end columns stays inside the calendar too.
    form->SetCalculationDate(kMaxDay);
    QCOMPARE(form->ColumnDay(31), kMaxDay);
    QCOMPARE(form->ColumnDay(0), kMaxDay - 16);
}

void NavigationTest::chartClickOpensTheDayOfItsColumn() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    form->SetCalculationDate(EncodeDate(2026, 6, 15));
    ChartBox* box = form->PaintBox(ChartPage::Primary);
    const paint::ChartGeometry& g = form->Geometry();
    QVERIFY(g.dayW > 0);
    QCOMPARE(g.dayW, box->width() / 32);
    const int y = box->height() / 2;
    const auto press = [&](int x, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(box, button, {}, QPoint(x, y));
    };
    press(g.left + 16 * g.dayW + 1);              // the calculation date
    press(g.left);                                // first column: 16 days earlier
    press(g.left + g.dayW - 1);                   // still the first column
    press(g.left + g.dayW);                       // the second
    press(0);                                     // left of the chart: first column
    press(box->width() - 1);                      // right of it: last column
    press(g.left + 31 * g.dayW + g.dayW - 1);     // last column
    press(g.left + 5 * g.dayW, Qt::RightButton);  // no day info
    QCOMPARE(f.opened, (QStringList{"dayinfo 2026-06-15 show", "dayinfo 2026-05-30 show",
                                    "dayinfo 2026-05-30 show", "dayinfo 2026-05-31 show",
                                    "dayinfo 2026-05-30 show", "dayinfo 2026-06-30 show",
                                    "dayinfo 2026-06-30 show"}));
    QCOMPARE(form->LastClickX(), g.left + 5 * g.dayW);
}

void NavigationTest::popupDayInfoUsesTheLastPress() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    form->SetCalculationDate(EncodeDate(2026, 6, 15));
    form->SetActivePage(ChartPage::Extra);
    ChartBox* box = form->PaintBox(ChartPage::Extra);
    const paint::ChartGeometry& g = form->Geometry();
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(g.left + 20 * g.dayW + 2, 40));
    Child<QAction>(*form, "GetDayinfo1")->trigger();
    Child<QToolButton>(*form, "ToolButton4")->click();
    QCOMPARE(f.opened, (QStringList{"dayinfo 2026-06-19 focus", "dayinfo 2026-06-15 show"}));
}

void NavigationTest::contextMenuOnEveryChart() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    QMenu* menu = form->Menus().popup;
    for (const ChartPage page : {ChartPage::Primary, ChartPage::Secondary, ChartPage::Extra,
                                 ChartPage::IChing, ChartPage::Compatibility}) {
        form->SetActivePage(page);
        ChartBox* box = form->PaintBox(page);
        const QPoint at(50, 60);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &event);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QTRY_VERIFY(!menu->isVisible());
    }
}

void NavigationTest::mouseWheelStepsOverThePagesOnly() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    const std::int32_t start = EncodeDate(2026, 6, 15);
    form->SetCalculationDate(start);
    ChartBox* box = form->PaintBox(ChartPage::Primary);
    Wheel(box, QPoint(100, 100), 120);  // up: a day forward
    QCOMPARE(form->CalculationDate(), start + 1);
    Wheel(box, QPoint(100, 100), -240);  // two notches down
    QCOMPARE(form->CalculationDate(), start - 1);
    Wheel(box, QPoint(100, 100), 60);  // half a notch waits for the other half
    QCOMPARE(form->CalculationDate(), start - 1);
    Wheel(box, QPoint(100, 100), 60);
    QCOMPARE(form->CalculationDate(), start);
    auto* tabs = Child<QTabWidget>(*form, "PageControl");
    Wheel(tabs->tabBar(), QPoint(10, 5), -120);  // steps the date, does not turn the page
    QCOMPARE(form->CalculationDate(), start - 1);
    QCOMPARE(form->ActivePage(), ChartPage::Primary);
    Wheel(form->statusBar(), QPoint(10, 5), 120);  // below the pages: nothing
    QCOMPARE(form->CalculationDate(), start - 1);

    QWidget other;
    QVERIFY(MainFormFixture::Activate(other));
    Wheel(box, QPoint(100, 100), 120);  // the main window is not active
    QCOMPARE(form->CalculationDate(), start - 1);
}

void NavigationTest::panelClickFocusesDayPlus() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    auto* panel = Child<QWidget>(*form, "Panel1");
    auto* personBox = Child<QGroupBox>(*form, "PersonBox");
    // A point of the panel itself, between the person box and the date box.
    const QPoint gap(personBox->geometry().right() + 2, panel->height() / 2);
    QCOMPARE(panel->childAt(gap), nullptr);
    Child<QDateEdit>(*form, "CDate")->setFocus();
    QTest::mouseClick(panel, Qt::LeftButton, {}, gap);
    QTRY_VERIFY(Child<QPushButton>(*form, "DayPlus")->hasFocus());
}

void NavigationTest::statusBarPanels() {
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    QVERIFY(MainFormFixture::Activate(*form));
    const auto panel = [&](int i) {
        return Child<QLabel>(*form, QStringLiteral("StatusPanel%1").arg(i).toLatin1());
    };
    QCOMPARE(panel(0)->text(), QStringLiteral(" Person's DOB: 14 Mar 1879"));
    QCOMPARE(panel(1)->text(), QString());
    QCOMPARE(panel(2)->text(), QString());
    const int widths[] = {170, 220, 260, 50};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(panel(i)->parentWidget(), form->statusBar());
        QVERIFY2(panel(i)->width() >= widths[i], qPrintable(QString::number(i)));
    }
    QCOMPARE(panel(0)->width(), 170);  // the text fits, so the panel keeps its width

    form->SetActivePage(ChartPage::Compatibility);
    QCOMPARE(panel(1)->text(), QStringLiteral(" Second person's DOB: 07 Nov 1867"));
    QCOMPARE(panel(2)->text(), QStringLiteral(" Age difference: 11 years, 4 months, 7 days"));
    QCOMPARE(panel(3)->text(), QString());
    // Changing either person recomputes it.
    auto* pname2 = Child<QAbstractItemView>(*form, "PName2");
    pname2->setCurrentIndex(pname2->model()->index(4, 0));  // Albert Einstein again
    QCOMPARE(panel(2)->text(), QStringLiteral(" Age difference: 0 years, 0 months, 0 days"));
    auto* pname = Child<QAbstractItemView>(*form, "PName");
    pname->setCurrentIndex(pname->model()->index(0, 0));  // Abraham Lincoln, 12 Feb 1809
    QCOMPARE(panel(2)->text(), QStringLiteral(" Age difference: 70 years, 1 month, 2 days"));

    form->SetActivePage(ChartPage::Secondary);
    QCOMPARE(panel(1)->text(), QString());
    QCOMPARE(panel(2)->text(), QString());
    pname->setCurrentIndex(pname->model()->index(4, 0));
    QCOMPARE(panel(2)->text(), QString());  // only on the Compatibility page
}

void NavigationTest::webLookUps() {
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    Click(*form, "GetInfo1Btn");
    Click(*form, "GetPict1Btn");
    Click(*form, "GetInfo2Btn");
    Click(*form, "GetPict2Btn");
    QCOMPARE(f.shell.opened.size(), 4);
    QCOMPARE(f.shell.opened[0].toEncoded(),
             QByteArray("https://duckduckgo.com/html/?hl=en&lr=&q=%22Albert+Einstein%22"));
    QCOMPARE(f.shell.opened[1].toEncoded(),
             QByteArray("https://duckduckgo.com/?ia=images&iax=images&hl=en&lr=&q="
                        "%22Albert+Einstein%22"));
    QVERIFY(f.shell.opened[2].toEncoded().endsWith("&q=%22Marie+Curie%22"));
    QVERIFY(f.shell.opened[3].toEncoded().startsWith("https://duckduckgo.com/?ia=images"));
    QCOMPARE(Child<QToolButton>(*form, "GetInfo1Btn")->toolTip(),
             QStringLiteral("Ask Web about this person "));
    QCOMPARE(Child<QToolButton>(*form, "GetPict2Btn")->toolTip(),
             QStringLiteral("Find suitable images"));
    QCOMPARE(f.messages, QStringList{});

    // A desktop that cannot open it is told to the user.
    f.shell.succeed = false;
    Click(*form, "GetInfo1Btn");
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].startsWith("Unable to open the web address https://duckduckgo.com/"));
}

void NavigationTest::webLookUpOfAwkwardNames() {
    MainFormFixture f;
    WriteDatabase(f.DataFolder(),
                  "#Odd names|0\r\n"
                  "Tom & Jerry #1 + 100%|01.02.1990|M\r\n"
                  "Anton\xC3\xADn Dvo\xC5\x99\xC3\xA1k|08.09.1841|M\r\n");
    WriteString(f.store, "", "Main_TSearchURL", "https://example.org/find?hl=en&lr=&q=");
    auto form = f.Make();
    auto* pname = Child<QAbstractItemView>(*form, "PName");
    pname->setCurrentIndex(pname->model()->index(1, 0));
    Click(*form, "GetInfo1Btn");
    pname->setCurrentIndex(pname->model()->index(0, 0));
    Click(*form, "GetInfo1Btn");
    QCOMPARE(f.shell.opened.size(), 2);
    QCOMPARE(
        f.shell.opened[0].toEncoded(),
        QByteArray("https://example.org/find?hl=en&lr=&q=%22Tom+%26+Jerry+%231+%2B+100%25%22"));
    QStringList keys;  // no key was added
    for (const auto& item : QUrlQuery(f.shell.opened[0]).queryItems()) {
        keys << item.first;
    }
    QCOMPARE(keys, (QStringList{"hl", "lr", "q"}));
    QVERIFY(!f.shell.opened[0].hasFragment());
    QCOMPARE(
        f.shell.opened[1].toEncoded(),
        QByteArray("https://example.org/find?hl=en&lr=&q=%22Anton%C3%ADn+Dvo%C5%99%C3%A1k%22"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    NavigationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "Navigation_test.moc"
