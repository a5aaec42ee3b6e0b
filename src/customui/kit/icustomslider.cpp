#include "customui/kit/icustomslider.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>

#include "customui/kit/iappfont.h"
#include "customui/kit/islider.h"
#include "customui/kit/myvalidator.h"
#include "customui/kit/uiscale.h"

ICustomSlider::ICustomSlider(bool automaticBox, int orientation, int sizeFactor, QWidget* parent)
    : QWidget(parent),
      automaticBox_(automaticBox),
      orientation_(orientation),
      sizeFactor_(sizeFactor)
{
    CreateUI();
}

ICustomSlider::ICustomSlider(int orientation, int sizeFactor, QWidget* parent)
    : ICustomSlider(false, orientation, sizeFactor, parent)
{
}

void ICustomSlider::CreateUI()
{
    setAttribute(Qt::WA_TranslucentBackground);
    slider_ = new ISlider(orientation_ == 2 ? Qt::Vertical : Qt::Horizontal, this);
    slider_->setSizeFactor(1);
    slider_->applyStyle(false);

    field_ = new QLineEdit(this);
    field_->setFont(boardFont(10, 50));
    field_->setAlignment(Qt::AlignCenter);
    field_->setStyleSheet(QStringLiteral("border:none;border-radius:%1px;").arg(6.0 * uiScale));

    checkBox_ = new QCheckBox(this);
    checkBox_->setFont(boardFont(10, 50));
    checkBox_->setStyleSheet(QStringLiteral("color:white;background-color:transparent;"));
    checkBox_->setChecked(true);
    checkBox_->setVisible(automaticBox_);
    slider_->setEnabled(!automaticBox_);
    field_->setEnabled(!automaticBox_);

    if (orientation_ == 2)
        layoutVertical();
    else
        layoutHorizontal();
    renewValidator();
    field_->setText(QString::number(slider_->value()));
    slider_->setToolTip(QString::number(slider_->value()));

    connect(slider_, &QSlider::valueChanged, this, &ICustomSlider::onSliderValueChanged);
    connect(field_, &QLineEdit::textChanged, this, &ICustomSlider::onFieldTextChanged);
    connect(checkBox_, &QCheckBox::stateChanged, this, &ICustomSlider::onCheckStateChanged);
    adjustSize();
}

void ICustomSlider::layoutHorizontal()
{
    slider_->setFixedHeight(int(25 * uiScaleY) * sizeFactor_);
    slider_->setMinimumWidth(int(200 * uiScaleX) * sizeFactor_);
    field_->setFixedSize(int(50 * uiScale) * sizeFactor_, int(25 * uiScale) * sizeFactor_);
    auto* box = new QHBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(slider_);
    box->addWidget(field_);
    box->addWidget(checkBox_);
}

void ICustomSlider::layoutVertical()
{
    slider_->setFixedWidth(int(30 * uiScaleX) * sizeFactor_);
    slider_->setMinimumHeight(int(160 * uiScaleX) * sizeFactor_);
    field_->setFixedSize(int(30 * uiScale) * sizeFactor_, int(40 * uiScale) * sizeFactor_);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(slider_, 0, Qt::AlignHCenter);
    box->addWidget(field_, 0, Qt::AlignHCenter);
    box->addWidget(checkBox_, 0, Qt::AlignHCenter);
}

void ICustomSlider::renewValidator()
{
    auto* old = field_->validator();
    field_->setValidator(new MyValidator(slider_->minimum(), slider_->maximum(), field_));
    delete old;
}

void ICustomSlider::onSliderValueChanged(int value)
{
    sliderToField_ = false;
    if (fieldToSlider_)
        field_->setText(QString::number(value));
    sliderToField_ = true;
    slider_->setToolTip(QString::number(value));
    if (notify_)
        emit sgValueChanged(value);
    notify_ = true;
}

void ICustomSlider::onFieldTextChanged(const QString& text)
{
    fieldToSlider_ = false;
    bool ok = false;
    const int value = text.toInt(&ok);
    // Half-typed text ("", "-") leaves the slider where it is; the validator's fixup settles the
    // field when editing ends.
    if (sliderToField_ && ok)
        slider_->setValue(value);
    fieldToSlider_ = true;
    slider_->setToolTip(QString::number(slider_->value()));
}

void ICustomSlider::onCheckStateChanged(int state)
{
    if (state == Qt::Unchecked || state == Qt::Checked) {
        slider_->setEnabled(state == Qt::Unchecked);
        field_->setEnabled(state == Qt::Unchecked);
    }
    emit sgStateChanged(state);
}

void ICustomSlider::setValue(int value, bool checked, bool notify)
{
    // Compare after clamping: an out-of-range value equal to the clamped current one brings no
    // change signal, and a notify flag left false would swallow the user's next move.
    const int target = qBound(slider_->minimum(), value, slider_->maximum());
    if (target == slider_->value()) {
        field_->setText(QString::number(target));
    } else {
        notify_ = notify;
        slider_->setValue(target);
    }
    checkBox_->setChecked(checked);
}

bool ICustomSlider::isChecked() const
{
    return checkBox_->isChecked();
}

int ICustomSlider::minimum() const
{
    return slider_->minimum();
}

int ICustomSlider::maximum() const
{
    return slider_->maximum();
}

int ICustomSlider::value() const
{
    return slider_->value();
}

void ICustomSlider::setMinimum(int min)
{
    slider_->setMinimum(min);
    renewValidator();
}

void ICustomSlider::setMaximum(int max)
{
    slider_->setMaximum(max);
    renewValidator();
}

void ICustomSlider::setRange(int min, int max)
{
    slider_->setRange(min, max);
    renewValidator();
}

void ICustomSlider::setSingleStep(int step)
{
    slider_->setSingleStep(step);
}
