#include "customui/kit/itimemsgbox.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

}  // namespace

ITimeMsgBox::ITimeMsgBox(QWidget* parent) : QWidget(parent)
{
    // A tip only informs: a click where it shows reaches what lies under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!parent) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_TranslucentBackground);
    }
    buildContents();
}

namespace {

// Tracked weakly: the anchor window deletes its children when it goes.
QPointer<QWidget> anchorWindow;
QPointer<ITimeMsgBox> sharedTip;

}  // namespace

ITimeMsgBox* ITimeMsgBox::instance()
{
    if (!sharedTip) {
        sharedTip = new ITimeMsgBox(anchorWindow);
        if (!anchorWindow) {
            qAddPostRoutine([]() { delete sharedTip.data(); });
        }
    }
    return sharedTip;
}

void ITimeMsgBox::setAnchorWindow(QWidget* window)
{
    anchorWindow = window;
    if (sharedTip && sharedTip->parentWidget() != window) {
        delete sharedTip.data();
    }
}

void ITimeMsgBox::buildContents()
{
    background_ = new QWidget(this);
    setFixedHeight(scaled(50));
    background_->setFixedHeight(scaled(50));
    background_->setStyleSheet(
        QStringLiteral("QWidget{background-color:rgba(0,0,0,100);border-radius:%1px;}")
            .arg(8 * uiScale));

    label_ = newPlainLabel(QString(), background_);
    label_->setFont(boardFont(24, 75));
    label_->setMaximumWidth(static_cast<int>(500 * uiScaleX));
    label_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    label_->setStyleSheet(QStringLiteral("QLabel{background-color:transparent;color:white;}"));

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(label_);
    row->addStretch();
    auto* column = new QVBoxLayout(background_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addStretch();
    column->addLayout(row);
    column->addStretch();

    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &ITimeMsgBox::slTimeout);
}

void ITimeMsgBox::setFadeDuration(int msec)
{
    fadeDuration_ = msec;
}

// Where the tip may show: its parent, or the available area of the screen that holds `point`
// (the one under the pointer when none does).
QRect ITimeMsgBox::allowedArea(const QPoint& point) const
{
    if (parentWidget()) {
        return parentWidget()->rect();
    }
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) {
        screen = QGuiApplication::screenAt(QCursor::pos());
    }
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect();
}

QPoint ITimeMsgBox::centredPosition() const
{
    const QRect area = allowedArea(QCursor::pos());
    return QPoint(area.left() + (area.width() - width()) / 2,
                  area.top() + (area.height() - height()) / 2);
}

// A tip asked for near an edge is moved in until it fits; a wider one keeps its left edge.
QPoint ITimeMsgBox::keptInside(const QPoint& at) const
{
    const QRect area = allowedArea(at);
    if (!area.isValid()) {
        return at;
    }
    return QPoint(qMax(area.left(), qMin(at.x(), area.right() + 1 - width())),
                  qMax(area.top(), qMin(at.y(), area.bottom() + 1 - height())));
}

void ITimeMsgBox::showMessage(const QString& text, int msec, int x, int y)
{
    // A tip shown again while fading out starts afresh instead of vanishing with the old fade.
    if (fade_) {
        fade_->stop();
        fade_->deleteLater();
        fade_ = nullptr;
    }
    const bool wrap = QFontMetrics(label_->font()).horizontalAdvance(text) > scaled(500);
    label_->setWordWrap(wrap);
    label_->setText(text);
    // Wrapped lines use the full allowed width; left to itself QLabel balances them into a
    // narrow, tall column.
    label_->setMinimumWidth(wrap ? label_->maximumWidth() : 0);
    label_->adjustSize();
    setFixedSize(label_->width() + scaled(40), label_->height() + scaled(20));
    background_->setFixedSize(size());
    const QPoint at = x == -1000 && y == -1000 ? centredPosition() : keptInside(QPoint(x, y));
    move(at);
    setWindowOpacity(1.0);
    show();
    raise();
    timer_->start(msec);
}

void ITimeMsgBox::slTimeout()
{
    timer_->stop();
    fade_ = new QPropertyAnimation(this, "windowOpacity", this);
    fade_->setDuration(fadeDuration_);
    fade_->setStartValue(1.0);
    fade_->setEndValue(0.0);
    connect(fade_, &QPropertyAnimation::finished, this, [this]() {
        fade_->deleteLater();
        fade_ = nullptr;
        close();
    });
    fade_->start();
}
