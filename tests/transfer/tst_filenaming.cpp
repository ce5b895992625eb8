#include <QSet>
#include <QtTest>

#include "transfer/FileNaming.h"

using namespace kavrotether;
using namespace kavrotether::naming;

namespace {

const QString kNoName = QStringLiteral("<none>");
constexpr int kNoStore = -2;

} // namespace

// The naming rules as pure functions: what a name becomes for each setting,
// camera answer and folder content, and what it does to the running number.
class TestFileNaming : public QObject
{
    Q_OBJECT
private slots:
    void chooseName_data();
    void chooseName();
    void safeBaseName_data();
    void safeBaseName();
    void unknownFormatHasNoName();
    void frameStartNumber_data();
    void frameStartNumber();
    void frameNames_data();
    void frameNames();
    void folders_data();
    void folders();
};

void TestFileNaming::chooseName_data()
{
    QTest::addColumn<bool>("userNaming");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("cameraInName");
    QTest::addColumn<bool>("pcOnly");
    QTest::addColumn<uint>("format");
    QTest::addColumn<bool>("newNumber");
    QTest::addColumn<int>("fileNumber");
    QTest::addColumn<int>("cameraLast");
    QTest::addColumn<QString>("cameraName");
    QTest::addColumn<bool>("drive4K6K");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("storedNumber");
    QTest::addColumn<int>("shotNumber");

    const QString img = QStringLiteral("IMG_");
    const QStringList none;
    // clang-format off
    QTest::newRow("user, free") << true << img << false << false << 1u << true << 41 << -1 << kNoName << false << none
                                << "IMG_0042.jpg" << 42 << 42;
    QTest::newRow("user, taken") << true << img << false << false << 1u << true << 41 << -1 << kNoName << false
                                 << QStringList{"IMG_0042.jpg"} << "IMG_0042_01.jpg" << 42 << 42;
    QTest::newRow("user, taken twice") << true << img << false << false << 1u << true << 41 << -1 << kNoName << false
                                       << QStringList{"IMG_0042.jpg", "IMG_0042_01.jpg"} << "IMG_0042_02.jpg" << 42 << 42;
    QTest::newRow("user, empty prefix") << true << QString() << false << false << 7u << true << 41 << -1 << kNoName
                                        << false << none << "IMG_0042.hif" << 42 << 42;
    QTest::newRow("wrap after 9999") << true << img << false << false << 1u << true << 9999 << -1 << kNoName << false
                                     << none << "IMG_0001.jpg" << 1 << 1;
    QTest::newRow("9999 stores 0") << true << img << false << false << 1u << true << 9998 << -1 << kNoName << false
                                   << none << "IMG_9999.jpg" << 0 << 9999;
    QTest::newRow("second of a pair keeps its number") << true << img << false << false << 2u << false << 45 << 42
                                                       << kNoName << false << none << "IMG_0042.rw2" << kNoStore << 42;
    QTest::newRow("second of a pair, taken") << true << img << false << false << 2u << false << 45 << 42 << kNoName
                                             << false << QStringList{"IMG_0042.rw2"} << "IMG_0042_01.rw2" << kNoStore
                                             << 42;
    QTest::newRow("reuse without a last shot") << true << img << false << false << 6u << false << 45 << -1 << kNoName
                                               << false << none << "IMG_0045.hsp" << kNoStore << 45;
    QTest::newRow("camera name free") << false << img << false << false << 1u << true << 41 << -1 << "P1000123.JPG"
                                      << false << none << "P1000123.JPG" << kNoStore << 42;
    QTest::newRow("camera name taken") << false << img << false << false << 1u << true << 41 << -1 << "P1000123.JPG"
                                       << false << QStringList{"P1000123.JPG"} << "P1000123_01.jpg" << kNoStore << 42;
    QTest::newRow("camera name taken, 4K/6K drive") << false << img << false << false << 1u << true << 41 << -1
                                                    << "P1000123.JPG" << true << QStringList{"P1000123.JPG"}
                                                    << "P10001230042.jpg" << 42 << 42;
    QTest::newRow("cardless") << false << QStringLiteral("USR_") << false << false << 1u << true << 41 << -1
                              << "CARDLESS.JPG" << false << none << "USR_0042.jpg" << 42 << 42;
    QTest::newRow("cardless, empty prefix") << false << QString() << false << false << 1u << true << 41 << -1
                                            << "CARDLESS.JPG" << false << none << "0042.jpg" << 42 << 42;
    QTest::newRow("cardless RAW") << false << img << false << false << 2u << true << 41 << -1 << "CARDLESS.RW2" << false
                                  << none << "IMG_0042.rw2" << 42 << 42;
    QTest::newRow("cardless compared exactly") << false << img << false << false << 1u << true << 41 << -1
                                               << "cardless.jpg" << false << none << "cardless.jpg" << kNoStore << 42;
    QTest::newRow("name read failed") << false << img << false << false << 1u << true << 41 << -1 << kNoName << false
                                      << none << "IMG__01.jpg" << kNoStore << 42;
    QTest::newRow("name read failed, 4K/6K drive") << false << img << false << false << 1u << true << 41 << -1
                                                   << kNoName << true << none << "IMG_0042.jpg" << 42 << 42;
    QTest::newRow("computer only") << false << QStringLiteral("PC_") << false << true << 1u << true << 41 << -1
                                   << "P1000123.JPG" << false << none << "PC_0042.jpg" << 42 << 42;
    QTest::newRow("label in numbered name") << true << img << true << false << 1u << true << 41 << -1 << kNoName
                                            << false << none << "GH_7_IMG_0042.jpg" << 42 << 42;
    QTest::newRow("label in camera name") << false << img << true << false << 1u << true << 41 << -1 << "P1000123.JPG"
                                          << false << none << "GH_7_P1000123.JPG" << kNoStore << 42;
    QTest::newRow("label once in a taken camera name") << false << img << true << false << 1u << true << 41 << -1
                                                       << "P1000123.JPG" << false << QStringList{"GH_7_P1000123.JPG"}
                                                       << "GH_7_P1000123_01.jpg" << kNoStore << 42;
    QTest::newRow("movie takes a new number") << true << img << false << false << 5u << false << 41 << 7 << kNoName
                                              << false << none << "IMG_0042.mp4" << 42 << 42;
    QTest::newRow("movie, camera name") << false << img << false << false << 4u << false << 41 << -1 << "P1000124.MOV"
                                        << false << none << "P1000124.MOV" << kNoStore << 42;
    QTest::newRow("hostile name falls back to a number") << false << img << false << false << 1u << true << 41 << -1
                                                         << "\x01\x02" << false << none << "IMG_0042.jpg" << 42 << 42;
    QTest::newRow("hostile path reduced") << false << img << false << false << 1u << true << 41 << -1 << "../x.JPG"
                                          << false << none << "__x.JPG" << kNoStore << 42;
    QTest::newRow("hostile absolute path reduced") << false << img << false << false << 1u << true << 41 << -1
                                                   << "/tmp/x" << false << none << "_tmp_x.jpg" << kNoStore << 42;
    // Shown as "IMGexe.jpg", saved as an .exe.
    QTest::newRow("right-to-left override dropped") << false << img << false << false << 1u << true << 41 << -1
                                                    << QString::fromUtf16(u"IMG\u202Egpj.exe") << false << none
                                                    << "IMGgpj.jpg" << kNoStore << 42;
    QTest::newRow("isolate dropped") << false << img << false << false << 1u << true << 41 << -1
                                     << QString::fromUtf16(u"P100\u20670001.JPG") << false << none << "P1000001.JPG"
                                     << kNoStore << 42;
    QTest::newRow("right-to-left mark dropped") << false << img << false << false << 1u << true << 41 << -1
                                                << QString::fromUtf16(u"\u200FP1000001.JPG") << false << none
                                                << "P1000001.JPG" << kNoStore << 42;
    QTest::newRow("other extension replaced") << false << img << false << false << 1u << true << 41 << -1
                                              << "x.desktop" << false << none << "x.jpg" << kNoStore << 42;
    QTest::newRow("script extension replaced") << false << img << false << false << 2u << true << 41 << -1
                                               << "P1000002.sh" << false << none << "P1000002.rw2" << kNoStore << 42;
    QTest::newRow("other format's extension replaced") << false << img << false << false << 5u << true << 41 << -1
                                                       << "P1000003.JPG" << false << none << "P1000003.mp4"
                                                       << kNoStore << 42;
    QTest::newRow("usual JPEG name kept") << false << img << false << false << 1u << true << 41 << -1
                                          << "DSC0001.JPG" << false << none << "DSC0001.JPG" << kNoStore << 42;
    QTest::newRow("usual RAW name kept") << false << img << false << false << 2u << true << 41 << -1
                                         << "P1000001.RW2" << false << none << "P1000001.RW2" << kNoStore << 42;
    QTest::newRow("characters FAT refuses replaced") << false << img << false << false << 1u << true << 41 << -1
                                                     << "P1:0<0>0\"0*0?1|.JPG" << false << none << "P1_0_0_0_0_0_1_.JPG"
                                                     << kNoStore << 42;
    // Shown as ".JPG".
    QTest::newRow("invisible characters dropped") << false << img << false << false << 1u << true << 41 << -1
                                                  << QString::fromUtf16(u"\u200B\u2060.JPG") << false << none
                                                  << "JPG.jpg" << kNoStore << 42;
    QTest::newRow("usual HEIF name kept") << false << img << false << false << 7u << true << 41 << -1
                                          << "P1000001.HIF" << false << none << "P1000001.HIF" << kNoStore << 42;
    // clang-format on
    QStringList many{QStringLiteral("IMG_0042.jpg")};
    for (int k = 1; k <= 99; ++k)
        many << QStringLiteral("IMG_0042_%1.jpg").arg(k, 2, 10, QLatin1Char('0'));
    QTest::newRow("sub-numbers past 99") << true << img << false << false << 1u << true << 41 << -1 << kNoName << false
                                         << many << "IMG_0042_100.jpg" << 42 << 42;
}

