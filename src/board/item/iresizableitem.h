#ifndef IRESIZABLEITEM_H
#define IRESIZABLEITEM_H

#include <QSizeF>

// An item the page's frame can resize by its handles.
class IResizableItem {
public:
    virtual ~IResizableItem() = default;
    virtual void resize(double width, double height) = 0;
    virtual void resize(const QSizeF& size) { resize(size.width(), size.height()); }
    // The item's size in the scene.
    virtual QSizeF size() const = 0;
};

#endif  // IRESIZABLEITEM_H
