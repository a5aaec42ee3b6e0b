#include "customui/capture/itimelapsetimes.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(int pixels)
{
    return static_cast<int>(pixels * uiScale);
}

QLabel* valueLabel(const QString& text, QWidget* parent)
{
    QLabel* label = newLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(appFont(12, 75));
    label->setStyleSheet(QStringLiteral("color:white;background-color:transparent;"));
    return label;
}

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    QLabel* label = newLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(appFont(12, 75));
    return label;
}

}  // namespace

ITimelapseTimes::ITimelapseTimes(QWidget* parent) : ICustomWidget(parent)
{
    setRoundedBackground(true);
    countdown_ = valueLabel(QStringLiteral("00:00"), this);
    countdown_->setFixedSize(scaled(50), scaled(40));
    countLabel_ = valueLabel(QStringLiteral("0"), this);
    countLabel_->setMinimumSize(scaled(38), scaled(30));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(scaled(10), scaled(5), scaled(10), scaled(5));
    layout->addWidget(captionLabel(tr("Shot"), this));
    layout->addWidget(countLabel_);
    layout->addWidget(captionLabel(tr("Next in"), this));
    layout->addWidget(countdown_);
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &ITimelapseTimes::tick);
}

void ITimelapseTimes::setSecondLength(int ms)
{
    timer_->setInterval(ms);
}

QString ITimelapseTimes::timeText(int seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("mm:ss"));
}

QString ITimelapseTimes::countText() const
{
    return countLabel_->text();
}

QString ITimelapseTimes::countdownText() const
{
    return countdown_->text();
}

void ITimelapseTimes::start(int seconds)
{
    interval_ = remaining_ = qMax(1, seconds);
    count_ = 0;
    countdown_->setText(timeText(remaining_));
    countLabel_->setText(QStringLiteral("0"));
    timer_->start();
    paused_ = false;
    adjustSize();
    show();
    raise();
}

void ITimelapseTimes::tick()
{
    remaining_ = qMax(0, remaining_ - 1);
    if (remaining_ == 0) {
        timer_->stop();
        emit sgTimeout();
    }
    countdown_->setText(timeText(remaining_));
}

void ITimelapseTimes::next()
{
    remaining_ = interval_;
    countdown_->setText(timeText(remaining_));
    ++count_;
    const QString text = QString::number(count_);
    countLabel_->setText(text);
    const int wide = QFontMetrics(countLabel_->font()).horizontalAdvance(text);
    if (wide >= countLabel_->width()) {
        countLabel_->setFixedWidth(wide);
    }
    adjustSize();
    if (!paused_) {
        timer_->start();
    }
}

void ITimelapseTimes::pause()
{
    timer_->stop();
    paused_ = true;
}

void ITimelapseTimes::resume()
{
    // A countdown already at 0 waits for its shot; the shot's next() starts it again.
    if (remaining_ > 0) {
        timer_->start();
    }
    paused_ = false;
}

void ITimelapseTimes::stop()
{
    countLabel_->setText(QStringLiteral("0"));
    countdown_->setText(QStringLiteral("00:00"));
    timer_->stop();
    paused_ = true;
    hide();
}
