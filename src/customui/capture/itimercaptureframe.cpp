#include "customui/capture/itimercaptureframe.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "appdata.h"
#include "customui/capture/itimercapturecontrolframe.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(int pixels)
{
    return static_cast<int>(pixels * uiScale);
}

QHBoxLayout* labelRow(const QString& text, QLineEdit* field, const QString& unit, QWidget* parent)
{
    auto* row = new QHBoxLayout;
    QLabel* label = newLabel(text, parent);
    label->setFixedWidth(scaled(150));
    row->addWidget(label);
    row->addWidget(field);
    row->addWidget(newLabel(unit, parent));
    return row;
}

}  // namespace

ITimerCaptureFrame::ITimerCaptureFrame(IApplication* app, QWidget* parent)
    : ICustomDialog(parent), app_(app)
{
    CreateUI();
    setRoundedBackground(true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

QLineEdit* ITimerCaptureFrame::createField()
{
    auto* field = new QLineEdit(this);
    field->setFont(appFont(12, 50));
    field->setStyleSheet(QStringLiteral("border:none;border-radius:%1px;").arg(6 * uiScale));
    field->setMaxLength(2);
    // One or two digits, 1 to 99.
    field->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("^[1-9][0-9]?$")), field));
    field->setPlaceholderText(tr("Please input integer greater than 0."));
    // Wide enough for the hint in every language.
    const int hint = field->fontMetrics().horizontalAdvance(field->placeholderText());
    field->setFixedSize(qMax(scaled(230), hint + scaled(16)), scaled(35));
    return field;
}

void ITimerCaptureFrame::CreateUI()
{
    interval_ = createField();
    pages_ = createField();
    auto* confirm = new IIToolButton(2, tr("Confirm"), 100, 40, 1, false, this);
    auto* cancel = new IIToolButton(1, tr("Cancel"), 100, 40, 1, false, this);
    interval_->setObjectName(QStringLiteral("timing.interval"));
    pages_->setObjectName(QStringLiteral("timing.pages"));
    confirm->setObjectName(QStringLiteral("timing.confirm"));
    cancel->setObjectName(QStringLiteral("timing.cancel"));
    const int wanted = cancel->fontMetrics().horizontalAdvance(cancel->text()) + scaled(16);
    if (cancel->width() < wanted) {
        cancel->setFixedWidth(wanted);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaled(20), scaled(20), scaled(20), scaled(20));
    layout->setSpacing(scaled(20));
    layout->addLayout(labelRow(tr("Interval Time"), interval_, tr("S", "seconds"), this));
    layout->addLayout(labelRow(tr("Capture Pages"), pages_, tr("P", "pictures"), this));
    layout->addSpacing(scaled(20));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    adjustSize();

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &ITimerCaptureFrame::slTimerout);
    connect(cancel, &IIToolButton::clicked, this, [this]() { openSettings(false); });
    connect(confirm, &IIToolButton::clicked, this, &ITimerCaptureFrame::confirmSettings);

    control_ = new ITimerCaptureControlFrame(app_, parentWidget());
    control_->CreateUI();
    control_->setRoundedBackground(true);
    control_->hide();
    connect(control_, &ITimerCaptureControlFrame::sgAction, this, &ITimerCaptureFrame::onControl);
}

void ITimerCaptureFrame::setAnchor(const IToolBarBase* bar)
{
    control_->setAnchor(bar);
}

bool ITimerCaptureFrame::isTimerActive() const
{
    return timer_->isActive();
}

void ITimerCaptureFrame::openSettings(bool open)
{
    if (!open) {
        interval_->clear();
        pages_->clear();
        accept();
        return;
    }
    if (pages_->text().toInt() > 0) {
        qDebug() << "timing capture already configured";
        return;
    }
    interval_->clear();
    pages_->clear();
    if (QWidget* parent = parentWidget()) {
        const QRect area = parent->window()->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    activateWindow();
    interval_->setFocus();
    exec();
}

void ITimerCaptureFrame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirmSettings();
        return;
    }
    ICustomDialog::keyPressEvent(event);
}

void ITimerCaptureFrame::confirmSettings()
{
    if (interval_->text().isEmpty() || pages_->text().isEmpty()) {
        return;
    }
    accept();
    timer_->setInterval(interval_->text().toInt() * secondMs_);
    paused_ = false;
    timer_->start();
    qDebug() << "timing capture:" << pages_->text() << "pages every" << interval_->text() << "s";
    control_->showControl(true, pages_->text().toInt());
}

void ITimerCaptureFrame::slTimerout()
{
    timer_->stop();
    emit sgCaptureRequested();
}

void ITimerCaptureFrame::countPicture(bool running)
{
    if (!running) {
        return;
    }
    const int left = pages_->text().toInt();
    pages_->setText(QString::number(left - 1));
    control_->increaseCount();
    if (left <= 1) {
        waitProcessingEvents(200);
        control_->hide();
        timer_->stop();
        return;
    }
    startTimer();
}

void ITimerCaptureFrame::skipPicture()
{
    if (isCapturing()) {
        qDebug() << "timing capture: picture lost, waiting for the next one";
        startTimer();
    }
}

void ITimerCaptureFrame::startTimer()
{
    if (!paused_) {
        timer_->start();
    }
}

void ITimerCaptureFrame::stopCapture()
{
    paused_ = false;
    timer_->stop();
    pages_->setText(QStringLiteral("0"));
    control_->hide();
}

bool ITimerCaptureFrame::isCapturing() const
{
    // Shown explicitly: a minimised window keeps counting.
    return !control_->isHidden();
}

void ITimerCaptureFrame::onControl(int action)
{
    switch (action) {
        case ITimerCaptureControlFrame::Start:
            paused_ = false;
            timer_->start();
            break;
        case ITimerCaptureControlFrame::Halt:
            paused_ = true;
            timer_->stop();
            break;
        default:
            stopCapture();
            break;
    }
}
