#ifndef IELEMENTIMPL_H
#define IELEMENTIMPL_H

#include <QDebug>
#include <QGraphicsItem>

#include "board/item/ielement.h"

// The common element implementation for an abstract element base `Base`, which derives from a
// Qt item class and from IElementImpl<Base>. Id, z-order and lock live in the item's data.
template <class Base>
class IElementImpl : public IElement {
public:
    void setId(const QString& id) override
    {
        IElement::setId(id);
        item()->setData(IdData, id);
    }
    QString id() const override { return item()->data(IdData).toString(); }
    void setZOrder(double z) override { item()->setData(ZOrderData, z); }
    double zOrder() const override { return item()->data(ZOrderData).toDouble(); }
    void setLocked(bool locked) override { item()->setData(LockedData, locked); }
    bool isLocked() const override { return item()->data(LockedData).toBool(); }

    void setProperty(int key, QVariant value) override
    {
        QGraphicsItem* it = item();
        switch (key) {
            case IdProperty:
                setId(value.toString());
                break;
            case LockedProperty:
                setLocked(value.toBool());
                break;
            case ZOrderProperty:
                setZOrder(value.toDouble());
                it->setZValue(value.toDouble());
                break;
            case MatrixProperty:
                it->setTransform(matrixFromText(value.toString()));
                break;
            case PositionXProperty:
                it->setX(value.toDouble());
                break;
            case PositionYProperty:
                it->setY(value.toDouble());
                break;
            default:
                IElement::setProperty(key, value);
                break;
        }
    }

    QVariant property(int key) const override
    {
        const QGraphicsItem* it = item();
        switch (key) {
            case TypeProperty:
                return it->type();
            case IdProperty:
                return id();
            case LockedProperty:
                return isLocked();
            case ZOrderProperty:
                return zOrder();
            case MatrixProperty:
                return matrixText(it->sceneTransform());
            case PositionXProperty:
                return it->x();
            case PositionYProperty:
                return it->y();
            default:
                return IElement::property(key);
        }
    }

    // Copies z-order, lock, position, matrix, source file and user data (never the id) to a
    // target built on the same abstract base; any other target is left alone.
    void copyItemParameters(IElement* target) const override
    {
        Base* other = dynamic_cast<Base*>(target);
        if (!other) {
            return;
        }
        const QGraphicsItem* it = item();
        target->setZOrder(zOrder());
        target->setLocked(isLocked());
        qDebug() << "copyItemParameters - pos(): " << it->pos() << it->transform();
        other->setPos(it->pos());
        other->setTransform(it->transform());
        target->setSourceFile(sourceFile());
        target->setUserData(userTag(), userValue());
    }

protected:
    QGraphicsItem* item() { return static_cast<Base*>(this); }
    const QGraphicsItem* item() const { return static_cast<const Base*>(this); }
};

#endif  // IELEMENTIMPL_H
