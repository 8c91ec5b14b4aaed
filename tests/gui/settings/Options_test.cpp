// The options dialog offscreen over a real main window: the repaints of the page in view only,
// Reset and the ways of cancelling, Ok with the trackbar in percent, the pointer colour, the
// matching pictures and the Lines button, and its keys through the key dispatcher.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/engine/Clock.h"
#include "core/settings/MemorySettingsStore.h"
#include "gui/main/ChartBox.h"
#include "gui/main/TMainForm.h"
#include "gui/platform/Utf8Text.h"
#include "gui/settings/TSettingForm.h"
#include "gui/widgets/KeyDispatcher.h"

using namespace vitalune;
using namespace vitalune::ui;
using paint::ChartPage;

namespace {

// The pages whose chart boxes were painted, each once.
class PaintCounter final : public QObject {
  public:
    explicit PaintCounter(const TMainForm& form) {
        for (int i = 0; i < paint::kChartPageCount; ++i) {
            form.PaintBox(static_cast<ChartPage>(i))->installEventFilter(this);
        }
    }
    // Since the last call, once the pending paints are done. They come on the platform's update
    // timer, late on a busy machine: wait until a while passes without one.
    QList<ChartPage> Take() {
        for (qsizetype seen = -1, i = 0; seen != m_painted.size() && i < 20; ++i) {
            seen = m_painted.size();
            QTest::qWait(100);
        }
        return std::exchange(m_painted, {});
    }

  protected:
    bool eventFilter(QObject* box, QEvent* event) override {
        const ChartPage page = static_cast<ChartBox*>(box)->page();
        if (event->type() == QEvent::Paint && !m_painted.contains(page)) {
            m_painted << page;
        }
        return false;
    }

  private:
    QList<ChartPage> m_painted;
};

struct Fixture {
    QTemporaryDir dir;
    MemorySettingsStore store;
    FixedClock clock{static_cast<DateTime>(EncodeDate(2026, 12, 7))};
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TSettingForm> dialog;
    std::optional<Colour> colourAnswer;
    QList<QWidget*> linesShownOver;
    ReminderSettings reminder;
    std::vector<ReminderSettings> applied;

