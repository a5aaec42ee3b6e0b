#ifndef ISOUNDLEVELMONITOR_H
#define ISOUNDLEVELMONITOR_H

#include <QString>
#include <QThread>

#include <atomic>

// Listens to one sound-server input on its own thread and reports its peak level about twenty
// times a second, so a muted or silent microphone shows before it is recorded.
class ISoundLevelMonitor : public QThread {
    Q_OBJECT
public:
    explicit ISoundLevelMonitor(QObject* parent = nullptr);
    ~ISoundLevelMonitor() override;

    // Listens to `name` from now on (empty: stops listening).
    void listen(const QString& name);
    void stopListening();

signals:
    // The peak of the last twentieth of a second, 0 to 100.
    void sgLevel(int percent);
    // The input cannot be listened to (no sound server, input gone).
    void sgUnavailable(const QString& reason);

protected:
    void run() override;

private:
    QString name_;
    std::atomic<bool> stop_{false};
};

#endif  // ISOUNDLEVELMONITOR_H
