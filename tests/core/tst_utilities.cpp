#include "core/ApplicationFolder.h"
#include "core/PasswordScrambling.h"
#include "core/Utilities.h"

#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QMetaMethod>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cstring>
#include <memory>
#include <optional>

using namespace kavrotether;

namespace {

using U = Utilities;

// Receives what the program hands to the desktop, so no document is opened for real.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// The built-in movie-quality record as the SDK lays it out: count, 4 bytes, 512 entries.
struct QualityRecord
{
    uchar bytes[6 + 24 * 512];
};

template<typename T>
T readAt(const uchar *bytes, std::size_t offset)
{
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

std::size_t entryAt(int i)
{
    return U::MovieQualityRecordHeader + U::MovieQualityRecordEntrySize * std::size_t(i);
}

int keyValue(const char *key, bool *found)
{
    const QMetaObject &mo = U::staticMetaObject;
    for (int e = 0; e < mo.enumeratorCount(); ++e) {
        const int v = mo.enumerator(e).keyToValue(key, found);
        if (*found)
            return v;
    }
    return 0;
}

} // namespace

class TestUtilities : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Vocabulary
    void enumerationKeys_data();
    void enumerationKeys();
    void lookupSpotValues_data();
    void lookupSpotValues();
    void everyLookupIsBounded();
    void picture4K6K_data();
    void picture4K6K();
    void movieFrameRate_data();
    void movieFrameRate();
    void compressionMethod_data();
    void compressionMethod();
    void moviePixelAspect_data();
    void moviePixelAspect();

    // Services
    void validateFolderName_data();
    void validateFolderName();
    void storageFolder_data();
    void storageFolder();
    void urls_data();
    void urls();
    void windowRelays_data();
    void windowRelays();
    void cursorStack();
    void cursorPictures_data();
    void cursorPictures();
    void documents_data();
    void documents();
    void screens_data();
    void screens();

    // Password scrambling
    void encryptData_data();
    void encryptData();
    void encryptDataInPlace();
    void encryptedText_data();
    void encryptedText();
    void encryptionKey_data();
    void encryptionKey();

    // Built-in movie-quality lists
    void builtInLists_data();
    void builtInLists();
    void builtInRates_data();
    void builtInRates();
    void builtInRespectsRecordSize();
};

void TestUtilities::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestUtilities::enumerationKeys_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("value");
    // Spellings the interface relies on, and keys with values of their own.
    QTest::newRow("WB_Tengsten") << QByteArray("WB_Tengsten") << 5;
    QTest::newRow("WB_Flourescent") << QByteArray("WB_Flourescent") << 8;
    QTest::newRow("RecPreviw_Expousure") << QByteArray("RecPreviw_Expousure") << 1;
    QTest::newRow("PS_Hybrid_Grama") << QByteArray("PS_Hybrid_Grama") << 16;
    QTest::newRow("PS_Max") << QByteArray("PS_Max") << 54;
    QTest::newRow("FS_Unkown") << QByteArray("FS_Unkown") << -1;
    QTest::newRow("WBK_100000") << QByteArray("WBK_100000") << 79;
    QTest::newRow("MFR_ALL") << QByteArray("MFR_ALL") << -1;
    QTest::newRow("MFR_Max") << QByteArray("MFR_Max") << 0;
    QTest::newRow("MP_6_4K_3_2_6432_4288") << QByteArray("MP_6_4K_3_2_6432_4288") << 47;
    QTest::newRow("MP_ALL") << QByteArray("MP_ALL") << 65535;
    QTest::newRow("AsModCur_Off") << QByteArray("AsModCur_Off") << 65535;
    QTest::newRow("AsModCur_Max") << QByteArray("AsModCur_Max") << 65536;
    QTest::newRow("AfInfoStatus_InProgress") << QByteArray("AfInfoStatus_InProgress") << 65534;
    QTest::newRow("CameraID_Max") << QByteArray("CameraID_Max") << 12;
    QTest::newRow("TETHERMODE_NOT_SUPPORT") << QByteArray("TETHERMODE_NOT_SUPPORT") << 4;
    QTest::newRow("UsbMode_NotDefined") << QByteArray("UsbMode_NotDefined") << -1;
    QTest::newRow("BS_EleFastPreLiveView40") << QByteArray("BS_EleFastPreLiveView40") << 48;
    QTest::newRow("AR_2_1") << QByteArray("AR_2_1") << 8;
    QTest::newRow("CamConnectSts_SuccessBackground") << QByteArray("CamConnectSts_SuccessBackground") << 5;
    QTest::newRow("ZOOM_SPEED_HIGHER") << QByteArray("ZOOM_SPEED_HIGHER") << 5;
    QTest::newRow("Ternary_True") << QByteArray("Ternary_True") << 1;
}

void TestUtilities::enumerationKeys()
{
    QFETCH(QByteArray, key);
    QFETCH(int, value);
    // 119 setting enumerations and Ternary, every one reachable by QML.
    QCOMPARE(U::staticMetaObject.enumeratorCount(), 120);
    bool found = false;
    QCOMPARE(keyValue(key.constData(), &found), value);
    QVERIFY2(found, key.constData());
}

