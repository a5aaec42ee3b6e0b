#include "board/ui/icolorimage.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>

IColorImage::IColorImage() = default;

IColorImage* IColorImage::instance()
{
    // A window of its own, so it goes before the application does.
    static QPointer<IColorImage> image;
    if (!image) {
        image = new IColorImage;
        qAddPostRoutine([]() { delete image.data(); });
    }
    return image;
}

QImage IColorImage::renderImage(QSize size)
{
    setFixedSize(size);
    return grab().toImage();
}

void IColorImage::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    const int band = h / 5;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    QLinearGradient hues(0, h / 2.0, w, h / 2.0);
    hues.setColorAt(0, Qt::darkRed);
    hues.setColorAt(0.2, Qt::yellow);
    hues.setColorAt(0.4, Qt::green);
    hues.setColorAt(0.6, Qt::blue);
    hues.setColorAt(0.7, Qt::darkBlue);
    hues.setColorAt(0.9, Qt::magenta);
    hues.setColorAt(1, Qt::red);
    painter.setBrush(hues);
    painter.drawRect(rect());

    QLinearGradient light(0, 0, 0, band);
    light.setColorAt(0, QColor(255, 255, 255, 255));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(light);
    painter.drawRect(0, 0, w, band);

    QLinearGradient dark(0, h, 0, h - band);
    dark.setColorAt(0, QColor(0, 0, 0, 255));
    dark.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setBrush(dark);
    painter.drawRect(0, h - band, w, band);
}
