// Transfer throughput and preview latency against the simulated cameras.
//
// Each kind is saved through the program's path (ObjectCopy with its naming,
// temporary file and no-replace move) and, in the same run and folder, read
// from the camera with the same calls and written with plain buffered
// writes; the best of a few rounds of each counts. The last line compares
// them:
//   transfer movie_ratio=<plain/ours> raw_ratio=<plain/ours> preview_ms=<...>
// preview_ms: from the camera's object event to the published preview path,
// minus the time a plain write of the picture takes.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "KvrSim.h"
#include "support/AdapterFixture.h"
#include "support/DeviceAdapterTestAccess.h"
#include "support/IsolatedSettings.h"
#include "transfer/ObjectCopy.h"

using namespace kavrotether;

namespace {

constexpr int kRounds = 21;
constexpr quint64 kMovieSize = 60ull << 20;
constexpr quint64 kRawSize = 30'000'000;
constexpr quint32 kChunk = ObjectCopy::kChunkSize;

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// The baseline: the same camera reads, written with stdio's buffered writes.
double plainCopy(const std::string &uuid, quint32 handle, quint64 size, bool wide, const QString &path)
{
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[std::min<quint64>(size, kChunk)]);
    QElapsedTimer timer;
    timer.start();
    FILE *f = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!f)
        return -1;
    for (quint64 offset = 0; offset < size;) {
        const auto length = quint32(std::min<quint64>(kChunk, size - offset));
        const uint8_t ok = wide ? KVR_func_api_Get_Partial_ObjectEx(handle, buffer.get(), offset, length, uuid.c_str(),
                                                                    nullptr)
                                : KVR_func_api_Get_Partial_Object(handle, buffer.get(), quint32(offset), length,
                                                                  uuid.c_str(), nullptr);
        if (ok != 1 || std::fwrite(buffer.get(), 1, length, f) != length) {
            std::fclose(f);
            return -1;
        }
        offset += length;
    }
    std::fclose(f);
    return msSince(timer);
}

