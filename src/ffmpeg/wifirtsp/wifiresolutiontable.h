#ifndef WIFIRESOLUTIONTABLE_H
#define WIFIRESOLUTIONTABLE_H

#include <QList>
#include <QSize>
#include <QSizeF>

// The wireless camera's picture sizes by resolution index (the ResIndex byte of its encoding).
class WifiResolutionTable {
public:
    // The eleven sizes in index order.
    static QList<QSize> sizes();
    // The size of an index; an unknown index gives 320 x 240.
    static QSize resIndexToSize(int index);
    // The index of a size (width and height compared to 12 significant digits); a size that
    // matches no entry gives 0.
    static int sizeToResIndex(const QSizeF& size);
};

#endif  // WIFIRESOLUTIONTABLE_H
