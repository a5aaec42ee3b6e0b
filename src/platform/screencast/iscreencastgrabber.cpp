#include "platform/screencast/iscreencastgrabber.h"

#include <QDebug>

IScreenCastGrabber::IScreenCastGrabber(QObject* parent) : QObject(parent)
{
    connect(&cast_, &IPortalScreenCast::started, this, &IScreenCastGrabber::onStarted);
    connect(&cast_, &IPortalScreenCast::failed, this, &IScreenCastGrabber::onEnded);
    connect(&cast_, &IPortalScreenCast::closed, this,
            [this] { onEnded(QStringLiteral("the desktop ended the screen cast")); });
}

IScreenCastGrabber::~IScreenCastGrabber()
{
    stop();
}

void IScreenCastGrabber::start(const QString& restoreToken)
{
    if (active_) {
        return;
    }
    active_ = true;
    cast_.start(IPortalScreenCast::CursorEmbedded, restoreToken);
}

// The stream first, then the portal's session.
void IScreenCastGrabber::stop()
{
    active_ = false;
    stream_.reset();
    cast_.close();
    std::lock_guard<std::mutex> lock(mutex_);
    latest_ = QImage();
}

void IScreenCastGrabber::onStarted()
{
    screen_ =
        cast_.logicalSize().isValid() ? QRect(cast_.position(), cast_.logicalSize()) : QRect();
    QString error;
    const int fd = cast_.openPipeWireRemote(&error);
    stream_ = std::make_unique<IPipeWireStream>();
    const bool open =
        fd >= 0 && stream_->open(
                       fd, cast_.node(), [](const QSize&) {},
                       [this](const IScreenCastPicture& picture) { onPicture(picture); },
                       [this](const QString& reason) {
                           QMetaObject::invokeMethod(this, [this, reason] { onEnded(reason); });
                       },
                       &error);
    if (!open) {
        onEnded(error);
        return;
    }
    emit started();
}

void IScreenCastGrabber::onEnded(const QString& reason)
{
    if (!active_) {
        return;
    }
    qDebug() << "screen cast for reading the screen ended:" << reason;
    stop();
    emit failed(reason);
}

void IScreenCastGrabber::onPicture(const IScreenCastPicture& picture)
{
    const QImage::Format format = picture.rgbOrder ? QImage::Format_RGBX8888 : QImage::Format_RGB32;
    const QImage copy =
        QImage(picture.data, picture.size.width(), picture.size.height(), picture.stride, format)
            .copy();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        latest_ = copy;
    }
    emit pictureArrived();
}

QImage IScreenCastGrabber::grab(const QRect& area) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (latest_.isNull()) {
        return QImage();
    }
    const QRect screen = screen_.isEmpty() ? latest_.rect() : screen_;
    const double sx = static_cast<double>(latest_.width()) / screen.width();
    const double sy = static_cast<double>(latest_.height()) / screen.height();
    const QPoint offset = area.topLeft() - screen.topLeft();
    return latest_.copy(qRound(offset.x() * sx), qRound(offset.y() * sy), qRound(area.width() * sx),
                        qRound(area.height() * sy));
}
