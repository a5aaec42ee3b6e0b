#include "customui/capture/itimelapseframe.h"

#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>

#include "customui/capture/itimelapsebutton.h"
#include "customui/capture/itimelapsetimes.h"
#include "customui/kit/icustomwidget.h"
#include "customui/kit/uiscale.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/ipanelhost.h"

namespace {

// Above the Snap button, centred on its right part.
constexpr IPanelHost::Placement kAboveSnap{IPanelHost::Placement::Above, 76, 30};
constexpr int kFirstChoice = 3;

int scaled(int pixels)
{
    return static_cast<int>(pixels * uiScale);
}

}  // namespace

ITimelapseFrame::ITimelapseFrame(IApplication* app, QWidget* parent) : QWidget(parent), app_(app)
{
    CreateUI();
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint | Qt::SubWindow);
}

ITimelapseButton* ITimelapseFrame::createButton(QVariant data, QString text, int kind, QSize size)
{
    auto* button = new ITimelapseButton(this, data, text, kind, size);
    connect(button, &ITimelapseButton::sgButtonClick, this, &ITimelapseFrame::slButtonClick);
    return button;
}

void ITimelapseFrame::CreateUI()
{
    const QSize size(45, 45);
    start_ = createButton(0, QStringLiteral(":/android/camera.svg"), 2, size);
    interval_ = createButton(1, QStringLiteral("3"), 4, size);
    pause_ = createButton(2, QStringLiteral(":/android/video_pause.svg"), 2, size);
    start_->setObjectName(QStringLiteral("timelapse.start"));
    interval_->setObjectName(QStringLiteral("timelapse.interval"));
    pause_->setObjectName(QStringLiteral("timelapse.pause"));
    start_->setState(Idle);
    pause_->setState(Unpaused);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto* left = new QHBoxLayout;
    left->addWidget(interval_);
    left->addStretch();
    left->addSpacing(scaled(8));
    auto* right = new QHBoxLayout;
    right->addSpacing(scaled(8));
    right->addStretch();
    right->addWidget(pause_);
    grid->addLayout(left, 0, 0);
    grid->addWidget(start_, 0, 1);
    grid->addLayout(right, 0, 2);
    adjustSize();
    pause_->hide();

    chooser_ = new ICustomWidget(parentWidget());
    chooser_->setRoundedBackground(true);
    auto* choices = new QHBoxLayout(chooser_);
    const int margin = scaled(10);
    choices->setContentsMargins(margin, margin, margin, margin);
    const QStringList seconds = {"1", "3", "5", "10", "30", "60"};
    for (int i = 0; i < seconds.size(); ++i) {
        auto* choice = new ITimelapseButton(chooser_, kFirstChoice + i, seconds.at(i), 4, size);
        choice->setObjectName("timelapse." + seconds.at(i) + "s");
        connect(choice, &ITimelapseButton::sgButtonClick, this, &ITimelapseFrame::slButtonClick);
        choices->addWidget(choice);
    }
    chooser_->adjustSize();
    chooser_->hide();

    counter_ = new ITimelapseTimes(parentWidget());
    counter_->hide();
    connect(counter_, &ITimelapseTimes::sgTimeout, this,
            [this]() { emit sgCaptureImage(TimelapseShot); });
}

void ITimelapseFrame::slButtonClick(bool, QVariant data)
{
    switch (data.toInt()) {
        case 0:
            emit sgCaptureImage(OperateType(start_->state()));
            break;
        case 1:
            switchState(1);
            break;
        case 2:
            emit sgCaptureImage(OperateType(pause_->state()));
            break;
        default:
            if (auto* choice = qobject_cast<ITimelapseButton*>(sender())) {
                interval_->setText(choice->text());
            }
            chooser_->hide();
            break;
    }
}

void ITimelapseFrame::placeAbove(QWidget* widget, const ITimelapseButton* button) const
{
    QWidget* parent = widget->parentWidget();
    if (!parent) {
        return;
    }
    const QPoint top = button->mapTo(parent, QPoint(button->width() / 2, 0));
    widget->move(top.x() - widget->width() / 2, top.y() - widget->height() - scaled(10));
}

void ITimelapseFrame::switchState(int op)
{
    switch (op) {
        case 0:
            if (start_->state() == Running) {
                start_->setState(Idle);
                pause_->hide();
                interval_->show();
            } else if (start_->state() == Idle) {
                start_->setState(Running);
                chooser_->hide();
                interval_->hide();
                pause_->show();
            }
            break;
        case 1:
            placeAbove(chooser_, interval_);
            chooser_->setVisible(!chooser_->isVisible());
            chooser_->raise();
            break;
        case 2:
            pause_->setState(pause_->state() == Unpaused ? Paused : Unpaused);
            break;
        default:
            break;
    }
}

void ITimelapseFrame::start()
{
    switchState(0);
    pause_->setState(Unpaused);
    counter_->start(interval_->text().toInt());
    placeAbove(counter_, start_);
    qDebug() << "time-lapse every" << interval_->text() << "s";
}

void ITimelapseFrame::pause()
{
    switchState(2);
    counter_->pause();
}

void ITimelapseFrame::resume()
{
    switchState(2);
    counter_->resume();
}

void ITimelapseFrame::stop()
{
    switchState(0);
    counter_->stop();
}

void ITimelapseFrame::nextShot()
{
    counter_->next();
}

bool ITimelapseFrame::isCapturing() const
{
    // Hidden explicitly, not merely inside a minimised window.
    return !counter_->isHidden();
}

void ITimelapseFrame::setControlsEnabled(bool enabled)
{
    for (QWidget* widget : {static_cast<QWidget*>(interval_), static_cast<QWidget*>(start_),
                            static_cast<QWidget*>(pause_), static_cast<QWidget*>(chooser_),
                            static_cast<QWidget*>(counter_)}) {
        widget->setEnabled(enabled);
    }
}

void ITimelapseFrame::showPanel(bool show)
{
    if (!show) {
        chooser_->hide();
        hide();
        return;
    }
    if (anchor_) {
        IPanelHost::placeBeside(this, anchor_, ICameraToolBar::Snap, kAboveSnap);
    }
    QWidget::show();
    raise();
}

void ITimelapseFrame::updatePosition()
{
    chooser_->hide();
    if (isVisible()) {
        showPanel(true);
    }
    if (counter_->isVisible()) {
        placeAbove(counter_, start_);
    }
}
