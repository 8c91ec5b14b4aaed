// The main window: start-up and settings, persons and status bar, date steps, the tool bar and
// menus, the pointer, web look-ups and picture output. The keys are in MainKeys_test.cpp.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "MainFormFixture.h"
#include "app/gui/ExportChart.h"
#include "gui/main/ChartBox.h"

using namespace vitalune;
using namespace vitalune::ui;
using namespace vitalune::ui::test;
using paint::ChartPage;

namespace {

void SelectRow(const QWidget& form, const char* list, int row) {
    auto* view = Child<QListView>(form, list);
    view->setCurrentIndex(view->model()->index(row, 0));
}

QString PanelText(const QWidget& form, int panel) {
    return Child<QLabel>(form, QStringLiteral("StatusPanel%1").arg(panel).toLatin1())->text();
}

void Wheel(QWidget* target, int delta) {
    const QPointF local(10, 5);
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void WriteFile(const std::filesystem::path& path, const QByteArray& text) {
    std::filesystem::create_directories(path.parent_path());
    QFile file(QString::fromStdString(path.string()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray Head(const QString& path, int bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartAndGroups();
    void unusableStoredDatabase();
    void personsAndStatusBar();
    void closeWritesSettingsForTheNextRun();
    void firstActivationShowsSelectorOnce();
    void dateButtons_data();
    void dateButtons();
    void toolBarButtons();
    void menus();
    void chartClickOpensTheDayOfItsColumn();
    void contextMenuOnEveryChart();
    void wheelAndPanel();
    void webLookUps();
    void paintBoxShowsTheChartAsExported();
    void savePicture();
    void cancelCopyAndPrint();
};

void MainFormTest::firstStartAndGroups() {
    MainFormFixture f;
    auto form = f.Make();
    QCOMPARE(form->windowTitle(), QStringLiteral(" Vitalune v3.04"));
    QCOMPARE(form->CalculationDate(), kToday);
    auto* group1 = Child<QComboBox>(*form, "Group1");
    QCOMPARE(group1->count(), 2);
    QCOMPARE(form->PersonOne().name, std::string("New person"));
    QVERIFY(!form->Settings().showTips);
    // The template became the user's database; nothing is written before the window closes.
    QCOMPARE(form->Database().FileName(), (f.DataFolder() / "db.rec").string());
    QVERIFY(std::filesystem::exists(f.DataFolder() / "db.rec"));
    QCOMPARE(f.store.WriteCount(), 0);

    group1->setCurrentIndex(1);
    QCOMPARE(Child<QListView>(*form, "PName")->model()->rowCount(), 43);
    QCOMPARE(form->PersonOne().name, std::string("Abraham Lincoln"));  // sorted by name
    SelectRow(*form, "PName", 1);
    Click(*form, "DOBBtn");
    QCOMPARE(form->CalculationDate(), EncodeDate(1815, 12, 10));  // Ada Lovelace's
    QCOMPARE(f.messages, QStringList{});
}

void MainFormTest::unusableStoredDatabase() {
    MainFormFixture f;
    // A stored database without a single group header stands as an empty database, silently.
    const std::filesystem::path names = f.DataFolder() / "names.rec";
    WriteFile(names, "; only a comment\n");
    WriteString(f.store, "", "DB_Name", names.string());
    auto form = f.Make();
    QCOMPARE(form->Database().FileName(), names.string());
    QCOMPARE(Child<QComboBox>(*form, "Group1")->count(), 1);
    QCOMPARE(form->PersonOne().name, std::string("New person"));

    // A stored name that is no file falls back to the default database.
    const std::filesystem::path folder = f.DataFolder() / "folder.rec";
    std::filesystem::create_directories(folder);
    WriteString(f.store, "", "DB_Name", folder.string());
    auto fallback = f.Make();
    QCOMPARE(fallback->Database().FileName(), (f.DataFolder() / "db.rec").string());
    QCOMPARE(Child<QComboBox>(*fallback, "Group1")->count(), 2);
    QCOMPARE(f.messages, QStringList{});
}

void MainFormTest::personsAndStatusBar() {
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    auto* personTwo = Child<QGroupBox>(*form, "Persontwo");
    auto* personBox = Child<QGroupBox>(*form, "PersonBox");
    const auto panels = [&form] {
        return QStringList{PanelText(*form, 0), PanelText(*form, 1), PanelText(*form, 2)};
    };
    QCOMPARE(panels(), (QStringList{" Person's DOB: 14 Mar 1879", "", ""}));
    QVERIFY(!personTwo->isVisibleTo(form.get()));
    QCOMPARE(personBox->title(), QStringLiteral(" Person "));

    auto* pages = Child<QTabWidget>(*form, "PageControl");
    pages->setCurrentIndex(4);
    QCOMPARE(form->ActivePage(), ChartPage::Compatibility);
    QVERIFY(personTwo->isVisibleTo(form.get()));
    QCOMPARE(personBox->title(), QStringLiteral(" Person one "));
    QCOMPARE(panels(),
             (QStringList{" Person's DOB: 14 Mar 1879", " Second person's DOB: 07 Nov 1867",
                          " Age difference: 11 years, 4 months, 7 days"}));
    // Changing either person recomputes it.
    SelectRow(*form, "PName2", 4);  // Albert Einstein too
    QCOMPARE(PanelText(*form, 2), QStringLiteral(" Age difference: 0 years, 0 months, 0 days"));
    SelectRow(*form, "PName", 0);  // Abraham Lincoln
    QCOMPARE(panels(),
             (QStringList{" Person's DOB: 12 Feb 1809", " Second person's DOB: 14 Mar 1879",
                          " Age difference: 70 years, 1 month, 2 days"}));

    pages->setCurrentIndex(1);
    QVERIFY(!personTwo->isVisibleTo(form.get()));
    QCOMPARE(personBox->title(), QStringLiteral(" Person "));
    QCOMPARE(panels(), (QStringList{" Person's DOB: 12 Feb 1809", "", ""}));
    SelectRow(*form, "PName2", 3);
    QCOMPARE(PanelText(*form, 2), QString());  // only on the Compatibility page
}

void MainFormTest::closeWritesSettingsForTheNextRun() {
    MainFormFixture f;
    SaveFormPlacement(f.store, "MainForm", {40, 30, 600, 900});
    auto form = f.Make();
    QCOMPARE(form->pos(), QPoint(30, 40));
    QCOMPARE(form->size(), QSize(900, 600));
    Child<QComboBox>(*form, "Group1")->setCurrentIndex(1);
    SelectRow(*form, "PName", 3);
    form->Settings().Graph(GraphPage::Ich) = {1, 1};
    form->resize(800, 500);
    form->close();
    QCOMPARE(ReadString(f.store, "", "DB_Name"), (f.DataFolder() / "db.rec").string());
    QCOMPARE(f.messages, QStringList{});
    // The next run picks the same person and settings; a stored person two that no longer
    // exists falls back to the first group's first person.
    WriteInt(f.store, "", "Person_Group2", 7);
    WriteInt(f.store, "", "Person_Index2", 99);
    auto again = f.Make();
    QCOMPARE(again->PersonOne().name, std::string("Alan Turing"));
    QCOMPARE(again->PersonTwo().name, std::string("New person"));
    QCOMPARE(again->Settings().Graph(GraphPage::Ich), (GraphSetting{1, 1}));
    QCOMPARE(again->size(), QSize(800, 500));

    SaveFormPlacement(f.store, "MainForm", {40, 30, 100, 100});  // below the minimum size
    QCOMPARE(f.Make()->size(), QSize(722, 463));

    f.store.SetFailWrites(true);
    again->close();
    QCOMPARE(f.messages,
             QStringList{QStringLiteral("Error while saving settings to Windows registry")});
}

void MainFormTest::firstActivationShowsSelectorOnce() {
    MainFormFixture f;
    WriteBool(f.store, "", "Main_ShowTips", false);
    auto form = f.Make();
    int selector = 0;
    int tips = 0;
    form->SetPersonSelector([&selector] { ++selector; });
    form->SetTipsWindow([&tips] { ++tips; });
    QVERIFY(MainFormFixture::Activate(*form));
    QCOMPARE(selector, 1);
    QCOMPARE(tips, 0);  // switched off
    QWidget other;
    QVERIFY(MainFormFixture::Activate(other));
    QVERIFY(MainFormFixture::Activate(*form));
    QCOMPARE(selector, 1);
}

void MainFormTest::dateButtons_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("to");
    const auto row = [](const char* name, QDate from, const char* button, QDate to) {
        QTest::newRow(name) << from << QString::fromLatin1(button) << to;
    };
    const QDate june(2026, 6, 15);
    row("day back", june, "DayMinus", QDate(2026, 6, 14));
    row("day forward", june, "DayPlus", QDate(2026, 6, 16));
    row("month back", june, "MonthMinus", QDate(2026, 5, 15));
    row("month forward", june, "MonthPlus", QDate(2026, 7, 15));
    row("today", june, "TodayBtn", QDate(2026, 12, 7));
    row("birthday", june, "DOBBtn", QDate(1879, 3, 14));
    // At the ends of the calendar a step that would leave it does nothing.
    row("first day", QDate(1, 1, 1), "DayMinus", QDate(1, 1, 1));
    row("first month", QDate(1, 1, 31), "MonthMinus", QDate(1, 1, 31));
    row("second month", QDate(1, 2, 28), "MonthMinus", QDate(1, 1, 28));
    row("last day", QDate(9999, 12, 31), "DayPlus", QDate(9999, 12, 31));
    row("last month", QDate(9999, 12, 15), "MonthPlus", QDate(9999, 12, 15));
    row("last but one month", QDate(9999, 11, 30), "MonthPlus", QDate(9999, 12, 30));
}

void MainFormTest::dateButtons() {
    QFETCH(QDate, from);
    QFETCH(QString, button);
    QFETCH(QDate, to);
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    form->SetCalculationDate(EncodeDate(from.year(), from.month(), from.day()));
    Click(*form, button.toLatin1().constData());
    QCOMPARE(IsoDate(form->CalculationDate()), to.toString(Qt::ISODate));
    QCOMPARE(Child<QDateEdit>(*form, "CDate")->date(), to);
}

void MainFormTest::toolBarButtons() {
    MainFormFixture f;
    auto form = f.Make();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->SetCalculationDate(EncodeDate(2026, 6, 15));
    const struct {
        const char* name;
        const char* opens;
    } buttons[] = {
        {"ToolButton1", "print dialog"}, {"ToolButton2", "save dialog"},
        {"ToolButton11", "names"},       {"ToolButton4", "dayinfo 2026-06-15 show"},
        {"ToolButton5", "calendar"},     {"ToolButton6", "forecast"},
        {"ToolButton10", "matching"},    {"ToolButton8", "options"},
    };
    int left = -1;
    for (const auto& b : buttons) {
        auto* button = Child<QToolButton>(*form, b.name);
        // In this order, and the hint names the caption's Alt letter.
        QVERIFY2(button->x() > left, b.name);
        left = button->x();
        const int amp = button->text().indexOf(QLatin1Char('&'));
        QVERIFY2(amp >= 0, b.name);
        QCOMPARE(button->toolTip(), QStringLiteral("Alt+") + button->text().at(amp + 1));
        QVERIFY(!button->accessibleName().isEmpty());
        f.opened.clear();
        button->click();
        QCOMPARE(f.opened, QStringList{QString::fromLatin1(b.opens)});
    }
    QCOMPARE(Child<QToolButton>(*form, "ToolButton9")->toolTip(), QStringLiteral("F1, Alt+H"));
}

void MainFormTest::menus() {
    MainFormFixture f;
    auto form = f.Make();
    MainFormFixture::TakeClipboard();
    for (QAction* a : form->Menus().helpMenu->actions()) {
        a->trigger();
    }
    for (const char* name :
         {"NamesDB", "ChartSettings1", "PrintPicture1", "SavePicture2", "Copy1"}) {
        Child<QAction>(*form, name)->trigger();
    }
    QCOMPARE(f.opened + MainFormFixture::TakeClipboard(),
             (QStringList{"help 0", "help 10", "help 4", "help 1", "about", "names", "options",
                          "print dialog", "save dialog", "clipboard"}));

    // The help button opens its menu just below itself.
    QVERIFY(MainFormFixture::Activate(*form));
    Click(*form, "ToolButton9");
    QMenu* menu = form->Menus().helpMenu;
    QTRY_VERIFY(menu->isVisible());
    const QToolButton* button = form->Menus().helpButton;
    QCOMPARE(menu->pos().x(), button->mapToGlobal(QPoint(0, 0)).x());
    QVERIFY(menu->pos().y() >= button->mapToGlobal(QPoint(0, button->height())).y());
    QVERIFY(menu->pos().y() <= button->mapToGlobal(QPoint(0, button->height() + 5)).y());
    menu->close();

    // While a window's hook is empty, its entries do nothing.
    f.opened.clear();
    form->SetCalendarWindow({});
    form->SetDayInfoWindow({});
    form->SetHelpTopicShower({});
    form->SetOptionsDialog({});
    for (const char* name : {"ToolButton5", "ToolButton4", "ToolButton8"}) {
        Click(*form, name);
    }
    form->Menus().helpMenu->actions().first()->trigger();
    QCOMPARE(f.opened + f.messages, QStringList{});
}

void MainFormTest::chartClickOpensTheDayOfItsColumn() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    form->SetCalculationDate(EncodeDate(2026, 6, 15));  // column 16; column 0 is 30 May
    ChartBox* box = form->PaintBox(ChartPage::Primary);
    const paint::ChartGeometry& g = form->Geometry();  // as painted
    QCOMPARE(g.width, box->width());
    const auto press = [&](int x, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(box, button, {}, QPoint(x, box->height() / 2));
    };
    press(g.ColumnX(16) + 1);
    press(g.ColumnX(1) - 1);
    press(g.ColumnX(1));
    press(0);                 // left of the chart: the first column
    press(box->width() - 1);  // right of it: the last
    // A right press opens no day info, but the pop-up menu's day info is its column's.
    press(g.ColumnX(20) + 2, Qt::RightButton);
    Child<QAction>(*form, "GetDayinfo1")->trigger();
    QCOMPARE(f.opened, (QStringList{"dayinfo 2026-06-15 show", "dayinfo 2026-05-30 show",
                                    "dayinfo 2026-05-31 show", "dayinfo 2026-05-30 show",
                                    "dayinfo 2026-06-30 show", "dayinfo 2026-06-19 focus"}));
    // The columns beyond the calendar's last day show that day.
    f.opened.clear();
    form->SetCalculationDate(kMaxDay);
    press(box->width() - 1);
    press(0);
    QCOMPARE(f.opened, (QStringList{"dayinfo 9999-12-31 show", "dayinfo 9999-12-15 show"}));
}

void MainFormTest::contextMenuOnEveryChart() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    QMenu* menu = form->Menus().popup;
    for (int page = 0; page < paint::kChartPageCount; ++page) {
        form->SetActivePage(static_cast<ChartPage>(page));
        ChartBox* box = form->PaintBox(static_cast<ChartPage>(page));
        const QPoint at(50, 60);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &event);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QTRY_VERIFY(!menu->isVisible());
    }
}

void MainFormTest::wheelAndPanel() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    const std::int32_t start = EncodeDate(2026, 6, 15);
    form->SetCalculationDate(start);
    ChartBox* box = form->PaintBox(ChartPage::Primary);
    Wheel(box, 120);  // up: a day forward
    QCOMPARE(form->CalculationDate(), start + 1);
    Wheel(box, -240);  // two notches down
    QCOMPARE(form->CalculationDate(), start - 1);
    Wheel(box, 60);  // half a notch waits for the other half
    QCOMPARE(form->CalculationDate(), start - 1);
    Wheel(box, 60);
    QCOMPARE(form->CalculationDate(), start);
    Wheel(Child<QTabWidget>(*form, "PageControl")->tabBar(), -120);  // does not turn the page
    QCOMPARE(form->CalculationDate(), start - 1);
    QCOMPARE(form->ActivePage(), ChartPage::Primary);
    Wheel(form->statusBar(), 120);  // below the pages: nothing
    QCOMPARE(form->CalculationDate(), start - 1);

