#pragma once
// The calendar's " Font Settings" dialog: changes the four fonts of the month calendar in the
// calendar's own settings, each change at once, and has the page redrawn behind it. Cancel
// puts back the fonts it found. It neither loads nor stores them; the calendar does.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>
#include <utility>

#include "core/settings/CalendarSettings.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vitalune::ui {

class KeyDispatcher;

inline constexpr const char* kCalendarFontCaption = " Font Settings";
inline constexpr int kCalendarFontMinSize = 10;

class TCFont final : public QDialog {
    Q_OBJECT
  public:
    // Asks for a font starting from `current`, whose size must lie in minSize..maxSize; the
    // colour comes back as it went in unless the chooser offers one. Nothing when cancelled.
    using FontChooser = std::function<std::optional<std::pair<QFont, QColor>>(
        QWidget* parent, const QFont& current, const QColor& colour, int minSize, int maxSize)>;
    using ColourChooser =
        std::function<std::optional<QColor>(QWidget* parent, const QColor& current)>;

    // The list entries, in list order.
    enum Element { HeaderMonth, HeaderName, CalendarDays, CalendarDigits, ElementCount };

    explicit TCFont(QWidget* parent = nullptr);

    // The platform's dialogs unless a test answers instead.
    void SetFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }
    void SetColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }

    // Shows the dialog modally, centred over its parent, on the calendar's `settings`.
    // `fallback` stands for the fonts that are the program's default font; `redraw` repaints
    // the calendar after each change.
    void Ask(CalendarSettings& settings, const QFont& fallback, std::function<void()> redraw);

    // The steps of Ask before the wait; the dialog then works until it is closed.
    void Prepare(CalendarSettings& settings, const QFont& fallback, std::function<void()> redraw);

    Element Selected() const;
    static int MaxSize(Element element);

  public slots:
    void ChangeFontClick();
    void ColourClick();
    void ResetClick();
    void OkClick();
    void CancelClick();

  protected:
    void done(int result) override;

  private:
    std::optional<FontText>& Font(Element element) const;
    void Changed();
    void ShowSelected();
    void CentreOverParent();

    CalendarSettings* m_settings = nullptr;
    CalendarSettings m_opened;  // the fonts as they were when the dialog opened
    QFont m_fallback;
    std::function<void()> m_redraw;
    FontChooser m_chooseFont;
    ColourChooser m_chooseColour;

    QListWidget* m_list = nullptr;
    QLabel* m_current = nullptr;
    QPushButton* m_changeFont = nullptr;
    QPushButton* m_colour = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// F1 opens the calendar's help topic; the dialog has none of its own.
void AddCalendarFontKeys(KeyDispatcher& dispatcher, TCFont& form);

}  // namespace vitalune::ui
