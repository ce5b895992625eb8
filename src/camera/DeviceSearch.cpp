// DeviceSearch: the search loop over USB and the network, and the reading of
// a newly connected camera's data.

#include "DeviceSearch.h"

#include <QCoreApplication>

#include <chrono>

#include "DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "flash/FlashAdapter.h"

namespace kavrotether {

namespace {

constexpr auto kPassWait = std::chrono::milliseconds(100);
// How long stopSearch waits for the SDK to report the end of its network
// search. The SDK may never report it (the search was never started, or the
// report was lost); waiting for ever would also refuse every later search.
constexpr auto kNetworkEndLimit = std::chrono::seconds(5);

Utilities::Ternary readStrobe(DeviceAdapter &)
{
    FlashAdapter *flash = ApplicationData::getFlashAdapter();
    return flash ? flash->adp_KVR_func_api_Strobe_GetCapability() : Utilities::Ternary_False;
}

Utilities::Ternary readStrobe2(DeviceAdapter &)
{
    FlashAdapter *flash = ApplicationData::getFlashAdapter();
    return flash ? flash->adp_KVR_func_api_Strobe2_GetCapability() : Utilities::Ternary_False;
}

template<Utilities::Ternary (DeviceAdapter::*Read)()>
Utilities::Ternary read(DeviceAdapter &adapter)
{
    return (adapter.*Read)();
}

// Readers that answer the SDK's 1 for success.
template<int (DeviceAdapter::*Read)()>
Utilities::Ternary readInt(DeviceAdapter &adapter)
{
    return Utilities::ternaryOf((adapter.*Read)() == 1);
}

// Every reader the connection runs, in order: counted rows end the reading
// at their first failure, the others are read for what they publish.
constexpr ConnectReadStep kCapabilitySteps[] = {
    {"CameraMode_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_CameraMode_GetCapability>, true, false},
    {"RecInfo_BurstBracket_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_RecInfo_BurstBracket_GetCapability>,
     true, false},
    {"RecInfo_SelfTimer_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_RecInfo_SelfTimer_GetCapability>, true,
     false},
    {"IntervalInfo_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_IntervalInfo_GetCapability>, true, false},
    {"RecInfo_4K6K_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_RecInfo_4K6K_GetCapability>, true, false},
    {"SetupCfgInfo_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_SetupCfgInfo_GetCapability>, true, false},
    {"SetupFilesCfgInfo_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_SetupFilesCfgInfo_GetCapability>, true,
     false},
    {"Mov_Config_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_Mov_Config_GetCapability>, true, false},
    {"Mov_Filter_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_Mov_Filter_GetCapability>, false, false},
    {"Aperture_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_Aperture_GetCapability>, true, false},
    {"SS_Get_Capability", read<&DeviceAdapter::adp_KVR_func_api_SS_Get_Capability>, true, false},
    {"WB_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_WB_GetCapability>, true, false},
    {"ISO_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_ISO_GetCapability>, true, false},
    {"ImageInfo_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_ImageInfo_GetCapability>, true, false},
    {"AF_Config_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_AF_Config_GetCapability>, true, false},
    {"RecInfo_Metering_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_RecInfo_Metering_GetCapability>, true,
     false},
    {"Exposure_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_Exposure_GetCapability>, true, false},
    {"PhotoStyle_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_PhotoStyle_GetCapability>, true, false},
    {"PhotoStyle2_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_PhotoStyle2_GetCapability>, false, false},
    {"RecPreview_Cfg_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_RecPreview_Cfg_GetCapability>, true, false},
    {"RecInfo_AF_Frame_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_GetCapability>, true,
     true},
    {"RecInfo_AF_Frame_Get_Small_Frame", read<&DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame>, false,
     true},
    {"AFMF_Cfg2_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_AFMF_Cfg2_GetCapability>, true, false},
    {"Strobe_GetCapability", readStrobe, true, false},
    {"Strobe2_GetCapability", readStrobe2, true, false},
    {"PowerSaving_GetCapability", read<&DeviceAdapter::adp_KVR_func_api_PowerSaving_GetCapability>, false, false},
    {"Get_HDMI_SDI_Status", readInt<&DeviceAdapter::adp_KVR_func_api_Get_HDMI_SDI_Status>, true, false},
    {"LensZoom_Get_Info", read<&DeviceAdapter::adp_KVR_func_api_LensZoom_Get_Info>, false, false},
};

constexpr ConnectReadStep kValueSteps[] = {
    {"GetBatteryInfo", readInt<&DeviceAdapter::adp_KVR_func_api_GetBatteryInfo>, true, false},
    {"Get_Rec_Info", readInt<&DeviceAdapter::adp_KVR_func_api_Get_Rec_Info>, true, false},
    {"Get_WB_Info", read<&DeviceAdapter::adp_KVR_func_api_Get_WB_Info>, true, false},
    {"GetAFInfo", read<&DeviceAdapter::adp_KVR_func_api_GetAFInfo>, true, false},
    {"Get_Lv_Composite_Info", readInt<&DeviceAdapter::adp_KVR_func_api_Get_Lv_Composite_Info>, false, false},
    {"Get_NoiseReduction_RemainingTime", readInt<&DeviceAdapter::adp_KVR_func_api_Get_NoiseReduction_RemainingTime>,
     true, false},
};

std::atomic<const ConnectReadTables *> g_readTables{nullptr};

const ConnectReadTables &readTables()
{
    const ConnectReadTables *t = g_readTables.load();
    return t ? *t : DeviceSearch::productionConnectReadTables();
}

} // namespace

DeviceSearch::DeviceSearch(QObject *parent) : QObject(parent)
{
    // Built before the application object may exist; its thread is the
    // one the object lives on from the start.
    if (QCoreApplication *app = QCoreApplication::instance())
        moveToThread(app->thread());
}

DeviceSearch::~DeviceSearch()
{
    stopSearch();
    stopGetConnectInitData();
}

const ConnectReadTables &DeviceSearch::productionConnectReadTables()
{
    static const ConnectReadTables tables{kCapabilitySteps, std::size(kCapabilitySteps), kValueSteps,
                                          std::size(kValueSteps)};
    return tables;
}

void DeviceSearch::setConnectReadTables(const ConnectReadTables *tables)
{
    g_readTables.store(tables);
}

void DeviceSearch::setStatus(int status)
{
    m_status.store(status);
    emit devSearchStatusChanged();
}

bool DeviceSearch::startSearch(bool background, bool addSearchMode, DeviceSearchMode searchMode)
{
    std::lock_guard<std::recursive_mutex> control(m_controlMutex);
    // The loop cannot restart itself: it would have to join its own thread.
    if (m_networkSearchPending.load() || m_searchWorker.isCurrentThread())
        return false;
    m_searchWorker.stop();
    const unsigned starts = m_searchStarts;
    m_backgroundSearch.store(background);
    m_addSearchMode.store(addSearchMode);
    emit backgroundSearchChanged();
    emit addSearchModeChanged();
    // A slot of those signals may have started a search meanwhile; that
    // later request stands (a second thread must not replace a running one).
    if (m_searchStarts != starts)
        return true;
    // Out-of-range modes from QML search as AUTO does.
    if (searchMode < DEVSEARCH_MODE_AUTO || searchMode >= DEVSEARCH_MODE_Max)
        searchMode = DEVSEARCH_MODE_AUTO;
    if (!m_searchWorker.start([this, searchMode](WorkerThread::Run &run) { searchLoop(run, searchMode); }))
        return false;
    ++m_searchStarts;
    return true;
}

void DeviceSearch::stopSearch()
{
    std::lock_guard<std::recursive_mutex> control(m_controlMutex);
    m_searchWorker.stop();
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter || adapter->connectionType() != kConnectionLan || !m_networkSearchPending.load())
        return;
    // The end of the SDK's network search is reported back through
    // SetPTPIPSearchEvent, which wakes this wait. An SDK that refused to
    // stop will not report an end: waiting for it would only hold up the
    // caller (the GUI thread) for the whole bound.
    if (adapter->adp_KVR_func_api_ptpip_StopGetDeviceInfo() == Utilities::Ternary_True) {
        std::unique_lock<std::mutex> g(m_searchMutex);
        m_searchCondition.wait_for(g, kNetworkEndLimit, [this] { return !m_networkSearchPending.load(); });
    }
    m_networkSearchPending.store(false);
}

void DeviceSearch::closeSearch()
{
    std::lock_guard<std::recursive_mutex> control(m_controlMutex);
    m_searchWorker.requestClose();
    stopSearch();
}

void DeviceSearch::closeConnectInitData()
{
    std::lock_guard<std::recursive_mutex> control(m_controlMutex);
    m_dataWorker.close();
}

void DeviceSearch::reopenThreads()
{
    std::lock_guard<std::recursive_mutex> control(m_controlMutex);
    m_searchWorker.reopen();
    m_dataWorker.reopen();
}

void DeviceSearch::SetPTPIPSearchEvent(uint kind)
{
    switch (kind) {
    case 1:
        m_networkDeviceFound.store(true);
        break;
    case 2:
    case 3:
        m_networkSearchPending.store(false);
        break;
    default:
        return;
    }
    // Wakes the loop's and stopSearch's waits; the lock makes sure a waiter
    // that just found the flag unchanged is already waiting.
    {
        std::lock_guard<std::mutex> g(m_searchMutex);
    }
    m_searchCondition.notify_all();
    m_searchWorker.wake();
}

void DeviceSearch::searchLoop(WorkerThread::Run &run, DeviceSearchMode mode)
{
    setStatus(m_backgroundSearch.load() ? DEVSEARCH_STATUS_SearchingBackground : DEVSEARCH_STATUS_Searching);
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    int type = kConnectionUsb;
    if (mode == DEVSEARCH_MODE_LAN)
        type = kConnectionLan;
    else if (mode == DEVSEARCH_MODE_AUTO && adapter)
        type = adapter->connectionType();
    const bool onePass = m_addSearchMode.load();

    while (adapter) {
        if (run.waitForStop(kPassWait))
            break;
        m_networkSearchPending.store(type == kConnectionLan);
        m_networkDeviceFound.store(false);
        adapter->adp_KVR_func_api_ptpip_Set_Connection_Type(type);
        adapter->adp_KVR_func_api_SetSearchCondition(0, QString());
        const Utilities::Ternary found = adapter->adp_KVR_func_api_GetPnPDeviceInfo(false);
        if (type == kConnectionLan) {
            // Woken by the network search's reports (SetPTPIPSearchEvent).
            bool stopped = false;
            while (m_networkSearchPending.load() && !m_networkDeviceFound.load()) {
                if (run.wait(kPassWait)) {
                    stopped = true;
                    break;
                }
            }
            if (stopped || adapter->searchListCount() > 0)
                break;
        } else if (found == Utilities::Ternary_True && adapter->searchListCount() > 0) {
            break;
        }
        if (mode == DEVSEARCH_MODE_AUTO)
            type = adapter->connectionType() == kConnectionUsb ? kConnectionLan : kConnectionUsb;
        if (onePass)
            break;
    }
    setStatus(DEVSEARCH_STATUS_Stop);
}

void DeviceSearch::startGetConnectInitData()
{
    std::lock_guard<std::recursive_mutex> control(m_controlMutex);
    // A reader cannot restart the reading it runs in. A reading that runs is
    // cancelled and replaced.
    if (m_dataWorker.isCurrentThread())
        return;
    m_dataWorker.start([this](WorkerThread::Run &) { GetSDKCapability(); });
}

void DeviceSearch::stopGetConnectInitData()
{
    std::lock_guard<std::recursive_mutex> control(m_controlMutex);
    m_dataWorker.stop();
}

bool DeviceSearch::IsConnectTreadCancel(int ms)
{
    return m_dataWorker.waitForStop(std::chrono::milliseconds(qMax(ms, 0)));
}

bool DeviceSearch::runReaders(DeviceAdapter &adapter, const ConnectReadStep *steps, std::size_t count)
{
    Utilities::Ternary last = Utilities::Ternary_True;
    for (std::size_t i = 0; i < count; ++i) {
        if (IsConnectTreadCancel(0))
            return false;
        const ConnectReadStep &step = steps[i];
        if (step.singleViewOnly && adapter.isMultiviewMode())
            continue;
        if (!step.read) {
            qWarning("DeviceSearch: no reader for %s", step.name);
            return false;
        }
        const Utilities::Ternary result = step.read(adapter);
        if (!step.counted)
            continue;
        last = result;
        if (last != Utilities::Ternary_True)
            break;
    }
    return last == Utilities::Ternary_True && !IsConnectTreadCancel(0);
}

void DeviceSearch::GetSDKCapability()
{
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return;
    QString name = adapter->camIndividualId();
    if (name.isEmpty())
        name = adapter->camModelName();
    adapter->setCamConnectStatus(Utilities::CamConnectSts_GetData);
    const ConnectReadTables &tables = readTables();
    const bool ok = runReaders(*adapter, tables.capabilities, tables.capabilityCount)
                    && runReaders(*adapter, tables.values, tables.valueCount);
    if (ok) {
        adapter->set_file_target_for_camera_list();
        adapter->setCamConnectStatus(Utilities::CamConnectSts_Success);
        return;
    }
    if (IsConnectTreadCancel(0))
        return;
    adapter->setCamConnectStatus(Utilities::CamConnectSts_Error);
    adapter->notifyConnectErrMsg(name);
}

} // namespace kavrotether
