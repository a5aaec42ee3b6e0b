// A second process for the single-instance and crash-handler tests.
//   platformpeer hold ID     - take the instance, print received messages until "quit"
//   platformpeer send ID MSG - send MSG to the running instance; exit 1 when one runs
//   platformpeer crash DIR   - install the crash handler and crash
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <csignal>

#include "platform/crash/icrashhandler.h"
#include "platform/singleinstance/isingleinstance.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() >= 3 && args[1] == "crash") {
        ICrashHandler::install(args[2], "Pelora");
        std::raise(SIGSEGV);
        return 0;
    }
    if (args.size() < 3) {
        return 2;
    }
    ISingleInstance instance(args[2]);
    if (args[1] == "send") {
        const bool running = instance.isRunning();
        const bool sent = instance.sendMessage(args.value(3), 5000);
        out << "running=" << running << " sent=" << sent << Qt::endl;
        return running ? 1 : 0;
    }
    if (instance.isRunning()) {
        out << "already running" << Qt::endl;
        return 1;
    }
    QObject::connect(&instance, &ISingleInstance::messageReceived, [&](const QString& message) {
        out << "message:" << message << Qt::endl;
        if (message == "quit") {
            app.quit();
        }
    });
    QTimer::singleShot(20000, &app, &QCoreApplication::quit);
    out << "ready" << Qt::endl;
    return app.exec();
}
