#pragma once

#include <QByteArray>
#include <QString>

#include "Kvrptpif.h"

class QMutex;

namespace kavrotether {

class DeviceAdapter;
class DeviceAdapterData;

// The one way tests reach behind DeviceAdapter's surface: state that no
// interface call and no simulated camera can produce or show (the SDK lock
// held by someone else, what a worker left behind mid-flight, a corrupted
// device list). Everything else goes through the adapter's own surface and
// the simulator's control API.
class DeviceAdapterTestAccess
{
public:
    // The global SDK lock, to hold it while the adapter tries to take it.
    static QMutex &sdkLock(DeviceAdapter &adapter);

    // The shared device list the USB and network connects select from.
    static KVR_CONNECT_DEVICE_INFO deviceList(DeviceAdapter &adapter);
    // Damages the list as a faulty SDK could: a count beyond its capacity
    // and a first entry without a path.
    static void corruptDeviceList(DeviceAdapter &adapter, quint32 count);
    static int deviceLockCount(DeviceAdapter &adapter);

    // Live-view state the interface sets through calls that also start or
    // stop the manager.
    static bool liveViewOn(DeviceAdapter &adapter);
    static void setLiveViewOn(DeviceAdapter &adapter, bool on);
    static bool liveViewCameraChosen(DeviceAdapter &adapter);
    static void setMultiviewMode(DeviceAdapter &adapter, bool on);
    static int multiviewPage(DeviceAdapter &adapter);
    static void setMultiviewPage(DeviceAdapter &adapter, int splitMode, int page);
    // What the last live-view frame read left behind.
    struct FrameRead
    {
        int nextBuffer = 0;
        quint32 error = 0;
        quint32 firstJpegSize = 0;
        quintptr handedJpegSize = 0;
        quintptr handedError = 0;
    };
    static FrameRead lastFrameRead(DeviceAdapter &adapter);

    // Firmware update: the request the worker will hand to the SDK, and what
    // the SDK's status callback and the receiver's filter record meanwhile.
    struct FirmwareRequest
    {
        QByteArray path;
        quint32 pathLength = 0;
        quint32 fixedValue = 0;
        quint32 resetFlag = 0;
    };
    static FirmwareRequest firmwareRequest(DeviceAdapter &adapter);
    static void setFirmwareUpdateRunning(DeviceAdapter &adapter, const QString &uuid, bool running);
    static void setFirmwareOutcome(DeviceAdapter &adapter, quint32 dataFrame, quint8 result);
    static bool firmwareCameraLost(DeviceAdapter &adapter);

    // Values the readers of later settings will store; until they exist the
    // handlers that depend on them are driven from here.
    static void setFileTarget(DeviceAdapter &adapter, int target);
    static void setInitSetupTetherMode(DeviceAdapter &adapter, int mode);
    static int movieRecCounter(DeviceAdapter &adapter);
    static void setMovieRecCounter(DeviceAdapter &adapter, int count);
    static void setWbSetSpot(DeviceAdapter &adapter, qint32 x, qint32 y);
    static void setLanConnected(DeviceAdapter &adapter, bool connected);
    // The setting values, flags, counts and lists the capability readers
    // fill, so that the accessors can be checked against known contents.
    static DeviceAdapterData &settingStorage(DeviceAdapter &adapter);
};

} // namespace kavrotether
