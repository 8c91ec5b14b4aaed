// The help window over a copy of the pages; that the pages' links lead somewhere is checked
// over the files themselves in the core's tests.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>

#include "core/help/HelpTopics.h"
#include "gui/help/HelpService.h"
#include "gui/help/THelpViewer.h"
#include "gui/platform/Shell.h"

using namespace vitalune;
using namespace vitalune::ui;
namespace fs = std::filesystem;

namespace {

// A private copy of the pages, so a test may remove some.
class HelpCopy {
  public:
    HelpCopy() { fs::copy(VITALUNE_HELP_SOURCE_DIR, Folder(), fs::copy_options::recursive); }
    fs::path Folder() const { return (m_dir.path() + "/help").toStdString(); }
    QString Path(const char* file) const {
        return QString::fromStdString((Folder() / file).string());
    }

  private:
    QTemporaryDir m_dir;
};

int HelpWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<THelpViewer*>(widget) && widget->isVisible() ? 1 : 0;
    }
    return count;
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
  private slots:
    void contentsAndHistory();
    void linksThatLeaveTheHelpAreRefused();
    void missingPagesAreReportedWithTheirPath();
    void aNewTopicStartsAfresh();
    void keyboard();
};

void HelpViewerTest::contentsAndHistory() {
    HelpCopy copy;
    THelpViewer viewer(copy.Folder());
    QVERIFY(viewer.OpenPage("About.htm"));
    QListWidget* list = viewer.Contents();
    QCOMPARE(list->count(), 10);
    for (int row = list->count() - 1; row >= 0; --row) {
        const HelpPage& page = kHelpPages[static_cast<std::size_t>(row)];
        QCOMPARE(list->item(row)->text().toStdString(), std::string(page.title));
        list->setCurrentRow(row);
        QCOMPARE(viewer.CurrentPage().toStdString(), std::string(page.file));
    }
    // Choosing pages from the list is history like following links.
    viewer.BackAction()->trigger();
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(viewer.ForwardAction()->isEnabled());
    viewer.ForwardAction()->trigger();
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(!viewer.ForwardAction()->isEnabled());
}

