#include "customui/camera/ipixrateframe.h"

#include <QDebug>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"
#include "customui/shell/ipanelhost.h"
#include "customui/shell/itoolbarbase.h"
#include "icamera.h"
#include "service/iconfigureservice.h"

namespace {

constexpr char kPixRate[] = "pixrate";
// The camera toolbar's Resolution button.
constexpr int kResolutionButton = 2;

bool sameSize(const QSizeF& a, const QSizeF& b)
{
    return qFuzzyCompare(a.width(), b.width()) && qFuzzyCompare(a.height(), b.height());
}

}  // namespace

IPixRateFrame::IPixRateFrame(IApplication* app, QWidget* parent) : ICustomWidget(parent), app_(app)
{
    setRoundedBackground(true);
}

QSizeF IPixRateFrame::sizeOf(const QRadioButton* button)
{
    return button->property(kPixRate).toSizeF();
}

void IPixRateFrame::showPanel(bool show)
{
    IPanelHost::showBeside(this, show, anchor_, kResolutionButton, IPanelHost::kAboveCameraButton);
}

void IPixRateFrame::reload()
{
    clearButtons();
    if (!layout_) {
        layout_ = new QVBoxLayout(this);
        const int margin = static_cast<int>(20 * uiScale);
        layout_->setContentsMargins(margin, margin, margin, margin);
    }
    const QSizeF configured = IConfigureService::instance()->cameraResolution();
    bool checked = false;
    for (const QSizeF& size : ICamera::instance()->supportedResolutions()) {
        QRadioButton* button = createRadioButton(size);
        if (!checked && sameSize(size, configured)) {
            button->setChecked(true);
            checked = true;
        }
        layout_->addWidget(button);
    }
    if (!checked && !buttons_.isEmpty()) {
        buttons_.first()->setChecked(true);
    }
    qDebug() << "resolution panel:" << buttons_.size() << "sizes, configured" << configured;
    adjustSize();
}

void IPixRateFrame::clearButtons()
{
    // A reload may run inside a button's own click: the buttons go once that has returned.
    for (QRadioButton* button : qAsConst(buttons_)) {
        layout_->removeWidget(button);
        button->hide();
        button->disconnect(this);
        button->setAutoExclusive(false);
        button->deleteLater();
    }
    buttons_.clear();
}

QRadioButton* IPixRateFrame::createRadioButton(QSizeF size)
{
    auto* button =
        newRadioButton(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()), this);
    button->setFont(appFont(14, 87));
    button->setProperty(kPixRate, size);
    buttons_.append(button);
    connect(button, &QRadioButton::clicked, this, &IPixRateFrame::slButtonClick);
    return button;
}

void IPixRateFrame::slButtonClick()
{
    if (auto* button = qobject_cast<QRadioButton*>(sender())) {
        apply(button);
    }
}

void IPixRateFrame::apply(QRadioButton* button)
{
    const QSizeF size = sizeOf(button);
    qDebug() << "resolution chosen:" << size;
    showPanel(false);
    ICamera::instance()->setResolution(size);
}

bool IPixRateFrame::offers(const QSizeF& size) const
{
    return std::any_of(buttons_.cbegin(), buttons_.cend(),
                       [&](const QRadioButton* b) { return sameSize(sizeOf(b), size); });
}

bool IPixRateFrame::setResolution(QSizeF size, bool silent)
{
    if (buttons_.isEmpty()) {
        return false;
    }
    auto found = std::find_if(buttons_.cbegin(), buttons_.cend(),
                              [&](const QRadioButton* b) { return sameSize(sizeOf(b), size); });
    const bool matched = found != buttons_.cend();
    if (!matched) {
        qDebug() << "resolution not offered by the camera:" << size;
    }
    QRadioButton* button = matched ? *found : buttons_.first();
    button->setChecked(true);
    if (!silent) {
        apply(button);
    }
    return matched;
}
