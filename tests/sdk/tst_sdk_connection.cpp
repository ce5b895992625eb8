// Finding and connecting cameras: USB enumeration, the network search, the
// password states, TLS, device information, lost and disconnected cameras.
#include "sdktestsupport.h"

using namespace sdktest;

namespace {

// Reads a UCS-4 name out of a packed record (no typed pointer into it).
std::string text(const void *ucs4, uint32_t length)
{
    std::string out;
    for (uint32_t i = 0; i < length && i < 256; ++i) {
        uint32_t ch;
        std::memcpy(&ch, static_cast<const uint8_t *>(ucs4) + 4 * i, 4);
        out.push_back(static_cast<char>(ch));
    }
    return out;
}

std::string pathText(const wchar_t *path)
{
    std::string out;
    for (; path && *path; ++path)
        out.push_back(static_cast<char>(*path));
    return out;
}

// Starts a network search and collects what it reports until it is stopped.
std::vector<Ptpip> searchAndStop()
{
    recorder().clear();
    KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_LAN, nullptr);
    KVR_CONNECT_DEVICE_INFO list{};
    KVR_func_api_GetPnPDeviceInfo(&list, nullptr);
    KVR_func_api_ptpip_StopGetDeviceInfo(nullptr);
    kvrsim::flush();
    return recorder().network();
}

struct NetworkSelect
{
    uint8_t result;
    uint32_t error;
    std::string uuid;
};

NetworkSelect selectLan(int index, const char *current, const char *password, uint16_t mode)
{
    KVR_CONNECT_DEVICE_INFO list{};
    list.count = 1;
    list.devices[0].devIndex = static_cast<uint32_t>(index);
    char uuid[KVR_UUID_BUFFER_SIZE] = {};
    uint32_t err = 0xFFFFFFFFu;
    const uint8_t r = KVR_func_api_SelectPnPDevice(static_cast<uint32_t>(index), &list, uuid, current, password, mode,
                                                   &err);
    return {r, err, uuid};
}

// A program's found-camera handler that takes its own library lock, as the
// connection code does when it sets the connection type.
std::mutex programSdkLock;

int lockingFoundHandler(uint32_t kind, void *p1, void *p2, void *p3)
{
    std::lock_guard<std::mutex> g(programSdkLock);
    return onPtpip(kind, p1, p2, p3);
}

} // namespace

class TestSdkConnection : public QObject
{
    Q_OBJECT

private:
    int m_usbA = -1;
    int m_usbB = -1;
    int m_lan = -1;

private slots:
    void init()
    {
        startDefault();
        m_usbA = cameraByModel("Rozado Sim A1");
        m_usbB = cameraByModel("Rozado Sim B2");
        m_lan = cameraByModel("Rozado Sim N3");
        QVERIFY(m_usbA > 0 && m_usbB > 0 && m_lan > 0);
    }

    void cleanupTestCase() { kvrsim::reset(); }

    void usbEnumerationListsPluggedCameras()
    {
        KVR_CONNECT_DEVICE_INFO list{};
        QCOMPARE(KVR_func_api_GetPnPDeviceInfo(&list, nullptr), uint8_t(1));
        QCOMPARE(list.count, 2u);
        for (uint32_t i = 0; i < list.count; ++i) {
            const kvrsim::CameraProfile profile = kvrsim::profileOf(static_cast<int>(list.devices[i].devIndex));
            QCOMPARE(text(list.devices[i].modelName, list.devices[i].modelNameLength), profile.model);
            QCOMPARE(text(list.devices[i].makerName, list.devices[i].makerNameLength), profile.maker);
            // The tail of the path (its last 31 characters at most) is the
            // serial number the camera reports.
            const std::string path = pathText(list.devicePath[i]);
            QCOMPARE(path.size() >= 32 ? path.substr(path.size() - 31) : path, profile.serial);
        }

        kvrsim::unplug(m_usbB);
        QCOMPARE(KVR_func_api_Search_Device(&list, nullptr), uint8_t(1));
        QCOMPARE(list.count, 1u);
        QCOMPARE(int(list.devices[0].devIndex), m_usbA);
    }

