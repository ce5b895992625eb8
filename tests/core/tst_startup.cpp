#include "app/Startup.h"
#include "camera/DeviceAdapter.h"
#include "core/OfflineNetworkAccess.h"
#include "core/Utilities.h"
#include "transfer/ObjectCopy.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSGRendererInterface>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <cstdlib>
#include <memory>
#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

// AddressSanitizer brings its own allocator in place of glibc's.
#if defined(__SANITIZE_ADDRESS__)
#define KAVRO_ASAN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KAVRO_ASAN_ALLOCATOR 1
#endif
#endif

using namespace kavrotether;

namespace {

// argv as the entry function sees it, built from a list of strings.
struct Argv
{
    explicit Argv(const QStringList &args)
    {
        for (const QString &a : args)
            storage.push_back(a.toUtf8());
        for (QByteArray &b : storage)
            pointers.push_back(b.data());
        pointers.push_back(nullptr);
    }
    int argc() const { return int(storage.size()); }
    char **argv() { return pointers.data(); }
    std::vector<QByteArray> storage;
    std::vector<char *> pointers;
};

const int kStart = QSGRendererInterface::Unknown;

bool everythingSupported(int)
{
    return true;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), qint64(content.size()));
}

QByteArray plistWithLanguage(const QByteArray &value)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n"
           "\t<key>Version</key>\n\t<string>1.0</string>\n"
           "\t<key>Language</key>\n\t<string>"
           + value
           + "</string>\n"
             "</dict>\n</plist>\n";
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void largeBuffersKeepTheirOwnPages();

    void sceneGraph_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("onlyOpenGLAndSoftware");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("applied");

        const int none = -100;
        QTest::newRow("no option") << QStringList{"prog"} << false << kStart << none;
        QTest::newRow("opengl in capitals") << QStringList{"prog", "-graph=OPENGL"} << false
                                            << int(QSGRendererInterface::OpenGL) << int(QSGRendererInterface::OpenGL);
        QTest::newRow("prefix is case-sensitive") << QStringList{"prog", "-Graph=opengl"} << false << kStart << none;
        QTest::newRow("unknown then metal") << QStringList{"prog", "-graph=fast", "-graph=metal"} << false
                                            << int(QSGRendererInterface::Metal) << int(QSGRendererInterface::Metal);
        QTest::newRow("first match wins") << QStringList{"prog", "-graph=soft", "-graph=vulkan"} << false
                                          << int(QSGRendererInterface::Software) << int(QSGRendererInterface::Software);
        QTest::newRow("each value") << QStringList{"prog", "-graph=d3d11"} << false
                                    << int(QSGRendererInterface::Direct3D11) << int(QSGRendererInterface::Direct3D11);
        QTest::newRow("openvg") << QStringList{"prog", "-graph=OpenVG"} << false << int(QSGRendererInterface::OpenVG)
                                << int(QSGRendererInterface::OpenVG);
        QTest::newRow("missing back end is skipped")
            << QStringList{"prog", "-graph=metal", "-graph=opengl"} << true << int(QSGRendererInterface::OpenGL)
            << int(QSGRendererInterface::OpenGL);
        QTest::newRow("only missing back ends") << QStringList{"prog", "-graph=d3d11"} << true << kStart << none;
        QTest::newRow("empty value") << QStringList{"prog", "-graph="} << false << kStart << none;
        QTest::newRow("index 0 counts") << QStringList{"-graph=soft"} << false << int(QSGRendererInterface::Software)
                                        << int(QSGRendererInterface::Software);
    }

    void sceneGraph()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, onlyOpenGLAndSoftware);
        QFETCH(int, expected);
        QFETCH(int, applied);

        Argv a(args);
        int appliedApi = -100;
        int applyCount = 0;
        auto supported = [&](int api) {
            if (!onlyOpenGLAndSoftware)
                return everythingSupported(api);
            return api == QSGRendererInterface::OpenGL || api == QSGRendererInterface::Software;
        };
        const int result = startup::SetSceneGraph(a.argc(), a.argv(), kStart, supported, [&](int api) {
            appliedApi = api;
            ++applyCount;
        });
        QCOMPARE(result, expected);
        QCOMPARE(appliedApi, applied);
        QVERIFY(applyCount <= 1);
    }

    void sceneGraphWithoutArguments()
    {
        int applied = 0;
        QCOMPARE(startup::SetSceneGraph(0, nullptr, 7, everythingSupported, [&](int) { ++applied; }), 7);
        QCOMPARE(applied, 0);
    }

    // An API the machine cannot drive after all falls back to the one Qt
    // Quick reported at start, instead of leaving Qt Quick unable to draw.
    void confirmGraphicsApi_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("applied");
        const int none = -100;
        const int vulkan = QSGRendererInterface::Vulkan;
        const int openGL = QSGRendererInterface::OpenGL;
        QTest::newRow("usable") << vulkan << true << vulkan << none;
        QTest::newRow("unusable") << vulkan << false << openGL << openGL;
        QTest::newRow("nothing was chosen") << openGL << false << openGL << none;
    }

    void confirmGraphicsApi()
    {
        QFETCH(int, chosen);
        QFETCH(bool, usable);
        QFETCH(int, expected);
        QFETCH(int, applied);
        int appliedApi = -100;
        const int result = startup::confirmGraphicsApi(
            chosen, QSGRendererInterface::OpenGL, [&](int) { return usable; }, [&](int api) { appliedApi = api; });
        QCOMPARE(result, expected);
        QCOMPARE(appliedApi, applied);
    }

    void onlyVulkanNeedsAnInstance()
    {
        QVERIFY(startup::graphicsApiUsable(QSGRendererInterface::OpenGL));
        QVERIFY(startup::graphicsApiUsable(QSGRendererInterface::Software));
        // Without a driver (as under the offscreen platform) Vulkan is refused.
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QVERIFY(!startup::graphicsApiUsable(QSGRendererInterface::Vulkan));
    }

    void linuxLacksForeignBackEnds()
    {
#if defined(Q_OS_LINUX)
        QVERIFY(!startup::platformSupportsGraphicsApi(QSGRendererInterface::Metal));
        QVERIFY(!startup::platformSupportsGraphicsApi(QSGRendererInterface::Direct3D11));
        QVERIFY(!startup::platformSupportsGraphicsApi(QSGRendererInterface::OpenVG));
        QVERIFY(startup::platformSupportsGraphicsApi(QSGRendererInterface::OpenGL));
        QVERIFY(startup::platformSupportsGraphicsApi(QSGRendererInterface::Software));
#else
        QSKIP("Linux back ends only");
#endif
    }

    void shaderDiskCache_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("disabled");
        QTest::newRow("none") << QStringList{"prog"} << false;
        QTest::newRow("disable") << QStringList{"prog", "-sdc=disable"} << true;
        QTest::newRow("capitals") << QStringList{"prog", "-sdc=DISABLE"} << true;
        QTest::newRow("other value") << QStringList{"prog", "-sdc=enable"} << false;
        QTest::newRow("other then disable") << QStringList{"prog", "-sdc=off", "-sdc=Disable"} << true;
        QTest::newRow("prefix case") << QStringList{"prog", "-SDC=disable"} << false;
        QTest::newRow("trailing text") << QStringList{"prog", "-sdc=disabled"} << false;
    }

    void shaderDiskCache()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, disabled);
        Argv a(args);
        QCOMPARE(startup::wantsShaderDiskCacheDisabled(a.argc(), a.argv()), disabled);
    }

    void language_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("plist"); // empty: no file
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("qtLanguage");

        const QByteArray noFile;
        QTest::newRow("nothing: English") << QStringList{"prog"} << noFile << "en" << int(QLocale::English);
        QTest::newRow("argument") << QStringList{"prog", "-lang=ja"} << noFile << "ja" << int(QLocale::Japanese);
        QTest::newRow("argument beats file")
            << QStringList{"prog", "-lang=de"} << plistWithLanguage("fr") << "de" << int(QLocale::German);
        QTest::newRow("unsupported argument falls back to file")
            << QStringList{"prog", "-lang=pt"} << plistWithLanguage("it") << "it" << int(QLocale::Italian);
        QTest::newRow("unsupported argument, no file")
            << QStringList{"prog", "-lang=pt"} << noFile << "en" << int(QLocale::English);
        QTest::newRow("capitals not recognised")
            << QStringList{"prog", "-lang=JA"} << noFile << "en" << int(QLocale::English);
        QTest::newRow("extra characters ignored")
            << QStringList{"prog", "-lang=zhxx"} << noFile << "zh" << int(QLocale::Chinese);
        QTest::newRow("later argument after unsupported")
            << QStringList{"prog", "-lang=xx", "-lang=ru"} << noFile << "ru" << int(QLocale::Russian);
        QTest::newRow("file") << QStringList{"prog"} << plistWithLanguage("es") << "es" << int(QLocale::Spanish);
        QTest::newRow("file with unsupported value")
            << QStringList{"prog"} << plistWithLanguage("pt") << "en" << int(QLocale::English);
        QTest::newRow("file value in capitals")
            << QStringList{"prog"} << plistWithLanguage("JA") << "en" << int(QLocale::English);
        QTest::newRow("file without the key")
            << QStringList{"prog"} << QByteArray("<plist><dict><key>Other</key><string>ja</string></dict></plist>")
            << "en" << int(QLocale::English);
        QTest::newRow("garbage file") << QStringList{"prog"} << QByteArray("\x01\x02not xml<<<") << "en"
                                      << int(QLocale::English);
        QTest::newRow("truncated file") << QStringList{"prog"} << plistWithLanguage("ja").left(150) << "en"
                                        << int(QLocale::English);
    }

    void language()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, plist);
        QFETCH(QString, code);
        QFETCH(int, qtLanguage);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("ini/setup.plist");
        if (!plist.isEmpty())
            writeFile(path, plist);

        Utilities utilities;
        QCOMPARE(startup::language(args, QLocale::English, &utilities, path), code);
        QCOMPARE(int(utilities.getLanguageType()), qtLanguage);
    }

    void plistReader_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("language");
        QTest::newRow("plain") << plistWithLanguage("fr") << "fr";
        QTest::newRow("key in a nested dictionary does not count")
            << QByteArray("<plist><dict><key>Sub</key><dict><key>Language</key><string>ja</string></dict>"
                          "<key>Version</key><string>2</string></dict></plist>")
            << "";
        QTest::newRow("value that is not a string")
            << QByteArray("<plist><dict><key>Language</key><integer>3</integer></dict></plist>") << "";
        QTest::newRow("key after a nested dictionary")
            << QByteArray("<plist><dict><key>Sub</key><dict><key>X</key><string>y</string></dict>"
                          "<key>Language</key><string>zh</string></dict></plist>")
            << "zh";
        QTest::newRow("empty") << QByteArray() << "";
    }

    void plistReader()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QTemporaryDir dir;
        const QString path = dir.filePath("setup.plist");
        writeFile(path, content);
        QCOMPARE(startup::readSetupPlistLanguage(path), language);
    }

    void missingPlist()
    {
        QCOMPARE(startup::readSetupPlistLanguage(QStringLiteral("/nonexistent/setup.plist")), QString());
    }

    void applicationDataFolderIsNamedForTheProduct()
    {
        QVERIFY(startup::applicationDataFolder().endsWith(QStringLiteral("/KAVRO Rozado")));
    }

    void translationName()
    {
        QCOMPARE(startup::translationName(QStringLiteral(":/translations/"), QStringLiteral("de"), nullptr),
                 QStringLiteral("translation_de"));
        QCOMPARE(startup::translationName(QStringLiteral("/nowhere/"), QStringLiteral("xx"), nullptr),
                 QStringLiteral("translation_xx"));
    }

    // The file chooser of the firmware update speaks the chosen language.
    void qtTranslations_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"ja", "de", "es", "fr", "it", "ru", "zh"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void qtTranslations()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(startup::loadQtTranslations(translator, code));
        const QString lookIn = translator.translate("QFileDialog", "Look in:");
        QVERIFY(!lookIn.isEmpty());
        QVERIFY(lookIn != QStringLiteral("Look in:"));
    }

    void fontFamily_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("family");
        QTest::newRow("ja") << int(QLocale::Japanese) << "Hiragino Sans";
        QTest::newRow("zh") << int(QLocale::Chinese) << "PingFang SC";
        QTest::newRow("en") << int(QLocale::English) << "Tahoma";
        QTest::newRow("ru") << int(QLocale::Russian) << "Tahoma";
        QTest::newRow("unset") << 0 << "Tahoma";
    }

    void fontFamily()
    {
        QFETCH(int, language);
        QFETCH(QString, family);
        QCOMPARE(startup::fontFamilyForLanguage(language), family);
    }

    void standardPixmaps()
    {
        // The interface asks for these on every message box: no request may
        // print anything.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        StandardPixmapProvider provider;
        QSize size(-5, -5);
        const QPixmap warning = provider.requestPixmap(QStringLiteral("MessageBoxWarning"), &size, QSize(10, 10));
        QVERIFY(!warning.isNull());
        QVERIFY(warning.width() <= 1024 && warning.height() <= 1024);
        QCOMPARE(size, QSize(-5, -5)); // never written
        for (const char *id : {"MessageBoxQuestion", "MessageBoxCritical", "MessageBoxInformation"})
            QVERIFY2(!provider.requestPixmap(QString::fromLatin1(id), nullptr, QSize()).isNull(), id);
        QVERIFY(provider.requestPixmap(QStringLiteral("nonsense"), nullptr, QSize()).isNull());
    }

    // Nothing the windows show comes from the network: what asks the
    // program's engine for an address fails at once, and nothing reaches
    // the address.
    void qmlEngineStaysOffTheNetwork_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<int>("failed");
        QTest::newRow("picture") << "Image { source: '%1' }" << 3;   // Image.Error
        QTest::newRow("document") << "Loader { source: '%1' }" << 3; // Loader.Error
    }
    void qmlEngineStaysOffTheNetwork()
    {
        QFETCH(QString, document);
        QFETCH(int, failed);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString address = QStringLiteral("http://127.0.0.1:%1/id.png").arg(server.serverPort());
        OfflineNetworkAccessFactory offline;
        QQmlEngine engine;
        engine.setNetworkAccessManagerFactory(&offline);
        QQmlComponent component(&engine);
        component.setData(("import QtQuick\n" + document.arg(address)).toUtf8(), QUrl());
        const std::unique_ptr<QObject> item(component.create());
        QVERIFY2(item, qPrintable(component.errorString()));
        QTRY_COMPARE(item->property("status").toInt(), failed);
        QVERIFY(!server.hasPendingConnections());
    }

    // Queued signals find their enumerations by these names, some of which
    // are spelled unlike the C++ types they stand for.
    void metaTypeNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("type");
        QTest::newRow("first") << QByteArray("Utilities::RecordingMode")
                               << QMetaType::fromType<Utilities::RecordingMode>().id();
        QTest::newRow("misspelt format") << QByteArray("Utilities::ImgInfoFoamet")
                                         << QMetaType::fromType<Utilities::ImgInfoFormat>().id();
        QTest::newRow("adapter's, unqualified")
            << QByteArray("BatteryLevel") << QMetaType::fromType<DeviceAdapter::BatteryLevel>().id();
        QTest::newRow("carried as int") << QByteArray("Cut6K4KState") << QMetaType::fromType<int>().id();
        QTest::newRow("last") << QByteArray("Utilities::AFFramesMax")
                              << QMetaType::fromType<Utilities::AFFramesMax>().id();
    }
    void metaTypeNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, type);
        QCOMPARE(startup::registerMetaTypes(), 80);
        QCOMPARE(QMetaType::fromName(name).id(), type);
    }
};

// Once a movie's transfer chunk has been freed, a buffer above the fixed
// threshold still gets pages of its own (given back when it is freed)
// instead of staying in the heap for good.
void TestStartup::largeBuffersKeepTheirOwnPages()
{
#if defined(KAVRO_ASAN_ALLOCATOR)
    QSKIP("AddressSanitizer's allocator replaces glibc's: the threshold and mallinfo2() do not apply to it");
#elif defined(__GLIBC__) && defined(M_MMAP_THRESHOLD)
    startup::fixLargeBufferThreshold();
    // volatile: the compiler may drop an allocation nobody reads.
    auto ownPages = [](size_t size) {
        const size_t before = mallinfo2().hblks;
        void *volatile p = std::malloc(size);
        const bool own = mallinfo2().hblks > before;
        std::free(p);
        return own;
    };
    void *volatile chunk = std::malloc(ObjectCopy::kChunkSize);
    std::free(chunk);
    QVERIFY(ownPages(size_t(startup::kLargeBufferThreshold) + 1024 * 1024));
#else
    QSKIP("the C library's threshold is glibc's");
#endif
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