void TestUtilities::lookupSpotValues_data()
{
    QTest::addColumn<qulonglong>("code");
    QTest::addColumn<qulonglong>("expected");

    QTest::newRow("recording mode iA") << qulonglong(U::enumRecordingModeToVal(U::RM_IntelligentAuto)) << 7ull;
    QTest::newRow("recording mode creative control")
        << qulonglong(U::enumRecordingModeToVal(U::RM_CreativeControl)) << 4ull;
    QTest::newRow("ss bulb") << qulonglong(U::enumSsToVal(U::SS_Bulb)) << 0xFFFFFFFFull;
    QTest::newRow("ss time") << qulonglong(U::enumSsToVal(U::SS_Time)) << 0xFFFFFFFEull;
    QTest::newRow("ss 60 s") << qulonglong(U::enumSsToVal(U::SS_Sec_60)) << 0x8000EA60ull;
    QTest::newRow("ss 1.3 s") << qulonglong(U::enumSsToVal(U::SS_Sec_1_3)) << 0x80000514ull;
    QTest::newRow("ss 1 s") << qulonglong(U::enumSsToVal(U::SS_Sec_1)) << 0x800003E8ull;
    QTest::newRow("ss 1/1.3") << qulonglong(U::enumSsToVal(U::SS_1_3)) << 1300ull;
    QTest::newRow("ss 1/2") << qulonglong(U::enumSsToVal(U::SS_2)) << 2000ull;
    QTest::newRow("ss 1/8000") << qulonglong(U::enumSsToVal(U::SS_8000)) << 8000000ull;
    QTest::newRow("ss 1/64000") << qulonglong(U::enumSsToVal(U::SS_64000)) << 64000000ull;
    QTest::newRow("iso auto") << qulonglong(U::enumIsoToVal(U::ISO_Auto)) << 0xFFFFFFFFull;
    QTest::newRow("iso i") << qulonglong(U::enumIsoToVal(U::ISO_I_Iso)) << 0xFFFFFFFEull;
    QTest::newRow("iso 100") << qulonglong(U::enumIsoToVal(U::ISO_100)) << 100ull;
    QTest::newRow("iso 8500") << qulonglong(U::enumIsoToVal(U::ISO_8500)) << 8500ull;
    QTest::newRow("iso 25600") << qulonglong(U::enumIsoToVal(U::ISO_25600)) << 25600ull;
    QTest::newRow("wb kelvin 2500") << qulonglong(U::enumWbKSetToVal(U::WBK_2500)) << 2500ull;
    QTest::newRow("wb kelvin 2550") << qulonglong(U::enumWbKSetToVal(U::WBK_2550)) << 2550ull;
    QTest::newRow("wb kelvin 9900") << qulonglong(U::enumWbKSetToVal(U::WBK_9900)) << 9900ull;
    QTest::newRow("wb kelvin 10000") << qulonglong(U::enumWbKSetToVal(U::WBK_100000)) << 10000ull;
    QTest::newRow("wb auto cool") << qulonglong(U::enumWbToVal(U::WB_Auto_Cool)) << 0x8014ull;
    QTest::newRow("wb auto warm") << qulonglong(U::enumWbToVal(U::WB_Auto_Warm)) << 0x8015ull;
    QTest::newRow("flash manual 1/1280") << qulonglong(U::enumFlashManualToVal(U::FlshManual_1280)) << 1280ull;
    QTest::newRow("flash manual 1/13") << qulonglong(U::enumFlashManualToVal(U::FlshManual_13)) << 13ull;
    QTest::newRow("flash manual full") << qulonglong(U::enumFlashManualToVal(U::FlshManual_Full)) << 0ull;
    QTest::newRow("exposure -5") << qulonglong(U::enumExposureToVal(U::Expo_M15_3)) << 0x800Full;
    QTest::newRow("exposure -1/3") << qulonglong(U::enumExposureToVal(U::Expo_M1_3)) << 0x8001ull;
    QTest::newRow("exposure 0") << qulonglong(U::enumExposureToVal(U::Expo_0_3)) << 0ull;
    QTest::newRow("exposure +5") << qulonglong(U::enumExposureToVal(U::Expo_P15_3)) << 15ull;
    QTest::newRow("wb adjust -10") << qulonglong(U::enumWbAdjToVal(U::WBAdj_M10)) << 0x800Aull;
    QTest::newRow("wb adjust 0") << qulonglong(U::enumWbAdjToVal(U::WBAdj_Zero)) << 0ull;
    QTest::newRow("wb adjust +10") << qulonglong(U::enumWbAdjToVal(U::WBAdj_P10)) << 10ull;
    QTest::newRow("flash adjust -3") << qulonglong(U::enumFlashAdjToVal(U::FlshAdj_M3)) << 0x8009ull;
    QTest::newRow("flash adjust -2 2/3") << qulonglong(U::enumFlashAdjToVal(U::FlshAdj_M2_2_3)) << 0x8008ull;
    QTest::newRow("flash adjust -1") << qulonglong(U::enumFlashAdjToVal(U::FlshAdj_M1)) << 0x8003ull;
    QTest::newRow("flash adjust -1/3") << qulonglong(U::enumFlashAdjToVal(U::FlshAdj_M1_3)) << 0x8001ull;
    QTest::newRow("flash adjust 0") << qulonglong(U::enumFlashAdjToVal(U::FlshAdj_0)) << 0ull;
    QTest::newRow("flash adjust +1 1/3") << qulonglong(U::enumFlashAdjToVal(U::FlshAdj_1_1_3)) << 4ull;
    QTest::newRow("flash adjust +3") << qulonglong(U::enumFlashAdjToVal(U::FlshAdj_3)) << 9ull;
    QTest::newRow("photo style unknown") << qulonglong(U::enumPhotoStyToVal(U::PS_Unknown)) << 0ull;
    QTest::newRow("photo style max") << qulonglong(U::enumPhotoStyToVal(U::PS_Max)) << 0ull;
    QTest::newRow("photo style last") << qulonglong(U::enumPhotoStyToVal(U::PS_Remote_Camera_RZ300)) << 53ull;
    QTest::newRow("komadori shares interval")
        << qulonglong(U::enumDriveModeToVal(U::DM_Komadori)) << qulonglong(U::enumDriveModeToVal(U::DM_Interval));
    QTest::newRow("burst first") << qulonglong(U::enumBurstSpeedToVal(U::BS_HighSpeed)) << 1ull;
    QTest::newRow("burst last") << qulonglong(U::enumBurstSpeedToVal(U::BS_EleFastPreLiveView40)) << 49ull;
    QTest::newRow("custom multi in af") << qulonglong(U::enumAutoFocusToVal(U::AFM_CustomC3)) << 5ull;
    QTest::newRow("file target pc only") << qulonglong(U::enumFileTargetToVal(U::FLTG_PcOnly)) << 1ull;
    QTest::newRow("lut2 shares lut") << qulonglong(U::enumPhotoLUT2ToVal(U::PLUT_ON)) << 1ull;
    QTest::newRow("group target external") << qulonglong(U::enumGroupFlashTarToVal(U::GFT_External)) << 4ull;
    QTest::newRow("group target C") << qulonglong(U::enumGroupFlashTarToVal(U::GFT_TargetC)) << 3ull;
    QTest::newRow("group target max") << qulonglong(U::enumGroupFlashTarToVal(U::GFT_Max)) << 0ull;
    QTest::newRow("usb super") << qulonglong(U::enumUsbModeToVal(U::UsbMode_Super)) << 3ull;
    // Every gain mode has a code the camera also reports back.
    QTest::newRow("ss gain sec iso") << qulonglong(U::enumSSGainToVal(U::SSGain_Sec_n_ISO)) << 1ull;
    QTest::newRow("ss gain angle iso") << qulonglong(U::enumSSGainToVal(U::SSGain_Angle_n_ISO)) << 2ull;
    QTest::newRow("ss gain sec dB") << qulonglong(U::enumSSGainToVal(U::SSGain_Sec_n_dB)) << 3ull;
    QTest::newRow("ss gain max") << qulonglong(U::enumSSGainToVal(U::SSGain_Max)) << 0ull;
}

