#ifndef ICAMERAINFO_H
#define ICAMERAINFO_H

#include <QMetaType>
#include <QString>

// One camera as the camera manager knows it. index: enumeration position, -1 none, 999 wireless.
struct ICameraInfo {
    int index = -1;
    QString pid;
    QString vid;
    QString devicePath;
    QString friendlyName;
    QString videoInput;
    QString audioInput;
};
Q_DECLARE_METATYPE(ICameraInfo)

#endif  // ICAMERAINFO_H