void TestFileNaming::chooseName()
{
    QFETCH(bool, userNaming);
    QFETCH(QString, prefix);
    QFETCH(bool, cameraInName);
    QFETCH(bool, pcOnly);
    QFETCH(uint, format);
    QFETCH(bool, newNumber);
    QFETCH(int, fileNumber);
    QFETCH(int, cameraLast);
    QFETCH(QString, cameraName);
    QFETCH(bool, drive4K6K);
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    QFETCH(int, storedNumber);
    QFETCH(int, shotNumber);

    NameSettings settings{userNaming, prefix, cameraInName, pcOnly};
    NameRequest request;
    request.format = format;
    request.newNumber = newNumber;
    request.fileNumber = fileNumber;
    request.cameraLastNumber = cameraLast;
    if (cameraName != kNoName)
        request.cameraName = cameraName;
    request.driveMode4K6K = drive4K6K;
    const QSet<QString> taken(existing.cbegin(), existing.cend());
    NameChoice choice = naming::chooseName(settings, request, QStringLiteral("GH_7"),
                                           [&](const QString &n) { return taken.contains(n); });
    QVERIFY(choice.ok);
    QCOMPARE(choice.fileName, expected);
    QCOMPARE(choice.storeFileNumber.value_or(kNoStore), storedNumber);
    QCOMPARE(choice.number, shotNumber);

    // A name that is taken by the time the file is moved into place goes on
    // with the next sub-number, never back to a taken one.
    QSet<QString> later = taken;
    later.insert(choice.fileName);
    const QString next = nextSubNumberedName(choice, [&](const QString &n) { return later.contains(n); });
    QVERIFY(!later.contains(next));
    QVERIFY(next.endsWith(QString::fromLatin1(formatRule(format)->extension)));
}

