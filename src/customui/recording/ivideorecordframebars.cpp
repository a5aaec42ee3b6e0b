// The recording panel's bars and brackets: building, placing and painting them, and the window
// mask that leaves only the brackets on screen while recording.
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "customui/kit/iappfont.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"
#include "customui/recording/irecordsoundbar.h"
#include "customui/recording/ivideorecordframe.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

QHBoxLayout* bareRow(QWidget* holder)
{
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    return row;
}

}  // namespace

void IVideoRecordFrame::buildBars()
{
    choiceBar_ = new QWidget(this);
    QHBoxLayout* choiceRow = bareRow(choiceBar_);
    choiceRow->setSpacing(0);
    choiceRow->addStretch();
    choiceRow->addWidget(createChoiceButton(FullScreen, tr("Full screen"), QSize(150, 35)));
    choiceRow->addWidget(createChoiceButton(Automatic, tr("Automatic"), QSize(150, 35)));
    for (int id = Size1024x768; id <= Size640x480; ++id) {
        static const char* const presets[] = {"1024*768", "1080*720", "800*600", "640*480"};
        choiceRow->addWidget(
            createChoiceButton(id, QLatin1String(presets[id - Size1024x768]), QSize(100, 35)));
    }
    choiceRow->addWidget(
        createButton(Quit, tr("Quit"), QStringLiteral(":/title/title/tclosenormal.svg"),
                     QStringLiteral(":/title/title/tcloseclick.svg"), 0, 35, choiceBar_));
    choiceBar_->adjustSize();

    startButton_ = createButton(Start, tr("Start"), QStringLiteral(":/root/root/rstartnormal.svg"),
                                QStringLiteral(":/root/root/rstartclick.svg"), 40, 80, this);

    // A window of its own: the panel lets the mouse through while recording, the bar must not.
    // Outside the window manager's stacking, so that no full-screen window can cover it. Where
    // the compositor places windows, a part of the layer instead (see barInLayer).
    controlBar_ = new QWidget(this, barInLayer() ? Qt::Widget
                                                 : Qt::Tool | Qt::FramelessWindowHint |
                                                       Qt::WindowStaysOnTopHint |
                                                       Qt::BypassWindowManagerHint);
    controlBar_->setAttribute(Qt::WA_TranslucentBackground);
    QHBoxLayout* controlRow = bareRow(controlBar_);
    controlRow->addStretch();
    resumeButton_ =
        createButton(Resume, tr("Start"), QStringLiteral(":/root/root/rstartnormal.svg"),
                     QStringLiteral(":/root/root/rstartclick.svg"), 20, 40, controlBar_);
    haltButton_ = createButton(Halt, tr("Halt"), QStringLiteral(":/root/root/rpausenormal.svg"),
                               QStringLiteral(":/root/root/rpauseclick.svg"), 20, 40, controlBar_);
    stopButton_ = createButton(Stop, tr("Stop"), QStringLiteral(":/root/root/rstopnormal.svg"),
                               QStringLiteral(":/root/root/rstopclick.svg"), 20, 40, controlBar_);
    timeLabel_ = newLabel(QStringLiteral("00 : 00 : 00"), controlBar_);
    timeLabel_->setFixedSize(scaled(150), scaled(80));
    timeLabel_->setAlignment(Qt::AlignCenter);
    timeLabel_->setFont(appFont(20, 75));
    timeLabel_->setStyleSheet(QStringLiteral("color:red;background-color:transparent;"));
    timeLabel_->setFixedWidth(timeLabel_->fontMetrics().horizontalAdvance(timeLabel_->text()));
    for (QWidget* widget :
         {static_cast<QWidget*>(resumeButton_), static_cast<QWidget*>(haltButton_),
          static_cast<QWidget*>(stopButton_), static_cast<QWidget*>(timeLabel_)}) {
        controlRow->addWidget(widget);
    }
    fitControlBar();
}

IIToolButton* IVideoRecordFrame::createButton(int id, const QString& text,
                                              const QString& normalIcon, const QString& pressedIcon,
                                              int radius, int side, QWidget* parent)
{
    // The radius scales with the side so that the round buttons stay round at every scale.
    auto* button = new IIToolButton(id, text, normalIcon, pressedIcon, scaled(radius), false, side,
                                    side, side / 8, parent);
    button->nameAfterId(QStringLiteral("recording"), QMetaEnum::fromType<ButtonId>());
    connect(button, &IIToolButton::sgButtonClick, this, &IVideoRecordFrame::onButtonClick);
    buttons_ << button;
    return button;
}

IIToolButton* IVideoRecordFrame::createChoiceButton(int id, const QString& text, const QSize& size)
{
    auto* button =
        new IIToolButton(id, text, size.width(), size.height(), NoCorners, true, choiceBar_);
    button->setProperty("id", id);
    button->nameAfterId(QStringLiteral("recording"), QMetaEnum::fromType<Choice>());
    connect(button, &IIToolButton::sgButtonClick, this, &IVideoRecordFrame::onButtonClick);
    choices_ << button;
    buttons_ << button;
    return button;
}

