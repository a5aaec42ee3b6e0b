#ifndef PARAMETERPERCENT_H
#define PARAMETERPERCENT_H

#include "directshow/cameraparameterdata.h"

// Slider percentages 0 to 100 of a camera control and back, truncated like the device expects.
// A control whose maximum equals its minimum (the camera lacks it) has no range: its percentage
// is 0 and no value is ever sent for it.
bool hasRange(const CameraParameterEntry& entry);
int percentToValue(const CameraParameterEntry& entry, int percent);
int valueToPercent(const CameraParameterEntry& entry, int value);

class ICustomSlider;
// Enables the slider of a control the camera has; disables one it lacks, with a tool tip saying so.
void markSupported(ICustomSlider* slider, bool supported);

#endif  // PARAMETERPERCENT_H
