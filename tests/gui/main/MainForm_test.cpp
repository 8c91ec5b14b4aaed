// The main window over a private data folder, a memory settings store, a fixed today and a
// recording shell, every window hook and dialog recording what it was asked to do: start-up
// and settings, persons and status bar, date steps, the tool bar and menus, the pointer, web
// look-ups, picture output, and its keys through the key dispatcher.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPrinter>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <numeric>

#include "app/gui/ExportChart.h"
#include "core/engine/Clock.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "gui/main/ChartBox.h"
#include "gui/main/MainKeyBlock.h"
#include "gui/main/TMainForm.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Shell.h"
#include "gui/widgets/KeyDispatcher.h"

using namespace vitalune;
using namespace vitalune::ui;
using paint::ChartPage;

namespace {

const std::int32_t kToday = EncodeDate(2026, 12, 7);

QString IsoDate(std::int32_t day) {
    const CivilDate c = DecodeDate(day);
    return QDate(c.year, c.month, c.day).toString(Qt::ISODate);
}

class MainFormFixture {
  public:
    MainFormFixture() : m_clock(kToday) {}

    // Albert Einstein (14 Mar 1879) as person one, Marie Curie (7 Nov 1867) as person two.
    std::unique_ptr<TMainForm> MakeWithCelebrities() {
        WriteInt(store, "", "Person_Group", 1);
        WriteInt(store, "", "Person_Index", 4);
        WriteInt(store, "", "Person_Group2", 1);
        WriteInt(store, "", "Person_Index2", 25);
        return Make();
    }

    std::unique_ptr<TMainForm> Make() {
        MainFormContext context;
        context.store = &store;
        context.clock = &m_clock;
        context.programFolder = DataFolder();
        context.programFolderGiven = folderGiven;
        context.executableFolder = QCoreApplication::applicationDirPath().toStdString();
        context.showMessage = [this](const QString& text) { messages << text; };
        context.shell = &shell;
        context.askPictureFile = [this](const QString&, const QString&, QString* filter) {
            opened << QStringLiteral("save dialog");
            filterShown = *filter;
            if (!filterChosen.isEmpty()) {
                *filter = filterChosen;
            }
            return saveAs;
        };
        context.askPrinter = [this](QPrinter& printer) {
            opened << QStringLiteral("print dialog");
            return printWith ? printWith(printer) : false;
        };
        auto form = std::make_unique<TMainForm>(context);
        Record(*form);
        return form;
    }

    // "clipboard" when a picture was copied since the last look; the clipboard is emptied.
    static QStringList TakeClipboard() {
        QClipboard* clipboard = QApplication::clipboard();
        const bool copied = !clipboard->image().isNull();
        clipboard->clear();
        return copied ? QStringList{QStringLiteral("clipboard")} : QStringList{};
    }

    std::filesystem::path DataFolder() const { return (m_dir.path() + "/data").toStdString(); }
    QString FilePath(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    // Shows the window and makes it the active one.
    static bool Activate(QWidget& window) {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    MemorySettingsStore store;
    bool folderGiven = false;  // as by --data-dir
    RecordingShell shell;
    QStringList messages;
    QStringList opened;             // "calendar", "dayinfo 2026-06-15 show", "help 4", ...
    std::optional<QString> saveAs;  // the save dialog's answer; none: cancelled
    QString filterShown;
    QString filterChosen;
    std::function<bool(QPrinter&)> printWith;  // none: the print dialog is cancelled

  private:
    void Record(TMainForm& form) {
        const auto log = [this](const char* what) {
            return [this, what] { opened << QString::fromLatin1(what); };
        };
        form.SetCalendarWindow(log("calendar"));
        form.SetForecastWindow(log("forecast"));
        form.SetMatchingWindow(log("matching"));
        form.SetNamesEditor(log("names"));
        form.SetOptionsDialog(log("options"));
        form.SetAboutBox(log("about"));
        form.SetHelpTopicShower(
            [this](int topic) { opened << QStringLiteral("help %1").arg(topic); });
        form.SetDayInfoWindow([this](std::int32_t day, DayInfoRequest how) {
            opened << QStringLiteral("dayinfo %1 %2")
                          .arg(IsoDate(day), how == DayInfoRequest::Show ? QStringLiteral("show")
                                                                         : QStringLiteral("focus"));
        });
    }

    QTemporaryDir m_dir;
    FixedClock m_clock;
};

template <typename T>
T* Child(const QObject& form, const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        qFatal("no control %s", name);
    }
    return child;
}

void Click(const QObject& form, const char* button) {
    Child<QAbstractButton>(form, button)->click();
}

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

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The last day of a month, so that the month steps show where they land.
const std::int32_t kStart = EncodeDate(2026, 3, 31);

// Records the key presses that reach a widget.
class KeyProbe final : public QObject {
  public:
    explicit KeyProbe(QWidget* widget) { widget->installEventFilter(this); }
    QList<int> keys;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            keys << static_cast<QKeyEvent*>(event)->key();
        }
        return false;
    }
};

