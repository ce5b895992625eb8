// The simulated cameras' objects and 6K/4K frames: every format's bytes are
// shaped as the program's readers and independent tools expect, reads are
// checked against the object, and the injected faults happen where asked.
#include "sdktestsupport.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t be(const Bytes &b, size_t at, int width)
{
    uint32_t v = 0;
    for (int i = 0; i < width; ++i)
        v = v << 8 | (at + size_t(i) < b.size() ? b[at + size_t(i)] : 0);
    return v;
}

// A TIFF chain as the readers walk it: per IFD, tag -> (type, count, value
// field as a number).
struct TiffEntry
{
    uint16_t type;
    uint32_t count;
    uint32_t value;
};
struct Tiff
{
    bool big = false;
    uint16_t magic = 0;
    std::vector<std::map<uint16_t, TiffEntry>> ifds;
};

uint32_t num(const Bytes &b, size_t at, int width, bool big)
{
    if (big)
        return be(b, at, width);
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = v << 8 | (at + size_t(i) < b.size() ? b[at + size_t(i)] : 0);
    return v;
}

// Parses the chain at `base`; an offset outside the data or a loop ends it
// with fewer IFDs.
Tiff parseTiff(const Bytes &b, size_t base)
{
    Tiff t;
    if (base + 8 > b.size() || (be(b, base, 2) != 0x4949 && be(b, base, 2) != 0x4D4D))
        return t;
    t.big = b[base] == 'M';
    t.magic = uint16_t(num(b, base + 2, 2, t.big));
    uint32_t offset = num(b, base + 4, 4, t.big);
    while (offset != 0 && base + offset + 2 <= b.size() && t.ifds.size() < 8) {
        const size_t at = base + offset;
        const uint32_t n = num(b, at, 2, t.big);
        if (at + 2 + n * 12 + 4 > b.size())
            break;
        std::map<uint16_t, TiffEntry> ifd;
        for (uint32_t i = 0; i < n; ++i) {
            const size_t e = at + 2 + i * 12;
            const uint16_t type = uint16_t(num(b, e + 2, 2, t.big));
            ifd[uint16_t(num(b, e, 2, t.big))] = {type, num(b, e + 4, 4, t.big),
                                                  num(b, e + 8, type == 3 ? 2 : 4, t.big)};
        }
        t.ifds.push_back(ifd);
        offset = num(b, at + 2 + n * 12, 4, t.big);
    }
    return t;
}

// A JPEG that lies wholly inside the data and decodes.
QSize jpegAt(const Bytes &b, uint64_t offset, uint64_t length)
{
    if (offset + length > b.size() || length < 4 || be(b, size_t(offset), 2) != 0xFFD8)
        return {};
    return QImage::fromData(b.data() + offset, int(length), "JPEG").size();
}

} // namespace

class TestSimObjects : public QObject
{
    Q_OBJECT

    int m_index = -1;
    int m_other = -1;
    std::string m_uuid;
    std::string m_otherUuid;
    QTemporaryDir m_dir;

    Bytes readAll(uint32_t handle, const std::string &uuid)
    {
        uint64_t size = 0;
        if (KVR_func_api_Get_Object_DataSize(handle, &size, uuid.c_str(), nullptr) != 1 || size > (256u << 20))
            return {};
        Bytes b(static_cast<size_t>(size));
        constexpr uint32_t chunk = 7u << 20; // uneven chunks cross every boundary somewhere
        for (uint64_t at = 0; at < size; at += chunk) {
            const uint32_t n = uint32_t(std::min<uint64_t>(chunk, size - at));
            if (KVR_func_api_Get_Partial_ObjectEx(handle, b.data() + at, at, n, uuid.c_str(), nullptr) != 1)
                return {};
        }
        return b;
    }

    std::string nameOf(uint32_t handle)
    {
        KVR_STRUCT_PTP_ARRAY_STRING name{};
        if (KVR_func_api_Get_Object_FileName(handle, &name, m_uuid.c_str(), nullptr) != 1)
            return "<failed>";
        return std::string(name.text, strnlen(name.text, sizeof name.text));
    }

    QString save(const Bytes &b, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)
            || f.write(reinterpret_cast<const char *>(b.data()), qint64(b.size())) != qint64(b.size()))
            return {};
        return path;
    }

