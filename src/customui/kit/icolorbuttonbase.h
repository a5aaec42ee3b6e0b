#ifndef ICOLORBUTTONBASE_H
#define ICOLORBUTTONBASE_H

#include <QColor>
#include <QToolButton>
#include <QVariant>

class QPainter;

// The round colour button under IIColorButton and IColorButton: a disc in its colour (five hue
// sectors for Qt::transparent) with a ring around it while selected. Clicks report
// sgButtonClick(selected, data). The two differ in their ring unit and in whether a click
// deselects a selected button.
class IColorButtonBase : public QToolButton {
    Q_OBJECT
public:
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
    IColorButtonBase(QVariant data, QColor colour, bool checkable, QSize size, QWidget* parent);

    void paintEvent(QPaintEvent* event) override;
    // The ring's width and its gap to the disc, in pixels.
    virtual int ringUnit() const = 0;
    // Whether clicking a selected button deselects it.
    virtual bool clickDeselects() const = 0;

private:
    void onClicked(bool checked);
    void paintSpectrum(QPainter& painter, int u);
    void paintColour(QPainter& painter, int u);

    QSize buttonSize_;
    QColor colour_;
    bool selected_ = false;
    bool checkable_ = false;
    QVariant data_;
};

#endif  // ICOLORBUTTONBASE_H
