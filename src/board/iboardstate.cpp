#include "iboardstate.h"

#include <QDebug>
#include <QtMath>

IBoardState::IBoardState(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<IBoardState::NotifyStatePropertyType>("IBoardState::NotifyStatePropertyType");
}

void IBoardState::setInkOpacity(int opacity)
{
    const int bounded = qBound(0, opacity, 255);
    if (bounded != opacity) {
        qDebug() << "ink opacity out of range, using" << bounded << "for" << opacity;
    }
    if (bounded == inkOpacity_) {
        return;
    }
    inkOpacity_ = bounded;
    emit notifyStateChanged(InkOpacity, inkOpacity_);
}

void IBoardState::setInkColor(const QColor& color)
{
    if (!color.isValid()) {
        qDebug() << "invalid ink colour ignored";
        return;
    }
    if (color == inkColor_) {
        return;
    }
    inkColor_ = color;
    emit notifyStateChanged(InkColor, inkColor_);
}

void IBoardState::setInkThickness(int thickness)
{
    if (thickness < 1) {
        qDebug() << "ink thickness below 1, using 1 for" << thickness;
        thickness = 1;
    }
    const double value = thickness;
    if (value == inkThickness_) {
        return;
    }
    inkThickness_ = value;
    emit notifyStateChanged(InkThickness, inkThickness_);
}

void IBoardState::setPointEraserSize(const QSizeF& size)
{
    if (!(size.width() > 0 && size.height() > 0 && qIsFinite(size.width()) &&
          qIsFinite(size.height()))) {
        qDebug() << "unusable eraser size ignored:" << size;
        return;
    }
    if (pointEraserSize_.isValid() && qFuzzyCompare(size.width(), pointEraserSize_.width()) &&
        qFuzzyCompare(size.height(), pointEraserSize_.height())) {
        return;
    }
    pointEraserSize_ = size;
    emit notifyStateChanged(PointEraserSize, pointEraserSize_);
}

void IBoardState::setShapeFilled(bool filled)
{
    if (filled == shapeFilled_) {
        return;
    }
    shapeFilled_ = filled;
    emit notifyStateChanged(ShapeFilled, shapeFilled_);
}
