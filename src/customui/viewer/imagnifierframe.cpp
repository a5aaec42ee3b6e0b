#include "customui/viewer/imagnifierframe.h"

#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "customui/kit/istylehelper.h"
#include "customui/kit/itimemsgbox.h"
#include "customui/kit/uiscale.h"
#include "customui/kit/windowplacement.h"
#include "ffmpeg/iffmpegapi.h"
#include "iapplication.h"
#include "platform/screencast/iscreencastgrabber.h"
#include "service/iconfigureservice.h"

namespace {

constexpr int kZoom = 2;
// About one screen refresh: pointer moves in between only move the point grabbed next.
constexpr int kRefreshMs = 16;

QScreen* screenAt(const QPoint& pos)
{
    QScreen* screen = QGuiApplication::screenAt(pos);
    return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

IMagnifierFrame::IMagnifierFrame(IApplication* app, QWidget* parent)
    : ICustomWidget(tr("Magnifier"), true, parent), app_(app)
{
    CreateUI();
    setMovable(true);
    setRoundedBackground(true);
    connect(this, &ICustomWidget::sgClose, this, [this]() { showPanel(false); });
    refresh_.setSingleShot(true);
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, [this]() { magnify(pointer_.x(), pointer_.y()); });
    if (compositorPlacesWindows()) {
        cast_ = new IScreenCastGrabber(this);
        // The screen changed under a still pointer.
        connect(cast_, &IScreenCastGrabber::pictureArrived, this, [this]() { magnify(pointer_); });
        connect(cast_, &IScreenCastGrabber::failed, this, &IMagnifierFrame::showReadFailure);
        // The screen recorder's token: the desktop asks for consent once for both.
        connect(cast_, &IScreenCastGrabber::started, this, [this]() {
            IConfigureService::instance()->setValue(QLatin1String(IFFmpegApi::kRestoreTokenKey),
                                                    cast_->restoreToken());
        });
    }
}

QSize IMagnifierFrame::shownSize()
{
    return QSize(static_cast<int>(500 * uiScale), static_cast<int>(300 * uiScale));
}

void IMagnifierFrame::CreateUI()
{
    label_ = newLabel(QString(), this);
    label_->setFixedSize(shownSize());
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(label_);
    row->addStretch();
    auto* column = new QVBoxLayout(this);
    const int margin = static_cast<int>(10 * uiScale);
    column->setContentsMargins(margin, static_cast<int>(30 * uiScale) + margin, margin, margin);
    column->addLayout(row);
    adjustSize();
}

void IMagnifierFrame::showPanel(bool show)
{
    // Connected to the pointer only while shown.
    disconnect(app_, &IApplication::sgGMouseMoveEvent, this, nullptr);
    if (!show) {
        refresh_.stop();
        if (cast_) {
            cast_->stop();
        }
        hide();
        return;
    }
    if (cast_) {
        cast_->start(IFFmpegApi::storedRestoreToken());
    }
    const QRect area = screenAt(QCursor::pos())->availableGeometry();
    const int parentWidth = parentWidget() ? parentWidget()->width() : area.width();
    const QPoint global(area.left() + parentWidth - width(),
                        area.top() + static_cast<int>(100 * uiScale));
    move(isWindow() || !parentWidget() ? global : parentWidget()->mapFromGlobal(global));
    connect(app_, &IApplication::sgGMouseMoveEvent, this,
            QOverload<const QPoint&>::of(&IMagnifierFrame::magnify));
    this->show();
    raise();
    magnify(QCursor::pos());
}

void IMagnifierFrame::magnify(const QPoint& pos)
{
    pointer_ = pos;
    if (!refresh_.isActive()) {
        refresh_.start();
    }
}

QRect IMagnifierFrame::grabRect(const QPoint& centre, const QRect& screen)
{
    const QSize shown = shownSize();
    const QSize size(qRound(shown.width() / double(kZoom)), qRound(shown.height() / double(kZoom)));
    QRect rect(QPoint(centre.x() - size.width() / 2, centre.y() - size.height() / 2), size);
    // Near an edge the area slides inside the screen rather than shrinking.
    rect.moveLeft(qBound(screen.left(), rect.left(), screen.right() + 1 - size.width()));
    rect.moveTop(qBound(screen.top(), rect.top(), screen.bottom() + 1 - size.height()));
    return rect;
}

void IMagnifierFrame::magnify(int x, int y)
{
    QScreen* screen = screenAt(QPoint(x, y));
    const QRect area = grabRect(QPoint(x, y), screen->geometry());
    const QPixmap grabbed = readScreen(screen, area);
    if (!grabbed.isNull()) {
        label_->setPixmap(
            grabbed.scaled(shownSize(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
}

QPixmap IMagnifierFrame::readScreen(QScreen* screen, const QRect& area)
{
    if (cast_) {
        // Until the first picture arrives, or after the cast failed, there is nothing to show.
        return QPixmap::fromImage(cast_->grab(area));
    }
    const QPixmap grabbed = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (grabbed.isNull()) {
        showReadFailure();
    }
    return grabbed;
}

void IMagnifierFrame::showReadFailure()
{
    if (grabFailureShown_) {
        return;
    }
    grabFailureShown_ = true;
    qDebug() << "magnifier: the screen cannot be read on" << QGuiApplication::platformName();
    ITimeMsgBox::instance()->showMessage(
        tr("The magnifier cannot read the screen on this desktop."), 1000, -1000, -1000);
}
