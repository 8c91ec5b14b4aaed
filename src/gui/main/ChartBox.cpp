#include "gui/main/ChartBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace vitalune::ui {

ChartBox::ChartBox(paint::ChartPage page, PaintHandler paint, QWidget* parent)
    : QWidget(parent), m_page(page), m_paint(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(200, 150);
}

void ChartBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_paint(p, m_page);
}

void ChartBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event);
}

void ChartBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

}  // namespace vitalune::ui
