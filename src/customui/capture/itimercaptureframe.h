#ifndef ITIMERCAPTUREFRAME_H
#define ITIMERCAPTUREFRAME_H

#include "customui/kit/icustomdialog.h"

class IApplication;
class IToolBarBase;
class ITimerCaptureControlFrame;
class QLineEdit;
class QTimer;

// Timing capture: the dialog asks for an interval in seconds and a number of pages, then its
// timer asks for one picture per interval. The interval runs from each saved picture, so a slow
// save never makes pictures pile up. While it runs the pages field holds the pictures still to
// take and the control bar shows the progress.
class ITimerCaptureFrame : public ICustomDialog {
    Q_OBJECT
public:
    explicit ITimerCaptureFrame(IApplication* app, QWidget* parent = nullptr);

    // The toolbar whose Photo-mode button the control bar sits above.
    void setAnchor(const IToolBarBase* bar);
    // The length of one interval second in milliseconds (1000; tests shorten it).
    void setSecondLength(int ms) { secondMs_ = ms; }

    QLineEdit* intervalField() const { return interval_; }
    QLineEdit* pagesField() const { return pages_; }
    ITimerCaptureControlFrame* controlBar() const { return control_; }
    bool isPaused() const { return paused_; }
    bool isTimerActive() const;

    // Snap in timing mode (true): opens the dialog modally unless a capture is configured;
    // false clears the fields and closes it.
    void openSettings(bool open);
    void confirmSettings();
    void stopCapture();
    // A picture was saved: one page fewer; the last one ends the capture.
    void countPicture(bool running);
    // A picture could not be taken or saved: the series goes on with the next interval.
    void skipPicture();
    bool isCapturing() const;

signals:
    // The timer ran out: take one picture.
    void sgCaptureRequested();

public slots:
    void slTimerout();

protected:
    // Enter confirms, as the Confirm button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateUI();
    QLineEdit* createField();
    void onControl(int action);
    void startTimer();

    IApplication* app_;
    QLineEdit* interval_ = nullptr;
    QLineEdit* pages_ = nullptr;
    QTimer* timer_ = nullptr;
    bool paused_ = false;
    int secondMs_ = 1000;
    ITimerCaptureControlFrame* control_ = nullptr;
};

#endif  // ITIMERCAPTUREFRAME_H
