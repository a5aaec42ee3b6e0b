#ifndef ICAMERATOOLBAR_H
#define ICAMERATOOLBAR_H

#include "customui/shell/itoolbarbase.h"

// The toolbar along the bottom of the main window: picture, capture and document commands.
// Magnifier, zoom, rotate, self-adapting and "Camera" exist hidden (their commands live on the
// right toolbar). Snap carries the shortcut Space. Mirror and Flip turn the live picture over
// (checkable, kept per camera by the owner).
class ICameraToolBar : public IToolBarBase {
    Q_OBJECT
public:
    enum ButtonId {
        FocusExposure = 0,
        Magnifier = 1,
        Resolution = 2,
        ZoomIn = 3,
        ZoomOut = 4,
        Rotate = 5,
        Freeze = 6,
        ColorAdjusting = 7,
        SelfAdapting = 8,
        AutoEdge = 9,
        Snap = 10,
        PhotoMode = 11,
        VideoRecording = 12,
        Ocr = 13,
        Pdf = 14,
        Camera = 15,
        PictureInPicture = 16,
        SplitScreen = 17,
        Mirror = 18,
        Flip = 19
    };
    Q_ENUM(ButtonId)

    explicit ICameraToolBar(QWidget* parent = nullptr);

private:
    void CreateUI();
    IIToolButton* makeButton(int id, const QString& toolTip, const QString& pressedIcon,
                             const QString& normalIcon, bool checkable);
};

#endif  // ICAMERATOOLBAR_H
