#include "AdapterFixture.h"

#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QWidget>

#include <atomic>

#include "KvrSim.h"
#include "QueuedSpy.h"
#include "SimulatorFixture.h"
#include "camera/DeviceSearch.h"
#include "camera/PasswordInput.h"
#include "core/ApplicationData.h"
#include "core/Utilities.h"

namespace kavrotether::test {

namespace {
constexpr int kSearchTimeoutMs = 10000;
const ConnectReadTables kNoReading{nullptr, 0, nullptr, 0};
std::atomic<int> g_runningFixtures{0};
} // namespace

InstalledSettings::InstalledSettings()
{
    ApplicationData::setApplicationSettings(this);
}

InstalledSettings::~InstalledSettings()
{
    if (AdapterFixture::running() > 0)
        qFatal("The settings end while an adapter fixture still runs: make them before the fixture");
    if (ApplicationData::getApplicationSettings() == this)
        ApplicationData::setApplicationSettings(nullptr);
}

int AdapterFixture::running()
{
    return g_runningFixtures.load();
}

bool connectUsbCameras(DeviceAdapter &adapter)
{
    return adapter.adp_KVR_func_api_ptpip_Set_Connection_Type(kConnectionUsb) == Utilities::Ternary_True
           && adapter.adp_KVR_func_api_GetPnPDeviceInfo() == Utilities::Ternary_True
           && adapter.connectEnableDevice() == Utilities::Ternary_True;
}

void loadKnownCameras(DeviceAdapter &adapter, const QStringList &serials)
{
    {
        QSettings file(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("(KAVROTether x64)"),
                       QStringLiteral("CameraList"));
        file.clear();
        file.setValue(QStringLiteral("NumberOfCamera"), serials.size());
        for (int i = 0; i < serials.size(); ++i)
            file.setValue(QStringLiteral("CameraID%1").arg(i + 1), serials.at(i));
        file.sync();
    }
    adapter.camera_list_load_setting_file();
}

PasswordInput *shownPasswordDialog()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<PasswordInput *>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

int addNetworkCamera(const std::string &serial, const std::string &friendlyName, bool tls)
{
    kvrsim::CameraProfile profile;
    profile.model = "Rozado Sim T4";
    profile.serial = serial;
    profile.friendlyName = friendlyName;
    profile.connection = kvrsim::Connection::Lan;
    profile.tls = tls;
    return kvrsim::addCamera(profile);
}

void requestPassword(int index, quint32 errorType)
{
    kvrsim::emitPtpip(KVR_PTPIP_KIND_PASSWORD, index, errorType);
    kvrsim::flush();
}

bool AdapterFixture::start(const std::string &scenarioJson, bool registerCallbacks)
{
    stop();
    if (!startSimulator(scenarioJson))
        return false;
    DeviceAdapterCallback::setDispatchTables(nullptr);
    m_adapter = std::make_unique<DeviceAdapter>();
    ++g_runningFixtures;
    ApplicationData::setDeviceAdapter(m_adapter.get());
    m_receiver = std::make_unique<DeviceAdapterCallback>();
    if (!m_adapter->attachCallbackReceiver(m_receiver.get()))
        return false;
    if (registerCallbacks) {
        DeviceAdapterCallback::CallbackRegist();
        m_callbacks = true;
    }
    return true;
}

void AdapterFixture::stop()
{
    if (!m_adapter) {
        m_receiver.reset();
        return;
    }
    m_adapter->deviceSearch()->stopSearch();
    m_adapter->deviceSearch()->stopGetConnectInitData();
    m_adapter->ptpip_enhance_security_close_password_dialog();
    if (m_callbacks) {
        DeviceAdapterCallback::CallbackUnRegist();
        m_callbacks = false;
    }
    kvrsim::flush();
    m_adapter->attachCallbackReceiver(nullptr);
    m_receiver.reset();
    m_adapter.reset();
    --g_runningFixtures;
    ApplicationData::setDeviceAdapter(nullptr);
    DeviceAdapterCallback::setDispatchTables(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    stopSimulator();
    if (m_readingReplaced) {
        DeviceSearch::setConnectReadTables(nullptr);
        m_readingReplaced = false;
    }
}

int AdapterFixture::connectWithoutReading()
{
    DeviceSearch::setConnectReadTables(&kNoReading);
    m_readingReplaced = true;
    QueuedSpy reading(m_adapter.get(), &DeviceAdapter::camConnectStatusChanged);
    if (!connectUsbCameras(*m_adapter))
        return -1;
    while (m_adapter->camConnectStatus() != Utilities::CamConnectSts_Success)
        if (!reading.spy.wait(kSearchTimeoutMs))
            return -1;
    const std::string selected = m_adapter->camera_list_get_selected_camera_uuid().toStdString();
    for (int index : kvrsim::cameras())
        if (kvrsim::uuidOf(index) == selected)
            return index;
    return -1;
}

void AdapterFixture::deliverAndRun()
{
    kvrsim::flush();
    while (m_receiver->runOne()) {
    }
}

bool searchNetwork(DeviceAdapter &adapter)
{
    if (adapter.adp_KVR_func_api_ptpip_Set_Connection_Type(kConnectionLan) != Utilities::Ternary_True)
        return false;
    DeviceSearch *search = adapter.deviceSearch();
    // A search before this one left the status at its end: only the end
    // this search announces after its start says that it has run.
    QueuedSpy status(search, &DeviceSearch::devSearchStatusChanged);
    if (!search->startSearch(false, false, DeviceSearch::DEVSEARCH_MODE_LAN))
        return false;
    if (!QTest::qWaitFor(
            [&] {
                return status.spy.count() >= 2 && search->devSearchStatus() == DeviceSearch::DEVSEARCH_STATUS_Stop;
            },
            kSearchTimeoutMs))
        return false;
    // The search loop ends at the first find; the SDK's search is ended
    // here so that another may start (its end comes back as kind 3).
    if (adapter.adp_KVR_func_api_ptpip_StopGetDeviceInfo() != Utilities::Ternary_True)
        return false;
    search->stopSearch();
    kvrsim::flush();
    return !search->networkSearchPending();
}

bool connectNetworkCamera(DeviceAdapter &adapter, int index, const QString &password)
{
    if (!searchNetwork(adapter))
        return false;
    const QString serial = QString::fromStdString(kvrsim::profileOf(index).serial);
    adapter.ptpip_enhance_security_update_pw_list(serial,
                                                  Utilities::getEncryptedData(password, kvrsim::deviceKey(index)));
    return adapter.connectEnableDevice() == Utilities::Ternary_True;
}

} // namespace kavrotether::test
