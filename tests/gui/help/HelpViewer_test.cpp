#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
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

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A private copy of the pages, so a test may remove some.
class HelpCopy {
  public:
    HelpCopy() { fs::copy(VITALUNE_HELP_SOURCE_DIR, Folder(), fs::copy_options::recursive); }
    fs::path Folder() const { return (m_dir.path() + "/help").toStdString(); }

  private:
    QTemporaryDir m_dir;
};

QStringList LinksOf(const QTextDocument& document) {
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !links.contains(href)) {
                links << href;
            }
        }
    }
    return links;
}

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
    void topicOpensItsPage_data();
    void topicOpensItsPage();
    void contentsListTheTenPages();
    void everyLinkOfEveryPageOpens();
    void linksThatLeaveTheHelpAreRefused();
    void missingPagesAreReportedWithTheirPath();
    void aNewTopicClosesTheOpenWindowAndStartsAfresh();
    void keyboard();
};

void HelpViewerTest::topicOpensItsPage_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    const struct {
        int topic;
        const char* page;
        const char* title;
    } rows[] = {
        {0, "About.htm", "Welcome to Vitalune"},
        {1, "WhatAreBiorhythms.htm", "What are biorhythms?"},
        {3, "MakeMonthCalendar.htm", "The month calendar"},
        {4, "Overview.htm", "The main window"},
        {5, "GetDayInfo.htm", "Day information"},
        {6, "CreateReport.htm", "Personal forecast"},
        {7, "SaveYourName.htm", "The names database"},
        {8, "UseBioMatch.htm", "Matching"},
        {9, "SeeCompatibility.htm", "Compatibility"},
        {10, "GettingStartedNew.htm", "Getting started"},
        {42, "About.htm", "Welcome to Vitalune"},
        {-3, "About.htm", "Welcome to Vitalune"},
    };
    for (const auto& row : rows) {
        QTest::newRow(QByteArray::number(row.topic).constData())
            << row.topic << QString::fromLatin1(row.page) << QString::fromLatin1(row.title);
    }
}

void HelpViewerTest::topicOpensItsPage() {
    QFETCH(int, topic);
    QFETCH(QString, page);
    QFETCH(QString, title);
    HelpCopy copy;
    QStringList messages;
    HelpService help(copy.Folder(), [&](const QString& text) { messages << text; });
    help.ShowHelpTopic(topic);
    QVERIFY(messages.isEmpty());
    THelpViewer* viewer = help.Viewer();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->CurrentPage(), page);
    QCOMPARE(viewer->Browser()->documentTitle(), title);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Vitalune Help: ") + title);
    QListWidgetItem* current = viewer->Contents()->currentItem();
    QVERIFY(current);
    QCOMPARE(current->text(), title);
    // The page really is loaded, not only named.
    QVERIFY(viewer->Browser()->toPlainText().size() > 400);
}

void HelpViewerTest::contentsListTheTenPages() {
    HelpCopy copy;
    THelpViewer viewer(copy.Folder());
    QVERIFY(viewer.OpenPage("About.htm"));
    QListWidget* list = viewer.Contents();
    QCOMPARE(list->count(), 10);
    for (int row = 0; row < list->count(); ++row) {
        QCOMPARE(list->item(row)->text(), Q(kHelpPages[row].title));
    }
    for (int row = list->count() - 1; row >= 0; --row) {
        list->setCurrentRow(row);
        QCOMPARE(viewer.CurrentPage(), Q(kHelpPages[row].file));
        QCOMPARE(viewer.Browser()->documentTitle(), Q(kHelpPages[row].title));
    }
    // Choosing pages from the list is history like following links.
    QVERIFY(viewer.BackAction()->isEnabled());
    viewer.BackAction()->trigger();
    QCOMPARE(viewer.CurrentPage(), Q(kHelpPages[1].file));
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(viewer.ForwardAction()->isEnabled());
    viewer.ForwardAction()->trigger();
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(!viewer.ForwardAction()->isEnabled());
}

void HelpViewerTest::everyLinkOfEveryPageOpens() {
    HelpCopy copy;
    RecordingShell shell;
    THelpViewer viewer(copy.Folder(), &shell);
    int followed = 0;
    for (const HelpPage& page : kHelpPages) {
        QVERIFY(viewer.OpenPage(page.file));
        const QStringList links = LinksOf(*viewer.Browser()->document());
        QVERIFY2(!links.isEmpty(), page.file.data());
        for (const QString& link : links) {
            QVERIFY(viewer.OpenPage(page.file));
            const QString target = link.section(QLatin1Char('#'), 0, 0);
            QVERIFY2(viewer.FollowLink(QUrl(link)), qPrintable(Q(page.file) + " -> " + link));
            if (!target.isEmpty() && target.endsWith(QLatin1String(".htm"))) {
                QCOMPARE(viewer.CurrentPage(), target);
                QVERIFY(!viewer.Browser()->toPlainText().isEmpty());
                QVERIFY(viewer.BackAction()->isEnabled());
            }
            ++followed;
        }
    }
    QVERIFY(followed > 40);
    QVERIFY(shell.opened.isEmpty());
}

