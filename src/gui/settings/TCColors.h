#pragma once
// The " Lines Settings" dialog: colour, line style and width of the seventeen chart pens, one
// tab per chart page with an example of the page's curves below. Each change goes straight
// into the pens it was given; Cancel (also Escape and the close button) puts back the pens it
// found. It neither loads nor stores the pens; the main window does.

#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "core/settings/ChartAttrib.h"
#include "gui/paint/ChartScene.h"
#include "gui/widgets/ProgramDialog.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTabWidget;

namespace vitalune::ui {

class KeyDispatcher;
class LinesExample;

inline constexpr const char* kLinesCaption = " Lines Settings";
inline constexpr const char* kChartNotesTitle = "Chart notes";
inline constexpr const char* kChartNotes =
    "Dotted or dashed styles are not available on Win95/98 \n"
    "Dotted or dashed styles are not available when the Width property is not 1 \n";

struct LinesContext {
    // The colour dialog for the line named `line`, starting from its colour: the colour chosen,
    // nothing when cancelled. None: the desktop's colour dialog.
    std::function<std::optional<Colour>(QWidget* parent, Colour start, const QString& line)>
        askColour;
    // The notes' information box. None: a message box.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> showNotes;
};

class TCColors final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TCColors(LinesContext context = {}, QWidget* parent = nullptr);
    ~TCColors() override;

    // Shows the dialog modally, centred over the window of `over`, on `pens`; `changed` runs
    // after each change, so the charts behind can repaint. True when closed with Ok.
    bool Ask(ChartAttribTable& pens, QWidget* over = nullptr, std::function<void()> changed = {});
    // The steps of Ask before the wait; the dialog then works until it is closed.
    void Prepare(ChartAttribTable& pens, std::function<void()> changed = {});

    // The page whose tab is shown (Primary, Secondary, Extra or I-Ching).
    paint::ChartPage Page() const;
    void SetPage(paint::ChartPage page);
    // The example as painted now, at its size on screen.
    QImage ExampleImage() const;

  public slots:
    void ColorClick(vitalune::RhythmId slot);
    void ResetClick();
    void MonochromeClick();
    void NotesClick();
    void OkClick();
    void CancelClick();

  protected:
    void done(int result) override;

  private:
    // The controls of one pen.
    struct Row {
        QLabel* name = nullptr;
        QPushButton* colour = nullptr;
        QComboBox* style = nullptr;
        QComboBox* width = nullptr;
    };

    QWidget* BuildPage(paint::ChartPage page);
    void BuildRow(RhythmId slot, QGridLayout* grid, int line);
    void StyleChange(RhythmId slot, int index);
    void WidthChange(RhythmId slot, int index);
    // Rows and example shown from the pens, then the window behind told.
    void Changed();
    void ShowRow(RhythmId slot);
    void CentreOver(QWidget* over);
    ChartAttrib& Pen(RhythmId slot) { return (*m_pens)[static_cast<std::size_t>(slot)]; }

    LinesContext m_context;
    ChartAttribTable* m_pens = nullptr;
    ChartAttribTable m_opened{};  // the pens as they were when the dialog opened
    std::function<void()> m_changed;
    bool m_showing = false;  // the controls are being set: their signals change nothing

    std::array<Row, kRhythmCount> m_rows{};
    QTabWidget* m_tabs = nullptr;
    LinesExample* m_example = nullptr;
    QPushButton* m_ok = nullptr;
};

// F1 opens the main window's help topic, where the options and the lines are described.
void AddLinesKeys(KeyDispatcher& dispatcher, TCColors& dialog);

}  // namespace vitalune::ui
