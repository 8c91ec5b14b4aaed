#include "gui/help/THelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <system_error>

#include "core/help/HelpTopics.h"
#include "gui/platform/Shell.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::ui {

namespace fs = std::filesystem;

namespace {

fs::path ToPath(const QUrl& url) {
    return fs::path(url.toLocalFile().toStdString()).lexically_normal();
}

bool IsWebAddress(const QUrl& url) {
    const QString scheme = url.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

QAction* AddAction(QToolBar* bar, const QString& text, const QString& tip,
                   const QList<QKeySequence>& keys) {
    QAction* action = bar->addAction(text);
    action->setToolTip(tip);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

}  // namespace

THelpViewer::THelpViewer(fs::path folder, Shell* shell, QWidget* parent)
    : QWidget(parent, Qt::Window), m_folder(std::move(folder)), m_shell(shell) {
    if (!m_shell) {
        m_ownShell = std::make_unique<DesktopShell>();
        m_shell = m_ownShell.get();
    }
    setObjectName(QStringLiteral("THelpViewer"));
    setWindowTitle(QString::fromLatin1(kHelpWindowTitle));
    BuildControls();
    resize(940, 680);
}

THelpViewer::~THelpViewer() = default;

void THelpViewer::BuildControls() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_back = AddAction(bar, tr("< &Back"), tr("Previous page (Alt+Left)"),
                       {QKeySequence(QKeySequence::Back), QKeySequence(Qt::Key_Backspace)});
    m_forward = AddAction(bar, tr("&Forward >"), tr("Next page (Alt+Right)"),
                          {QKeySequence(QKeySequence::Forward)});
    m_home = AddAction(bar, tr("&Start page"), tr("The start page of the help (Alt+Home)"),
                       {QKeySequence(Qt::ALT | Qt::Key_Home)});
    bar->addSeparator();
    QAction* larger =
        AddAction(bar, tr("A+"), tr("Larger text (Ctrl++)"), {QKeySequence(QKeySequence::ZoomIn)});
    QAction* smaller = AddAction(bar, tr("A-"), tr("Smaller text (Ctrl+-)"),
                                 {QKeySequence(QKeySequence::ZoomOut)});
    bar->addSeparator();
    QAction* close = AddAction(bar, tr("&Close"), tr("Close the help (Esc)"),
                               {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    const std::pair<QAction*, const char*> names[] = {
        {m_back, "HelpBack"},   {m_forward, "HelpForward"}, {m_home, "HelpHome"},
        {larger, "HelpLarger"}, {smaller, "HelpSmaller"},   {close, "HelpClose"}};
    for (const auto& [action, name] : names) {
        action->setObjectName(QLatin1String(name));
        if (QWidget* button = bar->widgetForAction(action)) {
            button->setAccessibleName(action->text().remove(QLatin1Char('&')));
        }
    }
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setAccessibleName(tr("Contents"));
    m_contents->setToolTip(tr("The pages of the help (F6 moves between list and page)"));
    for (const HelpPage& page : kHelpPages) {
        auto* item = new QListWidgetItem(QUtf8(page.title), m_contents);
        item->setData(Qt::UserRole, QUtf8(page.file));
    }
    m_contents->setMinimumWidth(150);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpPage"));
    m_browser->setAccessibleName(tr("Help page"));
    // Every link goes through FollowLink, so a page can never lead outside the help folder.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 740});
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(splitter, 1);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, this, [this] {
        FollowLink(QUrl::fromLocalFile(
            QString::fromStdString((m_folder / kHelpPages.front().file).string())));
    });
    connect(larger, &QAction::triggered, this, [this] { m_browser->zoomIn(1); });
    connect(smaller, &QAction::triggered, this, [this] { m_browser->zoomOut(1); });
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { FollowLink(link); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &THelpViewer::SourceChanged);
    connect(m_browser, &QTextBrowser::highlighted, this, [this](const QUrl& link) {
        m_browser->setToolTip(IsWebAddress(link) ? link.toString() : QString());
    });
    connect(m_contents, &QListWidget::currentRowChanged, this, &THelpViewer::ContentsRowChanged);

    auto* switchFocus = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(switchFocus, &QShortcut::activated, this, [this] {
        if (m_contents->hasFocus()) {
            m_browser->setFocus();
        } else {
            m_contents->setFocus();
        }
    });
}

bool THelpViewer::OpenPage(std::string_view file) {
    const fs::path path = m_folder / fs::path(file);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(QString::fromStdString(path.string())));
    m_browser->clearHistory();
    m_browser->setFocus();
    return true;
}

QString THelpViewer::CurrentPage() const {
    const QUrl source = m_browser->source();
    return source.isEmpty() ? QString()
                            : QString::fromStdString(ToPath(source).filename().string());
}

bool THelpViewer::InsideFolder(const fs::path& file) const {
    const fs::path folder = m_folder.lexically_normal();
    const fs::path relative = file.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

bool THelpViewer::FollowLink(const QUrl& link) {
    if (IsWebAddress(link)) {
        return m_shell->Open(link);
    }
    const QUrl base = m_browser->source().isEmpty()
                          ? QUrl::fromLocalFile(QString::fromStdString((m_folder / "").string()))
                          : m_browser->source();
    const QUrl target = base.resolved(link);
    if (!target.isLocalFile()) {
        QApplication::beep();
        return false;
    }
    const fs::path file = ToPath(target);
    std::error_code ec;
    if (!InsideFolder(file) || !fs::is_regular_file(file, ec)) {
        QApplication::beep();
        return false;
    }
    const QString suffix = QString::fromStdString(file.extension().string()).toLower();
    if (suffix == QLatin1String(".htm") || suffix == QLatin1String(".html")) {
        m_browser->setSource(target);
    } else {
        // A picture or other file of the help folder: shown by the desktop's viewer.
        m_shell->Open(target);
    }
    return true;
}

void THelpViewer::ContentsRowChanged(int row) {
    if (row < 0 || row >= m_contents->count()) {
        return;
    }
    const QString file = m_contents->item(row)->data(Qt::UserRole).toString();
    if (file != CurrentPage()) {
        FollowLink(QUrl(file));
    }
}

void THelpViewer::SourceChanged(const QUrl& source) {
    // The browser tells the new page before source() returns it.
    const QString page = QString::fromStdString(ToPath(source).filename().string());
    int row = -1;
    for (int i = 0; i < m_contents->count(); ++i) {
        if (m_contents->item(i)->data(Qt::UserRole).toString() == page) {
            row = i;
            break;
        }
    }
    {
        const QSignalBlocker blocker(m_contents);
        m_contents->setCurrentRow(row);
    }
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty()
                       ? QString::fromLatin1(kHelpWindowTitle)
                       : QString::fromLatin1(kHelpWindowTitle) + QLatin1String(": ") + title);
}

}  // namespace vitalune::ui
