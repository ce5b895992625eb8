// The library's interface as a whole: every function exists, and the calls
// that name no camera or a wrong one fail cleanly.
#include "Kvrptpif.h"
#include "KvrSim.h"

#include <QtTest>

namespace {

struct Entry
{
    const char *name;
    const void *address;
};

#define KVR_ENTRY(ret, name, params) {#name, reinterpret_cast<const void *>(&name)},
#define KVR_APP_ENTRY(name) {#name, reinterpret_cast<const void *>(&name)},
const Entry entries[] = {KVR_FUNCTIONS(KVR_ENTRY) KVR_FUNCTIONS_APPLICATION_NAMES(KVR_APP_ENTRY)};
#undef KVR_ENTRY
#undef KVR_APP_ENTRY

} // namespace

class TestSdkInterface : public QObject
{
    Q_OBJECT

private slots:
    void init() { kvrsim::reset(); }

    void everyFunctionIsExported()
    {
        QSet<QByteArray> names;
        for (const Entry &e : entries) {
            QVERIFY2(e.address, e.name);
            QVERIFY2(!names.contains(e.name), e.name);
            names.insert(e.name);
        }
        QVERIFY(names.size() > 500);
    }

    void applicationNamesFailCleanly()
    {
        QCOMPARE(KVR_func_api_Init(), uint8_t(1));
        uint32_t err = 0;
        QCOMPARE(KVR_func_api_Rec_Ctrl_Release_one_shot(0, "", &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_NOT_SUPPORTED);
        QCOMPARE(KVR_func_api_Aperture_Set_Param_Start(0, nullptr, nullptr), uint8_t(0));
    }
};

QTEST_GUILESS_MAIN(TestSdkInterface)
#include "tst_sdk_interface.moc"
