#ifndef IPENCILPATHMODE_H
#define IPENCILPATHMODE_H

#include <QMap>
#include <QVector>

#include "board/iinkbasemode.h"

class IPathRenderWidget;
class IPencilPathElement;

// The Pen mode: freehand strokes over the picture. Points are collected per device from press
// to release while the preview paints them; the release turns them into one stroke element on
// the current page. The board calls activate() again when the ink colour changes while the pen
// is current, so the pen cursor follows the colour.
class IPencilPathMode : public IInkBaseMode {
public:
    explicit IPencilPathMode(IBoard* board);

    void press(IDeviceEvent* record) override;
    void move(IDeviceEvent* record) override;
    void release(IDeviceEvent* record) override;
    void activate() override;
    // Leaving the pen mid-stroke keeps what was drawn so far as a stroke.
    void deactivate() override;

    virtual IPencilPathElement* createElement();

    IPathRenderWidget* preview() const { return preview_; }
    // The pen cursor: the red pencil recoloured to the ink colour.
    static QCursor penCursor(const QColor& ink);

private:
    void finishStroke(int deviceId, const QPointF& last, IDeviceEvent* record);

    QMap<int, QVector<QPointF>> points_;
    IPathRenderWidget* preview_;
};

#endif  // IPENCILPATHMODE_H
