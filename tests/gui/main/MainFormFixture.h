#pragma once
// A main window over a private data folder, a memory settings store, a fixed today and a
// recording shell, with every window hook recording what it was asked to do.

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "gui/main/TMainForm.h"
#include "gui/platform/Shell.h"

namespace vitalune::ui::test {

inline const std::int32_t kFixtureToday = EncodeDate(2026, 12, 7);

class MainFormFixture {
  public:
    MainFormFixture() : m_clock(kFixtureToday) {}

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
        // The picture dialogs are cancelled, so only the asking shows.
        context.askPictureFile = [this](const QString&, const QString&, QString*) {
            opened << QStringLiteral("save dialog");
            return std::optional<QString>();
        };
        context.askPrinter = [this](QPrinter&) {
            opened << QStringLiteral("print dialog");
            return false;
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

    // Shows the window and makes it the active one.
    static bool Activate(QWidget& window) {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    MemorySettingsStore store;
    RecordingShell shell;
    QStringList messages;
    QStringList opened;  // "calendar", "dayinfo 2026-06-15 show", "help 4", ...

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
            const CivilDate c = DecodeDate(day);
            opened << QStringLiteral("dayinfo %1 %2")
                          .arg(QDate(c.year, c.month, c.day).toString(Qt::ISODate),
                               how == DayInfoRequest::Show ? QStringLiteral("show")
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

}  // namespace vitalune::ui::test
