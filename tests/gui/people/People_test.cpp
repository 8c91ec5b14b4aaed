// The people dialogs driven through their controls, offscreen: the person dialog and its date
// hint, the group dialog, the group selection, and the person selector with its "ADD ME!".
// Nested dialogs are answered by the test, the selector's hooks record what they were asked.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include "PeopleTestSupport.h"
#include "core/db/NameRule.h"
#include "core/db/NamesDatabase.h"
#include "core/settings/AppSettings.h"
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

// "My profiles" with the placeholder, "Friends" with four, "Work" with one.
const char* const kDatabase =
    "#My profiles|0\r\nNew person|05.01.2008|M\r\n"
    "#Friends|2\r\nAnn Smith|05.01.1980|F\r\nBob Brown|01.02.1990|M\r\n"
    "Carl Cole|03.03.1970|M\r\nDora Dean|04.04.1960|F\r\n"
    "#Work|9\r\nEve Ellis|31.12.1999|F\r\n";

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

bool Checked(const QObject& window, const char* button) {
    return Child<QAbstractButton>(window, button)->isChecked();
}

bool Enabled(const QObject& window, const char* button) {
    return Child<QAbstractButton>(window, button)->isEnabled();
}

// The selector over kDatabase kept in a private folder's db.rec, every hook recording its call.
struct SelectorFixture {
    QTemporaryDir dir;
    FixedClock clock{static_cast<DateTime>(kToday)};
    NamesDatabase db{clock};
    AppSettings settings;
    QStringList calls;
    std::function<std::optional<std::string>(QWidget*)> answerPerson;  // none: cancelled

    SelectorFixture() {
        db.LoadFromBytes(kDatabase);
        db.SetFileName(Path().toStdString());
    }
    QString Path() const { return dir.filePath(QStringLiteral("db.rec")); }

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
    void personDialogLines();
    void askedModallyWithHelpKeys();
    void groupDialog();
    void groupSelectionSkipsTheEditorsGroup();
    void selectorAndAddMe();
};

void PeopleTest::personDialogLines() {
    FixedClock clock(kToday);
    TNewPersForm form(clock);
    form.Prepare(std::nullopt);
    auto* date = Child<QDateEdit>(form, "NDate");
    QCOMPARE((QStringList{form.windowTitle(), Child<QLineEdit>(form, "Edit1")->text(),
                          date->date().toString(Qt::ISODate)}),
             (QStringList{" Create new profile", "", "2026-12-07"}));
    QVERIFY(Checked(form, "Male") && !Checked(form, "Female"));
    // Blanks at the ends go; the year keeps four digits.
    Type(form, "Edit1", QStringLiteral("  Bob Brown "));
    date->setDate(QDate(987, 3, 4));
    Click(form, "OkButton");
    QCOMPARE(form.Result().value_or("none"), std::string("Bob Brown|04.03.0987|M"));
    // An empty name closes with nothing, as does Cancel on a good name.
    for (const auto& [typed, button] : {std::pair{"   ", "OkButton"}, {"Carl", "CanxButton"}}) {
        form.Prepare(std::nullopt);
        Type(form, "Edit1", QString::fromLatin1(typed));
        Click(form, button);
        QVERIFY2(!form.Result(), button);
    }
    // Editing only the sex gives the one line that takes the old one's place.
    form.Prepare(std::string("Bob Brown|01.02.1990|M"));
    QCOMPARE(form.windowTitle(), QStringLiteral(" Edit profile"));
    Click(form, "Female");
    Click(form, "OkButton");
    QCOMPARE(form.Result().value_or("none"), std::string("Bob Brown|01.02.1990|F"));
    // A line without a sex letter (a merged file may hold one) must get one to be read back.
    form.Prepare(std::string("Eve|01.04.1990|X"));
    QVERIFY(!Checked(form, "Male") && !Checked(form, "Female") && !Enabled(form, "OkButton"));
    QCOMPARE(Fault(form, "SexFault"), QString::fromLatin1(kChooseSex));
    Click(form, "Female");
    Click(form, "OkButton");
    QCOMPARE(form.Result().value_or("none"), std::string("Eve|01.04.1990|F"));
    // The date hint stands beside the dialog (left where the screen ends), leaves it the focus
    // and closes with it.
    form.Prepare(std::nullopt);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.move(100, 80);
    Click(form, "Button1");
    const QRect owner = form.frameGeometry();
    QCOMPARE(form.DateHint().frameGeometry().topLeft(), QPoint(owner.right() + 2, owner.y()));
    QVERIFY(form.DateHint().isVisible() && !form.DateHint().isActiveWindow());
    form.move(form.screen()->availableGeometry().right() - owner.width() - 20, 80);
    Click(form, "Button1");
    QCOMPARE(form.DateHint().frameGeometry().right(), form.frameGeometry().left() - 2);
    Click(form, "CanxButton");
    QVERIFY(!form.DateHint().isVisible());
}

