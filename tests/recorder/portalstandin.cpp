#include "portalstandin.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QVariantMap>

namespace {
const QString kName = QStringLiteral("standin");
}

PortalStandIn::~PortalStandIn()
{
    QDBusConnection::disconnectFromBus(kName);
    bus_.kill();
    bus_.waitForFinished();
}

QString PortalStandIn::start()
{
    bus_.start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"),
                QStringLiteral("--print-address")});
    if (!bus_.waitForReadyRead(5000)) {
        return QString();
    }
    const QString address = QString::fromUtf8(bus_.readLine()).trimmed();
    QDBusConnection connection = QDBusConnection::connectToBus(address, kName);
    if (!connection.registerService(QStringLiteral("org.freedesktop.portal.Desktop")) ||
        !connection.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                          this)) {
        return QString();
    }
    return address;
}

QString PortalStandIn::introspect(const QString&) const
{
    return QString();
}

// Every request: reply with the request object, then answer it with response 1 (cancelled).
bool PortalStandIn::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    ++requests_;
    const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().last());
    QString sender = message.service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString request =
        QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
            .arg(sender, options.value(QStringLiteral("handle_token")).toString());
    connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
    QDBusMessage response = QDBusMessage::createSignal(
        request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    response.setArguments({1u, QVariantMap()});
    connection.send(response);
    return true;
}
