// The recording panel's layer while the mouse passes through it: what stays on screen and takes
// input. Where the compositor places windows (Wayland) no window can be put at a point of the
// screen, so the control bar lives in the layer, which covers the whole screen.
#include "customui/kit/windowplacement.h"
#include "customui/recording/ivideorecordframe.h"

bool IVideoRecordFrame::barInLayer()
{
    return compositorPlacesWindows();
}

QRegion IVideoRecordFrame::passThroughRegion() const
{
    QRegion region = bracketRegion();
    if (!controlBar_->isWindow()) {
        region += controlBar_->geometry();
    }
    return region;
}

void IVideoRecordFrame::updatePassThroughMask()
{
    if (!passThrough_) {
        return;
    }
    if (barInLayer()) {
        // The compositor takes the mask as the input region only, and shows the window's last
        // picture outside it: that picture must be clear of the shade and the bars first. A
        // hidden layer paints nothing: it takes its mask again once shown.
        clearMask();
        if (!isVisible()) {
            return;
        }
        repaint();
    }
    setMask(passThroughRegion());
}
