#ifndef ICUSTOMSLIDER_H
#define ICUSTOMSLIDER_H

#include <QWidget>

class QCheckBox;
class QLineEdit;
class ISlider;

// The application's slider: a styled slider, a value field kept in step with it, and optionally an
// "automatic" check box that disables both while checked. Orientation is 1 (horizontal) or
// 2 (vertical); every size is multiplied by the size factor.
class ICustomSlider : public QWidget {
    Q_OBJECT
public:
    ICustomSlider(bool automaticBox, int orientation, int sizeFactor, QWidget* parent = nullptr);
    ICustomSlider(int orientation, int sizeFactor, QWidget* parent = nullptr);

    virtual int minimum() const;
    virtual int maximum() const;
    virtual void setMinimum(int min);
    virtual void setMaximum(int max);
    virtual int value() const;
    // Moves to value (clamped to the range) and sets the check box. With notify false the move
    // does not emit sgValueChanged; an unchanged value emits nothing either way.
    virtual void setValue(int value, bool checked, bool notify);
    virtual void setRange(int min, int max);
    virtual void setSingleStep(int step);
    virtual void CreateUI();

    bool isChecked() const;
    QLineEdit* valueField() const { return field_; }
    ISlider* slider() const { return slider_; }

signals:
    void sgValueChanged(int value);
    void sgStateChanged(int state);

private:
    void onSliderValueChanged(int value);
    void onFieldTextChanged(const QString& text);
    void onCheckStateChanged(int state);
    void layoutHorizontal();
    void layoutVertical();
    void renewValidator();

    bool notify_ = true;
    bool automaticBox_ = false;
    QCheckBox* checkBox_ = nullptr;
    ISlider* slider_ = nullptr;
    QLineEdit* field_ = nullptr;
    bool sliderToField_ = true;
    bool fieldToSlider_ = true;
    int orientation_ = 1;
    int sizeFactor_ = 1;
};

#endif  // ICUSTOMSLIDER_H
