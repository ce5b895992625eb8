#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "core/LogTetherCollector.h"
#include "app/Startup.h"
#include "core/Utilities.h"
#include "camera/DeviceAdapter.h"
#include "flash/FlashAdapter.h"
#include "versioncheck/VersionData.h"
#include "transfer/ImageProviders.h"
#include "transfer/ObjectCopy.h"
#include "transfer/PreviewImageInfo.h"
#include "NetworkRequests.h"
#include "PictureFixtures.h"
#include "SimulatorFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtQuickTest>
#include <qpa/qwindowsysteminterface.h>

using namespace kavrotether;

// What the simulated cameras were asked, for the QML tests: how often a
// function (name without the KVR_func_api_ prefix) reached each camera.
class SimulatorProbe : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // The cameras with an open session, by simulator index.
    Q_INVOKABLE QVariantList connectedCameras() const
    {
        QVariantList out;
        for (int index : kvrsim::cameras())
            if (kvrsim::inSession(index))
                out << index;
        return out;
    }
    Q_INVOKABLE int callCount(int index, const QString &name) const
    {
        return test::callCount(index, name.toStdString());
    }
    Q_INVOKABLE void clearCallLogs() { kvrsim::clearCallLogs(); }
    // Turns a setting's dial at the camera, as the photographer does; the
    // code it had.
    Q_INVOKABLE uint turnDial(int index, const QString &setting, uint code)
    {
        const uint before = kvrsim::setting(index, setting.toStdString());
        kvrsim::turnDial(index, setting.toStdString(), code);
        return before;
    }
    // A USB camera that calls itself so, plugged in; its index. The
    // adapter learns of it with its next search.
    Q_INVOKABLE int plugUsbCamera(const QString &individualId)
    {
        kvrsim::CameraProfile profile;
        profile.individualId = individualId.toStdString();
        return kvrsim::addCamera(profile);
    }
    // Pulls the camera out, as the photographer does.
    Q_INVOKABLE void unplug(int index) { kvrsim::unplug(index); }
};

// The disks a QML test plugs in, and the pictures that reach a folder.
class Disks : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // Makes the folder a link leads to, as plugging its disk in does.
    Q_INVOKABLE bool plugIn(const QString &folder) const { return QDir().mkpath(folder); }
    // The folder the pictures go to when the photographer chose none.
    Q_INVOKABLE QString defaultFolder() const
    {
        return QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0);
    }
    Q_INVOKABLE QStringList pictures(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }
};

// How many handlers a signal of an object has (bindings, Connections and
// connect() calls alike), by the signal's name: the adapters outlive the
// items that follow them, and an item that is destroyed leaves none.
class SignalReceivers : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // -1 when the object has no such signal.
    Q_INVOKABLE int count(QObject *object, const QString &signal) const
    {
        if (!object)
            return -1;
        const QMetaObject *meta = object->metaObject();
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal && QLatin1String(method.name()) == signal)
                return Reader::of(object, QByteArray::number(QSIGNAL_CODE) + method.methodSignature());
        }
        return -1;
    }

private:
    // QObject::receivers() is protected: a pointer to it taken through a
    // derived class reads it on any object.
    struct Reader : QObject
    {
        static int of(const QObject *object, const QByteArray &signal)
        {
            const auto receivers = &Reader::receivers;
            return (object->*receivers)(signal.constData());
        }
    };
};

// The window the keyboard types into: a popup window counts as active while
// the window it belongs to has the focus, so `active` cannot tell.
class Keyboard : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE QObject *focusWindow() const { return QGuiApplication::focusWindow(); }
    // The window that takes the input of the others; Qt drops the system's
    // close of a window it blocks.
    Q_INVOKABLE QObject *modalWindow() const { return QGuiApplication::modalWindow(); }
    // Closes a window as the window manager does; QWindow::close(), the
    // program's own close, passes a modal window's block where this does not.
    Q_INVOKABLE void closeFromSystem(QObject *window) const
    {
        if (auto *w = qobject_cast<QWindow *>(window))
            QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(w);
    }
};