void HelpViewerTest::linksThatLeaveTheHelpAreRefused() {
    HelpCopy copy;
    RecordingShell shell;
    THelpViewer viewer(copy.Folder(), &shell);
    QVERIFY(viewer.OpenPage("Overview.htm"));
    const fs::path outside = copy.Folder().parent_path() / "outside.htm";
    std::ofstream(outside) << "<html>secret</html>";
    for (const QUrl& link :
         {QUrl(QStringLiteral("../outside.htm")), QUrl(QStringLiteral("NoSuchPage.htm")),
          QUrl(QStringLiteral("ftp://example.org/x.htm")),
          QUrl::fromLocalFile(QString::fromStdString(outside.string()))}) {
        QVERIFY2(!viewer.FollowLink(link), qPrintable(link.toString()));
    }
    QVERIFY(!viewer.OpenPage("NoSuchPage.htm"));
    QCOMPARE(viewer.CurrentPage(), QStringLiteral("Overview.htm"));
    QVERIFY(!viewer.BackAction()->isEnabled());
    // A web address goes to the browser, not into the help window.
    QVERIFY(viewer.FollowLink(QUrl(QStringLiteral("https://example.org/a?q=1"))));
    QCOMPARE(shell.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/a?q=1"))});
    QCOMPARE(viewer.CurrentPage(), QStringLiteral("Overview.htm"));
}

void HelpViewerTest::missingPagesAreReportedWithTheirPath() {
    QTemporaryDir dir;
    const fs::path missing = fs::path(dir.path().toStdString()) / "help";
    QStringList messages;
    HelpService help(missing, [&](const QString& text) { messages << text; });
    help.ShowHelpTopic(6);
    QCOMPARE(messages,
             QStringList{QStringLiteral("Help file not found\n") +
                         QString::fromStdString((missing / "CreateReport.htm").string())});
    QVERIFY(!help.Viewer());

    // One page gone: only its topic fails, and the window already open stays as it is.
    HelpCopy copy;
    fs::remove(copy.Folder() / "UseBioMatch.htm");
    messages.clear();
    HelpService partial(copy.Folder(), [&](const QString& text) { messages << text; });
    partial.ShowHelpTopic(4);
    partial.ShowHelpTopic(8);
    QCOMPARE(messages,
             QStringList{QStringLiteral("Help file not found\n") + copy.Path("UseBioMatch.htm")});
    QVERIFY(partial.Viewer()->isVisible());
    QCOMPARE(partial.Viewer()->CurrentPage(), QStringLiteral("Overview.htm"));
}

void HelpViewerTest::aNewTopicStartsAfresh() {
    HelpCopy copy;
    HelpService help(copy.Folder(), [](const QString&) { QFAIL("no message expected"); });
    help.CloseHelpWindow();  // nothing open yet: nothing happens
    help.ShowHelpTopic(4);
    THelpViewer* first = help.Viewer();
    QVERIFY(first->FollowLink(QUrl(QStringLiteral("GetDayInfo.htm"))));
    help.ShowHelpTopic(6);
    QCOMPARE(help.Viewer(), first);
    QCOMPARE(HelpWindows(), 1);
    // Which page a topic names is the core's; the window shows it, loaded, not only named.
    QCOMPARE(first->CurrentPage(), QStringLiteral("CreateReport.htm"));
    QCOMPARE(first->Browser()->documentTitle(), QStringLiteral("Personal forecast"));
    QCOMPARE(first->windowTitle(), QStringLiteral("Vitalune Help: Personal forecast"));
    QCOMPARE(first->Contents()->currentItem()->text(), QStringLiteral("Personal forecast"));
    QVERIFY(first->Browser()->toPlainText().size() > 400);
    QVERIFY2(!first->BackAction()->isEnabled(), "the earlier opening's pages are forgotten");
    QVERIFY(!first->Browser()->isBackwardAvailable());
    help.CloseHelpWindow();
    QCOMPARE(HelpWindows(), 0);
    help.ShowHelpTopic(10);
    QVERIFY(first->isVisible());
    QCOMPARE(first->CurrentPage(), QStringLiteral("GettingStartedNew.htm"));
}

void HelpViewerTest::keyboard() {
    HelpCopy copy;
    HelpService help(copy.Folder(), [](const QString&) {});
    help.ShowHelpTopic(42);  // no such topic: the start page
    THelpViewer* viewer = help.Viewer();
    QCOMPARE(viewer->CurrentPage(), QStringLiteral("About.htm"));
    QTextBrowser* browser = viewer->Browser();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QVERIFY(viewer->FollowLink(QUrl(QStringLiteral("Overview.htm"))));
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(viewer->CurrentPage(), QStringLiteral("About.htm"));
    QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(viewer->CurrentPage(), QStringLiteral("Overview.htm"));
    QTest::keyClick(browser, Qt::Key_Home, Qt::AltModifier);
    QCOMPARE(viewer->CurrentPage(), QStringLiteral("About.htm"));

    // F6 moves between the page and the contents list, where the arrow keys choose pages.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_F6);
    QVERIFY(viewer->Contents()->hasFocus());
    QTest::keyClick(viewer->Contents(), Qt::Key_Down);
    QCOMPARE(viewer->CurrentPage().toStdString(), std::string(kHelpPages[1].file));
    QTest::keyClick(viewer->Contents(), Qt::Key_F6);
    QVERIFY(browser->hasFocus());

    const qreal size = browser->font().pointSizeF();
    QTest::keyClick(browser, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(browser->font().pointSizeF() > size);
    QTest::keyClick(browser, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(browser->font().pointSizeF(), size);
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());

    // Every control can be reached by assistive tools under a name.
    for (QWidget* child : viewer->findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus && child->isVisibleTo(viewer) &&
            !child->inherits("QScrollBar") && child->parentWidget() &&
            !child->parentWidget()->inherits("QAbstractScrollArea")) {
            QVERIFY2(!child->accessibleName().isEmpty(), child->metaObject()->className());
        }
    }
}

QTEST_MAIN(HelpViewerTest)
#include "HelpViewer_test.moc"
