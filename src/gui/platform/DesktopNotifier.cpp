#include "gui/platform/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QStringList>
#include <QVariantMap>

#include "gui/platform/DesktopId.h"

namespace vitalune {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int kTimeoutMs = 5000;

QDBusMessage Call(const QDBusConnection& bus, const QString& interface, const QString& method,
                  const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, kTimeoutMs);
}

bool NobodyServes(const QDBusMessage& reply) {
    const QString name = reply.errorName();
    return name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
           name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
           name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
           name == QLatin1String("org.freedesktop.DBus.Error.Disconnected");
}

NotifyResult Unshown(const QDBusMessage& reply) {
    return {NobodyServes(reply) ? NotifyResult::Status::NoService : NotifyResult::Status::Failed,
            reply.errorName() + QStringLiteral(": ") + reply.errorMessage()};
}

}  // namespace

NotifyResult ShowDesktopNotification(const QDBusConnection& bus, const QString& summary,
                                     const QString& body) {
    if (!bus.isConnected()) {
        return {NotifyResult::Status::NoService,
                QStringLiteral("no session bus: ") + bus.lastError().message()};
    }
    // Services that can be told not to disturb say so in this property; the others do not
    // have it, which is no reason to stay silent.
    const QDBusMessage inhibited =
        Call(bus, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
             {kService, QStringLiteral("Inhibited")});
    if (inhibited.type() == QDBusMessage::ErrorMessage && NobodyServes(inhibited)) {
        return Unshown(inhibited);
    }
    if (inhibited.type() == QDBusMessage::ReplyMessage && !inhibited.arguments().isEmpty() &&
        inhibited.arguments().constFirst().value<QDBusVariant>().variant().toBool()) {
        return {NotifyResult::Status::Paused, QStringLiteral("do not disturb")};
    }
    const QDBusMessage capabilities = Call(bus, kService, QStringLiteral("GetCapabilities"), {});
    const bool markup = capabilities.type() == QDBusMessage::ReplyMessage &&
                        !capabilities.arguments().isEmpty() &&
                        capabilities.arguments().constFirst().toStringList().contains(
                            QStringLiteral("body-markup"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QString::fromLatin1(kDesktopId)},
        {QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(1))},
    };
    const QDBusMessage reply =
        Call(bus, kService, QStringLiteral("Notify"),
             {QStringLiteral("Vitalune"), 0U, QStringLiteral("vitalune"), summary,
              markup ? body.toHtmlEscaped() : body, QStringList{}, hints, -1});
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return Unshown(reply);
    }
    return {};
}

}  // namespace vitalune
