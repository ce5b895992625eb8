// PLACEHOLDER: replaced by the writers of this file.
#include "camera/DeviceAdapter.h"

namespace kavrotether {

// Stores nothing until its writer exists.
void DeviceAdapter::setMotionPictureFormat(Utilities::MotionPictureFormat) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setRecMovie(uint) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setMovieFrameRate(uint) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setMoviePixel(uint) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setMovieCompressMethod(uint) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setMovieBitRate(uint) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setMovieVFR(uint) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setMovieHLG(uint) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setAfmfMode(Utilities::AFMFMode) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setMfAssistMode(Utilities::MFAssistMode) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setPinpointMode(Utilities::PinpointMode) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setLvMagMode(Utilities::LVMagMode) {}

// Stores nothing until its writer exists.
void DeviceAdapter::setPinPAspectRatio(Utilities::PinPAspectRatio) {}

} // namespace kavrotether
