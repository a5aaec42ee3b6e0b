#include "iocrlibraryloader.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibrary>

const char* IOcrLibraryLoader::libraryName()
{
    return "libtesseract.so.5";
}

QString IOcrLibraryLoader::bundledPath()
{
    return QCoreApplication::applicationDirPath() + "/NMOCR/lib/" + libraryName();
}

QString IOcrLibraryLoader::preload()
{
    // The handles stay loaded for the process lifetime: QLibrary never unloads on destruction.
    const QString bundled = bundledPath();
    QLibrary local(bundled);
    if (local.load()) {
        qDebug() << "linux load OCR" << libraryName() << "success! path=" + bundled;
        return local.fileName();
    }
    qDebug() << "linux load OCR" << libraryName() << "ERROR! path=" + bundled;
    QLibrary system(QStringLiteral("tesseract"), 5);
    const bool loaded = system.load();
    qDebug() << (loaded ? "Qt QLibrary load dll return true" : "Qt QLibrary load dll return false")
             << system.fileName();
    return loaded ? system.fileName() : QString();
}
