// The people dialogs driven through their controls, offscreen: the person dialog's lines and
// refusals, the date hint beside it, the group dialog, the group selection, and the person
// selector with its "ADD ME!" saving at once. Nested dialogs and message boxes are answered
// by the test.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/db/NameRule.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/settings/AppSettings.h"
#include "gui/paint/art/Artwork.h"
#include "gui/people/GroupListModel.h"
#include "gui/people/PeopleKeys.h"
#include "gui/people/TDateHintForm.h"
#include "gui/people/TNewGroupForm.h"
#include "gui/people/TNewPersForm.h"
#include "gui/people/TSelForm.h"
#include "gui/people/TSelectGroupForm.h"
#include "gui/widgets/KeyDispatcher.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

const std::int32_t kToday = EncodeDate(2026, 12, 7);

// Two groups of a small database: "My profiles" with the placeholder and "Friends" with four.
const char* const kDatabase =
    "#My profiles|0\r\nNew person|05.01.2008|M\r\n"
    "#Friends|2\r\nAnn Smith|05.01.1980|F\r\nBob Brown|01.02.1990|M\r\n"
    "Carl Cole|03.03.1970|M\r\nDora Dean|04.04.1960|F\r\n"
    "#Work|9\r\nEve Ellis|31.12.1999|F\r\n";

template <typename T>
T* Child(const QObject& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        qFatal("no control %s", name);
    }
    return child;
}

void Click(const QObject& window, const char* button) {
    Child<QAbstractButton>(window, button)->click();
}

void Type(const QObject& window, const char* edit, const QString& text) {
    auto* field = Child<QLineEdit>(window, edit);
    field->selectAll();
    QTest::keyClicks(field, text);
}

void SelectRow(const QObject& window, const char* list, int row) {
    auto* view = Child<QListView>(window, list);
    view->setCurrentIndex(view->model()->index(row, 0));
}

int CurrentRow(const QObject& window, const char* list) {
    return Child<QListView>(window, list)->currentIndex().row();
}

QString Fault(const QObject& window, const char* label) {
    return Child<QLabel>(window, label)->text();
}

// Runs `step` once `dialog` shows, inside its modal loop.
void WhenShown(QWidget& dialog, std::function<void()> step) {
    auto* timer = new QTimer(&dialog);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &dialog, step] {
        if (dialog.isVisible()) {
            timer->stop();
            timer->deleteLater();
            step();
        }
    });
    timer->start();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A database of kDatabase kept in a private folder's db.rec.
struct DatabaseFixture {
    QTemporaryDir dir;
    FixedClock clock{static_cast<DateTime>(kToday)};
    NamesDatabase db{clock};
    AppSettings settings;

    DatabaseFixture() {
        db.LoadFromBytes(kDatabase);
        db.SetFileName(Path().toStdString());
    }
    QString Path() const { return dir.filePath(QStringLiteral("db.rec")); }
};

// The selector over the fixture's database, every hook recording what it was asked.
struct SelectorFixture : DatabaseFixture {
    QStringList calls;
    std::function<std::optional<std::string>(QWidget*)> answerPerson;  // none: cancelled

    SelectorContext Context() {
        SelectorContext context;
        context.db = &db;
        context.settings = &settings;
        context.choosePersonOne = [this](std::size_t group, std::size_t person) {
            calls << QStringLiteral("person one %1/%2").arg(group).arg(person);
        };
        context.databaseChanged = [this] { calls << QStringLiteral("database changed"); };
        context.askPerson = [this](QWidget* parent, const std::optional<std::string>& line) {
            calls << (line ? QStringLiteral("edit person") : QStringLiteral("new person"));
            return answerPerson ? answerPerson(parent) : std::nullopt;
        };
        context.showMessage = [this](const QString& text) { calls << text; };
        context.showHelp = [this](int topic) { calls << QStringLiteral("help %1").arg(topic); };
        return context;
    }
};

}  // namespace