void TestUtilities::lookupSpotValues()
{
    QFETCH(qulonglong, code);
    QFETCH(qulonglong, expected);
    QCOMPARE(code, expected);
}

// Every lookup, called the way QML calls it, gives 0 for _Unknown (-1) and
// _Max and the table's last code just below _Max.
void TestUtilities::everyLookupIsBounded()
{
    Utilities utilities;
    const QMetaObject &mo = U::staticMetaObject;
    int lookups = 0;
    for (int m = mo.methodOffset(); m < mo.methodCount(); ++m) {
        const QMetaMethod method = mo.method(m);
        const QByteArray name = method.name();
        if (!name.startsWith("enum") || method.parameterCount() != 1)
            continue;
        ++lookups;
        const QMetaType parameter = method.parameterMetaType(0);
        QVERIFY2(parameter.flags() & QMetaType::IsEnumeration, name.constData());
        const QMetaEnum keys = mo.enumerator(
            mo.indexOfEnumerator(QByteArray(parameter.name()).split(':').last().constData()));
        QVERIFY2(keys.isValid(), name.constData());
        int max = -1;
        for (int k = 0; k < keys.keyCount(); ++k) {
            const QByteArray key = keys.key(k);
            if (key.endsWith("_Max") || key.endsWith("_MAX"))
                max = keys.value(k);
        }
        QVERIFY2(max > 0, name.constData());

        auto call = [&](int value) {
            quint64 result = 0; // narrower results fill only the low bytes
            void *args[] = {&result, &value};
            utilities.qt_metacall(QMetaObject::InvokeMetaMethod, m, args);
            return result;
        };
        QCOMPARE(call(-1), quint64(0));
        QCOMPARE(call(max), quint64(0));
        QCOMPARE(call(max + 1), quint64(0));
        // Only these two tables end in code 0; every other last code shows
        // that the bound lets the last key through.
        if (name != "enumFlashManualToVal" && name != "enumPicture4K6KToFps")
            QVERIFY2(call(max - 1) != 0, name.constData());
    }
    // 67 tables; photo LUT has two lookups and the 6K/4K table two readers.
    QCOMPARE(lookups, 69);
}

void TestUtilities::picture4K6K_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("fps");
    QTest::newRow("6K burst") << int(U::PQQ_6K_30p_Burst) << 2 << 2;
    QTest::newRow("6K pre-burst") << int(U::PQQ_6K_30p_PreBurst) << 1 << 2;
    QTest::newRow("4K 60p burst S/S") << int(U::PQQ_4K_60p_Burst_SS) << 3 << 1;
    QTest::newRow("4K 30p burst") << int(U::PQQ_4K_30p_Burst) << 2 << 0;
    QTest::newRow("4K 30p pre-burst") << int(U::PQQ_4K_30p_PreBurst) << 1 << 0;
    QTest::newRow("unknown") << int(U::PQQ_Unknown) << 0 << 0;
    QTest::newRow("max") << int(U::PQQ_Max) << 0 << 0;
}

