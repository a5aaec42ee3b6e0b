#ifndef ICOLORFRAME_H
#define ICOLORFRAME_H

#include <QColor>
#include <QList>
#include <QPair>
#include <QVariant>

#include "customui/boardpanels/iboardpanel.h"

class IIColorButton;
class IIToolButton;

// The pen colour panel: eight round colour buttons and "..." for any other colour through the
// colour dialog. A choice checks its button (none for a colour of the dialog) and is stored at
// once.
class IColorFrame : public IBoardPanel {
    Q_OBJECT
public:
    explicit IColorFrame(IApplication* app, QWidget* parent = nullptr);

    void showPanel(bool show) override;
    // An invalid colour changes nothing.
    virtual void setColor(QColor color);
    virtual QColor color() const;
    virtual void CreateUI();

    QList<IIColorButton*> colorButtons() const;
    IIToolButton* moreButton() const { return more_; }

public slots:
    void slButtonClick(bool checked, QVariant value);

private:
    void chooseOtherColor();

    QColor color_;
    QList<QPair<QRgb, IIColorButton*>> buttons_;
    IIToolButton* more_ = nullptr;
};

#endif  // ICOLORFRAME_H
