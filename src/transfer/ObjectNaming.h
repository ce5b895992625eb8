#pragma once

#include <QString>

#include <optional>

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
// A number taken for a save is given back when no file with it was
// published, as long as no later number was taken meanwhile: a failed save
// does not leave a gap, and a name is still never chosen twice (names are
// checked against the folder and the reservations).
namespace runningNumber {
// With FileNameReservations::lock() held.
int currentLocked(ApplicationSettings *settings);
void setLocked(int value);
// With the lock held: `shot` (stored as `value`) taken for a save of the
// camera's.
void takeLocked(const QString &camera, int shot, int value);
// With the lock held: a later file of the camera's shot uses its number;
// false when the number is no longer the latest one taken. A number given
// back is taken again.
bool joinLocked(const QString &camera, int shot);
// With the lock held: a file using the shot's number is published, or ended
// without being published.
void leaveLocked(int shot, bool published);
// Without the naming lock: stores the latest number when it changed.
void persist(ApplicationSettings *settings);
// Persists when the scope ends, whichever way the save ended.
struct PersistAtEnd
{
    PersistAtEnd() = default;
    PersistAtEnd(const PersistAtEnd &) = delete;
    PersistAtEnd &operator=(const PersistAtEnd &) = delete;
    ~PersistAtEnd();
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

// A name chosen for one object, reserved until its writer finishes. The
// running number it uses goes back when it ends without commitNamed having
// published its file.
struct NamedFile
{
    NamedFile() = default;
    ~NamedFile();
    NamedFile(const NamedFile &) = delete;
    NamedFile &operator=(const NamedFile &) = delete;

    QString folder;
    QString fileName;
    QString filePath;
    naming::NameChoice choice;
    // The shot number this name holds of the running number, until its
    // file is published.
    std::optional<int> heldShot;
};

// The folder of a camera's files by the storage settings (created on
// demand), with the camera's label; empty when none can be had. An empty
// uuid: the selected camera, whose UUID is filled in.
QString cameraFolder(DeviceAdapter *adapter, QString &uuid, QString *label = nullptr, QString *serial = nullptr);

// Names an object (ObjectCopy::makeFileName) and reserves the name. With
// persistNow false the caller stores the running number (persist) once its
// file is out, and the number goes back when no file is published;
// persistNow true takes it for good at once.
bool nameObject(uint format, int handle, bool newNumber, QString uuid, NamedFile &out, bool persistNow = true);

// Moves a finished file into place under its name, or under the next free
// sub-number when another program took the name meanwhile.
bool commitNamed(SafeFileWriter &writer, NamedFile &file);

} // namespace kavrotether
