#include "iapplication.h"

#include <QDebug>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QTranslator>

#include "appdata.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/imsgbox.h"
#include "customui/kit/uiscale.h"
#include "mainframe.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"
#include "service/isettingsguard.h"

IApplication::IApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv), instance_(id)
{
    connect(&instance_, &ISingleInstance::messageReceived, this, &IApplication::messageReceived);
}

IApplication::~IApplication()
{
    // The window lives as long as the application; deleting it here keeps exit orderly.
    delete mainFrame_;
}

bool IApplication::isRunning() const
{
    return instance_.isRunning();
}

bool IApplication::sendMessage(const QString& message, int timeoutMs)
{
    return instance_.sendMessage(message, timeoutMs);
}

MainFrame* IApplication::mainFrame() const
{
    return mainFrame_;
}

QWidget* IApplication::mainWindow() const
{
    return mainFrame();
}

void IApplication::handleInstanceMessage(const QString& message)
{
    if (message != QLatin1String("raise_window_noop")) {
        return;
    }
    // The window may not exist yet (a second start during our own start-up).
    QWidget* window = mainFrame_;
    if (!window) {
        return;
    }
    if (window->isMinimized()) {
        window->showNormal();
    } else {
        window->activateWindow();
        window->raise();
    }
}

bool IApplication::notify(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            emit sgGMousePressEvent(static_cast<QMouseEvent*>(event)->globalPos());
            break;
        case QEvent::MouseButtonRelease:
            emit sgGMouseReleaseEvent(static_cast<QMouseEvent*>(event)->globalPos());
            break;
        case QEvent::MouseMove:
            emit sgGMouseMoveEvent(static_cast<QMouseEvent*>(event)->globalPos());
            break;
        default:
            break;
    }
    return QApplication::notify(receiver, event);
}

void IApplication::applyScreenScale()
{
    const QScreen* screen = primaryScreen();
    const QRect geometry = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
    const UiScaleFactors f = computeUiScale(geometry.width(), geometry.height());
    uiScaleX = f.x;
    uiScaleY = f.y;
    uiScale = f.uniform;
    qDebug() << "auto adjsize: " << uiScaleX << uiScaleY << uiScale << geometry.width()
             << geometry.height();
}

int IApplication::exec()
{
    if (!mainFrame_) {
        applyScreenScale();
        mainFrame_ = new MainFrame(this);
        IBoardService::instance()->attach(this);
        IBoardService::instance()->init();
        IConfigureService::instance()->attach(this);
        mainFrame_->initScene();
        waitProcessingEvents(1000);
    }
    // A termination signal during start-up has already closed the window.
    if (terminating_) {
        return 0;
    }
    if (IConfigureService::instance()->currentCamera.index == -1) {
        qDebug() << "not find device quit app.";
        return 0;
    }
    return QApplication::exec();
}

void IApplication::closeOnTermination(int signalNumber)
{
    qDebug() << "closing on termination signal" << signalNumber;
    terminating_ = true;
    if (mainFrame_) {
        mainFrame_->close();
    }
    exit(0);
}

bool loadLanguage(IApplication* app)
{
    // Before the first read: a damaged value would otherwise throw out of every access.
    ISettingsGuard::repair(IConfigureService::settingsFile());
    QSettings settings(IConfigureService::settingsFile(), QSettings::IniFormat);
    QString id = settings.value("lang/langid", "1033").toString();
    id.remove(QStringLiteral("LG_"));
    IConfigureService* config = IConfigureService::instance();
    config->setLangId(id);

    static QTranslator translator;
    const QString file = QCoreApplication::applicationDirPath() + "/Lang/" +
                         QString::number(config->langId().toInt()) + ".qm";
    const bool loaded = translator.load(file);
    if (loaded) {
        qDebug() << "install translator:" << app->installTranslator(&translator);
    }
    qDebug() << "language id:" << config->langId() << "file:" << file << "loaded:" << loaded;
    // The widget kit knows nothing of the configuration: it is told the language and the name.
    installFontSubstitutions(config->langId());
    IMsgBox::setInformationTitle(config->productName);
    return true;
}
