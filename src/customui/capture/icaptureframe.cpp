#include "customui/capture/icaptureframe.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QMouseEvent>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/uiscale.h"
#include "service/iconfigureservice.h"

ICaptureFrame::ICaptureFrame(IApplication* app, QWidget* parent)
    : IFreeZoneWidget(parent), app_(app)
{
    CreateUI();
}

void ICaptureFrame::CreateUI()
{
    bar_ = new QWidget(this);
    back_ = createButton(Back, tr("Back"), QStringLiteral(":/title/title/tcloseclick.svg"),
                         QStringLiteral(":/title/title/tclosenormal.svg"));
    select_ = createButton(Select, tr("Select"), QStringLiteral(":/root/root/rdnormal.svg"),
                           QStringLiteral(":/root/root/rdclick.svg"));
    auto* layout = new QHBoxLayout(bar_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(back_);
    layout->addWidget(select_);
    bar_->adjustSize();
    bar_->hide();
}

IIToolButton* ICaptureFrame::createButton(int data, const QString& toolTip, const QString& normal,
                                          const QString& pressed)
{
    auto* button = new IIToolButton(data, toolTip, normal, pressed, 20, false, 40, 40, 8, bar_);
    button->setCursor(Qt::ArrowCursor);
    button->nameAfterId(QStringLiteral("partial"), QMetaEnum::fromType<Action>());
    connect(button, &IIToolButton::sgButtonClick, this, &ICaptureFrame::onButtonClick);
    return button;
}

void ICaptureFrame::onButtonClick(bool, QVariant data)
{
    if (data.toInt() == Back) {
        showPanel(false);
        return;
    }
    IConfigureService::instance()->freeCaptureRect = parentWidget() ? zoneRect() : globalZoneRect();
    qDebug() << "partial capture:" << IConfigureService::instance()->freeCaptureRect;
    showPanel(false);
    emit sgCaptureRequested();
}

void ICaptureFrame::showPanel(bool show)
{
    emit sgActiveChanged(show);
    const QRect stored = IConfigureService::instance()->freeCaptureRect;
    if (stored.size().isNull()) {
        setZoneSize(QSize(static_cast<int>(800 * uiScale), static_cast<int>(600 * uiScale)));
    } else {
        setZoneRect(stored);
    }
    setVisible(show);
    if (show) {
        raise();
        setFocus();
    }
    placeButtonBar(show);
}

void ICaptureFrame::placeButtonBar(bool show)
{
    if (show) {
        setZoneEditing(true);
        const QRect zone = zoneRect();
        int x = zone.right() - 2 - bar_->width();
        if (x < 0) {
            x = zone.left() + 2;
        }
        bar_->move(x, zone.bottom() - 2 - bar_->height());
    }
    bar_->setVisible(show);
}

void ICaptureFrame::mousePressEvent(QMouseEvent* event)
{
    if (!isZoneEditing()) {
        return;
    }
    IFreeZoneWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && hitType() != NoHit) {
        placeButtonBar(false);
    }
}

void ICaptureFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isZoneEditing()) {
        return;
    }
    IFreeZoneWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        placeButtonBar(true);
    }
}
