// The picture readers: the EXIF orientation of JPEG files, the embedded
// previews of RAW, HLG still and HEIF files, and what they make of broken,
// looping, oversized and randomly changed files.

#include <QtTest>

#include <QTemporaryDir>

#include <vector>

#include "PictureFixtures.h"
#include "transfer/readers/ByteReader.h"
#include "transfer/readers/ExifReader.h"
#include "transfer/readers/HeifReader.h"
#include "transfer/readers/TiffReader.h"

using namespace kavrotether;
using namespace kavrotether::test;

namespace {

enum class Kind { Jpeg, Tiff, Heif };

// The first `length` bytes in a buffer of exactly that size, so that
// AddressSanitizer sees any read beyond it.
std::vector<unsigned char> exact(const QByteArray &bytes, qsizetype length = -1)
{
    const qsizetype n = length < 0 ? bytes.size() : length;
    return std::vector<unsigned char>(bytes.begin(), bytes.begin() + n);
}

void patch32(QByteArray &bytes, qsizetype at, quint32 value, ByteOrder order)
{
    for (int i = 0; i < 4; ++i) {
        const int shift = order == ByteOrder::Big ? 24 - 8 * i : 8 * i;
        bytes[at + i] = char(value >> shift);
    }
}

void patch16(QByteArray &bytes, qsizetype at, quint16 value, ByteOrder order)
{
    bytes[at] = char(order == ByteOrder::Big ? value >> 8 : value);
    bytes[at + 1] = char(order == ByteOrder::Big ? value : value >> 8);
}

// Runs the reader of this kind over the data: true when it found what it
// looks for. Every place it hands out must lie inside the data.
bool readsAll(Kind kind, std::vector<unsigned char> &data, bool &inside)
{
    const auto check = [&](const unsigned char *p, quint64 length) {
        if (p && (p < data.data() || p > data.data() + data.size() || length > quint64(data.data() + data.size() - p)))
            inside = false;
    };
    unsigned char *p = nullptr;
    unsigned int length = 0;
    unsigned short orientation = 0;
    switch (kind) {
    case Kind::Jpeg: {
        ExifHeadReader reader;
        return reader.OpenExif(data.empty() ? nullptr : data.data(), unsigned(data.size())) == 0;
    }
    case Kind::Tiff: {
        TiffReader reader;
        if (reader.OpenMemory(data.data(), data.size()) != 0)
            return false;
        if (reader.GetThumbnail1FromRAW(&p, &length) == 0)
            check(p, length);
        p = nullptr;
        const bool found = reader.GetLargeThumbnail(&p, &length, &orientation) == 0;
        if (found)
            check(p, length);
        return found;
    }
    case Kind::Heif: {
        CHeifReader reader;
        if (!reader.OpenMemory(data.data(), data.size()))
            return false;
        if (reader.GetThumbnail(&p, &length, &orientation, false))
            check(p, length);
        p = nullptr;
        const bool found = reader.GetThumbnail(&p, &length, &orientation, true);
        if (found)
            check(p, length);
        return found;
    }
    }
    return false;
}

QByteArray blob(int size, char fill)
{
    return QByteArray(size, fill);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestReaders : public QObject
{
    Q_OBJECT

private slots:
    void byteReaders();
    void boundedReader();

    void exifOrientation_data();
    void exifOrientation();
    void exifReaderFiles();

    void tiffPreview_data();
    void tiffPreview();
    void tiffReaderFiles();
    void ifdSearch();
    void previewBeforeBrokenParts_data();
    void previewBeforeBrokenParts();
    void fileShortenedAfterOpening();

    void heifPreview_data();
    void heifPreview();
    void heifReaderFiles();

    // Robustness: each broken file is an error, never a read outside it.
    void truncated_data();
    void truncated();
    void hostile_data();
    void hostile();
    void randomMutations_data();
    void randomMutations();
};

void TestReaders::byteReaders()
{
    unsigned char data[] = {0x12, 0x34, 0xFE, 0xFF, 0x80, 0x00, 0x00, 0x01};
    ByteReaderIntel intel;
    ByteReaderMotorola motorola;
    unsigned char *next = nullptr;
    QCOMPARE(intel.ReadWORD(data, &next), quint16(0x3412));
    QCOMPARE(next, data + 2);
    QCOMPARE(motorola.ReadWORD(data), quint16(0x1234));
    QCOMPARE(intel.ReadSHORT(data + 2), qint16(-2));
    QCOMPARE(intel.ReadDWORD(data + 4, &next), quint32(0x01000080));
    QCOMPARE(next, data + 8);
    QCOMPARE(motorola.ReadDWORD(data + 4), quint32(0x80000001));
    QCOMPARE(motorola.ReadLONG(data + 4), qint32(0x80000001));
    QCOMPARE(intel.ReadBYTE(data + 2, &next), (unsigned char)0xFE);
    QCOMPARE(next, data + 3);
    QCOMPARE(ByteReader::endian, 1);
}

void TestReaders::boundedReader()
{
    unsigned char data[] = {0xFF, 0xFE, 0x00, 0x01, 0x02, 0x03, 0x04};
    ByteReader2 big;
    big.SetBuffer(data, sizeof(data), true);
    QCOMPARE(big.Read16s(), qint16(-2));
    QCOMPARE(big.Read32u(), quint32(0x00010203));
    // Three bytes cannot hold a double word and one byte no word: nothing
    // is consumed.
    big.SetBuffer(data + 4, 3, true);
    QCOMPARE(big.Read32u(), quint32(0));
    QCOMPARE(big.GetReadSize(), 0ull);
    QVERIFY(big.Read(4) == nullptr);
    QCOMPARE(big.Read(2), data + 4);
    QCOMPARE(big.Read16u(), quint16(0));
    QCOMPARE(big.Read8u(), quint8(0x04));
    QCOMPARE(big.GetRemainingSize(), 0ull);

    ByteReader2 little;
    little.SetBuffer(data, sizeof(data), false);
    QCOMPARE(little.Read16u(), quint16(0xFEFF));
    QCOMPARE(little.Read8s(), qint8(0));
    QCOMPARE(little.Read32s(), qint32(0x04030201));
    QCOMPARE(little.Read64u(), quint64(0));
    QCOMPARE(little.GetReadSize(), 7ull);
}

void TestReaders::exifOrientation_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("result");
    QTest::addColumn<int>("orientation");

    const QByteArray body = plainJpeg(QSize(8, 8));
    const auto ifd0 = [](ByteOrder order, const QList<TiffField> &fields) {
        return jpegWithExif(tiffBytes(order, 42, {fields}), plainJpeg(QSize(8, 8)));
    };
    QTest::newRow("little-endian 6") << cameraJpeg(ByteOrder::Little, 6) << qint64(0) << 6;
    QTest::newRow("big-endian 6") << cameraJpeg(ByteOrder::Big, 6) << qint64(0) << 6;
    QTest::newRow("big-endian 8") << cameraJpeg(ByteOrder::Big, 8) << qint64(0) << 8;
    QTest::newRow("no orientation") << cameraJpeg(ByteOrder::Little, 0) << qint64(0) << 0;
    QTest::newRow("empty first IFD") << ifd0(ByteOrder::Big, {}) << qint64(0) << 0;
    QTest::newRow("later entry wins") << ifd0(
        ByteOrder::Little, {shortField(ByteOrder::Little, 274, 3), shortField(ByteOrder::Little, 274, 8)})
                                      << qint64(0) << 8;
    // Two SHORTs are 4 bytes and stay inline; three lie at an offset.
    QTest::newRow("inline pair") << ifd0(ByteOrder::Big, {{274, 3, 2, QByteArray("\0\5\0\7", 4)}}) << qint64(0) << 5;
    QTest::newRow("value at an offset") << ifd0(ByteOrder::Big, {{274, 3, 3, QByteArray("\0\4\0\1\0\1", 6)}})
                                        << qint64(0) << 4;
    // An entry of a type the reader does not know is passed over.
    QTest::newRow("unknown type before the orientation")
        << ifd0(ByteOrder::Big, {{700, 200, 1, QByteArray(4, '\0')}, shortField(ByteOrder::Big, 274, 6)}) << qint64(0)
        << 6;
    QTest::newRow("orientation of an unknown type")
        << ifd0(ByteOrder::Big, {{274, 200, 1, QByteArray("\0\6\0\0", 4)}}) << qint64(0) << 0;
    QTest::newRow("no EXIF block") << body << qint64(-1) << 0;
    const QByteArray app0 = body.mid(2, 2 + ((uchar(body[4]) << 8) | uchar(body[5])));
    QTest::newRow("APP1 after APP0") << body.left(2) + app0 + cameraJpeg(ByteOrder::Little, 6).mid(2) << qint64(-1)
                                     << 0;
    QByteArray wrongId = cameraJpeg(ByteOrder::Little, 6);
    wrongId[9] = 'X';
    QTest::newRow("identifier not Exif") << wrongId << qint64(-1) << 0;
    QByteArray wrongOrder = cameraJpeg(ByteOrder::Little, 6);
    wrongOrder[12] = 'X';
    QTest::newRow("unknown byte order") << wrongOrder << qint64(-1) << 0;
    QByteArray wrongMagic = cameraJpeg(ByteOrder::Big, 6);
    wrongMagic[15] = 43;
    QTest::newRow("magic not 42") << wrongMagic << qint64(-1) << 0;
    QByteArray longSegment = cameraJpeg(ByteOrder::Big, 6);
    longSegment[4] = char(0xFF);
    QTest::newRow("segment longer than the file") << longSegment << qint64(-1) << 0;
    QTest::newRow("five bytes") << QByteArray("\xFF\xD8\xFF\xE1\x00", 5) << qint64(-3) << 0;
}

void TestReaders::exifOrientation()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, result);
    QFETCH(int, orientation);

    std::vector<unsigned char> data = exact(bytes);
    ExifHeadReader reader;
    QCOMPARE(reader.OpenExif(data.data(), unsigned(data.size())), result);
    ExifInfo info;
    QCOMPARE(reader.GetExifInfo(&info), qint64(0));
    QCOMPARE(int(info.orientation), orientation);
}

