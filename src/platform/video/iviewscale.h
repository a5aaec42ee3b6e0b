#ifndef IVIEWSCALE_H
#define IVIEWSCALE_H

#include <QImage>
#include <QSize>

// How large a live frame needs to be for the view that shows it. A frame that the view shows at
// half its size or less is decoded (or scaled) on the capture thread to the size it is shown
// at, so the GUI thread draws it one to one; such a frame remembers the camera's full size,
// which is what the view lays out and what photos get.
class IViewScale {
public:
    IViewScale() = delete;

    // 4 when `shown` fits a quarter of `full`, 2 when it fits half of it, else 1. An empty
    // `shown` means the view has not told its size: full size.
    static int divisor(const QSize& full, const QSize& shown);
    // The size to hand the view: `full` scaled into `shown` (aspect kept) when the divisor is
    // above 1, else `full` itself.
    static QSize target(const QSize& full, const QSize& shown);

    // Notes the camera's full size in a frame made smaller for the view.
    static void markFullSize(QImage* image, const QSize& full);
    // The camera's full size of a live frame: the noted one, else the frame's own size.
    static QSize fullSize(const QImage& image);
};

#endif  // IVIEWSCALE_H
