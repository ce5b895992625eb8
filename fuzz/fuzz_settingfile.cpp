// A camera setting file read back from disk and handed to a simulated
// camera in session, through the program's restore.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"

using namespace kavrotether;

namespace {

struct Setup
{
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<test::IsolatedSettings> settings;
    std::unique_ptr<DeviceAdapter> adapter;
    QString uuid;
    QString path;
};

Setup *setup = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setup = new Setup;
    setup->app = std::make_unique<QCoreApplication>(*argc, *argv);
    setup->settings = std::make_unique<test::IsolatedSettings>();
    if (!test::startSimulator(R"({"cameras": [{"model": "Rozado Sim A1", "serial": "FUZ100000001"}]})"))
        qFatal("the simulated camera did not start");
    setup->uuid = QString::fromStdString(test::openUsbCamera(kvrsim::cameras().front()));
    if (setup->uuid.isEmpty())
        qFatal("the simulated camera did not open its session");
    setup->adapter = std::make_unique<DeviceAdapter>();
    setup->path = setup->settings->path() + QStringLiteral("/setting.dat");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(setup->path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            qFatal("cannot write the input file");
    }
    setup->adapter->setup_file_config_setting_restore_setting(setup->uuid, setup->path);
    return 0;
}