double plainWrite(const QByteArray &bytes, const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    FILE *f = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!f)
        return -1;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
    std::fclose(f);
    return msSince(timer);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::IsolatedSettings isolated;
    ApplicationSettings settings;
    ApplicationData::setApplicationSettings(&settings);
    test::AdapterFixture fixture;
    if (!fixture.start()) {
        std::fprintf(stderr, "the simulated cameras did not start\n");
        return 1;
    }
    const int index = fixture.connectWithoutReading();
    if (index < 0) {
        std::fprintf(stderr, "no camera connected\n");
        return 1;
    }
    DeviceAdapter &adapter = fixture.adapter();
    const QString uuid = adapter.camera_list_get_selected_camera_uuid();
    const std::string uuidText = uuid.toStdString();

    QTemporaryDir folder;
    settings.setStoreFolderType(ApplicationSettings::StoFolderType_User);
    settings.setStoreFolderUrl(folder.path());
    settings.setFolderNameType(ApplicationSettings::FolNameType_User);
    settings.setDisplayReviewType(ApplicationSettings::DisRevType_On);
    // The computer takes every kind: RAW+JPEG pictures, target the computer.
    kvrsim::turnDial(index, "fileTarget", 1);
    kvrsim::turnDial(index, "imgInfoQuality", 4);
    fixture.deliverAndRun();
    DeviceAdapterTestAccess::setFileTarget(adapter, Utilities::FLTG_PcOnly);

    ObjectCopy copy;
    ApplicationData::setObjectCopy(&copy);

    double ourRaw = std::numeric_limits<double>::max(), plainRaw = ourRaw;
    double ourMovie = ourRaw, plainMovie = ourRaw;
    double preview = ourRaw;
    for (int round = 0; round < kRounds; ++round) {
        // Each side copies an object of its own, so neither finds the
        // other's bytes already made; which side goes first alternates.
        const bool plainFirst = round % 2 == 1;
        const quint32 raw = kvrsim::addObject(index, KVR_OBJECT_FORMAT_RAW, qint64(kRawSize), false);
        const quint32 plainRawObject = kvrsim::addObject(index, KVR_OBJECT_FORMAT_RAW, qint64(kRawSize), false);
        const QString plainRawPath = folder.filePath(QStringLiteral("plain_%1.rw2").arg(round));
        if (plainFirst)
            plainRaw = std::min(plainRaw, plainCopy(uuidText, plainRawObject, kRawSize, false, plainRawPath));
        // RAW: saved on the calling thread, as the event worker does.
        QElapsedTimer timer;
        timer.start();
        copy.startObjectReqTransfer(int(raw), uuid);
        const double rawMs = msSince(timer);
        ourRaw = std::min(ourRaw, rawMs);
        if (!plainFirst)
            plainRaw = std::min(plainRaw, plainCopy(uuidText, plainRawObject, kRawSize, false, plainRawPath));

        // Movie: the saver thread, until the window would see 100 %.
        const quint32 movie = kvrsim::addObject(index, KVR_OBJECT_FORMAT_MOVIE2, qint64(kMovieSize), false);
        const quint32 plainMovieObject = kvrsim::addObject(index, KVR_OBJECT_FORMAT_MOVIE2, qint64(kMovieSize), false);
        const QString plainMoviePath = folder.filePath(QStringLiteral("plain_%1.mp4").arg(round));
        if (plainFirst)
            plainMovie = std::min(plainMovie, plainCopy(uuidText, plainMovieObject, kMovieSize, true, plainMoviePath));
        QSignalSpy progress(&copy, &ObjectCopy::objectAddOffsetSizeChanged);
        copy.setObjectAddOffsetSizeValue(0);
        copy.setMovieHandle(movie);
        copy.setObjectAddState(ObjectCopy::OAS_Movie_Confirm);
        timer.restart();
        copy.setObjectAddState(ObjectCopy::OAS_Movie_Start);
        while (copy.objectAddOffsetSize() < kMovieSize)
            if (!progress.wait(30000)) {
                std::fprintf(stderr, "the movie copy did not finish\n");
                return 1;
            }
        const double movieMs = msSince(timer);
        ourMovie = std::min(ourMovie, movieMs);
        if (!plainFirst)
            plainMovie = std::min(plainMovie, plainCopy(uuidText, plainMovieObject, kMovieSize, true, plainMoviePath));
        copy.setObjectAddState(ObjectCopy::OAS_Unknown);

        // Preview: a JPEG announced by the camera, until its path is out.
        QElapsedTimer published;
        QString publishedPath;
        const auto connection = QObject::connect(&adapter, &DeviceAdapter::pcSavedFilePathChanged, &adapter,
                                                 [&](const QString &path) {
                                                     publishedPath = path;
                                                     published.start();
                                                 });
        timer.restart();
        kvrsim::addObject(index, KVR_OBJECT_FORMAT_JPEG);
        fixture.deliverAndRun();
        QObject::disconnect(connection);
        if (publishedPath.isEmpty()) {
            std::fprintf(stderr, "no preview path was published\n");
            return 1;
        }
        const double total = msSince(timer) - msSince(published);
        const double write = plainWrite(fileBytes(publishedPath),
                                        folder.filePath(QStringLiteral("plain_%1.jpg").arg(round)));
        preview = std::min(preview, std::max(0.0, total - write));
        std::printf("round %d: raw ours_ms=%.1f, movie ours_ms=%.1f, preview total_ms=%.1f write_ms=%.1f\n", round,
                    rawMs, movieMs, total, write);
    }
    std::printf("raw ours_ms=%.1f plain_ms=%.1f; movie ours_ms=%.1f plain_ms=%.1f\n", ourRaw, plainRaw, ourMovie,
                plainMovie);
    std::printf("transfer movie_ratio=%.2f raw_ratio=%.2f preview_ms=%.1f\n", plainMovie / ourMovie, plainRaw / ourRaw,
                preview);
    copy.stopWorkers();
    ApplicationData::setObjectCopy(nullptr);
    fixture.stop();
    ApplicationData::setApplicationSettings(nullptr);
    return 0;
}