class PeopleTest : public QObject {
    Q_OBJECT
  private slots:
    void newPersonDefaultsAndLine();
    void editingOnlyTheSexKeepsOnePerson();
    void refusedNamesStayInTheDialog();
    void askedModallyAndGivenBack();
    void dateHintStandsBesideTheDialog();
    void groupDialog();
    void groupSelectionSkipsTheEditorsGroup();
    void selectorChoosesPersonOne();
    void addMeSavesAtOnceAndCloses();
    void addMeThroughThePersonDialog();
    void addMeReportsAFailedSave();
    void selectorKeepsBigGroupsAndKeys();
};

void PeopleTest::newPersonDefaultsAndLine() {
    FixedClock clock(kToday);
    TNewPersForm form(clock);
    form.Prepare(std::nullopt);
    auto* date = Child<QDateEdit>(form, "NDate");
    QCOMPARE((QStringList{form.windowTitle(), Child<QLineEdit>(form, "Edit1")->text(),
                          date->date().toString(Qt::ISODate), date->displayFormat(),
                          date->minimumDate().toString(Qt::ISODate),
                          date->maximumDate().toString(Qt::ISODate)}),
             (QStringList{" Create new profile", "", "2026-12-07", "dd MMM yyyy", "0001-01-01",
                          "9999-12-31"}));
    QVERIFY(Child<QRadioButton>(form, "Male")->isChecked());
    QVERIFY(!Child<QRadioButton>(form, "Female")->isChecked());
    QVERIFY(date->calendarPopup());

    // Blanks at the ends go; the year keeps four digits; the two sexes exclude each other.
    Type(form, "Edit1", QStringLiteral("  Bob Brown "));
    date->setDate(QDate(987, 3, 4));
    Click(form, "Female");
    Click(form, "Male");
    QVERIFY(!Child<QRadioButton>(form, "Female")->isChecked());
    Click(form, "Male");  // a second click leaves it checked
    QVERIFY(Child<QRadioButton>(form, "Male")->isChecked());
    Click(form, "OkButton");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Result().value_or("none"), std::string("Bob Brown|04.03.0987|M"));
    QCOMPARE(ParseDob("04.03.0987"), EncodeDate(987, 3, 4));

    // An empty name closes the dialog with nothing, as does Cancel.
    form.Prepare(std::nullopt);
    Type(form, "Edit1", QStringLiteral("   "));
    Click(form, "OkButton");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.Result());
    form.Prepare(std::nullopt);
    Type(form, "Edit1", QStringLiteral("Carl"));
    Click(form, "CanxButton");
    QVERIFY(!form.Result());
}

void PeopleTest::editingOnlyTheSexKeepsOnePerson() {
    DatabaseFixture f;
    TNewPersForm form(f.clock);
    const std::string bob{f.db.Persons(1)[1]};
    form.Prepare(bob);
    QCOMPARE(form.windowTitle(), QStringLiteral(" Edit profile"));
    QCOMPARE(Child<QLineEdit>(form, "Edit1")->text(), QStringLiteral("Bob Brown"));
    QCOMPARE(Child<QDateEdit>(form, "NDate")->date(), QDate(1990, 2, 1));
    Click(form, "Female");
    Click(form, "OkButton");
    QCOMPARE(form.Result().value_or("none"), std::string("Bob Brown|01.02.1990|F"));
    // The editor puts the line in place of the old one: Bob is there once, as a woman.
    f.db.ReplacePerson(1, 1, *form.Result());
    const std::vector<std::string> friends(f.db.Persons(1).begin(), f.db.Persons(1).end());
    QCOMPARE(friends,
             (std::vector<std::string>{"Ann Smith|05.01.1980|F", "Bob Brown|01.02.1990|F",
                                       "Carl Cole|03.03.1970|M", "Dora Dean|04.04.1960|F"}));

    // A line without a sex letter (a merged file may hold one) shows neither, and the dialog
    // asks for one: the line would not be read back without it.
    form.Prepare(std::string("Eve|01.04.1990|X"));
    QVERIFY(!Child<QRadioButton>(form, "Male")->isChecked());
    QVERIFY(!Child<QRadioButton>(form, "Female")->isChecked());
    QCOMPARE(Fault(form, "SexFault"), QString::fromLatin1(kChooseSex));
    QVERIFY(!Child<QAbstractButton>(form, "OkButton")->isEnabled());
    Click(form, "Female");
    QCOMPARE(Fault(form, "SexFault"), QString());
    Click(form, "OkButton");
    QCOMPARE(form.Result().value_or("none"), std::string("Eve|01.04.1990|F"));
}

