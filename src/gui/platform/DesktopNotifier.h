#pragma once
// One notification through the desktop's notification service (the freedesktop interface on
// the session bus), for runs without a window such as the daily reminder.

#include <QDBusConnection>
#include <QString>

namespace vitalune {

struct NotifyResult {
    enum class Status {
        Shown,      // the service took it
        Paused,     // the service says "do not disturb": nothing was sent
        NoService,  // no session bus, or nobody serves notifications on it
        Failed,     // the service refused it
    };
    Status status = Status::Shown;
    QString detail;  // the bus's words when not shown
};

// Plain text: escaped when the service reads markup in the body. Waits at most a few seconds
// for the service.
NotifyResult ShowDesktopNotification(const QDBusConnection& bus, const QString& summary,
                                     const QString& body);

}  // namespace vitalune
