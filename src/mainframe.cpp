#include "mainframe.h"

#include <QCloseEvent>
#include <QDebug>

#include "service/iconfigureservice.h"

MainFrame::MainFrame(IApplication* app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      app_(app)
{
    IConfigureService::instance()->readConfigure();
    setWindowTitle(IConfigureService::instance()->productName);
    qDebug() << "Windows MainFrame used!";
}

IBoard* MainFrame::board() const
{
    return board_;
}

void MainFrame::initScene() {}

void MainFrame::closeEvent(QCloseEvent* event)
{
    IConfigureService::instance()->writeConfigure();
    event->accept();
}
