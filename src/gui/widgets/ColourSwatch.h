#pragma once
// A small square of a colour with a thin frame, for the buttons that choose a colour.

#include <QIcon>

class QColor;

namespace vitalune::ui {

QIcon ColourSwatch(const QColor& colour);

}  // namespace vitalune::ui
