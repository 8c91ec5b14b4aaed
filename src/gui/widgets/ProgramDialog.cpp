#include "gui/widgets/ProgramDialog.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QTabWidget>
#include <QWheelEvent>
#include <QWindow>

#include "gui/widgets/WindowPlacement.h"

namespace vitalune::ui {

ProgramDialog::ProgramDialog(const char* formName, SettingsStore* store, QWidget* parent)
    : QDialog(parent), m_formName(formName), m_store(store) {
    setObjectName(QString::fromLatin1(formName));
}

void ProgramDialog::RestorePlace() {
    if (m_store) {
        RestorePlacement(*this, *m_store, m_formName);
    }
}

void ProgramDialog::KeepAbove(QWidget* over) {
    if (over && over->window() != this && over->window()->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(over->window()->windowHandle());
    }
}

void ProgramDialog::TurnPagesFromAnywhere(QTabWidget* pages) {
    const auto turn = [pages](int by) {
        pages->setCurrentIndex((pages->currentIndex() + by + pages->count()) % pages->count());
    };
    connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, pages,
            [turn] { turn(+1); });
    connect(new QShortcut(QKeySequence::PreviousChild, this), &QShortcut::activated, pages,
            [turn] { turn(-1); });
}

void ProgramDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ProgramDialog::hideEvent(QHideEvent* event) {
    if (m_store) {
        KeepPlacement(*this, *m_store, m_formName);
    }
    QDialog::hideEvent(event);
}

int WheelNotches::Take(int angleDelta) {
    m_rest += angleDelta;
    const int notches = m_rest / QWheelEvent::DefaultDeltasPerStep;
    m_rest %= QWheelEvent::DefaultDeltasPerStep;
    return notches;
}

}  // namespace vitalune::ui
