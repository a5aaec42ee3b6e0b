#ifndef IELEMENT_H
#define IELEMENT_H

#include <QMetaType>
#include <QString>
#include <QTransform>
#include <QVariant>

// The interface every annotation item on a board page implements, whatever Qt item it is built
// on: identity, stacking order, lock, generic properties by key, user data, a source file,
// cloning and the copying of common parameters. Items and elements are converted into each
// other with dynamic_cast; a null result means the item is not an element.
class IElement {
public:
    // Values of QGraphicsItem::type() of the element classes.
    enum ElementType {
        TextElementType = 65547,
        PathElementType = 65551,
    };

    // Keys of property() and setProperty().
    enum PropertyKey {
        TypeProperty = 0,
        IdProperty = 1,
        LockedProperty = 24,
        ZOrderProperty = 25,
        MatrixProperty = 26,
        PositionXProperty = 27,
        PositionYProperty = 28,
        HtmlProperty = 29,
        PlaceholderShownProperty = 30,
        FontProperty = 31,
        BoxProperty = 32,
        SourceFileProperty = 33,
        ResourceNameProperty = 34,
        UserTagProperty = 35,
        UserValueProperty = 36,
    };

    // Item data keys of the generic element implementation.
    enum ItemDataKey {
        IdData = 1,
        LockedData = 24,
        ZOrderData = 25,
    };

    IElement() = default;
    virtual ~IElement();
    IElement(const IElement&) = delete;
    IElement& operator=(const IElement&) = delete;

    virtual void setId(const QString& id);
    virtual QString id() const;
    virtual void setZOrder(double z) = 0;
    virtual double zOrder() const = 0;
    virtual void setLocked(bool locked) = 0;
    virtual bool isLocked() const = 0;
    virtual void setProperty(int key, QVariant value);
    virtual QVariant property(int key) const;
    virtual void setUserData(int tag, const QVariant& value);
    virtual void setUserTag(int tag);
    virtual void setUserValue(const QVariant& value);
    virtual int userTag() const;
    virtual QVariant userValue() const;
    virtual void refresh();
    virtual void setSourceFile(const QString& path);
    virtual void setResourceName(const QString& name);
    virtual QString sourceFile() const;
    virtual QString resourceName() const;
    virtual IElement* clone() = 0;
    virtual void copyItemParameters(IElement* target) const = 0;

    // A new element id: a UUID in text form without the braces.
    static QString newId();

protected:
    // The matrix property's text, "matrix(m11, m12, m21, m22, dx, dy)".
    static QString matrixText(const QTransform& matrix);
    // The matrix a property text describes; the identity for fewer than six numbers or any
    // part that is not a finite number.
    static QTransform matrixFromText(QString text);

private:
    QString id_;
    int userTag_ = 0;
    QVariant userValue_;
    QString sourceFile_;
    QString resourceName_;
};

Q_DECLARE_METATYPE(IElement*)

#endif  // IELEMENT_H
