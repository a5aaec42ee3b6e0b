#ifndef IBOARDSTATE_H
#define IBOARDSTATE_H

#include <QColor>
#include <QObject>
#include <QSizeF>
#include <QVariant>

// The properties new ink and the eraser take. Every real change is announced once through
// notifyStateChanged; setting the stored value again announces nothing.
class IBoardState : public QObject {
    Q_OBJECT
    Q_PROPERTY(int inkOpacity READ inkOpacity WRITE setInkOpacity)
    Q_PROPERTY(QColor inkColor READ inkColor WRITE setInkColor)
    Q_PROPERTY(double inkThickness READ inkThickness WRITE setInkThickness)
    Q_PROPERTY(QSizeF pointEraserSize READ pointEraserSize WRITE setPointEraserSize)
    Q_PROPERTY(bool shapeFilled READ shapeFilled WRITE setShapeFilled)
public:
    enum NotifyStatePropertyType {
        InkOpacity = 0,
        InkColor = 1,
        InkThickness = 2,
        PointEraserSize = 7,
        ShapeFilled = 8,
    };
    Q_ENUM(NotifyStatePropertyType)

    explicit IBoardState(QObject* parent = nullptr);

    int inkOpacity() const { return inkOpacity_; }
    QColor inkColor() const { return inkColor_; }
    double inkThickness() const { return inkThickness_; }
    QSizeF pointEraserSize() const { return pointEraserSize_; }
    // Whether new circles, ellipses, rectangles and triangles are filled or outlined only.
    bool shapeFilled() const { return shapeFilled_; }

    // Out-of-range values are brought into range (opacity 0-255, thickness at least 1);
    // an invalid colour or an empty eraser size is ignored. Each case is logged.
    void setInkOpacity(int opacity);
    void setInkColor(const QColor& color);
    void setInkThickness(int thickness);
    void setPointEraserSize(const QSizeF& size);
    void setShapeFilled(bool filled);

signals:
    void notifyStateChanged(IBoardState::NotifyStatePropertyType type, QVariant value);

private:
    int inkOpacity_ = 255;
    QColor inkColor_{Qt::black};
    double inkThickness_ = 10.0;
    QSizeF pointEraserSize_;
    bool shapeFilled_ = true;
};

#endif  // IBOARDSTATE_H
