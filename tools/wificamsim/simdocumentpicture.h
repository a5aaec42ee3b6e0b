#ifndef SIMDOCUMENTPICTURE_H
#define SIMDOCUMENTPICTURE_H

#include <QByteArray>
#include <QImage>
#include <QSize>

// The simulated camera's view: a slightly rotated white page with text on a dark desk, plus a
// running frame number so that the live picture visibly moves. Not thread-safe: one per thread.
class SimDocumentPicture {
public:
    // A 32-bit (B, G, R, x) picture of `size` showing frame `number`.
    QImage frame(const QSize& size, int number);
    // The still picture the camera takes at `size`, as JPEG.
    QByteArray jpeg(const QSize& size);

private:
    const QImage& page(const QSize& size);

    QImage page_;
};

#endif  // SIMDOCUMENTPICTURE_H
