#include "kittesthelpers.h"

#include <QApplication>
#include <QColor>
#include <QMouseEvent>
#include <QWidget>

namespace {

QStringList caught;
QtMessageHandler previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        caught << message;
    }
    if (previous) {
        previous(type, context, message);
    }
}

}  // namespace

WarningCatcher::WarningCatcher()
{
    caught.clear();
    previous = qInstallMessageHandler(collect);
}

WarningCatcher::~WarningCatcher()
{
    qInstallMessageHandler(previous);
}

QStringList WarningCatcher::warnings() const
{
    return caught;
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& local)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QImage grabImage(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool near(const QColor& a, const QColor& b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}