// The bar at its natural width for the shown buttons and label, widened by a fifth.
void IVideoRecordFrame::fitControlBar()
{
    controlBar_->setMinimumWidth(0);
    controlBar_->setMaximumWidth(QWIDGETSIZE_MAX);
    controlBar_->layout()->activate();
    controlBar_->setFixedWidth(static_cast<int>(controlBar_->sizeHint().width() * 1.2));
    controlBar_->adjustSize();
    updatePassThroughMask();
}

void IVideoRecordFrame::placeChoiceBar(bool show)
{
    if (!show) {
        choiceBar_->hide();
        startButton_->hide();
        soundBar_->hide();
        return;
    }
    setZoneEditing(true);
    const QRect zone = zoneRect();
    int x = zone.right() - 2 - choiceBar_->width();
    if (x < 0) {
        x = zone.left() + 2;
    }
    choiceBar_->move(x, zone.bottom() - 2 - choiceBar_->height());
    startButton_->move(zone.center() -
                       QPoint(startButton_->width() / 2, startButton_->height() / 2));
    choiceBar_->show();
    startButton_->show();
    choiceBar_->raise();
    startButton_->raise();
    placeSoundBar();
}

void IVideoRecordFrame::showControlBar(bool show)
{
    if (!show) {
        controlBar_->hide();
        return;
    }
    resumeButton_->hide();
    haltButton_->show();
    stopButton_->show();
    controlBarPos_ = barInLayer() ? controlBarPlace() : geometry().topLeft() + controlBarPlace();
    controlBar_->move(controlBarPos_);
    controlBar_->show();
    controlBar_->raise();
    updatePassThroughMask();
}

// Bottom right of the panel, moved beside or into the selection where it would cover it.
QPoint IVideoRecordFrame::controlBarPlace() const
{
    const double s = uiScale;
    const double m = 20 * s;
    const QRect selection = selectionRect();
    const int w = width();
    const int h = height();
    const int barW = controlBar_->width();
    const int barH = controlBar_->height();
    int x = static_cast<int>(w - barW - 100 * s);
    int y = static_cast<int>(h - barH - 120 * s);
    const QRect defaultPlace(x, y, barW, barH);
    if (selection.right() <= defaultPlace.left()) {
        return QPoint(x, y);
    }
    if (selection.right() + m + barW + 60 * s > w) {
        x = static_cast<int>(selection.right() - m - barW);
        if (defaultPlace.bottom() > selection.bottom()) {
            y = selection.bottom() + m + barH + 100 * s > h ? selection.bottom() - barH
                                                            : static_cast<int>(h - barH - 100 * s);
        }
    } else {
        x = static_cast<int>(w - barW - 60 * s);
    }
    return QPoint(x, y);
}

// Two strokes at each corner, just outside the selection: the pen runs half its width outside
// the selection's pixels, so its inner edge meets them without covering any.
QVector<QLineF> IVideoRecordFrame::bracketLines() const
{
    const double pen = scaled(20);
    const double length = scaled(100);
    const QRect selection = selectionRect();
    const QRectF r =
        QRectF(selection.left(), selection.top(), selection.width(), selection.height())
            .adjusted(-pen / 2, -pen / 2, pen / 2, pen / 2);
    return {QLineF(r.left(), r.top(), r.left() + length, r.top()),
            QLineF(r.left(), r.top(), r.left(), r.top() + length),
            QLineF(r.right(), r.top(), r.right() - length, r.top()),
            QLineF(r.right(), r.top(), r.right(), r.top() + length),
            QLineF(r.left(), r.bottom(), r.left() + length, r.bottom()),
            QLineF(r.left(), r.bottom(), r.left(), r.bottom() - length),
            QLineF(r.right(), r.bottom(), r.right() - length, r.bottom()),
            QLineF(r.right(), r.bottom(), r.right(), r.bottom() - length)};
}

QRegion IVideoRecordFrame::bracketRegion() const
{
    // A square-capped stroke covers its line lengthened and widened by half the pen each way.
    const double half = scaled(20) / 2.0;
    QRegion region;
    for (const QLineF& line : bracketLines()) {
        const QRectF stroke =
            QRectF(line.p1(), line.p2()).normalized().adjusted(-half, -half, half, half);
        region += stroke.toAlignedRect().intersected(rect());
    }
    return region;
}

void IVideoRecordFrame::setPassThrough(bool on)
{
    // While recording the brackets stay out of the window manager's stacking: a full-screen
    // window the presenter works in would otherwise cover them. Choosing the area needs the
    // window manager for focus and keys. Flags change only while the panel is hidden.
    if (!parentWidget() && on != windowFlags().testFlag(Qt::BypassWindowManagerHint)) {
        setWindowFlag(Qt::BypassWindowManagerHint, on);
    }
    // The mask also shapes the window's input: outside the brackets the mouse reaches the
    // windows below.
    // Where the bar is part of the layer the mask alone keeps the mouse from the rest.
    passThrough_ = on;
    setAttribute(Qt::WA_TransparentForMouseEvents, on && !barInLayer());
    // Nothing of the layer may lie over the recorded area: without a compositor a translucent
    // window is painted opaque, and the recorder grabs the screen as shown.
    if (on) {
        updatePassThroughMask();
    } else {
        clearMask();
    }
}

void IVideoRecordFrame::paintEvent(QPaintEvent* event)
{
    if (!isZoneEditing()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(
            QPen(bracketColor_, scaled(20), Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawLines(bracketLines());
    }
    IFreeZoneWidget::paintEvent(event);
}
