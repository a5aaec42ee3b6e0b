#ifndef IVIRTUALSCENE_H
#define IVIRTUALSCENE_H

#include <QElapsedTimer>
#include <QImage>
#include <QList>
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
// dark desk with a frame counter moving along the bottom edge, or given pictures (shown in turn
// every few seconds), changed by the controls. The page is painted once per size and picture and
// the controls applied once per change; a frame only repaints the counter.
class IVirtualScene {
public:
    // The pictures ORVELLA_VIRTUAL_CAMERA_IMAGE names for virtual camera `index`: its
    // ":"-separated entry, a PNG or JPEG file or a folder of them. None (the drawn page) when
    // there is no entry or nothing readable in it, which is logged.
    static QList<QImage> picturesFor(int index);

    // Shows `pictures` instead of the drawn page.
    void setPictures(const QList<QImage>& pictures);

    // The picture of frame number `counter` (Format_RGB32); valid until the next call.
    const QImage& frame(const QSize& size, const VirtualSceneSettings& settings, int counter);

    // How long each of several pictures is shown.
    static constexpr int kPictureIntervalMs = 4000;

    // Focus value at which the page is sharp.
    static constexpr int kSharpFocus = 125;

private:
    int shownPicture() const;
    void paintPage(const QSize& size);
    void paintPicture(const QSize& size);
    void applySettings(const VirtualSceneSettings& settings);
    void paintCounter(int counter);

    QList<QImage> pictures_;
    QElapsedTimer clock_;
    int shown_ = -1;  // index of the picture on the page, -1 for the drawn page
    QImage page_;
    QImage adjusted_;
    QImage frame_;
    VirtualSceneSettings settings_;
    QRect counterRect_;
};

#endif  // IVIRTUALSCENE_H
