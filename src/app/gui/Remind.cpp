#include "app/gui/Remind.h"

#include <cstdio>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/reports/Reminder.h"
#include "gui/platform/DesktopNotifier.h"

namespace vitalune::app {

int RunRemind(const RemindRequest& request, const ExportContext& context,
              const QDBusConnection& bus) {
    const LoadedSettings loaded = LoadAppSettings(*context.store);
    NamesDatabase db(*context.clock);
    if (const LoadResult load = LoadUsersDatabase(context, loaded, db);
        load.outcome != LoadResult::Outcome::Loaded) {
        std::fprintf(stderr, "vitalune: %s\n", load.message.c_str());
        return 1;
    }
    const WatchedPersons watched = FindWatchedPersons(db, LoadReminderSettings(*context.store));
    if (!watched.error.empty()) {
        std::fprintf(stderr, "vitalune: reminder: %s\n", watched.error.c_str());
        return 1;
    }
    const ReminderNotice notice =
        MakeReminderNotice(watched.persons, request.date.value_or(context.clock->Today()));
    if (notice.summary.empty()) {
        return 0;
    }
    const NotifyResult shown = ShowDesktopNotification(bus, QString::fromStdString(notice.summary),
                                                       QString::fromStdString(notice.body));
    if (shown.status != NotifyResult::Status::Shown) {
        const char* why = shown.status == NotifyResult::Status::Paused
                              ? "notifications are paused (do not disturb)"
                          : shown.status == NotifyResult::Status::NoService
                              ? "no desktop notification service"
                              : "the notification service refused the reminder";
        std::fprintf(stderr, "vitalune: %s, not shown: %s (%s)\n", why, notice.summary.c_str(),
                     shown.detail.toLocal8Bit().constData());
    }
    return 0;
}

}  // namespace vitalune::app
