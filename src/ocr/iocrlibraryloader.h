#ifndef IOCRLIBRARYLOADER_H
#define IOCRLIBRARYLOADER_H

#include <QString>
#include <QStringList>

#include "ocr/tesscapi.h"

// Loads the OCR engine library (Tesseract 5) at run time and resolves its C interface. A copy
// beside the program, in "NMOCR/lib/", is preferred; otherwise the system's. The search list can
// be replaced (setSearchPaths, or ORVELLA_OCR_LIBRARY with ":"-separated paths). A failure is
// logged, never fatal. One library is held process-wide; it is loaded at start-up and by the
// engine's first job, and unloaded on the engine's request.
class IOcrLibraryLoader {
public:
    // Tesseract's OpenMP is erratic on two cores, and the engine spreads pictures over threads
    // itself. OpenMP reads its thread limit once, when it is loaded, which the program's own
    // libraries do before main(): the first thing main() does is start the program again with
    // OMP_THREAD_LIMIT=1 unless it is set. Returns only when that was not needed or failed.
    static void limitEngineThreads(char** argv);
    // Loads the library at start-up; its file name, or empty when none could be loaded.
    static QString preload();
    static QString bundledPath();
    static const char* libraryName();

    // The files tried in order; an empty list restores the default.
    static void setSearchPaths(const QStringList& paths);
    static QStringList searchPaths();

    // The resolved interface, loading the library first when needed; nullptr when it is not
    // loadable or lacks an entry (the reason goes to `error`).
    static const TessCApi* load(QString* error = nullptr);
    // Lets go of the library and its resolved entries (its code stays mapped, see load()); the
    // next load() resolves them again, from the search list as it is then. False on failure.
    static bool unload();
    // The file the library was loaded from, empty while none is loaded.
    static QString loadedFile();
};

#endif  // IOCRLIBRARYLOADER_H
