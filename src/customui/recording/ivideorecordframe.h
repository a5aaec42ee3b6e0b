#ifndef IVIDEORECORDFRAME_H
#define IVIDEORECORDFRAME_H

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QVariant>
#include <QVector>
#include <functional>

#include "customui/kit/ifreezonewidget.h"
#include "ffmpeg/isoundlevelmonitor.h"

class IBoard;
class IRecordSoundBar;
class QProgressBar;
class IIToolButton;
class IVideoRecordMsgBox;
class QLabel;

// The screen-recording panel: a layer over the whole screen on which the presenter chooses the
// area (the camera picture, the full screen, a preset size or a dragged rectangle) and starts
// the recorder. While the recorder records, the layer only frames the area with colour-cycling
// corner brackets and lets the mouse through; a small control bar of its own shows the elapsed
// time with pause, resume and stop. A finished file is offered in a message box.
//
// Hidden -> selecting (showPanel(true)) -> starting (hidden, waiting for the recorder) ->
// recording <-> paused -> hidden, with the file offered once the recorder has written it.
class IVideoRecordFrame : public IFreeZoneWidget {
    Q_OBJECT
public:
    enum Choice {
        FullScreen = 0,
        Automatic = 1,
        Size1024x768 = 2,
        Size1080x720 = 3,
        Size800x600 = 4,
        Size640x480 = 5
    };
    Q_ENUM(Choice)
    enum ButtonId { Quit = 6, Start = 7, Resume = 8, Halt = 9, Stop = 10 };
    Q_ENUM(ButtonId)

    // `board` shows the camera picture that the Automatic choice selects (may be null).
    explicit IVideoRecordFrame(IBoard* board = nullptr, QWidget* parent = nullptr);

    void showPanel(bool show) override;
    // Shows the choice bar inside the selection's bottom corner and the start button on its
    // centre, or hides both.
    virtual void placeChoiceBar(bool show);
    // Checks the choice button with this id and unchecks the others.
    virtual void selectChoice(QVariant id);
    virtual void showControlBar(bool show);
    virtual void startRecording();
    // Acts as a click on Stop.
    virtual void stopRecording();
    // True while the elapsed-time count runs or the recording is paused.
    virtual bool isRecording() const;

    // Between Start and the recorder's answer.
    bool isStarting() const { return starting_; }
    // The seconds before the recorder is started, when the countdown is on.
    bool isCountingDown() const { return countdown_.isActive(); }
    // The countdown's step (1000 ms).
    void setCountdownInterval(int ms) { countdown_.setInterval(ms); }
    // The microphone choice, its level and the countdown switch, shown with the choice bar.
    IRecordSoundBar* soundBar() const { return soundBar_; }
    bool isPaused() const { return paused_; }
    QColor bracketColor() const { return bracketColor_; }
    QString elapsedText() const;
    // The choice, start and control buttons by id.
    IIToolButton* button(int id) const;
    QWidget* choiceBar() const { return choiceBar_; }
    // A window of its own, so that it stays clickable while the layer lets the mouse through.
    QWidget* controlBar() const { return controlBar_; }
    IVideoRecordMsgBox* messageBox() const { return msgBox_; }
    // Where the brackets lie while recording.
    QRegion bracketRegion() const;
    // The part of the layer left on screen while recording: the brackets, and the control bar
    // where it is part of the layer.
    QRegion passThroughRegion() const;
    // Where the compositor places windows the control bar is a part of the layer, which covers
    // the screen; elsewhere a window of its own.
    static bool barInLayer();
    // The elapsed-time step (1000 ms).
    void setTickInterval(int ms) { timer_.setInterval(ms); }
    // Asked before a finished file is offered; the file is not offered while it says no.
    void setFileOfferGate(std::function<bool()> gate) { fileOfferGate_ = std::move(gate); }

signals:
    // The panel took over the Record button (disable and check it) or gave it back.
    void sgActiveChanged(bool active);
    // A short notice for the presenter.
    void sgTip(const QString& text);

protected:
    // Builds the choice bar, the start button and the control bar; run once by the constructor.
    virtual void buildBars();
    // A round start or control button that reports its clicks to the button actions.
    virtual IIToolButton* createButton(int id, const QString& text, const QString& normalIcon,
                                       const QString& pressedIcon, int radius, int side,
                                       QWidget* parent);
    // A checkable choice button, appended to the choice list.
    virtual IIToolButton* createChoiceButton(int id, const QString& text, const QSize& size);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onButtonClick(bool checked, const QVariant& id);
    void onRecordMessage(int code);
    void onRecordVideo(const QString& path);
    void onTick();
    void choose(int id);
    QRect pictureArea() const;
    QPoint controlBarPlace() const;
    void fitControlBar();
    void setPassThrough(bool on);
    // While the mouse passes through: the layer shows, and takes input, only passThroughRegion.
    void updatePassThroughMask();
    void endRecordingLook();
    void pause(bool paused);
    QVector<QLineF> bracketLines() const;
    void launchRecorder();
    void onCountdownTick();
    void buildSoundControls();
    void placeSoundBar();
    void refreshSound();
    void onSoundChosen(const QString& name);
    void onSoundLevel(int percent);

    IBoard* board_;
    QWidget* choiceBar_ = nullptr;
    QList<IIToolButton*> choices_;
    IIToolButton* startButton_ = nullptr;
    QWidget* controlBar_ = nullptr;
    QPoint controlBarPos_;  // where showControlBar placed it
    IIToolButton* resumeButton_ = nullptr;
    IIToolButton* haltButton_ = nullptr;
    IIToolButton* stopButton_ = nullptr;
    QLabel* timeLabel_ = nullptr;
    QList<IIToolButton*> buttons_;
    QTimer timer_{this};  // the elapsed-time step
    int elapsed_ = 0;
    bool paused_ = false;
    bool starting_ = false;
    bool passThrough_ = false;
    QColor bracketColor_{255, 0, 0};
    IVideoRecordMsgBox* msgBox_ = nullptr;
    std::function<bool()> fileOfferGate_;
    IRecordSoundBar* soundBar_ = nullptr;
    QProgressBar* recordingLevel_ = nullptr;  // the sound level on the control bar
    ISoundLevelMonitor levelMonitor_{this};
    QTimer countdown_{this};
    QLabel* countdownLabel_ = nullptr;
    int countdownLeft_ = 0;
    bool noSoundTold_ = false;
};

#endif  // IVIDEORECORDFRAME_H
