#pragma once

#include <QString>

#include "FileNaming.h"

namespace kavrotether {

class DeviceAdapter;
class SafeFileWriter;

// A name chosen for one object, reserved until its writer finishes.
struct NamedFile
{
    QString folder;
    QString fileName;
    QString filePath;
    naming::NameChoice choice;
};

// The folder of a camera's files by the storage settings (created on
// demand), with the camera's label; empty when none can be had. An empty
// uuid: the selected camera, whose UUID is filled in.
QString cameraFolder(DeviceAdapter *adapter, QString &uuid, QString *label = nullptr, QString *serial = nullptr);

// Names an object (ObjectCopy::makeFileName) and reserves the name.
bool nameObject(uint format, int handle, bool newNumber, QString uuid, NamedFile &out);

// Moves a finished file into place under its name, or under the next free
// sub-number when another program took the name meanwhile.
bool commitNamed(SafeFileWriter &writer, NamedFile &file);

} // namespace kavrotether
