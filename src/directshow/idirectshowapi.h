#ifndef IDIRECTSHOWAPI_H
#define IDIRECTSHOWAPI_H

#include <QList>
#include <QSizeF>
#include <memory>

#include "directshow/cameraparameterdata.h"
#include "icamerainfo.h"

class IVideoDevice;

// Stateless queries about the video capture devices: which exist, which frame sizes one offers
// and the ranges and values of its controls. Every call enumerates afresh, in one order, and
// a device's index is its position in that order.
class IDirectShowApi {
public:
    // Clears `devices` and lists every capture device; false when there is none.
    static bool dxCameraDevices(QList<ICameraInfo>& devices);
    // Appends the distinct frame sizes of device `index`, sorted by width.
    static bool dxCameraSupportResolution(int index, QList<QSizeF>& sizes);
    // Fills `data` from device `index`.
    static bool dxCameraParameter(int index, CameraParameterData& data);
    // Opens the device at enumeration position `index`.
    static bool bindDevice(int index, std::unique_ptr<IVideoDevice>& device);

    // The two queries above on a device that is already open.
    static void deviceSupportResolution(IVideoDevice& device, QList<QSizeF>& sizes);
    static void deviceParameter(IVideoDevice& device, CameraParameterData& data);
};

#endif  // IDIRECTSHOWAPI_H
