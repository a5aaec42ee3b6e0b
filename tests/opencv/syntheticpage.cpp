#include "syntheticpage.h"

#include <QPainter>
#include <QRect>
#include <QTransform>
#include <QVector>
#include <opencv2/core.hpp>

namespace {

constexpr int kPageWidth = 560;
constexpr int kPageHeight = 790;

void drawPageContent(QPainter& painter)
{
    const QRectF page(-kPageWidth / 2.0, -kPageHeight / 2.0, kPageWidth, kPageHeight);
    painter.fillRect(page, QColor(236, 236, 230));
    painter.fillRect(QRectF(page.topLeft() + QPointF(40, 40), QSizeF(70, 70)), QColor(20, 20, 20));
    // Text lines, clear of the corners so that the marker is the only dark corner.
    for (double y = 170; y < kPageHeight - 170; y += 28) {
        const double length = (static_cast<int>(y) % 3 == 0) ? 300 : 420;
        painter.fillRect(QRectF(page.left() + 70, page.top() + y, length, 9), QColor(50, 50, 60));
    }
}

// Gaussian noise on the colour channels, the same for a given seed.
void addNoise(QImage& frame, quint64 seed, double sigma)
{
    cv::Mat pixels(frame.height(), frame.width(), CV_8UC4, frame.bits(),
                   static_cast<size_t>(frame.bytesPerLine()));
    cv::Mat noise(pixels.size(), CV_16SC4);
    cv::RNG rng(seed);
    rng.fill(noise, cv::RNG::NORMAL, cv::Scalar::all(0), cv::Scalar(sigma, sigma, sigma, 0));
    cv::Mat noisy;
    pixels.convertTo(noisy, CV_16SC4);
    noisy += noise;
    noisy.convertTo(pixels, CV_8UC4);
}

}  // namespace

QSize syntheticPageSize()
{
    return QSize(kPageWidth, kPageHeight);
}

SyntheticPage drawSyntheticPage(const QSize& frameSize, const QPointF& centre, double angle,
                                quint64 seed)
{
    SyntheticPage page;
    page.frame = QImage(frameSize, QImage::Format_RGB32);
    page.frame.fill(QColor(45, 38, 32));

    QTransform toFrame;
    toFrame.translate(centre.x(), centre.y());
    toFrame.rotate(-angle);  // QTransform turns clockwise on screen for positive angles

    QPainter painter(&page.frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(toFrame);
    drawPageContent(painter);
    painter.end();
    addNoise(page.frame, seed, 8);

    const double w = kPageWidth / 2.0;
    const double h = kPageHeight / 2.0;
    page.topLeft = toFrame.map(QPointF(-w, -h));
    page.topRight = toFrame.map(QPointF(w, -h));
    page.bottomRight = toFrame.map(QPointF(w, h));
    page.bottomLeft = toFrame.map(QPointF(-w, h));
    return page;
}

QImage uniformFrame(const QSize& size, QRgb colour)
{
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(colour);
    return frame;
}

double meanGrey(const QImage& image, const QRect& area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            sum += qGray(image.pixel(x, y));
        }
    }
    return sum / (area.width() * area.height());
}

int darkCorner(const QImage& image)
{
    const int s = 150;
    const QVector<QRect> corners = {QRect(0, 0, s, s), QRect(image.width() - s, 0, s, s),
                                    QRect(image.width() - s, image.height() - s, s, s),
                                    QRect(0, image.height() - s, s, s)};
    int found = -1;
    for (int i = 0; i < corners.size(); ++i) {
        if (meanGrey(image, corners[i]) < 200) {
            if (found != -1) {
                return -1;
            }
            found = i;
        }
    }
    return found;
}
