// The still-image, movie, live-view quality, AF-frame and photo-style readers
// against a connected simulated camera: what the camera offers and has set
// reaches the adapter's members, read directly or after a dial turned on
// the camera.

#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <vector>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"

using namespace kavrotether;
using Codes = std::vector<uint32_t>;
Q_DECLARE_METATYPE(Codes)

class TestImageReaders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aspect_data();
    void aspect();
    void stillImageEvent_data();
    void stillImageEvent();
    void movieQualities();
    void builtInMovieQualities();
    void sliders_data();
    void sliders();
    void photoStyleComponents();
    void afFrame();
    void liveViewQuality();
    void networkCompression();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }
    std::unique_ptr<test::IsolatedSettings> m_settings;
    test::AdapterFixture m_fixture;
    int m_camera = -1; // the selected camera's simulator index
};

void TestImageReaders::init()
{
    m_settings = std::make_unique<test::IsolatedSettings>();
    QVERIFY(m_fixture.start());
    m_camera = m_fixture.connectWithoutReading();
    QVERIFY(m_camera >= 0);
}

void TestImageReaders::cleanup()
{
    m_fixture.stop();
    m_settings.reset();
}

// The aspect code decides the overlays' geometry and whether the read goes on
// to the picture size; the two reads differ on 3:2 and on multi-aspect.
void TestImageReaders::aspect_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<bool>("imageInfo");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("aspectRatio");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("diagonal");
    QTest::newRow("3:2") << 2u << false << true << 2 << 1.5 << 33.56;
    QTest::newRow("3:2 image information") << 2u << true << true << 2 << 1.5 << 33.6;
    QTest::newRow("16:9") << 3u << false << true << 3 << 1.7777777 << 29.2;
    QTest::newRow("1:1 image information") << 4u << true << true << 4 << 1.0 << 45.0;
    QTest::newRow("65:24 keeps the diagonal") << 10u << false << true << 10 << 2.7083333 << 36.8;
    QTest::newRow("multi goes on") << 5u << false << true << 1 << 1.33333333 << 36.8;
    QTest::newRow("none goes on") << 255u << false << true << 1 << 1.33333333 << 36.8;
    QTest::newRow("multi image information stops") << 5u << true << false << 1 << 1.33333333 << 36.8;
    QTest::newRow("7:5 stops") << 7u << false << false << 1 << 1.33333333 << 36.8;
    QTest::newRow("7:5 image information stops") << 7u << true << false << 1 << 1.33333333 << 36.8;
}

void TestImageReaders::aspect()
{
    QFETCH(uint, code);
    QFETCH(bool, imageInfo);
    QFETCH(bool, read);
    kvrsim::turnDial(m_camera, "imgInfoAspect", 1);
    kvrsim::turnDial(m_camera, "pictureSize", 0x0100);
    QCOMPARE(adapter().adp_KVR_func_api_ImageInfo_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().pictureSize(), 0x0100);

    kvrsim::turnDial(m_camera, "imgInfoAspect", code);
    kvrsim::turnDial(m_camera, "pictureSize", 0x0300);
    const Utilities::Ternary result = imageInfo ? adapter().adp_KVR_func_api_GetImageInfo()
                                                : adapter().adp_KVR_func_api_ImageInfo_GetCapability();
    QCOMPARE(result, read ? Utilities::Ternary_True : Utilities::Ternary_False);
    QCOMPARE(adapter().pictureSize(), read ? 0x0300 : 0x0100);
    QTEST(adapter().aspectRatio(), "aspectRatio");
    QTEST(adapter().afFrame_asp_x(), "width");
    QTEST(adapter().lvGDraw_diagonal_rotation(), "diagonal");
}

// A dial turned on the camera reaches the adapter through the still-image
// event; a camera whose capability cannot be read is asked for its image
// information instead.
void TestImageReaders::stillImageEvent_data()
{
    QTest::addColumn<bool>("capabilityFails");
    QTest::addColumn<double>("diagonal");
    QTest::newRow("capability") << false << 33.56;
    QTest::newRow("image information") << true << 33.6;
}

void TestImageReaders::stillImageEvent()
{
    QFETCH(bool, capabilityFails);
    QSignalSpy quality(&adapter(), &DeviceAdapter::imgInfoQualityChanged);
    // Both dials raise the event; each of its capability reads fails.
    if (capabilityFails)
        kvrsim::failNext("ImageInfo_GetCapability", 2);
    kvrsim::turnDial(m_camera, "imgInfoAspect", 2);
    kvrsim::turnDial(m_camera, "imgInfoQuality", 3);
    m_fixture.deliverAndRun();
    kvrsim::clearInjections();
    QTEST(adapter().lvGDraw_diagonal_rotation(), "diagonal");
    QCOMPARE(adapter().aspectRatio(), 2);
    QCOMPARE(adapter().imgInfoQuality(), Utilities::ImgInfoQ_Raw);
    QCOMPARE(quality.count(), 1);
}

