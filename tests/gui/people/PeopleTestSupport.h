#pragma once
// Driving the people windows through their named controls, shared by their two test programs.

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "core/engine/Clock.h"

inline const std::int32_t kToday = vitalune::EncodeDate(2026, 12, 7);

template <typename T>
T* Child(const QObject& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        qFatal("no control %s", name);
    }
    return child;
}

inline void Click(const QObject& window, const char* button) {
    Child<QAbstractButton>(window, button)->click();
}

inline void Trigger(const QObject& window, const char* action) {
    Child<QAction>(window, action)->trigger();
}

inline void Type(const QObject& window, const char* edit, const QString& text) {
    auto* field = Child<QLineEdit>(window, edit);
    field->selectAll();
    QTest::keyClicks(field, text);
}

// As the mouse would, so that modifiers extend the selection.
inline void ClickRow(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, rect.center());
}

// Runs `step` inside the dialog's modal loop, once it shows.
inline void WhenShown(QWidget& dialog, std::function<void()> step) {
    auto* timer = new QTimer(&dialog);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &dialog, step] {
        if (dialog.isVisible()) {
            timer->stop();
            timer->deleteLater();
            step();
        }
    });
    timer->start();
}

inline std::string ReadFile(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}
