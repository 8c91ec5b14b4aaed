#pragma once
// "Easy dating": a small window beside the person dialog with one picture that shows how a
// date is typed into the date field, stepped with the arrow keys and picked from the calendar.
// It only explains; it never takes the focus from the dialog it stands beside.

#include <QImage>
#include <QWidget>

namespace vitalune::ui {

inline constexpr const char* kDateHintCaption = "Easy dating";

class TDateHintForm final : public QWidget {
    Q_OBJECT
  public:
    // The window belongs to `owner` (it closes and goes with it).
    explicit TDateHintForm(QWidget* owner);

    // Shows the window with its top at the owner's top and its left edge one pixel right of
    // the owner's right edge; where the screen ends there, it stands left of the owner.
    void ShowBeside(const QWidget& owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QImage m_picture;  // at the ratio it was last painted at
};

}  // namespace vitalune::ui