void TestUtilities::picture4K6K()
{
    QFETCH(int, value);
    QFETCH(int, type);
    QFETCH(int, fps);
    QCOMPARE(int(U::enumPicture4K6KToType(U::Picture4K6K(value))), type);
    QCOMPARE(int(U::enumPicture4K6KToFps(U::Picture4K6K(value))), fps);
}

void TestUtilities::movieFrameRate_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<uint>("scanning");
    QTest::addColumn<uint>("rate");
    QTest::newRow("60p") << 0x80001770u << 1u << 6000u;
    QTest::newRow("59.94i") << 0x0000176Au << 0u << 5994u;
    QTest::newRow("upper bits dropped") << 0xF0000BB8u << 1u << 3000u;
    QTest::newRow("zero") << 0u << 0u << 0u;
}

void TestUtilities::movieFrameRate()
{
    QFETCH(uint, code);
    QFETCH(uint, scanning);
    QFETCH(uint, rate);
    QCOMPARE(U::movieFrameRateToVal(code, true), scanning);
    QCOMPARE(U::movieFrameRateToVal(code, false), rate);
    QCOMPARE(U::movieFrameRateToVal(code), rate);
}

void TestUtilities::compressionMethod_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("colour");
    QTest::newRow("4:2:2 8-bit long GOP") << 0x0000 << "1,3,5" << 0 << 0 << 0;
    QTest::newRow("code 0x2110") << 0x2110 << "6,2,4" << 1 << 1 << 2;
    QTest::newRow("4:2:0 10-bit ALL-I") << 0x1110 << "0,2,4" << 1 << 1 << 1;
    QTest::newRow("method 5") << 0x0250 << "1,7,0" << 5 << 2 << 0;
    QTest::newRow("unknown groups add nothing") << 0xF3F0 << "" << 0xF << 3 << 0xF;
    QTest::newRow("unknown method keeps the comma") << 0x00F0 << "1,3," << 0xF << 0 << 0;
    QTest::newRow("low nibble ignored") << 0xABCD << "" << 0xC << 0xB << 0xA;
}

void TestUtilities::compressionMethod()
{
    QFETCH(int, code);
    QFETCH(QString, keys);
    QFETCH(int, method);
    QFETCH(int, bits);
    QFETCH(int, colour);
    QCOMPARE(U::movieCompressionMethodToStr(ushort(code)), keys);
    QCOMPARE(int(U::movieCompressionMethodToStrMethod(ushort(code))), method);
    QCOMPARE(int(U::movieCompressionMethodToStrBits(ushort(code))), bits);
    QCOMPARE(int(U::movieCompressionMethodToStrColor(ushort(code))), colour);
}

void TestUtilities::moviePixelAspect_data()
{
    QTest::addColumn<int>("pixel");
    QTest::addColumn<int>("aspect");
    QTest::newRow("6K 3:2") << int(U::MP_6K_3_2_5952_3968) << int(U::AR_3_2);
    QTest::newRow("C4K") << int(U::MP_C4K_17_9_4096_2160) << 4;
    QTest::newRow("VGA") << int(U::MP_VGA_4_3_640_480) << int(U::AR_4_3);
    QTest::newRow("last row") << int(U::MP_6K_17_9_5952_3136) << int(U::AR_17_9);
    QTest::newRow("first without row") << int(U::MP_3_3K_4_3_3328_2496) << -1;
    QTest::newRow("6.4K") << 47 << -1;
    QTest::newRow("all") << 65535 << -1;
    QTest::newRow("max") << int(U::MP_Max) << -1;
    QTest::newRow("negative") << -1 << -1;
}

void TestUtilities::moviePixelAspect()
{
    QFETCH(int, pixel);
    QFETCH(int, aspect);
    QCOMPARE(int(U::getAspectRatioFromMoviePixel(U::MoviePixel(pixel))), aspect);
}

void TestUtilities::validateFolderName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("letters") << "Photos" << true;
    QTest::newRow("digit first") << "2024 shoot" << true;
    QTest::newRow("single letter") << "a" << true;
    QTest::newRow("backslash later") << "a\\b" << true;
    QTest::newRow("dot and dash later") << "a.b-c_d" << true;
    QTest::newRow("accent later") << QString::fromUtf8("caf\u00e9") << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("space first") << " a" << false;
    QTest::newRow("dot first") << ".a" << false;
    QTest::newRow("underscore first") << "_a" << false;
    QTest::newRow("accent first") << QString::fromUtf8("\u00e9t\u00e9") << false;
    QTest::newRow("colon") << "a:b" << false;
    QTest::newRow("bar") << "a|b" << false;
    QTest::newRow("star") << "a*" << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("greater") << "a>b" << false;
    QTest::newRow("less") << "a<b" << false;
    QTest::newRow("question") << "a?" << false;
}

void TestUtilities::validateFolderName()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(U::validateFolderName(name), valid);
}

