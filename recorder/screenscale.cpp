#include "screenscale.h"

#include <QStringList>

#include <cmath>

#include "irecordarguments.h"

QRect streamArea(const QRect& wanted, const QRect& screen, const QSize& stream)
{
    if (screen.isEmpty() || stream.isEmpty()) {
        return QRect();
    }
    const double sx = static_cast<double>(stream.width()) / screen.width();
    const double sy = static_cast<double>(stream.height()) / screen.height();
    const QPoint offset = wanted.topLeft() - screen.topLeft();
    const int left = static_cast<int>(std::lround(offset.x() * sx));
    const int top = static_cast<int>(std::lround(offset.y() * sy));
    const int right = static_cast<int>(std::lround((offset.x() + wanted.width()) * sx));
    const int bottom = static_cast<int>(std::lround((offset.y() + wanted.height()) * sy));
    return IRecordArguments::fitArea(QRect(left, top, right - left, bottom - top), stream);
}

QRect parseScreenRect(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return QRect();
    }
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok) {
            return QRect();
        }
    }
    const QRect rect(values[0], values[1], values[2], values[3]);
    return rect.isEmpty() ? QRect() : rect;
}
