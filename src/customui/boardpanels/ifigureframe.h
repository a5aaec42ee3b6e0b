#ifndef IFIGUREFRAME_H
#define IFIGUREFRAME_H

#include <QMap>
#include <QVariant>

#include "customui/boardpanels/iboardpanel.h"

class IIToolButton;

// The shape panel: straight line, circle, oval, triangle, rectangle and arrow, and the "Filled"
// switch (stored) for the next shapes. A click puts the board into that figure's drawing mode
// at once; opening the panel again returns to the last figure.
class IFigureFrame : public IBoardPanel {
    Q_OBJECT
public:
    enum Figure { Line = 0, Circle = 1, Oval = 2, Triangle = 3, Rectangle = 4, Arrow = 5 };
    Q_ENUM(Figure)

    explicit IFigureFrame(IApplication* app, QWidget* parent = nullptr);

    void showPanel(bool show) override;
    // The board's mode for figure `id`; an id outside the figures does nothing.
    virtual void applyFigure(QVariant id);
    virtual void CreateUI();
    // With `checked`, every other button is unchecked first; the figure's button is checked and
    // its mode applied, and it becomes the current figure.
    virtual void selectFigure(QVariant id, bool checked);
    virtual IIToolButton* createButton(int id, const QString& toolTip, const QString& icon);

    QVariant currentFigure() const { return current_; }
    IIToolButton* button(int id) const { return buttons_.value(id); }
    IIToolButton* filledSwitch() const { return filled_; }

private:
    QMap<int, IIToolButton*> buttons_;
    QVariant current_ = 0;
    IIToolButton* filled_ = nullptr;
};

#endif  // IFIGUREFRAME_H