// The folder a user types for the pictures; "@" stands for a scratch folder
// holding a file "file", a folder "readonly" without write permission, and
// links: "linked" to the scratch folder, "nowhere" to a disk not plugged in,
// "loop" to itself, "out" to the folder "inner" of a folder "deep".
void TestUtilities::storageFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("usable");
    QTest::newRow("existing folder") << "@" << true;
    QTest::newRow("trailing slash") << "@/" << true;
    QTest::newRow("new folder") << "@/new" << true;
    QTest::newRow("new nested folders") << "@/new/deeper/still" << true;
    QTest::newRow("dots resolved inside") << "@/new/../other" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("relative") << "pictures" << false;
    QTest::newRow("dot relative") << "./pictures" << false;
    QTest::newRow("home shorthand") << "~/Pictures" << false;
    QTest::newRow("a file") << "@/file" << false;
    QTest::newRow("under a file") << "@/file/sub" << false;
    QTest::newRow("resource") << ":/qml" << false;
    QTest::newRow("read-only folder") << "@/readonly" << false;
    QTest::newRow("under a read-only folder") << "@/readonly/sub" << false;
    // Permission bits say writable there, yet no file can be made.
    QTest::newRow("kernel folder") << "/proc" << false;
    QTest::newRow("under a kernel folder") << "/proc/new" << false;
    QTest::newRow("link to a folder") << "@/linked" << true;
    QTest::newRow("under a link to a folder") << "@/linked/new" << true;
    QTest::newRow("link leading nowhere") << "@/nowhere" << false;
    QTest::newRow("under a link leading nowhere") << "@/nowhere/sub" << false;
    QTest::newRow("link loop") << "@/loop" << false;
    QTest::newRow("under a link loop") << "@/loop/sub" << false;
    // The system follows a link before it takes the ".." after it.
    QTest::newRow("dots after a link leading nowhere") << "@/nowhere/../Shots" << false;
    QTest::newRow("dots after a link loop") << "@/loop/../Shots" << false;
    QTest::newRow("dots after a file") << "@/file/../Shots" << false;
    QTest::newRow("dots after a link to a folder") << "@/out/../file" << true;
    QTest::newRow("dots out of a new folder, then after a link") << "@/new/../out/../file" << true;
}