// The main window with the dispatcher installed, active, and the focus in the person list.
struct Keyed {
    MainFormFixture f;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<KeyDispatcher> keys;
    bool answer = false;

    bool Start() {
        form = f.MakeWithCelebrities();
        keys = std::make_unique<KeyDispatcher>(form.get());
        AddMainWindowKeys(*keys, *form);
        keys->SetQuestion([this](QWidget*, const QString& text, const QString& title) {
            f.opened << QStringLiteral("ask %1/%2").arg(text, title);
            return answer;
        });
        keys->Install();
        MainFormFixture::TakeClipboard();
        form->SetCalculationDate(kStart);
        if (!MainFormFixture::Activate(*form)) {
            return false;
        }
        List()->setFocus();
        return List()->hasFocus();
    }
    QListView* List() const { return Child<QListView>(*form, "PName"); }
    // What the key did: the windows asked for, then the new date if it moved.
    QStringList Actions() {
        QStringList actions = f.opened + MainFormFixture::TakeClipboard();
        if (form->Menus().helpMenu->isVisible()) {
            actions << QStringLiteral("helpmenu");
            form->Menus().helpMenu->close();
        }
        if (form->CalculationDate() != kStart) {
            actions << QStringLiteral("date ") + IsoDate(form->CalculationDate());
        }
        return actions;
    }
};

// A dialog with a text field that has the focus.
struct OtherWindow {
    QDialog dialog;
    QLineEdit* edit = new QLineEdit(&dialog);

    bool Start() {
        if (!MainFormFixture::Activate(dialog)) {
            return false;
        }
        edit->setFocus();
        return QTest::qWaitFor([this] { return edit->hasFocus(); });
    }
};

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartAndGroups();
    void givenDataFolderWinsOverTheStoredDatabase();
    void personTwoStaysInAShorterGroup();
    void personsAndStatusBar();
    void controlsFollowTheFont_data();
    void controlsFollowTheFont();
    void closeWritesSettingsForTheNextRun();
    void firstActivationShowsSelectorOnce();
    void toolBarButtons();
    void menus();
    void chartClickOpensTheDayOfItsColumn();
    void wheelAndPanel();
    void webLookUps();
    void paintBoxShowsTheChartAsExported();
    void pictures();
};

