// The tip of the day and the about box driven offscreen: the tips in turn with their
// categories, the web site linked from the tips that name it, the check box kept as the
// show-tips option across a restart of the main window, and the about box's title and links.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "core/engine/Clock.h"
#include "core/help/TipTexts.h"
#include "core/settings/AppSettings.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "gui/help/TAboutBox.h"
#include "gui/help/TTipsForm.h"
#include "gui/main/TMainForm.h"
#include "gui/platform/Shell.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(std::uint32_t value) : m_value(value) {}
    std::uint32_t Next() override { return m_value; }

  private:
    std::uint32_t m_value;
};

// The web addresses linked from the text shown.
QStringList Links(const QTextBrowser& memo) {
    QStringList links;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isAnchor()) {
                links << it.fragment().text() + QLatin1Char('>') +
                             it.fragment().charFormat().anchorHref();
            }
        }
    }
    return links;
}

class TipsAboutTest : public QObject {
    Q_OBJECT
  private slots:
    void tipsStepThroughAllAndWrap() {
        AppSettings settings;
        FixedRandom random(51);  // 51 mod 26: the last tip
        RecordingShell shell;
        TTipsForm tips({&settings, nullptr, &random, &shell, {}});
        tips.Open();
        QCOMPARE(tips.TipIndex(), 25);
        QCOMPARE(tips.Memo()->toPlainText(),
                 QStringLiteral("Category: Forecast\nPersonal forecast can help to plan your "
                                "future. Find the days when your abilities are unstable to "
                                "prevent rush decisions and actions."));
        QStringList seen;
        for (int i = 0; i < kTipCount; ++i) {
            tips.NextTipBtnClick();
            QCOMPARE(tips.TipIndex(), i);
            const TipText& tip = Tip(i);
            QCOMPARE(tips.Memo()->toPlainText(),
                     QStringLiteral("Category: ") + QString::fromUtf8(tip.category) +
                         QLatin1Char('\n') + QString::fromStdString(tip.text));
            seen << QString::fromStdString(tip.text);
            if (i == 0 || i == 2) {
                QCOMPARE(Links(*tips.Memo()),
                         QStringList{QStringLiteral("vitalune.example.org>https://"
                                                    "vitalune.example.org/")});
            } else {
                QVERIFY(Links(*tips.Memo()).isEmpty());
            }
        }
        seen.removeDuplicates();
        QCOMPARE(seen.size(), kTipCount);
        QVERIFY(seen[21].contains(QStringLiteral("digits 1 \u2026 6 to switch")));
        tips.ShowTip(0);
        emit tips.Memo()->anchorClicked(QUrl(QStringLiteral("https://vitalune.example.org/")));
        QCOMPARE(shell.opened, QList<QUrl>{QUrl(QStringLiteral("https://vitalune.example.org/"))});
        tips.ShowTip(kTipCount);
        QCOMPARE(tips.TipIndex(), 0);
    }

    // Ticked, the box switches the tips off for the next start, whether the tip window or the
    // main window is closed first; unticked, they show again, after the person selector.
    void tipsOffMeansNoTipsOnTheNextStart() {
        const struct {
            bool tick;
            bool closeTipsFirst;
            QStringList nextStart;
        } table[] = {
            {false, true, {"selector", "tips"}},
            {true, true, {"selector"}},
            {true, false, {"selector"}},
        };
        for (const auto& row : table) {
            QTemporaryDir dir;
            MemorySettingsStore store;
            WriteBool(store, "", "Main_ShowTips", true);
            FixedClock clock(EncodeDate(2026, 12, 7));
            FixedRandom random(3);
            RecordingShell shell;
            const auto start = [&](const std::function<void(TMainForm&, TTipsForm&)>& use) {
                MainFormContext context;
                context.store = &store;
                context.clock = &clock;
                context.programFolder = dir.path().toStdString();
                context.executableFolder = QCoreApplication::applicationDirPath().toStdString();
                context.showMessage = [](const QString&) {};
                TMainForm form(context);
                TTipsForm tips({&form.Settings(), &store, &random, &shell, {}});
                QStringList opened;
                form.SetPersonSelector([&opened] { opened << QStringLiteral("selector"); });
                form.SetTipsWindow([&opened, &tips, &form] {
                    opened << QStringLiteral("tips");
                    tips.Open(&form);
                });
                form.SetCompanionCloser([&tips] { tips.close(); });
                // The selector and the tips come in one go, on the first activation.
                form.show();
                form.activateWindow();
                if (!QTest::qWaitFor([&opened] { return !opened.isEmpty(); })) {
                    qFatal("the main window did not become active");
                }
                use(form, tips);
                form.close();
                return opened;
            };
            const QStringList first = start([&row](TMainForm& form, TTipsForm& tips) {
                QVERIFY(tips.isVisible());
                tips.findChild<QCheckBox*>(QStringLiteral("ShowBox"))->setChecked(row.tick);
                if (row.closeTipsFirst) {
                    tips.CloseBtnClick();
                }
                QCOMPARE(form.Settings().showTips, !row.tick);
            });
            QCOMPARE(first, QStringList({"selector", "tips"}));
            QCOMPARE(start([](TMainForm&, TTipsForm&) {}), row.nextStart);
        }
    }

    void aboutBoxTitleAndLinks() {
        RecordingShell shell;
        QStringList messages;
        TAboutBox about({&shell, [&messages](QWidget*, const QString& m) { messages << m; }});
        about.FormActivate();
        QCOMPARE(about.ProductName()->text(), QStringLiteral("Vitalune v" VITALUNE_VERSION));
        // Reached with Tab and pressed with the keyboard, or clicked.
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("MailURL"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        auto* mail = about.findChild<QPushButton*>(QStringLiteral("MailURL"));
        auto* site = about.findChild<QPushButton*>(QStringLiteral("SiteURL"));
        site->click();
        QCOMPARE(shell.opened,
                 QList<QUrl>({QUrl(QStringLiteral("mailto:support@vitalune.example.org")),
                              QUrl(QStringLiteral("https://vitalune.example.org/"))}));
        shell.succeed = false;
        mail->click();
        site->click();
        QCOMPARE(messages, QStringList({QStringLiteral("No e-mail program could be started. "
                                                       "Write to support@vitalune.example.org"),
                                        QStringLiteral("Unable to open the web address "
                                                       "https://vitalune.example.org/")}));
    }
};

}  // namespace

QTEST_MAIN(TipsAboutTest)
#include "TipsAbout_test.moc"
