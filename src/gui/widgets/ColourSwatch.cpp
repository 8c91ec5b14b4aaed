#include "gui/widgets/ColourSwatch.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace vitalune::ui {

QIcon ColourSwatch(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    QPainter p(&pixmap);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

}  // namespace vitalune::ui