void TestReaders::exifReaderFiles()
{
    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("a.jpg"));
    const QString plain = dir.filePath(QStringLiteral("b.jpg"));
    QVERIFY(writeFile(jpeg, cameraJpeg(ByteOrder::Big, 6)));
    QVERIFY(writeFile(plain, plainJpeg(QSize(8, 8))));

    ExifReader reader;
    ExifInfo info;
    QCOMPARE(reader.OpenFile(jpeg), qint64(0));
    reader.GetExifInfo(&info);
    QCOMPARE(int(info.orientation), 6);
    QCOMPARE(reader.CloseFile(), qint64(0));

    // A failed read leaves what was read before.
    QCOMPARE(reader.OpenFile(plain), qint64(-1));
    reader.GetExifInfo(&info);
    QCOMPARE(int(info.orientation), 6);
    QCOMPARE(ExifReader().OpenFile(dir.filePath(QStringLiteral("missing.jpg"))), qint64(-2));
}

void TestReaders::tiffPreview_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("kind");
    QTest::addColumn<qint64>("result");
    QTest::addColumn<QByteArray>("preview");
    QTest::addColumn<int>("orientation");

    const QByteArray small = blob(40, 's');
    const QByteArray large = blob(300, 'L');
    const QByteArray jpeg = plainJpeg(QSize(32, 24));
    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const char *o = order == ByteOrder::Big ? "MM" : "II";
        QTest::addRow("%s RAW prefers tag 295", o) << rawFile(order, small, large, 6) << 1u << qint64(0) << large << 6;
        QTest::addRow("%s RAW empty 295 falls back to 46", o)
            << rawFile(order, small, QByteArray(), 8) << 1u << qint64(0) << small << 8;
        QTest::addRow("%s RAW with 46 only", o)
            << rawFile(order, small, std::nullopt, 3) << 1u << qint64(0) << small << 3;
        QTest::addRow("%s HLG still", o) << hlgFile(order, jpeg, 8) << 2u << qint64(0) << jpeg << 8;
    }
    QTest::newRow("RAW with an empty 46 only")
        << rawFile(ByteOrder::Little, QByteArray(), std::nullopt) << 1u << qint64(0) << QByteArray() << 1;
    QTest::newRow("RAW without previews")
        << rawFile(ByteOrder::Little, std::nullopt, std::nullopt) << 1u << qint64(-1) << QByteArray() << 0;
    const QList<TiffField> noOrientation = {longField(ByteOrder::Big, 256, 1), undefinedField(295, large)};
    QTest::newRow("RAW without orientation")
        << tiffBytes(ByteOrder::Big, 0x55, {noOrientation}) << 1u << qint64(0) << large << 1;
    QTest::newRow("RAW preview not UNDEFINED")
        << tiffBytes(ByteOrder::Big, 0x55, {{{295, 1, 300, large}}}) << 1u << qint64(-1) << QByteArray() << 0;
    QTest::newRow("HLG with two IFDs") << hlgFile(ByteOrder::Little, jpeg, 6, {2}) << 2u << qint64(-1) << QByteArray()
                                       << 0;
    QTest::newRow("HLG offset as SHORT") << hlgFile(ByteOrder::Big, jpeg, 6, {3, 3}) << 2u << qint64(-1) << QByteArray()
                                         << 0;
    QTest::newRow("TIFF not compressed as HLG")
        << hlgFile(ByteOrder::Little, jpeg, 6, {3, 4, 1}) << 0u << qint64(-1) << QByteArray() << 0;
    QTest::newRow("HLG preview beyond the file")
        << hlgFile(ByteOrder::Big, jpeg, 6, {3, 4, 0xC7E8, 1}) << 2u << qint64(-1) << QByteArray() << 0;
    QTest::newRow("HLG preview length wrapping 32 bits")
        << hlgFile(ByteOrder::Little, jpeg, 6, {3, 4, 0xC7E8, 0xFFFFFF00u - quint32(jpeg.size())}) << 2u << qint64(-1)
        << QByteArray() << 0;
}

