#include "imode.h"

#include <QFileInfo>
#include <QPixmap>

#include "board/ideviceevent.h"
#include "board/imodeeventhandle.h"

IMode::IMode(IBoard* board) : IModeBase(board) {}

void IMode::press(IDeviceEvent* record)
{
    if (activeIds_.contains(record->deviceId())) {
        return;
    }
    activeIds_.append(record->deviceId());
    relay()->reportPress(record, this);
}

void IMode::move(IDeviceEvent* record)
{
    if (activeIds_.contains(record->deviceId())) {
        relay()->reportMove(record, this);
    }
}

void IMode::release(IDeviceEvent* record)
{
    if (activeIds_.removeAll(record->deviceId()) > 0) {
        relay()->reportRelease(record, this);
    }
}

void IMode::setCursor(const QString& path, int width, int height)
{
    QPixmap picture;
    if (QFileInfo::exists(path) && picture.load(path) && width > 0 && height > 0) {
        picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        cursor_ = QCursor(picture, width / 2, height / 2);
    } else {
        cursor_ = QCursor(Qt::ArrowCursor);
    }
}

void IMode::setCursor(const QCursor& cursor)
{
    cursor_ = cursor;
}

void IMode::deactivate()
{
    activeIds_.clear();
}
