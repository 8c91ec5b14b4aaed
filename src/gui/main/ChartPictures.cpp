#include "gui/main/ChartPictures.h"

#include "gui/paint/art/Artwork.h"

namespace vitalune::ui {

paint::PictureDrawer ArtworkPictures() {
    return [](QPainter& p, QPoint at, paint::ChartPicture picture, int index) {
        const art::ImageList list = picture == paint::ChartPicture::CriticalDots
                                        ? art::ImageList::Dots
                                        : art::ImageList::SideMarks;
        art::DrawPicture(p, at, list, index);
    };
}

}  // namespace vitalune::ui
