#pragma once
// A small square of a colour with a grey frame, for the buttons that choose a colour, so the
// button shows the colour it stands for (needs a QGuiApplication).

class QColor;
class QIcon;

namespace vitalune::ui {

QIcon ColourSwatch(const QColor& colour);

}  // namespace vitalune::ui
