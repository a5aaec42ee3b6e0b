#include "platform/screencast/iportalscreencast.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusUnixFileDescriptor>
#include <QDebug>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenCast = QStringLiteral("org.freedesktop.portal.ScreenCast");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");
constexpr uint kMonitor = 1;
constexpr uint kPersistUntilRevoked = 2;
constexpr uint kCancelled = 1;

QDBusConnection bus()
{
    return QDBusConnection::sessionBus();
}

// The portal's "(ii)" pairs.
QPoint pairOf(const QVariant& value)
{
    if (!value.canConvert<QDBusArgument>()) {
        return QPoint();
    }
    const QDBusArgument argument = value.value<QDBusArgument>();
    int first = 0;
    int second = 0;
    argument.beginStructure();
    argument >> first >> second;
    argument.endStructure();
    return QPoint(first, second);
}

// The session handle: a string in the portal's documentation, an object path in some versions.
QString handleOf(const QVariant& value)
{
    return value.canConvert<QDBusObjectPath>() ? value.value<QDBusObjectPath>().path()
                                               : value.toString();
}

}  // namespace

IPortalScreenCast::IPortalScreenCast(QObject* parent) : QObject(parent) {}

IPortalScreenCast::~IPortalScreenCast()
{
    close();
}

void IPortalScreenCast::start(CursorMode cursor, const QString& restoreToken, int timeoutMs)
{
    close();
    cursor_ = cursor;
    restoreToken_ = restoreToken;
    step_ = Step::Creating;
    if (!bus().isConnected()) {
        QTimer::singleShot(0, this, [this] { fail(QStringLiteral("no session bus")); });
        return;
    }
    timer_ = startTimer(timeoutMs);
    QVariantMap options;
    options.insert(QStringLiteral("session_handle_token"),
                   QStringLiteral("orvella%1_%2").arg(::getpid()).arg(++tokenCount_));
    request(QStringLiteral("CreateSession"), {}, options);
}

// Calls a portal method that answers through a Request object's Response signal, watching that
// object before the call so that no answer is missed.
bool IPortalScreenCast::request(const QString& method, const QList<QVariant>& arguments,
                                QVariantMap options)
{
    const QString token = QStringLiteral("orvella%1_%2").arg(::getpid()).arg(++tokenCount_);
    options.insert(QStringLiteral("handle_token"), token);
    QString sender = bus().baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    unwatchRequest();
    requestPath_ =
        QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    bus().connect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kScreenCast, method);
    QList<QVariant> all = arguments;
    all.append(options);
    call.setArguments(all);
    // The reply only names the request object; the answer comes later as its signal.
    const QDBusMessage reply = bus().call(call, QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        fail(QStringLiteral("%1: %2").arg(method, reply.errorMessage()));
        return false;
    }
    return true;
}

void IPortalScreenCast::onResponse(uint response, const QVariantMap& results)
{
    unwatchRequest();
    if (response != 0) {
        fail(response == kCancelled ? QStringLiteral("the user refused the screen cast")
                                    : QStringLiteral("the portal ended the screen cast request"),
             response == kCancelled);
        return;
    }
    switch (step_) {
        case Step::Creating:
            session_ = handleOf(results.value(QStringLiteral("session_handle")));
            bus().connect(kService, session_, kSession, QStringLiteral("Closed"), this,
                          SLOT(onSessionClosed()));
            selectSources();
            break;
        case Step::Selecting:
            startCast();
            break;
        case Step::Starting:
            readStreams(results);
            break;
        default:
            break;
    }
}

void IPortalScreenCast::selectSources()
{
    step_ = Step::Selecting;
    QVariantMap options;
    options.insert(QStringLiteral("types"), kMonitor);
    options.insert(QStringLiteral("multiple"), false);
    options.insert(QStringLiteral("cursor_mode"), static_cast<uint>(cursor_));
    options.insert(QStringLiteral("persist_mode"), kPersistUntilRevoked);
    if (!restoreToken_.isEmpty()) {
        options.insert(QStringLiteral("restore_token"), restoreToken_);
    }
    request(QStringLiteral("SelectSources"), {QVariant::fromValue(QDBusObjectPath(session_))},
            options);
}

