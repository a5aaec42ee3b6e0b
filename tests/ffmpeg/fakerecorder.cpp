// A stand-in for ScreenRecord in link tests. It speaks the recorder link and logs what happens
// (arguments, port, commands) to $FAKE_RECORDER_LOG; $FAKE_RECORDER_MODE picks the behaviour:
//   normal        0, 2; "1" answers "1;<file>" and ends; "2"/"3" are logged
//   exit          ends at once with status 1, never connects
//   hang          never connects, waits to be ended
//   connect-only  0, then nothing
//   late-ready    connects, sends 0 and 2 only after a second
//   fail          0, 3, ends
//   drop-after-0  0, then closes the link and ends
//   split         0 and 2 sent one byte at a time
//   messages      0, 2, then the payloads of $FAKE_RECORDER_SEND ("|"-separated) in one write
//   reconnect     0 on a first connection, 0 and 2 on a second, then closes the first
//   ignore-stop   like normal but ignores "1"
//   ignore-term   like normal but ignores SIGTERM
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>
#include <csignal>

#include "ffmpeg/wifirtsp/irecorderframecodec.h"

namespace {

constexpr int kLifetimeMs = 60000;

void note(const QByteArray& line)
{
    QFile log(qEnvironmentVariable("FAKE_RECORDER_LOG"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        log.write(line + '\n');
    }
}

int termLogFd = -1;

void onTerm(int)
{
    const char line[] = "terminated\n";
    [[maybe_unused]] const ssize_t n = ::write(termLogFd, line, sizeof(line) - 1);
    _exit(0);
}

QByteArray frame(const QByteArray& payload)
{
    return IRecorderFrameCodec::encode(payload);
}

class Fake : public QObject {
public:
    Fake(const QString& mode, const QStringList& args) : mode_(mode), args_(args) {}

    void run()
    {
        note("args " + args_.join(QLatin1Char(' ')).toLocal8Bit());
        note("port " + qgetenv("ORVELLA_RECORDER_PORT"));
        if (mode_ == "exit") {
            QCoreApplication::exit(1);
            return;
        }
        if (mode_ == "hang") {
            return;
        }
        if (!connectTo(link_)) {
            QCoreApplication::exit(2);
            return;
        }
        note("connected");
        QObject::connect(&link_, &QTcpSocket::readyRead, this, &Fake::onCommands);
        QObject::connect(&link_, &QTcpSocket::disconnected, [] {
            note("link lost");
            QCoreApplication::exit(0);
        });
        greet();
    }

private:
    bool connectTo(QTcpSocket& socket)
    {
        socket.connectToHost(QHostAddress::LocalHost,
                             qEnvironmentVariableIntValue("ORVELLA_RECORDER_PORT"));
        return socket.waitForConnected(5000);
    }

    void send(QTcpSocket& socket, const QByteArray& payload)
    {
        socket.write(frame(payload));
        socket.waitForBytesWritten(2000);
    }

    void greet()
    {
        if (mode_ == "late-ready") {
            QTimer::singleShot(1000, this, [this] {
                send(link_, "0");
                send(link_, "2");
            });
        } else if (mode_ == "split") {
            link_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
            for (const char byte : frame("0") + frame("2")) {
                link_.write(&byte, 1);
                link_.waitForBytesWritten(1000);
                QThread::msleep(2);
            }
        } else if (mode_ == "messages") {
            QByteArray all = frame("0") + frame("2");
            for (const QString& payload : qEnvironmentVariable("FAKE_RECORDER_SEND").split('|')) {
                all += frame(payload.toLocal8Bit());
            }
            link_.write(all);
            link_.waitForBytesWritten(2000);
        } else if (mode_ == "reconnect") {
            send(link_, "0");
            QThread::msleep(200);
            if (connectTo(second_)) {
                send(second_, "0");
                send(second_, "2");
                QThread::msleep(200);
                link_.disconnect();
                link_.abort();
                QObject::connect(&second_, &QTcpSocket::readyRead, this, &Fake::onCommands);
                QObject::connect(&second_, &QTcpSocket::disconnected, [] {
                    note("link lost");
                    QCoreApplication::exit(0);
                });
                note("reconnected");
            }
        } else {
            send(link_, "0");
            if (mode_ == "fail" || mode_ == "drop-after-0") {
                if (mode_ == "fail") {
                    send(link_, "3");
                }
                // Tearing down takes a moment, as in a real recorder.
                QTimer::singleShot(300, [this] {
                    link_.disconnectFromHost();
                    QCoreApplication::exit(1);
                });
            } else if (mode_ != "connect-only") {
                send(link_, "2");
            }
        }
    }

    void onCommands()
    {
        QTcpSocket& socket = mode_ == "reconnect" ? second_ : link_;
        for (const QByteArray& command : codec_.feed(socket.readAll())) {
            note("command " + command);
            if (command == "1" && mode_ != "ignore-stop") {
                note("stopped");
                send(socket, "1;" + args_.value(0).toLocal8Bit());
                socket.disconnectFromHost();
                QCoreApplication::exit(0);
            }
        }
    }

    QString mode_;
    QStringList args_;
    QTcpSocket link_;
    QTcpSocket second_;
    IRecorderFrameCodec codec_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString mode = qEnvironmentVariable("FAKE_RECORDER_MODE", QStringLiteral("normal"));
    termLogFd =
        ::open(qgetenv("FAKE_RECORDER_LOG").constData(), O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (mode == "ignore-term") {
        std::signal(SIGTERM, SIG_IGN);
    } else {
        std::signal(SIGTERM, onTerm);
    }
    Fake fake(mode, app.arguments().mid(1));
    QTimer::singleShot(0, [&fake] { fake.run(); });
    QTimer::singleShot(kLifetimeMs, [] { QCoreApplication::exit(3); });
    return app.exec();
}