void MainFormTest::firstStartAndGroups() {
    MainFormFixture f;
    auto form = f.Make();
    auto* group1 = Child<QComboBox>(*form, "Group1");
    QCOMPARE((QStringList{form->windowTitle(), IsoDate(form->CalculationDate()),
                          QString::number(group1->count()),
                          QString::fromStdString(form->PersonOne().name)}),
             (QStringList{" Vitalune v3.04", "2026-12-07", "2", "New person"}));
    // The template became the user's database; nothing is written before the window closes.
    QCOMPARE(form->Database().FileName(), (f.DataFolder() / "db.rec").string());
    QVERIFY(std::filesystem::exists(f.DataFolder() / "db.rec"));
    QCOMPARE(f.store.WriteCount(), 0);
    // Each tab carries its picture; the Compatibility tab picture 3 of the tab list.
    auto* pages = Child<QTabWidget>(*form, "PageControl");
    const auto tabPicture = [pages](int tab) {
        return pages->tabIcon(tab).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    for (int tab = 0; tab < 4; ++tab) {
        QVERIFY(!tabPicture(tab).isNull());
        QVERIFY(tabPicture(tab) != tabPicture(4));
    }
    QCOMPARE(tabPicture(4),
             art::Picture(art::ImageList::TabPictures, 3).convertToFormat(QImage::Format_ARGB32));

    group1->setCurrentIndex(1);
    QCOMPARE(Child<QListView>(*form, "PName")->model()->rowCount(), 43);
    QCOMPARE(form->PersonOne().name, std::string("Abraham Lincoln"));  // sorted by name
    SelectRow(*form, "PName", 1);
    Click(*form, "DOBBtn");
    QCOMPARE(IsoDate(form->CalculationDate()), QStringLiteral("1815-12-10"));  // Ada Lovelace's
    QCOMPARE(f.messages, QStringList{});
}

void MainFormTest::givenDataFolderWinsOverTheStoredDatabase() {
    MainFormFixture f;
    const std::filesystem::path other = f.FilePath("other.rec").toStdString();
    WriteFile(other, "#Others|1\r\nZoe|01.01.2000|F\r\n");
    WriteString(f.store, "", "DB_Name", other.string());
    f.folderGiven = true;
    auto form = f.Make();
    QCOMPARE(form->Database().FileName(), (f.DataFolder() / "db.rec").string());
    form->close();
    // The database the settings remember stays theirs for runs without a folder given.
    QCOMPARE(ReadString(f.store, "", "DB_Name").value_or(""), other.string());
    f.folderGiven = false;
    QCOMPARE(f.Make()->Database().FileName(), other.string());

    // A remembered pipe would hang the start: it is refused, and the user's db.rec used.
    const std::string pipe = f.FilePath("pipe.rec").toStdString();
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    WriteString(f.store, "", "DB_Name", pipe);
    f.messages.clear();
    const std::string own = (f.DataFolder() / "db.rec").string();
    QCOMPARE(f.Make()->Database().FileName(), own);
    QCOMPARE(f.messages, QStringList{QString::fromStdString("cannot read " + pipe +
                                                            ": it is a pipe (FIFO), not a file; " +
                                                            own + " is used instead")});
}

void MainFormTest::personTwoStaysInAShorterGroup() {
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    SelectRow(*form, "PName2", 40);
    // The editor removes all but the first twenty Celebrities: person two, past the end now,
    // becomes the last of them; person one (index 4) keeps its place.
    std::vector<std::size_t> gone(23);
    std::iota(gone.begin(), gone.end(), std::size_t{20});
    form->Database().RemovePersons(1, gone);
    form->DatabaseChanged();
    QCOMPARE((QList<int>{form->PersonOne().index, form->PersonTwo().index}), (QList<int>{4, 19}));
    // Another window's choice of person one; past the ends, the first group and person.
    form->ChoosePersonOne(1, 0);
    QCOMPARE(PanelText(*form, 0), QStringLiteral(" Person's DOB: 12 Feb 1809"));
    form->ChoosePersonOne(7, 99);
    QCOMPARE(form->PersonOne().name + "/" + std::to_string(form->PersonOne().group),
             std::string("New person/0"));
    // The matching window's View charts: the pair on the Compatibility page.
    form->ShowPair(1, 2, 1, 3);
    QCOMPARE(form->ActivePage(), paint::ChartPage::Compatibility);
    QCOMPARE((QList<int>{form->PersonOne().group, form->PersonOne().index, form->PersonTwo().group,
                         form->PersonTwo().index}),
             (QList<int>{1, 2, 1, 3}));
}

void MainFormTest::personsAndStatusBar() {
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    // The person box's title, whether person two's box shows, and the status bar's panels.
    const auto shown = [&form] {
        return QStringList{Child<QGroupBox>(*form, "PersonBox")->title(),
                           Child<QGroupBox>(*form, "Persontwo")->isVisibleTo(form.get())
                               ? QStringLiteral("two")
                               : QString(),
                           PanelText(*form, 0), PanelText(*form, 1), PanelText(*form, 2)};
    };
    QCOMPARE(shown(), (QStringList{" Person ", "", " Person's DOB: 14 Mar 1879", "", ""}));
    auto* pages = Child<QTabWidget>(*form, "PageControl");
    pages->setCurrentIndex(4);
    QCOMPARE(form->ActivePage(), ChartPage::Compatibility);
    QCOMPARE(shown(), (QStringList{" Person one ", "two", " Person's DOB: 14 Mar 1879",
                                   " Second person's DOB: 07 Nov 1867",
                                   " Age difference: 11 years, 4 months, 7 days"}));
    // Changing either person recomputes it.
    SelectRow(*form, "PName2", 4);  // Albert Einstein too
    QCOMPARE(PanelText(*form, 2), QStringLiteral(" Age difference: 0 years, 0 months, 0 days"));
    SelectRow(*form, "PName", 0);  // Abraham Lincoln
    QCOMPARE(shown(), (QStringList{" Person one ", "two", " Person's DOB: 12 Feb 1809",
                                   " Second person's DOB: 14 Mar 1879",
                                   " Age difference: 70 years, 1 month, 2 days"}));
    pages->setCurrentIndex(1);
    QCOMPARE(shown(), (QStringList{" Person ", "", " Person's DOB: 12 Feb 1809", "", ""}));
    SelectRow(*form, "PName2", 3);
    QCOMPARE(PanelText(*form, 2), QString());  // only on the Compatibility page
}

void MainFormTest::controlsFollowTheFont_data() {
    QTest::addColumn<int>("points");
    for (const int points : {8, 11, 16}) {
        QTest::addRow("%d pt", points) << points;
    }
}

void MainFormTest::controlsFollowTheFont() {
    QFETCH(int, points);
    const QFont before = QApplication::font();
    const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
    QFont font = before;
    font.setPointSize(points);
    QApplication::setFont(font);
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    Child<QTabWidget>(*form, "PageControl")->setCurrentIndex(4);
    // Long texts of persons of a names database, the widest month among them.
    const char* texts[] = {" Person's DOB: 28 May 1988", " Second person's DOB: 30 Mar 2008",
                           " Age difference: 888 years, 11 months, 30 days"};
    for (int i = 0; i < 3; ++i) {
        Child<QLabel>(*form, QStringLiteral("StatusPanel%1").arg(i).toLatin1())->setText(texts[i]);
    }
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents();
    // At its first size, nothing is cut, folded away or scrolled.
    const QList<QWidget*> whole = {Child<QWidget>(*form, "StatusPanel0"),
                                   Child<QWidget>(*form, "StatusPanel1"),
                                   Child<QWidget>(*form, "StatusPanel2"), form->Menus().toolBar,
                                   Child<QTabWidget>(*form, "PageControl")->tabBar()};
    for (const QWidget* widget : whole) {
        QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(widget->objectName()));
    }
    QVERIFY(form->width() >= form->minimumSizeHint().width());
    QVERIFY(form->height() >= form->minimumSizeHint().height());
    QVERIFY(form->minimumWidth() >= 722 && form->minimumHeight() >= 463);
}

