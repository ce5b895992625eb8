// The twelve-camera soak: the program's own objects, wired as main() wires
// them (adapter with its event queue and worker, live-view manager and video
// adapter into a real sink, the transfer object and its workers), against
// the twelve-camera scenario. Live view of all twelve runs throughout while
// mirrored one-shot releases go out (JPEG, RAW+JPEG and HEIF by turns) until
// the pictures are taken; a few movies are recorded on the selected camera
// alone and copied as the movie dialog copies them; midway one camera is
// pulled out and plugged back in, and its releases go on.
//
// Every file the cameras handed over is then compared, byte for byte (by
// SHA-1), with the files on disk; a file name whose content changed after
// it first appeared counts as overwritten. The last line:
//   soak cameras=12 shots=<pictures released> saved=<files saved>
//        lost=<objects handed over but not on disk> overwritten=<...>
//        rss_growth_pct=<RSS over the last minute against the first>
//        replug_lv_s=<plug to the replugged camera's frames; -1: never>
// Exit status: 0 when all is well; 1 when an object was lost, a file
// overwritten, a transfer failure reported or the replugged camera's live
// view did not come back (or the run could not start); 2 when a step hung;
// 3 when the whole run overran its bound.
//
// Usage: bench_soak [--shots N (default 1000)] [--movies N (default 4)]
//                   [--interval-ms N: from one release to the next once its
//                    files are saved (default 6000, about ten minutes in all)]
//                   [--minutes N: bound of the whole run (default 30)]

#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <QTimer>
#include <QVideoSink>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "KvrSim.h"
#include "app/Startup.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "flash/FlashAdapter.h"
#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"
#include "support/AdapterFixture.h"
#include "support/IsolatedSettings.h"
#include "transfer/ObjectCopy.h"

using namespace kavrotether;

namespace {

constexpr int kCameras = 12;
// Each camera's picture quality by turns: JPEG, RAW+JPEG, HEIF.
constexpr uint32_t kQualities[] = {1, 4, 13};
constexpr int kReleasesPerQuality = 5;
// A step that takes longer than this counts as a hang.
constexpr int kStepTimeoutMs = 180'000;

struct Options
{
    int shots = 1000;
    int movies = 4;
    int intervalMs = 6000;
    int minutes = 30;
};

Options parse(const QStringList &args)
{
    Options o;
    for (int i = 1; i + 1 < args.size(); ++i) {
        const int value = args.at(i + 1).toInt();
        if (args.at(i) == QLatin1String("--shots"))
            o.shots = std::max(1, value);
        else if (args.at(i) == QLatin1String("--movies"))
            o.movies = std::max(0, value);
        else if (args.at(i) == QLatin1String("--interval-ms"))
            o.intervalMs = std::max(0, value);
        else if (args.at(i) == QLatin1String("--minutes"))
            o.minutes = std::max(1, value);
    }
    return o;
}

double rssMb()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

void pump(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the events until `done` holds; false after `timeoutMs`.
bool waitUntil(const std::function<bool()> &done, int timeoutMs = kStepTimeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        pump(20);
    }
    return true;
}

bool isStill(uint32_t format)
{
    return format == KVR_OBJECT_FORMAT_JPEG || format == KVR_OBJECT_FORMAT_RAW || format == KVR_OBJECT_FORMAT_HLG
           || format == KVR_OBJECT_FORMAT_HEIF;
}

// What lands in the folder: every file under its final name (the writer's
// temporary files are hidden), first seen with this identity. A known name
// whose file changes identity or content afterwards was overwritten.
class SavedFiles
{
public:
    explicit SavedFiles(QString root) : m_root(std::move(root)) {}

