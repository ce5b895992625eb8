#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <string>

#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "core/ApplicationSettings.h"

namespace kavrotether {
class PasswordInput;
}

namespace kavrotether::test {

// Connects the scenario's USB cameras through the connect button's entry
// after a USB enumeration; false when the connect failed.
bool connectUsbCameras(DeviceAdapter &adapter);

// Writes the known-camera file with these serial numbers in this order and
// has the adapter load it, as the program does at start.
void loadKnownCameras(DeviceAdapter &adapter, const QStringList &serials);

// The password dialog the user sees now (a visible top-level window); null
// when none is shown.
PasswordInput *shownPasswordDialog();

// Runs a network search to its end; the search list then holds what it
// found.
bool searchNetwork(DeviceAdapter &adapter);
// Searches the network, saves the camera's password as the dialog would
// and connects it through the connect button's entry.
bool connectNetworkCamera(DeviceAdapter &adapter, int index, const QString &password);

// Adds a network camera to the simulator; its device index.
int addNetworkCamera(const std::string &serial, const std::string &friendlyName, bool tls = false);
// The camera asks for its password (error type as the SDK reports it); the
// request has reached the adapter when this returns.
void requestPassword(int index, quint32 errorType);

// An adapter against freshly started simulated cameras, known to the
// application as its adapter. Its event queue has no worker thread: the test
// steps it (deliverAndRun), so every handler runs on the test's thread at a
// point the test chooses.
class AdapterFixture
{
public:
    AdapterFixture() = default;
    ~AdapterFixture() { stop(); }
    AdapterFixture(const AdapterFixture &) = delete;
    AdapterFixture &operator=(const AdapterFixture &) = delete;

    // Starts the simulator (default scenario, or the JSON given), builds the
    // adapter and its stepped queue and, unless told otherwise, registers the
    // SDK callbacks. false when the SDK or the queue could not start.
    bool start(const std::string &scenarioJson = std::string(), bool registerCallbacks = true);
    // Tears down in the program's order: searches and readers, callbacks,
    // queue, adapter, SDK. Harmless when not started.
    void stop();

    DeviceAdapter &adapter() { return *m_adapter; }
    DeviceAdapter *operator->() { return m_adapter.get(); }
    DeviceAdapterCallback &receiver() { return *m_receiver; }

    // Delivers every pending SDK callback, then runs the queued items until
    // none is left (what the handlers queue meanwhile runs too).
    void deliverAndRun();

    // Connects the scenario's USB cameras through the connect button's entry
    // without the program's post-connect reading (the test runs the readers
    // it looks at), and waits until the connection reports success: it ends
    // by sending the saved store location, which must not cross the test.
    // The selected camera's simulator index; -1 when the connect failed.
    int connectWithoutReading();

    // searchNetwork and connectNetworkCamera on this adapter.
    bool searchNetwork() { return test::searchNetwork(*m_adapter); }
    bool connectNetworkCamera(int index, const QString &password)
    {
        return test::connectNetworkCamera(*m_adapter, index, password);
    }

    // How many fixtures have an adapter now.
    static int running();

private:
    std::unique_ptr<DeviceAdapter> m_adapter;
    std::unique_ptr<DeviceAdapterCallback> m_receiver;
    bool m_callbacks = false;
    bool m_readingReplaced = false;
};

// The program's settings, installed where its objects find them for as long
// as they live, as main makes them before any camera work starts. Make them
// before the adapter fixture they serve: the adapter's search and reading
// workers read them until the fixture stops, so settings that end while a
// fixture still runs stop the test at once instead of racing those workers.
class InstalledSettings : public ApplicationSettings
{
public:
    InstalledSettings();
    ~InstalledSettings() override;
    InstalledSettings(const InstalledSettings &) = delete;
    InstalledSettings &operator=(const InstalledSettings &) = delete;
};

} // namespace kavrotether::test
