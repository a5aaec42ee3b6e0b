#include "iservice.h"

#include "iapplication.h"
#include "mainframe.h"

IService::IService(QObject* parent) : QObject(parent) {}

bool IService::attach(IApplication* app)
{
    application_ = app;
    if (application_) {
        mainFrame_ = application_->mainFrame();
    }
    if (mainFrame_) {
        board_ = mainFrame_->board();
    }
    return true;
}

IApplication* IService::application() const
{
    return application_;
}

MainFrame* IService::mainFrame() const
{
    return mainFrame_;
}

IBoard* IService::board() const
{
    return board_;
}