void IPortalScreenCast::startCast()
{
    step_ = Step::Starting;
    request(QStringLiteral("Start"), {QVariant::fromValue(QDBusObjectPath(session_)), QString()},
            QVariantMap());
}

void IPortalScreenCast::readStreams(const QVariantMap& results)
{
    const QVariant streams = results.value(QStringLiteral("streams"));
    if (!streams.canConvert<QDBusArgument>()) {
        fail(QStringLiteral("the portal started no stream"));
        return;
    }
    const QDBusArgument list = streams.value<QDBusArgument>();
    list.beginArray();
    bool found = false;
    while (!list.atEnd()) {
        uint node = 0;
        QVariantMap properties;
        list.beginStructure();
        list >> node >> properties;
        list.endStructure();
        if (!found) {
            found = true;
            node_ = node;
            position_ = pairOf(properties.value(QStringLiteral("position")));
            const QPoint size = pairOf(properties.value(QStringLiteral("size")));
            logicalSize_ = QSize(size.x(), size.y());
        }
    }
    list.endArray();
    if (!found) {
        fail(QStringLiteral("the portal started no stream"));
        return;
    }
    const QString token = results.value(QStringLiteral("restore_token")).toString();
    if (!token.isEmpty()) {
        restoreToken_ = token;
    }
    killTimer(timer_);
    timer_ = 0;
    step_ = Step::Running;
    qDebug() << "screen cast started, node" << node_ << "logical size" << logicalSize_;
    emit started();
}

int IPortalScreenCast::openPipeWireRemote(QString* error)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kScreenCast,
                                                       QStringLiteral("OpenPipeWireRemote"));
    call.setArguments({QVariant::fromValue(QDBusObjectPath(session_)), QVariantMap()});
    const QDBusMessage reply = bus().call(call, QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ErrorMessage || reply.arguments().isEmpty()) {
        *error = QStringLiteral("no PipeWire connection: %1").arg(reply.errorMessage());
        return -1;
    }
    const auto descriptor = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    const int fd =
        descriptor.isValid() ? ::fcntl(descriptor.fileDescriptor(), F_DUPFD_CLOEXEC, 3) : -1;
    if (fd < 0) {
        *error = QStringLiteral("the portal gave no PipeWire connection");
    }
    return fd;
}

void IPortalScreenCast::onSessionClosed()
{
    const bool running = step_ == Step::Running;
    session_.clear();
    close();
    if (running) {
        emit closed();
    } else {
        fail(QStringLiteral("the portal closed the session"));
    }
}

void IPortalScreenCast::timerEvent(QTimerEvent*)
{
    fail(QStringLiteral("no answer from the desktop portal"));
}

void IPortalScreenCast::fail(const QString& reason, bool refused)
{
    if (step_ == Step::Idle) {
        return;
    }
    close();
    qDebug() << "screen cast not started:" << reason;
    emit failed(reason, refused);
}

void IPortalScreenCast::unwatchRequest()
{
    if (!requestPath_.isEmpty()) {
        bus().disconnect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                         SLOT(onResponse(uint, QVariantMap)));
        requestPath_.clear();
    }
}

void IPortalScreenCast::close()
{
    unwatchRequest();
    if (timer_) {
        killTimer(timer_);
        timer_ = 0;
    }
    if (!session_.isEmpty()) {
        bus().disconnect(kService, session_, kSession, QStringLiteral("Closed"), this,
                         SLOT(onSessionClosed()));
        bus().send(
            QDBusMessage::createMethodCall(kService, session_, kSession, QStringLiteral("Close")));
        session_.clear();
    }
    step_ = Step::Idle;
}
