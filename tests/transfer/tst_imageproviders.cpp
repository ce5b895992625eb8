// The image providers: the histogram bars, the preview with its orientation
// and scale chain, the overlay photo and the icons recoloured by luma and by
// lightness.

#include <QtTest>

#include <QTemporaryDir>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "Kvrptpif.h"
#include "PictureFixtures.h"
#include "core/ApplicationData.h"
#include "transfer/ImageProviders.h"
#include "transfer/PreviewImageInfo.h"

using namespace kavrotether;
using namespace kavrotether::test;

namespace {

QColor pixelAt(const QPixmap &pixmap, int x, int y)
{
    return pixmap.toImage().pixelColor(x, y);
}

// The pixel as a pixmap holds it: premultiplied, so a translucent colour
// compares at the precision a pixmap keeps.
QRgb asShown(QRgb pixel)
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, pixel);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied).pixel(0, 0);
}

QRgb shownPixel(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied).pixel(0, 0);
}

// A one-pixel icon of this colour (alpha kept), written as PNG.
QString iconFile(const QTemporaryDir &dir, QRgb pixel)
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, pixel);
    const QString path = dir.filePath(QStringLiteral("icon_%1.png").arg(pixel, 8, 16, QLatin1Char('0')));
    image.save(path, "PNG");
    return path;
}

} // namespace

class TestImageProviders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    // The histogram provider keeps its state for the whole program: this
    // case must make its first request.
    void histogramFirstRequest();
    void histogramBars_data();
    void histogramBars();

    void previewInfoAnnouncesEveryValue();
    void decodeSize_data();
    void decodeSize();
    void preview_data();
    void preview();
    void previewOfALargePicture();

    void overlay_data();
    void overlay();

    void luma_data();
    void luma();
    void lightness_data();
    void lightness();
    void iconPaths();

private:
    IsolatedSettings m_settings;
    AdapterFixture m_fixture;
    PreviewImageInfo m_info;
    QTemporaryDir m_dir;
};

void TestImageProviders::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_fixture.start());
    ApplicationData::setPreviewImageInfo(&m_info);
}

void TestImageProviders::cleanupTestCase()
{
    ApplicationData::setPreviewImageInfo(nullptr);
    m_fixture.stop();
}

void TestImageProviders::histogramFirstRequest()
{
    HistgramImageProvider provider;
    QSize size;
    const QPixmap first = provider.requestPixmap(QStringLiteral("black"), &size, QSize(0, 0));
    QCOMPARE(size, QSize(192, 130));
    QCOMPARE(first.size(), QSize(192, 130));
    QCOMPARE(pixelAt(first, 0, 0).alpha(), 0);
    QCOMPARE(pixelAt(first, 191, 129).alpha(), 0);

    // From now on it draws: no camera sends a histogram here, so all black,
    // and the size is no longer reported.
    size = QSize();
    const QPixmap next = provider.requestPixmap(QStringLiteral("1"), &size, QSize(0, 0));
    QCOMPARE(size, QSize());
    QCOMPARE(pixelAt(next, 0, 129), QColor(Qt::black));
    QCOMPARE(pixelAt(next, 191, 0), QColor(Qt::black));
}

void TestImageProviders::histogramBars_data()
{
    QTest::addColumn<uint>("selector");
    QTest::addColumn<uint>("count");
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<QList<int>>("coloured"); // columns coloured at the bottom row
    QTest::addColumn<QList<int>>("black");    // columns left black there
    QTest::addColumn<int>("top");             // first coloured row of column 0, -1: none

    const QByteArray full(64, char(255));
    QTest::newRow("64 values side by side")
        << 0u << 64u << full << QList<int>{0, 2, 3, 95, 189, 191} << QList<int>{} << 0;
    QTest::newRow("50 values leave gaps")
        << 0u << 50u << full << QList<int>{0, 2, 3, 5, 7, 9, 11, 188, 190} << QList<int>{6, 10, 14, 191} << 0;
    QTest::newRow("count above 64 reads 64") << 1u << 1000u << full << QList<int>{0, 191} << QList<int>{} << 0;
    QByteArray half(64, '\0');
    half[0] = char(128);
    QTest::newRow("one value of 128") << 0u << 1u << half << QList<int>{0, 191} << QList<int>{} << 65;
    QByteArray one(64, '\0');
    one[0] = 1;
    QTest::newRow("value 1 draws nothing") << 0u << 1u << one << QList<int>{} << QList<int>{0, 191} << -1;
    QTest::newRow("no values") << 0u << 0u << full << QList<int>{} << QList<int>{0, 100, 191} << -1;
}

