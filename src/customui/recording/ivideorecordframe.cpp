// The recording panel: its states and the recorder's answers. The bars, their placement and the
// brackets are in ivideorecordframebars.cpp.
#include "customui/recording/ivideorecordframe.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

#include "board/iboard.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/uiscale.h"
#include "customui/recording/irecordsoundbar.h"
#include "customui/recording/ivideorecordmsgbox.h"
#include "ffmpeg/iffmpegapi.h"
#include "service/iconfigureservice.h"

namespace {

const QString kZeroTime = QStringLiteral("00 : 00 : 00");

// The preset sizes of choices 2 to 5, before scaling.
QSize presetSize(int id)
{
    switch (id) {
        case IVideoRecordFrame::Size1024x768:
            return QSize(1024, 768);
        case IVideoRecordFrame::Size1080x720:
            return QSize(1080, 720);
        case IVideoRecordFrame::Size800x600:
            return QSize(800, 600);
        default:
            return QSize(640, 480);
    }
}

}  // namespace

IVideoRecordFrame::IVideoRecordFrame(IBoard* board, QWidget* parent)
    : IFreeZoneWidget(parent), board_(board)
{
    if (!parent) {
        // Over every other window, also while the presenter works in them during a recording.
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &IVideoRecordFrame::onTick);
    msgBox_ = new IVideoRecordMsgBox(this);
    buildBars();
    buildSoundControls();
    setZoneEditing(true);
    placeChoiceBar(false);
    showControlBar(false);
    selectChoice(Size1080x720);

    IFFmpegApi* recorder = IFFmpegApi::instance();
    connect(recorder, &IFFmpegApi::recordMessage, this, &IVideoRecordFrame::onRecordMessage);
    connect(recorder, &IFFmpegApi::sgRecordVideo, this, &IVideoRecordFrame::onRecordVideo);
}

void IVideoRecordFrame::showPanel(bool show)
{
    if (!show) {
        hide();
        emit sgActiveChanged(false);
        placeChoiceBar(false);
        countdown_.stop();
        countdownLabel_->hide();
        if (!starting_ && !isRecording()) {
            levelMonitor_.stopListening();
        }
        return;
    }
    timeLabel_->setText(kZeroTime);
    setPassThrough(false);
    const QRect area = availableAreaUnderCursor();
    if (QWidget* holder = parentWidget() ? parentWidget()->window() : nullptr) {
        holder->move(area.topLeft());
        coverRect(parentWidget()->rect());
    } else {
        // The screen under the cursor now, which need not be the one of the last recording.
        coverRect(area);
    }
    refreshSound();
    choose(Automatic);
    this->show();
    raise();
    activateWindow();
    emit sgActiveChanged(true);
}

void IVideoRecordFrame::selectChoice(QVariant id)
{
    for (IIToolButton* choice : qAsConst(choices_)) {
        choice->setSelected(choice->data() == id);
    }
}

void IVideoRecordFrame::startRecording()
{
    // Only from the visible start button: a second click while the recorder starts finds the
    // panel, and the button with it, hidden.
    if (!startButton_->isVisible()) {
        return;
    }
    if (IConfigureService::instance()->recordingCountdown) {
        placeChoiceBar(false);
        countdownLeft_ = 3;
        onCountdownTick();
        countdown_.start();
        return;
    }
    launchRecorder();
}

void IVideoRecordFrame::launchRecorder()
{
    const QRect area = globalZoneRect();
    starting_ = true;
    noSoundTold_ = false;
    hide();
    IFFmpegApi* recorder = IFFmpegApi::instance();
    recorder->usesExternalRecorder();
    const QString folder = IConfigureService::instance()->videoPath();
    if (!QDir().mkpath(folder)) {
        qDebug() << "video folder cannot be created:" << folder;
    }
    qDebug() << "start screen recording" << area;
    recorder->startRecord(folder, area);
}

void IVideoRecordFrame::stopRecording()
{
    endRecordingLook();
    IFFmpegApi::instance()->stopRecord();
}

bool IVideoRecordFrame::isRecording() const
{
    return timer_.isActive() || paused_;
}

QString IVideoRecordFrame::elapsedText() const
{
    return timeLabel_->text();
}

IIToolButton* IVideoRecordFrame::button(int id) const
{
    for (IIToolButton* button : buttons_) {
        if (button->data().toInt() == id) {
            return button;
        }
    }
    return nullptr;
}

void IVideoRecordFrame::onButtonClick(bool, const QVariant& id)
{
    switch (id.toInt()) {
        case Quit:
            showPanel(false);
            break;
        case Start:
            startRecording();
            break;
        case Resume:
            pause(false);
            break;
        case Halt:
            pause(true);
            break;
        case Stop:
            stopRecording();
            break;
        default:
            choose(id.toInt());
            break;
    }
}

