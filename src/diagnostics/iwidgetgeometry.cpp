#include "diagnostics/iwidgetgeometry.h"

#include <QApplication>
#include <QDebug>
#include <QSaveFile>
#include <QWidget>

#include "customui/kit/ifreezonewidget.h"

namespace {

constexpr int kWriteDelayMs = 50;

QString line(const QString& name, const QRect& global)
{
    return QStringLiteral("%1 %2 %3 %4 %5\n")
        .arg(name)
        .arg(global.x())
        .arg(global.y())
        .arg(global.width())
        .arg(global.height());
}

}  // namespace

IWidgetGeometry* IWidgetGeometry::startFromEnvironment(QObject* parent)
{
    const QString path = qEnvironmentVariable("ORVELLA_TEST_GEOMETRY");
    return path.isEmpty() ? nullptr : new IWidgetGeometry(path, parent);
}

IWidgetGeometry::IWidgetGeometry(const QString& path, QObject* parent)
    : QObject(parent), path_(path)
{
    pending_.setSingleShot(true);
    pending_.setInterval(kWriteDelayMs);
    connect(&pending_, &QTimer::timeout, this, &IWidgetGeometry::write);
    qApp->installEventFilter(this);
    qDebug().noquote() << "widget geometry goes to" << path_;
}

bool IWidgetGeometry::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
            // Not restarted by further events: a widget that keeps changing still gets written.
            if (watched->isWidgetType() && !pending_.isActive()) {
                pending_.start();
            }
            break;
        default:
            break;
    }
    return false;
}

void IWidgetGeometry::write()
{
    QString text;
    for (const QWidget* widget : QApplication::allWidgets()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !widget->isVisible()) {
            continue;
        }
        text += line(name, QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
        if (const auto* layer = qobject_cast<const IFreeZoneWidget*>(widget)) {
            text += line(name + ".zone", layer->globalZoneRect());
        }
    }
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        qDebug().noquote() << "widget geometry not written to" << path_ << file.errorString();
    }
}