void TestImageProviders::histogramBars()
{
    QFETCH(uint, selector);
    QFETCH(uint, count);
    QFETCH(QByteArray, values);
    QFETCH(QList<int>, coloured);
    QFETCH(QList<int>, black);
    QFETCH(int, top);

    KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM record{};
    record.color = selector;
    record.count = count;
    std::copy(values.begin(), values.end(), record.values);
    QPixmap pixmap(192, 130);
    pixmap.fill(Qt::transparent);
    HistgramImageProvider::drawHistogram(pixmap, record);

    const QImage image = pixmap.toImage();
    const QColor colour = selector == 0 ? QColor(255, 255, 255) : QColor(255, 200, 0);
    for (int x : coloured)
        QCOMPARE(image.pixelColor(x, 129), colour);
    for (int x : black)
        QCOMPARE(image.pixelColor(x, 129), QColor(Qt::black));
    if (top >= 0) {
        QCOMPARE(image.pixelColor(0, top), colour);
        if (top > 0)
            QCOMPARE(image.pixelColor(0, top - 1), QColor(Qt::black));
    }
}

void TestImageProviders::previewInfoAnnouncesEveryValue()
{
    PreviewImageInfo info;
    QCOMPARE(info.orientation(), 0);
    QCOMPARE(info.scale(), 1.0);
    QSignalSpy orientation(&info, &PreviewImageInfo::orientationChanged);
    QSignalSpy scale(&info, &PreviewImageInfo::scaleChanged);
    info.setOrientation(PreviewImageInfo::ExifOrient_R90);
    info.setOrientation(PreviewImageInfo::ExifOrient_R90);
    info.setScale(0.5);
    info.setScale(0.5);
    QCOMPARE(orientation.count(), 2);
    QCOMPARE(orientation.last().at(0).toInt(), 6);
    QCOMPARE(scale.count(), 2);
    QCOMPARE(info.scale(), 0.5);
}

void TestImageProviders::decodeSize_data()
{
    QTest::addColumn<QSize>("full");
    QTest::addColumn<QSize>("decoded");

    QTest::newRow("both steps") << QSize(9504, 6336) << QSize(6927, 4617);
    QTest::newRow("exactly 49 MP: second step only") << QSize(7000, 7000) << QSize(5103, 5103);
    QTest::newRow("exactly 32 MP stays") << QSize(4000, 8000) << QSize(4000, 8000);
    QTest::newRow("small stays") << QSize(640, 480) << QSize(640, 480);
    QTest::newRow("product beyond 32 bits") << QSize(65535, 65535) << QSize(5224, 5224);
    QTest::newRow("unreadable") << QSize(-1, -1) << QSize(-1, -1);
}

void TestImageProviders::decodeSize()
{
    QFETCH(QSize, full);
    QFETCH(QSize, decoded);
    QCOMPARE(PreviewImageProvider::decodeSize(full), decoded);
}

void TestImageProviders::preview_data()
{
    QTest::addColumn<QString>("name"); // empty: nothing saved yet
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<bool>("scaled"); // the scale is announced

    const QSize none(0, 0);
    const QByteArray small = plainJpeg(QSize(16, 12));
    QTest::newRow("jpg") << "a.jpg" << cameraJpeg(ByteOrder::Big, 6, QSize(64, 48)) << none << 6 << QSize(64, 48)
                         << false << true;
    QTest::newRow("JPG") << "b.JPG" << cameraJpeg(ByteOrder::Little, 8, QSize(64, 48)) << QSize(10, 10) << 8
                         << QSize(64, 48) << false << true;
    QTest::newRow("jpg without EXIF") << "c.jpg" << plainJpeg(QSize(40, 30)) << none << 0 << QSize(40, 30) << false
                                      << true;
    QTest::newRow("hif") << "d.hif" << heifFile(ByteOrder::Big, small, plainJpeg(QSize(80, 60)), 8) << none << 8
                         << QSize(80, 60) << false << true;
    QTest::newRow("rw2") << "e.rw2" << rawFile(ByteOrder::Little, small, plainJpeg(QSize(72, 48)), 6) << none << 6
                         << QSize(72, 48) << false << true;
    QTest::newRow("hsp") << "f.hsp" << hlgFile(ByteOrder::Big, plainJpeg(QSize(56, 40)), 3) << none << 3
                         << QSize(56, 40) << false << true;
    QTest::newRow("unreadable rw2") << "g.rw2" << QByteArray("not a picture") << none << 0 << QSize(192, 130) << true
                                    << true;
    QTest::newRow("unreadable jpg") << "h.jpg" << QByteArray("not a picture") << QSize(50, 0) << 0 << QSize(50, 130)
                                    << true << true;
    QTest::newRow("hif preview beyond the file")
        << "i.hif" << heifFile(ByteOrder::Little, small, small, 6, {"heix", false, 3, true, 1}) << none << 0
        << QSize(192, 130) << true << true;
    QTest::newRow("other extension") << "j.txt" << QByteArray("text") << QSize(300, 200) << 1 << QSize(300, 200) << true
                                     << false;
    QTest::newRow("no extension") << "k" << QByteArray("text") << QSize(0, 90) << 1 << QSize(192, 90) << true << false;
    QTest::newRow("nothing saved") << QString() << QByteArray() << none << 1 << QSize(192, 130) << true << false;
}

