#ifndef IVIRTUALSCENE_H
#define IVIRTUALSCENE_H

#include <QImage>
#include <QRect>
#include <QSize>

// The control values the virtual camera's picture depends on.
struct VirtualSceneSettings {
    int brightness = 0;
    int contrast = 32;
    int saturation = 64;
    int exposure = 250;
    int focus = 125;
    bool autoExposure = true;
    bool autoFocus = true;

    bool operator==(const VirtualSceneSettings& other) const;
    bool operator!=(const VirtualSceneSettings& other) const { return !(*this == other); }
};

// Paints what the virtual document camera sees: a slightly rotated white page with text on a
// dark desk, changed by the controls, with a frame counter moving along the bottom edge.
// The page is painted once per size and the controls applied once per change; a frame only
// repaints the counter.
class IVirtualScene {
public:
    // The picture of frame number `counter` (Format_RGB32); valid until the next call.
    const QImage& frame(const QSize& size, const VirtualSceneSettings& settings, int counter);

    // Focus value at which the page is sharp.
    static constexpr int kSharpFocus = 125;

private:
    void paintPage(const QSize& size);
    void applySettings(const VirtualSceneSettings& settings);
    void paintCounter(int counter);

    QImage page_;
    QImage adjusted_;
    QImage frame_;
    VirtualSceneSettings settings_;
    QRect counterRect_;
};

#endif  // IVIRTUALSCENE_H