    void scan()
    {
        QDirIterator it(m_root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            struct stat st{};
            if (::stat(QFile::encodeName(path).constData(), &st) != 0)
                continue;
            const Identity now{quint64(st.st_ino), qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1'000'000'000
                                                                            + st.st_mtim.tv_nsec};
            auto known = m_seen.find(path);
            if (known == m_seen.end()) {
                m_seen.insert(path, now);
            } else if (!(known.value() == now)) {
                ++m_overwritten;
                std::printf("overwritten: %s\n", qPrintable(path));
                known.value() = now;
            }
        }
    }
    int count() const { return int(m_seen.size()); }
    int overwritten() const { return m_overwritten; }
    QStringList paths() const { return m_seen.keys(); }

private:
    struct Identity
    {
        quint64 inode = 0;
        qint64 size = 0;
        qint64 mtimeNs = 0;
        bool operator==(const Identity &o) const
        {
            return inode == o.inode && size == o.size && mtimeNs == o.mtimeNs;
        }
    };
    QString m_root;
    QHash<QString, Identity> m_seen;
    int m_overwritten = 0;
};

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    QCryptographicHash h(QCryptographicHash::Sha1);
    return f.open(QIODevice::ReadOnly) && h.addData(&f) ? h.result() : QByteArray();
}

