#include "customui/gallery/ipicturefile.h"

#include <QFileInfo>
#include <QImageReader>

IPictureFile::Reduced IPictureFile::readReduced(const QString& path, const QSize& size)
{
    Reduced result;
    if (!QFileInfo(path).isFile()) {
        result.error = QStringLiteral("not a file");
        return result;
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        result.error = QStringLiteral("image read failed! ") + reader.errorString();
        return result;
    }
    result.sourceSize = reader.size();
    const qint64 pixels = qint64(result.sourceSize.width()) * qint64(result.sourceSize.height());
    if (result.sourceSize.isValid() && pixels > kMaxPixels) {
        result.error = QStringLiteral("picture too large: %1 x %2")
                           .arg(result.sourceSize.width())
                           .arg(result.sourceSize.height());
        return result;
    }
    reader.setScaledSize(size);
    result.image = reader.read();
    if (result.image.isNull()) {
        result.error = QStringLiteral("read Image failed ") + reader.errorString();
    } else if (!result.sourceSize.isValid()) {
        result.sourceSize = result.image.size();
    }
    return result;
}