void MainFormTest::closeWritesSettingsForTheNextRun() {
    MainFormFixture f;
    SaveFormPlacement(f.store, "MainForm", {40, 10, 600, 780});  // within the 800x800 screen
    auto form = f.Make();
    QCOMPARE(QRect(form->pos(), form->size()), QRect(10, 40, 780, 600));
    Child<QComboBox>(*form, "Group1")->setCurrentIndex(1);
    SelectRow(*form, "PName", 3);
    form->Settings().Graph(GraphPage::Ich) = {1, 1};
    const QSize kept =
        (form->minimumSize() + QSize(20, 40)).boundedTo(form->screen()->availableGeometry().size());
    form->resize(kept);
    form->close();
    QCOMPARE(f.messages, QStringList{});
    // The next run picks the same person, settings and size; a stored person two that no
    // longer exists falls back to the first group's first person.
    WriteInt(f.store, "", "Person_Group2", 7);
    WriteInt(f.store, "", "Person_Index2", 99);
    auto again = f.Make();
    QCOMPARE(again->PersonOne().name + ", " + again->PersonTwo().name,
             std::string("Alan Turing, New person"));
    QCOMPARE(again->Settings().Graph(GraphPage::Ich), (GraphSetting{1, 1}));
    QCOMPARE(again->size(), kept);
    SaveFormPlacement(f.store, "MainForm", {40, 30, 100, 100});  // below the minimum size
    QCOMPARE(f.Make()->size(), again->minimumSize());
    // Far above the screen's size (a damaged setting): no larger than the screen.
    SaveFormPlacement(f.store, "MainForm", {0, 0, 100000, 100000});
    const QSize room = again->screen()->availableGeometry().size();
    QCOMPARE(f.Make()->size().boundedTo(room), f.Make()->size());

    f.store.SetFailWrites(true);
    again->close();
    QCOMPARE(f.messages,
             QStringList{QStringLiteral("Error while saving settings to Windows registry")});
}

