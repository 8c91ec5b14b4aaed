#pragma once
// The artwork the month calendar page asks for: critical dots, side marks and weather
// pictures from the shared image lists, and the bar explanation.

#include "gui/paint/CalendarPainter.h"

namespace vitalune::art {

paint::CalendarPictureDrawer CalendarArtwork();

}  // namespace vitalune::art