void TestImageReaders::movieQualities()
{
    QSignalSpy formats(&adapter(), &DeviceAdapter::motionPictureFormatFlgNumChanged);
    QCOMPARE(adapter().adp_KVR_func_api_Mov_Config_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_Mov_Config_GetCapability(), Utilities::Ternary_True);
    // Announced on every read, changed or not.
    QCOMPARE(formats.count(), 2);
    QCOMPARE(adapter().recMovieCapabilityNum(), 5);

    // A camera that lists no quality still offers the one it records in.
    kvrsim::setOffered(m_camera, "recMovie", {});
    kvrsim::turnDial(m_camera, "recMovie", 40);
    QSignalSpy qualities(&adapter(), &DeviceAdapter::recMovieFlgNumChanged);
    QCOMPARE(adapter().adp_KVR_func_api_Mov_Config_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(qualities.count(), 1);
    QCOMPARE(adapter().recMovie(), 40u);
    QCOMPARE(adapter().recMovieCapabilityNum(), 1);
    QCOMPARE(adapter().recMovieCapability(40), Utilities::Ternary_True);
    QCOMPARE(adapter().recMovieCapability(30), Utilities::Ternary_False);
    QCOMPARE(adapter().recMovieCapability(1056), Utilities::Ternary_False);
}

// The built-in list of the frequency, narrowed to the qualities the camera
// offers, in the list's order.
void TestImageReaders::builtInMovieQualities()
{
    kvrsim::setOffered(m_camera, "recMovie", {373, 999, 371});
    QCOMPARE(adapter().adp_KVR_func_api_Mov_Config_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().adp_KVR_Mov_Config_Get_Quality_Detail_List_From_Built_In_Data(), Utilities::Ternary_True);
    const KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO list =
        DeviceAdapterTestAccess::settingStorage(adapter()).capabilityRecords.movieQualityList;
    QCOMPARE(int(list.count), 2);
    const KVR_STRUCT_MOV_QUALITY_DATA first = list.entries[0];
    QCOMPARE(int(first.quality), 371);
    QCOMPARE(uint(first.frameRate), 0x8000176Au);
    QCOMPARE(int(first.bitRate), 150);
    QCOMPARE(int(first.vfr) + int(first.hlg) + int(first.sq) + int(first.ssd), 0);
    QCOMPARE(int(first.sd) + int(first.cfexpress), 2);
    QCOMPARE(int(list.entries[1].quality), 373);
}

// Adjustment codes: magnitude, step and sign; a code whose step is not the
// largest counts in units of it. Densities come in tenths, unsigned.
void TestImageReaders::sliders_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<Codes>("codes");
    QTest::addColumn<uint>("current");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");
    QTest::newRow("signed unit steps") << "pscContrast" << Codes{0x8002, 0x8001, 0, 1, 2} << 0x8001u << -2 << 2 << 1
                                       << -1;
    QTest::newRow("mixed steps") << "pscShadow" << Codes{0x8201, 0x0000, 0x0101, 0x0202} << 0x0101u << -1 << 2 << 2
                                 << 2;
    QTest::newRow("one value") << "pscSaturation" << Codes{0x0003} << 0x0003u << 3 << 3 << 1 << 3;
    QTest::newRow("density tenths") << "pscDensity" << Codes{10, 5130, 30} << 30u << 1 << 6 << 2 << 6;
}

void TestImageReaders::sliders()
{
    QFETCH(QString, setting);
    QFETCH(Codes, codes);
    QFETCH(uint, current);
    kvrsim::setOffered(m_camera, setting.toStdString(), codes);
    kvrsim::turnDial(m_camera, setting.toStdString(), current);
    QCOMPARE(adapter().adp_KVR_func_api_PhotoStyle_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_PhotoStyle2_GetCapability(), Utilities::Ternary_True);
    // As a slider reaches them: by name.
    const auto limit = [&](const char *suffix) {
        int v = 0;
        QMetaObject::invokeMethod(&adapter(), (setting + suffix).toLatin1().constData(), Q_RETURN_ARG(int, v));
        return v;
    };
    QTEST(limit("Min"), "min");
    QTEST(limit("Max"), "max");
    QTEST(limit("Step"), "step");
    QTEST(adapter().property(setting.toLatin1().constData()).toInt(), "value");
}

