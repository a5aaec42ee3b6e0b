#include "ocr/iocrprogressbar.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(int size)
{
    return static_cast<int>(size * uiScale);
}

}  // namespace

IOcrProgressBar::IOcrProgressBar(QWidget* parent) : ICustomDialog(parent)
{
    setCloseButtonVisible(false);
    auto* caption = new QLabel(tr("Start Recognizing..."), this);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(appFont(12, 50));
    caption->setStyleSheet(QStringLiteral("color:white;"));
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setTextVisible(true);
    bar_->setFixedSize(scaled(250), scaled(30));
    bar_->setStyleSheet(QStringLiteral(
        "QProgressBar {   border:none;   border-radius:8px;   text-align:center;   background: "
        "rgba(0, 0, 0, 200);   color: rgb(255, 255, 255);}QProgressBar::chunk {    background: "
        "rgb(0, 160, 230);    border-radius:8px;    margin:1px;}"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(scaled(20), scaled(20), scaled(20), scaled(20));
    column->setSpacing(scaled(10));
    column->addWidget(caption);
    column->addWidget(bar_);
}

void IOcrProgressBar::setValue(int percent)
{
    bar_->setValue(percent);
}

int IOcrProgressBar::value() const
{
    return bar_->value();
}

void IOcrProgressBar::showEvent(QShowEvent* event)
{
    bar_->setValue(0);
    adjustSize();
    QRect around;
    if (parentWidget()) {
        around = QRect(parentWidget()->mapToGlobal(QPoint(0, 0)), parentWidget()->size());
    } else if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) {
        around = screen->availableGeometry();
    } else if (QGuiApplication::primaryScreen()) {
        around = QGuiApplication::primaryScreen()->availableGeometry();
    }
    move(around.center() - rect().center());
    ICustomDialog::showEvent(event);
}
