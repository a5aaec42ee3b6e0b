#ifndef ISETTINGSGUARD_H
#define ISETTINGSGUARD_H

#include <QString>
#include <QStringList>

// Keeps the settings file safe to read. A serialised value ("@Variant(...)") is read by Qt's
// stream operators, and crafted ones throw std::bad_alloc out of QSettings (a list announcing
// more elements than memory holds) or crash inside Qt's picture types, at every read of their
// section and every write of the file. The program itself only stores a colour that way. Lines
// whose serialised values are not of a type read with bounded, fixed-size reads are logged and
// removed before the file is read, so their keys take their defaults.
class ISettingsGuard {
public:
    // Returns the removed lines' keys ("section/key"); a file it cannot rewrite is moved aside to
    // "<file>.bad".
    static QStringList repair(const QString& path);
    // Whether the logical line (escaped line ends joined) holds only safe serialised values.
    static bool safeLine(const QByteArray& line);
};

#endif  // ISETTINGSGUARD_H
