#include "gui/main/WebButtons.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

#include "gui/widgets/LookUpIcons.h"

namespace vitalune::ui {

namespace {

QToolButton* LookUpButton(const QString& name, const char* hint, const QIcon& icon) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(QString::fromLatin1(hint));
    button->setAccessibleName(QString::fromLatin1(hint).trimmed());
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

WebButtons AddWebButtons(QHBoxLayout& row, int person) {
    WebButtons buttons;
    buttons.info = LookUpButton(QStringLiteral("GetInfo%1Btn").arg(person), kAskWebHint, WebIcon());
    buttons.pictures =
        LookUpButton(QStringLiteral("GetPict%1Btn").arg(person), kFindImagesHint, PicturesIcon());
    row.addWidget(buttons.info);
    row.addWidget(buttons.pictures);
    return buttons;
}

}  // namespace vitalune::ui
