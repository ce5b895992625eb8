// Writes the seed inputs of every fuzz target into <folder>/<target>/: the
// files the simulated cameras make (pictures, setting files) and those the
// tests build (camera pictures byte by byte, version file, property lists).
//
// Usage: kavro_fuzz_seeds <folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

#include "KvrSim.h"
#include "PictureFixtures.h"
#include "PropertyList.h"
#include "SimulatorFixture.h"

using namespace kavrotether;

namespace {

QDir g_out;
constexpr uint64_t kSeedMax = 128 * 1024;

void seed(const char *target, const QString &name, const QByteArray &bytes)
{
    g_out.mkpath(QString::fromLatin1(target));
    if (!test::writeFile(g_out.filePath(QString::fromLatin1(target) + QLatin1Char('/') + name), bytes))
        std::fprintf(stderr, "cannot write the seed %s/%s\n", target, qPrintable(name));
}

QByteArray bytesOf(const std::vector<uint8_t> &data)
{
    return QByteArray(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
}

// Every kind of still the simulated cameras make, whole.
void cameraObjects()
{
    struct Kind
    {
        uint32_t format;
        const char *target;
        const char *name;
    };
    const Kind kinds[] = {{KVR_OBJECT_FORMAT_JPEG, "exif", "camera.jpg"},
                          {KVR_OBJECT_FORMAT_RAW, "tiff", "camera.rw2"},
                          {KVR_OBJECT_FORMAT_HLG, "tiff", "camera.hsp"},
                          {KVR_OBJECT_FORMAT_HEIF, "heif", "camera.hif"}};
    test::startSimulator(R"({"cameras": [{"model": "Rozado Sim A1", "serial": "FUZ100000001"}]})");
    const int index = kvrsim::cameras().front();
    for (const Kind &kind : kinds) {
        const uint32_t handle = kvrsim::addObject(index, kind.format, kvrsim::NaturalSize, false);
        // The structure and the previews lie in the first few tens of KiB;
        // the sensor data behind them would only slow every run down.
        for (const kvrsim::ObjectInfo &info : kvrsim::objectInfo(index))
            if (info.handle == handle)
                seed(kind.target, QString::fromLatin1(kind.name),
                     bytesOf(kvrsim::objectBytes(index, handle, 0, uint32_t(std::min<uint64_t>(info.size, kSeedMax)))));
    }
    seed("settingfile", QStringLiteral("camera.dat"), bytesOf(kvrsim::setupData(index)));
    test::stopSimulator();
}

void testPictures()
{
    using test::ByteOrder;
    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const QString o = order == ByteOrder::Big ? QStringLiteral("mm") : QStringLiteral("ii");
        const QByteArray preview = test::plainJpeg(QSize(32, 24));
        seed("exif", o + QStringLiteral(".jpg"), test::cameraJpeg(order, 6, QSize(32, 24)));
        seed("tiff", o + QStringLiteral(".rw2"), test::rawFile(order, preview, preview, 6));
        seed("tiff", o + QStringLiteral(".hsp"), test::hlgFile(order, preview, 6));
        seed("heif", o + QStringLiteral(".hif"), test::heifFile(order, preview, preview, 6));
    }
}

void documents()
{
    seed("versionfile", QStringLiteral("update.xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<update>\n<productName>KAVRO Rozado</productName>\n"
         "<model name=\"R-1.2.3.4\">\n<major>1</major>\n<minor>2</minor>\n<build>3</build>\n<revision>4</revision>\n"
         "<importance>H</importance>\n<notice>Notice 1.2.3.4</notice>\n"
         "<address>https://kavro.example/1.2.3.4</address>\n</model>\n</update>\n");
    const QDir resources(QStringLiteral(KAVRO_PANE_RESOURCES));
    for (const QString &name : resources.entryList({QStringLiteral("*.plist")}, QDir::Files)) {
        QFile file(resources.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            seed("plist", name, file.readAll());
    }
    installer::PlistValue setup;
    setup.setValue(QStringLiteral("Language"), installer::PlistValue::string(QStringLiteral("de")));
    seed("plist", QStringLiteral("setup.plist"), installer::writePropertyList(setup));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    g_out = QDir(QString::fromLocal8Bit(argv[1]));
    g_out.mkpath(QStringLiteral("."));
    cameraObjects();
    testPictures();
    documents();
    return 0;
}