void MainFormTest::firstActivationShowsSelectorOnce() {
    MainFormFixture f;
    WriteBool(f.store, "", "Main_ShowTips", false);
    auto form = f.Make();
    form->SetPersonSelector([&f] { f.opened << QStringLiteral("selector"); });
    form->SetTipsWindow([&f] { f.opened << QStringLiteral("tips"); });  // switched off
    QWidget other;
    QVERIFY(MainFormFixture::Activate(*form));
    QVERIFY(MainFormFixture::Activate(other));
    QVERIFY(MainFormFixture::Activate(*form));
    QCOMPARE(f.opened, QStringList{"selector"});
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

void MainFormTest::wheelAndPanel() {
    MainFormFixture f;
    auto form = f.Make();
    QVERIFY(MainFormFixture::Activate(*form));
    const std::int32_t start = EncodeDate(2026, 6, 15);
    form->SetCalculationDate(start);
    ChartBox* box = form->PaintBox(ChartPage::Primary);
    QStringList dates;
    const auto wheel = [&](QWidget* target, int delta) {
        Wheel(target, delta);
        dates << IsoDate(form->CalculationDate());
    };
    wheel(box, 120);   // up: a day forward
    wheel(box, -240);  // two notches down
    wheel(box, 60);    // half a notch waits for the other half
    wheel(box, 60);
    wheel(Child<QTabWidget>(*form, "PageControl")->tabBar(), -120);  // does not turn the page
    wheel(form->statusBar(), 120);                                   // below the pages: nothing
    QCOMPARE(dates, (QStringList{"2026-06-16", "2026-06-14", "2026-06-14", "2026-06-15",
                                 "2026-06-14", "2026-06-14"}));
    QCOMPARE(form->ActivePage(), ChartPage::Primary);

    QWidget other;
    QVERIFY(MainFormFixture::Activate(other));
    wheel(box, 120);  // the main window is not active
    QCOMPARE(dates.last(), QStringLiteral("2026-06-14"));
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

void MainFormTest::pictures() {
    MainFormFixture f;
    auto form = f.MakeWithCelebrities();
    const QSize chart = form->PaintBox(ChartPage::Primary)->size();
    form->MakePicture(PictureMode::SaveToFile);  // both dialogs cancelled: nothing happens
    form->Print2Click();
    QCOMPARE(f.opened, (QStringList{"save dialog", "print dialog"}));
    QCOMPARE(QDir(f.FilePath("")).entryList(QDir::Files), QStringList{});

    f.saveAs = f.FilePath("chart.bmp");
    form->MakePicture(PictureMode::SaveToFile);
    // The chart with a margin of 5 (and the stamp below).
    QCOMPARE(QImage(*f.saveAs).width(), chart.width() + 10);

    // A name without a known suffix is written as the type chosen, which is offered again.
    f.saveAs = f.FilePath("chart.picture");
    f.filterChosen = QStringLiteral("PNG pictures (*.png)");
    form->MakePicture(PictureMode::SaveToFile);
    QVERIFY(ReadAll(*f.saveAs).startsWith("\x89PNG"));
    f.filterChosen.clear();
    form->MakePicture(PictureMode::SaveToFile);
    QCOMPARE(f.filterShown, QStringLiteral("PNG pictures (*.png)"));

    // The active page is saved, with both persons on the Compatibility page.
    form->SetActivePage(ChartPage::Compatibility);
    f.saveAs = f.FilePath("compat.svg");
    form->MakePicture(PictureMode::SaveToFile);
    QVERIFY(ReadAll(*f.saveAs).contains("Created for Albert Einstein and Marie Curie"));
    f.saveAs = f.FilePath("compat.bmp");
    form->MakePicture(PictureMode::SaveToFile);

    f.saveAs = f.FilePath("missing/chart.bmp");
    form->MakePicture(PictureMode::SaveToFile);
    // Only the failure was reported.
    QCOMPARE(f.messages, QStringList{QStringLiteral("Cann't save image to file ") + *f.saveAs +
                                     QStringLiteral("\ncannot write ") + *f.saveAs +
                                     QStringLiteral(": No such file or directory")});
    f.messages.clear();

    QApplication::clipboard()->clear();
    form->MakePicture(PictureMode::CopyToClipboard);
    // The same picture as the one saved, with the Compatibility page's stamp.
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             QImage(f.FilePath("compat.bmp")).convertToFormat(QImage::Format_RGB32));

    const QString pdf = f.FilePath("printed.pdf");
    f.printWith = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    form->Print2Click();
    QVERIFY(ReadAll(pdf).startsWith("%PDF"));
    // A printer that cannot be used is reported.
    f.printWith = [](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("no-such-printer"));
        return true;
    };
    form->Print2Click();
    QCOMPARE(f.messages, QStringList{QStringLiteral("Please check if your printer is installed")});
}

class MainKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void mainWindowKeys();
    void eachStrokeActsOnce();
    void leftAndRightInsideTheDatePicker();
    void escapeAsksBeforeClosingTheMainWindow();
    void otherWindowsKeepTheirKeys();
    void popupMenusKeepTheirKeys();
};

// The keys and date buttons of expected/main-keys.txt, each pressed in a new window: the file
// holds them and what each must do; the test writes what they did after them and compares.
void MainKeysTest::mainWindowKeys() {
    QFile file(QStringLiteral(VITALUNE_EXPECTED_DIR "/main-keys.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString expected = QString::fromUtf8(file.readAll());
    QString actual;
    int keys = 0;
    QStringList lines = expected.split(QLatin1Char('\n'));
    lines.removeLast();  // after the last line's end
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1String("< "))) {
            actual += line.startsWith(QLatin1String("  ")) ? QString() : line + QLatin1Char('\n');
            continue;
        }
        Keyed k;
        QVERIFY(k.Start());
        if (const QStringList button = line.mid(2).split(QStringLiteral(" on "));
            button.size() == 2) {
            const QDate from = QDate::fromString(button[1], Qt::ISODate);
            k.form->SetCalculationDate(EncodeDate(from.year(), from.month(), from.day()));
            Click(*k.form, button[0].toLatin1().constData());
            const QString shown = Child<QDateEdit>(*k.form, "CDate")->date().toString(Qt::ISODate);
            const QString date = IsoDate(k.form->CalculationDate());
            actual += line + "\n  date " + date + (shown == date ? "" : ", shown " + shown) + '\n';
            continue;
        }
        const QKeyCombination combo = QKeySequence::fromString(line.mid(2))[0];
        KeyProbe probe(k.List());
        QTest::keyClick(k.List(), combo.key(), combo.keyboardModifiers());
        QStringList did = k.Actions();
        if (probe.keys.contains(combo.key())) {
            did << QStringLiteral("passed on");
        }
        QVERIFY(k.form->isVisible());
        actual +=
            line + QStringLiteral("\n  ") + (did.isEmpty() ? "nothing" : did.join(", ")) + '\n';
        ++keys;
    }
    QVERIFY(keys > 20);
    QCOMPARE(actual.split(QLatin1Char('\n')), expected.split(QLatin1Char('\n')));  // line by line
}

void MainKeysTest::eachStrokeActsOnce() {
    Keyed k;
    QVERIFY(k.Start());
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(k.List(), Qt::Key_Right);
    }
    QTest::keyClick(k.List(), Qt::Key_F1);
    QTest::keyClick(k.List(), Qt::Key_F1);
    QCOMPARE(k.f.opened, (QStringList{"help 4", "help 4"}));
    // A key sent to the window itself, as the desktop delivers it.
    QTest::keyClick(k.form.get(), Qt::Key_PageDown);
    QCOMPARE(k.form->CalculationDate(), EncodeDate(2026, 5, 3));
}

void MainKeysTest::leftAndRightInsideTheDatePicker() {
    Keyed k;
    QVERIFY(k.Start());
    auto* picker = Child<QDateEdit>(*k.form, "CDate");
    auto* text = picker->findChild<QLineEdit*>();
    QVERIFY(text);
    picker->setFocus();
    QTRY_VERIFY(k.form->DatePickerFocused());
    text->setCursorPosition(4);
    QTest::keyClick(text, Qt::Key_Left);
    QCOMPARE(text->cursorPosition(), 3);
    QTest::keyClick(text, Qt::Key_Right);
    QTest::keyClick(text, Qt::Key_Right);
    QCOMPARE(text->cursorPosition(), 5);
    QCOMPARE(k.form->CalculationDate(), kStart);
    // The other keys still step the chart.
    QTest::keyClick(text, Qt::Key_PageDown);
    QTest::keyClick(text, Qt::Key_N);
    QCOMPARE(k.form->CalculationDate(), EncodeDate(2026, 4, 30));
    // Back in the person list, Left is the chart's again.
    k.List()->setFocus();
    QTRY_VERIFY(!k.form->DatePickerFocused());
    QTest::keyClick(k.List(), Qt::Key_Left);
    QCOMPARE(k.form->CalculationDate(), EncodeDate(2026, 4, 29));
}

