#ifndef IHOTPLUGSOURCE_H
#define IHOTPLUGSOURCE_H

#include <QObject>
#include <QString>

// Reports video capture devices that appear or disappear, by device path.
class IHotplugSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The source for this machine: the udev monitor where a udev daemon runs, else a watcher
    // of the /dev video nodes.
    static IHotplugSource* createDefault(QObject* parent);

signals:
    void deviceChanged(bool connected, const QString& devicePath);
};

#endif  // IHOTPLUGSOURCE_H
