#pragma once
// Small pieces the people dialogs share: the line that tells why an input is refused, their
// lists and buttons, and the temporary parent a dialog takes while it is asked.

#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QListView;
class QPushButton;

namespace vitalune::ui::people {

// A label for the reason an input is refused: red, wrapped, empty while there is none. It
// keeps a line's room so that the dialog does not jump when a reason comes and goes.
QLabel* FaultLabel(const char* objectName);
void SetFault(QLabel* label, const QString& text);

// A list of groups, persons or birthdays: no editing in place, and every row as high as the
// first, so that the view never measures a whole database.
QListView* RowList(const char* objectName, const QString& accessible, const QString& hint = {});

QPushButton* DialogButton(const char* objectName, const QString& text, const QString& hint = {});

// Each dialog exists once for the run and is asked by several windows: while it is asked it
// belongs to the asking window (it opens centred on it and stays above it), and afterwards it
// goes back to its own parent, so that the asking window never takes it down with itself.
class AskedBy {
  public:
    AskedBy(QWidget& dialog, QWidget* asker);
    ~AskedBy();
    AskedBy(const AskedBy&) = delete;
    AskedBy& operator=(const AskedBy&) = delete;

  private:
    QWidget& m_dialog;
    QPointer<QWidget> m_home;
    bool m_moved = false;
};

}  // namespace vitalune::ui::people