private slots:
    void init()
    {
        sdktest::startDefault();
        for (uint32_t event : {KVR_EVENT_OBJECT_ADDED, KVR_EVENT_OBJECT_REQ_TRANSFER, KVR_EVENT_FRAME_DATA,
                               KVR_EVENT_4K6K_READY, KVR_EVENT_4K6K_CUT_STOP})
            QCOMPARE(KVR_func_api_Reg_NotifyCallback(event, &sdktest::onNotify), uint8_t(1));
        m_index = sdktest::cameraByModel("Rozado Sim A1");
        m_other = sdktest::cameraByModel("Rozado Sim B2");
        QVERIFY(m_index >= 0 && m_other >= 0 && m_index % 2 != m_other % 2);
        m_uuid = sdktest::connectUsb(m_index);
        m_otherUuid = sdktest::connectUsb(m_other);
        QVERIFY(!m_uuid.empty() && !m_otherUuid.empty());
    }
    void cleanup() { kvrsim::reset(); }

    // Each format in both byte orders: the structures the readers walk.
    void formatsAreWellFormed_data()
    {
        QTest::addColumn<uint32_t>("format");
        QTest::addColumn<bool>("otherCamera");
        for (bool other : {false, true}) {
            const char *tag = other ? "/second camera" : "";
            QTest::addRow("jpeg%s", tag) << KVR_OBJECT_FORMAT_JPEG << other;
            QTest::addRow("raw%s", tag) << KVR_OBJECT_FORMAT_RAW << other;
            QTest::addRow("hlg%s", tag) << KVR_OBJECT_FORMAT_HLG << other;
            QTest::addRow("heif%s", tag) << KVR_OBJECT_FORMAT_HEIF << other;
        }
        QTest::addRow("mov") << KVR_OBJECT_FORMAT_MOVIE << false;
        QTest::addRow("mp4") << KVR_OBJECT_FORMAT_MOVIE2 << true;
    }
    void formatsAreWellFormed()
    {
        QFETCH(uint32_t, format);
        QFETCH(bool, otherCamera);
        const int index = otherCamera ? m_other : m_index;
        const std::string &uuid = otherCamera ? m_otherUuid : m_uuid;
        const uint32_t handle = kvrsim::addObject(index, format);
        uint32_t got = 0;
        QCOMPARE(KVR_func_api_Get_Object_FormatType(handle, &got, uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(got, format);
        const Bytes b = readAll(handle, uuid);
        QVERIFY(b.size() > 1000);
        QCOMPARE(kvrsim::objectBytes(index, handle, 0, uint32_t(b.size())), b);

        if (format == KVR_OBJECT_FORMAT_JPEG) {
            QCOMPARE(be(b, 0, 4), 0xFFD8FFE1u); // EXIF right after the start, no JFIF first
            QCOMPARE(be(b, 6, 4), 0x45786966u);
            const Tiff t = parseTiff(b, 12);
            QCOMPARE(t.big, otherCamera != (m_index % 2 == 1));
            QCOMPARE(t.magic, uint16_t(42));
            QCOMPARE(int(t.ifds.size()), 2);
            QVERIFY(t.ifds[0].count(274) && t.ifds[0].at(274).value >= 1 && t.ifds[0].at(274).value <= 8);
            const uint32_t thumb = 12 + t.ifds[1].at(513).value, length = t.ifds[1].at(514).value;
            QVERIFY(thumb + length <= 4 + be(b, 4, 2)); // inside the APP1 segment
            QCOMPARE(jpegAt(b, thumb, length), QSize(160, 120));
            QCOMPARE(jpegAt(b, 0, b.size()), QSize(1440, 960));
        } else if (format == KVR_OBJECT_FORMAT_RAW || format == KVR_OBJECT_FORMAT_HLG) {
            const bool raw = format == KVR_OBJECT_FORMAT_RAW;
            const Tiff t = parseTiff(b, 0);
            QCOMPARE(t.magic, uint16_t(raw ? 0x55 : 42));
            QCOMPARE(int(t.ifds.size()), raw ? 1 : 3);
            QVERIFY(t.ifds[0].count(274));
            if (raw) {
                for (uint16_t tag : {46, 295}) {
                    const TiffEntry &e = t.ifds[0].at(tag);
                    QCOMPARE(e.type, uint16_t(7));
                    QVERIFY(jpegAt(b, e.value, e.count).isValid());
                }
            } else {
                QCOMPARE(t.ifds[0].at(259).value, 0xC7E8u);
                const auto &ifd2 = t.ifds[2];
                QCOMPARE(ifd2.at(513).type, uint16_t(4));
                QCOMPARE(jpegAt(b, ifd2.at(513).value, ifd2.at(514).value), QSize(1440, 960));
            }
            QCOMPARE(uint64_t(t.ifds[0].at(273).value) + t.ifds[0].at(279).value, uint64_t(b.size()));
        } else if (format == KVR_OBJECT_FORMAT_HEIF) {
            QCOMPARE(be(b, 4, 4), 0x66747970u); // ftyp
            QCOMPARE(be(b, 8, 4), 0x68656978u); // heix
            size_t at = 0;
            while (at + 8 <= b.size() && be(b, at + 4, 4) != 0x6D646174u) // mdat
                at += be(b, at, 4) > 0 ? be(b, at, 4) : b.size();
            QVERIFY(at + 8 <= b.size());
            QCOMPARE(uint64_t(at) + be(b, at, 4), uint64_t(b.size()));
            const size_t payload = at + 8;
            QVERIFY(b.size() - payload >= 36864);
            QCOMPARE(be(b, payload, 4), 6u);
            QCOMPARE(be(b, payload + 4, 4), 0x45786966u);
            const Tiff t = parseTiff(b, payload + 10);
            QCOMPARE(int(t.ifds.size()), 3);
            for (int i : {1, 2}) { // the preview offsets count from the start of the file
                QVERIFY(jpegAt(b, t.ifds[size_t(i)].at(513).value, t.ifds[size_t(i)].at(514).value).isValid());
                QVERIFY(t.ifds[size_t(i)].at(274).value >= 1);
            }
        } else {
            QCOMPARE(be(b, 4, 4), 0x66747970u); // ftyp
            std::map<uint32_t, size_t> top;
            for (size_t at = 0; at + 8 <= b.size(); at += be(b, at, 4)) {
                top[be(b, at + 4, 4)] = at;
                if (be(b, at, 4) < 8)
                    break;
            }
            QVERIFY(top.count(0x6D6F6F76u)); // moov
            QVERIFY(top.count(0x6D646174u)); // mdat, running to the end
            QCOMPARE(uint64_t(top[0x6D646174u]) + be(b, top[0x6D646174u], 4), uint64_t(b.size()));
        }
    }

    // Reads are checked against the object; nothing is copied on a refusal.
    void readsAtTheBoundaries_data()
    {
        QTest::addColumn<int>("fromEnd"); // offset counted back from the end
        QTest::addColumn<uint32_t>("length");
        QTest::addColumn<bool>("ok");
        QTest::newRow("last byte") << 1 << 1u << true;
        QTest::newRow("nothing at the end") << 0 << 0u << true;
        QTest::newRow("one past the end") << 0 << 1u << false;
        QTest::newRow("across the end") << 1 << 2u << false;
        QTest::newRow("length wraps 32 bits") << 10 << 0xFFFFFFFFu << false;
    }
    void readsAtTheBoundaries()
    {
        QFETCH(int, fromEnd);
        QFETCH(uint32_t, length);
        QFETCH(bool, ok);
        const uint32_t handle = kvrsim::addObject(m_index, KVR_OBJECT_FORMAT_RAW, (30 << 20) + 1);
        uint64_t size = 0;
        QCOMPARE(KVR_func_api_Get_Object_DataSize(handle, &size, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(size, uint64_t((30 << 20) + 1));
        Bytes buffer(16, 0xAB);
        uint32_t err = 0;
        const uint32_t offset = uint32_t(size) - uint32_t(fromEnd);
        const uint8_t r = KVR_func_api_Get_Partial_Object(handle, buffer.data(), offset, length, m_uuid.c_str(), &err);
        QCOMPARE(r, uint8_t(ok ? 1 : 0));
        if (!ok) {
            QCOMPARE(err, KVR_ERR_INVALID_PARAM);
            QCOMPARE(buffer, Bytes(16, 0xAB));
        } else if (length > 0) {
            QCOMPARE(buffer[0], kvrsim::objectBytes(m_index, handle, offset, 1).at(0));
        }
        // A whole read needs room for all of it.
        Bytes small(1024);
        QCOMPARE(KVR_func_api_Get_Object(handle, small.data(), 1024, m_uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_BUFFER_TOO_SMALL);
    }

    // A movie beyond 4 GiB: 64-bit box size and offsets, no memory of its size.
    void movieBeyond4GiB()
    {
        const uint64_t size = (5ull << 30) + 7;
        const uint32_t handle = kvrsim::addObject(m_index, KVR_OBJECT_FORMAT_MOVIE2, int64_t(size));
        uint64_t got = 0;
        QCOMPARE(KVR_func_api_Get_Object_DataSize(handle, &got, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(got, size);
        Bytes head(4096);
        QCOMPARE(KVR_func_api_Get_Partial_ObjectEx(handle, head.data(), 0, 4096, m_uuid.c_str(), nullptr), uint8_t(1));
        size_t mdat = 0;
        while (mdat + 8 < head.size() && be(head, mdat + 4, 4) != 0x6D646174u)
            mdat += be(head, mdat, 4);
        QCOMPARE(be(head, mdat, 4), 1u); // large size follows
        QCOMPARE((uint64_t(be(head, mdat + 8, 4)) << 32 | be(head, mdat + 12, 4)) + mdat, size);
        Bytes tail(64);
        QCOMPARE(KVR_func_api_Get_Partial_ObjectEx(handle, tail.data(), size - 64, 64, m_uuid.c_str(), nullptr),
                 uint8_t(1));
        QCOMPARE(tail, kvrsim::objectBytes(m_index, handle, size - 64, 64));
        QVERIFY(tail != kvrsim::objectBytes(m_index, handle, size - 64 - (1u << 16) + 1, 64));
        QCOMPARE(KVR_func_api_Get_Partial_ObjectEx(handle, tail.data(), size - 63, 64, m_uuid.c_str(), nullptr),
                 uint8_t(0));
        Bytes whole(16);
        QCOMPARE(KVR_func_api_Get_Object(handle, whole.data(), 0xFFFFFFFFu, m_uuid.c_str(), nullptr), uint8_t(0));
    }

    // The files of one shot share a number and a descriptor; a single one
    // has neither; without a card stills take the "CARDLESS" names.
    void shotsAndNames()
    {
        kvrsim::turnDial(m_index, "imgInfoQuality", 4); // RAW+JPEG
        KVR_STRUCT_REC_CTRL release{};
        release.code = KVR_CMD_RELEASE_ONE_SHOT;
        QCOMPARE(KVR_func_api_Rec_Ctrl_Release(&release, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_Rec_Ctrl_Release(&release, m_uuid.c_str(), nullptr), uint8_t(1));
        kvrsim::turnDial(m_index, "imgInfoQuality", 0);
        kvrsim::updateStatus(m_index, [](kvrsim::StatusValues &s) { s.cardCount = 0; });
        kvrsim::addObject(m_index, KVR_OBJECT_FORMAT_HEIF);
        kvrsim::addObject(m_index, KVR_OBJECT_FORMAT_MOVIE2);
        const std::vector<kvrsim::ObjectInfo> objects = kvrsim::objectInfo(m_index);
        QCOMPARE(int(objects.size()), 6);
        QCOMPARE(objects[0].associationDesc, objects[1].associationDesc);
        QVERIFY(objects[0].associationDesc != 0 && objects[2].associationDesc != objects[0].associationDesc);
        QCOMPARE(objects[0].associationType + objects[1].associationType, 1u); // the RAW's only
        const auto orientation = [&](uint32_t handle) {
            const Tiff t = parseTiff(readAll(handle, m_uuid), 12);
            return t.ifds.empty() || !t.ifds[0].count(274) ? 0u : t.ifds[0].at(274).value;
        };
        QVERIFY(orientation(objects[1].handle) != 0);
        QVERIFY(orientation(objects[1].handle) != orientation(objects[3].handle)); // shots vary
        QCOMPARE(nameOf(objects[0].handle).substr(0, 8), nameOf(objects[1].handle).substr(0, 8));
        QVERIFY(nameOf(objects[0].handle) != nameOf(objects[2].handle));
        QCOMPARE(nameOf(objects[4].handle), std::string("CARDLESS.HIF"));
        QCOMPARE(objects[4].associationDesc, 0u);
        QVERIFY(nameOf(objects[5].handle).rfind("CARDLESS", 0) != 0);
        uint32_t desc = 1;
        QCOMPARE(KVR_func_api_Get_Object_AssociatDesc(objects[4].handle, &desc, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(desc, 0u);
        kvrsim::flush();
        QCOMPARE(sdktest::recorder().count(KVR_EVENT_OBJECT_ADDED), 6);
        QCOMPARE(sdktest::recorder().count(KVR_EVENT_OBJECT_REQ_TRANSFER), 5); // stills only
    }

    void hostileNamesAndSizes()
    {
        const std::string longName(300, 'n');
        kvrsim::setNextObjectNames(m_index, {"../x", "/tmp/x", "a/b", longName});
        kvrsim::setObjectSize(m_index, KVR_OBJECT_FORMAT_JPEG, 0, 1);
        kvrsim::setObjectSize(m_index, KVR_OBJECT_FORMAT_JPEG, int64_t(6ull << 30), 1);
        std::vector<uint32_t> handles;
        for (int i = 0; i < 4; ++i)
            handles.push_back(kvrsim::addObject(m_index, KVR_OBJECT_FORMAT_JPEG));
        QCOMPARE(nameOf(handles[0]), std::string("../x"));
        QCOMPARE(nameOf(handles[1]), std::string("/tmp/x"));
        QCOMPARE(nameOf(handles[2]), std::string("a/b"));
        QCOMPARE(nameOf(handles[3]), longName.substr(0, 256));
        uint64_t size = 1;
        QCOMPARE(KVR_func_api_Get_Object_DataSize(handles[0], &size, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(size, uint64_t(0));
        QCOMPARE(KVR_func_api_Get_Object(handles[0], nullptr, 0, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_Get_Object_DataSize(handles[1], &size, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(size, uint64_t(6ull << 30));
        // Unknown handles and missing outputs fail.
        uint32_t format = 0;
        QCOMPARE(KVR_func_api_Get_Object_FormatType(9999, &format, m_uuid.c_str(), nullptr), uint8_t(0));
        QCOMPARE(KVR_func_api_Get_Object_DataSize(handles[1], nullptr, m_uuid.c_str(), nullptr), uint8_t(0));
        QCOMPARE(KVR_func_api_Skip_Object_Transfer(9999, m_uuid.c_str(), nullptr), uint8_t(0));
        QCOMPARE(KVR_func_api_Skip_Object_Transfer(handles[2], m_uuid.c_str(), nullptr), uint8_t(1));
        QVERIFY(kvrsim::objectInfo(m_index)[2].skipped);
    }

    // A read failure at a chosen offset happens once; a camera lost midway
    // fails that read and every later call.
    void injectedReadFaults()
    {
        const uint32_t handle = kvrsim::addObject(m_index, KVR_OBJECT_FORMAT_MOVIE, 3 << 20);
        Bytes buffer(1 << 20);
        uint32_t err = 0;
        kvrsim::failObjectReadAt(m_index, (1 << 20) + 5);
        QCOMPARE(KVR_func_api_Get_Partial_ObjectEx(handle, buffer.data(), 0, 1 << 20, m_uuid.c_str(), &err),
                 uint8_t(1));
        QCOMPARE(KVR_func_api_Get_Partial_ObjectEx(handle, buffer.data(), 1 << 20, 1 << 20, m_uuid.c_str(), &err),
                 uint8_t(0));
        QCOMPARE(err, KVR_ERR_TIMEOUT);
        QCOMPARE(KVR_func_api_Get_Partial_ObjectEx(handle, buffer.data(), 1 << 20, 1 << 20, m_uuid.c_str(), &err),
                 uint8_t(1));
        kvrsim::loseCameraAtOffset(m_index, 2 << 20);
        QCOMPARE(KVR_func_api_Get_Partial_ObjectEx(handle, buffer.data(), 2 << 20, 1 << 20, m_uuid.c_str(), &err),
                 uint8_t(0));
        QCOMPARE(err, KVR_ERR_NO_DEVICE);
        QCOMPARE(KVR_func_api_Get_Partial_ObjectEx(handle, buffer.data(), 0, 16, m_uuid.c_str(), &err), uint8_t(0));
        kvrsim::flush();
        QCOMPARE(sdktest::recorder().count(KVR_EVENT_CAMERA_LOST), 1);
    }

    // 6K/4K: ready with the count, one event per frame with its number, the
    // frames in order under the capacity rule, the end announced once.
    void cutting()
    {
        KVR_STRUCT_REC_CTRL start{};
        start.code = KVR_CMD_4K6K_CUT_START;
        QCOMPARE(KVR_func_api_Rec_Ctrl_4K6K(&start, m_uuid.c_str(), nullptr), uint8_t(0)); // nothing to cut
        kvrsim::offerCut(m_index, 3);
        uint32_t frames = 0;
        QCOMPARE(KVR_func_api_4k6k_Cutting_GetNumOfFrames(&frames, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(frames, 3u);
        QCOMPARE(KVR_func_api_Rec_Ctrl_4K6K(&start, m_uuid.c_str(), nullptr), uint8_t(1));
        kvrsim::flush();
        std::vector<uint32_t> params;
        for (const auto &e : sdktest::recorder().events()) {
            if (e.event == KVR_EVENT_FRAME_DATA)
                params.push_back(e.param);
        }
        QCOMPARE(params, (std::vector<uint32_t>{1, 2, 3}));

        Bytes buffer(KVR_4K6K_FRAME_BUFFER_SIZE);
        uint32_t size = 100, err = 0;
        QCOMPARE(KVR_func_api_4k6k_Cutting_Get_StreamFrame_data(buffer.data(), &size, m_uuid.c_str(), &err),
                 uint8_t(0));
        QCOMPARE(err, KVR_ERR_BUFFER_TOO_SMALL);
        QVERIFY(size > 100);
        QSet<QByteArray> seen;
        for (int i = 0; i < 3; ++i) {
            size = KVR_4K6K_FRAME_BUFFER_SIZE;
            if (i == 1)
                kvrsim::setNextFrameSize(m_index, KVR_4K6K_FRAME_BUFFER_SIZE + 1);
            QCOMPARE(KVR_func_api_4k6k_Cutting_Get_StreamFrame_data(buffer.data(), &size, m_uuid.c_str(), nullptr),
                     uint8_t(1));
            if (i == 1) {
                QCOMPARE(size, KVR_4K6K_FRAME_BUFFER_SIZE + 1);
                continue;
            }
            QCOMPARE(QImage::fromData(buffer.data(), int(size), "JPEG").size(), QSize(960, 540));
            seen.insert(QByteArray(reinterpret_cast<const char *>(buffer.data()), int(size)));
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(KVR_func_api_4k6k_Cutting_Get_StreamFrame_data(buffer.data(), &size, m_uuid.c_str(), &err),
                 uint8_t(0));
        QCOMPARE(err, KVR_ERR_NO_DATA);
        kvrsim::flush();
        QCOMPARE(sdktest::recorder().count(KVR_EVENT_4K6K_CUT_STOP), 1);

        // Stop drops what is left and ends the run.
        kvrsim::offerCut(m_index, 5);
        QCOMPARE(KVR_func_api_Rec_Ctrl_4K6K(&start, m_uuid.c_str(), nullptr), uint8_t(1));
        KVR_STRUCT_REC_CTRL stop{};
        stop.code = KVR_CMD_4K6K_CUT_STOP;
        QCOMPARE(KVR_func_api_Rec_Ctrl_4K6K(&stop, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_4k6k_Cutting_Get_StreamFrame_data(buffer.data(), &size, m_uuid.c_str(), nullptr),
                 uint8_t(0));
        kvrsim::flush();
        QCOMPARE(sdktest::recorder().count(KVR_EVENT_4K6K_CUT_STOP), 2);
    }

    // Independent tools read what the camera wrote, where they are installed.
    void independentTools_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<uint32_t>("format");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("exiftool jpeg") << "exiftool" << KVR_OBJECT_FORMAT_JPEG
                                       << QStringList{"Orientation", "Thumbnail Image", "Image Width"};
        QTest::newRow("exiftool raw") << "exiftool" << KVR_OBJECT_FORMAT_RAW << QStringList{"Orientation"};
        QTest::newRow("exiftool mp4") << "exiftool" << KVR_OBJECT_FORMAT_MOVIE2 << QStringList{"Image Width"};
        QTest::newRow("heif-info") << "heif-info" << KVR_OBJECT_FORMAT_HEIF << QStringList{"image: 64x64", "heix"};
        // Decoding finds the coded picture behind the EXIF block.
        QTest::newRow("heif-convert") << "heif-convert" << KVR_OBJECT_FORMAT_HEIF << QStringList{"Written to"};
    }
    void independentTools()
    {
        QFETCH(QString, tool);
        QFETCH(uint32_t, format);
        QFETCH(QStringList, expected);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP("tool not installed");
        kvrsim::setObjectSize(m_index, KVR_OBJECT_FORMAT_MOVIE2, 2 << 20);
        const uint32_t handle = kvrsim::addObject(m_index, format);
        const QString path = save(readAll(handle, m_uuid), QString::number(format) + ".bin");
        QVERIFY(!path.isEmpty());
        QProcess p;
        p.start(program, tool == "heif-convert" ? QStringList{path, path + ".png"} : QStringList{path});
        QVERIFY(p.waitForFinished(30000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QCOMPARE(p.exitCode(), 0);
        for (const QString &e : expected)
            QVERIFY2(out.contains(e), qPrintable(out));
        QVERIFY2(!out.contains("Warning") && !out.contains("Error"), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestSimObjects)
#include "tst_simobjects.moc"
