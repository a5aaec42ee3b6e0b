#ifndef IPICTUREFILE_H
#define IPICTUREFILE_H

#include <QImage>
#include <QSize>
#include <QString>

// Reading picture files for display: the header is checked first, pictures beyond a pixel limit
// are refused, and the rest are decoded straight to the size they are shown at.
class IPictureFile {
public:
    // The largest picture (in pixels) the program decodes; larger headers are refused before
    // any memory is spent on them.
    static constexpr qint64 kMaxPixels = 100LL * 1000 * 1000;

    struct Reduced {
        QImage image;      // null when the file could not be read
        QSize sourceSize;  // the picture's size as stored, when the header could be read
        QString error;     // why `image` is null
    };

    // The picture at `path` decoded to `size` (aspect ratio ignored); any thread.
    static Reduced readReduced(const QString& path, const QSize& size);
};

#endif  // IPICTUREFILE_H