void PeopleTest::refusedNamesStayInTheDialog() {
    FixedClock clock(kToday);
    TNewPersForm form(clock);
    form.show();
    const struct {
        const char* typed;
        const char* fault;
    } refused[] = {
        {"Ann|Smith", kNameBarFault},
        {"Ann\tSmith", kNameControlFault},
        {"#1 fan", kNameStartFault},
    };
    for (const auto& r : refused) {
        form.Prepare(std::nullopt);
        form.show();
        Child<QLineEdit>(form, "Edit1")->setText(QString::fromUtf8(r.typed));
        QCOMPARE(Fault(form, "NameFault"), QString::fromLatin1(r.fault));
        QVERIFY(!Child<QAbstractButton>(form, "OkButton")->isEnabled());
        // Enter in the name field does not get past it either.
        QTest::keyClick(Child<QLineEdit>(form, "Edit1"), Qt::Key_Return);
        QTest::qWait(0);
        QVERIFY2(form.isVisible(), r.typed);
        QVERIFY(!form.Result());
    }
    // Mending the name takes the reason away.
    Type(form, "Edit1", QStringLiteral("Ann Smith"));
    QCOMPARE(Fault(form, "NameFault"), QString());
    QVERIFY(Child<QAbstractButton>(form, "OkButton")->isEnabled());
}

void PeopleTest::askedModallyAndGivenBack() {
    FixedClock clock(kToday);
    TNewPersForm form(clock);
    QWidget asker;
    asker.show();
    // A bar typed and Enter pressed keeps the dialog open with the reason; Escape through the
    // key dispatcher then gives nothing back.
    KeyDispatcher keys(&asker);
    QList<int> topics;
    keys.SetHelpShower([&topics](int topic) { topics << topic; });
    TNewGroupForm groupForm;
    TSelectGroupForm selection;
    SelectorFixture s;
    TSelForm selector(s.Context());
    AddPeopleDialogKeys(keys, form, groupForm, selection, selector);
    keys.Install();
    QStringList seen;
    WhenShown(form, [&] {
        seen << QString::number(form.parentWidget() == &asker) << form.windowTitle();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // QTest types ASCII letters only; the rest comes in as an input method would.
        QTest::keyClicks(Child<QLineEdit>(form, "Edit1"), QStringLiteral("Ann"));
        Child<QLineEdit>(form, "Edit1")->insert(QStringLiteral("|"));
        QTest::keyClick(Child<QLineEdit>(form, "Edit1"), Qt::Key_Return);
        seen << Fault(form, "NameFault") << QString::number(form.isVisible());
        QTest::keyClick(Child<QLineEdit>(form, "Edit1"), Qt::Key_F1);
        QTest::keyClick(Child<QLineEdit>(form, "Edit1"), Qt::Key_Escape);
    });
    QVERIFY(!form.Ask(&asker, std::nullopt));
    QCOMPARE(seen, (QStringList{"1", " Create new profile", kNameBarFault, "1"}));
    QCOMPARE(topics, QList<int>{7});
    // The dialog is its own again, so the asker can go without taking it along.
    QCOMPARE(form.parentWidget(), nullptr);

    // Enter on a good name is OK.
    WhenShown(form, [&] {
        Child<QLineEdit>(form, "Edit1")->insert(QStringLiteral(" Zoë "));
        QTest::keyClick(Child<QLineEdit>(form, "Edit1"), Qt::Key_Enter);
    });
    QCOMPARE(form.Ask(&asker, std::string("Zed|01.01.2000|F")).value_or("none"),
             std::string("Zoë|01.01.2000|F"));
}

