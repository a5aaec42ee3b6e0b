#include "isettingsguard.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>

namespace {

const QByteArray kVariant = QByteArrayLiteral("@Variant(");

// Variant type ids read with bounded reads: bool, the integers, double, QChar, QString and
// QByteArray (read in chunks), QDate, QTime, QDateTime, QRect(F), QSize(F), QPoint(F), float,
// and QColor, the one the program writes.
const quint32 kSafeTypes[] = {1,  2,  3,  4,  5,  6,  7,  10, 12, 14,
                              15, 16, 19, 20, 21, 22, 25, 26, 38, 67};

int digitValue(char c, int base)
{
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : 99;
    return value < base ? value : -1;
}

// The line as Qt's INI reader turns it into text: quotes dropped, escapes resolved (\x hex and
// octal of any length, the C escapes; any other escaped character, line ends too, dropped).
QString unescaped(const QByteArray& line)
{
    static const QByteArray simple("abfnrtv\"?'\\");
    static const char values[] = "\a\b\f\n\r\t\v\"?'\\";
    QString text;
    for (int i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c != '\\' || i + 1 == line.size()) {
            if (c != '"') {
                text += QLatin1Char(c);
            }
            continue;
        }
        const char escape = line.at(++i);
        const int base = escape == 'x' ? 16 : escape >= '0' && escape <= '7' ? 8 : 0;
        if (simple.contains(escape)) {
            text += QLatin1Char(values[simple.indexOf(escape)]);
        } else if (base == 8 ||
                   (base == 16 && i + 1 < line.size() && digitValue(line.at(i + 1), 16) >= 0)) {
            uint value = base == 8 ? uint(escape - '0') : 0;
            while (i + 1 < line.size() && digitValue(line.at(i + 1), base) >= 0) {
                value = value * uint(base) + uint(digitValue(line.at(++i), base));
            }
            text += QChar(ushort(value));
        }
    }
    return text;
}

// Whether a line continues on the next (it ends in an odd run of "\\").
bool continues(const QByteArray& line)
{
    QByteArray content = line.endsWith('\r') ? line.chopped(1) : line;
    int backslashes = 0;
    while (backslashes < content.size() && content.at(content.size() - 1 - backslashes) == '\\') {
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

QString keyOf(const QByteArray& section, const QByteArray& line)
{
    return QString::fromUtf8(section + '/' + line.left(line.indexOf('=')).trimmed());
}

void moveAside(const QString& path)
{
    const QString aside = path + QStringLiteral(".bad");
    QFile::remove(aside);
    const bool moved = QFile::rename(path, aside) || QFile::remove(path);
    qDebug() << "settings file could not be mended, starting with defaults; moved to" << aside
             << moved;
}

}  // namespace

bool ISettingsGuard::safeLine(const QByteArray& line)
{
    const QByteArray text = unescaped(line).toLatin1();
    for (int at = text.indexOf(kVariant); at >= 0; at = text.indexOf(kVariant, at + 1)) {
        // Raw bytes above 127 may be decoded differently and shift the type id.
        if (text.size() < at + kVariant.size() + 4 ||
            std::any_of(line.cbegin(), line.cend(), [](char c) { return c & 0x80; })) {
            return false;
        }
        const quint32 type = qFromBigEndian<quint32>(text.constData() + at + kVariant.size());
        if (std::find(std::begin(kSafeTypes), std::end(kSafeTypes), type) == std::end(kSafeTypes)) {
            return false;
        }
    }
    return true;
}

QStringList ISettingsGuard::repair(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    QStringList removed;
    QByteArrayList kept;
    QByteArray section;
    for (int first = 0, next = 0; first < lines.size(); first = next) {
        QByteArray logical = lines.at(first);
        for (next = first + 1; continues(lines.at(next - 1)) && next < lines.size(); ++next) {
            logical += '\n' + lines.at(next);
        }
        const QByteArray trimmed = logical.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            section = trimmed.mid(1, trimmed.size() - 2);
        }
        if (safeLine(logical)) {
            kept.append(logical);
        } else {
            removed.append(keyOf(section, logical));
            qDebug() << "settings value unreadable, reset to its default:" << removed.constLast();
        }
    }
    if (removed.isEmpty()) {
        return removed;
    }
    QSaveFile save(path);
    if (!save.open(QIODevice::WriteOnly) || save.write(kept.join('\n')) < 0 || !save.commit()) {
        moveAside(path);
    }
    return removed;
}
