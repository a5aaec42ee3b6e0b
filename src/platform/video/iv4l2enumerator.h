#ifndef IV4L2ENUMERATOR_H
#define IV4L2ENUMERATOR_H

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/video/iv4l2io.h"
#include "platform/video/videoformat.h"

// Finds the V4L2 capture devices: the video4linux class folder of sysfs in numeric node order,
// keeping the nodes whose device capabilities include single-planar video capture (USB cameras
// also expose metadata nodes), with the USB ids of the device they belong to.
class IV4l2Enumerator {
public:
    IV4l2Enumerator(std::shared_ptr<IV4l2Io> io, const QString& sysRoot, const QString& devRoot);

    QList<VideoNodeInfo> devices() const;
    // The nodes that exist but may not be opened (EACCES, EPERM): the user lacks the rights,
    // usually membership of the "video" group.
    QStringList deniedNodes() const;

    // A kernel string field: read up to its terminator but never past `size`, then trimmed.
    static QString boundedText(const unsigned char* text, size_t size);
    // A USB id as sysfs writes it; exactly four hex digits (lower-cased), otherwise empty.
    static QString usbId(const QByteArray& text);

private:
    QList<int> nodeNumbers() const;
    bool readCaptureCard(const QString& devicePath, QString* card) const;
    void readUsbIds(const QString& node, VideoNodeInfo* info) const;

    std::shared_ptr<IV4l2Io> io_;
    QString sysRoot_;
    QString devRoot_;
};

#endif  // IV4L2ENUMERATOR_H
