#include "iv4l2enumerator.h"

#include <linux/videodev2.h>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// How far above the video node the USB device folder may lie (interface, device).
const int kMaxParentLevels = 6;
const qint64 kMaxSmallFileBytes = 64;

QByteArray readSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(kMaxSmallFileBytes);
}

}  // namespace

IV4l2Enumerator::IV4l2Enumerator(std::shared_ptr<IV4l2Io> io, const QString& sysRoot,
                                 const QString& devRoot)
    : io_(std::move(io)), sysRoot_(sysRoot), devRoot_(devRoot)
{
}

QString IV4l2Enumerator::boundedText(const unsigned char* text, size_t size)
{
    const char* chars = reinterpret_cast<const char*>(text);
    return QString::fromUtf8(chars, static_cast<int>(strnlen(chars, size))).trimmed();
}

QString IV4l2Enumerator::usbId(const QByteArray& text)
{
    static const QRegularExpression fourHex(QStringLiteral("^[0-9a-fA-F]{4}$"));
    const QString id = QString::fromLatin1(text.trimmed());
    return fourHex.match(id).hasMatch() ? id.toLower() : QString();
}

QList<int> IV4l2Enumerator::nodeNumbers() const
{
    static const QRegularExpression nodeName(QStringLiteral("^video(\\d{1,6})$"));
    QList<int> numbers;
    const QStringList names = QDir(sysRoot_ + "/class/video4linux")
                                  .entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = nodeName.match(name);
        if (match.hasMatch()) {
            numbers.append(match.captured(1).toInt());
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool IV4l2Enumerator::readCaptureCard(const QString& devicePath, QString* card) const
{
    const int fd = io_->open(devicePath);
    if (fd < 0) {
        qDebug() << "v4l2 cannot open" << devicePath << ":" << strerror(errno);
        return false;
    }
    v4l2_capability cap{};
    const bool queried = io_->ioctl(fd, VIDIOC_QUERYCAP, &cap) == 0;
    io_->close(fd);
    if (!queried) {
        return false;
    }
    const quint32 caps =
        (cap.capabilities & V4L2_CAP_DEVICE_CAPS) ? cap.device_caps : cap.capabilities;
    if (!(caps & V4L2_CAP_VIDEO_CAPTURE) || !(caps & V4L2_CAP_STREAMING)) {
        return false;
    }
    *card = boundedText(cap.card, sizeof(cap.card));
    return true;
}

void IV4l2Enumerator::readUsbIds(const QString& node, VideoNodeInfo* info) const
{
    const QString root = QFileInfo(sysRoot_).canonicalFilePath();
    QString dir =
        QFileInfo(sysRoot_ + "/class/video4linux/" + node + "/device").canonicalFilePath();
    for (int level = 0; level < kMaxParentLevels && !dir.isEmpty() && dir.startsWith(root + "/");
         ++level) {
        if (QFileInfo::exists(dir + "/idVendor") && QFileInfo::exists(dir + "/idProduct")) {
            info->vid = usbId(readSmallFile(dir + "/idVendor"));
            info->pid = usbId(readSmallFile(dir + "/idProduct"));
            return;
        }
        dir = QFileInfo(dir).path();
    }
}

QStringList IV4l2Enumerator::deniedNodes() const
{
    QStringList denied;
    for (int number : nodeNumbers()) {
        const QString path = devRoot_ + QStringLiteral("/video%1").arg(number);
        const int fd = io_->open(path);
        if (fd >= 0) {
            io_->close(fd);
        } else if (errno == EACCES || errno == EPERM) {
            denied << path;
        }
    }
    return denied;
}

QList<VideoNodeInfo> IV4l2Enumerator::devices() const
{
    QList<VideoNodeInfo> found;
    for (int number : nodeNumbers()) {
        const QString node = QStringLiteral("video%1").arg(number);
        VideoNodeInfo info;
        info.path = devRoot_ + "/" + node;
        if (!readCaptureCard(info.path, &info.name)) {
            continue;
        }
        if (info.name.isEmpty()) {
            info.name =
                QString::fromUtf8(readSmallFile(sysRoot_ + "/class/video4linux/" + node + "/name"))
                    .trimmed();
        }
        readUsbIds(node, &info);
        found.append(info);
    }
    return found;
}
