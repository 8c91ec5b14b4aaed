#pragma once
// The paint box of one chart page. It owns nothing of the chart: each paint asks the main
// window to draw the page, and presses go back to the main window's chart mouse handler.

#include <QWidget>
#include <functional>

#include "gui/paint/ChartScene.h"

namespace vitalune::ui {

class ChartBox final : public QWidget {
    Q_OBJECT
  public:
    using PaintHandler = std::function<void(QPainter&, paint::ChartPage)>;

    ChartBox(paint::ChartPage page, PaintHandler paint, QWidget* parent = nullptr);
    paint::ChartPage page() const { return m_page; }
    // The chart's size in the window at its first size: a larger desktop font makes the
    // window larger rather than the chart smaller.
    QSize sizeHint() const override { return {751, 353}; }

  signals:
    void pressed(QMouseEvent* event);
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    paint::ChartPage m_page;
    PaintHandler m_paint;
};

}  // namespace vitalune::ui
