#include "wifiendpoint.h"

#include <QDebug>
#include <QHostAddress>

namespace {

quint16 portFromEnvironment(const char* name, quint16 fallback)
{
    const QByteArray text = qgetenv(name);
    if (text.isEmpty()) {
        return fallback;
    }
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port == 0 || port > 65535) {
        qDebug() << "ignoring invalid port" << name << text;
        return fallback;
    }
    return static_cast<quint16>(port);
}

}  // namespace

WifiEndpoint WifiEndpoint::fromEnvironment()
{
    WifiEndpoint e;
    e.host = qEnvironmentVariableIsSet("ORVELLA_WIFI_HOST")
                 ? qEnvironmentVariable("ORVELLA_WIFI_HOST").trimmed()
                 : QStringLiteral(ORVELLA_WIFI_CAMERA_HOST);
    e.controlPort = portFromEnvironment("ORVELLA_WIFI_CONTROL_PORT", e.controlPort);
    e.rtspPort = portFromEnvironment("ORVELLA_WIFI_RTSP_PORT", e.rtspPort);
    return e;
}

QString WifiEndpoint::rtspUrl() const
{
    if (host.isEmpty()) {
        return QString();
    }
    // An IPv6 literal needs brackets inside a URL.
    const bool ipv6 = QHostAddress(host).protocol() == QAbstractSocket::IPv6Protocol;
    const QString hostPart = ipv6 ? "[" + host + "]" : host;
    return QStringLiteral("rtsp://k2vqz:k2vqz@%1:%2/stream/main").arg(hostPart).arg(rtspPort);
}
