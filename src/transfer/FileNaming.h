#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace kavrotether::naming {

// Object formats as the camera reports them.
enum ObjectFormat : quint32 {
    FormatJpeg = 1,
    FormatRaw = 2,
    FormatMov = 4,
    FormatMp4 = 5,
    FormatHlg = 6,
    FormatHeif = 7,
};

struct FormatRule
{
    quint32 format;
    const char *prefix;
    const char *extension;
    // The camera's name for an object shot without a memory card; null for
    // movies, which always need a card.
    const char *cardlessName;
    bool movie;
};

// The rule of a format; null for a format that cannot be named.
const FormatRule *formatRule(quint32 format);

// Longest name, in UTF-8 bytes, that a camera may give a file or folder;
// well under every file system's limit even with a sub-number added.
constexpr int kMaxNameBytes = 120;

// A camera-supplied name or label reduced to one harmless path component
// that FAT, exFAT, NTFS and SMB shares take too: separators and the
// characters those refuse (\ / : * ? " < > |) become "_", control
// characters, invisible ones and the ones that reorder how text is shown
// go, ".." cannot survive, leading dots and surrounding blanks go, and the
// length is bounded (the extension kept). With an extension (a format's,
// as ".jpg"), a name that ends in another one, or in none, ends in that
// one instead; one that ends in it in any case is kept. Empty when nothing
// usable is left.
QString safeBaseName(const QString &name, const char *extension = nullptr);

// The user's file-name prefix as the preferences window accepts it: up to
// 20 characters, none of them a control character or one a file system
// reads as a separator, a drive, a wildcard or a redirection. Empty stays
// empty: numbered names then take their format's own prefix ("MOV_" for
// movies, "IMG_" for stills), a cardless shot none. Anything else (a
// settings file edited by hand or left by another version) gives the
// setting's default, "IMG_".
QString usablePrefix(const QString &prefix);

// The folder label of a camera: its individual id, else model "_" serial,
// reduced to a safe base name; "Camera" when nothing usable is left.
QString cameraLabel(const QString &individualId, const QString &model, const QString &serial);

struct FolderSettings
{
    bool userFolder = false; // the user's folder rather than the platform's
    bool unknownFolderType = false;
    QString folderUrl;       // the user's folder
    QString pictureLocation; // the platform's first picture folder; empty: none
    bool dateFolder = false;
    bool cameraFolder = false;
};

// The folder that receives a camera's files (not created); empty when none
// can be determined.
QString folderPath(const FolderSettings &settings, const QDate &today, const QString &label);

struct NameSettings
{
    bool userNaming = false;   // numbered names with the user's prefix
    QString prefix;            // the user's prefix; empty: the format's own (cardless: none)
    bool cameraInName = false; // label in front of names (no camera folder)
    bool pcOnly = false;       // the camera keeps nothing: numbered names
};

struct NameRequest
{
    quint32 format = 0;
    bool newNumber = false;
    int fileNumber = 0;        // running number, the last one used
    int cameraLastNumber = -1; // the camera's last shot number; -1: none
    // The camera's own name of the object; unset when none was asked for or
    // the read failed.
    std::optional<QString> cameraName;
    bool driveMode4K6K = false;
};

struct NameChoice
{
    bool ok = false;
    QString fileName;
    // The next free names continue as stem "_" sub-number extension.
    QString stem;
    QString extension;
    int subNumber = 0; // 0: the name carries none
    int number = 0;    // the shot number, remembered for the camera
    // The running number to store; unset when this name used up none.
    std::optional<int> storeFileNumber;
};

// Whether a name is taken in the folder (on disk or being written).
using TakenFn = std::function<bool(const QString &fileName)>;

// Picks the name of one object. A reused number (the second file of a shot)
// never moves the running number.
NameChoice chooseName(const NameSettings &settings, const NameRequest &request, const QString &label,
                      const TakenFn &taken);

// The first free stem_NN.ext after the choice's sub-number.
QString nextSubNumberedName(NameChoice &choice, const TakenFn &taken);

QString numberText(int number, int digits);

// 6K/4K frames: base "_" frame (two digits at least) ".jpg".
QString frameFileName(const QString &baseName, int frame);
// The base name of a cut burst and the running number to store afterwards.
struct FrameBase
{
    QString baseName;
    int storeFileNumber = 0;
};
FrameBase frameBaseName(const QString &prefix, const QString &label, bool cameraInName, int fileNumber);
// The first frame number S such that S .. S + count - 1 are all free;
// unset when interrupted.
std::optional<int> frameStartNumber(const QString &baseName, int count, const TakenFn &taken,
                                    const std::function<bool()> &interrupted);

} // namespace kavrotether::naming