    void deviceIndicesStayStable()
    {
        KVR_CONNECT_DEVICE_INFO first{};
        KVR_func_api_GetPnPDeviceInfo(&first, nullptr);
        kvrsim::unplug(m_usbA);
        kvrsim::plug(m_usbA);
        KVR_CONNECT_DEVICE_INFO second{};
        KVR_func_api_GetPnPDeviceInfo(&second, nullptr);
        QCOMPARE(second.count, first.count);
        for (uint32_t i = 0; i < first.count; ++i)
            QCOMPARE(second.devices[i].devIndex, first.devices[i].devIndex);
    }

    void usbConnectAndRepeatSelect()
    {
        const std::string uuid = connectUsb(m_usbA);
        QCOMPARE(uuid.size(), size_t(36));
        KVR_CONNECT_DEVICE_INFO list{};
        KVR_func_api_GetPnPDeviceInfo(&list, nullptr);
        char seen[KVR_UUID_BUFFER_SIZE] = {};
        QCOMPARE(KVR_func_api_IsConnectedUSBDevice(list.devicePath[0], seen), uint8_t(1));
        QCOMPARE(std::string(seen), uuid);

        // Selecting and opening again leaves the live session as it was.
        char again[KVR_UUID_BUFFER_SIZE] = {};
        QCOMPARE(KVR_func_api_SelectPnPDevice(uint32_t(m_usbA), &list, again, nullptr, nullptr, 0, nullptr),
                 uint8_t(1));
        QCOMPARE(std::string(again), uuid);
        QCOMPARE(KVR_func_api_OpenSession(0, nullptr, uuid.c_str(), nullptr), uint8_t(1));
        QVERIFY(kvrsim::inSession(m_usbA));

        // Closing twice is harmless; afterwards per-camera reads fail.
        QCOMPARE(KVR_func_api_CloseSession(uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_CloseSession(uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_CloseDevice(uuid.c_str(), nullptr), uint8_t(1));
        uint32_t err = 0;
        uint16_t status = 0;
        QCOMPARE(KVR_func_api_GetCameraStatus(&status, uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_NO_SESSION);
        QCOMPARE(KVR_func_api_IsConnectedUSBDevice(list.devicePath[0], seen), uint8_t(0));
    }

    void closeSessionAllClosesEveryCamera()
    {
        const std::string a = connectUsb(m_usbA);
        const std::string b = connectUsb(m_usbB);
        QCOMPARE(KVR_func_api_CloseSession("All", nullptr), uint8_t(1));
        QVERIFY(!kvrsim::inSession(m_usbA));
        QVERIFY(!kvrsim::inSession(m_usbB));
        QCOMPARE(KVR_func_api_CloseSession("All", nullptr), uint8_t(1));
    }

    void deviceInformation()
    {
        const std::string uuid = connectUsb(m_usbA);
        const kvrsim::CameraProfile profile = kvrsim::profileOf(m_usbA);
        kvr_struct_deviceinfo info;
        QCOMPARE(KVR_func_api_GetDeviceInfo(&info, uuid.c_str(), nullptr), uint8_t(1));
        const auto *bytes = reinterpret_cast<const char *>(&info);
        QCOMPARE(std::string(bytes + 1), profile.maker);
        QCOMPARE(std::string(bytes + 259), profile.model);
        QCOMPARE(std::string(bytes + 517), profile.firmware);
        QCOMPARE(std::string(bytes + 775), profile.serial);

        char buffer[256];
        uint32_t length = 0;
        QCOMPARE(KVR_func_api_GetDeviceInfo_SerialNo(buffer, sizeof buffer, &length, uuid.c_str(), nullptr),
                 uint8_t(1));
        QCOMPARE(std::string(buffer), profile.serial);
        QCOMPARE(length, uint32_t(profile.serial.size()));
        uint32_t err = 0;
        QCOMPARE(KVR_func_api_GetDeviceInfo_ModelName(buffer, 4, &length, uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_BUFFER_TOO_SMALL);
        QCOMPARE(buffer[0], '\0');
        QCOMPARE(KVR_func_api_Body_SettingInfo_Get_Individual_Id(buffer, uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(std::string(buffer), profile.individualId);

        uint8_t ext[40];
        QCOMPARE(KVR_func_api_ExtGetDeviceID(0, 0, ext, sizeof ext, &length, uuid.c_str(), nullptr), uint8_t(1));
        uint32_t byteLength = 0;
        uint32_t word4 = 0;
        std::memcpy(&byteLength, ext + 8, 4);
        std::memcpy(&word4, ext + 12 + 16, 4);
        QCOMPARE(byteLength, 28u);
        QCOMPARE(word4, profile.features[4]);
        QCOMPARE(KVR_func_api_ExtGetDeviceID(0, 0, ext, 20, &length, uuid.c_str(), &err), uint8_t(0));
    }

    // Model names are UTF-8 in a scenario and whole characters in the
    // device list; broken sequences become U+FFFD, one per byte.
    void namesAreWholeCharacters_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QVector<uint>>("chars");
        QTest::newRow("ascii") << QByteArray("Sim") << QVector<uint>{'S', 'i', 'm'};
        QTest::newRow("two bytes") << QByteArray("Cam\xC3\xA9ra") << QVector<uint>{'C', 'a', 'm', 0xE9, 'r', 'a'};
        QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC"
                                                   "1")
                                     << QVector<uint>{0x20AC, '1'};
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x93\xB7") << QVector<uint>{0x1F4F7};
        QTest::newRow("stray continuation") << QByteArray("a\x80"
                                                          "b")
                                            << QVector<uint>{'a', 0xFFFD, 'b'};
        QTest::newRow("cut sequence") << QByteArray("a\xE2\x82") << QVector<uint>{'a', 0xFFFD, 0xFFFD};
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QVector<uint>{0xFFFD, 0xFFFD};
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QVector<uint>{0xFFFD, 0xFFFD, 0xFFFD};
    }

    void namesAreWholeCharacters()
    {
        QFETCH(QByteArray, model);
        QFETCH(QVector<uint>, chars);
        kvrsim::CameraProfile profile;
        profile.model = model.toStdString();
        profile.serial = "UTF1";
        const int index = kvrsim::addCamera(profile);
        KVR_CONNECT_DEVICE_INFO list{};
        QCOMPARE(KVR_func_api_Search_Device(&list, nullptr), uint8_t(1));
        for (uint32_t i = 0; i < list.count; ++i) {
            if (int(list.devices[i].devIndex) != index)
                continue;
            QCOMPARE(list.devices[i].modelNameLength, uint32_t(chars.size()));
            for (int c = 0; c < chars.size(); ++c)
                QCOMPARE(uint(list.devices[i].modelName[c]), chars[c]);
            QCOMPARE(list.devices[i].modelName[chars.size()], 0u);
            return;
        }
        QFAIL("camera not listed");
    }

    // Texts longer than the record's one-byte length are cut so that the
    // length still tells the text's size.
    void overlongTextsAreCutConsistently()
    {
        kvrsim::CameraProfile profile;
        profile.model = std::string(300, 'M');
        profile.serial = "LONG1";
        const int index = kvrsim::addCamera(profile);
        const std::string uuid = connectUsb(index);
        QVERIFY(!uuid.empty());
        kvr_struct_deviceinfo info;
        QCOMPARE(KVR_func_api_GetDeviceInfo(&info, uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(int(info.model.length), 255);
        QCOMPARE(int(strnlen(info.model.text, sizeof info.model.text)), 255);
        QCOMPARE(std::string(info.serialNumber.text), profile.serial);
        QCOMPARE(int(info.serialNumber.length), int(profile.serial.size()));
    }

    void everyNetworkSearchEndsExactlyOnce_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::newRow("stopped") << true;
        QTest::newRow("timed out") << false;
    }

    void everyNetworkSearchEndsExactlyOnce()
    {
        QFETCH(bool, stopped);
        QCOMPARE(KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(stopped ? 60000 : 1, 1, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_LAN, nullptr), uint8_t(1));
        KVR_CONNECT_DEVICE_INFO list{};
        list.count = 5;
        QCOMPARE(KVR_func_api_GetPnPDeviceInfo(&list, nullptr), uint8_t(1));
        QCOMPARE(list.count, 0u);
        if (stopped) {
            QCOMPARE(KVR_func_api_ptpip_StopGetDeviceInfo(nullptr), uint8_t(1));
            QCOMPARE(KVR_func_api_ptpip_StopGetDeviceInfo(nullptr), uint8_t(1)); // nothing more to end
        }
        QVERIFY(kvrsim::waitNetworkSearchEnded(60000));
        kvrsim::flush();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_FOUND), 1);
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_SEARCH_STOPPED) + recorder().kinds(KVR_PTPIP_KIND_SEARCH_TIMEOUT), 1);
        QCOMPARE(recorder().kinds(stopped ? KVR_PTPIP_KIND_SEARCH_STOPPED : KVR_PTPIP_KIND_SEARCH_TIMEOUT), 1);
    }

    void newSearchEndsTheRunningOne()
    {
        KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(60000, 60000, nullptr);
        KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_LAN, nullptr);
        KVR_CONNECT_DEVICE_INFO list{};
        QCOMPARE(KVR_func_api_GetPnPDeviceInfo(&list, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_GetPnPDeviceInfo(&list, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_StopGetDeviceInfo(nullptr), uint8_t(1));
        kvrsim::flush();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_SEARCH_STOPPED), 2);
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_FOUND), 2);
    }

    void foundRecordDescribesTheCamera()
    {
        const auto reports = searchAndStop();
        const kvrsim::CameraProfile profile = kvrsim::profileOf(m_lan);
        bool seen = false;
        for (const auto &p : reports) {
            if (p.kind != KVR_PTPIP_KIND_FOUND)
                continue;
            seen = true;
            QVERIFY(p.hasRecord);
            QCOMPARE(int(p.record.devIndex), m_lan);
            QCOMPARE(std::string(p.record.serialNo), profile.serial);
            QCOMPARE(p.record.serialNoLength, uint32_t(profile.serial.size()));
            QCOMPARE(std::string(p.record.macAddress), profile.mac);
            QCOMPARE(std::string(p.record.friendlyName), profile.friendlyName);
            QCOMPARE(std::string(p.record.ipAddress), profile.ip);
            QCOMPARE(p.record.wifi, uint8_t(1));
            QCOMPARE(p.record.tls, uint8_t(0));
            QCOMPARE(text(p.record.modelName, p.record.modelNameLength), profile.model);
        }
        QVERIFY(seen);
    }

    void searchConditionFiltersByModel()
    {
        KVR_func_api_SetSearchCondition(0, "No Such Model", nullptr);
        auto reports = searchAndStop();
        for (const auto &p : reports)
            QVERIFY(p.kind != KVR_PTPIP_KIND_FOUND);
        KVR_func_api_SetSearchCondition(0, "", nullptr);
        reports = searchAndStop();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_FOUND), 1);
    }

    // The password flow of a camera that has one: a plain select learns of
    // it through kind 5 before the select returns; a wrong password fails
    // without a new request; the right one connects; a change takes effect.
    void passwordSetFlow()
    {
        const uint32_t key = kvrsim::deviceKey(m_lan);
        QCOMPARE(kvrsim::passwordState(m_lan), kvrsim::PasswordState::Set);
        KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_LAN, nullptr);

        NetworkSelect s = selectLan(m_lan, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(0));
        QCOMPARE(s.error, KVR_ERR_PASSWORD_REQUIRED);
        // Delivered before the select returned: no flush needed.
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_PASSWORD), 1);
        const auto requests = recorder().network();
        QCOMPARE(requests.back().errorType, KVR_PW_ERROR_AUTH);
        QCOMPARE(std::string(requests.back().record.macAddress), kvrsim::profileOf(m_lan).mac);

        const std::string wrong = kvrsim::scramblePassword("NotThePassword1", key);
        s = selectLan(m_lan, "", wrong.c_str(), KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(0));
        QCOMPARE(s.error, KVR_ERR_PASSWORD);
        kvrsim::flush();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_PASSWORD), 1);

        // The clear text is refused too: the camera checks the scrambled form.
        s = selectLan(m_lan, "", "Rozado2026", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(0));

        const std::string right = kvrsim::scramblePassword("Rozado2026", key);
        s = selectLan(m_lan, "", right.c_str(), KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(1));
        QCOMPARE(s.error, KVR_ERR_NONE);
        QCOMPARE(s.uuid, kvrsim::uuidOf(m_lan));
        QCOMPARE(KVR_func_api_OpenSession(0, nullptr, s.uuid.c_str(), nullptr), uint8_t(1));

        // Change: needs the current password.
        const std::string next = kvrsim::scramblePassword("Another2027x", key);
        s = selectLan(m_lan, wrong.c_str(), next.c_str(), KVR_PW_MODE_CHANGE);
        QCOMPARE(s.result, uint8_t(0));
        s = selectLan(m_lan, right.c_str(), next.c_str(), KVR_PW_MODE_CHANGE);
        QCOMPARE(s.result, uint8_t(1));
        QVERIFY(kvrsim::inSession(m_lan)); // the change leaves the session alone
        QCOMPARE(selectLan(m_lan, "", right.c_str(), KVR_PW_MODE_AUTHENTICATION).result, uint8_t(0));
        QCOMPARE(selectLan(m_lan, "", next.c_str(), KVR_PW_MODE_AUTHENTICATION).result, uint8_t(1));
    }

    // The program selects under its own lock while a found-camera report
    // waits for that lock on the library's thread: the password request
    // must still arrive and the select return.
    void passwordRequestDoesNotQueueBehindBlockedReports()
    {
        QCOMPARE(KVR_func_api_ptpip_Reg_Callback(KVR_PTPIP_KIND_FOUND, &lockingFoundHandler, nullptr, nullptr),
                 uint8_t(1));
        KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(60000, 60000, nullptr);
        KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_LAN, nullptr);
        NetworkSelect s;
        {
            std::lock_guard<std::mutex> g(programSdkLock);
            KVR_CONNECT_DEVICE_INFO list{};
            QCOMPARE(KVR_func_api_GetPnPDeviceInfo(&list, nullptr), uint8_t(1));
            s = selectLan(m_lan, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
            QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_PASSWORD), 1);
        }
        QCOMPARE(s.result, uint8_t(0));
        QCOMPARE(KVR_func_api_ptpip_StopGetDeviceInfo(nullptr), uint8_t(1));
        kvrsim::flush();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_FOUND), 1);
    }

    void passwordUnsetFlow()
    {
        kvrsim::setPassword(m_lan, kvrsim::PasswordState::Unset);
        const uint32_t key = kvrsim::deviceKey(m_lan);
        NetworkSelect s = selectLan(m_lan, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(0));
        QCOMPARE(s.error, KVR_ERR_PASSWORD_UNSET);
        QCOMPARE(recorder().network().back().errorType, KVR_PW_ERROR_UNSET);

        const std::string first = kvrsim::scramblePassword("FirstPass99", key);
        s = selectLan(m_lan, "", first.c_str(), KVR_PW_MODE_REGISTRATION);
        QCOMPARE(s.result, uint8_t(1));
        QCOMPARE(kvrsim::passwordState(m_lan), kvrsim::PasswordState::Set);
        // A second registration is refused now that a password exists.
        QCOMPARE(selectLan(m_lan, "", first.c_str(), KVR_PW_MODE_REGISTRATION).result, uint8_t(0));
        QCOMPARE(selectLan(m_lan, nullptr, first.c_str(), KVR_PW_MODE_AUTHENTICATION).result, uint8_t(1));
    }

    void cameraWithoutPasswordConnectsAtOnce()
    {
        kvrsim::setPassword(m_lan, kvrsim::PasswordState::None);
        const NetworkSelect s = selectLan(m_lan, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(1));
        kvrsim::flush();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_PASSWORD), 0);
    }

    void scramblingMatchesTheApplicationsRule_data()
    {
        QTest::addColumn<QString>("clear");
        QTest::addColumn<uint>("key");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("empty") << "" << 0x12345678u << "";
        // "abc" + 0xFF = 0x616263FF ^ 0 written little-endian
        QTest::newRow("three bytes") << "abc" << 0u << "FF636261";
        QTest::newRow("four bytes, key") << "abcd" << 0x01020304u << "60606060";
        QTest::newRow("five bytes") << "abcde" << 0u << "64636261FFFFFF65";
    }

    void scramblingMatchesTheApplicationsRule()
    {
        QFETCH(QString, clear);
        QFETCH(uint, key);
        QFETCH(QString, scrambled);
        QCOMPARE(QString::fromStdString(kvrsim::scramblePassword(clear.toStdString(), key)), scrambled);
    }

    void tlsCameraNeedsItsCertificate()
    {
        kvrsim::CameraProfile profile;
        profile.model = "Rozado Sim T4";
        profile.connection = kvrsim::Connection::Lan;
        profile.tls = true;
        const int tls = kvrsim::addCamera(profile);
        uint32_t err = 0;
        const char *pem = KVR_func_api_ptpip_GetCertPEM(uint32_t(tls), &err);
        QVERIFY(pem);
        QVERIFY(std::string(pem).find("-----BEGIN CERTIFICATE-----") == 0);
        QCOMPARE(KVR_func_api_ptpip_GetCertPEM(uint32_t(m_lan), &err), static_cast<const char *>(nullptr));

        NetworkSelect s = selectLan(tls, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(0));
        QCOMPARE(s.error & 0xFFFF0000u, 0x00100000u);
        QCOMPARE(KVR_func_api_ptpip_SetCerFilePath(uint32_t(tls), "/tmp/none/RozadoT4.cer", nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_UpdateCer(uint32_t(tls), nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_UpdateCer(uint32_t(m_lan), nullptr), uint8_t(0));
        s = selectLan(tls, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(1));
    }

    void tlsErrorIsReported()
    {
        kvrsim::CameraProfile profile;
        profile.connection = kvrsim::Connection::Lan;
        profile.tls = true;
        profile.tlsError = KVR_ERR_TLS_EXPIRED;
        const int tls = kvrsim::addCamera(profile);
        KVR_func_api_ptpip_SetCerFilePath(uint32_t(tls), "/tmp/none/x.cer", nullptr);
        const NetworkSelect s = selectLan(tls, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(s.result, uint8_t(0));
        QCOMPARE(s.error, KVR_ERR_TLS_EXPIRED);
        QCOMPARE(Kvr_func_api_Get_Error(), KVR_ERR_TLS_EXPIRED);
    }

    void connectedNetworkCameraIsReportedAsKindSix()
    {
        kvrsim::setPassword(m_lan, kvrsim::PasswordState::None);
        const NetworkSelect s = selectLan(m_lan, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(KVR_func_api_OpenSession(0, nullptr, s.uuid.c_str(), nullptr), uint8_t(1));
        uint8_t connected = 0;
        QCOMPARE(KVR_func_api_IsConnectedLANDevice(kvrsim::profileOf(m_lan).serial.c_str(), &connected), uint8_t(1));
        QCOMPARE(connected, uint8_t(1));
        searchAndStop();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_FOUND_CONNECTED), 1);
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_FOUND), 0);
    }

    void lostUsbCameraFailsEveryCall()
    {
        const std::string uuid = connectUsb(m_usbA);
        kvrsim::unplug(m_usbA);
        kvrsim::flush();
        const auto events = recorder().events();
        QCOMPARE(recorder().count(KVR_EVENT_CAMERA_LOST), 1);
        QCOMPARE(events.back().uuid, uuid);

        uint32_t err = 0;
        uint16_t status = 0;
        QCOMPARE(KVR_func_api_GetCameraStatus(&status, uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_NO_DEVICE);
        QCOMPARE(KVR_func_api_Aperture_Set_Param(40, uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(KVR_func_api_OpenSession(0, nullptr, uuid.c_str(), &err), uint8_t(0));

        // Plugged in again it answers under a new UUID; the old one stays dead.
        kvrsim::plug(m_usbA);
        const std::string again = connectUsb(m_usbA);
        QVERIFY(!again.empty());
        QVERIFY(again != uuid);
        QCOMPARE(KVR_func_api_GetCameraStatus(&status, uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(KVR_func_api_GetCameraStatus(&status, again.c_str(), &err), uint8_t(1));
    }

    void networkDisconnectIsKindFour()
    {
        kvrsim::setPassword(m_lan, kvrsim::PasswordState::None);
        const NetworkSelect s = selectLan(m_lan, nullptr, "", KVR_PW_MODE_AUTHENTICATION);
        QCOMPARE(KVR_func_api_OpenSession(0, nullptr, s.uuid.c_str(), nullptr), uint8_t(1));
        kvrsim::setOnNetwork(m_lan, false);
        kvrsim::flush();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_DISCONNECTED), 1);
        QCOMPARE(recorder().network().back().uuid, s.uuid);
        uint16_t status = 0;
        QCOMPARE(KVR_func_api_GetCameraStatus(&status, s.uuid.c_str(), nullptr), uint8_t(0));
        // Off the network it is not found any more.
        searchAndStop();
        QCOMPARE(recorder().kinds(KVR_PTPIP_KIND_FOUND), 0);
    }

    void networkConfiguration()
    {
        KVR_PTPIP_PC_NAME name{};
        name.length = 11;
        std::memcpy(name.name, "KAVROTether", 12);
        QCOMPARE(KVR_func_api_ptpip_Set_Pc_Name(name, nullptr), uint8_t(1));
        name.length = 5; // does not match the text
        uint32_t err = 0;
        QCOMPARE(KVR_func_api_ptpip_Set_Pc_Name(name, &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_INVALID_PARAM);
        std::memset(name.name, 'x', sizeof name.name); // no NUL at all
        name.length = 256;
        QCOMPARE(KVR_func_api_ptpip_Set_Pc_Name(name, &err), uint8_t(0));

        QCOMPARE(KVR_func_api_ptpip_Set_Ip_Addr(nullptr, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_Set_Ip_Addr("192.0.2.200", nullptr), uint8_t(1));
        char ip[KVR_IP_ADDR_BUFFER_SIZE];
        QCOMPARE(KVR_func_api_ptpip_Get_Ip_Addr(ip, nullptr), uint8_t(1));
        QCOMPARE(std::string(ip), std::string("192.0.2.200"));
        QCOMPARE(KVR_func_api_ptpip_Set_Ip_Addr("1234.5678.9012.3456", &err), uint8_t(0));

        uint32_t type = 7;
        QCOMPARE(KVR_func_api_ptpip_Set_Connection_Type(KVR_CONNECTION_LAN, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_ptpip_Get_Connection_Type(&type, nullptr), uint8_t(1));
        QCOMPARE(type, KVR_CONNECTION_LAN);
        QCOMPARE(KVR_func_api_ptpip_Set_Connection_Type(2, &err), uint8_t(0));

        // Search times beyond what a timer holds (a caller's -1 among them)
        // are refused rather than wrapped into an instant time-out.
        QCOMPARE(KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(0xFFFFFFFFu, 10000, &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_INVALID_PARAM);
        QCOMPARE(KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(10000, 0x80000000u, &err), uint8_t(0));
        QCOMPARE(KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(0x7FFFFFFFu, 10000, &err), uint8_t(1));
    }
};

QTEST_GUILESS_MAIN(TestSdkConnection)
#include "tst_sdk_connection.moc"
