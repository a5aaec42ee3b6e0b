#ifndef IPORTALSCREENCAST_H
#define IPORTALSCREENCAST_H

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVariantMap>

// A screen cast of one monitor through the desktop portal (org.freedesktop.portal.ScreenCast on
// the session bus): CreateSession, SelectSources, Start, then OpenPipeWireRemote for the stream.
// The desktop may ask the user for consent; a restore token from an earlier cast, kept by the
// caller, lets it skip that dialog ("persist until revoked"). Asynchronous: one of started() or
// failed() follows start().
class IPortalScreenCast : public QObject {
    Q_OBJECT
public:
    enum CursorMode { CursorHidden = 1, CursorEmbedded = 2, CursorMetadata = 4 };

    explicit IPortalScreenCast(QObject* parent = nullptr);
    ~IPortalScreenCast() override;

    // `timeoutMs` bounds the whole exchange, consent dialog included.
    void start(CursorMode cursor, const QString& restoreToken, int timeoutMs = 25000);
    // After started(): the PipeWire node of the stream, its place and size in the desktop's
    // logical coordinates (empty when the portal does not say), the token for the next cast.
    quint32 node() const { return node_; }
    QPoint position() const { return position_; }
    QSize logicalSize() const { return logicalSize_; }
    QString restoreToken() const { return restoreToken_; }
    // A new connection to PipeWire that can see the stream; the caller owns it. -1 on failure.
    int openPipeWireRemote(QString* error);
    // Ends the session (also done by the destructor).
    void close();

signals:
    void started();
    // `refused`: the user cancelled the consent dialog (the portal's response 1).
    void failed(const QString& reason, bool refused);
    // The desktop ended a running session.
    void closed();

private slots:
    void onResponse(uint response, const QVariantMap& results);
    void onSessionClosed();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    enum class Step { Idle, Creating, Selecting, Starting, Running };
    bool request(const QString& method, const QList<QVariant>& arguments, QVariantMap options);
    void selectSources();
    void startCast();
    void readStreams(const QVariantMap& results);
    void fail(const QString& reason, bool refused = false);
    void unwatchRequest();

    Step step_ = Step::Idle;
    CursorMode cursor_ = CursorEmbedded;
    QString session_;
    QString requestPath_;
    quint32 node_ = 0;
    QPoint position_;
    QSize logicalSize_;
    QString restoreToken_;
    int timer_ = 0;
    int tokenCount_ = 0;
};

#endif  // IPORTALSCREENCAST_H