// The bytes the camera hands out for the object, as the program reads them.
QByteArray objectHash(int index, const kvrsim::ObjectInfo &info)
{
    constexpr uint32_t kChunk = 8u << 20;
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (uint64_t offset = 0; offset < info.size;) {
        const auto length = uint32_t(std::min<uint64_t>(kChunk, info.size - offset));
        const std::vector<uint8_t> bytes = kvrsim::objectBytes(index, info.handle, offset, length);
        if (bytes.size() != length)
            return QByteArray();
        h.addData(QByteArrayView(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
        offset += length;
    }
    return h.result();
}

class Soak
{
public:
    Soak(const Options &options, DeviceAdapter &adapter, ObjectCopy &copy, const QString &folder)
        : m_options(options), m_adapter(adapter), m_copy(copy), m_files(folder)
    {
        QObject::connect(&m_copy, &ObjectCopy::objectTransferFailed, &m_copy,
                         [this](const QString &path, const QString &reason) {
                             ++m_failures;
                             std::printf("transfer failed: %s: %s\n", qPrintable(path), qPrintable(reason));
                         });
        // The movie dialog's part: every offered movie is copied at once.
        QObject::connect(&m_copy, &ObjectCopy::objectAddStateChanged, &m_copy,
                         [this](ObjectCopy::ObjectAddState state) {
                             if (state == ObjectCopy::OAS_Movie_Confirm && m_movieWanted) {
                                 m_movieWanted = false;
                                 m_copy.clearObjectCopys();
                                 m_copy.pushObjectCopys();
                                 m_copy.beginCopying();
                                 m_copy.setObjectCopyToCurrent();
                                 m_copy.setObjectAddState(ObjectCopy::OAS_Movie_Confirm);
                                 m_copy.setObjectAddState(ObjectCopy::OAS_Movie_Start);
                             } else if (state == ObjectCopy::OAS_Movie_Failed) {
                                 m_movieFailed = true;
                             }
                         });
        m_clock.start();
        QObject::connect(&m_rssTimer, &QTimer::timeout, [this] {
            m_rss.push_back({m_clock.elapsed(), rssMb()});
            m_files.scan();
        });
    }

    bool connectAll(QVideoSink &sink)
    {
        for (int index : kvrsim::cameras()) {
            kvrsim::turnDial(index, "fileTarget", Utilities::FLTG_PcOnly);
            m_cameras.push_back(index);
        }
        if (!test::connectUsbCameras(m_adapter)
            || !waitUntil([&] {
                   return m_adapter.camConnectStatus() == Utilities::CamConnectSts_Success
                          && m_adapter.cameraTableCount() == kCameras;
               })) {
            std::fprintf(stderr, "the twelve cameras did not connect (%d)\n", m_adapter.cameraTableCount());
            return false;
        }
        // Mirroring: "All Cameras" over the saved list of all twelve.
        QStringList serials;
        for (int index : m_cameras)
            serials << QString::fromStdString(kvrsim::profileOf(index).serial);
        test::loadKnownCameras(m_adapter, serials);
        m_adapter.setBtnAllCameraStatus(Utilities::BtnAllCameraStatus_Checked);

        // Live view of every camera in tiles, painted into the sink.
        m_adapter.videoSource()->setVideoSink(&sink);
        m_adapter.videoSource()->setVideoOutVisibleStatus(true);
        QObject::connect(&sink, &QVideoSink::videoFrameChanged, [this] { ++m_painted; });
        for (int i = 0; i < m_adapter.camera_list_number_of_camera(); ++i)
            m_adapter.camera_list_set_camera_liveViewEnable(i, true);
        if (!waitUntil(
                [&] {
                    if (!m_adapter.isMultiviewMode())
                        m_adapter.setLiveviewMode_Async(true);
                    pump(300);
                    return m_adapter.isMultiviewMode();
                },
                30'000)) {
            std::fprintf(stderr, "the multi-camera view did not come up\n");
            return false;
        }
        m_adapter.adp_KVR_func_api_Ctrl_LiveView_Start();
        return waitForLiveView(m_cameras);
    }

    // Every camera given serves frames again and again.
    bool waitForLiveView(const std::vector<int> &cameras)
    {
        // The count starts again with each start of a camera's live view.
        std::map<int, uint64_t> start, last;
        for (int index : cameras)
            start[index] = last[index] = kvrsim::liveViewFramesServed(index);
        const bool all = waitUntil(
            [&] {
                return std::all_of(cameras.begin(), cameras.end(), [&](int index) {
                    const uint64_t served = kvrsim::liveViewFramesServed(index);
                    if (served < last[index])
                        start[index] = 0;
                    last[index] = served;
                    return kvrsim::liveViewRunning(index) && served >= start[index] + 5;
                });
            },
            60'000);
        if (!all)
            for (int index : cameras)
                std::printf("live view of camera %d: running=%d frames=%llu\n", index, kvrsim::liveViewRunning(index),
                            static_cast<unsigned long long>(kvrsim::liveViewFramesServed(index)));
        return all;
    }

    void run()
    {
        m_clock.restart();
        m_rssTimer.start(1000);
        const int releases = (m_options.shots + kCameras - 1) / kCameras;
        const int pullAt = releases / 2;
        int moviesDone = 0;
        for (int release = 0; m_shots < m_options.shots; ++release) {
            if (m_clock.elapsed() > qint64(m_options.minutes) * 60'000) {
                std::printf("the run's bound of %d minutes is over\n", m_options.minutes);
                m_hang = true;
                break;
            }
            if (release == pullAt) {
                pullAndPlugBack();
                // Its release without the pulled camera may have made the
                // last shots.
                if (m_shots >= m_options.shots)
                    break;
            }
            // Movies spread over the run, between the releases.
            while (moviesDone < m_options.movies
                   && release >= (moviesDone + 1) * releases / (m_options.movies + 1)) {
                recordMovie();
                ++moviesDone;
            }
            if (release % kReleasesPerQuality == 0)
                setQualities(release / kReleasesPerQuality);
            QElapsedTimer step;
            step.start();
            if (!releaseOnce())
                break;
            // Live view runs on between the releases, as in a session.
            if (step.elapsed() < m_options.intervalMs)
                pump(int(m_options.intervalMs - step.elapsed()));
        }
        while (moviesDone < m_options.movies && !m_hang) {
            recordMovie();
            ++moviesDone;
        }
        m_rssTimer.stop();
        m_files.scan();
        for (int index : m_cameras)
            m_liveViewAtEnd += kvrsim::liveViewRunning(index) ? 1 : 0;
    }

    // Prints the findings, the soak line last. True when nothing was lost
    // or overwritten, no transfer failure was reported and the replugged
    // camera's live view came back.
    bool report()
    {
        std::printf("live view at the end: %d of %d cameras running, %lld frames painted\n", m_liveViewAtEnd,
                    kCameras, static_cast<long long>(m_painted));

        // Which camera handed over what, and what is on disk.
        QHash<QByteArray, int> onDisk;
        for (const QString &path : m_files.paths())
            ++onDisk[fileHash(path)];
        int lost = 0, stills = 0, movies = 0;
        for (int index : m_cameras) {
            for (const kvrsim::ObjectInfo &info : kvrsim::objectInfo(index)) {
                if (!isStill(info.format) && !m_movieHandles.count({index, info.handle}))
                    continue;
                (isStill(info.format) ? stills : movies) += 1;
                auto found = onDisk.find(objectHash(index, info));
                if (found != onDisk.end() && found.value() > 0) {
                    --found.value();
                    continue;
                }
                ++lost;
                if (lost <= 20)
                    std::printf("lost: camera %d handle %u %s\n", index, info.handle, info.fileName.c_str());
            }
        }
        int foreign = 0;
        for (int left : std::as_const(onDisk))
            foreign += left;
        const double growth = rssGrowthPct();
        QString byMinute;
        for (size_t i = 0; i < m_rss.size(); i += 60)
            byMinute += QString::asprintf(" %.0f", m_rss[i].second);
        std::printf("rss_mb each minute:%s\n", qPrintable(byMinute));
        std::printf("objects handed over: %d stills, %d movies; on disk: %d files, %d matching no object; "
                    "transfer failures reported: %d; rss first minute %.1f MB, last minute %.1f MB\n",
                    stills, movies, m_files.count(), foreign, m_failures, rssMean(true), rssMean(false));
        std::printf("wall_s=%.1f%s\n", double(m_clock.elapsed()) / 1000.0, m_hang ? " (a step hung)" : "");
        const QString replug = m_replugLiveViewS < 0 ? QStringLiteral("-1")
                                                     : QString::asprintf("%.1f", m_replugLiveViewS);
        std::printf("soak cameras=%d shots=%d saved=%d lost=%d overwritten=%d rss_growth_pct=%.1f replug_lv_s=%s\n",
                    kCameras, m_shots, m_files.count(), lost, m_files.overwritten(), growth, qPrintable(replug));
        std::fflush(stdout);
        return lost == 0 && m_files.overwritten() == 0 && m_failures == 0 && m_replugLiveViewS >= 0;
    }

    bool hung() const { return m_hang; }

private:
    int stillsMade() const
    {
        int n = 0;
        for (int index : m_cameras)
            for (const auto &object : kvrsim::objects(index))
                n += isStill(object.second);
        return n;
    }

    std::map<int, size_t> objectCounts() const
    {
        std::map<int, size_t> counts;
        for (int index : m_cameras)
            counts[index] = kvrsim::objects(index).size();
        return counts;
    }

    void setQualities(int turn)
    {
        for (size_t i = 0; i < m_cameras.size(); ++i)
            kvrsim::turnDial(m_cameras[i], "imgInfoQuality", kQualities[(i + size_t(turn)) % 3]);
    }

    // Every file made so far is on disk.
    bool waitForSaves()
    {
        const int expected = stillsMade() + m_moviesSaved;
        if (waitUntil([&] {
                m_files.scan();
                return m_files.count() >= expected;
            }))
            return true;
        std::printf("hang: %d of %d files on disk after %d s\n", m_files.count(), expected, kStepTimeoutMs / 1000);
        m_hang = true;
        return false;
    }

    // One mirrored release on as many cameras as shots are still to make:
    // when that is fewer than are connected, "All Cameras" is off for it and
    // the camera list's ticks choose them, besides the selected camera.
    bool releaseOnce()
    {
        const int wanted = m_options.shots - m_shots;
        const bool some = wanted < m_adapter.cameraTableCount();
        if (some)
            tickCameras(wanted);
        const auto before = objectCounts();
        if (m_adapter.adp_KVR_func_api_Rec_Ctrl_Release_one_shot() != Utilities::Ternary_True)
            std::printf("the release was refused\n");
        const auto after = objectCounts();
        for (const auto &[index, count] : after)
            m_shots += count > before.at(index) ? 1 : 0;
        if (some)
            tickCameras(0);
        return waitForSaves();
    }

    // The selected camera and wanted - 1 others take part; 0 gives "All
    // Cameras" back.
    void tickCameras(int wanted)
    {
        m_adapter.setBtnAllCameraStatus(wanted > 0 ? Utilities::BtnAllCameraStatus_Unchecked
                                                   : Utilities::BtnAllCameraStatus_Checked);
        const QString selected = m_adapter.camera_list_get_selected_camera_uuid();
        int ticked = 1;
        for (int i = 0; i < m_adapter.camera_list_number_of_camera(); ++i) {
            const QString uuid = m_adapter.camera_list_get_camera_uuid(i);
            const bool tick = !uuid.isEmpty() && uuid != selected && ticked < wanted;
            m_adapter.camera_list_set_camera_sendCmdEnable(i, tick);
            ticked += tick ? 1 : 0;
        }
    }

    // The selected camera alone records a short movie; the movie dialog's
    // part copies it.
    void recordMovie()
    {
        m_adapter.setBtnAllCameraStatus(Utilities::BtnAllCameraStatus_Unchecked);
        const QString selected = m_adapter.camera_list_get_selected_camera_uuid();
        int index = -1;
        for (int i : m_cameras)
            if (kvrsim::uuidOf(i) == selected.toStdString())
                index = i;
        const size_t before = kvrsim::objects(index).size();
        m_movieWanted = true;
        m_movieFailed = false;
        bool ok = m_adapter.adp_KVR_func_api_MoveRec_Ctrl_Start() == Utilities::Ternary_True;
        pump(1000);
        ok = m_adapter.adp_KVR_func_api_MoveRec_Ctrl_Stop() == Utilities::Ternary_True && ok;
        const auto objects = kvrsim::objects(index);
        if (!ok || objects.size() <= before) {
            std::printf("the movie was not recorded\n");
            m_movieWanted = false;
        } else {
            m_movieHandles.insert({index, objects.back().first});
            const bool copied = waitUntil([&] {
                return m_movieFailed
                       || (!m_movieWanted && m_copy.objectAddDataSize() > 0
                           && m_copy.objectAddOffsetSize() >= m_copy.objectAddDataSize());
            });
            if (!copied || m_movieFailed) {
                std::printf("movie %u was not copied%s\n", objects.back().first, copied ? "" : " (hang)");
                m_hang = m_hang || !copied;
            } else {
                ++m_moviesSaved;
            }
            m_copy.nextCopy();
            m_copy.setObjectAddState(ObjectCopy::OAS_Unknown);
        }
        m_adapter.setBtnAllCameraStatus(Utilities::BtnAllCameraStatus_Checked);
        waitForSaves();
    }

    // The last camera that is not the selected one leaves and comes back:
    // one release goes out without it, then it takes part again.
    void pullAndPlugBack()
    {
        const std::string selected = m_adapter.camera_list_get_selected_camera_uuid().toStdString();
        int pulled = -1;
        for (int index : m_cameras)
            if (kvrsim::uuidOf(index) != selected)
                pulled = index;
        std::printf("pulling camera %d out\n", pulled);
        kvrsim::unplug(pulled);
        if (!waitUntil([&] { return m_adapter.cameraTableCount() == kCameras - 1; }, 60'000))
            std::printf("the pulled camera is still in the table\n");
        releaseOnce();
        QElapsedTimer back;
        back.start();
        kvrsim::plug(pulled);
        m_adapter.adp_KVR_func_api_Search_Camera_List_start();
        if (!waitUntil([&] { return m_adapter.cameraTableCount() == kCameras; }, 60'000)) {
            std::printf("the camera did not come back (%d in the table)\n", m_adapter.cameraTableCount());
            m_hang = true;
            return;
        }
        const bool liveView = waitForLiveView({pulled});
        if (liveView)
            m_replugLiveViewS = double(back.elapsed()) / 1000.0;
        std::printf("camera %d is back; its live view %s\n", pulled, liveView ? "runs again" : "did not come back");
    }

    double rssMean(bool first) const
    {
        if (m_rss.empty())
            return 0;
        const qint64 end = m_rss.back().first;
        double sum = 0;
        int n = 0;
        for (const auto &[at, mb] : m_rss)
            if (first ? at <= 60'000 : at >= end - 60'000) {
                sum += mb;
                ++n;
            }
        return n ? sum / n : 0;
    }

    double rssGrowthPct() const
    {
        const double first = rssMean(true);
        return first > 0 ? (rssMean(false) - first) / first * 100.0 : 0;
    }

    Options m_options;
    DeviceAdapter &m_adapter;
    ObjectCopy &m_copy;
    SavedFiles m_files;
    std::vector<int> m_cameras;
    std::set<std::pair<int, uint32_t>> m_movieHandles;
    QElapsedTimer m_clock;
    QTimer m_rssTimer;
    std::vector<std::pair<qint64, double>> m_rss;
    qint64 m_painted = 0;
    int m_shots = 0;
    int m_liveViewAtEnd = 0;
    int m_moviesSaved = 0;
    int m_failures = 0;
    // From the plug to the replugged camera's frames; below 0 while they
    // have not come back.
    double m_replugLiveViewS = -1;
    bool m_movieWanted = false;
    bool m_movieFailed = false;
    bool m_hang = false;
};

} // namespace

int main(int argc, char **argv)
{
    startup::fixLargeBufferThreshold();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = parse(app.arguments());

    // Nothing may keep the run from ending: past its bound and a grace for
    // the shutdown, it stops with what it knows.
    std::atomic<bool> finished{false};
    std::thread watchdog([&finished, limit = std::chrono::minutes(options.minutes + 3)] {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!finished.load() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (!finished.load()) {
            std::printf("soak hang: the run did not end within its bound\n");
            std::fflush(stdout);
            std::_Exit(3);
        }
    });

    test::IsolatedSettings isolated;
    QTemporaryDir folder;
    kvrsim::reset();
    std::string error;
    if (!kvrsim::loadScenarioFile(KAVRO_SCENARIO_DIR "/liveview12.json", &error)) {
        std::fprintf(stderr, "the twelve-camera scenario did not load: %s\n", error.c_str());
        return 1;
    }

    // As main() builds and wires them.
    auto settings = std::make_unique<ApplicationSettings>();
    auto adapter = std::make_unique<DeviceAdapter>();
    auto flash = std::make_unique<FlashAdapter>();
    auto copy = std::make_unique<ObjectCopy>();
    startup::registerBackgroundStops(*adapter, *flash, *copy);
    ApplicationData::setApplicationSettings(settings.get());
    ApplicationData::setDeviceAdapter(adapter.get());
    startup::bindCameraAccess(*settings, *adapter);
    ApplicationData::setFlashAdapter(flash.get());
    ApplicationData::setObjectCopy(copy.get());
    settings->setStoreFolderType(ApplicationSettings::StoFolderType_User);
    settings->setStoreFolderUrl(folder.path());

    int exitCode = 1;
    {
        QVideoSink sink;
        Soak soak(options, *adapter, *copy, folder.path());
        // The interface's start-up steps that matter here.
        const bool started = adapter->adp_KVR_func_api_Init() == Utilities::Ternary_True
                             && adapter->adp_KVR_func_api_Reg_NotifyCallback() == Utilities::Ternary_True
                             && flash->adp_KVR_func_api_Reg_NotifyCallback() == Utilities::Ternary_True
                             && soak.connectAll(sink);
        if (started) {
            soak.run();
            adapter->liveViewManager()->ForceStop();
        } else {
            std::fprintf(stderr, "the soak could not start\n");
        }
        // Read back while the simulated cameras still hold their objects.
        const bool clean = soak.report();
        if (started)
            exitCode = soak.hung() ? 2 : clean ? 0 : 1;
        startup::stopBackgroundWork(*adapter);
        adapter->videoSource()->setVideoSink(nullptr);
    }

    copy.reset();
    flash.reset();
    ApplicationData::setObjectCopy(nullptr);
    ApplicationData::setFlashAdapter(nullptr);
    adapter.reset();
    ApplicationData::setDeviceAdapter(nullptr);
    ApplicationData::setApplicationSettings(nullptr);
    settings.reset();
    finished.store(true);
    watchdog.join();
    return exitCode;
}
