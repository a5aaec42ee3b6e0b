#include "wifiresolutiontable.h"

#include <QtGlobal>

QList<QSize> WifiResolutionTable::sizes()
{
    return {{320, 240},  {480, 272},   {640, 480},   {800, 600},   {1024, 768}, {1280, 720},
            {1280, 960}, {1600, 1200}, {1920, 1080}, {2592, 1944}, {3264, 2448}};
}

QSize WifiResolutionTable::resIndexToSize(int index)
{
    const QList<QSize> table = sizes();
    return index >= 0 && index < table.size() ? table.at(index) : table.first();
}

int WifiResolutionTable::sizeToResIndex(const QSizeF& size)
{
    const QList<QSize> table = sizes();
    for (int i = 0; i < table.size(); ++i) {
        if (qFuzzyCompare(size.width(), qreal(table[i].width())) &&
            qFuzzyCompare(size.height(), qreal(table[i].height()))) {
            return i;
        }
    }
    return 0;
}
