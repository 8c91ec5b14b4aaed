#pragma once
// The picture each GIF file of the reports' Pict folder is made from; the build writes them
// with vitalune-gifgen. The file names come from the reports' own list.

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
std::vector<ReportPicture> ReportPictureArt();

}  // namespace vitalune::art