void TestReaders::tiffPreview()
{
    QFETCH(QByteArray, bytes);
    QFETCH(uint, kind);
    QFETCH(qint64, result);
    QFETCH(QByteArray, preview);
    QFETCH(int, orientation);

    std::vector<unsigned char> data = exact(bytes);
    TiffReader reader;
    QCOMPARE(reader.OpenMemory(data.data(), data.size()), qint64(0));
    QCOMPARE(reader.GuessFileType(), kind);
    unsigned char *p = nullptr;
    unsigned int length = 0;
    unsigned short orient = 0;
    QCOMPARE(reader.GetLargeThumbnail(&p, &length, &orient), result);
    QCOMPARE(int(orient), orientation);
    if (result == 0)
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(p), length), preview);
}

void TestReaders::tiffReaderFiles()
{
    QTemporaryDir dir;
    const QByteArray large = blob(300, 'L');
    const QString raw = dir.filePath(QStringLiteral("a.rw2"));
    const QString shortFile = dir.filePath(QStringLiteral("b.rw2"));
    const QString strange = dir.filePath(QStringLiteral("c.rw2"));
    QVERIFY(writeFile(raw, rawFile(ByteOrder::Big, blob(20, 's'), large, 6)));
    QVERIFY(writeFile(shortFile, QByteArray("MM\0\x55", 4)));
    QVERIFY(writeFile(strange, QByteArray("MM\0\x2B\0\0\0\0", 8)));

    TiffReader reader;
    unsigned char *p = nullptr;
    unsigned int length = 0;
    QCOMPARE(reader.OpenFile(raw), qint64(0));
    QCOMPARE(reader.GetThumbnail2FromRAW(&p, &length), qint64(0));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p), length), large);
    QCOMPARE(reader.GetThumbnail1FromRAW(&p, &length), qint64(0));
    QCOMPARE(length, 20u);
    QCOMPARE(reader.GetThumbnail1FromRAW(nullptr, &length), qint64(-3));
    unsigned short orientation = 0;
    QCOMPARE(reader.GetLargeThumbnailFromRAW(&p, &length, nullptr), qint64(-3));
    QCOMPARE(reader.CloseFile(), qint64(0));
    QCOMPARE(reader.GuessFileType(), 0u);
    QCOMPARE(reader.GetLargeThumbnail(&p, &length, &orientation), qint64(-1));

    QCOMPARE(TiffReader().OpenFile(dir.filePath(QStringLiteral("missing.rw2"))), qint64(-2));
    QCOMPARE(TiffReader().OpenFile(shortFile), qint64(-3));
    QCOMPARE(TiffReader().OpenFile(strange), qint64(-3));
}

