#include <QApplication>
#include <QDebug>
#include <QIcon>

#include "appdata.h"
#include "diagnostics/ilivepathlog.h"
#include "diagnostics/iwidgetgeometry.h"
#include "iapplication.h"
#include "icommandline.h"
#include "mainframe.h"
#include "ocr/iocrlibraryloader.h"
#include "platform/crash/icrashhandler.h"
#include "platform/termination/iterminationwatcher.h"
#include "service/ilog.h"

int main(int argc, char* argv[])
{
    if (ICommandLine::wantsAnswer(argc, argv)) {
        return ICommandLine::answer(argc, argv);
    }
    IOcrLibraryLoader::limitEngineThreads(argv);
    // The program scales itself by uiScale; Qt's own high-DPI scaling stays off.
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    auto* app = new IApplication(QStringLiteral("Orvella"), argc, argv);
    if (app->isRunning()) {
        app->sendMessage(QStringLiteral("raise_window_noop"), 5000);
        delete app;
        return 1;
    }
    QObject::connect(app, &IApplication::messageReceived, app,
                     [app](const QString& message) { app->handleInstanceMessage(message); });
    qInstallMessageHandler(logMessageHandler);
    // The installed desktop file and icon carry this id; task bars and Wayland match on it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvella.Orvella"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/appicon/org.orvella.Orvella.svg")));
    ICrashHandler::install(appDataDir(QStringLiteral("dump")), QStringLiteral("Pelora"));
    auto* termination = new ITerminationWatcher(app);
    QObject::connect(termination, &ITerminationWatcher::sgTerminationRequested, app,
                     &IApplication::closeOnTermination);
    loadLanguage(app);
    IOcrLibraryLoader::preload();
    ILivePathLog::startFromEnvironment(app);
    IWidgetGeometry::startFromEnvironment(app);
    const int status = app->exec();
    delete app;
    return status;
}
