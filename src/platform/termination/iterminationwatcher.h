#ifndef ITERMINATIONWATCHER_H
#define ITERMINATIONWATCHER_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, `kill`, Ctrl+C in a terminal) into a
// signal on the GUI thread, so that the program closes in its usual order instead of dying with a
// recording unfinished and its settings unwritten. A second such signal ends the process at once.
// One instance per process.
class ITerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ITerminationWatcher(QObject* parent = nullptr);
    ~ITerminationWatcher() override;

    bool isWatching() const { return notifier_ != nullptr; }

signals:
    void sgTerminationRequested(int signalNumber);

private:
    static void onSignal(int signalNumber);
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};

#endif  // ITERMINATIONWATCHER_H