void PeopleTest::askedModallyWithHelpKeys() {
    SelectorFixture s;
    // Ten thousand persons in one group after its "New person".
    const std::size_t many = *s.db.AddGroup("Many", 4);
    for (int i = 0; i < 10000; ++i) {
        const QString name = QStringLiteral("Person %1").arg(i, 5, 10, QLatin1Char('0'));
        s.db.AddPerson(many, name.toStdString() + "|01.01.2000|M");
    }
    TNewPersForm person(s.clock);
    TNewGroupForm group;
    TSelectGroupForm selection;
    TSelForm selector(s.Context());
    QWidget asker;
    asker.show();
    KeyDispatcher keys(&asker);
    QList<int> topics;
    keys.SetHelpShower([&topics](int topic) { topics << topic; });
    AddPeopleDialogKeys(keys, person, group, selection, selector);
    keys.Install();
    // A bar typed and Enter keep the person dialog open with the reason; Escape gives nothing.
    QStringList seen;
    WhenShown(person, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&person));
        auto* name = Child<QLineEdit>(person, "Edit1");
        QTest::keyClicks(name, QStringLiteral("Ann"));
        name->insert(QStringLiteral("|"));  // QTest types letters only
        QTest::keyClick(name, Qt::Key_Return);
        seen << Fault(person, "NameFault") << QString::number(person.isVisible());
        QTest::keyClick(name, Qt::Key_F1);
        QTest::keyClick(name, Qt::Key_Escape);
    });
    QVERIFY(!person.Ask(&asker, std::nullopt));
    QCOMPARE(seen, (QStringList{kNameBarFault, "1"}));
    WhenShown(person, [&] {
        // The whole name typed anew: the selection made on opening may not outlive focus
        // changes of a busy offscreen test.
        Child<QLineEdit>(person, "Edit1")->setText(QStringLiteral(" Zoë "));
        QTest::keyClick(Child<QLineEdit>(person, "Edit1"), Qt::Key_Enter);
    });
    QCOMPARE(person.Ask(&asker, std::string("Zed|01.01.2000|F")).value_or("none"),
             std::string("Zoë|01.01.2000|F"));
    // Its own again, so the asker can go without taking it along.
    QCOMPARE(person.parentWidget(), nullptr);
    // The selector shows the asked person of the big group; Escape chooses nobody, but the
    // check box still counts.
    selector.Prepare(many, 10000);
    auto* names = Child<QListView>(selector, "NameSel");
    QCOMPARE(names->currentIndex().data().toString(), QStringLiteral("Person 09999"));
    WhenShown(selector, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&selector));
        Child<QCheckBox>(selector, "ShowBox")->setChecked(true);
        QTest::keyClick(names, Qt::Key_F1);
        QTest::keyClick(names, Qt::Key_Escape);
    });
    QVERIFY(!selector.Ask(nullptr, many, 5));
    QVERIFY(!s.settings.showPrompt);
    QCOMPARE(topics, (QList<int>{7, 10}));
    WhenShown(selector, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&selector));
        QTest::keyClick(names, Qt::Key_Down);
        QTest::keyClick(names, Qt::Key_Return);
    });
    QVERIFY(selector.Ask(nullptr, many, 5));
    QCOMPARE(s.calls, QStringList{QStringLiteral("person one %1/6").arg(many)});
}

void PeopleTest::groupDialog() {
    TNewGroupForm form;
    form.Prepare(std::nullopt);
    form.show();
    auto* pictures = Child<QComboBox>(form, "GroupPicts");
    QCOMPARE(pictures->count(), 48);
    // An empty name keeps the dialog open, saying what is missing; a bar shuts OK.
    Type(form, "Edit1", QStringLiteral("  "));
    Click(form, "OkButton");
    QVERIFY(form.isVisible() && !form.Result());
    QCOMPARE(Fault(form, "NameFault"), QString::fromLatin1(kEmptyGroupName));
    Type(form, "Edit1", QStringLiteral("Friends|Family"));
    QCOMPARE(Fault(form, "NameFault"), QString::fromLatin1(kNameBarFault));
    QVERIFY(!Enabled(form, "OkButton"));
    // "#" may begin a group's name.
    Type(form, "Edit1", QStringLiteral(" #Friends "));
    pictures->setCurrentIndex(31);
    Click(form, "OkButton");
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Result().value_or(GroupChoice{"none", -1}).name, std::string("#Friends"));
    QCOMPARE(form.Result()->icon, 31);
    // Edit mode shows the group's picture, or the first for a number outside the set.
    form.Prepare(GroupChoice{"Work", 9});
    QCOMPARE(pictures->currentIndex(), 9);
    form.Prepare(GroupChoice{"Odd", -3});
    QCOMPARE(pictures->currentIndex(), 0);
}