// Puts the interface into another of the program's languages, as
// "-lang=<code>" does at start: its texts, and the font the program picks
// for the language. Windows made after the switch show both.
class LanguageSwitch : public QObject
{
    Q_OBJECT
public:
    LanguageSwitch(QTranslator &translator, std::unique_ptr<Utilities> &utilities)
        : m_translator(translator), m_utilities(utilities)
    {}
    void setEngine(QQmlEngine *engine) { m_engine = engine; }
    Q_INVOKABLE bool use(const QString &code)
    {
        const QString chosen = startup::language({QStringLiteral("-lang=") + code}, QLocale::English, m_utilities.get(),
                                                 QString());
        QCoreApplication::removeTranslator(&m_translator);
        if (chosen != code
            || !m_translator.load(startup::translationName({}, chosen, m_utilities.get()),
                                  QStringLiteral(":/translations/")))
            return false;
        QCoreApplication::installTranslator(&m_translator);
        m_utilities->setFontFamily(startup::fontFamilyForLanguage(m_utilities->getLanguageType()));
        QGuiApplication::setFont(QFont(m_utilities->getFontFamily()));
        if (m_engine)
            m_engine->retranslate();
        return true;
    }

private:
    QTranslator &m_translator;
    std::unique_ptr<Utilities> &m_utilities;
    QPointer<QQmlEngine> m_engine;
};

