#include "Startup.h"

#include "camera/DeviceAdapter.h"
#include "camera/DeviceSearch.h"
#include "camera/SearchCameraListItemObject.h"
#include "core/ApplicationSettings.h"
#include "core/CheckedFiles.h"
#include "core/CustomMessageBox.h"
#include "core/LogTetherCollector.h"
#include "core/TagDef.h"
#include "core/Utilities.h"
#include "core/WorkerThread.h"
#include "flash/FlashAdapter.h"
#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"
#include "transfer/ObjectCopy.h"
#include "transfer/PreviewImageInfo.h"
#include "transfer/SafeFileWriter.h"
#include "versioncheck/VersionData.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QMap>
#include <QPointer>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSharedMemory>
#include <QStyle>
#include <QSystemSemaphore>
#include <QXmlStreamReader>
#include <QtGui/qtguiglobal.h>
#if QT_CONFIG(vulkan)
#include <QVulkanInstance>
#endif
#include <QtQml>

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

#include <cstdio>
#include <cstdlib>

namespace kavrotether {

namespace {
const char kSemaphoreKey[] = "KAVROTether_sema";
const char kSharedMemoryKey[] = "KAVROTether_shmem";

// A System V key keeps only the low 16 bits of the key file's inode, so the
// key file of a copy started with another temporary folder can name the same
// segment as ours. The guard's byte tells the copies of one key file from
// those: it holds the file's path folded to 1..255 (a fresh segment is 0).
char keyFileStamp(const QString &keyFile)
{
    return char(qChecksum(QByteArrayView(QFile::encodeName(keyFile))) % 255 + 1);
}

// How often the key file moves away from a key that such a copy holds.
constexpr int kKeyFileMoves = 4;

// A new inode, so a new key: the old file is kept until the new one exists,
// so the new one cannot get its inode back.
void moveKeyFile(const QString &keyFile)
{
    const QString old = keyFile + QStringLiteral(".old");
    QFile::remove(old);
    if (!QFile::rename(keyFile, old))
        return;
    QFile fresh(keyFile);
    if (fresh.open(QIODevice::WriteOnly))
        fresh.close();
    QFile::remove(old);
}
} // namespace

SingleInstanceGuard::SingleInstanceGuard()
{
    m_semaphore = new QSystemSemaphore(QString::fromLatin1(kSemaphoreKey), 1, QSystemSemaphore::Open);
    m_semaphore->acquire();

    const QString name = QString::fromLatin1(kSharedMemoryKey);
    m_probe = new QSharedMemory(name);
    // A segment left by a copy that died is removed by the probe's last
    // detach, so it cannot block the next start. Qt removes the key file with
    // it: a guard handle made before would keep the old file's key.
    const auto clearLeftSegment = [this] {
        if (!m_probe->attach(QSharedMemory::ReadWrite))
            m_probe->detach();
        m_probe->detach();
    };
    const auto renewGuard = [this, &name] {
        delete m_guard;
        m_guard = new QSharedMemory(name);
    };
    // A copy of another folder whose key file has our key clears that key as
    // it starts, as the probe does here: it can remove the segment made here
    // before the guard has attached it (the creation fails), or just as the
    // guard attaches it, and the guard then holds a segment that the key no
    // longer names and no later copy finds. So the guard is taken only once
    // the key names it, stamped.
    const auto takeGuard = [this] {
        if (!m_guard->create(1, QSharedMemory::ReadWrite))
            return false;
        *static_cast<char *>(m_guard->data()) = keyFileStamp(m_guard->nativeKey());
        const bool named = m_probe->attach(QSharedMemory::ReadOnly)
                           && *static_cast<const char *>(m_probe->constData()) == keyFileStamp(m_probe->nativeKey());
        m_probe->detach();
        return named;
    };

    for (int move = 0; move <= kKeyFileMoves; ++move) {
        clearLeftSegment();
        renewGuard();
        if (m_guard->attach(QSharedMemory::ReadWrite)) {
            if (*static_cast<const char *>(m_guard->constData()) == keyFileStamp(m_guard->nativeKey())) {
                m_anotherRunning = true;
                break;
            }
            m_guard->detach();
        } else if (takeGuard()) {
            break;
        } else {
            // The key file was made just now, yet its key already names a
            // segment: one a killed copy left under another file of the same
            // key, which the probe clears, or one that a copy of another
            // folder holds; or such a copy cleared the segment made here.
            // Without a guard of its own the program would run unguarded.
            clearLeftSegment();
            renewGuard();
            if (takeGuard())
                break;
        }
        moveKeyFile(m_guard->nativeKey());
    }
    // Past the last move, as where no guard can be made at all (a temporary
    // folder that takes no key file), the program starts without one: the
    // guard keeps a second copy out, it is no condition for running.

    m_semaphore->release(1);
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    delete m_guard;
    delete m_probe;
    delete m_semaphore;
}

namespace startup {

namespace {

struct GraphValue
{
    const char *name;
    QSGRendererInterface::GraphicsApi api;
};

constexpr GraphValue kGraphValues[] = {
    {"soft", QSGRendererInterface::Software}, {"openvg", QSGRendererInterface::OpenVG},
    {"opengl", QSGRendererInterface::OpenGL}, {"d3d11", QSGRendererInterface::Direct3D11},
    {"vulkan", QSGRendererInterface::Vulkan}, {"metal", QSGRendererInterface::Metal},
};

const QStringList &supportedLanguageCodes()
{
    static const QStringList codes = {"ja", "en", "de", "es", "fr", "it", "ru", "zh"};
    return codes;
}

// The value after `prefix` in the first argument whose value passes `accept`.
template<typename Accept>
bool scanArguments(int argc, char **argv, const char *prefix, Accept accept)
{
    const QByteArray p(prefix);
    for (int i = 0; i < argc; ++i) {
        if (!argv || !argv[i])
            continue;
        const QString arg = QString::fromUtf8(argv[i]);
        if (!arg.startsWith(QLatin1String(p)))
            continue;
        if (accept(arg.mid(p.size())))
            return true;
    }
    return false;
}

} // namespace

bool platformSupportsGraphicsApi(int api)
{
    switch (api) {
    case QSGRendererInterface::Software:
    case QSGRendererInterface::OpenGL:
    case QSGRendererInterface::Vulkan:
        return true;
#if defined(Q_OS_WIN)
    case QSGRendererInterface::Direct3D11:
        return true;
#endif
#if defined(Q_OS_MACOS) || defined(Q_OS_IOS)
    case QSGRendererInterface::Metal:
        return true;
#endif
    default:
        return false;
    }
}

int SetSceneGraph(int argc, char **argv, int startValue, const ApiSupported &supported,
                  const std::function<void(int)> &apply)
{
    int result = startValue;
    if (argc < 1)
        return result;
    scanArguments(argc, argv, "-graph=", [&](const QString &value) {
        for (const auto &gv : kGraphValues) {
            if (value.compare(QLatin1String(gv.name), Qt::CaseInsensitive) != 0)
                continue;
            // A back end this platform cannot drive is skipped like an unknown value.
            if (!supported(gv.api))
                return false;
            apply(gv.api);
            result = gv.api;
            return true;
        }
        return false;
    });
    return result;
}

namespace {
// What Qt Quick reported before any "-graph=" value was applied.
int g_reportedGraphicsApi = -1;

void applyGraphicsApi(int api)
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::GraphicsApi(api));
}
} // namespace