void TestReaders::ifdSearch()
{
    const ByteOrder order = ByteOrder::Little;
    const QByteArray bytes = tiffBytes(order, 42,
                                       {{shortField(order, 274, 6), shortField(order, 259, 1)},
                                        {longField(order, 254, 1)},
                                        {shortField(order, 274, 3), shortField(order, 274, 8)}});
    std::vector<unsigned char> data = exact(bytes);
    TiffHeadReader head;
    QCOMPARE(head.Open(data.data(), unsigned(data.size())), qint64(0));
    QCOMPARE(head.ifdList().ifds.size(), size_t(3));

    std::vector<_IFDEntry> found;
    QCOMPARE(head.ifdList().Search(-1, 274, &found), 2L);
    QCOMPARE(found.size(), size_t(2));
    QCOMPARE(found[0].shortAt(0), quint16(6));
    QCOMPARE(found[1].ifdIndex, 2u);
    QCOMPARE(found[1].shortAt(0), quint16(3));
    // Not cleared first: the next search appends.
    QCOMPARE(head.ifdList().Search(1, 274, &found), 0L);
    QCOMPARE(head.ifdList().Search(0, 259, &found), 1L);
    QCOMPARE(found.size(), size_t(3));
    QCOMPARE(head.ifdList().Search(7, 259, &found), 0L);
    QCOMPARE(head.ifdList().Search(-1, 274, nullptr), -3L);
}

