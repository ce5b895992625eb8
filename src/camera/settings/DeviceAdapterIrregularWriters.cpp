// PLACEHOLDER: replaced by the writers of this file.
#include "camera/DeviceAdapter.h"

namespace kavrotether {

// Stores nothing until its writer exists.
void DeviceAdapter::setRecordingMode(Utilities::RecordingMode) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setFocusMode(Utilities::FocusMode) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setCreativeVideoAE(Utilities::CreativeVideoAE) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setSQMotion(Utilities::CreativeVideoAE) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setPscHlgShootingType(int) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setPicture4K6K(Utilities::Picture4K6K) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setPictureSize(int) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setIntervalMode(Utilities::IntervalMode) {}

} // namespace kavrotether
