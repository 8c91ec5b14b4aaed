#pragma once
// The program's pictures: the shared image lists (group icons, weather and person pictures,
// critical dots, chart side marks, rating hearts and stars), the owl, the matching panel
// backgrounds, the day information pictures, the calendar's bar explanation and the program
// icon. Each picture is rendered once per
// device pixel ratio from the SVG sources compiled into the library and cached; nothing here reads
// or writes files.

#include <QImage>
#include <QPoint>
#include <QSize>

#include "core/engine/Compatibility.h"

class QIcon;
class QPainter;

namespace vitalune::art {

enum class ImageList {
    GroupIcons,    // 48 group icons, 16 x 16, the index stored with each group
    SmallWeather,  // 16 x 16: weather, tide arrows, sex, mail, web and help pictures
    BigWeather,    // 40 x 40: the four weather pictures of the calendar cells
    Dots,          // 21 x 6: one to four critical dots (index = count - 1)
    SideMarks,     // 17 x 80: marks of the chart's upper (0) and lower (1) half
    CompatPict,    // 39 x 16: five rating pictures per scheme (see CompatPictureIndex)
    TabPictures,   // 16 x 16: the chart pages' tabs (see TabPictureIndex)
};

// Pictures of the TabPictures list; the Compatibility page's is 3.
namespace TabPictureIndex {
inline constexpr int Primary = 0;
inline constexpr int Secondary = 1;
inline constexpr int Extra = 2;
inline constexpr int Compatibility = 3;
inline constexpr int IChing = 4;
}  // namespace TabPictureIndex

// Pictures of the SmallWeather list. 0..3 are also the DayWeather bands.
namespace SmallWeatherIndex {
inline constexpr int Sun = 0;
inline constexpr int SunCloud = 1;
inline constexpr int Clouds = 2;
inline constexpr int Rain = 3;
inline constexpr int Storm = 4;
inline constexpr int Snow = 5;
inline constexpr int Fog = 6;
inline constexpr int Night = 7;
inline constexpr int Wind = 8;
inline constexpr int Falling = 9;  // falling tide
inline constexpr int Rising = 10;  // rising tide
inline constexpr int Steady = 11;
inline constexpr int Female = 12;
inline constexpr int Male = 13;
inline constexpr int Mail = 14;
inline constexpr int Web = 15;
inline constexpr int Help = 16;
}  // namespace SmallWeatherIndex

inline constexpr int kGroupIconCount = 48;

// Size of one picture of the list in logical pixels.
QSize ImageSize(ImageList list);
int ImageCount(ImageList list);

// Picture `index` of the list, with its device pixel ratio set to `devicePixelRatio`, so that
// drawn at a logical point it covers ImageSize(list) and stays sharp on HiDPI screens. An index
// outside the list gives a transparent picture. The reference stays valid for the whole run.
const QImage& Picture(ImageList list, int index, qreal devicePixelRatio = 1.0);

// Draws the picture with its top left at `topLeft`: at the device's resolution on a scaled
// painter, as the drawing itself on vector devices (PDF, SVG, printers).
void DrawPicture(QPainter& painter, QPoint topLeft, ImageList list, int index);

// The picture at ratios 1 and 2, for combo boxes and list items (needs a QGuiApplication).
QIcon PictureIcon(ImageList list, int index);

// The owl of the tips window, 100 x 100.
QImage OwlPicture(qreal devicePixelRatio = 1.0);

// "Easy dating", the person dialog's hint on entering dates, 232 x 182.
QImage DateHintPicture(qreal devicePixelRatio = 1.0);

// The matching panel's background of a rating scheme (hearts or stars), 105 x 105.
QImage SchemeBackground(PictureScheme scheme, qreal devicePixelRatio = 1.0);

// The month calendar's explanation of the four bars of a day cell, 200 x 150. The box at
// (62, 37), 33 x 62, is left white for the calendar to paint sample bars into.
QImage BarExplainPicture(qreal devicePixelRatio = 1.0);
// Draws it as DrawPicture draws the lists' pictures.
void DrawBarExplainPicture(QPainter& painter, QPoint topLeft);

// The day information window's picture beside the table in the views without notes, 297 x 309.
enum class DayInfoSide { Secondary, IChing, Extra, Interaction };
QImage DayInfoSidePicture(DayInfoSide view, qreal devicePixelRatio = 1.0);

// The program icon, square, `logicalSize` pixels wide (48 in the about box).
QImage AppIconPicture(int logicalSize, qreal devicePixelRatio = 1.0);
// The program icon at the usual sizes, for windows (needs a QGuiApplication).
QIcon AppIcon();

}  // namespace vitalune::art
