#ifndef DEVNODEHOTPLUGSOURCE_H
#define DEVNODEHOTPLUGSOURCE_H

#include <QFileSystemWatcher>
#include <QSet>

#include "platform/hotplug/ihotplugsource.h"

// Watches a device folder (/dev) for "video<N>" nodes coming and going: the fallback where
// no udev daemon announces devices (containers, minimal systems).
class DevNodeHotplugSource : public IHotplugSource {
    Q_OBJECT
public:
    explicit DevNodeHotplugSource(const QString& folder = QStringLiteral("/dev"),
                                  QObject* parent = nullptr);

private slots:
    void rescan();

private:
    QSet<QString> scan() const;

    QString folder_;
    QSet<QString> nodes_;
    QFileSystemWatcher watcher_;
};

#endif  // DEVNODEHOTPLUGSOURCE_H
