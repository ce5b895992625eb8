// Live view of 1, 4 and 12 simulated cameras at 640 x 480 through the real
// LiveViewManager and VideoAdapter into a real QVideoSink, for a fixed time
// each. Measures the painted frame rate of the slowest camera, the process
// CPU time per painted frame and, as the baseline of the same run, a bare
// decode of the same JPEG frame.
//
// Usage: bench_liveview [seconds per run, default 5]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QTimer>
#include <QVideoSink>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "KvrSim.h"
#include "SimulatorFixture.h"
#include "Kvrptpif.h"
#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"

using namespace kavrotether;

namespace {

double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

double peakRssMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0; // kilobytes on Linux
}

std::string scenario(int count)
{
    std::string json = "{\"cameras\": [";
    for (int i = 1; i <= count; ++i) {
        char model[64];
        std::snprintf(model, sizeof model, "Rozado Sim L%02d", i);
        json += (i > 1 ? "," : "") + std::string("{\"model\": \"") + model + "\", \"connection\": \"usb\"}";
    }
    return json + "]}";
}

void runEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Milliseconds per bare decode of one frame at its full size.
double decodeMs(const QByteArray &jpeg)
{
    const int rounds = 300;
    QElapsedTimer t;
    t.start();
    qint64 pixels = 0;
    for (int i = 0; i < rounds; ++i)
        pixels += QImage::fromData(jpeg, "JPG").width();
    const double ms = double(t.nsecsElapsed()) / 1e6 / rounds;
    return pixels > 0 ? ms : -1;
}

struct Result
{
    int cameras = 0;
    double lowestFps = 0;
    double hostMsPerFrame = 0;
    double sinkFps = 0;
    double decodeMs = 0;
};

Result run(int count, int seconds)
{
    Result r;
    r.cameras = count;
    kvrsim::reset();
    if (!kvrsim::loadScenarioJson(scenario(count)) || KVR_func_api_Init() != 1) {
        std::fprintf(stderr, "simulator did not start\n");
        return r;
    }
    std::vector<int> indexes = kvrsim::cameras();
    std::vector<_MULTIVIEW_DEVICE_PARAM> params;
    for (int index : indexes) {
        _MULTIVIEW_DEVICE_PARAM p;
        p.uuid = QByteArray::fromStdString(test::openUsbCamera(index));
        p.devIndex = index;
        p.devMutex = std::make_shared<QMutex>();
        params.push_back(p);
    }
    QVideoSink sink;
    int sinkFrames = 0;
    QObject::connect(&sink, &QVideoSink::videoFrameChanged, [&] { ++sinkFrames; });
    {
        VideoAdapter adapter;
        LiveViewManager manager;
        adapter.setVideoSink(&sink);
        manager.SetVideoAdapter(&adapter);
        manager.SetCameraUUID(params, VIEW_SPLIT_12_NOPAGE);
        manager.SetSelectedCameraUUID(params.front());
        manager.StartLiveAsync();
        manager.waitCommandsDone(10000);
        runEvents(700); // warm up

        std::vector<uint64_t> before;
        for (int index : indexes)
            before.push_back(kvrsim::liveViewFramesServed(index));
        const int sinkBefore = sinkFrames;
        const double cpuBefore = cpuMs();
        QElapsedTimer wall;
        wall.start();
        runEvents(seconds * 1000);
        const double cpu = cpuMs() - cpuBefore;
        const double elapsed = double(wall.nsecsElapsed()) / 1e9;
        uint64_t total = 0;
        double lowest = 1e9;
        for (size_t i = 0; i < indexes.size(); ++i) {
            const uint64_t frames = kvrsim::liveViewFramesServed(indexes[i]) - before[i];
            total += frames;
            lowest = std::min(lowest, double(frames) / elapsed);
        }
        r.lowestFps = lowest;
        r.hostMsPerFrame = total ? cpu / double(total) : 0;
        r.sinkFps = (sinkFrames - sinkBefore) / elapsed;

        manager.ForceStop();
        adapter.ForceStop();
    }
    // The baseline: the same camera's frame, decoded bare.
    KVR_func_api_Ctrl_LiveView_Start(params.front().uuid.constData(), nullptr);
    std::vector<uint8_t> buffer(KVR_LIVEVIEW_JPEG_BUFFER_SIZE);
    uint32_t size = 0;
    uint32_t error = 1;
    for (int attempt = 0; attempt < 100 && error != 0; ++attempt) {
        size = KVR_LIVEVIEW_JPEG_BUFFER_SIZE;
        uint32_t hs = 0, ps = 0, ls = 0;
        KVR_func_api_Get_LiveView_data(nullptr, &hs, nullptr, &ps, nullptr, &ls, buffer.data(), &size,
                                       params.front().uuid.constData(), &error);
    }
    r.decodeMs = error == 0 ? decodeMs(QByteArray(reinterpret_cast<const char *>(buffer.data()), int(size))) : -1;
    KVR_func_api_Finish();
    kvrsim::reset();
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    Result last;
    for (int count : {1, 4, 12}) {
        last = run(count, seconds);
        std::printf("run cameras=%d painted_fps_per_camera=%.1f sink_fps=%.1f host_ms_per_frame=%.3f decode_ms=%.3f\n",
                    last.cameras, last.lowestFps, last.sinkFps, last.hostMsPerFrame, last.decodeMs);
        std::fflush(stdout);
    }
    std::printf("liveview cameras=%d frame=640x480 painted_fps_per_camera=%.1f host_ms_per_frame=%.3f decode_ms=%.3f "
                "cost_ratio=%.2f rss_mb=%.0f\n",
                last.cameras, last.lowestFps, last.hostMsPerFrame, last.decodeMs,
                last.decodeMs > 0 ? last.hostMsPerFrame / last.decodeMs : 0.0, peakRssMb());
    return 0;
}