void TestImageReaders::photoStyleComponents()
{
    QCOMPARE(adapter().adp_KVR_func_api_PhotoStyle_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_PhotoStyle2_GetCapability(), Utilities::Ternary_True);
    // Fourteen of the first reader, seven of the second: the gain never counts.
    QCOMPARE(adapter().photoStyleCompCapacityNum(), 21);
    QCOMPARE(adapter().photoStyleCompCapability(Utilities::PSC_Gain), Utilities::Ternary_False);
    QVERIFY(adapter().pscLUT2Available());

    QSignalSpy count(&adapter(), &DeviceAdapter::photoStyleCompFlgNumChanged);
    kvrsim::setOffered(m_camera, "pscGrain", {});
    // A camera without a style list still offers its current style.
    kvrsim::setOffered(m_camera, "photoStyle", {});
    kvrsim::turnDial(m_camera, "photoStyle", 3);
    QCOMPARE(adapter().adp_KVR_func_api_PhotoStyle_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(count.count(), 1);
    QCOMPARE(adapter().photoStyleCompCapacityNum(), 20);
    QCOMPARE(adapter().photoStyleCompCapability(Utilities::PSC_Grain), Utilities::Ternary_False);
    QCOMPARE(adapter().photoStyleCapabilityNum(), 1);
    QCOMPARE(adapter().photoStyleCapability(adapter().photoStyle()), Utilities::Ternary_True);
}

void TestImageReaders::afFrame()
{
    QSignalSpy af(&adapter(), &DeviceAdapter::af_magnifyChanged);
    QSignalSpy mf(&adapter(), &DeviceAdapter::mf_magnifyChanged);
    QSignalSpy lv(&adapter(), &DeviceAdapter::lvMag_magnifyChanged);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(adapter().adp_KVR_func_api_RecInfo_AF_Frame_GetCapability(), Utilities::Ternary_True);
    // 5x, in the tenths the interface shows
    QCOMPARE(adapter().af_magnify(), 50);
    QCOMPARE(adapter().mf_magnify(), adapter().af_magnify());
    QCOMPARE(adapter().lvMag_magnify(), adapter().af_magnify());
    QCOMPARE(af.count() + mf.count() + lv.count(), 6);

    QSignalSpy info(&adapter(), &DeviceAdapter::sFrame_infoChanged);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame(), Utilities::Ternary_True);
    QCOMPARE(adapter().sFrame_mag_sizeH(), 100);
    QCOMPARE(info.count(), 1);
    QVERIFY(!adapter().sFrame_info());
}

void TestImageReaders::liveViewQuality()
{
    using Q = Utilities::LiveViewImageQuality;
    QCOMPARE(adapter().lv_image_quality_list_data_display(Q(3)), Utilities::Ternary_False);
    QCOMPARE(adapter().lv_image_quality_list_data_resolution(Q(3)), QString());
    QCOMPARE(adapter().adp_KVR_func_api_LiveView_Str_Get_Recom_Img(), Utilities::Ternary_True);
    QCOMPARE(adapter().imageQualityFlagNum(), 3);
    QCOMPARE(adapter().lv_image_quality_list_data_display(Utilities::LvImgQ_Fine), Utilities::Ternary_True);
    QCOMPARE(adapter().lv_image_quality_list_data_resolution(Utilities::LvImgQ_Low), QStringLiteral("640x480"));

    QSignalSpy chosen(&adapter(), &DeviceAdapter::imgQualityChanged);
    adapter().setProperty("imageQuality", int(Utilities::LvImgQ_Std));
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(adapter().imgQuality(), int(Utilities::LvImgQ_Std));

    // The camera reports another format while no composite shooting runs:
    // the program's choice goes back to it.
    const std::string uuid = kvrsim::uuidOf(m_camera);
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG fine{(1920u << 16) | 1080u, 0, 0};
    QCOMPARE(int(KVR_func_api_LiveView_Str_Set_Trans_Img(fine, uuid.c_str(), nullptr)), 1);
    QCOMPARE(adapter().adp_KVR_func_api_LiveView_Str_Get_Trans_Img(), Utilities::Ternary_True);
    QCOMPARE(adapter().imgQuality(), int(Utilities::LvImgQ_Std));
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG now{};
    QCOMPARE(int(KVR_func_api_LiveView_Str_Get_Trans_Img(&now, uuid.c_str(), nullptr)), 1);
    QCOMPARE(uint(now.size), (1280u << 16) | 720u);
}

// A network camera's stream is compressed by the quality asked for; a USB
// camera gets what it recommends.
void TestImageReaders::networkCompression()
{
    const int lan = test::firstCamera(kvrsim::Connection::Lan);
    QVERIFY(m_fixture.connectNetworkCamera(lan, QStringLiteral("Rozado2026")));
    adapter().deviceSearch()->stopGetConnectInitData();
    const QString network = QString::fromStdString(kvrsim::uuidOf(lan));
    const QString usb = QString::fromStdString(kvrsim::uuidOf(m_camera));
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG format{};
    QVERIFY(adapter().getImgQualityParam(network, Utilities::LvImgQ_Fine, &format));
    QCOMPARE(int(format.compression), 128);
    QVERIFY(adapter().getImgQualityParam(network, Utilities::LvImgQ_Std, &format));
    QCOMPARE(int(format.compression), 64);
    QVERIFY(adapter().getImgQualityParam(usb, Utilities::LvImgQ_Fine, &format));
    QCOMPARE(int(format.compression), 0);
    QCOMPARE(uint(format.size), (1920u << 16) | 1080u);
    QVERIFY(!adapter().getImgQualityParam(usb, Utilities::LiveViewImageQuality(3), &format));
}

QTEST_MAIN(TestImageReaders)
#include "tst_imagereaders.moc"
