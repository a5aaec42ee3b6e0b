#ifndef CAMERAPARAMETERDATA_H
#define CAMERAPARAMETERDATA_H

#include <QMetaType>
#include <QVariant>

// One camera control: its range, default and current value. A new entry holds 0.0 everywhere;
// values read from a device are ints.
struct CameraParameterEntry {
    QVariant minimum{0.0};
    QVariant maximum{0.0};
    QVariant defaultValue{0.0};
    QVariant current{0.0};
};

// The five controls of a camera, in this order. Read entries by name.
struct CameraParameterData {
    CameraParameterEntry contrast;
    CameraParameterEntry saturation;
    CameraParameterEntry brightness;
    CameraParameterEntry exposure;
    CameraParameterEntry focus;
};
Q_DECLARE_METATYPE(CameraParameterData)

#endif  // CAMERAPARAMETERDATA_H