    // A press on the panel itself, between the person box and the date box, focuses the
    // day-forward button.
    auto* panel = Child<QWidget>(*form, "Panel1");
    const QPoint gap(Child<QGroupBox>(*form, "PersonBox")->geometry().right() + 2,
                     panel->height() / 2);
    QCOMPARE(panel->childAt(gap), nullptr);
    Child<QDateEdit>(*form, "CDate")->setFocus();
    QTest::mouseClick(panel, Qt::LeftButton, {}, gap);
    QTRY_VERIFY(Child<QPushButton>(*form, "DayPlus")->hasFocus());

    QWidget other;
    QVERIFY(MainFormFixture::Activate(other));
    Wheel(box, 120);  // the main window is not active
    QCOMPARE(form->CalculationDate(), start - 1);
}

void MainFormTest::webLookUps() {
    const auto opened = [](const MainFormFixture& f) {
        QStringList urls;
        for (const QUrl& url : f.shell.opened) {
            urls << QString::fromLatin1(url.toEncoded());
        }
        return urls;
    };
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    for (const char* button : {"GetInfo1Btn", "GetPict1Btn", "GetInfo2Btn", "GetPict2Btn"}) {
        Click(*form, button);
    }
    QCOMPARE(opened(f),
             (QStringList{"https://duckduckgo.com/html/?hl=en&lr=&q=%22Albert+Einstein%22",
                          "https://duckduckgo.com/?ia=images&iax=images&hl=en&lr=&q="
                          "%22Albert+Einstein%22",
                          "https://duckduckgo.com/html/?hl=en&lr=&q=%22Marie+Curie%22",
                          "https://duckduckgo.com/?ia=images&iax=images&hl=en&lr=&q="
                          "%22Marie+Curie%22"}));
    QCOMPARE(f.messages, QStringList{});
    // A desktop that cannot open it is told to the user.
    f.shell.succeed = false;
    Click(*form, "GetInfo1Btn");
    QCOMPARE(f.messages, QStringList{"Unable to open the web address https://duckduckgo.com/html/"
                                     "?hl=en&lr=&q=%22Albert+Einstein%22"});

    // Characters of the address's own syntax and beyond ASCII go escaped into the query.
    MainFormFixture odd;
    WriteFile(odd.DataFolder() / "db.rec",
              "#Odd names|0\r\nTom & Jerry #1 + 100%|01.02.1990|M\r\n"
              "Anton\xC3\xADn Dvo\xC5\x99\xC3\xA1k|08.09.1841|M\r\n");
    WriteString(odd.store, "", "Main_TSearchURL", "https://example.org/find?q=");
    auto oddForm = odd.Make();
    Click(*oddForm, "GetInfo1Btn");
    SelectRow(*oddForm, "PName", 1);
    Click(*oddForm, "GetInfo1Btn");
    QCOMPARE(opened(odd),
             (QStringList{"https://example.org/find?q=%22Anton%C3%ADn+Dvo%C5%99%C3%A1k%22",
                          "https://example.org/find?q=%22Tom+%26+Jerry+%231+%2B+100%25%22"}));
}

