#include "simdocumentpicture.h"

#include <QBuffer>
#include <QPainter>
#include <QTransform>

namespace {

const char* const kLines[] = {
    "Quarterly report",
    "The wireless document camera streams",
    "H.264 over RTSP and answers a small",
    "binary control protocol on TCP.",
    "",
    "1. Bind with FF FF FF FF",
    "2. Query encoding and quality",
    "3. Take a full-resolution picture",
};

void drawPage(QPainter& painter, const QSize& size)
{
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(40, 44, 52));
    const qreal w = size.width();
    const qreal h = size.height();
    QTransform turn;
    turn.translate(w / 2, h / 2);
    turn.rotate(-4);
    turn.translate(-w / 2, -h / 2);
    painter.setTransform(turn);
    const QRectF sheet(w * 0.2, h * 0.1, w * 0.6, h * 0.8);
    painter.fillRect(sheet, Qt::white);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(qMax(6, int(h / 30)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    qreal y = sheet.top() + h / 12;
    for (const char* line : kLines) {
        painter.drawText(QPointF(sheet.left() + w / 30, y), QString::fromLatin1(line));
        y += h / 18;
    }
    painter.resetTransform();
}

}  // namespace

const QImage& SimDocumentPicture::page(const QSize& size)
{
    if (page_.size() != size) {
        page_ = QImage(size, QImage::Format_RGB32);
        QPainter painter(&page_);
        painter.setRenderHint(QPainter::Antialiasing);
        drawPage(painter, size);
    }
    return page_;
}

QImage SimDocumentPicture::frame(const QSize& size, int number)
{
    QImage picture = page(size).copy();
    QPainter painter(&picture);
    const int box = qMax(8, size.height() / 12);
    const QRect corner(size.width() - 3 * box, size.height() - box - 4, 3 * box - 4, box);
    painter.fillRect(corner, QColor(255, 200, 0));
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(qMax(6, box * 3 / 4));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(corner, Qt::AlignCenter, QString::number(number));
    return picture;
}

QByteArray SimDocumentPicture::jpeg(const QSize& size)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    page(size).save(&buffer, "JPG", 85);
    return data;
}
