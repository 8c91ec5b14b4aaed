#pragma once
// A main window over a private data folder, a memory settings store, a fixed today and a
// recording shell; every window hook and dialog records what it was asked to do.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "gui/main/TMainForm.h"
#include "gui/platform/Shell.h"

namespace vitalune::ui::test {

inline const std::int32_t kToday = EncodeDate(2026, 12, 7);

inline QString IsoDate(std::int32_t day) {
    const CivilDate c = DecodeDate(day);
    return QDate(c.year, c.month, c.day).toString(Qt::ISODate);
}

class MainFormFixture {
  public:
    MainFormFixture() : m_clock(kToday) {}

    // Albert Einstein (14 Mar 1879) as person one, Marie Curie (7 Nov 1867) as person two.
    std::unique_ptr<TMainForm> MakeWithCelebrities() {
        WriteInt(store, "", "Person_Group", 1);
        WriteInt(store, "", "Person_Index", 4);
        WriteInt(store, "", "Person_Group2", 1);
        WriteInt(store, "", "Person_Index2", 25);
        return Make();
    }

    std::unique_ptr<TMainForm> Make() {
        MainFormContext context;
        context.store = &store;
        context.clock = &m_clock;
        context.programFolder = DataFolder();
        context.executableFolder = QCoreApplication::applicationDirPath().toStdString();
        context.showMessage = [this](const QString& text) { messages << text; };
        context.shell = &shell;
        context.askPictureFile = [this](const QString&, const QString&, QString* filter) {
            opened << QStringLiteral("save dialog");
            filterShown = *filter;
            if (!filterChosen.isEmpty()) {
                *filter = filterChosen;
            }
            return saveAs;
        };
        context.askPrinter = [this](QPrinter& printer) {
            opened << QStringLiteral("print dialog");
            return printWith ? printWith(printer) : false;
        };
        auto form = std::make_unique<TMainForm>(context);
        Record(*form);
        return form;
    }

    // "clipboard" when a picture was copied since the last look; the clipboard is emptied.
    static QStringList TakeClipboard() {
        QClipboard* clipboard = QApplication::clipboard();
        const bool copied = !clipboard->image().isNull();
        clipboard->clear();
        return copied ? QStringList{QStringLiteral("clipboard")} : QStringList{};
    }

    std::filesystem::path DataFolder() const { return (m_dir.path() + "/data").toStdString(); }
    QString FilePath(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    // Shows the window and makes it the active one.
    static bool Activate(QWidget& window) {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    MemorySettingsStore store;
    RecordingShell shell;
    QStringList messages;
    QStringList opened;             // "calendar", "dayinfo 2026-06-15 show", "help 4", ...
    std::optional<QString> saveAs;  // the save dialog's answer; none: cancelled
    QString filterShown;
    QString filterChosen;
    std::function<bool(QPrinter&)> printWith;  // none: the print dialog is cancelled

  private:
    void Record(TMainForm& form) {
        const auto log = [this](const char* what) {
            return [this, what] { opened << QString::fromLatin1(what); };
        };
        form.SetCalendarWindow(log("calendar"));
        form.SetForecastWindow(log("forecast"));
        form.SetMatchingWindow(log("matching"));
        form.SetNamesEditor(log("names"));
        form.SetOptionsDialog(log("options"));
        form.SetAboutBox(log("about"));
        form.SetHelpTopicShower(
            [this](int topic) { opened << QStringLiteral("help %1").arg(topic); });
        form.SetDayInfoWindow([this](std::int32_t day, DayInfoRequest how) {
            opened << QStringLiteral("dayinfo %1 %2")
                          .arg(IsoDate(day), how == DayInfoRequest::Show ? QStringLiteral("show")
                                                                         : QStringLiteral("focus"));
        });
    }

    QTemporaryDir m_dir;
    FixedClock m_clock;
};

template <typename T>
T* Child(const QObject& form, const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        qFatal("no control %s", name);
    }
    return child;
}

inline void Click(const QObject& form, const char* button) {
    Child<QAbstractButton>(form, button)->click();
}

}  // namespace vitalune::ui::test