void MainFormTest::paintBoxShowsTheChartAsExported() {
    MainFormFixture f;
    WriteInt(f.store, "", "PointerColor", 0x0000FFFF);
    auto form = f.MakeWithCelebrities();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    ChartBox* box = form->PaintBox(ChartPage::Primary);
    const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const paint::ChartGeometry& g = form->Geometry();
    QCOMPARE(shown.pixel(g.ColumnX(16) + 4, g.midY - g.half + 2), qRgb(255, 255, 0));

    // The export draws the same picture from the same settings and database.
    app::ExportRequest request;
    request.output = f.FilePath("chart.png");
    request.size = box->size();
    request.date = form->CalculationDate();
    FixedClock clock(kToday);
    const app::ExportContext context{&f.store, &clock, f.DataFolder(),
                                     QCoreApplication::applicationDirPath().toStdString()};
    QCOMPARE(app::ExportChart(request, context).ExitCode(), 0);
    const QImage exported = QImage(request.output).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(exported.size(), shown.size());
    QVERIFY(exported == shown);
}

void MainFormTest::savePicture() {
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    const QSize chart = form->PaintBox(ChartPage::Primary)->size();
    f.saveAs = f.FilePath("chart.bmp");
    form->MakePicture(PictureMode::SaveToFile);
    QCOMPARE(Head(*f.saveAs, 2), QByteArray("BM"));
    const QImage bmp(*f.saveAs);
    QCOMPARE(bmp.width(), chart.width() + 10);  // the chart with a margin and the stamp below
    QVERIFY(bmp.height() > chart.height() + 10);

    // A name without a known suffix is written as the type chosen, which is offered again.
    f.saveAs = f.FilePath("chart.picture");
    f.filterChosen = QStringLiteral("PNG pictures (*.png)");
    form->MakePicture(PictureMode::SaveToFile);
    QCOMPARE(Head(*f.saveAs, 4), QByteArray("\x89PNG"));
    f.filterChosen.clear();
    form->MakePicture(PictureMode::SaveToFile);
    QCOMPARE(f.filterShown, QStringLiteral("PNG pictures (*.png)"));

    // The active page is saved, with both persons on the Compatibility page.
    form->SetActivePage(ChartPage::Compatibility);
    f.saveAs = f.FilePath("compat.svg");
    form->MakePicture(PictureMode::SaveToFile);
    QFile svg(*f.saveAs);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("Created for Albert Einstein and Marie Curie"));

    f.saveAs = f.FilePath("missing/chart.bmp");
    form->MakePicture(PictureMode::SaveToFile);
    // Only the failure was reported.
    QCOMPARE(f.messages, QStringList{QStringLiteral("Cann't save image to file ") + *f.saveAs});
}

void MainFormTest::cancelCopyAndPrint() {
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    form->MakePicture(PictureMode::SaveToFile);  // both dialogs cancelled
    form->Print2Click();
    QCOMPARE(f.opened, (QStringList{"save dialog", "print dialog"}));
    QCOMPARE(QDir(f.FilePath("")).entryList(QDir::Files), QStringList{});

    QApplication::clipboard()->clear();
    form->MakePicture(PictureMode::CopyToClipboard);
    QCOMPARE(QApplication::clipboard()->image().width(),
             form->PaintBox(ChartPage::Primary)->width() + 10);

    const QString pdf = f.FilePath("printed.pdf");
    f.printWith = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    form->Print2Click();
    QCOMPARE(Head(pdf, 4), QByteArray("%PDF"));
    // A printer that cannot be used is reported.
    f.printWith = [](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("no-such-printer"));
        return true;
    };
    form->Print2Click();
    QCOMPARE(f.messages, QStringList{QStringLiteral("Please check if your printer is installed")});
    QCOMPARE(f.opened.size(), 4);
}

int RunMainKeysTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MainFormTest test;
    const int failed = QTest::qExec(&test, argc, argv);
    return failed + RunMainKeysTests(argc, argv);
}

#include "MainForm_test.moc"
