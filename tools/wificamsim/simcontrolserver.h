#ifndef SIMCONTROLSERVER_H
#define SIMCONTROLSERVER_H

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSize>
#include <QTcpServer>

#include "simdocumentpicture.h"

class QTcpSocket;

// The camera's control side on TCP: binds clients, splits the requests that arrive together,
// checks their complement bytes and answers them. Every request is echoed to standard output as
// "request <hex>" so that tests can see what a client sent.
class SimControlServer : public QObject {
    Q_OBJECT
public:
    enum class BindAnswer { Tcp, Udp, Bad };
    enum class PictureDelivery { Joined, Split, Dribble, Truncated };

    explicit SimControlServer(const QSize& size, QObject* parent = nullptr);

    // Listens on 127.0.0.1:`port` (0: any free port); returns the bound port, or -1.
    int start(int port);

    void setBindAnswer(BindAnswer answer) { bindAnswer_ = answer; }
    void setPictureDelivery(PictureDelivery delivery) { pictureDelivery_ = delivery; }
    // Another application changed the resolution: tell every client.
    bool changeResolution(const QSize& size);
    void disconnectClients();

    // The size of a resolution index, or an invalid size for an unknown index.
    static QSize sizeOfIndex(int index);
    static int indexOfSize(const QSize& size);

Q_SIGNALS:
    void resolutionChanged(const QSize& size);

private:
    struct Client {
        QByteArray id;
        QByteArray pending;
        bool bound = false;
        bool sendingPicture = false;  // later requests wait: a picture is not interleaved
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void bind(QTcpSocket* socket, Client& client);
    bool handleRequest(QTcpSocket* socket, Client& client);
    void answer(QTcpSocket* socket, const QByteArray& id, quint16 index, const QByteArray& body);
    void sendPicture(QTcpSocket* socket, Client& client);
    void finishPicture(QTcpSocket* socket);
    void setResolutionIndex(int index, QTcpSocket* requester);
    QByteArray encodingBody() const;

    QTcpServer server_;
    QHash<QTcpSocket*, Client> clients_;
    BindAnswer bindAnswer_ = BindAnswer::Udp;
    PictureDelivery pictureDelivery_ = PictureDelivery::Joined;
    SimDocumentPicture picture_;
    quint8 nextClient_ = 1;
    int resIndex_ = 2;
    QByteArray encoding_;
    QByteArray defaultQuality_;
    QByteArray currentQuality_;
    quint8 topLamp_ = 0;
    quint8 wallLamp_ = 0;
};

#endif  // SIMCONTROLSERVER_H
