#include "appdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>

QString appDataDir(const QString& sub)
{
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/" + sub;
    QDir dir(path);
    if (!dir.exists()) {
        dir.mkpath(".");
    }
    return path;
}

void waitProcessingEvents(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    }
}