void MainKeysTest::escapeAsksBeforeClosingTheMainWindow() {
    Keyed k;
    QVERIFY(k.Start());
    QTest::keyClick(k.List(), Qt::Key_Escape);
    QVERIFY(k.form->isVisible());
    k.answer = true;
    QTest::keyClick(k.List(), Qt::Key_Escape);
    QCOMPARE(k.f.opened.size(), 2);
    QVERIFY(!k.form->isVisible());
    QVERIFY(k.f.store.HasKey("MainForm"));  // closed the normal way, settings written
}

void MainKeysTest::otherWindowsKeepTheirKeys() {
    Keyed k;
    QVERIFY(k.Start());
    auto other = std::make_unique<OtherWindow>();
    QVERIFY(other->Start());
    // A window without keys of its own gets every letter (its text field takes Alt+letter as
    // the letter) and the default help topic; Escape closes it without asking.
    for (const auto& [key, mods] : {std::pair{Qt::Key_N, Qt::NoModifier},
                                    {Qt::Key_PageUp, Qt::NoModifier},
                                    {Qt::Key_Right, Qt::NoModifier},
                                    {Qt::Key_D, Qt::AltModifier},
                                    {Qt::Key_F1, Qt::NoModifier}}) {
        QTest::keyClick(other->edit, key, mods);
    }
    QCOMPARE(other->edit->text(), QStringLiteral("nd"));
    QTest::keyClick(other->edit, Qt::Key_Escape);
    QVERIFY(!other->dialog.isVisible());
    QVERIFY(k.form->isVisible());
    QCOMPARE(k.f.opened, QStringList{"help 4"});
    QCOMPARE(k.form->CalculationDate(), kStart);

    // With keys of its own, they come first, with its own help topic.
    QStringList seen;
    k.keys->AddWindow(
        &other->dialog, [] { return 7; },
        [&seen](const KeyStroke& s) {
            seen << QString::number(s.key, 16);
            return s.key == Qt::Key_G;
        });
    QVERIFY(other->Start());
    for (const Qt::Key key : {Qt::Key_G, Qt::Key_N, Qt::Key_F1}) {
        QTest::keyClick(other->edit, key);
    }
    QCOMPARE(other->edit->text(), QStringLiteral("ndn"));
    QCOMPARE(seen, (QStringList{"47", "4e"}));  // F1 is the dispatcher's own
    // Back on the main window only its keys run; a destroyed window drops out.
    QVERIFY(MainFormFixture::Activate(*k.form));
    k.List()->setFocus();
    QTest::keyClick(k.List(), Qt::Key_G);
    QTest::keyClick(k.List(), Qt::Key_Right);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(k.form->CalculationDate(), kStart + 1);
    other.reset();
    QTest::keyClick(k.List(), Qt::Key_F1);
    QCOMPARE(k.f.opened, (QStringList{"help 4", "help 7", "help 4"}));
}

void MainKeysTest::popupMenusKeepTheirKeys() {
    Keyed k;
    QVERIFY(k.Start());
    QMenu* menu = k.form->Menus().popup;
    menu->popup(k.form->mapToGlobal(QPoint(100, 100)));
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_PageDown);
    QTest::keyClick(menu, Qt::Key_N);
    QCOMPARE(k.form->CalculationDate(), kStart);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(k.f.opened, QStringList{});  // Escape closed the menu and asked nothing
    QVERIFY(k.form->isVisible());
    // The menu's own letter works: "&d" is the day info of the last press.
    menu->popup(k.form->mapToGlobal(QPoint(100, 100)));
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_D);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(k.f.opened.size(), 1);
    QVERIFY(k.f.opened[0].startsWith("dayinfo "));
    QVERIFY(k.f.opened[0].endsWith(" focus"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MainFormTest form;
    MainKeysTest keys;
    return QTest::qExec(&form, argc, argv) + QTest::qExec(&keys, argc, argv);
}

#include "MainForm_test.moc"
