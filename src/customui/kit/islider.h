#ifndef ISLIDER_H
#define ISLIDER_H

#include <QSlider>

// The plain slider inside ICustomSlider: a rounded groove with the accent colour on the filled
// side and a round white handle, sized by uiScale and a size factor.
class ISlider : public QSlider {
    Q_OBJECT
public:
    explicit ISlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    int sizeFactor() const { return sizeFactor_; }
    void setSizeFactor(int factor) { sizeFactor_ = factor; }

    // With horizontalOnly the sheet styles a horizontal slider whose right side is filled;
    // otherwise it covers both orientations, filled from the left or the bottom.
    virtual void applyStyle(bool horizontalOnly);

private:
    int sizeFactor_ = 1;
};

#endif  // ISLIDER_H