void TestReaders::heifPreview_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("orientation");

    const QByteArray first = blob(100, '1');
    const QByteArray second = blob(700, '2');
    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const char *o = order == ByteOrder::Big ? "MM" : "II";
        QTest::addRow("%s camera file", o) << heifFile(order, first, second, 8) << true << 8;
        QTest::addRow("%s 64-bit media data size", o) << heifFile(order, first, second, 6, {"heix", true}) << true << 6;
    }
    QTest::newRow("TIFF header at the media data")
        << heifFile(ByteOrder::Big, first, second, 3, {"heix", false, 3, false}) << true << 3;
    QTest::newRow("other brand") << heifFile(ByteOrder::Little, first, second, 1, {"mif1"}) << false << 0;
    QTest::newRow("two IFDs") << heifFile(ByteOrder::Little, first, second, 1, {"heix", false, 2}) << false << 0;
    const QByteArray whole = heifFile(ByteOrder::Big, QByteArray(), QByteArray(), 1);
    QTest::newRow("short media data") << whole.left(whole.size() - 11) << false << 0;
    QTest::newRow("no media data") << whole.left(60) << false << 0;
}

void TestReaders::heifPreview()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QFETCH(int, orientation);

    std::vector<unsigned char> data = exact(bytes);
    CHeifReader reader;
    QCOMPARE(reader.OpenMemory(data.data(), data.size()), opens);
    QCOMPARE(reader.IsOpened(), opens);
    unsigned char *p = nullptr;
    unsigned int length = 0;
    unsigned short orient = 0;
    QCOMPARE(reader.GetThumbnail(&p, &length, &orient, true), opens);
    if (!opens)
        return;
    QCOMPARE(int(orient), orientation);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p), length), blob(700, '2'));
    QCOMPARE(reader.GetThumbnailSize(false), 100u);
    QVERIFY(reader.GetThumbnail(&p, &length, nullptr, false));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p), length), blob(100, '1'));
    QVERIFY(!reader.OpenMemory(data.data(), data.size()));
}

void TestReaders::heifReaderFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.hif"));
    const QString copy = dir.filePath(QStringLiteral("copy.jpg"));
    const QByteArray second = blob(301, '2');
    QVERIFY(writeFile(path, heifFile(ByteOrder::Big, blob(100, '1'), second, 8)));

    CHeifReader reader;
    QVERIFY(reader.Open(path));
    QVERIFY(!reader.Open(path));
    unsigned char buffer[400];
    unsigned short orientation = 0;
    QVERIFY(!reader.GetThumbnail(buffer, 300u, &orientation, true));
    QCOMPARE(orientation, quint16(0));
    QVERIFY(reader.GetThumbnail(buffer, sizeof(buffer), &orientation, true));
    QCOMPARE(orientation, quint16(8));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), second.size()), second);
    QVERIFY(reader.GetThumbnail(copy.toStdString(), nullptr, true));
    QFile written(copy);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), second);
    QCOMPARE(reader.SeekAndRead(reader.GetFileSize() - 10, buffer, 100), 10ull);
    QCOMPARE(reader.SeekAndRead(reader.GetFileSize() + 1, buffer, 100), 0ull);
    reader.Close();
    QVERIFY(!reader.IsOpened());
    QCOMPARE(reader.GetFileSize(), 0ull);
    unsigned char *p = nullptr;
    QVERIFY(!reader.GetThumbnail(&p, nullptr, nullptr, true));

    QVERIFY(!CHeifReader().Open(dir.filePath(QStringLiteral("missing.hif"))));
    QVERIFY(writeFile(path, QByteArray(31, 'x')));
    QVERIFY(!CHeifReader().Open(path));
}

