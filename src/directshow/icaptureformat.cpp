#include "icaptureformat.h"

#include <QDebug>

bool ICaptureFormat::trySize(IVideoDevice& device, const QSize& size, VideoStreamFormat* format)
{
    for (VideoPixelFormat wanted : {VideoPixelFormat::Mjpeg, VideoPixelFormat::Yuyv}) {
        VideoStreamFormat actual;
        if (device.setFormat(wanted, size, &actual) && actual.format == wanted &&
            actual.size == size) {
            *format = actual;
            return true;
        }
    }
    return false;
}

bool ICaptureFormat::negotiate(IVideoDevice& device, const QSize& requested,
                               const QList<QSizeF>& sizes, VideoStreamFormat* format)
{
    QSize wanted = requested;
    VideoStreamFormat current;
    if (wanted.isEmpty() && device.currentFormat(&current)) {
        wanted = current.size;
    }
    if (!wanted.isEmpty() && trySize(device, wanted, format)) {
        return true;
    }
    qDebug() << "set format failed not support resolution:" << requested;
    if (sizes.isEmpty()) {
        qDebug() << "the device offers no frame size to fall back to";
        return false;
    }
    const QSize smallest = sizes.first().toSize();
    if (trySize(device, smallest, format)) {
        return true;
    }
    qDebug() << "the device refuses its own smallest size:" << smallest;
    return false;
}
