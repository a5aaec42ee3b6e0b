#ifndef IAPPLICATION_H
#define IAPPLICATION_H

#include <QApplication>
#include <QPoint>
#include <QStringList>
#include <functional>

#include "platform/singleinstance/isingleinstance.h"

class MainFrame;

// The application object: one instance per login session, the global mouse relay, and the
// start-up that builds the main window and decides whether a camera was found.
class IApplication : public QApplication {
    Q_OBJECT
public:
    IApplication(const QString& id, int& argc, char** argv);
    ~IApplication() override;

    bool isRunning() const;
    bool sendMessage(const QString& message, int timeoutMs);

    int exec();
    bool notify(QObject* receiver, QEvent* event) override;
    virtual MainFrame* mainFrame() const;
    // The main window as a plain widget, for code that only needs a place to anchor to.
    QWidget* mainWindow() const;

    // Restores or raises the main window when `message` is "raise_window_noop".
    void handleInstanceMessage(const QString& message);

    // Starts a program detached (program, arguments, working folder); true when it started.
    using Launcher = std::function<bool(const QString&, const QStringList&, const QString&)>;
    void setLauncher(Launcher launcher);
    // Starts this program again with its arguments and ends this one: the main window closes,
    // the single-instance lock is let go, then the new process starts. False, and still
    // running with the window open, when the program file cannot be started at all.
    bool restart();
    // Ends the program in its usual order on a termination signal (logout, shutdown, `kill`):
    // the main window closes, then every event loop ends.
    void closeOnTermination(int signalNumber);

signals:
    void sgGMouseMoveEvent(QPoint pos);
    void sgGMousePressEvent(QPoint pos);
    void sgGMouseReleaseEvent(QPoint pos);
    void messageReceived(const QString& message);

private:
    void applyScreenScale();

    ISingleInstance instance_;
    Launcher launcher_;
    MainFrame* mainFrame_ = nullptr;
    bool terminating_ = false;
};

// Loads "Lang/<id>.qm" beside the program for the configured language; always true.
bool loadLanguage(IApplication* app);

#endif  // IAPPLICATION_H