void TestReaders::truncated_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("intactFrom");

    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const char *o = order == ByteOrder::Big ? "MM" : "II";
        const QByteArray jpeg = cameraJpeg(order, 6);
        // Only the EXIF block is read: a JPEG cut after it still answers.
        QTest::addRow("%s JPEG", o) << Kind::Jpeg << jpeg << 4 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5]));
        const QByteArray raw = rawFile(order, blob(40, 's'), blob(200, 'L'), 6);
        QTest::addRow("%s RAW", o) << Kind::Tiff << raw << int(raw.size());
        const QByteArray hlg = hlgFile(order, blob(200, 'J'), 6);
        QTest::addRow("%s HLG", o) << Kind::Tiff << hlg << int(hlg.size());
        const QByteArray heif = heifFile(order, blob(50, '1'), blob(60, '2'), 6);
        QTest::addRow("%s HEIF", o) << Kind::Heif << heif << int(heif.size());
    }
}

void TestReaders::truncated()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, intactFrom);

    for (int length = 0; length <= bytes.size(); ++length) {
        std::vector<unsigned char> data = exact(bytes, length);
        bool inside = true;
        const bool found = readsAll(kind, data, inside);
        if (found != (length >= intactFrom) || !inside)
            QFAIL(qPrintable(QStringLiteral("cut at %1 of %2: found %3, inside %4")
                                 .arg(length)
                                 .arg(bytes.size())
                                 .arg(found)
                                 .arg(inside)));
    }
}

