#ifndef ITIMELAPSETIMES_H
#define ITIMELAPSETIMES_H

#include "customui/kit/icustomwidget.h"

class QLabel;
class QTimer;

// The time-lapse counter: "Shot" with the number of shots taken and "Next in" with a countdown
// "mm:ss" to the next one. It reports when the countdown reaches 0 and waits for next() before
// counting down again, so a slow shot never makes the next one come early.
class ITimelapseTimes : public ICustomWidget {
    Q_OBJECT
public:
    explicit ITimelapseTimes(QWidget* parent = nullptr);

    // The length of one counted second in milliseconds (1000; tests shorten it).
    void setSecondLength(int ms);
    int count() const { return count_; }
    int remaining() const { return remaining_; }
    bool isPaused() const { return paused_; }
    QString countText() const;
    QString countdownText() const;
    QLabel* countLabel() const { return countLabel_; }

    // "mm:ss" of a number of seconds.
    static QString timeText(int seconds);

    virtual void start(int seconds);
    virtual void pause();
    virtual void resume();
    virtual void stop();
    virtual void next();

signals:
    void sgTimeout();

private:
    void tick();

    QTimer* timer_ = nullptr;
    QLabel* countdown_ = nullptr;
    QLabel* countLabel_ = nullptr;
    int interval_ = 0;
    int remaining_ = 0;
    int count_ = 0;
    bool paused_ = true;
};

#endif  // ITIMELAPSETIMES_H
