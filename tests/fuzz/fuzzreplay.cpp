// Without libFuzzer: runs the harness once on every file in the folders named on the command line.
#include <QDir>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const QFileInfo& entry : QDir(QFile::decodeName(argv[i])).entryInfoList(QDir::Files)) {
            QFile input(entry.filePath());
            const QByteArray bytes =
                input.open(QIODevice::ReadOnly) ? input.readAll() : QByteArray();
            std::printf("%s: %d bytes\n", qPrintable(entry.fileName()), int(bytes.size()));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   bytes.size());
            ++replayed;
        }
    }
    return replayed > 0 ? 0 : 1;
}
