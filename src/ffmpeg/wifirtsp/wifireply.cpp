#include "wifireply.h"

#include <QtEndian>

WifiReply WifiReply::parse(const QByteArray& chunk)
{
    return WifiReply(chunk);
}

QByteArray WifiReply::notificationId()
{
    return QByteArray(2, char(0x0F));
}

int WifiReply::bodyLength(quint16 index)
{
    switch (index) {
        case AutoFocusDone:
        case TopLampDone:
        case WallLampDone:
        case EncodingSet:
        case QualitySet:
            return 0;
        case LampState:
            return 1;
        case PictureHeader:
            return 4;
        case EncodingState:
        case QualityState:
        case ResolutionNotice:
            return 8;
        default:
            return -1;
    }
}

quint16 WifiReply::index() const
{
    if (chunk_.size() < 4) {
        return 0;
    }
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(chunk_.constData()) + 2);
}

bool WifiReply::isComplete() const
{
    const int needed = bodyLength(index());
    return hasHeader() && needed >= 0 && chunk_.size() >= kHeaderLength + needed;
}

int WifiReply::length() const
{
    return isComplete() ? kHeaderLength + bodyLength(index()) : chunk_.size();
}

QByteArray WifiReply::body() const
{
    return message().mid(kHeaderLength);
}

QByteArray WifiReply::message() const
{
    return chunk_.left(length());
}

QByteArray WifiReply::rest() const
{
    return chunk_.mid(length());
}

quint32 WifiReply::pictureSize() const
{
    const QByteArray bytes = body();
    if (bytes.size() < 4) {
        return 0;
    }
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData()));
}

int WifiReply::resIndex() const
{
    const QByteArray field = resIndexByte();
    return field.isEmpty() ? 0 : quint8(field.at(0));
}
