#ifndef ISETTINGSGUARD_H
#define ISETTINGSGUARD_H

#include <QString>
#include <QStringList>

// Keeps the settings file readable. Qt's INI reader throws std::bad_alloc out of QSettings for a
// serialised value ("@Variant(...)") that announces more elements than memory can hold, and does
// so again at every later read of that section and at every write of the file. Such values are
// found before the program reads the file, logged and removed, so their keys take their
// defaults; a file that still cannot be read is moved aside to "<file>.bad".
class ISettingsGuard {
public:
    // Returns the removed keys as "section/key" lines of the file.
    static QStringList repair(const QString& path);
    // Whether QSettings reads every key of the file without throwing.
    static bool readable(const QString& path);
};

#endif  // ISETTINGSGUARD_H
