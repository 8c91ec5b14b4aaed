#pragma once
// The artwork the chart painters ask for: critical dots and side marks from the shared image
// lists.

#include "gui/paint/ChartScene.h"

namespace vitalune::ui {

paint::PictureDrawer ArtworkPictures();

}  // namespace vitalune::ui
