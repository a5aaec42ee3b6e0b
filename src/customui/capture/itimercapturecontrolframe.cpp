#include "customui/capture/itimercapturecontrolframe.h"

#include <QHBoxLayout>
#include <QLabel>

#include "customui/kit/iappfont.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/shell/ipanelhost.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

// Above the Photo-mode button, further up than the capture-mode panel.
constexpr IPanelHost::Placement kAbovePhotoMode{IPanelHost::Placement::Above, 42, 30};

}  // namespace

ITimerCaptureControlFrame::ITimerCaptureControlFrame(IApplication* app, QWidget* parent)
    : ICustomWidget(parent), app_(app)
{
}

void ITimerCaptureControlFrame::CreateUI()
{
    setFixedWidth(static_cast<int>(280 * uiScale));
    start_ = createButton(Start, tr("Start"), QStringLiteral(":/root/root/rstartnormal.svg"),
                          QStringLiteral(":/root/root/rstartclick.svg"));
    halt_ = createButton(Halt, tr("Halt"), QStringLiteral(":/root/root/rpausenormal.svg"),
                         QStringLiteral(":/root/root/rpauseclick.svg"));
    stop_ = createButton(Stop, tr("Stop"), QStringLiteral(":/root/root/rstopnormal.svg"),
                         QStringLiteral(":/root/root/rstopclick.svg"));
    countLabel_ = newLabel(QStringLiteral(" 12 / 100 "), this);
    countLabel_->setAlignment(Qt::AlignCenter);
    countLabel_->setFont(appFont(20, 75));
    auto* layout = new QHBoxLayout(this);
    const int margin = static_cast<int>(10 * uiScale);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(start_);
    layout->addWidget(halt_);
    layout->addWidget(stop_);
    layout->addSpacing(margin);
    layout->addWidget(countLabel_);
    start_->hide();
    adjustSize();
}

IIToolButton* ITimerCaptureControlFrame::createButton(int data, const QString& toolTip,
                                                      const QString& normal, const QString& pressed)
{
    auto* button = new IIToolButton(data, toolTip, normal, pressed, static_cast<int>(10 * uiScale),
                                    false, 60, 60, 8, this);
    connect(button, &IIToolButton::sgButtonClick, this, &ITimerCaptureControlFrame::onButtonClick);
    return button;
}

IIToolButton* ITimerCaptureControlFrame::actionButton(Action action) const
{
    return action == Start ? start_ : action == Halt ? halt_ : stop_;
}

void ITimerCaptureControlFrame::onButtonClick(bool, QVariant data)
{
    const int action = data.toInt();
    if (action != Stop) {
        start_->setVisible(action == Halt);
        halt_->setVisible(action == Start);
    }
    emit sgAction(action);
}

void ITimerCaptureControlFrame::showControl(bool visible, int pages)
{
    if (!visible) {
        hide();
        return;
    }
    count_ = -1;
    total_ = pages;
    increaseCount();
    start_->hide();
    halt_->show();
    updatePosition();
    show();
    raise();
}

void ITimerCaptureControlFrame::increaseCount()
{
    ++count_;
    countLabel_->setText(QStringLiteral("%1 / %2").arg(count_).arg(total_));
}

QString ITimerCaptureControlFrame::countText() const
{
    return countLabel_->text();
}

void ITimerCaptureControlFrame::updatePosition()
{
    if (anchor_) {
        IPanelHost::placeBeside(this, anchor_, ICameraToolBar::PhotoMode, kAbovePhotoMode);
    }
}