void TestImageProviders::preview()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, requested);
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    QFETCH(bool, grey);
    QFETCH(bool, scaled);

    QString path;
    if (!name.isEmpty()) {
        path = m_dir.filePath(name);
        QVERIFY(writeFile(path, bytes));
    }
    m_fixture->setPcSavedFilePath(path);
    m_info.setScale(0.25);
    QSignalSpy orientationSpy(&m_info, &PreviewImageInfo::orientationChanged);
    QSignalSpy scaleSpy(&m_info, &PreviewImageInfo::scaleChanged);

    PreviewImageProvider provider;
    QSize reported;
    const QPixmap pixmap = provider.requestPixmap(QStringLiteral("ignored"), &reported, requested);
    QCOMPARE(pixmap.size(), size);
    QCOMPARE(reported, size);
    QCOMPARE(pixelAt(pixmap, 0, 0) == QColor(QStringLiteral("grey")), grey);
    QCOMPARE(orientationSpy.count(), 1);
    QCOMPARE(orientationSpy.at(0).at(0).toInt(), orientation);
    QCOMPARE(m_info.orientation(), orientation);
    QCOMPARE(scaleSpy.count(), scaled ? 1 : 0);
    QCOMPARE(m_info.scale(), scaled ? 1.0 : 0.25);
}

void TestImageProviders::previewOfALargePicture()
{
    // 5800 x 5800 is above 32,000,000 pixels: decoded a tenth smaller.
    QImage image(5800, 5800, QImage::Format_Grayscale8);
    image.fill(128);
    const QString path = m_dir.filePath(QStringLiteral("large.jpg"));
    QVERIFY(image.save(path, "JPEG", 50));
    m_fixture->setPcSavedFilePath(path);

    PreviewImageProvider provider;
    QSize reported;
    const QPixmap pixmap = provider.requestPixmap(QString(), &reported, QSize());
    QCOMPARE(pixmap.size(), QSize(5220, 5220));
    QCOMPARE(m_info.scale(), 0.9);
    QCOMPARE(m_info.orientation(), 0);
}

void TestImageProviders::overlay_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size"); // invalid: a null pixmap

    const QByteArray jpeg = plainJpeg(QSize(64, 48));
    QTest::newRow("jpg") << "o.jpg" << jpeg << QSize(64, 48);
    QTest::newRow("JPG in a folder with a space") << "with space/p.JPG" << jpeg << QSize(64, 48);
    QTest::newRow("rw2") << "q.rw2" << rawFile(ByteOrder::Big, plainJpeg(QSize(8, 8)), plainJpeg(QSize(72, 48)))
                         << QSize(72, 48);
    QTest::newRow("rw2 without preview") << "r.rw2" << rawFile(ByteOrder::Big, std::nullopt, std::nullopt) << QSize();
    QTest::newRow("hsp") << "s.hsp" << hlgFile(ByteOrder::Big, jpeg, 1) << QSize();
    QTest::newRow("hif") << "t.hif" << heifFile(ByteOrder::Big, jpeg, jpeg, 1) << QSize();
    QTest::newRow("no extension") << "u" << jpeg << QSize();
    QTest::newRow("unreadable jpg") << "v.jpg" << QByteArray("text") << QSize();
}

void TestImageProviders::overlay()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);

    const QString path = m_dir.filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(writeFile(path, bytes));
    OverlayImageProvider provider;
    QSize reported;
    const QPixmap pixmap = provider.requestPixmap(QString::fromLatin1(QUrl::toPercentEncoding(path, "/")), &reported,
                                                  QSize(5, 5));
    QCOMPARE(pixmap.isNull(), !size.isValid());
    if (size.isValid())
        QCOMPARE(pixmap.size(), size);
    QCOMPARE(reported, QSize());
}

