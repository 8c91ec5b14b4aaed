// The main window's keys through the key dispatcher, as the desktop delivers them.
#include <QDateEdit>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QVBoxLayout>

#include "MainFormFixture.h"
#include "gui/main/MainKeyBlock.h"
#include "gui/widgets/KeyDispatcher.h"

using namespace vitalune;
using namespace vitalune::ui;
using namespace vitalune::ui::test;

namespace {

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

class MainKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void mainWindowKeys_data();
    void mainWindowKeys();
    void eachStrokeActsOnce();
    void leftAndRightInsideTheDatePicker();
    void escapeAsksBeforeClosingTheMainWindow();
    void keysDoNotLeakIntoOtherWindows();
    void anotherWindowAddsItsOwnBlock();
    void popupMenusKeepTheirKeys();
};

void MainKeysTest::mainWindowKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("consumed");
    const int none = Qt::NoModifier;
    const int alt = Qt::AltModifier;
    const int ctrl = Qt::ControlModifier;
    const auto row = [](const char* name, int key, int mods, QStringList actions, bool consumed) {
        QTest::newRow(name) << key << mods << actions << consumed;
    };
    row("PageUp", Qt::Key_PageUp, none, {"date 2026-02-28"}, true);
    row("PageDown", Qt::Key_PageDown, none, {"date 2026-04-30"}, true);
    row("End", Qt::Key_End, none, {"date 2026-12-07"}, true);
    row("Home", Qt::Key_Home, none, {"date 1879-03-14"}, true);
    row("Left", Qt::Key_Left, none, {"date 2026-03-30"}, true);
    row("Right", Qt::Key_Right, none, {"date 2026-04-01"}, true);
    row("Insert", Qt::Key_Insert, none, {}, false);
    row("Ctrl+Insert", Qt::Key_Insert, ctrl, {"clipboard"}, true);
    row("Ctrl+C", Qt::Key_C, ctrl, {"clipboard"}, true);
    row("Alt+B", Qt::Key_B, alt, {"date 1879-03-14"}, true);
    row("Alt+C", Qt::Key_C, alt, {"calendar"}, true);
    row("Ctrl+Alt+C", Qt::Key_C, alt | ctrl, {"calendar"}, true);
    row("Alt+D", Qt::Key_D, alt, {"dayinfo 2026-03-31 show"}, true);
    row("Alt+F", Qt::Key_F, alt, {"forecast"}, true);
    row("Alt+H", Qt::Key_H, alt, {"helpmenu"}, true);
    row("Alt+M", Qt::Key_M, alt, {"matching"}, true);
    row("Alt+N", Qt::Key_N, alt, {"names"}, true);
    row("Alt+O", Qt::Key_O, alt, {"options"}, true);
    row("Alt+P", Qt::Key_P, alt, {"print dialog"}, true);
    row("Alt+S", Qt::Key_S, alt, {"save dialog"}, true);
    row("Alt+T", Qt::Key_T, alt, {"date 2026-12-07"}, true);
    // The command letters are used up without Alt too; other letters reach the list.
    row("C", Qt::Key_C, none, {}, true);
    row("Shift+N", Qt::Key_N, Qt::ShiftModifier, {}, true);
    row("X", Qt::Key_X, none, {}, false);
    row("Alt+X", Qt::Key_X, alt, {}, false);
    row("Ctrl+V", Qt::Key_V, ctrl, {}, false);
    row("F1", Qt::Key_F1, none, {"help 4"}, false);
    row("Escape", Qt::Key_Escape, none, {"ask Exit now?/Close the program"}, false);
}

void MainKeysTest::mainWindowKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, actions);
    QFETCH(bool, consumed);
    Keyed k;
    QVERIFY(k.Start());
    KeyProbe probe(k.List());
    QTest::keyClick(k.List(), static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(k.Actions(), actions);
    QCOMPARE(!probe.keys.contains(key), consumed);
    QVERIFY(k.form->isVisible());
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

void MainKeysTest::keysDoNotLeakIntoOtherWindows() {
    Keyed k;
    QVERIFY(k.Start());
    OtherWindow other;
    QVERIFY(other.Start());
    QTest::keyClick(other.edit, Qt::Key_N);
    QTest::keyClick(other.edit, Qt::Key_PageUp);
    QTest::keyClick(other.edit, Qt::Key_Right);
    QTest::keyClick(other.edit, Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(other.edit, Qt::Key_T);
    // Every letter reached the other window (its text field takes Alt+letter as the letter).
    QCOMPARE(other.edit->text(), QStringLiteral("ndt"));
    QCOMPARE(k.form->CalculationDate(), kStart);
    QCOMPARE(k.f.opened, QStringList{});
    QTest::keyClick(other.edit, Qt::Key_F1);  // a window without a topic of its own
    QCOMPARE(k.f.opened, QStringList{"help 4"});
    // Escape closes the other window without asking.
    QTest::keyClick(other.edit, Qt::Key_Escape);
    QCOMPARE(k.f.opened, QStringList{"help 4"});
    QVERIFY(!other.dialog.isVisible());
    QVERIFY(k.form->isVisible());
}

void MainKeysTest::anotherWindowAddsItsOwnBlock() {
    Keyed k;
    QVERIFY(k.Start());
    auto other = std::make_unique<OtherWindow>();
    QStringList seen;
    k.keys->AddWindow(
        &other->dialog, [] { return 7; },
        [&seen](const KeyStroke& s) {
            seen << QString::number(s.key, 16);
            return s.key == Qt::Key_G;
        });
    QVERIFY(other->Start());
    QTest::keyClick(other->edit, Qt::Key_G);
    QTest::keyClick(other->edit, Qt::Key_N);
    QTest::keyClick(other->edit, Qt::Key_F1);
    QCOMPARE(other->edit->text(), QStringLiteral("n"));
    QCOMPARE(seen, (QStringList{"47", "4e"}));  // F1 is the dispatcher's own
    QCOMPARE(k.f.opened, QStringList{"help 7"});
    QCOMPARE(k.form->CalculationDate(), kStart);

    // Back on the main window only its block runs.
    QVERIFY(MainFormFixture::Activate(*k.form));
    k.List()->setFocus();
    QTest::keyClick(k.List(), Qt::Key_G);
    QTest::keyClick(k.List(), Qt::Key_Right);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(k.form->CalculationDate(), kStart + 1);
    other.reset();  // a destroyed window drops out
    QTest::keyClick(k.List(), Qt::Key_F1);
    QCOMPARE(k.f.opened, (QStringList{"help 7", "help 4"}));
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

int RunMainKeysTests(int argc, char** argv) {
    MainKeysTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainKeys_test.moc"
