#pragma once

#include "core/ApplicationFolder.h"

#include <QLocale>
#include <QQuickImageProvider>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>

class QSystemSemaphore;
class QSharedMemory;

namespace kavrotether {

class Utilities;
class DeviceAdapter;
class FlashAdapter;
class ObjectCopy;
class ApplicationSettings;

// Keeps a second copy of the program from starting for the same user.
class SingleInstanceGuard
{
public:
    SingleInstanceGuard();
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    // True when another copy holds the segment.
    bool anotherInstanceRunning() const { return m_anotherRunning; }

private:
    QSystemSemaphore *m_semaphore = nullptr;
    QSharedMemory *m_probe = nullptr;
    QSharedMemory *m_guard = nullptr;
    bool m_anotherRunning = false;
};

namespace startup {

// Graphics APIs a "-graph=" value can name, indexed like QSGRendererInterface::GraphicsApi.
using ApiSupported = std::function<bool(int api)>;
// Whether this platform can render with the given scene-graph API at all.
bool platformSupportsGraphicsApi(int api);

// Picks the scene-graph API from "-graph=" and returns the one in force.
// `apply` receives the chosen API; `startValue` is what Qt Quick reports unset.
int SetSceneGraph(int argc, char **argv, int startValue, const ApiSupported &supported,
                  const std::function<void(int)> &apply);
int SetSceneGraph(int argc, char **argv);
// Some APIs are known to work only once the application object exists:
// Vulkan needs a driver besides Qt's support for it, and without one Qt Quick
// cannot draw at all. An API that `usable` refuses is replaced by `fallback`
// (through `apply`); the result is the API in force.
int confirmGraphicsApi(int chosen, int fallback, const ApiSupported &usable, const std::function<void(int)> &apply);
// As above with this machine's answer, falling back to the API Qt Quick
// reported before SetSceneGraph chose one. Needs the application object.
int confirmGraphicsApi(int chosen);
bool graphicsApiUsable(int api);
// True when "-sdc=disable" (any case) is among the arguments.
bool wantsShaderDiskCacheDisabled(int argc, char **argv);
void SetShaderDiskCache(int argc, char **argv);

// The folder the installer writes into and the program reads documents from.
using kavrotether::applicationDataFolder;
// The "Language" string of an XML property list, empty when absent or unreadable.
QString readSetupPlistLanguage(const QString &path);

// The language code: "-lang=" first, then setup.plist, then English.
QString language(const QStringList &arguments, QLocale::Language defaultLanguage, Utilities *utilities,
                 const QString &setupPlistPath);
QString language(const QStringList &arguments, QLocale::Language defaultLanguage, Utilities *utilities);
QString translationName(const QString &directory, const QString &code, Utilities *utilities);
QString fontFamilyForLanguage(int qtLanguage);
// Qt's own texts (its file, colour and message dialogs) in the language of
// the code, from the Qt installation's translations; false when Qt ships none
// for it, and the dialogs then stay English.
bool loadQtTranslations(QTranslator &translator, const QString &code);

// Registers the enumerations that queued signals carry, before any thread
// that emits them starts; the number of names registered.
int registerMetaTypes();

// The 17 types of the module "Kv" 1.0.
void registerQmlTypes();

// Binds the settings' store-location choices to the adapter's cameras: what
// the preferences apply reaches the cameras and is read back from them.
void bindCameraAccess(ApplicationSettings &settings, DeviceAdapter &deviceAdapter);

// Appends the flash worker's and the transfer workers' stops to the
// adapter's ordered stop list, so every closing path (the interface's Finish,
// the end of the event loop, the adapter's destructor) stops them before the
// SDK is finished.
void registerBackgroundStops(DeviceAdapter &deviceAdapter, FlashAdapter &flashAdapter, ObjectCopy &objectCopy);

// Keeps the C library's threshold above which a buffer gets pages of its own
// fixed. Left to itself, glibc raises it to the size of the largest such
// buffer freed (a movie's 30 MB transfer chunk) and from then on keeps the
// memory of every smaller picture buffer in its heap: the program's memory
// grows by tens of megabytes after the first movie and never shrinks back.
// Called first in main(), before any thread starts.
constexpr int kLargeBufferThreshold = 4 * 1024 * 1024;
void fixLargeBufferThreshold();

// After the event loop: runs the ordered stop list (every thread still
// working with the objects about to be destroyed) and then finishes the SDK,
// whatever the interface managed to close before it quit.
void stopBackgroundWork(DeviceAdapter &deviceAdapter);

// The program's end once its event loop has returned: the stop list and the
// SDK's Finish, then `destroy` (everything main made that a worker can
// reach), then `last` (what no worker reaches); returns exitCode. When a stop
// had to leave a worker in a camera call, that call may come back at any
// moment and go on into any of those objects: then nothing is destroyed, and
// once the certificates nobody accepted are removed and `last` has run, the
// process ends here with exitCode. The settings, the running number and the
// pictures the close did not save are stored or logged by the stops already.
int endProgram(DeviceAdapter &deviceAdapter, int exitCode, const std::function<void()> &destroy,
               const std::function<void()> &last);

} // namespace startup

// The style's standard message-box icons for "image://standard/<id>".
class StandardPixmapProvider : public QQuickImageProvider
{
public:
    StandardPixmapProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;
};

} // namespace kavrotether