void TestImageProviders::luma_data()
{
    QTest::addColumn<uint>("pixel");
    QTest::addColumn<QString>("query");
    QTest::addColumn<uint>("expected");

    const QRgb black = qRgba(0, 0, 0, 77);
    const QRgb blue = qRgb(0, 0, 255);
    QTest::newRow("140 on black keeps alpha") << uint(black) << "?y=140" << uint(qRgba(140, 140, 140, 77));
    QTest::newRow("140 on a colour") << uint(qRgba(200, 40, 90, 200)) << "?y=140" << uint(qRgba(246, 86, 136, 200));
    QTest::newRow("300 acts as 255") << uint(blue) << "?y=300" << uint(qRgb(226, 226, 255));
    QTest::newRow("-5 acts as 0") << uint(blue) << "?y=-5" << uint(qRgb(0, 0, 225));
    QTest::newRow("missing is 0") << uint(blue) << "" << uint(qRgb(0, 0, 225));
    QTest::newRow("not a number is 0") << uint(blue) << "?y=abc" << uint(qRgb(0, 0, 225));
    QTest::newRow("last one wins") << uint(black) << "?y=10&l=3&y=140" << uint(qRgba(140, 140, 140, 77));
}

void TestImageProviders::luma()
{
    QFETCH(uint, pixel);
    QFETCH(QString, query);
    QFETCH(uint, expected);

    BrightnessChgImageProvider provider;
    QSize reported;
    const QPixmap pixmap = provider.requestPixmap(iconFile(m_dir, pixel) + query, &reported, QSize(9, 9));
    QCOMPARE(reported, QSize(1, 1));
    QCOMPARE(shownPixel(pixmap), asShown(expected));
}

void TestImageProviders::lightness_data()
{
    QTest::addColumn<uint>("pixel");
    QTest::addColumn<QString>("query");
    QTest::addColumn<uint>("expected");

    QTest::newRow("red at 50 stays red") << uint(qRgb(255, 0, 0)) << "?l=50" << uint(qRgb(255, 0, 0));
    QTest::newRow("white at 50 is grey") << uint(qRgb(255, 255, 255)) << "?l=50" << uint(qRgb(128, 128, 128));
    QTest::newRow("black at 50 is grey") << uint(qRgba(0, 0, 0, 90)) << "?l=50" << uint(qRgba(128, 128, 128, 90));
    QTest::newRow("green at 25") << uint(qRgb(0, 255, 0)) << "?l=25" << uint(qRgb(0, 128, 0));
    QTest::newRow("orange keeps its hue") << uint(qRgb(255, 128, 0)) << "?l=50" << uint(qRgb(255, 128, 0));
    QTest::newRow("red and green share the top") << uint(qRgb(200, 200, 50)) << "?l=50" << uint(qRgb(204, 204, 51));
    QTest::newRow("negative hue wraps") << uint(qRgb(255, 0, 128)) << "?l=50" << uint(qRgb(255, 0, 128));
    QTest::newRow("0 is black") << uint(qRgb(30, 200, 90)) << "?l=0" << uint(qRgb(0, 0, 0));
    QTest::newRow("above 100 is white") << uint(qRgb(30, 200, 90)) << "?l=150" << uint(qRgb(255, 255, 255));
    QTest::newRow("below 0 is black") << uint(qRgb(30, 200, 90)) << "?l=-3" << uint(qRgb(0, 0, 0));
}

void TestImageProviders::lightness()
{
    QFETCH(uint, pixel);
    QFETCH(QString, query);
    QFETCH(uint, expected);

    ColorizeChgImageProvider provider;
    QSize reported;
    const QPixmap pixmap = provider.requestPixmap(iconFile(m_dir, pixel) + query, &reported, QSize());
    QCOMPARE(reported, QSize(1, 1));
    QCOMPARE(shownPixel(pixmap), asShown(expected));
}

void TestImageProviders::iconPaths()
{
    // The interface passes resource URLs, percent-encoded.
    BrightnessChgImageProvider brightness;
    QSize reported;
    const QPixmap icon = brightness.requestPixmap(
        QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("qrc:/images/password_check.svg?y=0"), "/")),
        &reported, QSize());
    QVERIFY(!icon.isNull());
    QCOMPARE(reported, icon.size());

    ColorizeChgImageProvider colorize;
    reported = QSize();
    QVERIFY(colorize.requestPixmap(m_dir.filePath(QStringLiteral("missing.png?l=0")), &reported, QSize()).isNull());
    QCOMPARE(reported, QSize());
}

QTEST_MAIN(TestImageProviders)
#include "tst_imageproviders.moc"