// Runs the QML tests against the real back-end objects, registered and
// published the way the program does it.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        QStandardPaths::setTestModeEnabled(true);
        startup::registerQmlTypes();
        m_settings = std::make_unique<ApplicationSettings>();
        m_deviceAdapter = std::make_unique<DeviceAdapter>();
        m_flashAdapter = std::make_unique<FlashAdapter>();
        m_utilities = std::make_unique<Utilities>();
        m_logCollector = std::make_unique<LogTetherCollector>();
        // The version check stays off: no test reaches for the network.
        m_settings->setVersionCheckType(ApplicationSettings::VerChkType_Off);
        m_versionData = std::make_unique<VersionData>();
        m_objectCopy = std::make_unique<ObjectCopy>();
        m_previewImageInfo = std::make_unique<PreviewImageInfo>();
        // The program's registry: the search and the readers find the
        // adapters through it.
        ApplicationData::setApplicationSettings(m_settings.get());
        ApplicationData::setDeviceAdapter(m_deviceAdapter.get());
        ApplicationData::setFlashAdapter(m_flashAdapter.get());
        ApplicationData::setUtilities(m_utilities.get());
        ApplicationData::setObjectCopy(m_objectCopy.get());
        ApplicationData::setPreviewImageInfo(m_previewImageInfo.get());
        // The interface's texts in English, as a user sees them.
        m_language.use(QStringLiteral("en"));
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // The program's network access, counted: what a window asked for.
        engine->setNetworkAccessManagerFactory(&m_network);
        QQmlContext *c = engine->rootContext();
        c->setContextProperty(QStringLiteral("applicationSettings"), m_settings.get());
        c->setContextProperty(QStringLiteral("deviceAdapter"), m_deviceAdapter.get());
        c->setContextProperty(QStringLiteral("flashAdapter"), m_flashAdapter.get());
        c->setContextProperty(QStringLiteral("utilities"), m_utilities.get());
        c->setContextProperty(QStringLiteral("logCollector"), m_logCollector.get());
        c->setContextProperty(QStringLiteral("versionData"), m_versionData.get());
        c->setContextProperty(QStringLiteral("objectcopy"), m_objectCopy.get());
        c->setContextProperty(QStringLiteral("previewImageInfo"), m_previewImageInfo.get());
        engine->addImageProvider(QStringLiteral("histgramCapture"), new HistgramImageProvider);
        engine->addImageProvider(QStringLiteral("previewCapture"), new PreviewImageProvider);
        // Live view: the manager's status and hit tests, the histogram and the
        // sheer overlay's picture, as the program publishes them.
        c->setContextProperty(QStringLiteral("videoImageInfo"), m_deviceAdapter->liveViewManager());
        engine->addImageProvider(QStringLiteral("overlayPhoto"), new OverlayImageProvider);
        // Where a test points the picture folder, removed after the run.
        c->setContextProperty(QStringLiteral("testFolder"), m_folder.path());
        c->setContextProperty(QStringLiteral("simulator"), &m_simulator);
        c->setContextProperty(QStringLiteral("disks"), &m_disks);
        c->setContextProperty(QStringLiteral("signalReceivers"), &m_receivers);
        c->setContextProperty(QStringLiteral("keyboard"), &m_keyboard);
        c->setContextProperty(QStringLiteral("networkRequests"), &m_network);
        m_language.setEngine(engine);
        c->setContextProperty(QStringLiteral("language"), &m_language);
        c->setContextProperty(QStringLiteral("qtJapanese"), int(QLocale::Japanese));
        // Linux draws the disabled and checked looks with the OpenGL effect.
        c->setContextProperty(QStringLiteral("isOpenGLMode"), QStringLiteral("true"));
        // A picture folder on a disk not plugged in.
        QFile::link(m_folder.filePath(QStringLiteral("unplugged/pictures")),
                    m_folder.filePath(QStringLiteral("unplugged")));
        // And one that a test plugs in.
        QFile::link(m_folder.filePath(QStringLiteral("drive/pictures")), m_folder.filePath(QStringLiteral("disk")));
        // A camera picture turned a quarter to the right, for the preview.
        QFile picture(m_folder.filePath(QStringLiteral("preview_r90.JPG")));
        if (picture.open(QIODevice::WriteOnly))
            picture.write(test::cameraJpeg(test::ByteOrder::Little, PreviewImageInfo::ExifOrient_R90, QSize(64, 48)));
    }

    void cleanupTestCase()
    {
        // A test connects simulated cameras: their threads end, and the SDK is
        // finished, before the adapter goes.
        m_objectCopy->stopWorkers();
        startup::stopBackgroundWork(*m_deviceAdapter);
        ApplicationData::setObjectCopy(nullptr);
        ApplicationData::setPreviewImageInfo(nullptr);
        ApplicationData::setUtilities(nullptr);
        ApplicationData::setFlashAdapter(nullptr);
        ApplicationData::setDeviceAdapter(nullptr);
        ApplicationData::setApplicationSettings(nullptr);
        m_versionData.reset();
        m_objectCopy.reset();
        m_logCollector.reset();
        m_utilities.reset();
        m_flashAdapter.reset();
        m_deviceAdapter.reset();
        m_settings.reset();
        m_previewImageInfo.reset();
        // The pictures the windows showed stay in Qt Quick's image cache after
        // the last window is gone, and the scene graph deletes a dropped
        // picture's texture only with its next frame: left to the exit, the
        // textures are never deleted and the leak check reports them (an
        // exception for them would hide leaks in our image providers too).
        // Emptying the cache, then drawing one frame, frees them here.
        QQuickWindow window;
        window.releaseResources();
        window.grabWindow();
    }

private:
    std::unique_ptr<ApplicationSettings> m_settings;
    std::unique_ptr<DeviceAdapter> m_deviceAdapter;
    std::unique_ptr<FlashAdapter> m_flashAdapter;
    std::unique_ptr<Utilities> m_utilities;
    std::unique_ptr<LogTetherCollector> m_logCollector;
    std::unique_ptr<VersionData> m_versionData;
    std::unique_ptr<ObjectCopy> m_objectCopy;
    std::unique_ptr<PreviewImageInfo> m_previewImageInfo;
    SimulatorProbe m_simulator;
    Disks m_disks;
    SignalReceivers m_receivers;
    Keyboard m_keyboard;
    // Outlives every engine of the run.
    test::NetworkRequests m_network;
    QTemporaryDir m_folder;
    QTranslator m_translator;
    LanguageSwitch m_language{m_translator, m_utilities};
};

QUICK_TEST_MAIN_WITH_SETUP(kavro, Setup)
#include "tst_qml.moc"