void TestFileNaming::safeBaseName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "P1000123.JPG"
                           << "P1000123.JPG";
    QTest::newRow("parent") << "../x"
                            << "__x";
    QTest::newRow("absolute") << "/tmp/x"
                              << "_tmp_x";
    QTest::newRow("nested") << "a/b"
                            << "a_b";
    QTest::newRow("backslash") << "a\\..\\b"
                               << "a___b";
    QTest::newRow("dots only") << "..."
                               << "_";
    QTest::newRow("hidden") << ".profile"
                            << "profile";
    QTest::newRow("control only") << "\x01\x1f" << QString();
    QTest::newRow("control inside") << "P1\x7f\n.JPG"
                                    << "P1.JPG";
    QTest::newRow("bidirectional formatting") << QString::fromUtf16(u"\u200EG\u202AH\u202B\u202C\u202D_\u2066\u2067"
                                                                    u"\u2068\u20697\u200F")
                                              << "GH_7";
    QTest::newRow("label with a colon") << "Studio: Left"
                                        << "Studio_ Left";
    QTest::newRow("characters FAT refuses") << "a*b?c\"d<e>f|g"
                                            << "a_b_c_d_e_f_g";
    QTest::newRow("label that FAT takes") << QString::fromUtf16(u"Left+Right, #2 (A&B) \u00E9 \u65E5")
                                          << QString::fromUtf16(u"Left+Right, #2 (A&B) \u00E9 \u65E5");
    QTest::newRow("invisible characters") << QString::fromUtf16(u"\u200BG\u200CH\u200D_\u2060\u00AD\uFEFF\u061C7")
                                          << "GH_7";
    QTest::newRow("blank") << "   " << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("300 bytes") << QString(300, QLatin1Char('a')) + ".JPG" << QString(116, QLatin1Char('a')) + ".JPG";
    QTest::newRow("two-byte characters") << QString(150, QChar(0xE9)) + ".JPG" << QString(58, QChar(0xE9)) + ".JPG";
}

void TestFileNaming::safeBaseName()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QString safe = naming::safeBaseName(name);
    QCOMPARE(safe, expected);
    QVERIFY(safe.toUtf8().size() <= kMaxNameBytes);
    QVERIFY(std::none_of(safe.begin(), safe.end(), [](QChar c) { return QStringView(u"\\/:*?\"<>|").contains(c); }));
    QVERIFY(!safe.contains(QLatin1String("..")));
    QVERIFY(!safe.startsWith(QLatin1Char('.')));
}

