#include "iocrlibraryloader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLibrary>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace {

struct LoaderState {
    std::mutex lock;
    QStringList searchPaths;
    std::unique_ptr<QLibrary> library;
    QString file;  // where the loaded library lies
    TessCApi api;
};

LoaderState& state()
{
    static LoaderState loader;
    return loader;
}

template <typename Fn>
bool resolve(QLibrary& library, const char* name, Fn& slot, QString* missing)
{
    slot = reinterpret_cast<Fn>(library.resolve(name));
    if (!slot && missing->isEmpty()) {
        *missing = QString::fromLatin1(name);
    }
    return slot != nullptr;
}

// Every entry the engine calls; the name of the first one missing, or empty.
QString resolveAll(QLibrary& library, TessCApi& api)
{
    QString missing;
    resolve(library, "TessVersion", api.version, &missing);
    resolve(library, "TessDeleteText", api.deleteText, &missing);
    resolve(library, "TessBaseAPICreate", api.create, &missing);
    resolve(library, "TessBaseAPIDelete", api.destroy, &missing);
    resolve(library, "TessBaseAPIInit3", api.init, &missing);
    resolve(library, "TessBaseAPIEnd", api.end, &missing);
    resolve(library, "TessBaseAPISetPageSegMode", api.setPageSegMode, &missing);
    resolve(library, "TessBaseAPISetImage", api.setImage, &missing);
    resolve(library, "TessBaseAPISetSourceResolution", api.setSourceResolution, &missing);
    resolve(library, "TessBaseAPISetInputName", api.setInputName, &missing);
    resolve(library, "TessBaseAPIRecognize", api.recognize, &missing);
    resolve(library, "TessBaseAPIGetUTF8Text", api.utf8Text, &missing);
    resolve(library, "TessBaseAPIGetIterator", api.iterator, &missing);
    resolve(library, "TessResultIteratorDelete", api.iteratorDelete, &missing);
    resolve(library, "TessResultIteratorNext", api.iteratorNext, &missing);
    resolve(library, "TessResultIteratorGetUTF8Text", api.iteratorText, &missing);
    resolve(library, "TessMonitorCreate", api.monitorCreate, &missing);
    resolve(library, "TessMonitorDelete", api.monitorDelete, &missing);
    resolve(library, "TessMonitorSetCancelFunc", api.monitorSetCancelFunc, &missing);
    resolve(library, "TessMonitorSetCancelThis", api.monitorSetCancelThis, &missing);
    resolve(library, "TessPDFRendererCreate", api.pdfRendererCreate, &missing);
    resolve(library, "TessResultRendererBeginDocument", api.rendererBegin, &missing);
    resolve(library, "TessResultRendererAddImage", api.rendererAddImage, &missing);
    resolve(library, "TessResultRendererEndDocument", api.rendererEnd, &missing);
    resolve(library, "TessDeleteResultRenderer", api.rendererDelete, &missing);
    return missing;
}

QStringList defaultSearchPaths()
{
    const QString fromEnvironment = qEnvironmentVariable("ORVELLA_OCR_LIBRARY");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    }
    // The bare name lets the dynamic loader search the system's folders.
    return {IOcrLibraryLoader::bundledPath(),
            QString::fromLatin1(IOcrLibraryLoader::libraryName())};
}

const TessCApi* loadLocked(LoaderState& loader, QString* error)
{
    if (loader.library) {
        return &loader.api;
    }
    const QStringList paths =
        loader.searchPaths.isEmpty() ? defaultSearchPaths() : loader.searchPaths;
    QString reason = QStringLiteral("no library to try");
    for (const QString& path : paths) {
        // A missing file given by path is not tried under other names.
        if (path.contains(QLatin1Char('/')) && !QFileInfo::exists(path)) {
            // Without a copy of its own the program normally uses the system's.
            if (path == IOcrLibraryLoader::bundledPath()) {
                qInfo() << "no OCR library beside the program, trying the next;" << path;
            } else {
                qDebug() << "QLibrary load error;" << path << "not found";
            }
            reason = path + QStringLiteral(" not found");
            continue;
        }
        auto library = std::make_unique<QLibrary>(path);
        // The code stays mapped after unloading: unmapping would run the library's static
        // destructors under live OpenMP threads and strand its globals.
        library->setLoadHints(QLibrary::PreventUnloadHint);
        if (!library->load()) {
            qDebug() << "QLibrary load error;" << path << library->errorString();
            reason = library->errorString();
            continue;
        }
        TessCApi api;
        const QString missing = resolveAll(*library, api);
        if (!missing.isEmpty()) {
            qDebug() << "get" << missing << "error;" << library->fileName();
            reason = missing + QStringLiteral(" not found in ") + library->fileName();
            library->unload();
            continue;
        }
        loader.api = api;
        loader.library = std::move(library);
        Dl_info where{};
        loader.file = dladdr(reinterpret_cast<void*>(api.version), &where) && where.dli_fname
                          ? QString::fromLocal8Bit(where.dli_fname)
                          : path;
        return &loader.api;
    }
    if (error) {
        *error = reason;
    }
    return nullptr;
}

}  // namespace

void IOcrLibraryLoader::limitEngineThreads(char** argv)
{
    if (qEnvironmentVariableIsSet("OMP_THREAD_LIMIT")) {
        return;
    }
    setenv("OMP_THREAD_LIMIT", "1", 1);
    execv("/proc/self/exe", argv);
    // Still here: the limit holds for what starts after this, the engine keeps working.
}

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
    const QString bundled = bundledPath();
    if (load()) {
        const QString file = loadedFile();
        qDebug() << "linux load OCR" << libraryName() << "success! path=" + file;
        return file;
    }
    qDebug() << "linux load OCR" << libraryName() << "ERROR! path=" + bundled;
    return QString();
}

void IOcrLibraryLoader::setSearchPaths(const QStringList& paths)
{
    LoaderState& loader = state();
    std::lock_guard<std::mutex> guard(loader.lock);
    loader.searchPaths = paths;
}

QStringList IOcrLibraryLoader::searchPaths()
{
    LoaderState& loader = state();
    std::lock_guard<std::mutex> guard(loader.lock);
    return loader.searchPaths.isEmpty() ? defaultSearchPaths() : loader.searchPaths;
}

const TessCApi* IOcrLibraryLoader::load(QString* error)
{
    LoaderState& loader = state();
    std::lock_guard<std::mutex> guard(loader.lock);
    return loadLocked(loader, error);
}

bool IOcrLibraryLoader::unload()
{
    LoaderState& loader = state();
    std::lock_guard<std::mutex> guard(loader.lock);
    if (!loader.library) {
        return true;
    }
    if (!loader.library->unload()) {
        qDebug() << "QLibrary unload error;" << loader.library->errorString();
        return false;
    }
    loader.library.reset();
    loader.file.clear();
    loader.api = TessCApi();
    return true;
}

QString IOcrLibraryLoader::loadedFile()
{
    LoaderState& loader = state();
    std::lock_guard<std::mutex> guard(loader.lock);
    return loader.file;
}