int SetSceneGraph(int argc, char **argv)
{
    g_reportedGraphicsApi = QQuickWindow::graphicsApi();
    return SetSceneGraph(argc, argv, g_reportedGraphicsApi, platformSupportsGraphicsApi, applyGraphicsApi);
}

int confirmGraphicsApi(int chosen, int fallback, const ApiSupported &usable, const std::function<void(int)> &apply)
{
    if (chosen == fallback || usable(chosen))
        return chosen;
    apply(fallback);
    return fallback;
}

int confirmGraphicsApi(int chosen)
{
    const int fallback = g_reportedGraphicsApi < 0 ? int(QSGRendererInterface::OpenGL) : g_reportedGraphicsApi;
    return confirmGraphicsApi(chosen, fallback, graphicsApiUsable, applyGraphicsApi);
}

bool graphicsApiUsable(int api)
{
    if (api != QSGRendererInterface::Vulkan)
        return true;
#if QT_CONFIG(vulkan)
    QVulkanInstance instance;
    return instance.create();
#else
    return false;
#endif
}

bool wantsShaderDiskCacheDisabled(int argc, char **argv)
{
    return scanArguments(argc, argv, "-sdc=", [](const QString &value) {
        return value.compare(QLatin1String("disable"), Qt::CaseInsensitive) == 0;
    });
}

