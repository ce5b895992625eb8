#pragma once

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>

#include "core/Utilities.h"
#include "core/WorkerThread.h"

namespace kavrotether {

class DeviceAdapter;

// One reader of the reading that follows a connection. A reader that this
// build does not have yet is a row without a function: reaching it fails the
// reading rather than skipping what it should have read.
struct ConnectReadStep
{
    const char *name;
    Utilities::Ternary (*read)(DeviceAdapter &adapter);
    // A reader whose result is ignored: the next counted reader runs anyway.
    bool counted;
    // Skipped while several cameras share the live view.
    bool singleViewOnly;
};

struct ConnectReadTables
{
    const ConnectReadStep *capabilities = nullptr;
    std::size_t capabilityCount = 0;
    const ConnectReadStep *values = nullptr;
    std::size_t valueCount = 0;
};

// Finds cameras over USB and the network on a thread of its own and, after a
// connection, reads the new camera's capabilities and values on another.
class DeviceSearch : public QObject
{
    Q_OBJECT
public:
    enum DeviceSearchStatus : int {
        DEVSEARCH_STATUS_Unknown = -1,
        DEVSEARCH_STATUS_Stop = 0,
        DEVSEARCH_STATUS_Searching = 1,
        DEVSEARCH_STATUS_SearchingBackground = 2,
        DEVSEARCH_STATUS_Max = 3
    };
    Q_ENUM(DeviceSearchStatus)
    enum DeviceSearchMode : int {
        DEVSEARCH_MODE_AUTO = 0,
        DEVSEARCH_MODE_USB = 1,
        DEVSEARCH_MODE_LAN = 2,
        DEVSEARCH_MODE_Max = 3
    };
    Q_ENUM(DeviceSearchMode)

private:
    Q_PROPERTY(int devSearchStatus READ devSearchStatus NOTIFY devSearchStatusChanged)
    Q_PROPERTY(bool backgroundSearch READ backgroundSearch NOTIFY backgroundSearchChanged)
    Q_PROPERTY(bool addSearchMode READ addSearchMode NOTIFY addSearchModeChanged)

public:
    explicit DeviceSearch(QObject *parent = nullptr);
    ~DeviceSearch() override;

    int devSearchStatus() const { return m_status.load(); }
    bool backgroundSearch() const { return m_backgroundSearch.load(); }
    bool addSearchMode() const { return m_addSearchMode.load(); }

    // False, doing nothing, while a network search started in the SDK has
    // not ended; otherwise restarts the search loop.
    Q_INVOKABLE bool startSearch(bool background = false, bool addSearchMode = false,
                                 kavrotether::DeviceSearch::DeviceSearchMode searchMode = DEVSEARCH_MODE_AUTO);
    Q_INVOKABLE void stopSearch();
    // The network search's events: 1 camera found, 2 timed out, 3 stopped.
    void SetPTPIPSearchEvent(uint kind);
    bool networkSearchPending() const { return m_networkSearchPending.load(); }

    // Starts (again) the reading of the connected camera's data.
    void startGetConnectInitData();
    // That reading: the new camera's capabilities, then its values, then its
    // recording target; the connection's status tells how it ended.
    void GetSDKCapability();
    void stopGetConnectInitData();
    // Stop for good: no search or reading starts again until reopenThreads().
    void closeSearch();
    void closeConnectInitData();
    void reopenThreads();
    // Waits up to ms for a cancellation; true when the reading is cancelled.
    bool IsConnectTreadCancel(int ms);

    // What the post-connect reading runs; null restores the program's own.
    static void setConnectReadTables(const ConnectReadTables *tables);
    static const ConnectReadTables &productionConnectReadTables();

signals:
    void devSearchStatusChanged();
    void backgroundSearchChanged();
    void addSearchModeChanged();

private:
    void searchLoop(WorkerThread::Run &run, DeviceSearchMode mode);
    void setStatus(int status);
    bool runReaders(DeviceAdapter &adapter, const ConnectReadStep *steps, std::size_t count);

    std::atomic<int> m_status{DEVSEARCH_STATUS_Unknown};
    std::atomic<bool> m_backgroundSearch{false};
    std::atomic<bool> m_addSearchMode{false};
    std::atomic<bool> m_networkSearchPending{false};
    std::atomic<bool> m_networkDeviceFound{false};

    // Serialises start and stop of the threads (never held by the threads);
    // recursive, as a slot of a signal emitted while it is held may stop again.
    std::recursive_mutex m_controlMutex;
    WorkerThread m_searchWorker{QStringLiteral("device search")};
    // Counts the searches started, to see whether a slot started one.
    unsigned m_searchStarts = 0;
    // stopSearch waits here for the end of the SDK's network search.
    std::mutex m_searchMutex;
    std::condition_variable m_searchCondition;

    WorkerThread m_dataWorker{QStringLiteral("post-connect reader")};
};

} // namespace kavrotether
