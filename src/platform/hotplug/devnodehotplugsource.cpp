#include "devnodehotplugsource.h"

#include <QDir>

DevNodeHotplugSource::DevNodeHotplugSource(const QString& folder, QObject* parent)
    : IHotplugSource(parent), folder_(folder)
{
    nodes_ = scan();
    watcher_.addPath(folder_);
    connect(&watcher_, SIGNAL(directoryChanged(QString)), this, SLOT(rescan()));
}

QSet<QString> DevNodeHotplugSource::scan() const
{
    QSet<QString> found;
    const QStringList names = QDir(folder_).entryList({"video*"}, QDir::System | QDir::Files);
    for (const QString& name : names) {
        bool numeric = false;
        name.mid(5).toInt(&numeric);
        if (numeric) {
            found.insert(QDir(folder_).filePath(name));
        }
    }
    return found;
}

void DevNodeHotplugSource::rescan()
{
    const QSet<QString> now = scan();
    const QSet<QString> before = nodes_;
    nodes_ = now;
    for (const QString& gone : before - now) {
        emit deviceChanged(false, gone);
    }
    for (const QString& added : now - before) {
        emit deviceChanged(true, added);
    }
}
