#pragma once
// The pictures of the web look-up buttons: the web picture for "Ask Web" and a small framed
// landscape for "Find suitable images" (needs a QGuiApplication).

class QIcon;

namespace vitalune::ui {

QIcon WebIcon();
QIcon PicturesIcon();

}  // namespace vitalune::ui
