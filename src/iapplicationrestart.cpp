// The application object: restarting the program (a new interface language).
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "appdata.h"
#include "customui/kit/imsgbox.h"
#include "iapplication.h"
#include "mainframe.h"

void IApplication::setLauncher(Launcher launcher)
{
    launcher_ = std::move(launcher);
}

bool IApplication::restart()
{
    const QString program = applicationFilePath();
    if (!QFileInfo(program).isExecutable()) {
        qDebug() << "restart: program cannot be started:" << program;
        return false;
    }
    // The window goes first: its shutdown writes the settings and frees the cameras, which
    // the new process needs.
    if (mainFrame_ && mainFrame_->isVisible() && !mainFrame_->close()) {
        qDebug() << "restart: main window refused to close";
        return false;
    }
    waitProcessingEvents(500);
    instance_.release();
    const QStringList args = arguments().mid(1);
    const bool started = launcher_ ? launcher_(program, args, QDir::currentPath())
                                   : QProcess::startDetached(program, args, QDir::currentPath());
    qDebug() << "restart:" << program << args << "started:" << started;
    if (!started) {
        IMsgBox::information(tr("The software could not be restarted. Please start it again."));
    }
    exit(0);
    return true;
}
