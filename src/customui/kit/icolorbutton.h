#ifndef ICOLORBUTTON_H
#define ICOLORBUTTON_H

#include <QColor>
#include <QToolButton>
#include <QVariant>

class QPainter;

// The round colour button of the board's colour palette: drawn like IIColorButton with a ring
// unit that follows uiScale; a click never deselects a selected button.
class IColorButton : public QToolButton {
    Q_OBJECT
public:
    IColorButton(QVariant data, QColor colour, const bool& checkable, QSize size,
                 QWidget* parent = nullptr);

    virtual QColor color() const;
    virtual QSize buttonSize() const;
    virtual bool isSelected() const;
    virtual QVariant data() const;
    virtual void setSelected(const bool& selected);
    virtual void setButtonSize(const QSize& size);
    virtual void setColor(const QColor& colour);
    virtual void drawRing(QPainter* painter, int radius, int startAngle, int spanAngle,
                          int ringWidth, const QColor& colour);
    virtual void drawSector(QPainter* painter, int radius, int startAngle, int spanAngle,
                            const QColor& colour);
    virtual void init();

signals:
    void sgButtonClick(bool checked, QVariant data);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onClicked(bool checked);
    int ringUnit() const;

    QSize buttonSize_;
    QColor colour_;
    bool selected_ = false;
    bool checkable_ = false;
    QVariant data_;
};

#endif  // ICOLORBUTTON_H