void PeopleTest::dateHintStandsBesideTheDialog() {
    FixedClock clock(kToday);
    TNewPersForm form(clock);
    form.Prepare(std::nullopt);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.move(100, 80);
    TDateHintForm& hint = form.DateHint();
    QVERIFY(!hint.isVisible());
    Click(form, "Button1");
    QVERIFY(hint.isVisible());
    QCOMPARE(hint.windowTitle(), QStringLiteral("Easy dating"));
    QCOMPARE(hint.size(), QSize(232, 182));
    const QRect owner = form.frameGeometry();
    QCOMPARE(hint.frameGeometry().topLeft(), QPoint(owner.x() + owner.width() + 1, owner.y()));
    // The picture fills the window, and it is the artwork's.
    const QImage shown = hint.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage drawn = art::DateHintPicture(shown.devicePixelRatio());
    drawn = drawn.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), drawn.size());
    QCOMPARE(shown.pixel(shown.width() / 2, 20), drawn.pixel(drawn.width() / 2, 20));
    QVERIFY(drawn.pixel(20, 20) != drawn.pixel(5, 60));  // not one flat colour
    // Typing goes on in the dialog.
    QVERIFY(!hint.isActiveWindow());

    // Where the screen ends right of the dialog, the hint stands left of it.
    const QRect area = form.screen()->availableGeometry();
    form.move(area.right() - form.frameGeometry().width() - 20, 80);
    Click(form, "Button1");
    QCOMPARE(hint.frameGeometry().right(), form.frameGeometry().left() - 2);

    // It closes with the dialog, whichever way the dialog closes.
    Click(form, "CanxButton");
    QVERIFY(!hint.isVisible());
    form.Prepare(std::nullopt);
    form.show();
    Click(form, "Button1");
    Type(form, "Edit1", QStringLiteral("Ann"));
    Click(form, "OkButton");
    QVERIFY(!hint.isVisible());
}

void PeopleTest::groupDialog() {
    TNewGroupForm form;
    form.Prepare(std::nullopt);
    form.show();
    auto* pictures = Child<QComboBox>(form, "GroupPicts");
    QCOMPARE(form.windowTitle(), QStringLiteral(" Create new group"));
    QCOMPARE(pictures->count(), 48);
    QCOMPARE(pictures->currentIndex(), 0);
    QCOMPARE(pictures->itemText(47), QString());
    QCOMPARE(pictures->itemIcon(47).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
             art::Picture(art::ImageList::GroupIcons, 47).convertToFormat(QImage::Format_ARGB32));
    QStringList frames;
    for (const QGroupBox* box : form.findChildren<QGroupBox*>()) {
        frames << box->title();
    }
    QCOMPARE(frames, (QStringList{" Group name ", " Group picture"}));

    // An empty name does nothing and keeps the dialog open, saying what is missing.
    Type(form, "Edit1", QStringLiteral("  "));
    Click(form, "OkButton");
    QVERIFY(form.isVisible());
    QVERIFY(!form.Result());
    QCOMPARE(Fault(form, "NameFault"), QString::fromLatin1(kEmptyGroupName));
    // A bar is refused with its reason, and OK stays shut.
    Type(form, "Edit1", QStringLiteral("Friends|Family"));
    QCOMPARE(Fault(form, "NameFault"), QString::fromLatin1(kNameBarFault));
    QVERIFY(!Child<QAbstractButton>(form, "OkButton")->isEnabled());
    Click(form, "OkButton");
    QVERIFY(form.isVisible());
    // A good name and a picture are given back; "#" may begin a group's name.
    Type(form, "Edit1", QStringLiteral(" #Friends "));
    pictures->setCurrentIndex(31);
    Click(form, "OkButton");
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Result().value_or(GroupChoice{"none", -1}).name, std::string("#Friends"));
    QCOMPARE(form.Result()->icon, 31);

    // Edit mode shows the group; a picture number outside the set shows the first picture.
    form.Prepare(GroupChoice{"Work", 9});
    QCOMPARE((QStringList{form.windowTitle(), Child<QLineEdit>(form, "Edit1")->text(),
                          QString::number(pictures->currentIndex())}),
             (QStringList{" Edit group", "Work", "9"}));
    form.Prepare(GroupChoice{"Odd", -3});
    QCOMPARE(pictures->currentIndex(), 0);
    form.show();
    Click(form, "CanxButton");
    QVERIFY(!form.Result());
}

