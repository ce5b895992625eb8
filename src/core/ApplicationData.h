#pragma once

#include <functional>

namespace kavrotether {

class ApplicationSettings;
class DeviceAdapter;
class FlashAdapter;
class Utilities;
class ObjectCopy;
class VersionData;
class PreviewImageInfo;

// Where back-end classes find the application-wide objects. Filled once by
// start-up on the GUI thread before any other thread exists and never changed
// afterwards, so every thread may read it without a lock.
class ApplicationData
{
public:
    ApplicationData() = delete;

    static void setApplicationSettings(ApplicationSettings *p) { pApplicationSettings = p; }
    static ApplicationSettings *getApplicationSettings() { return pApplicationSettings; }
    static void setDeviceAdapter(DeviceAdapter *p) { pDeviceAdapter = p; }
    static DeviceAdapter *getDeviceAdapter() { return pDeviceAdapter; }
    static void setFlashAdapter(FlashAdapter *p) { pFlashAdapter = p; }
    static FlashAdapter *getFlashAdapter() { return pFlashAdapter; }
    static void setUtilities(Utilities *p) { pUtilities = p; }
    static Utilities *getUtilities() { return pUtilities; }
    static void setObjectCopy(ObjectCopy *p) { pObjectCopy = p; }
    static ObjectCopy *getObjectCopy() { return pObjectCopy; }
    static void setVersionData(VersionData *p) { pVersionData = p; }
    static VersionData *getVersionData() { return pVersionData; }
    static void setPreviewImageInfo(PreviewImageInfo *p) { pPreviewImageInfo = p; }
    static PreviewImageInfo *getPreviewImageInfo() { return pPreviewImageInfo; }

    // Every message core shows and takes down is reported here, so that the
    // camera side can hold back what would disturb it; start-up connects the
    // listener, so core needs no camera header.
    static void setMessageDisplayedListener(std::function<void(bool on)> listener)
    {
        messageDisplayedListener = std::move(listener);
    }
    static void messageDisplayed(bool on)
    {
        if (messageDisplayedListener)
            messageDisplayedListener(on);
    }

private:
    static inline ApplicationSettings *pApplicationSettings = nullptr;
    static inline DeviceAdapter *pDeviceAdapter = nullptr;
    static inline FlashAdapter *pFlashAdapter = nullptr;
    static inline Utilities *pUtilities = nullptr;
    static inline ObjectCopy *pObjectCopy = nullptr;
    static inline VersionData *pVersionData = nullptr;
    static inline PreviewImageInfo *pPreviewImageInfo = nullptr;
    static inline std::function<void(bool)> messageDisplayedListener;
};

} // namespace kavrotether
