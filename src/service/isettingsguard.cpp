#include "isettingsguard.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>
#include <exception>

namespace {

// More serialised values than this in one unreadable file: it is moved aside as a whole.
constexpr int kMaxProbes = 64;

bool isSerialisedValue(const QByteArray& line)
{
    const int equals = line.indexOf('=');
    return equals > 0 && line.mid(equals + 1).trimmed().startsWith("@Variant(");
}

// Whether one "key=value" line, alone in a file, reads without throwing.
bool lineReadable(const QByteArray& line)
{
    QTemporaryFile probe(QDir::tempPath() + QStringLiteral("/orvella-settings-XXXXXX.ini"));
    if (!probe.open()) {
        return true;  // cannot tell; the whole-file check below decides
    }
    probe.write("[probe]\n" + line + "\n");
    probe.close();
    return ISettingsGuard::readable(probe.fileName());
}

void moveAside(const QString& path)
{
    const QString aside = path + QStringLiteral(".bad");
    QFile::remove(aside);
    const bool moved = QFile::rename(path, aside) || QFile::remove(path);
    qDebug() << "settings file unreadable, starting with defaults; moved to" << aside << moved;
}

}  // namespace

bool ISettingsGuard::readable(const QString& path)
{
    try {
        // Listing the keys parses every section, as the first write would.
        QSettings(path, QSettings::IniFormat).allKeys();
        return true;
    } catch (const std::exception& e) {
        qDebug() << "settings file" << path << "not readable:" << e.what();
        return false;
    }
}

QStringList ISettingsGuard::repair(const QString& path)
{
    if (!QFile::exists(path) || readable(path)) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        moveAside(path);
        return {};
    }
    QStringList removed;
    QByteArray kept;
    QByteArray section;
    int probes = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            section = trimmed.mid(1, trimmed.size() - 2);
        } else if (isSerialisedValue(line) && ++probes <= kMaxProbes && !lineReadable(line)) {
            const QString key = QString::fromUtf8(section + '/' + line.left(line.indexOf('=')));
            qDebug() << "settings value unreadable, reset to its default:" << key;
            removed.append(key);
            continue;
        }
        kept += line + '\n';
    }
    file.close();
    QSaveFile save(path);
    if (!save.open(QIODevice::WriteOnly) || save.write(kept.chopped(1)) < 0 || !save.commit() ||
        !readable(path)) {
        moveAside(path);
    }
    return removed;
}
