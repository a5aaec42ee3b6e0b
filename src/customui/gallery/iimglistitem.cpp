#include "customui/gallery/iimglistitem.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "customui/kit/iappfont.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

}  // namespace

IImgListItem::IImgListItem(int number, const QImage& thumbnail, const QString& path,
                           int sourceWidth, QWidget* parent)
    : QWidget(parent), number_(number), path_(path), sourceWidth_(sourceWidth)
{
    setObjectName(QStringLiteral("gallery.entry.") + QFileInfo(path).fileName());
    initUi(thumbnail);
}

void IImgListItem::initUi(const QImage& thumbnail)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(180), scaled(110));

    numberLabel_ = new QLabel(QString::number(number_), this);
    numberLabel_->setFont(appFont(10, QFont::Bold));
    numberLabel_->setFixedWidth(scaled(24));
    numberLabel_->setAlignment(Qt::AlignCenter);
    numberLabel_->setStyleSheet(
        QStringLiteral("border:none;color:white;background-color:transparent;"));

    const int d = scaled(6);
    thumbnailLabel_ = new QLabel(this);
    thumbnailLabel_->setMargin(d / 2);
    thumbnailLabel_->setFixedSize(scaled(145), scaled(100));
    thumbnailLabel_->setStyleSheet(
        QStringLiteral("border-radius:%1px;background-color:white;").arg(d));
    if (!thumbnail.isNull()) {
        thumbnailLabel_->setPixmap(roundedPixmap(QPixmap::fromImage(thumbnail), d)
                                       .scaled(scaled(145) - d, scaled(100) - d,
                                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }

    checkLabel_ = new QLabel(this);
    checkLabel_->setAttribute(Qt::WA_TranslucentBackground);
    checkLabel_->setFixedSize(scaled(20), scaled(20));
    checkLabel_->setPixmap(
        QPixmap(QStringLiteral(":/root/root/rselect.svg"))
            .scaled(checkLabel_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    checkLabel_->move(scaled(40), height() - scaled(32));
    checkLabel_->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(numberLabel_);
    layout->addWidget(thumbnailLabel_);
}

QPixmap IImgListItem::roundedPixmap(const QPixmap& source, int d) const
{
    // The radius follows the width of the original picture; the thumbnail is a reduced copy, so
    // the radius shrinks with it.
    const int unit = (sourceWidth_ / qMax(1, scaled(145))) * d;
    const qreal radius =
        sourceWidth_ > 0 ? qreal(unit) * source.width() / qreal(sourceWidth_) : 0.0;
    QPixmap rounded(source.size());
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rounded.rect()), radius, radius, Qt::AbsoluteSize);
    painter.setClipPath(clip, Qt::ReplaceClip);
    painter.drawPixmap(0, 0, source);
    return rounded;
}

void IImgListItem::setChecked(bool checked)
{
    checked_ = checked;
    checkLabel_->setVisible(checked);
}

bool IImgListItem::isChecked() const
{
    return checked_;
}

void IImgListItem::setIndex(int number)
{
    number_ = number;
    numberLabel_->setText(QString::number(number));
}

int IImgListItem::index() const
{
    return number_;
}

QString IImgListItem::path() const
{
    return path_;
}
