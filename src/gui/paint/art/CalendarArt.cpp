#include "gui/paint/art/CalendarArt.h"

#include "gui/paint/art/Artwork.h"

namespace vitalune::art {

paint::CalendarPictureDrawer CalendarArtwork() {
    return [](QPainter& p, QPoint at, paint::CalendarPicture picture, int index) {
        switch (picture) {
            case paint::CalendarPicture::CriticalDots:
                DrawPicture(p, at, ImageList::Dots, index);
                break;
            case paint::CalendarPicture::SideMark:
                DrawPicture(p, at, ImageList::SideMarks, index);
                break;
            case paint::CalendarPicture::BigWeather:
                DrawPicture(p, at, ImageList::BigWeather, index);
                break;
            case paint::CalendarPicture::BarExplain:
                DrawBarExplainPicture(p, at);
                break;
        }
    };
}

}  // namespace vitalune::art
