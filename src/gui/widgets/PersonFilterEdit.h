#pragma once
// The find field above a person list: typing narrows the list to the persons whose name
// contains the text, Enter takes the first of them, Down moves into the list, and Escape
// clears the text before it closes the window (the key dispatcher leaves Escape to the field
// while it holds text). In a very large group the filtering waits for a pause in the typing,
// so that each key stroke does not scan the group again.
//
//   auto* find = new PersonFilterEdit;
//   find->Attach(model, view);        // model: the view's PersonListModel
//   connect(find, &PersonFilterEdit::firstTaken, ...);   // optional

#include <QLineEdit>
#include <QPointer>

class QAbstractItemView;
class QTimer;

namespace vitalune::ui {

class PersonListModel;

inline constexpr const char* kFindPersonHint = "Type a part of a name to narrow the list";
inline constexpr const char* kFindPersonPlaceholder = "Find a person";

class PersonFilterEdit final : public QLineEdit {
    Q_OBJECT
  public:
    explicit PersonFilterEdit(QWidget* parent = nullptr);

    void Attach(PersonListModel* model, QAbstractItemView* view);
    // Applies text typed but not yet filtered (a pending pause in a large group).
    void ApplyNow();
    // Groups with more persons than this wait for a pause in the typing.
    static constexpr int kDelayedFrom = 50000;
    static constexpr int kPauseMs = 150;

  signals:
    // Enter chose the first person shown (row 0 of the view); not sent when none is shown.
    void firstTaken();
    // The rows shown changed through the filter.
    void filtered();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void TextChanged();
    void TakeFirst();

    QPointer<PersonListModel> m_model;
    QPointer<QAbstractItemView> m_view;
    QTimer* m_pause = nullptr;
};

}  // namespace vitalune::ui