void PeopleTest::groupSelectionSkipsTheEditorsGroup() {
    DatabaseFixture f;
    TSelectGroupForm form;
    form.Prepare(f.db, 1, true);
    form.show();
    auto* ok = Child<QAbstractButton>(form, "OkButton");
    auto* list = Child<QListView>(form, "GroupSel");
    QCOMPARE(form.windowTitle(), QStringLiteral(" Select group"));
    QCOMPARE(Child<QGroupBox>(form, "GroupBox1")->title(), QStringLiteral(" Move person to"));
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(list->model()->index(2, 0).data().toString(), QStringLiteral("Work"));
    QCOMPARE(list->model()->index(2, 0).data(GroupListModel::kIconRole).toInt(), 9);
    // The first group is chosen at first; OK only while the group is not the editor's.
    QCOMPARE(CurrentRow(form, "GroupSel"), 0);
    QList<bool> enabled;
    for (const int row : {0, 1, 2, 1}) {
        SelectRow(form, "GroupSel", row);
        enabled << ok->isEnabled();
    }
    QCOMPARE(enabled, (QList<bool>{true, false, true, false}));
    // A double click on the editor's own group does nothing; on another it is OK.
    emit list->doubleClicked(list->model()->index(1, 0));
    QVERIFY(form.isVisible());
    SelectRow(form, "GroupSel", 2);
    emit list->doubleClicked(list->model()->index(2, 0));
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Result().value_or(99), std::size_t{2});

    // Copy mode, asked modally: Cancel gives nothing.
    WhenShown(form, [&] {
        QCOMPARE(Child<QGroupBox>(form, "GroupBox1")->title(), QStringLiteral(" Copy person to"));
        Click(form, "CanxButton");
    });
    QVERIFY(!form.Ask(nullptr, f.db, 0, false));
    WhenShown(form, [&] {
        QVERIFY(!ok->isEnabled());  // the first group is the editor's here
        SelectRow(form, "GroupSel", 1);
        Click(form, "OkButton");
    });
    QCOMPARE(form.Ask(nullptr, f.db, 0, false).value_or(99), std::size_t{1});
}

