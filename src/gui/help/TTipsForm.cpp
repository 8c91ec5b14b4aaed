#include "gui/help/TTipsForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>

#include "core/engine/Clock.h"
#include "core/help/TipTexts.h"
#include "core/reports/HtmlWriter.h"
#include "core/settings/AppSettings.h"
#include "gui/help/HelpService.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/PictureBox.h"

namespace vitalune::ui {

namespace {

constexpr const char* kFormName = "TipsForm";
constexpr QSize kOwlSize{100, 100};
constexpr QSize kMemoSize{289, 169};

QPushButton* Button(const char* objectName, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    button->setAutoDefault(false);
    return button;
}

// The tip's text with the product's site as a link.
void InsertTipText(QTextCursor& cursor, const QString& text, const QPalette& palette) {
    const QString site = QUtf8(kProductSiteText);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QUtf8(kProductSiteUrl));
    link.setForeground(palette.link());
    link.setFontUnderline(true);
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(site); at >= 0; at = text.indexOf(site, from)) {
        cursor.insertText(text.mid(from, at - from), QTextCharFormat());
        cursor.insertText(site, link);
        from = at + site.size();
    }
    cursor.insertText(text.mid(from), QTextCharFormat());
}

}  // namespace

TTipsForm::TTipsForm(TipsContext context, QWidget* parent)
    : ProgramDialog(kFormName, context.store, parent), m_context(context) {
    if (!m_context.random) {
        m_ownRandom = std::make_unique<SystemRandom>();
        m_context.random = m_ownRandom.get();
    }
    setWindowTitle(QString::fromLatin1(kTipsCaption));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* owl = new PictureBox(kOwlSize, [](qreal ratio) { return art::OwlPicture(ratio); });
    owl->setObjectName(QStringLiteral("OwlPict"));

    m_memo = new QTextBrowser;
    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setAccessibleName(QStringLiteral("Tip"));
    m_memo->setOpenLinks(false);
    m_memo->setMinimumSize(kMemoSize);
    QFont memoFont = m_memo->font();
    memoFont.setPointSizeF(memoFont.pointSizeF() * 1.2);
    m_memo->setFont(memoFont);
    connect(m_memo, &QTextBrowser::anchorClicked, this, &TTipsForm::LinkClicked);

    m_next = Button("NextTipBtn", QStringLiteral("&Next Tip"));
    QPushButton* close = Button("CloseBtn", QStringLiteral("Close"));
    m_showBox = new QCheckBox(QStringLiteral("&Do not show this dialog again"));
    m_showBox->setObjectName(QStringLiteral("ShowBox"));
    m_showBox->setAccessibleName(QStringLiteral("Do not show this dialog again"));
    m_showBox->setToolTip(
        QStringLiteral("Start without the tip of the day from now on; the "
                       "options can switch it on again"));
    connect(m_next, &QPushButton::clicked, this, &TTipsForm::NextTipBtnClick);
    connect(close, &QPushButton::clicked, this, &TTipsForm::CloseBtnClick);
    // The option follows the box at once, so that closing the main window while the tip is
    // still open keeps the choice.
    connect(m_showBox, &QCheckBox::toggled, this, [this](bool on) {
        if (m_context.settings) {
            m_context.settings->showTips = !on;
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showBox);
    buttons->addStretch(1);
    buttons->addWidget(m_next);
    buttons->addWidget(close);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(owl, 0, 0, Qt::AlignTop | Qt::AlignHCenter);
    layout->addWidget(m_memo, 0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    layout->setHorizontalSpacing(layout->horizontalSpacing() * 2);
    layout->addLayout(buttons, 1, 0, 1, 2);
    RestorePlace();
}

TTipsForm::~TTipsForm() = default;

void TTipsForm::Open(QWidget* over) {
    KeepAbove(over);
    ShowTip(static_cast<int>(m_context.random->Next() % kTipCount));
    show();
    raise();
    activateWindow();
    m_next->setFocus(Qt::OtherFocusReason);
}

void TTipsForm::ShowTip(int index) {
    m_index = index >= 0 && index < kTipCount ? index : 0;
    const TipText& tip = Tip(m_index);
    m_memo->clear();
    // Margins of 5 points at both sides; the whole paragraph keeps the left one, which reads
    // better in a narrow box than a first line indented alone.
    const qreal margin = 5.0 * logicalDpiY() / 72.0;
    QTextCursor cursor(m_memo->document());
    QTextBlockFormat heading;
    heading.setAlignment(Qt::AlignLeft);
    heading.setLeftMargin(margin);
    heading.setRightMargin(margin);
    cursor.setBlockFormat(heading);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Category: ") + QUtf8(tip.category), bold);
    QTextBlockFormat body = heading;
    body.setTopMargin(margin);
    cursor.insertBlock(body, QTextCharFormat());
    InsertTipText(cursor, QUtf8(tip.text), m_memo->palette());
    m_memo->moveCursor(QTextCursor::Start);
    m_memo->verticalScrollBar()->setValue(0);
    m_next->setFocus(Qt::OtherFocusReason);
}

void TTipsForm::NextTipBtnClick() {
    ShowTip((m_index + 1) % kTipCount);
}

void TTipsForm::CloseBtnClick() {
    close();
}

void TTipsForm::hideEvent(QHideEvent* event) {
    FormClose();
    ProgramDialog::hideEvent(event);
}

void TTipsForm::FormClose() {
    if (m_context.settings) {
        m_context.settings->showTips = !m_showBox->isChecked();
    }
}

void TTipsForm::LinkClicked(const QUrl& link) {
    OpenAddressOrTell(m_context.shell, link, this, m_context.showMessage);
}

void AddTipsKeys(KeyDispatcher& dispatcher, TTipsForm& window) {
    dispatcher.AddWindow(&window, [] { return kDefaultHelpTopic; }, {});
}

}  // namespace vitalune::ui