void TestUtilities::storageFolder()
{
    QFETCH(QString, path);
    QFETCH(bool, usable);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QFile file(scratch.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString readOnly = scratch.filePath(QStringLiteral("readonly"));
    QVERIFY(QDir().mkdir(readOnly));
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QVERIFY(QFile::link(scratch.path(), scratch.filePath(QStringLiteral("linked"))));
    QVERIFY(QFile::link(scratch.filePath(QStringLiteral("unplugged/pictures")),
                        scratch.filePath(QStringLiteral("nowhere"))));
    QVERIFY(QFile::link(scratch.filePath(QStringLiteral("loop")), scratch.filePath(QStringLiteral("loop"))));
    QVERIFY(QDir().mkpath(scratch.filePath(QStringLiteral("deep/inner"))));
    QVERIFY(QFile::link(scratch.filePath(QStringLiteral("deep/inner")), scratch.filePath(QStringLiteral("out"))));
    if (path.contains(QLatin1String("readonly")) && QFileInfo(readOnly).isWritable())
        QSKIP("permissions do not bind this user");
    if (path.startsWith(QLatin1String("/proc")) && !QFileInfo(QStringLiteral("/proc")).isDir())
        QSKIP("no /proc here");
    path.replace(QLatin1Char('@'), scratch.path());
    QCOMPARE(U::isUsableStorageFolder(path), usable);
    // nor leaves its probe behind
    QCOMPARE(
        QDir(scratch.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System).size(),
        7);
    QCOMPARE(QDir(scratch.filePath(QStringLiteral("deep"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries
                                                                          | QDir::Hidden | QDir::System),
             QStringList{QStringLiteral("inner")});
    // the check never creates what it was asked about
    QCOMPARE(QFileInfo::exists(scratch.filePath(QStringLiteral("new"))), false);
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestUtilities::urls_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "file:///tmp/pictures/a.jpg"
                           << "/tmp/pictures/a.jpg";
    QTest::newRow("escaped") << "file:///tmp/my%20pictures"
                             << "/tmp/my pictures";
    QTest::newRow("not a file url") << "https://example.com/a"
                                    << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestUtilities::urls()
{
    QFETCH(QString, url);
    QFETCH(QString, path);
    QCOMPARE(U::qUrlToLocalFileWithoutNative(url), path);
    QCOMPARE(U::qUrlToLocalFile(url), QDir::toNativeSeparators(path));
    // Any text names a local file, nothing does not.
    QCOMPARE(U::validateUrl(url), !url.isEmpty());
}

void TestUtilities::windowRelays_data()
{
    QTest::addColumn<QByteArray>("relay");
    QTest::addColumn<QByteArray>("notify");
    QTest::addColumn<bool>("withFlag");
    QTest::newRow("preference visible") << QByteArray("preferenceWindowVisibleChanged")
                                        << QByteArray("preferenceWindowVisibleChangedNotify") << true;
    QTest::newRow("preference active") << QByteArray("preferenceWindowActive")
                                       << QByteArray("preferenceWindowActiveNotify") << false;
    QTest::newRow("movie quality visible") << QByteArray("movieQualityWindowVisibleChanged")
                                           << QByteArray("movieQualityWindowVisibleChangedNotify") << true;
    QTest::newRow("search visible") << QByteArray("searchCamWindowVisibleChanged")
                                    << QByteArray("searchCamWindowVisibleChangedNotify") << true;
    QTest::newRow("activate") << QByteArray("activateWindow") << QByteArray("activateWindowNotify") << false;
}

void TestUtilities::windowRelays()
{
    QFETCH(QByteArray, relay);
    QFETCH(QByteArray, notify);
    QFETCH(bool, withFlag);
    Utilities utilities;
    const QMetaObject &mo = U::staticMetaObject;
    const QByteArray signature = notify + (withFlag ? "(bool)" : "()");
    const QMetaMethod signal = mo.method(mo.indexOfSignal(signature.constData()));
    QVERIFY2(signal.isValid(), signature.constData());
    QSignalSpy spy(&utilities, signal);
    if (withFlag) {
        QVERIFY(QMetaObject::invokeMethod(&utilities, relay.constData(), Q_ARG(bool, true)));
        QVERIFY(QMetaObject::invokeMethod(&utilities, relay.constData(), Q_ARG(bool, false)));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
    } else {
        QVERIFY(QMetaObject::invokeMethod(&utilities, relay.constData()));
        QCOMPARE(spy.count(), 1);
    }
}

void TestUtilities::cursorStack()
{
    QVERIFY(!QGuiApplication::overrideCursor());
    U::setMouseCursor(U::Ct_Pen);
    U::setMouseCursor(U::Ct_Pen);
    U::setMouseCursor(U::Ct_Normal);
    const QCursor *pen = QGuiApplication::overrideCursor();
    QVERIFY(pen);
    QCOMPARE(pen->shape(), Qt::BitmapCursor);
    QCOMPARE(pen->hotSpot(), QPoint(0, 16));
    QVERIFY(!pen->pixmap().isNull());
    // Kinds without a picture pop too, and popping an empty stack is harmless.
    U::setMouseCursor(U::Ct_Pinpoint);
    QVERIFY(!QGuiApplication::overrideCursor());
    U::setMouseCursor(U::Ct_Oneshots);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestUtilities::cursorPictures_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("1 point") << int(U::Ct_1point);
    QTest::newRow("225 point") << int(U::Ct_255point);
    QTest::newRow("custom multi") << int(U::Ct_Custom_m);
    QTest::newRow("face") << int(U::Ct_Face);
    QTest::newRow("tracking") << int(U::Ct_tracking);
}

void TestUtilities::cursorPictures()
{
    QFETCH(int, kind);
    U::setMouseCursor(U::CursorType(kind));
    const QCursor *cursor = QGuiApplication::overrideCursor();
    QVERIFY(cursor);
    const QPixmap picture = cursor->pixmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(cursor->hotSpot(), QPoint(picture.width() / 2, picture.height() / 2));
    U::setMouseCursor(U::Ct_Normal);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestUtilities::documents_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("eula");
    QTest::newRow("eula") << "/doc/EULA.txt" << true;
    QTest::newRow("manual") << "/doc/OperationGuide/index.html" << false;
}

void TestUtilities::documents()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, eula);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    const auto open = [eula] { return eula ? U::openEula() : U::openManual(); };
    const QString path = applicationDataFolder() + relativePath;
    QVERIFY(path.contains(QStringLiteral(".qttest"))); // never the real data folder

    QFile::remove(path);
    QVERIFY(!open());
    QVERIFY(catcher.urls.isEmpty());

    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(open());
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(path)});
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(QFile::remove(path));
}

void TestUtilities::screens_data()
{
    QTest::addColumn<bool>("atCorner");
    QTest::newRow("screen's corner") << true;
    QTest::newRow("no screen's corner") << false;
}

void TestUtilities::screens()
{
    QFETCH(bool, atCorner);
    QScreen *first = QGuiApplication::screens().value(0);
    QVERIFY(first);
    const QRect full = first->geometry();
    const QRect available = first->availableGeometry();
    const QPoint at = atCorner ? full.topLeft() : full.topLeft() + QPoint(7, 3);
    QCOMPARE(U::desktopX(at.x(), at.y()), full.left());
    QCOMPARE(U::desktopY(at.x(), at.y()), full.top());
    QCOMPARE(U::desktopWidth(at.x(), at.y()), full.right() - full.left() + 1);
    QCOMPARE(U::desktopHeight(at.x(), at.y()), full.bottom() - full.top() + 1);
    QCOMPARE(U::availableDesktopX(at.x(), at.y()), available.left());
    QCOMPARE(U::availableDesktopY(at.x(), at.y()), available.top());
    QCOMPARE(U::availableDesktopWidth(at.x(), at.y()), available.width());
    QCOMPARE(U::availableDesktopHeight(at.x(), at.y()), available.height());
}

void TestUtilities::encryptData_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("key"); // empty: a null key
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("zero key reverses groups") << QByteArray::fromHex("0102030405060708") << QByteArray(4, '\0') << true
                                              << QByteArray::fromHex("0403020108070605");
    QTest::newRow("key byte j on output byte j") << QByteArray::fromHex("61626364") << QByteArray::fromHex("04030201")
                                                 << true << QByteArray::fromHex("60606060");
    QTest::newRow("nothing to do") << QByteArray() << QByteArray(4, '\0') << true << QByteArray();
    QTest::newRow("six bytes") << QByteArray::fromHex("010203040506") << QByteArray(4, '\0') << false << QByteArray();
    QTest::newRow("null key") << QByteArray::fromHex("01020304") << QByteArray() << false << QByteArray();
}

