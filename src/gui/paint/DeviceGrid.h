#pragma once
// How a painter's logical pixels land on its device. One to one (a picture at its own size, a
// screen at scale 1) every drawing step hits exactly the pixels it names. Scaled (a HiDPI
// screen, a printer, a big export) each logical pixel edge is snapped to a whole device pixel,
// so that lines keep one width wherever they lie and fills meet them without seams. Vector
// devices (PDF, SVG, printers) have no pixels; they are snapped at their resolution too, and
// curves and pictures go to them as paths instead of pixel runs.

#include <QRectF>
#include <cmath>

class QPainter;

namespace vitalune::paint {

class DeviceGrid {
  public:
    DeviceGrid() = default;  // one to one
    explicit DeviceGrid(const QPainter& p);

    bool OneToOne() const { return m_oneToOne; }
    bool Vector() const { return m_vector; }
    qreal ScaleX() const { return m_sx; }
    qreal ScaleY() const { return m_sy; }
    // The device column (row) where logical pixel x (y) begins.
    int X(int x) const { return static_cast<int>(std::lround(x * m_sx)) + m_ox; }
    int Y(int y) const { return static_cast<int>(std::lround(y * m_sy)) + m_oy; }
    int OriginX() const { return m_ox; }
    int OriginY() const { return m_oy; }
    // Device pixels across a line `width` logical pixels wide: whole, never none, and never
    // more than the narrowest logical pixel, so a line stays inside its pixel.
    int ThickX(int width = 1) const { return Thick(width, m_sx); }
    int ThickY(int width = 1) const { return Thick(width, m_sy); }
    // The logical rectangle that covers device pixels [x0, x1) x [y0, y1).
    QRectF Logical(int x0, int y0, int x1, int y1) const;

  private:
    static int Thick(int width, qreal scale);

    qreal m_sx = 1;
    qreal m_sy = 1;
    qreal m_dx = 0;  // where logical (0, 0) lies on the device
    qreal m_dy = 0;
    int m_ox = 0;  // the device pixel taken for it
    int m_oy = 0;
    bool m_oneToOne = true;
    bool m_vector = false;
};

}  // namespace vitalune::paint