void SetShaderDiskCache(int argc, char **argv)
{
    if (wantsShaderDiskCacheDisabled(argc, argv))
        QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache, true);
}

QString readSetupPlistLanguage(const QString &path)
{
    QFile file(path);
    // The file is tiny; anything larger, or anything but a file, is not ours.
    if (!checkedfiles::openRegularForReading(file) || file.size() > 1024 * 1024)
        return {};
    QXmlStreamReader xml(&file);
    int depth = 0;
    int dictDepth = -1;
    bool languageKey = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const auto name = xml.name();
            if (name == QLatin1String("dict") && dictDepth < 0) {
                dictDepth = depth;
                continue;
            }
            // Only the keys of the top-level dictionary count.
            if (depth != dictDepth + 1 || dictDepth < 0) {
                if (depth <= dictDepth + 1)
                    languageKey = false;
                continue;
            }
            if (name == QLatin1String("key")) {
                languageKey = xml.readElementText() == QLatin1String("Language");
                --depth;
            } else if (languageKey) {
                if (name == QLatin1String("string"))
                    return xml.readElementText();
                languageKey = false;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == dictDepth)
                break;
            --depth;
        }
    }
    return {};
}

QString language(const QStringList &arguments, QLocale::Language defaultLanguage, Utilities *utilities,
                 const QString &setupPlistPath)
{
    QLocale locale(defaultLanguage);
    bool chosen = false;
    for (const QString &arg : arguments) {
        if (!arg.startsWith(QLatin1String("-lang=")))
            continue;
        const QString code = arg.mid(6, 2);
        if (supportedLanguageCodes().contains(code)) {
            locale = QLocale(code);
            chosen = true;
            break;
        }
    }
    if (!chosen) {
        const QString code = readSetupPlistLanguage(setupPlistPath);
        if (supportedLanguageCodes().contains(code)) {
            locale = QLocale(code);
            chosen = true;
        }
    }
    if (!chosen)
        locale = QLocale(QStringLiteral("en"));
    if (utilities)
        utilities->setLanguageType(quint16(locale.language()));
    return locale.bcp47Name();
}

QString language(const QStringList &arguments, QLocale::Language defaultLanguage, Utilities *utilities)
{
    return language(arguments, defaultLanguage, utilities,
                    applicationDataFolder() + QStringLiteral("/ini/setup.plist"));
}

QString translationName(const QString &, const QString &code, Utilities *)
{
    return QStringLiteral("translation_") + code;
}

