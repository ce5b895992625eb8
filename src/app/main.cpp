#include "Kvrptpif.h"
#include "app/Startup.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "core/LogTetherCollector.h"
#include "core/OfflineNetworkAccess.h"
#include "core/Utilities.h"
#include "camera/DeviceAdapter.h"
#include "liveview/LiveViewManager.h"
#include "flash/FlashAdapter.h"
#include "transfer/ImageProviders.h"
#include "transfer/ObjectCopy.h"
#include "transfer/PreviewImageInfo.h"
#include "versioncheck/VersionData.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QSGRendererInterface>
#include <QTranslator>

#include <memory>

using namespace kavrotether;

int main(int argc, char *argv[])
{
    startup::fixLargeBufferThreshold();
    auto instanceGuard = std::make_unique<SingleInstanceGuard>();
    if (instanceGuard->anotherInstanceRunning())
        return 1;

    const int requestedGraphicsApi = startup::SetSceneGraph(argc, argv);
    startup::SetShaderDiskCache(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    auto app = std::make_unique<QApplication>(argc, argv);
    app->setStartDragDistance(0);
    app->setWindowIcon(QIcon(QStringLiteral(":/images/451_appicon_1.ico")));
    const int graphicsApi = startup::confirmGraphicsApi(requestedGraphicsApi);

    auto applicationSettings = std::make_unique<ApplicationSettings>();
    auto deviceAdapter = std::make_unique<DeviceAdapter>();
    auto flashAdapter = std::make_unique<FlashAdapter>();
    auto utilities = std::make_unique<Utilities>();
    auto versionData = std::make_unique<VersionData>();
    auto previewImageInfo = std::make_unique<PreviewImageInfo>();
    auto objectCopy = std::make_unique<ObjectCopy>();
    startup::registerBackgroundStops(*deviceAdapter, *flashAdapter, *objectCopy);
    // Made before the engine, so that it outlives it.
    OfflineNetworkAccessFactory offlineNetworkAccess;
    auto engine = std::make_unique<QQmlApplicationEngine>();
    engine->setNetworkAccessManagerFactory(&offlineNetworkAccess);
    auto translator = std::make_unique<QTranslator>();
    auto qtTranslator = std::make_unique<QTranslator>();

    const QString code = startup::language(app->arguments(), QLocale::English, utilities.get());
    const QString translationFile = startup::translationName(QStringLiteral(":/translations/"), code, utilities.get());
    // Qt's texts first: the translator installed last is asked first.
    if (startup::loadQtTranslations(*qtTranslator, code))
        app->installTranslator(qtTranslator.get());
    (void)translator->load(translationFile, QStringLiteral(":/translations/"));
    app->installTranslator(translator.get());

    utilities->setFontFamily(startup::fontFamilyForLanguage(utilities->getLanguageType()));
    app->setFont(QFont(utilities->getFontFamily()));

    startup::registerQmlTypes();
    startup::registerMetaTypes();

    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("isOpenGLMode"), graphicsApi == QSGRendererInterface::OpenGL
                                                                    ? QStringLiteral("true")
                                                                    : QStringLiteral("false"));
    ApplicationData::setApplicationSettings(applicationSettings.get());
    context->setContextProperty(QStringLiteral("applicationSettings"), applicationSettings.get());
    ApplicationData::setDeviceAdapter(deviceAdapter.get());
    startup::bindCameraAccess(*applicationSettings, *deviceAdapter);
    ApplicationData::setMessageDisplayedListener(
        [adapter = deviceAdapter.get()](bool on) { adapter->setMsgDisplayed(on); });
    context->setContextProperty(QStringLiteral("deviceAdapter"), deviceAdapter.get());
    deviceAdapter->camera_list_load_setting_file();
    deviceAdapter->ptpip_enhance_security_load_pw_list();
    ApplicationData::setFlashAdapter(flashAdapter.get());
    context->setContextProperty(QStringLiteral("flashAdapter"), flashAdapter.get());
    ApplicationData::setUtilities(utilities.get());
    context->setContextProperty(QStringLiteral("utilities"), utilities.get());
    ApplicationData::setObjectCopy(objectCopy.get());
    context->setContextProperty(QStringLiteral("objectcopy"), objectCopy.get());
    context->setContextProperty(QStringLiteral("appPath"), QCoreApplication::applicationDirPath());
    ApplicationData::setVersionData(versionData.get());
    context->setContextProperty(QStringLiteral("versionData"), versionData.get());
    auto logCollector = std::make_unique<LogTetherCollector>();
    context->setContextProperty(QStringLiteral("logCollector"), logCollector.get());
    ApplicationData::setPreviewImageInfo(previewImageInfo.get());
    engine->addImageProvider(QStringLiteral("histgramCapture"), new HistgramImageProvider);
    engine->addImageProvider(QStringLiteral("previewCapture"), new PreviewImageProvider);
    context->setContextProperty(QStringLiteral("videoImageInfo"), deviceAdapter->liveViewManager());
    context->setContextProperty(QStringLiteral("previewImageInfo"), previewImageInfo.get());
    engine->addImageProvider(QStringLiteral("overlayPhoto"), new OverlayImageProvider);
    engine->addImageProvider(QStringLiteral("standard"), new StandardPixmapProvider);
    engine->addImageProvider(QStringLiteral("brightnessChg"), new BrightnessChgImageProvider);
    engine->addImageProvider(QStringLiteral("colorizeChg"), new ColorizeChgImageProvider);

    app->setQuitOnLastWindowClosed(true);
    engine->load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
    app->setQuitOnLastWindowClosed(false);

    (void)KVR_func_api_DbgLog_Init(applicationSettings->debugEnable() ? 1 : 0);

    const int exitCode = app->exec();

    return startup::endProgram(
        *deviceAdapter, exitCode,
        [&] {
            logCollector.reset();
            translator.reset();
            qtTranslator.reset();
            engine.reset();
            objectCopy.reset();
            previewImageInfo.reset();
            versionData.reset();
            utilities.reset();
            flashAdapter.reset();
            ApplicationData::setMessageDisplayedListener({});
            deviceAdapter.reset();
            applicationSettings.reset();
            app.reset();
        },
        [&] { instanceGuard.reset(); });
}
