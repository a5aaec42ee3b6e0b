#include "customui/capture/itimelapsebutton.h"

#include <QLabel>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

QLabel* whiteLabel(const QString& text, int size, int weight, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setFont(appFont(size, weight));
    label->setStyleSheet(QStringLiteral("color:white;"));
    return label;
}

QString statePicture(int state)
{
    switch (state) {
        case 1:
            return QStringLiteral(":/android/timelapse1.svg");
        case 2:
            return QStringLiteral(":/android/timelapse2.svg");
        case 3:
            return QStringLiteral(":/root/root/rpausenormal.svg");
        case 4:
            return QStringLiteral(":/root/root/rpausered.svg");
        default:
            return QString();
    }
}

}  // namespace

ITimelapseButton::ITimelapseButton(QWidget* parent, QVariant data, const QString& text, int kind,
                                   const QSize& size)
    : QToolButton(parent), kind_(kind), text_(text), data_(data)
{
    const int extra = kind == 1 ? 5 : 0;
    size_ = QSize(static_cast<int>((size.width() + extra) * uiScale),
                  static_cast<int>((size.height() + extra) * uiScale));
    if (kind == 4) {
        buildNumber();
    }
    applyLook();
    setFixedSize(size_);
    connect(this, &QToolButton::clicked, this,
            [this](bool checked) { emit sgButtonClick(checked, data_); });
}

void ITimelapseButton::buildNumber()
{
    const double eight = 8 * uiScale;
    setStyleSheet(QStringLiteral("QToolButton{background-color:%1;border:none;border-radius:%3;"
                                 "padding:%4px;}QToolButton:hover{background-color:%2;}")
                      .arg(panelButtonNormal, panelButtonHover)
                      .arg(eight)
                      .arg(eight));
    number_ = whiteLabel(text_, 14, 75, this);
    auto* layout = new QVBoxLayout(this);
    const int margin = static_cast<int>(5 * uiScale);
    layout->setSpacing(0);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(number_);
    layout->addWidget(whiteLabel(tr("sec"), 10, 50, this));
}

void ITimelapseButton::applyLook()
{
    const double eight = 8 * uiScale;
    switch (kind_) {
        case 1:
            setStyleSheet(QStringLiteral("QToolButton{background-color:%2;border:%1px solid black;"
                                         "border-radius:%3px;padding:%4px;image: url(%5);}")
                              .arg(5 * uiScale)
                              .arg(panelButtonNormal)
                              .arg(eight)
                              .arg(eight)
                              .arg(text_));
            break;
        case 2:
            setStyleSheet(QStringLiteral("QToolButton{background-color:%4;border:none;"
                                         "border-radius:%1px;padding:%2px;image: url(%3);}")
                              .arg(eight)
                              .arg(eight)
                              .arg(text_, panelButtonNormal));
            break;
        case 3:
            setStyleSheet(QStringLiteral("QToolButton{background-color:rgba(0,0,0,50);border:none;"
                                         "border-top-left-radius:%1px;border-top-right-radius:%1;"
                                         "padding:%2px;image: url(%3);}")
                              .arg(eight)
                              .arg(eight)
                              .arg(text_));
            break;
        default:
            if (number_) {
                number_->setText(text_);
            }
            break;
    }
}

void ITimelapseButton::setState(int state)
{
    const QString picture = statePicture(state);
    if (!picture.isEmpty()) {
        text_ = picture;
        applyLook();
    }
    state_ = state;
}

void ITimelapseButton::setText(QString text)
{
    text_ = text;
    if (number_) {
        number_->setText(text);
    }
}
