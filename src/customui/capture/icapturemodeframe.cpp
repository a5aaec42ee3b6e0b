#include "customui/capture/icapturemodeframe.h"

#include <QButtonGroup>
#include <QDebug>
#include <QRadioButton>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"
#include "customui/shell/icameratoolbar.h"
#include "customui/shell/ipanelhost.h"
#include "service/iconfigureservice.h"

namespace {

constexpr char kFlag[] = "flag";

}  // namespace

ICaptureModeFrame::ICaptureModeFrame(IApplication* app, QWidget* parent)
    : ICustomWidget(parent), app_(app)
{
    CreateUI();
    setRoundedBackground(true);
}

void ICaptureModeFrame::CreateUI()
{
    auto* layout = new QVBoxLayout(this);
    const int margin = static_cast<int>(20 * uiScale);
    layout->setContentsMargins(margin, margin, margin, margin);
    QRadioButton* sound = createRadioButton(kSoundFlag, tr("拍照提示音"));
    sound->setObjectName(QStringLiteral("capturemode.sound"));
    // The switch is not one of the modes: it checks and unchecks on its own.
    sound->setAutoExclusive(false);
    sound->setChecked(IConfigureService::instance()->photoSound);
    layout->addWidget(sound);
    const QStringList texts = {tr("Default"),
                               tr("Screen Capture"),
                               tr("Partial screen capture"),
                               tr("Timing capture"),
                               tr("Time-lapse"),
                               tr("Screen capture to clipboard"),
                               tr("Black white capture"),
                               tr("Gray capture")};
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    const char* const names[] = {"default",   "screen",    "partial",    "timing",
                                 "timelapse", "clipboard", "blackwhite", "gray"};
    for (int flag = 0; flag < texts.size(); ++flag) {
        QRadioButton* button = createRadioButton(flag, texts.at(flag));
        button->setObjectName("capturemode." + QLatin1String(names[flag]));
        group->addButton(button);
        layout->addWidget(button);
    }
    buttons_.value(DefaultCapture)->setChecked(true);
    adjustSize();
}

QRadioButton* ICaptureModeFrame::createRadioButton(QVariant flag, QString text)
{
    QRadioButton* button = newRadioButton(text, this);
    button->setFont(appFont(14, 87));
    button->setProperty(kFlag, flag);
    connect(button, &QRadioButton::clicked, this, &ICaptureModeFrame::slButtonClick);
    buttons_.insert(flag.toInt(), button);
    return button;
}

void ICaptureModeFrame::slButtonClick(bool checked)
{
    auto* button = qobject_cast<QRadioButton*>(sender());
    if (!button) {
        return;
    }
    const int flag = button->property(kFlag).toInt();
    if (flag == kSoundFlag) {
        IConfigureService* config = IConfigureService::instance();
        config->photoSound = checked;
        config->setValue(QStringLiteral("photo/sound"), checked);
        return;
    }
    mode_ = flag;
    qDebug() << "capture mode:" << mode_;
    emit sgButtonClick(CaptureMode(mode_));
}

void ICaptureModeFrame::setMode(int mode)
{
    QRadioButton* button = mode == kSoundFlag ? nullptr : buttons_.value(mode);
    if (!button) {
        qDebug() << "no capture mode" << mode;
        return;
    }
    button->setChecked(true);
    mode_ = mode;
}

void ICaptureModeFrame::showPanel(bool show)
{
    IPanelHost::showBeside(this, show, anchor_, ICameraToolBar::PhotoMode,
                           IPanelHost::kAboveCameraButton);
}