    explicit Fixture(bool withLines = true) {
        MainFormContext c;
        c.store = &store;
        c.clock = &clock;
        c.programFolder = (dir.path() + "/data").toStdString();
        c.executableFolder = QCoreApplication::applicationDirPath().toStdString();
        c.showMessage = [](const QString&) {};
        form = std::make_unique<TMainForm>(c);
        OptionsContext o;
        o.settings = &form->Settings();
        o.activePage = [this] { return form->ActivePage(); };
        o.settingsChanged = [this] { form->SettingsChanged(); };
        o.askColour = [this](QWidget*, Colour) { return colourAnswer; };
        if (withLines) {
            o.showLines = [this](QWidget* over) {
                linesShownOver << over;
                form->Settings().pens[0].width = 3;  // as the lines dialog's Ok would
            };
        }
        o.store = &store;
        o.reminder = [this] { return reminder; };
        o.reminderChoices = [] {
            return std::vector<ReminderChoice>{{"Group: My profiles", {true, "My profiles", ""}},
                                               {"Group: Family", {true, "Family", ""}},
                                               {"Person one: Ann", {true, "Family", "Ann"}}};
        };
        o.applyReminder = [this](const ReminderSettings& chosen) {
            applied.push_back(chosen);
            reminder = chosen;
            return std::string{};
        };
        dialog = std::make_unique<TSettingForm>(o);
    }
    AppSettings& Settings() const { return form->Settings(); }
    // Opens the dialog as the main window's Options entry does, without waiting in it.
    bool Open() const {
        dialog->FormShow();
        dialog->show();
        dialog->activateWindow();
        return QTest::qWaitForWindowActive(dialog.get());
    }
    template <typename T = QWidget>
    T* W(const char* name) const {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        if (!w) {
            qFatal("no control %s", name);
        }
        return w;
    }
    void Click(const char* name) const { W<QAbstractButton>(name)->click(); }
    QString Label3() const { return W<QLabel>("Label3")->text().remove(QLatin1Char('&')); }
};

// Options far from the defaults, the hidden second numbers of the graph modes set.
AppSettings Unusual(AppSettings s) {
    s.showDetails = true;
    s.showPrompt = false;
    s.showPointer = false;
    s.showTips = false;
    s.textSearchUrl = "https://text.example/?q=";
    s.imageSearchUrl = "https://images.example/?q=";
    s.transparency = 77;
    s.pointerColour = 0x00123456;
    s.matchingPictureScheme = 1;
    s.graph = {GraphSetting{1, 1}, {2, 1}, {1, 1}, {2, 1}, {1, 1}};
    return s;
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void onlyThePageInViewIsRepainted() {
        Fixture f;
        f.Settings().graph[0] = {2, 1};
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        PaintCounter paints(*f.form);
        QVERIFY(f.Open());
        const auto combo = [&f](const char* name, int mode) {
            return [&f, name, mode] { f.W<QComboBox>(name)->setCurrentIndex(mode); };
        };
        const auto click = [&f](const char* name) { return [&f, name] { f.Click(name); }; };
        const struct {
            ChartPage inView;
            std::function<void()> change;
            bool repainted;
        } table[] = {
            {ChartPage::Secondary, combo("Base_Graph", 1), false},
            {ChartPage::Secondary, combo("Sec_Graph", 2), true},
            {ChartPage::Extra, combo("Ich_Graph", 1), false},
            {ChartPage::IChing, combo("Ich_Graph", 2), true},
            {ChartPage::Primary, combo("Comp_Graph", 1), false},
            {ChartPage::Primary, click("LShowDetails"), false},
            {ChartPage::Compatibility, click("LShowDetails"), true},
            {ChartPage::Extra, click("LShowPointer"), true},
            {ChartPage::Secondary, [&f] { f.W<QSlider>("TrackBar1")->setValue(30); }, true},
        };
        for (const auto& row : table) {
            f.form->SetActivePage(row.inView);
            paints.Take();
            row.change();
            QCOMPARE(paints.Take(), row.repainted ? QList{row.inView} : QList<ChartPage>{});
        }
        // The hidden change shows once its page does, the second number untouched.
        QCOMPARE(f.Settings().graph[0], (GraphSetting{1, 1}));
        QCOMPARE(f.form->SceneFor(ChartPage::Primary).graphMode, 1);
        QCOMPARE(f.form->SceneFor(ChartPage::Compatibility).graphMode, 1);
    }

    void resetThenCancellingRestoresEveryOption() {
        const std::function<void(Fixture&, KeyDispatcher&)> closings[] = {
            [](Fixture& f, KeyDispatcher&) { f.Click("CancelBtn"); },
            [](Fixture&, KeyDispatcher& keys) {
                keys.Dispatch({Qt::Key_Escape, {}});
            },
            [](Fixture& f, KeyDispatcher&) { f.dialog->close(); },
        };
        for (const auto& close : closings) {
            Fixture f;
            KeyDispatcher keys(f.form.get());
            AddOptionsKeys(keys, *f.dialog);
            QList<int> help;
            keys.SetHelpShower([&help](int topic) { help << topic; });
            f.Settings() = Unusual(f.Settings());
            const AppSettings opened = f.Settings();
            QVERIFY(f.Open());

            f.Click("ResetBtn");
            AppSettings live;  // the defaults at once; the Misc page waits for Ok
            live.textSearchUrl = opened.textSearchUrl;
            live.imageSearchUrl = opened.imageSearchUrl;
            live.showPrompt = opened.showPrompt;
            live.showTips = opened.showTips;
            live.pens = opened.pens;
            QCOMPARE(f.Settings(), live);
            QCOMPARE(f.form->Bars(), ComputeBarColours(0));
            QCOMPARE(f.Label3(), QStringLiteral("Transparency 0%"));
            QCOMPARE(f.W<QLineEdit>("ImagesAddress")->text(), QUtf8(kDefaultImageSearchUrl));
            QVERIFY(f.W<QCheckBox>("LShowPrompt")->isChecked());

            f.Click("LinesBtn");  // the pens the lines dialog kept stay through Cancel
            QCOMPARE(f.linesShownOver, QList<QWidget*>{f.dialog.get()});
            keys.Dispatch({Qt::Key_F1, {}});
            QCOMPARE(help, QList<int>{4});
            close(f, keys);
            QVERIFY(!f.dialog->isVisible());
            AppSettings expected = opened;
            expected.pens[0].width = 3;
            QCOMPARE(f.Settings(), expected);
            QCOMPARE(f.form->Bars(), ComputeBarColours(77));
        }
    }

    // Only Ok applies a changed reminder; a kept group no longer in the database stays offered.
    void reminderIsAppliedByOkWhenChanged() {
        Fixture f;
        f.reminder = {false, "Old friends", ""};
        QVERIFY(f.Open());
        auto* watch = f.W<QComboBox>("RemindWatch");
        QCOMPARE(watch->count(), 4);
        QCOMPARE(watch->currentText(), QStringLiteral("Group: Old friends"));
        QVERIFY(!watch->isEnabled());
        f.Click("LRemind");
        QVERIFY(watch->isEnabled());
        watch->setCurrentIndex(2);
        f.Click("CancelBtn");
        QVERIFY(f.applied.empty());

        QVERIFY(f.Open());
        f.Click("LRemind");
        watch->setCurrentIndex(2);
        f.Click("OkBtn");
        QCOMPARE(f.applied.size(), 1u);
        QVERIFY((f.applied.back() == ReminderSettings{true, "Family", "Ann"}));

        QVERIFY(f.Open());
        QCOMPARE(watch->currentText(), QStringLiteral("Person one: Ann"));
        f.Click("OkBtn");  // nothing changed: nothing installed again
        QCOMPARE(f.applied.size(), 1u);
        QVERIFY(f.Open());
        f.Click("ResetBtn");
        f.Click("OkBtn");
        QCOMPARE(f.applied.size(), 2u);
        QVERIFY((f.applied.back() == ReminderSettings{false, "My profiles", ""}));
    }

    void okKeepsTrackbarAddressesAndStartupBoxes() {
        Fixture f;
        f.Settings() = Unusual(f.Settings());
        f.Settings().transparency = 1;  // shows as 0 %, and opening must not round it away
        AppSettings expected = f.Settings();
        QVERIFY(f.Open());
        QCOMPARE(f.W<QSlider>("TrackBar1")->value(), 0);
        f.W<QLineEdit>("TextAddress")->setText(QStringLiteral("  https://find.example/?q=\n"));
        f.W<QLineEdit>("ImagesAddress")->setText(QStringLiteral("   "));
        f.Click("LShowPrompt");
        f.Click("LShowTips");
        QCOMPARE(f.Settings(), expected);  // nothing before Ok
        f.W<QSlider>("TrackBar1")->setValue(50);
        QCOMPARE(f.Label3(), QStringLiteral("Transparency 50%"));
        QCOMPARE(f.form->Bars(), ComputeBarColours(128));
        f.Click("OkBtn");
        QVERIFY(!f.dialog->isVisible());
        expected.transparency = 128;
        expected.textSearchUrl = "https://find.example/?q=";
        expected.imageSearchUrl = kDefaultImageSearchUrl;  // emptied: the default again
        expected.showPrompt = true;
        expected.showTips = true;
        QCOMPARE(f.Settings(), expected);
        QVERIFY(f.Open());
        QCOMPARE(f.W<QSlider>("TrackBar1")->value(), 50);
        QCOMPARE(f.Label3(), QStringLiteral("Transparency 50%"));
    }

    void pointerColourPicturesAndLines() {
        Fixture f;
        QVERIFY(f.Open());
        f.Click("PointerColorBtn");  // the colour dialog cancelled
        QCOMPARE(f.Settings().pointerColour, kDefaultPointerColour);
        f.colourAnswer = 0x00332211;
        f.Click("PointerColorBtn");
        QCOMPARE(f.Settings().pointerColour, Colour{0x00332211});

        auto* pictures = f.W<QComboBox>("MatchPict");
        QVERIFY(!pictures->itemIcon(1).isNull());
        f.W<QTabWidget>("PageControl1")->setCurrentIndex(1);
        pictures->setFocus();
        QVERIFY(pictures->hasFocus());
        pictures->setCurrentIndex(1);
        QCOMPARE(f.Settings().matchingPictureScheme, 1);
        QVERIFY(f.W("OkBtn")->hasFocus());

        Fixture withoutLines(false);
        QVERIFY(!withoutLines.W("LinesBtn")->isEnabled());
    }
};

QTEST_MAIN(OptionsTest)
#include "Options_test.moc"
