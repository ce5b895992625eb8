#pragma once

#include <functional>

#include <QString>

#include "FileNaming.h"

namespace kavrotether {

class ApplicationSettings;
class DeviceAdapter;
class SafeFileWriter;

// The running file number as the naming threads share it. Writing it to the
// settings file takes milliseconds (the file is synced), so it is kept here
// and written after the picture is out, one write at a time and always the
// latest value. A change made elsewhere (the preferences) is taken over on
// the next read.
//
// A number taken for a save is used up even when the save fails: the
// camera keeps it as its shot's number, so a later file of that shot (the
// RAW of a failed JPEG) carries it, and no other shot, of any camera, may
// take it again. A skipped number is harmless; two shots under one base
// name look like one RAW+JPEG pair.
namespace runningNumber {
// With FileNameReservations::lock() held.
int currentLocked(ApplicationSettings *settings);
void setLocked(int value);
// Without the naming lock: stores the latest number when it changed.
void persist(ApplicationSettings *settings);
// Persists when the scope ends, whichever way the save ended, unless the
// transfers were closed meanwhile: the close stored the number already, and
// a save that comes back from a camera call after it may outlive the
// settings.
struct PersistAtEnd
{
    explicit PersistAtEnd(std::function<bool()> closed = {}) : m_closed(std::move(closed)) {}
    PersistAtEnd(const PersistAtEnd &) = delete;
    PersistAtEnd &operator=(const PersistAtEnd &) = delete;
    ~PersistAtEnd();

private:
    std::function<bool()> m_closed;
};
} // namespace runningNumber

// The storage and naming preferences as naming reads them: read once and
// kept until the settings announce a change, so a picture does not pay a
// settings-file lookup per preference.
struct StoragePreferences
{
    int folderType = 0;
    QString folderUrl;
    bool dateFolder = false;
    bool cameraFolder = false;
    bool userNaming = false;
    QString prefix;
    bool cameraInName = false; // label in names, without a camera folder
};
StoragePreferences storagePreferences(ApplicationSettings *settings);

// A name chosen for one object, reserved until its writer finishes.
struct NamedFile
{
    QString folder;
    QString fileName;
    QString filePath;
    naming::NameChoice choice;
    // What the camera calls the object, as a harmless name (empty when it
    // does not say): a failure is told by it, since a final name given back
    // may be the next picture's by the time the photographer reads it.
    QString cameraName;
};

// The folder of a camera's files by the storage settings (created on
// demand), with the camera's label; empty when none can be had. An empty
// uuid: the selected camera, whose UUID is filled in.
QString cameraFolder(DeviceAdapter *adapter, QString &uuid, QString *label = nullptr, QString *serial = nullptr);

// Names an object (ObjectCopy::makeFileName) and reserves the name. With
// persistNow false the caller stores the running number (persist) once its
// file is out, or once it failed.
bool nameObject(uint format, int handle, bool newNumber, QString uuid, NamedFile &out, bool persistNow = true);

// Moves a finished file into place under its name, or under the next free
// sub-number when another program took the name meanwhile.
bool commitNamed(SafeFileWriter &writer, NamedFile &file);

} // namespace kavrotether
