#include "wifireplystream.h"

#include <QBuffer>
#include <QDebug>
#include <QImageReader>
#include <QtEndian>

void WifiReplyStream::append(const QByteArray& bytes)
{
    // Dropping the taken bytes only once they are the larger part keeps appends linear.
    if (offset_ > 0 && offset_ >= pending()) {
        buffer_.remove(0, offset_);
        offset_ = 0;
    }
    buffer_.append(bytes);
}

int WifiReplyStream::frontLength() const
{
    const int available = pending();
    if (available < WifiReply::kHeaderLength) {
        return 0;
    }
    const auto* front = reinterpret_cast<const uchar*>(buffer_.constData()) + offset_;
    const int body = WifiReply::bodyLength(qFromLittleEndian<quint16>(front + 2));
    if (body < 0) {
        return available;
    }
    const int length = WifiReply::kHeaderLength + body;
    return available >= length ? length : 0;
}

bool WifiReplyStream::next(WifiReply* reply)
{
    const int length = frontLength();
    if (length == 0) {
        return false;
    }
    *reply = WifiReply::parse(buffer_.mid(offset_, length));
    offset_ += length;
    if (offset_ == buffer_.size()) {
        clear();
    }
    return true;
}

QByteArray WifiReplyStream::take(int count)
{
    const QByteArray front = buffer_.mid(offset_, qBound(0, count, pending()));
    offset_ += front.size();
    if (offset_ == buffer_.size()) {
        clear();
    }
    return front;
}

void WifiReplyStream::clear()
{
    buffer_.clear();
    offset_ = 0;
}

QImage WifiReplyStream::decodePicture(const QByteArray& bytes)
{
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "JPG");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels) {
        qDebug() << "picture refused, size: " << size << "bytes: " << bytes.size();
        return QImage();
    }
    return reader.read();
}
