#include "gui/widgets/PersonFilterEdit.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTimer>

#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/PersonListModel.h"

namespace vitalune::ui {

PersonFilterEdit::PersonFilterEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("FindPerson"));
    setPlaceholderText(QString::fromLatin1(kFindPersonPlaceholder));
    setToolTip(QString::fromLatin1(kFindPersonHint));
    setAccessibleName(QString::fromLatin1(kFindPersonPlaceholder));
    setClearButtonEnabled(true);
    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(kPauseMs);
    connect(m_pause, &QTimer::timeout, this, &PersonFilterEdit::ApplyNow);
    connect(this, &QLineEdit::textChanged, this, &PersonFilterEdit::TextChanged);
}

void PersonFilterEdit::Attach(PersonListModel* model, QAbstractItemView* view) {
    m_model = model;
    m_view = view;
}

void PersonFilterEdit::TextChanged() {
    setProperty(kTakesEscapeProperty, !text().isEmpty());
    if (m_model && m_model->TotalCount() > kDelayedFrom && !text().isEmpty()) {
        m_pause->start();
        return;
    }
    ApplyNow();
}

void PersonFilterEdit::ApplyNow() {
    m_pause->stop();
    if (!m_model || m_model->Filter() == text()) {
        return;
    }
    m_model->SetFilter(text());
    if (m_view && m_model->rowCount() > 0) {
        m_view->setCurrentIndex(m_model->index(0));
        m_view->scrollToTop();
    }
    emit filtered();
}

void PersonFilterEdit::TakeFirst() {
    ApplyNow();
    if (!m_model || !m_view || m_model->rowCount() == 0) {
        return;
    }
    const QModelIndex first = m_model->index(0);
    m_view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(first);
    m_view->setFocus(Qt::OtherFocusReason);
    emit firstTaken();
}

bool PersonFilterEdit::event(QEvent* event) {
    // Claim Escape and Enter before any shortcut or default button sees them.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Escape && !text().isEmpty()) || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void PersonFilterEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            TakeFirst();
            event->accept();
            return;
        case Qt::Key_Escape:
            if (!text().isEmpty()) {
                clear();
                event->accept();
                return;
            }
            break;
        case Qt::Key_Down:
            if (m_view && m_model && m_model->rowCount() > 0) {
                ApplyNow();
                if (!m_view->currentIndex().isValid()) {
                    m_view->setCurrentIndex(m_model->index(0));
                }
                m_view->setFocus(Qt::OtherFocusReason);
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace vitalune::ui
