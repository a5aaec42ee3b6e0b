#ifndef IBOARDSERVICE_H
#define IBOARDSERVICE_H

#include <QColor>
#include <QPoint>

#include "service/iservice.h"

// The process-wide door to the board: mode selection for the toolbars and panels, ink and
// eraser settings from the configuration store, and the end of text editing when the presenter
// clicks outside the board's working area. Without a board every call does nothing.
class IBoardService : public IService {
    Q_OBJECT
public:
    static IBoardService* instance();

    virtual void init();
    virtual void clearStrokesAndText();
    virtual void setInkColor(const QColor& color);
    virtual void setInkThickness(const int& thickness);
    virtual void setInkOpacity(const int& opacity);
    virtual void setEraserSize(const int& size);
    virtual void selectMode(int);
    virtual void textMode(int);
    virtual void eraserMode(int size, int);
    virtual void penMode(const QColor& color, double thickness, double opacity, int);
    virtual void linePathMode(int);
    virtual void circlePathMode(int);
    virtual void ellipsePathMode(int);
    virtual void trianglePathMode(int);
    virtual void rectanglePathMode(int);
    virtual void arrowPathMode(int);
    virtual void setShapeFilled(bool filled);

private:
    IBoardService();
    void onGlobalMousePress(const QPoint& pos);
};

#endif  // IBOARDSERVICE_H
