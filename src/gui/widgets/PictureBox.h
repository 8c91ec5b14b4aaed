#pragma once
// A fixed-size box showing one of the program's pictures at its top left, rendered at the
// screen's resolution so it stays sharp on scaled screens.

#include <QImage>
#include <QWidget>
#include <functional>

namespace vitalune::ui {

class PictureBox final : public QWidget {
  public:
    // `render` gives the picture, `size` logical pixels large, at a device pixel ratio.
    PictureBox(QSize size, std::function<QImage(qreal ratio)> render, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<QImage(qreal)> m_render;
    QImage m_picture;
};

}  // namespace vitalune::ui