void TestReaders::hostile_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("bytes");

    const ByteOrder ii = ByteOrder::Little;
    const ByteOrder mm = ByteOrder::Big;
    const QList<TiffField> plain = {shortField(ii, 274, 6), undefinedField(295, blob(64, 'L'))};
    const TiffPlaces places = tiffPlaces({plain});
    const auto raw = [&](const QList<TiffField> &fields) { return tiffBytes(ii, 0x55, {plain + fields}); };

    QByteArray farIfd = tiffBytes(ii, 0x55, {plain});
    patch32(farIfd, 4, 0xFFFFFFF0u, ii);
    QTest::newRow("first IFD beyond the file") << Kind::Tiff << farIfd;
    QByteArray manyEntries = tiffBytes(ii, 0x55, {plain});
    patch16(manyEntries, places.ifds[0], 0xFFFF, ii);
    QTest::newRow("entry count beyond the file") << Kind::Tiff << manyEntries;
    QTest::newRow("LONG count overflowing 32 bits")
        << Kind::Tiff << raw({{700, 4, 0x40000001u, QByteArray("\x08\0\0\0", 4)}});
    QTest::newRow("SHORT count of 4 G") << Kind::Tiff << raw({{700, 3, 0xFFFFFFFFu, QByteArray("\x08\0\0\0", 4)}});
    QTest::newRow("value beyond the file") << Kind::Tiff << raw({{700, 7, 100, QByteArray("\0\xFF\xFF\xFF", 4)}});
    QTest::newRow("HLG preview beyond the file") << Kind::Tiff << hlgFile(mm, blob(80, 'J'), 1, {3, 4, 0xC7E8, 1});

    const auto jpeg = [](const QList<TiffField> &fields) {
        return jpegWithExif(tiffBytes(mm, 42, {fields}), plainJpeg(QSize(8, 8)));
    };
    QTest::newRow("JPEG orientation count overflowing 32 bits")
        << Kind::Jpeg << jpeg({{274, 3, 0x80000001u, QByteArray("\0\6\0\0", 4)}});
    QTest::newRow("JPEG orientation beyond the block")
        << Kind::Jpeg << jpeg({{274, 3, 4, QByteArray("\0\0\xFF\0", 4)}});
    QByteArray farExifIfd = jpeg({shortField(mm, 274, 6)});
    patch32(farExifIfd, 12 + 4, 0x7FFFFFFF, mm);
    QTest::newRow("JPEG IFD beyond the block") << Kind::Jpeg << farExifIfd;
    QByteArray manyExifEntries = jpeg({shortField(mm, 274, 6)});
    patch16(manyExifEntries, 12 + 8, 0x1000, mm);
    QTest::newRow("JPEG entries beyond the block") << Kind::Jpeg << manyExifEntries;

    const QByteArray heif = heifFile(mm, blob(50, '1'), blob(60, '2'), 6);
    // ftyp (24 bytes), free (28), then the media data header.
    const int mdatAt = 24 + 28;
    const int tiffAt = mdatAt + 8 + 10;
    QByteArray zeroBox = heif;
    patch32(zeroBox, 24, 0, mm);
    QTest::newRow("HEIF box of size 0") << Kind::Heif << zeroBox;
    QByteArray tinyBox = heif;
    patch32(tinyBox, 24, 4, mm);
    QTest::newRow("HEIF box smaller than its header") << Kind::Heif << tinyBox;
    QByteArray hugeBox = heif;
    patch32(hugeBox, 24, 0xFFFFFFF0u, mm);
    QTest::newRow("HEIF box beyond the file") << Kind::Heif << hugeBox;
    QByteArray farExif = heif;
    patch32(farExif, mdatAt + 8, 0x7FFFFFF0, mm);
    QTest::newRow("HEIF EXIF offset beyond the file") << Kind::Heif << farExif;
    QByteArray nearEnd = heif;
    patch32(nearEnd, mdatAt + 8, quint32(heif.size() - (mdatAt + 8) - 4 - 6), mm);
    QTest::newRow("HEIF EXIF header at the end of the file") << Kind::Heif << nearEnd;
    const QList<QList<TiffField>> heifIfds = {
        {asciiField(271, "KAVRO"), shortField(mm, 274, 6)},
        {shortField(mm, 259, 6), longField(mm, 513, 0), longField(mm, 514, 0), shortField(mm, 274, 6)}};
    const TiffPlaces heifPlaces = tiffPlaces(heifIfds);
    QByteArray backwards = heif;
    patch32(backwards, tiffAt + heifPlaces.ifds[1] + 2 + 12 * 4, heifPlaces.ifds[0], mm);
    QTest::newRow("HEIF IFD2 behind IFD1") << Kind::Heif << backwards;
    QByteArray farIfd1 = heif;
    patch32(farIfd1, tiffAt + heifPlaces.ifds[0] + 2 + 12 * 2, 0x9000, mm);
    QTest::newRow("HEIF IFD beyond the window") << Kind::Heif << farIfd1;
    QTest::newRow("HEIF preview beyond the file")
        << Kind::Heif << heifFile(ii, blob(50, '1'), blob(60, '2'), 6, {"heix", false, 3, true, 1});
    QTest::newRow("HEIF preview length wrapping 32 bits")
        << Kind::Heif << heifFile(ii, blob(50, '1'), blob(60, '2'), 6, {"heix", false, 3, true, 0xFFFFFF00u});
}

void TestReaders::previewBeforeBrokenParts_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const ByteOrder ii = ByteOrder::Little;
    const QList<TiffField> plain = {shortField(ii, 274, 6), undefinedField(295, blob(64, 'L'))};
    const TiffPlaces places = tiffPlaces({plain, plain});
    const auto nextOf = [&](int ifd) { return places.ifds[ifd] + 2 + 12 * quint32(plain.size()); };
    const auto raw = [&](const QList<TiffField> &fields) { return tiffBytes(ii, 0x55, {fields + plain}); };

    QTest::newRow("type code 13") << raw({{700, 13, 1, QByteArray(4, '\0')}});
    QTest::newRow("type code 0xFFFF") << raw({{700, 0xFFFF, 1, QByteArray(4, '\0')}});
    QByteArray farNext = tiffBytes(ii, 0x55, {plain});
    patch32(farNext, nextOf(0), 0xFFFFFFF0u, ii);
    QTest::newRow("next IFD beyond the file") << farNext;
    QByteArray brokenSecond = tiffBytes(ii, 0x55, {plain, plain});
    patch16(brokenSecond, places.ifds[1], 0xFFFF, ii);
    QTest::newRow("second IFD beyond the file") << brokenSecond;
    QByteArray selfLoop = tiffBytes(ii, 0x55, {plain});
    patch32(selfLoop, nextOf(0), places.ifds[0], ii);
    QTest::newRow("IFD pointing at itself") << selfLoop;
    QByteArray twoLoop = tiffBytes(ii, 0x55, {plain, plain});
    patch32(twoLoop, nextOf(1), places.ifds[0], ii);
    QTest::newRow("two IFDs pointing at each other") << twoLoop;
    // A usable first IFD followed by a hundred empty ones.
    QByteArray longChain = tiffBytes(ii, 0x55, {plain});
    const auto chainAt = quint32(longChain.size());
    longChain += QByteArray(100 * 6, '\0');
    patch32(longChain, nextOf(0), chainAt, ii);
    for (quint32 i = 0; i < 99; ++i)
        patch32(longChain, chainAt + 6 * i + 2, chainAt + 6 * (i + 1), ii);
    QTest::newRow("chain of 100 empty IFDs") << longChain;
}

