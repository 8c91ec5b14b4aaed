#include "gui/people/TDateHintForm.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "gui/paint/art/Artwork.h"

namespace vitalune::ui {

namespace {

constexpr QSize kClientSize(232, 182);

}  // namespace

TDateHintForm::TDateHintForm(QWidget* owner)
    // A tool window of the dialog, which window managers keep beside and above it.
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("DateHintForm"));
    setWindowTitle(QString::fromLatin1(kDateHintCaption));
    setFixedSize(kClientSize);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("How to enter a date"));
    setAccessibleDescription(QStringLiteral(
        "Click the day, the month or the year and type it, or step it with the Up and Down "
        "arrow keys; Left and Right move between the parts. The button at the right of the "
        "field opens a calendar to pick the day from."));
}

void TDateHintForm::ShowBeside(const QWidget& owner) {
    const QRect frame = owner.frameGeometry();
    // The frame around the picture, as the window manager adds it.
    const int frameWidth = frameGeometry().width() > 0 && isVisible()
                               ? frameGeometry().width()
                               : width() + (frame.width() - owner.width());
    QPoint place(frame.x() + frame.width() + 1, frame.y());
    if (const QScreen* screen = owner.screen()) {
        const QRect area = screen->availableGeometry();
        if (place.x() + frameWidth > area.right() + 1 &&
            frame.x() - frameWidth - 1 >= area.left()) {
            place.setX(frame.x() - frameWidth - 1);
        }
    }
    move(place);
    show();
    raise();
}

void TDateHintForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Shown as any window is, so that window managers stack it on top (one that never takes
    // the focus may be put under the windows around); then typing goes on in the dialog.
    QTimer::singleShot(0, this, [this] {
        if (QWidget* owner = parentWidget()) {
            owner->activateWindow();
        }
    });
}

void TDateHintForm::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || !qFuzzyCompare(m_picture.devicePixelRatio(), ratio)) {
        m_picture = art::DateHintPicture(ratio);
    }
    QPainter painter(this);
    painter.drawImage(rect(), m_picture);
}

}  // namespace vitalune::ui
