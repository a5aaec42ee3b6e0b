#ifndef SHELLTYPES_H
#define SHELLTYPES_H

// The numbers the main window exchanges with its panels and the camera manager, by name. The
// values are stored and signalled as they stand, so they never change.

// What Snap does: the modes of the capture-mode panel.
enum CaptureMode {
    DefaultCapture = 0,
    ScreenCapture = 1,
    PartialCapture = 2,
    TimingCapture = 3,
    TimelapseCapture = 4,
    ClipboardCapture = 5,
    BlackWhiteCapture = 6,
    GrayCapture = 7
};

// The time-lapse panel's requests to the main window.
enum OperateType {
    TimelapseShot = 0,
    TimelapseStart = 1,
    TimelapseStop = 2,
    TimelapsePause = 3,
    TimelapseResume = 4
};

// The camera manager's status codes (its sgError(int)).
enum CameraStatus { CameraOpened = 0, CameraOpenFailed = 1, CameraUnplugged = 3 };

#endif  // SHELLTYPES_H