void HelpViewerTest::linksThatLeaveTheHelpAreRefused() {
    HelpCopy copy;
    RecordingShell shell;
    THelpViewer viewer(copy.Folder(), &shell);
    QVERIFY(viewer.OpenPage("Overview.htm"));
    std::ofstream(copy.Folder().parent_path() / "outside.htm") << "<html>secret</html>";
    QVERIFY(!viewer.FollowLink(QUrl(QStringLiteral("../outside.htm"))));
    QVERIFY(!viewer.FollowLink(QUrl(QStringLiteral("NoSuchPage.htm"))));
    QVERIFY(!viewer.FollowLink(QUrl(QStringLiteral("ftp://example.org/x.htm"))));
    QVERIFY(!viewer.FollowLink(QUrl::fromLocalFile(
        QString::fromStdString((copy.Folder().parent_path() / "outside.htm").string()))));
    QCOMPARE(viewer.CurrentPage(), QStringLiteral("Overview.htm"));
    QVERIFY(!viewer.BackAction()->isEnabled());
    // A web address goes to the browser, not into the help window.
    QVERIFY(viewer.FollowLink(QUrl(QStringLiteral("https://example.org/a?q=1"))));
    QCOMPARE(shell.opened.size(), 1);
    QCOMPARE(shell.opened.front(), QUrl(QStringLiteral("https://example.org/a?q=1")));
    QCOMPARE(viewer.CurrentPage(), QStringLiteral("Overview.htm"));
    QVERIFY(!viewer.OpenPage("NoSuchPage.htm"));
    QCOMPARE(viewer.CurrentPage(), QStringLiteral("Overview.htm"));
}

void HelpViewerTest::missingPagesAreReportedWithTheirPath() {
    QTemporaryDir dir;
    const fs::path missing = fs::path(dir.path().toStdString()) / "data" / "help";
    QStringList messages;
    HelpService help(missing, [&](const QString& text) { messages << text; });
    help.ShowHelpTopic(6);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.front(), QStringLiteral("Help file not found\n") +
                                   QString::fromStdString((missing / "CreateReport.htm").string()));
    QVERIFY(!help.Viewer());

    // One page gone from a folder that holds the others: only that topic fails, and the
    // window already open stays as it is.
    HelpCopy copy;
    fs::remove(copy.Folder() / "UseBioMatch.htm");
    messages.clear();
    HelpService partial(copy.Folder(), [&](const QString& text) { messages << text; });
    partial.ShowHelpTopic(4);
    QVERIFY(messages.isEmpty());
    partial.ShowHelpTopic(8);
    QCOMPARE(messages,
             QStringList{QStringLiteral("Help file not found\n") +
                         QString::fromStdString((copy.Folder() / "UseBioMatch.htm").string())});
    QVERIFY(partial.Viewer()->isVisible());
    QCOMPARE(partial.Viewer()->CurrentPage(), QStringLiteral("Overview.htm"));
}

void HelpViewerTest::aNewTopicClosesTheOpenWindowAndStartsAfresh() {
    HelpCopy copy;
    HelpService help(copy.Folder(), [](const QString&) { QFAIL("no message expected"); });
    help.CloseHelpWindow();  // nothing open yet: nothing happens
    QVERIFY(!help.Viewer());

    help.ShowHelpTopic(4);
    THelpViewer* first = help.Viewer();
    QVERIFY(first->FollowLink(QUrl(QStringLiteral("GetDayInfo.htm"))));
    QVERIFY(first->BackAction()->isEnabled());

    help.ShowHelpTopic(6);
    QCOMPARE(help.Viewer(), first);
    QCOMPARE(HelpWindows(), 1);
    QCOMPARE(first->CurrentPage(), QStringLiteral("CreateReport.htm"));
    QVERIFY2(!first->BackAction()->isEnabled(), "the earlier opening's pages are forgotten");
    QVERIFY(!first->Browser()->isBackwardAvailable());

    help.CloseHelpWindow();
    QVERIFY(!first->isVisible());
    QCOMPARE(HelpWindows(), 0);
    help.CloseHelpWindow();
    QVERIFY(!first->isVisible());

    help.ShowHelpTopic(10);
    QVERIFY(first->isVisible());
    QCOMPARE(first->CurrentPage(), QStringLiteral("GettingStartedNew.htm"));
}

void HelpViewerTest::keyboard() {
    HelpCopy copy;
    HelpService help(copy.Folder(), [](const QString&) {});
    help.ShowHelpTopic(0);
    THelpViewer* viewer = help.Viewer();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QVERIFY(viewer->FollowLink(QUrl(QStringLiteral("Overview.htm"))));

    QTest::keyClick(viewer->Browser(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(viewer->CurrentPage(), QStringLiteral("About.htm"));
    QTest::keyClick(viewer->Browser(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(viewer->CurrentPage(), QStringLiteral("Overview.htm"));
    QTest::keyClick(viewer->Browser(), Qt::Key_Home, Qt::AltModifier);
    QCOMPARE(viewer->CurrentPage(), QStringLiteral("About.htm"));

    // F6 moves between the page and the contents list, where the arrow keys choose pages.
    viewer->Browser()->setFocus();
    QTest::keyClick(viewer->Browser(), Qt::Key_F6);
    QVERIFY(viewer->Contents()->hasFocus());
    QTest::keyClick(viewer->Contents(), Qt::Key_Down);
    QCOMPARE(viewer->CurrentPage(), Q(kHelpPages[1].file));
    QTest::keyClick(viewer->Contents(), Qt::Key_F6);
    QVERIFY(viewer->Browser()->hasFocus());

    const qreal size = viewer->Browser()->font().pointSizeF();
    QTest::keyClick(viewer->Browser(), Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(viewer->Browser()->font().pointSizeF() > size);
    QTest::keyClick(viewer->Browser(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(viewer->Browser()->font().pointSizeF(), size);

    QTest::keyClick(viewer->Browser(), Qt::Key_Escape);
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