void PeopleTest::selectorChoosesPersonOne() {
    SelectorFixture f;
    TSelForm form(f.Context());
    // Opens on the main window's person one: Friends, Carl Cole.
    form.Prepare(1, 2);
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral(" Select group and person"));
    QCOMPARE((QList<int>{CurrentRow(form, "GroupSel"), CurrentRow(form, "NameSel")}),
             (QList<int>{1, 2}));
    QCOMPARE(Child<QListView>(form, "NameSel")->currentIndex().data().toString(),
             QStringLiteral("Carl Cole"));
    QVERIFY(!Child<QCheckBox>(form, "ShowBox")->isChecked());
    // Another group shows its persons with the first chosen.
    SelectRow(form, "GroupSel", 2);
    QCOMPARE(Child<QListView>(form, "NameSel")->model()->rowCount(), 1);
    QCOMPARE(CurrentRow(form, "NameSel"), 0);
    SelectRow(form, "GroupSel", 1);
    SelectRow(form, "NameSel", 3);
    Click(form, "HelpBtn");
    Click(form, "OKButton");
    QVERIFY(!form.isVisible());
    QCOMPARE(f.calls, (QStringList{"help 10", "person one 1/3"}));
    QVERIFY(f.settings.showPrompt);

    // "Do not show this dialog again" turns the start-up option off; a double click is OK.
    f.calls.clear();
    form.Prepare(0, 0);
    form.show();
    Child<QCheckBox>(form, "ShowBox")->setChecked(true);
    SelectRow(form, "GroupSel", 2);
    emit Child<QListView>(form, "NameSel")
        ->doubleClicked(Child<QListView>(form, "NameSel")->model()->index(0, 0));
    QVERIFY(!form.isVisible());
    QCOMPARE(f.calls, QStringList{"person one 2/0"});
    QVERIFY(!f.settings.showPrompt);

    // Closed without OK: person one stays, the check box still counts. Out-of-range places
    // open on the first group and person.
    f.calls.clear();
    form.Prepare(7, 99);
    QCOMPARE(Child<QCheckBox>(form, "ShowBox")->isChecked(), true);
    QCOMPARE((QList<int>{CurrentRow(form, "GroupSel"), CurrentRow(form, "NameSel")}),
             (QList<int>{0, 0}));
    form.show();
    Child<QCheckBox>(form, "ShowBox")->setChecked(false);
    form.close();
    QCOMPARE(f.calls, QStringList{});
    QVERIFY(f.settings.showPrompt);
}

void PeopleTest::addMeSavesAtOnceAndCloses() {
    SelectorFixture f;
    TSelForm form(f.Context());
    QWidget* askedOver = nullptr;
    f.answerPerson = [&askedOver](QWidget* parent) {
        askedOver = parent;
        return std::optional<std::string>("Bea Baker|02.02.1992|F");
    };
    // The dialog cancelled: nothing changes and the selector stays.
    form.Prepare(1, 0);
    form.show();
    auto answer = std::move(f.answerPerson);
    Click(form, "AddMeBtn");
    QVERIFY(form.isVisible());
    QVERIFY(!form.PersonAdded());
    QVERIFY(!QFile::exists(f.Path()));
    f.answerPerson = std::move(answer);

    Click(form, "AddMeBtn");
    QCOMPARE(askedOver, &form);
    QVERIFY(!form.isVisible());
    QVERIFY(form.PersonAdded());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    // Bea comes second in Friends; the file holds her already, and she is person one.
    QCOMPARE(ReadAll(f.Path()),
             QByteArray("#My profiles|0\r\nNew person|05.01.2008|M\r\n"
                        "#Friends|2\r\nAnn Smith|05.01.1980|F\r\nBea Baker|02.02.1992|F\r\n"
                        "Bob Brown|01.02.1990|M\r\nCarl Cole|03.03.1970|M\r\n"
                        "Dora Dean|04.04.1960|F\r\n#Work|9\r\nEve Ellis|31.12.1999|F\r\n"));
    QCOMPARE(f.calls,
             (QStringList{"new person", "new person", "database changed", "person one 1/1"}));

    // A profile that is there already is chosen without writing again.
    QVERIFY(QFile::remove(f.Path()));
    f.calls.clear();
    f.answerPerson = [](QWidget*) { return std::optional<std::string>("bob brown|01.02.1990|M"); };
    form.Prepare(1, 0);
    form.show();
    Click(form, "AddMeBtn");
    QVERIFY(!QFile::exists(f.Path()));
    QCOMPARE(f.calls, (QStringList{"new person", "person one 1/2"}));
}

