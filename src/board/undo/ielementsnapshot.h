#ifndef IELEMENTSNAPSHOT_H
#define IELEMENTSNAPSHOT_H

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QTransform>

class QGraphicsItem;

// What the frame and text editing can change about an element: its place and transform, its
// lock, a text box's content, font, colour and width, a shape's corner points.
class IElementSnapshot {
public:
    static IElementSnapshot of(const QGraphicsItem* item);
    void applyTo(QGraphicsItem* item) const;
    bool operator==(const IElementSnapshot& other) const;
    bool operator!=(const IElementSnapshot& other) const { return !(*this == other); }

private:
    QPointF pos_;
    QTransform transform_;
    bool locked_ = false;
    bool text_ = false;
    QString html_;
    QFont font_;
    QColor color_;
    double textWidth_ = -1;
    bool shape_ = false;
    QPointF start_;
    QPointF end_;
};

#endif  // IELEMENTSNAPSHOT_H
