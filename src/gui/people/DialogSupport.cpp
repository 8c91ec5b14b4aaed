#include "gui/people/DialogSupport.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace vitalune::ui::people {

QLabel* FaultLabel(const char* objectName) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xb0, 0x1e, 0x1e));
    label->setPalette(palette);
    label->setMinimumHeight(label->fontMetrics().height());
    return label;
}

void SetFault(QLabel* label, const QString& text) {
    label->setText(text);
    // Screen readers say the reason when it comes.
    label->setAccessibleName(text);
}

QListView* RowList(const char* objectName, const QString& accessible, const QString& hint) {
    auto* view = new QListView;
    view->setObjectName(QString::fromLatin1(objectName));
    view->setAccessibleName(accessible);
    view->setToolTip(hint);
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

QPushButton* DialogButton(const char* objectName, const QString& text, const QString& hint) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
    }
    return button;
}

AskedBy::AskedBy(QWidget& dialog, QWidget* asker)
    : m_dialog(dialog), m_home(dialog.parentWidget()) {
    if (asker && asker != m_home) {
        m_dialog.setParent(asker, m_dialog.windowFlags());
        m_moved = true;
    }
}

AskedBy::~AskedBy() {
    if (m_moved) {
        m_dialog.setParent(m_home, m_dialog.windowFlags());
    }
}

}  // namespace vitalune::ui::people
