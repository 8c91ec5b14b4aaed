#pragma once
// Every picture of every list on one sheet, at 1x and enlarged, with its index, for checking
// the artwork by eye. Needs a QGuiApplication for the labels.

#include <QImage>

namespace vitalune::art {

QImage RenderContactSheet(int scale);

}  // namespace vitalune::art
