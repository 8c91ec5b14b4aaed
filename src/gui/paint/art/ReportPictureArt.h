#pragma once
// The GIF files of the Pict folder that the HTML reports refer to, and the picture each one
// is made from; the build writes them with vitalune-gifgen.

#include <string>
#include <vector>

#include "gui/paint/art/Artwork.h"

namespace vitalune::art {

struct ReportPicture {
    std::string fileName;  // "sun.gif", without the folder
    ImageList list;
    int index;
};

// Weather and tide pictures (16 x 16), then the rating pictures of both schemes (39 x 16),
// each file once.
std::vector<ReportPicture> ReportPictures();

}  // namespace vitalune::art
