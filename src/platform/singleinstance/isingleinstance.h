#ifndef ISINGLEINSTANCE_H
#define ISINGLEINSTANCE_H

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QScopedPointer>
#include <QString>

// One running instance per id and login session: the first holds a lock file and listens on a
// local socket; later ones find the lock taken and can send the first a text message.
// A lock left by a crashed instance is recognised as stale and taken over.
class ISingleInstance : public QObject {
    Q_OBJECT
public:
    explicit ISingleInstance(const QString& id, QObject* parent = nullptr);

    bool isRunning() const;
    bool sendMessage(const QString& message, int timeoutMs);
    // Lets go before the process ends (a restart): stops listening and removes the lock file, so
    // a process started next becomes the running instance. Does nothing when another one runs.
    void release();

    // Folder of the lock and socket: the session's runtime folder.
    static QString runtimeFolder();

signals:
    void messageReceived(const QString& message);

private slots:
    void onNewConnection();

private:
    void listen();
    QString socketName() const;

    QString id_;
    QScopedPointer<QLockFile> lock_;
    bool running_ = false;
    QLocalServer server_;
};

#endif  // ISINGLEINSTANCE_H
