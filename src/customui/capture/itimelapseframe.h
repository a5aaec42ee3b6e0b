#ifndef ITIMELAPSEFRAME_H
#define ITIMELAPSEFRAME_H

#include <QSize>
#include <QVariant>
#include <QWidget>

#include "shelltypes.h"

class IApplication;
class ICustomWidget;
class ITimelapseButton;
class ITimelapseTimes;
class IToolBarBase;

// The time-lapse bar above the Snap button: an interval chooser (1 to 60 seconds), the
// start/stop button and the pause button. While it runs, a counter above it shows the shots and
// the countdown; the counter stays when the bar is hidden. The window takes the shots.
class ITimelapseFrame : public QWidget {
    Q_OBJECT
public:
    // Start button states 1 idle, 2 running; pause button 3 running, 4 paused.
    enum State { Idle = 1, Running = 2, Unpaused = 3, Paused = 4 };

    explicit ITimelapseFrame(IApplication* app, QWidget* parent = nullptr);

    void setAnchor(const IToolBarBase* bar) { anchor_ = bar; }
    ITimelapseButton* startButton() const { return start_; }
    ITimelapseButton* intervalButton() const { return interval_; }
    ITimelapseButton* pauseButton() const { return pause_; }
    ICustomWidget* chooser() const { return chooser_; }
    ITimelapseTimes* counter() const { return counter_; }

    virtual void showPanel(bool show);
    virtual void setControlsEnabled(bool enabled);
    virtual void nextShot();
    virtual void start();
    virtual void pause();
    virtual void resume();
    virtual void stop();
    virtual bool isCapturing() const;
    void updatePosition();

signals:
    void sgCaptureImage(OperateType type);

public slots:
    void slButtonClick(bool checked, QVariant data);

protected:
    virtual void CreateUI();
    virtual ITimelapseButton* createButton(QVariant data, QString text, int kind, QSize size);
    virtual void switchState(int op);

private:
    void placeAbove(QWidget* widget, const ITimelapseButton* button) const;

    IApplication* app_;
    const IToolBarBase* anchor_ = nullptr;
    ICustomWidget* chooser_ = nullptr;
    ITimelapseTimes* counter_ = nullptr;
    ITimelapseButton* interval_ = nullptr;
    ITimelapseButton* start_ = nullptr;
    ITimelapseButton* pause_ = nullptr;
};

#endif  // ITIMELAPSEFRAME_H