void TestUtilities::encryptData()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, key);
    QFETCH(bool, ok);
    QFETCH(QByteArray, output);
    QByteArray out(input.size() + 4, char(0xAA)); // the extra bytes must stay as they are
    const QByteArray untouched = out;
    const auto *in = reinterpret_cast<const uchar *>(input.constData());
    const auto *k = key.isEmpty() ? nullptr : reinterpret_cast<const uchar *>(key.constData());
    QCOMPARE(U::encryptData(in, reinterpret_cast<uchar *>(out.data()), ulong(input.size()), k), ok);
    if (ok) {
        QCOMPARE(out.left(input.size()), output);
        QCOMPARE(out.mid(input.size()), untouched.mid(input.size()));
    } else {
        QCOMPARE(out, untouched);
    }
    const uchar zeroKey[4] = {};
    uchar buffer[4] = {};
    QVERIFY(!U::encryptData(nullptr, buffer, 4, zeroKey));
    QVERIFY(!U::encryptData(buffer, nullptr, 4, zeroKey));
}

void TestUtilities::encryptDataInPlace()
{
    QByteArray buffer = QByteArray::fromHex("0102030405060708");
    const uchar key[4] = {0x10, 0x20, 0x30, 0x40};
    auto *bytes = reinterpret_cast<uchar *>(buffer.data());
    QVERIFY(U::encryptData(bytes, bytes, ulong(buffer.size()), key));
    QCOMPARE(buffer, QByteArray::fromHex("1423324118273645"));
}

void TestUtilities::encryptedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qulonglong>("key");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("empty") << QString() << 0x12345678ull << QString();
    QTest::newRow("3 bytes padded") << "abc" << 0ull << "FF636261";
    QTest::newRow("4 bytes") << "abcd" << 0ull << "64636261";
    QTest::newRow("5 bytes") << "abcde" << 0ull << "64636261FFFFFF65";
    QTest::newRow("key big-endian on the group") << "abcd" << 0x01020304ull << "60606060";
    QTest::newRow("only 32 key bits") << "abcd" << 0xFF01020304ull << "60606060";
    QTest::newRow("31 bytes") << QString(31, QLatin1Char('A')) << 0ull << QString("41414141").repeated(7) + "FF414141";
    // Refused, never cut: a cut password is not the one typed. The empty
    // text tells the caller, as no password scrambles to it.
    QTest::newRow("32 bytes refused") << QString(32, QLatin1Char('A')) << 0ull << QString();
    QTest::newRow("40 bytes refused") << QString(40, QLatin1Char('A')) << 0ull << QString();
    QTest::newRow("31 bytes in 16 characters")
        << QString(15, QChar(0xe9)) + u'A' << 0ull << QString("A9C3A9C3").repeated(7) + "FF41A9C3";
    QTest::newRow("32 bytes in 16 characters refused") << QString(16, QChar(0xe9)) << 0ull << QString();
    QTest::newRow("utf-8") << QString::fromUtf8("\u00e9") << 0ull << "FFFFA9C3";
}

void TestUtilities::encryptedText()
{
    QFETCH(QString, text);
    QFETCH(qulonglong, key);
    QFETCH(QString, scrambled);
    if (scrambled.isEmpty() && !text.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("longer than 31 bytes"));
    QCOMPARE(U::getEncryptedData(text, ulong(key)), scrambled);
    // The program's callers learn of a refusal without looking at the text.
    const std::optional<QString> direct = passwordscrambling::scrambledPassword(text, ulong(key));
    QCOMPARE(direct.has_value(), !scrambled.isEmpty() || text.isEmpty());
    if (direct)
        QCOMPARE(*direct, scrambled);
}

void TestUtilities::encryptionKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<qulonglong>("key");
    QTest::newRow("last 8 of a MAC") << "AABBCCDDEEFF" << 8 << 0xCCDDEEFFull;
    QTest::newRow("lower case") << "aabbccddeeff" << 8 << 0xCCDDEEFFull;
    QTest::newRow("shorter than length") << "1f" << 8 << 0x1Full;
    QTest::newRow("prefix ignored") << "zz:12345678" << 8 << 0x12345678ull;
    QTest::newRow("separators") << "AA:BB:CC:DD:EE:FF" << 8 << 0ull;
    QTest::newRow("empty") << "" << 8 << 0ull;
    QTest::newRow("above 32 bits") << "1FFFFFFFF" << 9 << 0ull;
    QTest::newRow("zero length") << "1234" << 0 << 0ull;
    QTest::newRow("negative length") << "1234" << -1 << 0ull;
}

void TestUtilities::encryptionKey()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(qulonglong, key);
    QCOMPARE(qulonglong(U::getEncryptionKeyFromString(text, length)), key);
}

