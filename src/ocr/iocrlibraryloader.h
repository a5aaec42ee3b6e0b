#ifndef IOCRLIBRARYLOADER_H
#define IOCRLIBRARYLOADER_H

#include <QString>

// Loads the OCR engine library (Tesseract 5) at run time. A copy beside the program, in
// "NMOCR/lib/", is preferred; otherwise the system's. A failure is logged, never fatal.
class IOcrLibraryLoader {
public:
    // The library's file name, or empty when it could not be loaded.
    static QString preload();
    static QString bundledPath();
    static const char* libraryName();
};

#endif  // IOCRLIBRARYLOADER_H