void TestFileNaming::unknownFormatHasNoName()
{
    for (uint format : {0u, 3u, 8u, 0xFFFFFFFFu}) {
        NameRequest request;
        request.format = format;
        QVERIFY(!naming::chooseName({true, "IMG_", false, false}, request, QString(), [](const QString &) {
                     return false;
                 }).ok);
    }
}

void TestFileNaming::frameStartNumber_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty folder") << 20 << QStringList() << 1;
    QTest::newRow("two collisions") << 20 << QStringList{"IMG_0042_05.jpg", "IMG_0042_25.jpg"} << 26;
    QTest::newRow("collision past the run") << 3 << QStringList{"IMG_0042_04.jpg"} << 1;
    QTest::newRow("no frames") << 0 << QStringList{"IMG_0042_01.jpg"} << 1;
    QTest::newRow("three digits") << 2 << QStringList{"IMG_0042_01.jpg", "IMG_0042_100.jpg"} << 2;
}

void TestFileNaming::frameStartNumber()
{
    QFETCH(int, count);
    QFETCH(QStringList, existing);
    QFETCH(int, expected);
    const QSet<QString> taken(existing.cbegin(), existing.cend());
    const auto isTaken = [&](const QString &n) { return taken.contains(n); };
    QCOMPARE(naming::frameStartNumber(QStringLiteral("IMG_0042"), count, isTaken, {}).value_or(-1), expected);
    // Interrupted: no start number, so nothing is sent.
    if (count > 0)
        QVERIFY(!naming::frameStartNumber(QStringLiteral("IMG_0042"), count, isTaken, [] { return true; }));
}

void TestFileNaming::frameNames_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("cameraInName");
    QTest::addColumn<int>("fileNumber");
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("stored");
    QTest::newRow("next number") << "IMG_" << false << 41 << "IMG_0042" << 42;
    QTest::newRow("empty prefix") << "" << false << 41 << "IMG_0042" << 42;
    QTest::newRow("9998") << "IMG_" << false << 9998 << "IMG_9999" << 0;
    QTest::newRow("9999") << "IMG_" << false << 9999 << "IMG_0001" << 1;
    QTest::newRow("label") << "P_" << true << 0 << "GH_7_P_0001" << 1;
}

void TestFileNaming::frameNames()
{
    QFETCH(QString, prefix);
    QFETCH(bool, cameraInName);
    QFETCH(int, fileNumber);
    QFETCH(QString, base);
    QFETCH(int, stored);
    const FrameBase frame = naming::frameBaseName(prefix, QStringLiteral("GH_7"), cameraInName, fileNumber);
    QCOMPARE(frame.baseName, base);
    QCOMPARE(frame.storeFileNumber, stored);
    QCOMPARE(naming::frameFileName(base, 7), base + "_07.jpg");
    QCOMPARE(naming::frameFileName(base, 123), base + "_123.jpg");
}

void TestFileNaming::folders_data()
{
    QTest::addColumn<bool>("user");
    QTest::addColumn<bool>("unknown");
    QTest::addColumn<QString>("pictures");
    QTest::addColumn<bool>("date");
    QTest::addColumn<bool>("camera");
    QTest::addColumn<QString>("expected");
    QTest::newRow("platform") << false << false << "/p" << false << false << "/p";
    QTest::newRow("platform, date and camera") << false << false << "/p" << true << true << "/p/20261209/GH_7";
    QTest::newRow("no platform folder") << false << false << "" << true << false << "";
    QTest::newRow("user, camera") << true << false << "/p" << false << true << "/u/GH_7";
    QTest::newRow("unknown type") << false << true << "/p" << false << false << "";
}

void TestFileNaming::folders()
{
    QFETCH(bool, user);
    QFETCH(bool, unknown);
    QFETCH(QString, pictures);
    QFETCH(bool, date);
    QFETCH(bool, camera);
    QFETCH(QString, expected);
    const FolderSettings settings{user, unknown, QStringLiteral("/u"), pictures, date, camera};
    QCOMPARE(naming::folderPath(settings, QDate(2026, 12, 9), QStringLiteral("GH_7")), expected);
    QCOMPARE(naming::cameraLabel(QString(), QStringLiteral("DC/9"), QStringLiteral("X1")), QStringLiteral("DC_9_X1"));
    QCOMPARE(naming::cameraLabel(QStringLiteral(".."), QString(), QString()), QStringLiteral("_"));
}

QTEST_GUILESS_MAIN(TestFileNaming)
#include "tst_filenaming.moc"
