#pragma once
// Renders the pictures from their sources, uncached: SVG files compiled in as Qt resources,
// and the few pictures that are composed by code (dots, rating rows).

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

#include "gui/paint/art/Artwork.h"

namespace vitalune::art::detail {

// A transparent picture of `logical` size at the pixel ratio, ready to paint on in logical
// coordinates.
QImage BlankPicture(QSize logical, qreal devicePixelRatio);

// Renders an SVG resource scaled to `logical` size; a missing or broken source stays blank.
QImage RenderSvg(const QString& resource, QSize logical, qreal devicePixelRatio);
// Paints it at the painter's origin; nothing for a missing or broken source.
void PaintSvg(QPainter& painter, const QString& resource, QSize logical);

// Resource path of picture `index` of a list drawn from one SVG file per picture, or empty.
QString PictureSource(ImageList list, int index);

// Paints picture `index` of the list with its top left at the painter's origin, at the size of
// the list's pictures; nothing for an index outside it.
void PaintPicture(QPainter& painter, ImageList list, int index);

// Picture `index` of the list; transparent for an index outside it.
QImage RenderPicture(ImageList list, int index, qreal devicePixelRatio);

}  // namespace vitalune::art::detail
