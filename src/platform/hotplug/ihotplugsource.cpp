#include "ihotplugsource.h"

#include <QDebug>
#include <QFileInfo>

#include "platform/hotplug/devnodehotplugsource.h"
#include "platform/hotplug/udevhotplugsource.h"

IHotplugSource* IHotplugSource::createDefault(QObject* parent)
{
    // A running udev daemon owns this control socket; without it no udev event ever comes.
    if (QFileInfo::exists(QStringLiteral("/run/udev/control"))) {
        auto* source = new UdevHotplugSource(parent);
        if (source->isValid()) {
            return source;
        }
        delete source;
    }
    qDebug() << "hot-plug: watching /dev video nodes";
    return new DevNodeHotplugSource(QStringLiteral("/dev"), parent);
}
