#include "irecordarguments.h"

namespace {

bool toNumber(const QString& text, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

}  // namespace

bool IRecordArguments::parse(const QStringList& arguments, IRecordArguments* out, QString* error)
{
    if (arguments.size() < 7) {
        *error = QStringLiteral("expected 7 or more arguments, got %1").arg(arguments.size());
        return false;
    }
    int numbers[6] = {};
    for (int i = 0; i < 6; ++i) {
        if (!toNumber(arguments.at(i + 1), &numbers[i])) {
            *error = QStringLiteral("argument %1 is not a number: %2")
                         .arg(i + 2)
                         .arg(arguments.at(i + 1));
            return false;
        }
    }
    if (arguments.at(0).isEmpty()) {
        *error = QStringLiteral("no output file");
        return false;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0) {
        *error = QStringLiteral("empty area %1 x %2").arg(numbers[2]).arg(numbers[3]);
        return false;
    }
    if (numbers[5] <= 0 || numbers[5] > kMaxFrameRate) {
        *error =
            QStringLiteral("frame rate %1 outside 1 ... %2").arg(numbers[5]).arg(kMaxFrameRate);
        return false;
    }
    out->path = arguments.at(0);
    out->area = QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
    out->firstStart = numbers[4] != 0;
    out->frameRate = numbers[5];
    out->audioInput = arguments.value(7);
    return true;
}

quint16 IRecordArguments::linkPort(const QString& value)
{
    bool ok = false;
    const quint16 port = value.toUShort(&ok);
    return ok && port != 0 ? port : kDefaultPort;
}

QRect IRecordArguments::fitArea(const QRect& wanted, const QSize& screen)
{
    QRect area = wanted.intersected(QRect(QPoint(0, 0), screen));
    area.setWidth(area.width() & ~1);
    area.setHeight(area.height() & ~1);
    return area.width() >= 2 && area.height() >= 2 ? area : QRect();
}