void TestReaders::previewBeforeBrokenParts()
{
    QFETCH(QByteArray, bytes);

    std::vector<unsigned char> data = exact(bytes);
    TiffReader reader;
    QCOMPARE(reader.OpenMemory(data.data(), data.size()), qint64(0));
    unsigned char *p = nullptr;
    unsigned int length = 0;
    unsigned short orientation = 0;
    QCOMPARE(reader.GetLargeThumbnail(&p, &length, &orientation), qint64(0));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p), length), blob(64, 'L'));
    QCOMPARE(int(orientation), 6);
}

void TestReaders::fileShortenedAfterOpening()
{
    QTemporaryDir dir;
    const QString raw = dir.filePath(QStringLiteral("a.rw2"));
    const QString heif = dir.filePath(QStringLiteral("a.hif"));
    // Previews past the first pages, which another program cuts off.
    const QByteArray large = blob(64 * 1024, 'L');
    QVERIFY(writeFile(raw, rawFile(ByteOrder::Big, blob(20, 's'), large, 6)));
    QVERIFY(writeFile(heif, heifFile(ByteOrder::Big, blob(100, '1'), large, 8)));

    TiffReader tiff;
    QCOMPARE(tiff.OpenFile(raw), qint64(0));
    CHeifReader heifReader;
    QVERIFY(heifReader.Open(heif));
    QVERIFY(QFile::resize(raw, 0) && QFile::resize(heif, 0));

    unsigned char *p = nullptr;
    unsigned int length = 0;
    unsigned short orientation = 0;
    QCOMPARE(tiff.GetLargeThumbnail(&p, &length, &orientation), qint64(0));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p), length), large);
    QVERIFY(heifReader.GetThumbnail(&p, &length, &orientation, true));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p), length), large);
    // Opened now, the shortened files are errors.
    QCOMPARE(TiffReader().OpenFile(raw), qint64(-2));
    QVERIFY(!CHeifReader().Open(heif));
}

void TestReaders::hostile()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, bytes);

    std::vector<unsigned char> data = exact(bytes);
    bool inside = true;
    QVERIFY(!readsAll(kind, data, inside));
    QVERIFY(inside);
}

void TestReaders::randomMutations_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("span");

    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const char *o = order == ByteOrder::Big ? "MM" : "II";
        const QByteArray jpeg = cameraJpeg(order, 6);
        QTest::addRow("%s JPEG", o) << Kind::Jpeg << jpeg << 4 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5]));
        QTest::addRow("%s RAW", o) << Kind::Tiff << rawFile(order, blob(40, 's'), blob(200, 'L'), 6) << -1;
        QTest::addRow("%s HLG", o) << Kind::Tiff << hlgFile(order, blob(200, 'J'), 6) << -1;
        // The structure of a HEIF file lies in its first few hundred bytes.
        QTest::addRow("%s HEIF", o) << Kind::Heif << heifFile(order, blob(50, '1'), blob(60, '2'), 6) << 400;
    }
}

void TestReaders::randomMutations()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, span);

    for (quint32 seed = 1; seed <= 3000; ++seed) {
        std::vector<unsigned char> data = exact(mutated(bytes, seed, 1 + int(seed % 8), span));
        bool inside = true;
        readsAll(kind, data, inside);
        if (!inside)
            QFAIL(qPrintable(QStringLiteral("seed %1 handed out a place outside the file").arg(seed)));
    }
}

QTEST_GUILESS_MAIN(TestReaders)
#include "tst_readers.moc"