void PeopleTest::groupSelectionSkipsTheEditorsGroup() {
    SelectorFixture f;
    TSelectGroupForm form;
    form.Prepare(f.db, 1, true);
    form.show();
    auto* list = Child<QListView>(form, "GroupSel");
    // The first group is chosen at first; OK only while the group is not the editor's.
    QList<bool> enabled{CurrentRow(form, "GroupSel") == 0};
    for (const int row : {0, 1, 2, 1}) {
        SelectRow(form, "GroupSel", row);
        enabled << Enabled(form, "OkButton");
    }
    QCOMPARE(enabled, (QList<bool>{true, true, false, true, false}));
    // A double click on the editor's own group does nothing; on another it is OK.
    emit list->doubleClicked(list->model()->index(1, 0));
    QVERIFY(form.isVisible());
    SelectRow(form, "GroupSel", 2);
    emit list->doubleClicked(list->model()->index(2, 0));
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Result().value_or(99), std::size_t{2});
    // Copy mode, asked modally from the first group.
    WhenShown(form, [&] {
        QVERIFY(!Enabled(form, "OkButton"));
        SelectRow(form, "GroupSel", 1);
        Click(form, "OkButton");
    });
    QCOMPARE(form.Ask(nullptr, f.db, 0, false).value_or(99), std::size_t{1});
}

void PeopleTest::selectorAndAddMe() {
    SelectorFixture f;
    TSelForm form(f.Context());
    // Opens on the main window's person one; another group shows its first person.
    form.Prepare(1, 2);
    form.show();
    QCOMPARE(Child<QListView>(form, "NameSel")->currentIndex().data().toString(),
             QStringLiteral("Carl Cole"));
    SelectRow(form, "GroupSel", 2);
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
    QCOMPARE(f.calls, QStringList{"person one 2/0"});
    QVERIFY(!f.settings.showPrompt);
    // "ADD ME!" writes the file at once and closes with the new person chosen.
    f.calls.clear();
    QWidget* askedOver = nullptr;
    f.answerPerson = [&askedOver](QWidget* parent) {
        askedOver = parent;
        return std::optional<std::string>("Bea Baker|02.02.1992|F");
    };
    form.Prepare(1, 0);
    form.show();
    Click(form, "AddMeBtn");
    QCOMPARE(askedOver, &form);
    QVERIFY(!form.isVisible() && form.PersonAdded() && form.result() == QDialog::Accepted);
    // Bea comes second in Friends; the file holds her already, and she is person one.
    QCOMPARE(ReadFile(f.Path().toStdString()),
             std::string("#My profiles|0\r\nNew person|05.01.2008|M\r\n"
                         "#Friends|2\r\nAnn Smith|05.01.1980|F\r\nBea Baker|02.02.1992|F\r\n"
                         "Bob Brown|01.02.1990|M\r\nCarl Cole|03.03.1970|M\r\n"
                         "Dora Dean|04.04.1960|F\r\n#Work|9\r\nEve Ellis|31.12.1999|F\r\n"));
    QCOMPARE(f.calls, (QStringList{"new person", "database changed", "person one 1/1"}));
    // A profile that is there already is chosen without writing again.
    QVERIFY(QFile::remove(f.Path()));
    f.calls.clear();
    f.answerPerson = [](QWidget*) { return std::optional<std::string>("bob brown|01.02.1990|M"); };
    form.Prepare(1, 0);
    form.show();
    Click(form, "AddMeBtn");
    QVERIFY(!QFile::exists(f.Path()));
    QCOMPARE(f.calls, (QStringList{"new person", "person one 1/2"}));
    // The folder is gone: told with the path and the reason, the profile chosen all the same.
    const QString gone = f.dir.filePath(QStringLiteral("gone/db.rec"));
    f.db.SetFileName(gone.toStdString());
    f.calls.clear();
    f.answerPerson = [](QWidget*) { return std::optional<std::string>("Cy|03.03.1993|M"); };
    form.Prepare(0, 0);
    form.show();
    Click(form, "AddMeBtn");
    QCOMPARE(f.calls.size(), 4);
    QVERIFY2(f.calls[1].startsWith(QStringLiteral("Your profile was added, but the names "
                                                  "database could not be saved:\n")) &&
                 f.calls[1].contains(gone) && f.calls[1].contains(QStringLiteral("No such file")),
             qPrintable(f.calls[1]));
    QCOMPARE(f.calls[3], QStringLiteral("person one 0/0"));
}

QTEST_MAIN(PeopleTest)
#include "People_test.moc"
