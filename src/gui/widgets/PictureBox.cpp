#include "gui/widgets/PictureBox.h"

#include <QPainter>

namespace vitalune::ui {

PictureBox::PictureBox(QSize size, std::function<QImage(qreal ratio)> render, QWidget* parent)
    : QWidget(parent), m_render(std::move(render)) {
    setFixedSize(size);
}

void PictureBox::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || !qFuzzyCompare(m_picture.devicePixelRatio(), ratio)) {
        m_picture = m_render(ratio);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}

}  // namespace vitalune::ui