void PeopleTest::addMeThroughThePersonDialog() {
    // The selector asked modally, its "ADD ME!" asking the real person dialog in turn.
    SelectorFixture f;
    TNewPersForm personDialog(f.clock);
    f.answerPerson = [&personDialog](QWidget* parent) {
        return personDialog.Ask(parent, std::nullopt);
    };
    TSelForm selector(f.Context());
    QStringList seen;
    WhenShown(selector, [&] {
        WhenShown(personDialog, [&] {
            seen << personDialog.windowTitle()
                 << QString::number(personDialog.parentWidget() == &selector);
            Type(personDialog, "Edit1", QStringLiteral("Me Myself"));
            Child<QDateEdit>(personDialog, "NDate")->setDate(QDate(1985, 6, 15));
            Click(personDialog, "Female");
            Click(personDialog, "OkButton");
        });
        Click(selector, "AddMeBtn");
    });
    QVERIFY(selector.Ask(nullptr, 0, 0));
    QCOMPARE(seen, (QStringList{" Create new profile", "1"}));
    QCOMPARE(f.calls, (QStringList{"new person", "database changed", "person one 0/0"}));
    NamesDatabase back(f.clock);
    back.LoadFromFile(f.Path().toStdString());
    QCOMPARE(std::string(back.Persons(0)[0]), std::string("Me Myself|15.06.1985|F"));
}

void PeopleTest::addMeReportsAFailedSave() {
    SelectorFixture f;
    // The database's folder is gone: the file cannot be written.
    const QString gone = f.dir.filePath(QStringLiteral("gone/db.rec"));
    f.db.SetFileName(gone.toStdString());
    f.answerPerson = [](QWidget*) { return std::optional<std::string>("Bea|02.02.1992|F"); };
    TSelForm form(f.Context());
    form.Prepare(0, 0);
    form.show();
    Click(form, "AddMeBtn");
    // Told with the path and the reason; the profile is chosen all the same.
    QCOMPARE(f.calls.size(), 4);
    QVERIFY2(f.calls[1].startsWith(QStringLiteral("Your profile was added, but the names "
                                                  "database could not be saved:\n")),
             qPrintable(f.calls[1]));
    QVERIFY2(f.calls[1].contains(gone) && f.calls[1].contains(QStringLiteral("No such file")),
             qPrintable(f.calls[1]));
    QCOMPARE(f.calls[3], QStringLiteral("person one 0/0"));
    QVERIFY(!form.isVisible());
    QCOMPARE(f.db.Persons(0).size(), std::size_t{2});
}

void PeopleTest::selectorKeepsBigGroupsAndKeys() {
    SelectorFixture f;
    // Ten thousand persons in one group (after its "New person"): the one chosen in the main
    // window shows.
    const std::size_t group = *f.db.AddGroup("Many", 4);
    for (int i = 0; i < 10000; ++i) {
        f.db.AddPerson(
            group,
            QStringLiteral("Person %1|01.01.2000|M").arg(i, 5, 10, QLatin1Char('0')).toStdString());
    }
    TSelForm form(f.Context());
    form.Prepare(group, 10000);
    QCOMPARE(CurrentRow(form, "NameSel"), 10000);
    QCOMPARE(Child<QListView>(form, "NameSel")->currentIndex().data().toString(),
             QStringLiteral("Person 09999"));

    // F1 opens getting started; Escape closes without choosing.
    QWidget main;
    KeyDispatcher keys(&main);
    QList<int> topics;
    keys.SetHelpShower([&topics](int topic) { topics << topic; });
    TNewPersForm person(f.clock);
    TNewGroupForm groupForm;
    TSelectGroupForm selection;
    AddPeopleDialogKeys(keys, person, groupForm, selection, form);
    keys.Install();
    WhenShown(form, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(Child<QListView>(form, "NameSel"), Qt::Key_F1);
        QTest::keyClick(Child<QListView>(form, "NameSel"), Qt::Key_Escape);
    });
    QVERIFY(!form.Ask(nullptr, group, 5));
    QCOMPARE(topics, QList<int>{10});
    QCOMPARE(f.calls, QStringList{});
    // Enter on the person list is OK.
    WhenShown(form, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(Child<QListView>(form, "NameSel"), Qt::Key_Down);
        QTest::keyClick(Child<QListView>(form, "NameSel"), Qt::Key_Return);
    });
    QVERIFY(form.Ask(nullptr, group, 5));
    QCOMPARE(f.calls, QStringList{QStringLiteral("person one %1/6").arg(group)});
}

QTEST_MAIN(PeopleTest)
#include "People_test.moc"
