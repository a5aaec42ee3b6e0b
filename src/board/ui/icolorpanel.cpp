#include "board/ui/icolorpanel.h"

#include <QDebug>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "board/ui/icolorimage.h"
#include "customui/kit/uiscale.h"

IColorPanel::IColorPanel(QWidget* parent) : IBaseWidget(tr("Color Panel"), true, parent)
{
    setMovable(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlag(Qt::FramelessWindowHint);
    picture_ = IColorImage::instance()->renderImage(
        QSize(static_cast<int>(500 * uiScaleX), static_cast<int>(300 * uiScaleY)));

    button_ = new QToolButton(this);
    button_->setStyleSheet(QStringLiteral("border:none;"));
    button_->setIcon(QIcon(QPixmap::fromImage(picture_)));
    button_->setIconSize(picture_.size());
    button_->setFixedSize(picture_.size());
    // The colour comes from where the click landed, so it is read on the release itself.
    button_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(static_cast<int>(10 * uiScale),
                               static_cast<int>(30 * uiScaleY) + static_cast<int>(10 * uiScale),
                               static_cast<int>(10 * uiScale), static_cast<int>(10 * uiScale));
    layout->addWidget(button_);
    adjustSize();
}

QColor IColorPanel::colorAt(const QPoint& pos) const
{
    // The picture sits centred in its button.
    const QPoint inPicture = pos - QPoint((button_->width() - picture_.width()) / 2,
                                          (button_->height() - picture_.height()) / 2);
    if (!picture_.rect().contains(inPicture)) {
        return QColor();
    }
    return picture_.pixelColor(inPicture);
}

bool IColorPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == button_ && event->type() == QEvent::MouseButtonRelease) {
        pick(*static_cast<QMouseEvent*>(event));
    }
    return IBaseWidget::eventFilter(watched, event);
}

void IColorPanel::pick(const QMouseEvent& release)
{
    if (release.button() != Qt::LeftButton) {
        return;
    }
    const QColor colour = colorAt(release.pos());
    if (colour.isValid()) {
        emit sgChangeColor(true, colour);
    } else {
        qDebug() << "spectrum click outside the picture:" << release.pos();
    }
}

void IColorPanel::openPanel()
{
    raise();
    exec();
}