bool loadQtTranslations(QTranslator &translator, const QString &code)
{
    return translator.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString fontFamilyForLanguage(int qtLanguage)
{
    if (qtLanguage == QLocale::Chinese)
        return QStringLiteral("PingFang SC");
    if (qtLanguage == QLocale::Japanese)
        return QStringLiteral("Hiragino Sans");
    return QStringLiteral("Tahoma");
}

namespace {

// The enumerations the adapter's signals carry across threads, under the
// names the queued connections look them up by, in registration order. Two
// names have no enumeration of their own in this build and travel as int.
// clang-format off
#define KAVRO_META_TYPES(X) \
    X(Utilities::RecordingMode, "Utilities::RecordingMode") \
    X(Utilities::IntelligentAutoMode, "Utilities::IntelligentAutoMode") \
    X(Utilities::CreativeVideoAE, "Utilities::CreativeVideoAE") \
    X(Utilities::Custom3Set, "Utilities::Custom3Set") \
    X(Utilities::CreativeControlFilter, "Utilities::CreativeControlFilter") \
    X(Utilities::SceneGuideScene, "Utilities::SceneGuideScene") \
    X(Utilities::Picture4K6K, "Utilities::Picture4K6K") \
    X(Utilities::DriveMode, "Utilities::DriveMode") \
    X(Utilities::BurstSpeed, "Utilities::BurstSpeed") \
    X(Utilities::FocusSelect, "Utilities::FocusSelect") \
    X(Utilities::SelfTimer, "Utilities::SelfTimer") \
    X(Utilities::SelfTimerCustom, "Utilities::SelfTimerCustom") \
    X(Utilities::IntervalMode, "Utilities::IntervalMode") \
    X(Utilities::ShutterSpeed, "Utilities::ShutterSpeed") \
    X(Utilities::Iso, "Utilities::Iso") \
    X(Utilities::FocusMode, "Utilities::FocusMode") \
    X(Utilities::AutoFocusMode, "Utilities::AutoFocusMode") \
    X(Utilities::CustomMulti, "Utilities::CustomMulti") \
    X(Utilities::MeteringMode, "Utilities::MeteringMode") \
    X(Utilities::ExTelecon, "Utilities::ExTelecon") \
    X(Utilities::PhotoStyle, "Utilities::PhotoStyle") \
    X(Utilities::Exposure, "Utilities::Exposure") \
    X(Utilities::MotionPictureFormat, "Utilities::MotionPictureFormat") \
    X(Utilities::SystemFrequency, "Utilities::SystemFrequency") \
    X(Utilities::FileTarget, "Utilities::FileTarget") \
    X(Utilities::WhiteBalance, "Utilities::WhiteBalance") \
    X(Utilities::WhiteBalanceAdjust, "Utilities::WhiteBalanceAdjust") \
    X(Utilities::WhiteBalanceKSet, "Utilities::WhiteBalanceKSet") \
    X(Utilities::ImgInfoSize, "Utilities::ImgInfoSize") \
    X(Utilities::ImgInfoQuality, "Utilities::ImgInfoQuality") \
    X(Utilities::ImgInfoAspect, "Utilities::ImgInfoAspect") \
    X(Utilities::ImgInfoFormat, "Utilities::ImgInfoFoamet") \
    X(Utilities::ImgInfoJpegHeifMode, "Utilities::ImgInfoJpegHiefMode") \
    X(Utilities::ImgInfoJpegHeifQuality, "Utilities::ImgInfoJpegHiefQuality") \
    X(Utilities::RecPreviewMode, "Utilities::RecPreviewMode") \
    X(Utilities::AFMFMode, "Utilities::AFMFMode") \
    X(Utilities::MFAssistMode, "Utilities::MFAssistMode") \
    X(Utilities::PinpointMode, "Utilities::PinpointMode") \
    X(Utilities::LVMagMode, "Utilities::LVMagMode") \
    X(Utilities::PinPAspectRatio, "Utilities::PinPAspectRatio") \
    X(Utilities::FlashDimmer, "Utilities::FlashDimmer") \
    X(Utilities::FlashMode, "Utilities::FlashMode") \
    X(Utilities::FlashSync, "Utilities::FlashSync") \
    X(Utilities::FlashAdjust, "Utilities::FlashAdjust") \
    X(Utilities::FlashManual, "Utilities::FlashManual") \
    X(Utilities::ExposureLink, "Utilities::ExposureLink") \
    X(Utilities::WirelessMode, "Utilities::WirelessMode") \
    X(Utilities::WirelessChannel, "Utilities::WirelessChannel") \
    X(Utilities::WirelessFP, "Utilities::WirelessFP") \
    X(Utilities::WirelessComPower, "Utilities::WirelessComPower") \
    X(Utilities::BuildInFlashDimmer, "Utilities::BuildInFlashDimmer") \
    X(Utilities::GroupFlashDimmer, "Utilities::GroupFlashDimmer") \
    X(Utilities::GroupFlashTarget, "Utilities::GroupFlashTarget") \
    X(Utilities::CursorType, "Utilities::CursorType") \
    X(int, "DeviceAdapter::MovieConfigQuality") \
    X(Utilities::AspectRatio, "AspectRatio") \
    X(DeviceAdapter::BatteryLevel, "BatteryLevel") \
    X(DeviceAdapter::StatusOfCards, "StatusOfCards") \
    X(Utilities::UsbMode, "UsbMode") \
    X(int, "Cut6K4KState") \
    X(Utilities::LiveViewImageQuality, "Utilities::LiveViewImageQuality") \
    X(Utilities::LvShootingStatus, "Utilities::LvShootingStatus") \
    X(Utilities::PtpipConnectType, "Utilities::PtpipConnectType") \
    X(Utilities::ConnectDevType, "Utilities::ConnectDevType") \
    X(Utilities::CameraIDList, "Utilities::CameraIDList") \
    X(Utilities::CameraConnectStatus, "Utilities::CameraConnectStatus") \
    X(Utilities::PowerSavingTetherMode, "Utilities::PowerSavingTetherMode") \
    X(Utilities::SSGain, "Utilities::SSGain") \
    X(Utilities::CameraSettingFile, "Utilities::CameraSettingFile") \
    X(Utilities::CameraSettingStatus, "Utilities::CameraSettingStatus") \
    X(Utilities::PtpIpPasswordMode, "Utilities::PtpIpPasswordMode") \
    X(Utilities::PtpIpPasswordError, "Utilities::PtpIpPasswordError") \
    X(Utilities::DialogType, "Utilities::DialogType") \
    X(Utilities::IconType, "Utilities::IconType") \
    X(Utilities::AutoRecognizeAnimal, "Utilities::AutoRecognizeAnimal") \
    X(Utilities::AutoRecognizeGeneral, "Utilities::AutoRecognizeGeneral") \
    X(Utilities::HDMI_SDI_Status, "Utilities::HDMI_SDI_Status") \
    X(Utilities::TetherModeDisableStatus, "Utilities::TetherModeDisableStatus") \
    X(Utilities::AutomaticReco, "Utilities::AutomaticReco") \
    X(Utilities::AFFramesMax, "Utilities::AFFramesMax")
// clang-format on

} // namespace

int registerMetaTypes()
{
    int count = 0;
#define KAVRO_REGISTER_META_TYPE(type, name) \
    (void)qRegisterMetaType<type>(name); \
    ++count;
    KAVRO_META_TYPES(KAVRO_REGISTER_META_TYPE)
#undef KAVRO_REGISTER_META_TYPE
    return count;
}

void registerQmlTypes()
{
    const char *uri = "Kv";
    const QString reason = QStringLiteral("Uncreatable");
    qmlRegisterUncreatableType<ApplicationSettings>(uri, 1, 0, "ApplicationSettings", reason);
    qmlRegisterUncreatableType<DeviceAdapter>(uri, 1, 0, "DeviceAdapter", reason);
    qmlRegisterUncreatableType<FlashAdapter>(uri, 1, 0, "FlashAdapter", reason);
    qmlRegisterUncreatableType<VersionData>(uri, 1, 0, "VersionData", reason);
    qmlRegisterUncreatableType<Utilities>(uri, 1, 0, "Utilities", reason);
    qmlRegisterUncreatableType<LiveViewManager>(uri, 1, 0, "VideoImageInfo", reason);
    qmlRegisterUncreatableType<VideoAdapter>(uri, 1, 0, "VideoAdapter", reason);
    qmlRegisterUncreatableType<PreviewImageInfo>(uri, 1, 0, "PreviewImageInfo", reason);
    qmlRegisterUncreatableType<DeviceSearch>(uri, 1, 0, "DeviceSearch", reason);
    qmlRegisterUncreatableType<SearchCameraListItemObject>(uri, 1, 0, "SearchCameraListItemObject", reason);
    qmlRegisterUncreatableType<ObjectCopy>(uri, 1, 0, "ObjectCopy", reason);
    qmlRegisterUncreatableMetaObject(QLocale::staticMetaObject, uri, 1, 0, "QLocale", reason);
    qmlRegisterUncreatableType<LogTetherCollector>(uri, 1, 0, "LogTetherCollector", reason);
    qmlRegisterUncreatableType<TagDef>(uri, 1, 0, "TagDef", reason);
    qmlRegisterType<CustomMessageBox>(uri, 1, 0, "MessageBox");
    qmlRegisterUncreatableType<CStandardButton>(uri, 1, 0, "StandardButton", reason);
    qmlRegisterUncreatableType<CStandardIcon>(uri, 1, 0, "StandardIcon", reason);
}

void registerBackgroundStops(DeviceAdapter &deviceAdapter, FlashAdapter &flashAdapter, ObjectCopy &objectCopy)
{
    // Both owners are destroyed before the device adapter, whose destructor
    // runs the list once more: their rows then find nobody.
    deviceAdapter.appendBackgroundStop(QStringLiteral("flash worker"), [flash = QPointer<FlashAdapter>(&flashAdapter)] {
        if (flash)
            flash->stopCallbackThread();
    });
    // The transfer workers call the cameras.
    deviceAdapter.appendBackgroundStop(QStringLiteral("transfer workers"), [copy = QPointer<ObjectCopy>(&objectCopy)] {
        if (copy)
            copy->stopWorkers();
    });
}

namespace {

// The settings object outlives the adapter in main: once the adapter is
// gone, this answers as if no camera were connected.
class AdapterCameraAccess : public ApplicationSettings::CameraAccess
{
public:
    explicit AdapterCameraAccess(DeviceAdapter &adapter) : m_adapter(&adapter) {}

    int hlgShootingType() const override { return m_adapter ? m_adapter->pscHlgShootingType() : -1; }
    // Queued for the selected camera like the adapter's own property.
    void setHlgShootingType(int value) override
    {
        if (m_adapter)
            m_adapter->setPscHlgShootingType(value);
    }
    QString selectedSerialNo() const override
    {
        return m_adapter ? m_adapter->camCurrentSelectedSerialNo() : QString();
    }
    // Each camera has a store location of its own: the selected camera's is
    // not repeated on the cameras that follow it.
    void setSelectedFileTarget(int target) override
    {
        if (m_adapter)
            m_adapter->setFileTargetOfSelectedCamera(Utilities::FileTarget(target));
    }
    void setFileTargetById(const QString &serialNo, int target) override
    {
        if (m_adapter)
            m_adapter->setFileTargetById(serialNo, Utilities::FileTarget(target));
    }
    int getFileTargetById(const QString &serialNo) const override
    {
        return m_adapter ? int(m_adapter->getFileTargetById(serialNo)) : int(Utilities::FLTG_Unknown);
    }

private:
    QPointer<DeviceAdapter> m_adapter;
};

} // namespace

void bindCameraAccess(ApplicationSettings &settings, DeviceAdapter &deviceAdapter)
{
    settings.setCameraAccess(std::make_unique<AdapterCameraAccess>(deviceAdapter));
}

void fixLargeBufferThreshold()
{
#ifdef M_MMAP_THRESHOLD
    // Picture buffers (a RAW's 1.5 MB, a decoded live-view frame) stay below
    // it and are reused from the heap; transfer chunks and setting files
    // above it go back to the system as soon as they are freed.
    mallopt(M_MMAP_THRESHOLD, kLargeBufferThreshold);
#endif
}

void stopBackgroundWork(DeviceAdapter &deviceAdapter)
{
    deviceAdapter.stopBackgroundThreads();
    deviceAdapter.finishSdkIfInitialised();
}

int endProgram(DeviceAdapter &deviceAdapter, int exitCode, const std::function<void()> &destroy,
               const std::function<void()> &last)
{
    stopBackgroundWork(deviceAdapter);
    // A lock nobody could take is held by a call that may still come back;
    // the mutex cannot be destroyed under it either.
    const bool lockHeld = deviceAdapter.lockGivenUpAtClose();
    const bool sdkLockHeld = deviceAdapter.sdkLockGivenUpAtClose();
    if (!WorkerThread::anyLeftRunning() && !lockHeld) {
        destroy();
        last();
        return exitCode;
    }
    (void)deviceAdapter.takeSearchListAtEnd();
    // The writers are not destroyed either: the temporary of a picture
    // given up goes here.
    SafeFileWriter::removeOpenTemporariesAtEnd();
    const QStringList running = WorkerThread::stillLeftRunning();
    qWarning().noquote() << (sdkLockHeld ? "ending with threads left in camera calls, the SDK not finished (its lock "
                                           "stayed taken); nothing is taken apart:"
                             : lockHeld  ? "ending with threads left in camera calls, the close gone on without a lock "
                                           "they hold; nothing is taken apart:"
                                         : "ending with threads left in camera calls; nothing is taken apart:")
                         << (running.isEmpty() ? QStringLiteral("(they have ended since)")
                                               : running.join(QStringLiteral(", ")));
    last();
    std::fflush(nullptr);
    // No destructor and no exit handler runs: each could free what the
    // thread still uses.
    std::_Exit(exitCode);
}

} // namespace startup

QPixmap StandardPixmapProvider::requestPixmap(const QString &id, QSize *, const QSize &)
{
    QStyle *style = QApplication::style();
    const QIcon question = style->standardIcon(QStyle::SP_MessageBoxQuestion);
    const QIcon warning = style->standardIcon(QStyle::SP_MessageBoxWarning);
    const QIcon critical = style->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon information = style->standardIcon(QStyle::SP_MessageBoxInformation);
    const QMap<QString, QIcon> icons = {
        {QStringLiteral("MessageBoxQuestion"), question},
        {QStringLiteral("MessageBoxWarning"), warning},
        {QStringLiteral("MessageBoxCritical"), critical},
        {QStringLiteral("MessageBoxInformation"), information},
    };
    const QIcon icon = icons.value(id);
    const QSize actual = icon.actualSize(QSize(1024, 1024), QIcon::Normal, QIcon::Off);
    return icon.pixmap(actual);
}

} // namespace kavrotether