void IVideoRecordFrame::choose(int id)
{
    if (id == FullScreen) {
        selectAll();
    } else if (id == Automatic) {
        setZoneRect(pictureArea());
    } else {
        const QSize preset = presetSize(id);
        setZoneSize(QSize(static_cast<int>(preset.width() * uiScale),
                          static_cast<int>(preset.height() * uiScale)));
    }
    placeChoiceBar(true);
    selectChoice(id);
}

// The camera picture at actual size, as far as the board shows it, in panel coordinates.
QRect IVideoRecordFrame::pictureArea() const
{
    if (!board_) {
        return QRect();
    }
    board_->zoomToActualSize();
    const QRect shown(board_->viewport()->mapToGlobal(QPoint(0, 0)), board_->viewport()->size());
    const QRect picture = board_->backgroundGlobalRect().toAlignedRect().intersected(shown);
    return QRect(mapFromGlobal(picture.topLeft()), picture.size());
}

void IVideoRecordFrame::pause(bool paused)
{
    IFFmpegApi::instance()->pauseRecord(paused);
    paused_ = paused;
    if (paused) {
        timer_.stop();
    } else {
        timer_.start();
    }
    resumeButton_->setVisible(paused);
    haltButton_->setVisible(!paused);
}

void IVideoRecordFrame::onRecordMessage(int code)
{
    switch (code) {
        case 2:
            if (!starting_) {
                qDebug() << "recording started without the panel's start; not shown";
                return;
            }
            starting_ = false;
            elapsed_ = 0;
            paused_ = false;
            bracketColor_ = QColor(255, 0, 0);
            timeLabel_->setText(kZeroTime);
            setZoneEditing(false);
            placeChoiceBar(false);
            setPassThrough(true);
            // A selection as large as the layer leaves no room for brackets: nothing to show,
            // unless the layer holds the control bar.
            setVisible(!passThroughRegion().isEmpty());
            showControlBar(true);
            timer_.start();
            break;
        case 3:
            if (starting_) {
                starting_ = false;
                showPanel(false);
                emit sgTip(tr("The screen recording could not be started."));
            }
            break;
        case 6:
            if (!noSoundTold_ && (starting_ || isRecording())) {
                noSoundTold_ = true;
                soundBar_->setUnavailable(true);
                emit sgTip(tr("Recording without sound: the microphone is not available."));
            }
            break;
        case 4:
            if (starting_ || isRecording()) {
                if (isRecording()) {
                    emit sgTip(tr("The screen recording ended unexpectedly."));
                }
                starting_ = false;
                endRecordingLook();
            }
            break;
        default:
            break;
    }
}

void IVideoRecordFrame::onRecordVideo(const QString& path)
{
    if (fileOfferGate_ && !fileOfferGate_()) {
        qDebug() << "recording finished, not offered now:" << path;
        return;
    }
    if (isRecording()) {
        endRecordingLook();
    }
    if (path.isEmpty()) {
        return;
    }
    msgBox_->showMessage(path);
}

// Back to hidden from recording: timer, bars and buttons as before the start.
void IVideoRecordFrame::endRecordingLook()
{
    timer_.stop();
    paused_ = false;
    showControlBar(false);
    showPanel(false);
    resumeButton_->hide();
    haltButton_->show();
    setPassThrough(false);
}

void IVideoRecordFrame::onTick()
{
    ++elapsed_;
    // Red, blue, green, red, ...: each channel takes the next one's value.
    bracketColor_ = QColor(bracketColor_.green(), bracketColor_.blue(), bracketColor_.red(),
                           bracketColor_.alpha());
    const QString text =
        QDateTime::fromSecsSinceEpoch(elapsed_, Qt::UTC).toString(QStringLiteral("hh : mm : ss"));
    const int before = timeLabel_->fontMetrics().horizontalAdvance(timeLabel_->text());
    timeLabel_->setText(text);
    const int after = timeLabel_->fontMetrics().horizontalAdvance(text);
    if (after != before) {
        timeLabel_->setFixedWidth(after);
        fitControlBar();
    }
    // Where it was placed, whatever resized or re-placed its window: the Stop click must land.
    if (controlBar_->pos() != controlBarPos_) {
        qDebug() << "recording control bar put back from" << controlBar_->pos() << "to"
                 << controlBarPos_;
        controlBar_->move(controlBarPos_);
    }
    update();
    // Back on top of a window the presenter has just brought forward.
    if (isVisible()) {
        raise();
    }
    controlBar_->raise();
}

void IVideoRecordFrame::mousePressEvent(QMouseEvent* event)
{
    IFreeZoneWidget::mousePressEvent(event);
    if (isZoneEditing() && !isCountingDown() && event->button() == Qt::LeftButton &&
        hitType() != NoHit) {
        placeChoiceBar(false);
    }
}

void IVideoRecordFrame::mouseReleaseEvent(QMouseEvent* event)
{
    IFreeZoneWidget::mouseReleaseEvent(event);
    if (isZoneEditing() && !isCountingDown() && event->button() == Qt::LeftButton) {
        placeChoiceBar(true);
    }
}
