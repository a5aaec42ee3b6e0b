#ifndef SIMHOOKREADER_H
#define SIMHOOKREADER_H

#include <QObject>
#include <QSocketNotifier>

class SimControlServer;
class SimRtspServer;

// Reads hook commands, one per line, from standard input and applies them to the two servers;
// answers "ok <command>" or "error <command>" on standard output. The end of the input quits.
class SimHookReader : public QObject {
    Q_OBJECT
public:
    SimHookReader(SimControlServer* control, SimRtspServer* rtsp, QObject* parent = nullptr);

private:
    void onReadable();
    bool apply(const QStringList& words);

    SimControlServer* control_;
    SimRtspServer* rtsp_;
    QSocketNotifier notifier_;
    QByteArray pending_;
};

#endif  // SIMHOOKREADER_H
