// Shows live view of the twelve-camera scenario in a QML VideoOutput and
// saves a picture of the window: a look at what the pipeline delivers.
//
// Usage: liveview_shot <scenario.json> <qml file> <out.png>

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QVideoSink>

#include <cstdio>
#include <cstring>
#include <memory>

#include "KvrSim.h"
#include "SimulatorFixture.h"
#include "Kvrptpif.h"
#include "liveview/LiveViewManager.h"
#include "liveview/VideoAdapter.h"

using namespace kavrotether;

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: liveview_shot <scenario.json> <qml file> <out.png>\n");
        return 2;
    }
    std::string error;
    if (!kvrsim::loadScenarioFile(argv[1], &error) || KVR_func_api_Init() != 1) {
        std::fprintf(stderr, "scenario: %s\n", error.c_str());
        return 1;
    }
    std::vector<_MULTIVIEW_DEVICE_PARAM> params;
    for (int index : kvrsim::cameras()) {
        _MULTIVIEW_DEVICE_PARAM p;
        p.uuid = QByteArray::fromStdString(test::openUsbCamera(index));
        p.devIndex = index;
        p.devMutex = std::make_shared<QMutex>();
        params.push_back(p);
    }
    QQmlApplicationEngine engine(QString::fromLocal8Bit(argv[2]));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    QObject *output = window->findChild<QObject *>(QStringLiteral("output"));
    auto *sink = output ? output->property("videoSink").value<QVideoSink *>() : nullptr;
    if (!sink)
        return 1;
    int status = 1;
    {
        VideoAdapter adapter;
        LiveViewManager manager;
        adapter.setVideoSink(sink);
        manager.SetVideoAdapter(&adapter);
        manager.SetCameraUUID(params, VIEW_SPLIT_12_NOPAGE);
        manager.SetSelectedCameraUUID(params.front());
        manager.StartLiveAsync();
        QTimer::singleShot(3000, &app, [&] {
            status = window->grabWindow().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
            app.quit();
        });
        app.exec();
        manager.ForceStop();
        adapter.ForceStop();
    }
    KVR_func_api_Finish();
    return status;
}