void TestUtilities::builtInLists_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<uint>>("first"); // quality id, frame rate, pixels, compression, bit rate
    QTest::addColumn<QList<uint>>("last");
    QTest::newRow("NTSC") << int(U::SFQ_NTSC) << 64 << QList<uint>{371, 0x8000176A, 3, 0x10, 150}
                          << QList<uint>{180, 0x8000095E, 8, 0x10, 24};
    QTest::newRow("PAL") << int(U::SFQ_PAL) << 66 << QList<uint>{371, 0x80001388, 3, 0x10, 150}
                         << QList<uint>{92, 0x80000960, 8, 0x10, 24};
    QTest::newRow("cinema") << int(U::SFQ_CINEMA) << 19 << QList<uint>{186, 0x80000960, 3, 0x1100, 400}
                            << QList<uint>{53, 0x80000960, 8, 0x10, 24};
    QTest::newRow("unknown") << int(U::SFQ_Unknown) << 0 << QList<uint>{} << QList<uint>{};
    QTest::newRow("max") << int(U::SFQ_Max) << 0 << QList<uint>{} << QList<uint>{};
}

void TestUtilities::builtInLists()
{
    QFETCH(int, frequency);
    QFETCH(int, count);
    QFETCH(QList<uint>, first);
    QFETCH(QList<uint>, last);
    auto record = std::make_unique<QualityRecord>();
    std::memset(record->bytes, 0xAB, sizeof record->bytes);
    U::GetMovieQualityBuiltInData(record.get(), U::SystemFrequency(frequency), true);
    const uchar *b = record->bytes;
    QCOMPARE(int(readAt<quint16>(b, 0)), count);
    QCOMPARE(readAt<quint32>(b, 2), 0xABABABABu); // the bytes between count and entries stay
    const auto check = [&](int i, const QList<uint> &fields) {
        const std::size_t at = entryAt(i);
        QCOMPARE(uint(readAt<quint16>(b, at + 2)), fields[0]);
        QCOMPARE(uint(readAt<quint32>(b, at + 4)), fields[1]);
        QCOMPARE(uint(readAt<quint16>(b, at + 8)), fields[2]);
        QCOMPARE(uint(readAt<quint16>(b, at + 10)), fields[3]);
        QCOMPARE(uint(readAt<quint16>(b, at + 12)), fields[4]);
        QCOMPARE(readAt<quint16>(b, at + 14), quint16(0xABAB)); // the rest of the entry stays
    };
    if (count > 0) {
        check(0, first);
        check(count - 1, last);
    }
    QCOMPARE(readAt<quint16>(b, entryAt(count) + 2), quint16(0xABAB)); // nothing past the list
}

void TestUtilities::builtInRates_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<uint>("qualityId");
    QTest::addColumn<uint>("rate");
    QTest::newRow("NTSC nominal 60p") << int(U::SFQ_NTSC) << false << 187u << 0x80001770u;
    QTest::newRow("NTSC without nominal") << int(U::SFQ_NTSC) << false << 371u << 0x8000176Au;
    QTest::newRow("NTSC exact") << int(U::SFQ_NTSC) << true << 187u << 0x8000176Au;
    QTest::newRow("NTSC exact without nominal") << int(U::SFQ_NTSC) << true << 371u << 0x8000176Au;
    QTest::newRow("NTSC interlaced nominal") << int(U::SFQ_NTSC) << false << 1u << 0x00001770u;
    QTest::newRow("NTSC interlaced exact") << int(U::SFQ_NTSC) << true << 1u << 0x0000176Au;
    QTest::newRow("PAL nominal") << int(U::SFQ_PAL) << false << 187u << 0x80001770u;
    QTest::newRow("PAL exact") << int(U::SFQ_PAL) << true << 187u << 0x80001388u;
}

void TestUtilities::builtInRates()
{
    QFETCH(int, frequency);
    QFETCH(bool, exact);
    QFETCH(uint, qualityId);
    QFETCH(uint, rate);
    auto record = std::make_unique<QualityRecord>();
    U::GetMovieQualityBuiltInData(record.get(), U::SystemFrequency(frequency), exact);
    const uchar *b = record->bytes;
    const int count = readAt<quint16>(b, 0);
    for (int i = 0; i < count; ++i) {
        if (readAt<quint16>(b, entryAt(i) + 2) == qualityId) {
            QCOMPARE(readAt<quint32>(b, entryAt(i) + 4), rate);
            return;
        }
    }
    QFAIL("quality id not in the list");
}

void TestUtilities::builtInRespectsRecordSize()
{
    // Room for the count and three entries, then a guard.
    uchar bytes[6 + 24 * 3 + 8];
    std::memset(bytes, 0xCD, sizeof bytes);
    U::GetMovieQualityBuiltInData(static_cast<void *>(bytes), 6 + 24 * 3, U::SFQ_NTSC, true);
    QCOMPARE(int(readAt<quint16>(bytes, 0)), 3);
    for (std::size_t i = 6 + 24 * 3; i < sizeof bytes; ++i)
        QCOMPARE(int(bytes[i]), 0xCD);
    // Too small for even a count: nothing is written.
    uchar tiny = 0xCD;
    U::GetMovieQualityBuiltInData(static_cast<void *>(&tiny), 1, U::SFQ_NTSC, true);
    QCOMPARE(int(tiny), 0xCD);
    U::GetMovieQualityBuiltInData(static_cast<void *>(nullptr), 100, U::SFQ_NTSC, true);
}

QTEST_MAIN(TestUtilities)
#include "tst_utilities.moc"
