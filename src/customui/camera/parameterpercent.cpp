#include "customui/camera/parameterpercent.h"

#include <QCoreApplication>
#include <QtGlobal>

#include "customui/kit/icustomslider.h"

bool hasRange(const CameraParameterEntry& entry)
{
    return entry.maximum.toInt() != entry.minimum.toInt();
}

int percentToValue(const CameraParameterEntry& entry, int percent)
{
    const float minimum = static_cast<float>(entry.minimum.toInt());
    const float span = static_cast<float>(entry.maximum.toInt()) - minimum;
    return static_cast<int>(minimum + static_cast<float>(percent) / 100.0f * span);
}

int valueToPercent(const CameraParameterEntry& entry, int value)
{
    if (!hasRange(entry)) {
        return 0;
    }
    const int minimum = entry.minimum.toInt();
    const float span = static_cast<float>(entry.maximum.toInt() - minimum);
    // A value outside the advertised range still lands on the slider.
    return qBound(0, static_cast<int>(static_cast<float>(value - minimum) / span * 100.0f), 100);
}

void markSupported(ICustomSlider* slider, bool supported)
{
    slider->setEnabled(supported);
    slider->setToolTip(
        supported ? QString()
                  : QCoreApplication::translate("ICustomSlider", "not supported by this camera"));
}
