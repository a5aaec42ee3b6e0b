// application.ini: after the guard every key reads and converts and a write goes through, with
// no exception out of QSettings and no crash inside Qt.
#include <QSettings>
#include <QTemporaryDir>

#include "service/isettingsguard.h"

// QSettings caches every parsed file, which the leak check would scan after every input.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir("/dev/shm/orvella-fuzz-XXXXXX");  // in memory: writes end in fsync
    static int run = 0;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // A new name per input: QSettings caches a parsed file by name and modification time.
    const QString path = dir.filePath(QString::number(run++) + ".ini");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), size) < 0) {
        std::abort();
    }
    file.close();
    ISettingsGuard::repair(path);
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const QString& key : settings.allKeys()) {
            settings.value(key).toStringList();
            settings.value(key).toInt();
        }
        settings.setValue("pencil/thickness", 5);
    }
    QFile::remove(path);
    return 0;
}
