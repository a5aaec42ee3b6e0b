#include "ivirtualscene.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <QStringList>
#include <QtMath>
#include <algorithm>

namespace {

const QColor kDesk(38, 40, 46);
const QColor kPaper(246, 245, 240);
const qreal kPageTilt = 4.0;  // degrees
const int kDefaultExposure = 250;
const int kDefaultContrast = 32;
const int kDefaultSaturation = 64;

const char* const kPageText[] = {
    "The camera sees the page from above.",      "Lines of text, a table and a drawing",
    "help to judge focus, exposure and colour.", "",
    "1. Place the document under the lens.",     "2. Adjust brightness and contrast.",
    "3. Take a photo or start a recording.",     "",
    "Quick brown foxes jump over lazy dogs.",    "0123456789  ABCDEFGHIJKLMNOPQRSTUVWXYZ",
};

int clampByte(int value)
{
    return std::clamp(value, 0, 255);
}

QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);  // photos taken upright but stored turned
    const QImage picture = reader.read();
    if (picture.isNull()) {
        qDebug().noquote() << "virtual camera picture unreadable: " << path << reader.errorString();
        return picture;
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

QStringList picturePaths(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir()) {
        return {path};
    }
    QStringList paths;
    const QDir folder(path);
    const QStringList names = folder.entryList(
        {QStringLiteral("*.png"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")},
        QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        paths << folder.filePath(name);
    }
    return paths;
}

}  // namespace

bool VirtualSceneSettings::operator==(const VirtualSceneSettings& other) const
{
    return brightness == other.brightness && contrast == other.contrast &&
           saturation == other.saturation && exposure == other.exposure && focus == other.focus &&
           autoExposure == other.autoExposure && autoFocus == other.autoFocus;
}

QList<QImage> IVirtualScene::picturesFor(int index)
{
    const QString entry =
        qEnvironmentVariable("ORVELLA_VIRTUAL_CAMERA_IMAGE").split(QLatin1Char(':')).value(index);
    if (entry.isEmpty()) {
        return {};
    }
    QList<QImage> pictures;
    for (const QString& path : picturePaths(entry)) {
        const QImage picture = readPicture(path);
        if (!picture.isNull()) {
            pictures << picture;
        }
    }
    if (pictures.isEmpty()) {
        qDebug().noquote() << "no picture for virtual camera " << index << " in " << entry
                           << ", showing the drawn page.";
    }
    return pictures;
}

void IVirtualScene::setPictures(const QList<QImage>& pictures)
{
    pictures_ = pictures;
    clock_.start();
    page_ = QImage();
}

int IVirtualScene::shownPicture() const
{
    if (pictures_.isEmpty()) {
        return -1;
    }
    return int((clock_.elapsed() / kPictureIntervalMs) % pictures_.size());
}

const QImage& IVirtualScene::frame(const QSize& size, const VirtualSceneSettings& settings,
                                   int counter)
{
    const int shown = shownPicture();
    if (page_.size() != size || shown != shown_) {
        shown_ = shown;
        if (shown < 0) {
            paintPage(size);
        } else {
            paintPicture(size);
        }
        applySettings(settings);
    } else if (settings != settings_) {
        applySettings(settings);
    }
    if (shown < 0) {
        paintCounter(counter);
    }
    return frame_;
}

// The picture scaled to fit, centred on the desk.
void IVirtualScene::paintPicture(const QSize& size)
{
    page_ = QImage(size, QImage::Format_RGB32);
    page_.fill(kDesk);
    const QImage& picture = pictures_[shown_];
    const QImage scaled = picture.size() == size
                              ? picture
                              : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&page_);
    painter.drawImage(
        QPoint((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2), scaled);
}

void IVirtualScene::paintPage(const QSize& size)
{
    page_ = QImage(size, QImage::Format_RGB32);
    page_.fill(kDesk);
    QPainter painter(&page_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal pageHeight = size.height() * 0.82;
    const qreal pageWidth = std::min(pageHeight / 1.414, size.width() * 0.8);
    painter.translate(size.width() / 2.0, size.height() * 0.46);
    painter.rotate(kPageTilt);
    const QRectF paper(-pageWidth / 2, -pageHeight / 2, pageWidth, pageHeight);
    painter.fillRect(paper, kPaper);

    const qreal margin = pageWidth * 0.08;
    const qreal line = pageHeight / 26;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(4, qRound(line * 1.3)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(20, 30, 90));
    qreal y = paper.top() + margin + line;
    painter.drawText(QPointF(paper.left() + margin, y), QStringLiteral("Orvella test page"));
    y += line * 1.6;
    font.setBold(false);
    font.setPixelSize(std::max(3, qRound(line * 0.62)));
    painter.setFont(font);
    painter.setPen(QColor(25, 25, 25));
    for (const char* text : kPageText) {
        painter.drawText(QPointF(paper.left() + margin, y), QString::fromLatin1(text));
        y += line;
    }
    // A colour bar and a drawing, for the saturation and focus controls.
    const qreal barWidth = (pageWidth - 2 * margin) / 4;
    const QColor bars[] = {QColor(200, 40, 40), QColor(40, 160, 60), QColor(40, 70, 200),
                           QColor(230, 180, 30)};
    for (int i = 0; i < 4; ++i) {
        painter.fillRect(QRectF(paper.left() + margin + i * barWidth, y, barWidth, line * 1.5),
                         bars[i]);
    }
    y += line * 2.5;
    painter.setPen(QPen(QColor(25, 25, 25), std::max(1.0, line / 10)));
    painter.drawRect(QRectF(paper.left() + margin, y, pageWidth - 2 * margin, line * 5));
    painter.drawEllipse(QPointF(paper.center().x(), y + line * 2.5), line * 2, line * 2);
}

void IVirtualScene::applySettings(const VirtualSceneSettings& settings)
{
    settings_ = settings;
    QImage source = page_;
    if (!settings.autoFocus) {
        // Out of focus: a blur that grows with the distance from the sharp position.
        const qreal distance = std::abs(settings.focus - kSharpFocus) / qreal(kSharpFocus);
        const qreal factor = 1.0 + distance * page_.width() / 120.0;
        if (factor > 1.05) {
            const QSize small(std::max(1, qRound(page_.width() / factor)),
                              std::max(1, qRound(page_.height() / factor)));
            source = page_.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .scaled(page_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
        }
    }
    const qreal gain = settings.autoExposure
                           ? 1.0
                           : std::clamp(settings.exposure / qreal(kDefaultExposure), 0.1, 4.0);
    const qreal contrast = settings.contrast / qreal(kDefaultContrast);
    const qreal offset = settings.brightness * 1.5;
    uchar lut[256];
    for (int v = 0; v < 256; ++v) {
        lut[v] = static_cast<uchar>(clampByte(qRound((v * gain - 128) * contrast + 128 + offset)));
    }
    const int saturation = settings.saturation * 256 / kDefaultSaturation;
    adjusted_ = QImage(page_.size(), QImage::Format_RGB32);
    for (int row = 0; row < page_.height(); ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* out = reinterpret_cast<QRgb*>(adjusted_.scanLine(row));
        for (int x = 0; x < page_.width(); ++x) {
            const int r = lut[qRed(in[x])];
            const int g = lut[qGreen(in[x])];
            const int b = lut[qBlue(in[x])];
            const int grey = (r * 77 + g * 150 + b * 29) >> 8;
            out[x] = qRgb(clampByte(grey + (((r - grey) * saturation) / 256)),
                          clampByte(grey + (((g - grey) * saturation) / 256)),
                          clampByte(grey + (((b - grey) * saturation) / 256)));
        }
    }
    frame_ = adjusted_.copy();
    counterRect_ = QRect();
}

void IVirtualScene::paintCounter(int counter)
{
    QPainter painter(&frame_);
    if (!counterRect_.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(counterRect_, adjusted_, counterRect_);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    const int height = std::max(8, frame_.height() / 22);
    const int width = height * 4;
    const int margin = height / 3;
    const int track = std::max(1, frame_.width() - width - 2 * margin);
    const int x = margin + (counter * std::max(1, frame_.width() / 150)) % track;
    counterRect_ = QRect(x, frame_.height() - height - margin, width, height);
    painter.fillRect(counterRect_, QColor(10, 10, 10));
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPixelSize(std::max(4, height * 3 / 4));
    painter.setFont(font);
    painter.setPen(QColor(90, 230, 120));
    painter.drawText(counterRect_, Qt::AlignCenter,
                     QStringLiteral("%1").arg(counter % 1000000, 6, 10, QLatin1Char('0')));
}
