#include "gui/help/TAboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/reports/HtmlWriter.h"
#include "gui/help/HelpService.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/PictureBox.h"

namespace vitalune::ui {

namespace {

constexpr const char* kFormName = "AboutBox";
constexpr int kIconSize = 48;
constexpr int kTextColumnWidth = 225;

QString L(const char* text) {
    return QString::fromUtf8(text);
}

PictureBox* SmallPicture(const char* objectName, int index) {
    const QSize size = art::ImageSize(art::ImageList::SmallWeather);
    auto* box = new PictureBox(size, [index](qreal ratio) {
        return art::Picture(art::ImageList::SmallWeather, index, ratio);
    });
    box->setObjectName(L(objectName));
    return box;
}

// An address shown as a link, which the keyboard reaches and presses as well as the mouse.
QPushButton* Link(const char* objectName, const QString& text, const QString& hint) {
    auto* link = new QPushButton(text);
    link->setObjectName(L(objectName));
    link->setFlat(true);
    link->setAutoDefault(false);
    link->setCursor(Qt::PointingHandCursor);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::ButtonText, palette.color(QPalette::Link));
    link->setPalette(palette);
    link->setAccessibleName(text);
    link->setToolTip(hint);
    return link;
}

}  // namespace

TAboutBox::TAboutBox(AboutContext context, QWidget* parent)
    : ProgramDialog(kFormName, nullptr, parent), m_context(std::move(context)) {
    setWindowTitle(L(kAboutCaption));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* icon = new PictureBox(QSize(kIconSize, kIconSize),
                                [](qreal ratio) { return art::AppIconPicture(kIconSize, ratio); });
    icon->setObjectName(QStringLiteral("MainIcon"));

    m_productName = new QLabel;
    m_productName->setObjectName(QStringLiteral("ProductName"));
    QFont title = m_productName->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    m_productName->setFont(title);
    m_productName->setMinimumWidth(kTextColumnWidth);

    auto* description = new QLabel(L(kAboutDescription));
    description->setObjectName(QStringLiteral("Description"));
    auto* licence = new QLabel(L(kAboutLicence));
    licence->setObjectName(QStringLiteral("Licence"));

    QPushButton* mailLink =
        Link("MailURL", L(kSupportMailAddress), QStringLiteral("Write to the support"));
    QPushButton* siteLink =
        Link("SiteURL", QUtf8(kProductSiteText), QStringLiteral("Visit the web site"));
    connect(mailLink, &QPushButton::clicked, this, &TAboutBox::MailURLClick);
    connect(siteLink, &QPushButton::clicked, this, &TAboutBox::SiteURLClick);

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(m_productName, 0, 1, 1, 2);
    grid->setRowMinimumHeight(1, m_productName->fontMetrics().height());
    grid->addWidget(description, 2, 1, 1, 2);
    grid->addWidget(licence, 3, 1, 1, 2);
    grid->setRowMinimumHeight(4, description->fontMetrics().height() / 2);
    grid->addWidget(SmallPicture("mailPict", art::SmallWeatherIndex::Mail), 5, 1);
    grid->addWidget(mailLink, 5, 2, Qt::AlignLeft);
    grid->addWidget(SmallPicture("wwwPict", art::SmallWeatherIndex::Web), 6, 1);
    grid->addWidget(siteLink, 6, 2, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    m_ok = new QPushButton(QStringLiteral("OK"));
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setAccessibleName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(panel);
    layout->addLayout(buttons);
}

void TAboutBox::Open(QWidget* over) {
    KeepAbove(over);
    FormActivate();
    exec();
}

void TAboutBox::FormActivate() {
    m_productName->setText(QStringLiteral("Vitalune v" VITALUNE_VERSION));
    m_ok->setFocus(Qt::OtherFocusReason);
}

void TAboutBox::MailURLClick() {
    OpenAddressOrTell(m_context.shell, QUrl(QStringLiteral("mailto:") + L(kSupportMailAddress)),
                      this, m_context.showMessage);
}

void TAboutBox::SiteURLClick() {
    OpenAddressOrTell(m_context.shell, QUrl(QUtf8(kProductSiteUrl)), this, m_context.showMessage);
}

void TAboutBox::OKButtonClick() {
    accept();
}

void AddAboutKeys(KeyDispatcher& dispatcher, TAboutBox& box) {
    dispatcher.AddWindow(&box, [] { return kDefaultHelpTopic; }, {});
}

}  // namespace vitalune::ui
