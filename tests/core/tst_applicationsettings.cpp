#include "core/ApplicationSettings.h"

#include <QtTest>

#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <limits>
#include <string_view>

using namespace kavrotether;

namespace {

QSettings *openRaw()
{
    return new QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("(KAVROTether x64)"),
                         QStringLiteral("KAVROTether"));
}

// One row per property with a key: its key in the file, the value a fresh
// file yields, another value, and how that value is spelled in the file.
struct SettingRow
{
    const char *property;
    const char *key;
    QVariant fallback;
    QVariant other;
    const char *otherInFile;
};

const QList<SettingRow> &settingRows()
{
    static const QList<SettingRow> rows = {
        {"windowSize", "WindowSize", 0, 1, "1"},
        {"flashWindowSize", "FlashWindowSize", 0, 1, "1"},
        {"versionUpCheck", "VersionUpCheck", false, true, "true"},
        {"imageViewerUrl", "ImageViewerUrl", QString(), QStringLiteral("file:///opt/viewer"), "file:///opt/viewer"},
        {"imageViewerType", "ImageViewerType", 0, 1, "1"},
        {"storeFolderUrl", "StoreFolderUrl", QString(), QStringLiteral("/tmp/shots"), "/tmp/shots"},
        {"storeFolderType", "StoreFolderType", 0, 1, "1"},
        {"storeFolderDate", "StoreFolderDate", 1, 0, "0"},
        {"storeFolderCamera", "StoreFolderCamera", 1, 0, "0"},
        {"folderNameType", "folderNameType", 0, 1, "1"},
        {"folderNamePrefix", "folderNamePrefix", QStringLiteral("IMG_"), QStringLiteral("Shot"), "Shot"},
        {"storeFileNameCamera", "StoreFileNameCamera", 1, 0, "0"},
        {"rawTransferType", "rawTransferType", 0, 1, "1"},
        {"hlgTransferType", "hlgTransferType", 0, 1, "1"},
        {"displayReviewType", "displayReviewType", 0, 1, "1"},
        {"versionCheckType", "versionCheckType", 0, 1, "1"},
        {"fileNumber", "fileNumber", 0, 1234, "1234"},
        {"logPermission", "logPermission", -1, 0, "0"},
        {"debugEnable", "debugEnable", false, true, "true"},
        {"sdkDbgType", "sdkDbgType", 1, 2, "2"},
        {"transConfirmDlgType", "transConfirmDlgType", 0, 1, "1"},
        {"lvWbSetMode", "lvWbSetMode", false, true, "true"},
        {"lvLevelIndicator", "lvLevelIndicator", false, true, "true"},
        {"lvGridIndicator", "lvGridIndicator", false, true, "true"},
        {"lvGLineIndicator", "lvGLineIndicator", false, true, "true"},
        {"lvHistogramIndicator", "lvHistogramIndicator", false, true, "true"},
        {"lvRotationMode", "lvRotationMode", false, true, "true"},
        {"lvRotation", "lvRotation", 0, 270, "270"},
        {"lvRotationAuto", "lvRotationAuto", 0, 90, "90"},
        {"gridHorizon", "gridHorizon", true, false, "false"},
        {"gridVertical", "gridVertical", true, false, "false"},
        {"gridDiagonal", "gridDiagonal", false, true, "true"},
        {"gridHorNum", "gridHorNum", 2, 5, "5"},
        {"gridVerNum", "gridVerNum", 2, 4, "4"},
        {"gridThickness", "gridThickness", 2, 3, "3"},
        {"gridColor", "gridColor", QStringLiteral("#808080"), QStringLiteral("#ff0000"), "#ff0000"},
        {"gridCustom", "gridCustom", false, true, "true"},
        {"grid3x3", "grid3x3", true, false, "false"},
        {"grid2x2Diagonal", "grid2x2Diagonal", false, true, "true"},
        {"gLineHor1", "gLineHor1", true, false, "false"},
        {"gLineHor2", "gLineHor2", true, false, "false"},
        {"gLineVer1", "gLineVer1", true, false, "false"},
        {"gLineVer2", "gLineVer2", true, false, "false"},
        {"gLineHor1Pos", "gLineHor1Pos", 25, 30, "30"},
        {"gLineHor2Pos", "gLineHor2Pos", 75, 70, "70"},
        {"gLineVer1Pos", "gLineVer1Pos", 25, 10, "10"},
        {"gLineVer2Pos", "gLineVer2Pos", 75, 90, "90"},
        {"gLineThickness", "gLineThickness", 2, 1, "1"},
        {"gLineColor", "gLineColor", QStringLiteral("#0080ff"), QStringLiteral("#00ff00"), "#00ff00"},
        {"lvImageQuality", "lvImageQuality", 1, 0, "0"},
    };
    return rows;
}

// Each key whose numbers have a rule, as the key table gives it, with its
// default. The table is walked in ApplicationSettings' scope, where its
// rules are written, so a key added there is tested here.
struct RuledKey
{
    QString key;
    QByteArray property; // empty for the per-camera prefix
    QVariant fallback;
    settingrules::ValueRule rule;
};

struct KeyTable : ApplicationSettings
{
    static QList<RuledKey> ruledKeys()
    {
        using namespace settingrules;
        QList<RuledKey> keys;
#define KAVRO_TEST_RULED_KEY(n, key, kind, type, def, valid, prop, Prop) \
    if ((valid).checksNumbers()) \
        keys.append({QString::fromLatin1(key), std::string_view(#kind) == "Prefix" ? QByteArray() : QByteArray(#prop), \
                     QVariant(def), valid});
        KAVRO_APPLICATION_SETTINGS_KEYS(KAVRO_TEST_RULED_KEY)
#undef KAVRO_TEST_RULED_KEY
        return keys;
    }
};

// The camera whose per-camera key the tests read.
const QString kCamera = QStringLiteral("SN-A");

const QStringList listProperties = {"winStateX",         "winStateY",       "winStateWidth", "winStateHeight",
                                    "winStateMaximised", "winStateVisible", "logFileList"};

// Compares in the fallback's type, so that enumerations compare as numbers.
bool sameValue(const QVariant &actual, const QVariant &expected)
{
    switch (expected.typeId()) {
    case QMetaType::Bool:
        return actual.typeId() == QMetaType::Bool && actual.toBool() == expected.toBool();
    case QMetaType::Int:
        return actual.toInt() == expected.toInt();
    default:
        return actual.toString() == expected.toString();
    }
}

QString asText(const QVariant &value)
{
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',') : value.toString();
}

QList<double> asDoubles(const QVariant &value)
{
    QList<double> result;
    for (const QVariant &v : value.toList())
        result.append(v.toDouble());
    return result;
}

QList<double> six(double first, double second, double third, double fourth, double fifth, double sixth)
{
    return {first, second, third, fourth, fifth, sixth};
}

// Writes fileNumber 1..count while the test's thread keeps reading.
class Writer : public QThread
{
public:
    Writer(ApplicationSettings *settings, int count) : m_settings(settings), m_count(count) {}
    void run() override
    {
        for (int i = 1; i <= m_count; ++i) {
            m_settings->setFileNumber(i);
            m_settings->setWinStateXForWindow(ApplicationSettings::WinList_Live, i);
        }
    }

private:
    ApplicationSettings *m_settings;
    int m_count;
};

} // namespace

class TestApplicationSettings : public QObject
{
    Q_OBJECT

private:
    QString m_path;
    // Folders and a plain file for the storage folder's rows.
    QTemporaryDir m_folders;

    QByteArray fileText() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The value as it is spelled in the file, or a null array when the key
    // is absent.
    QByteArray valueInFile(const QByteArray &key) const
    {
        const QList<QByteArray> lines = fileText().split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith(key + '='))
                return line.mid(key.size() + 1);
        }
        return QByteArray();
    }

    static QVariant rawValue(const QString &key)
    {
        std::unique_ptr<QSettings> raw(openRaw());
        return raw->value(key);
    }

    static void setRaw(const QString &key, const QVariant &value)
    {
        std::unique_ptr<QSettings> raw(openRaw());
        raw->setValue(key, value);
    }

    static void addSettingColumns()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("fallback");
        QTest::addColumn<QVariant>("other");
        QTest::addColumn<QByteArray>("otherInFile");
        for (const SettingRow &row : settingRows()) {
            QTest::newRow(row.property) << QByteArray(row.property) << QString::fromLatin1(row.key) << row.fallback
                                        << row.other << QByteArray(row.otherInFile);
        }
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        std::unique_ptr<QSettings> raw(openRaw());
        m_path = raw->fileName();
        QVERIFY(m_path.endsWith(QLatin1String("/(KAVROTether x64)/KAVROTether.ini")));
        QVERIFY2(m_path.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)),
                 qPrintable(m_path));
        QVERIFY2(m_path.contains(QLatin1String("/test-home/")), "the test must run in its own home folder");
        QVERIFY(m_folders.isValid());
        QFile plain(m_folders.filePath(QStringLiteral("a file")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(m_folders.path(), m_folders.filePath(QStringLiteral("linked"))));
        QVERIFY(QFile::link(m_folders.filePath(QStringLiteral("unplugged/shots")),
                            m_folders.filePath(QStringLiteral("nowhere"))));
        QVERIFY(QFile::link(m_folders.filePath(QStringLiteral("loop")), m_folders.filePath(QStringLiteral("loop"))));
    }

    void init()
    {
        std::unique_ptr<QSettings> raw(openRaw());
        raw->clear();
        raw->sync();
        QFile::remove(m_path);
    }

    // --- key table --------------------------------------------------------

    void everyPropertyIsListed()
    {
        // The HLG shooting type is the one property without a key.
        QStringList expected = listProperties + QStringList({"hlgShootingType"});
        for (const SettingRow &row : settingRows())
            expected.append(QString::fromLatin1(row.property));
        QStringList actual;
        const QMetaObject &mo = ApplicationSettings::staticMetaObject;
        for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) {
            const QMetaProperty p = mo.property(i);
            actual.append(QString::fromLatin1(p.name()));
            QVERIFY2(p.isWritable(), p.name());
            QVERIFY2(p.hasNotifySignal(), p.name());
            QCOMPARE(QByteArray(p.notifySignal().name()), QByteArray(p.name()) + "Changed");
        }
        expected.sort();
        actual.sort();
        QCOMPARE(actual, expected);
    }

    // Reading gives the default and creates no file; setting the default
    // then changes nothing, since the getter already returns it.
    void freshFileDefault_data() { addSettingColumns(); }
    void freshFileDefault()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, fallback);
        ApplicationSettings settings;
        const QVariant value = settings.property(property.constData());
        QVERIFY2(sameValue(value, fallback), qPrintable(value.toString()));
        QVERIFY2(!QFile::exists(m_path), "reading must not create the file");

        const QMetaProperty p = settings.metaObject()->property(settings.metaObject()->indexOfProperty(property));
        QSignalSpy spy(&settings, p.notifySignal());
        QVERIFY(settings.setProperty(property.constData(), fallback));
        QCOMPARE(spy.count(), 0);
        QVERIFY(!QFile::exists(m_path));
    }

    void newValueIsWrittenUnderItsKeyAndAnnounced_data() { addSettingColumns(); }
    void newValueIsWrittenUnderItsKeyAndAnnounced()
    {
        QFETCH(QByteArray, property);
        QFETCH(QString, key);
        QFETCH(QVariant, other);
        QFETCH(QByteArray, otherInFile);
        // The user's folder type needs a folder it can use.
        setRaw("StoreFolderUrl", m_folders.path());
        ApplicationSettings settings;
        const QMetaProperty p = settings.metaObject()->property(settings.metaObject()->indexOfProperty(property));
        QSignalSpy spy(&settings, p.notifySignal());

        QVERIFY(settings.setProperty(property.constData(), other));
        QCOMPARE(spy.count(), 1);
        QVERIFY(sameValue(spy.at(0).value(0), other));
        // On disk as soon as the setter returns, as a plain top-level key.
        QCOMPARE(valueInFile(key.toLatin1()), otherInFile);
        QVERIFY(!fileText().contains("@Variant"));
        QVERIFY(sameValue(settings.property(property.constData()), other));

        const QByteArray before = fileText();
        QVERIFY(settings.setProperty(property.constData(), other));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(fileText(), before);
    }

    // What the file holds under a key, as the getter reads it. A value the
    // key cannot hold reads as the default, and one log line names the key
    // however often it is read; a user's folder that cannot take pictures
    // is told once to the photographer too.
    void valueFromFileConverts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QVariantMap>("alsoInFile");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<bool>("notice");
        const QVariantMap none;
        QTest::newRow("text for an int") << "gridHorNum" << QVariant("abc") << QByteArray("gridHorNum") << QVariant(2)
                                         << none << "gridHorNum" << false;
        QTest::newRow("number text") << "gridHorNum" << QVariant("7") << QByteArray("gridHorNum") << QVariant(7) << none
                                     << "" << false;
        QTest::newRow("text for an enum") << "sdkDbgType" << QVariant("file") << QByteArray("sdkDbgType") << QVariant(1)
                                          << none << "sdkDbgType" << false;
        QTest::newRow("enum out of range") << "StoreFolderDate" << QVariant(9) << QByteArray("storeFolderDate")
                                           << QVariant(1) << none << "StoreFolderDate" << false;
        QTest::newRow("bool false text") << "gridHorizon" << QVariant("false") << QByteArray("gridHorizon")
                                         << QVariant(false) << none << "" << false;
        QTest::newRow("bool zero") << "grid3x3" << QVariant("0") << QByteArray("grid3x3") << QVariant(false) << none
                                   << "" << false;
        QTest::newRow("number for a string")
            << "gLineColor" << QVariant(12) << QByteArray("gLineColor") << QVariant("12") << none << "" << false;
        QTest::newRow("other spelling is another key")
            << "griDhorNum" << QVariant(9) << QByteArray("gridHorNum") << QVariant(2) << none << "" << false;
        QTest::newRow("list for an int") << "gridVerNum" << QVariant(QStringList{"3", "4"}) << QByteArray("gridVerNum")
                                         << QVariant(2) << none << "gridVerNum" << false;
        QTest::newRow("store location 9") << "StoreLocationType_" + kCamera << QVariant(9) << QByteArray()
                                          << QVariant(1) << none << "StoreLocationType_" + kCamera << false;

        // Every ruled key: both ends kept, beyond them, between choices and
        // text replaced. The file names a usable folder, so that the user's
        // folder type is a choice like any other.
        const QVariantMap usableFolder{{QStringLiteral("StoreFolderUrl"), m_folders.path()}};
        for (const RuledKey &k : KeyTable::ruledKeys()) {
            const QString key = k.property.isEmpty() ? k.key + u'_' + kCamera : k.key;
            const auto row = [&](const char *what, const QVariant &stored, bool sound) {
                QTest::addRow("%s %s", qPrintable(key), what)
                    << key << stored << k.property << (sound ? stored : k.fallback) << usableFolder
                    << (sound ? QString() : key) << false;
            };
            row("lowest", k.rule.low, true);
            row("highest", k.rule.high, true);
            row("below", k.rule.low - 1, false);
            row("above", k.rule.high + 1, false);
            row("largest int", std::numeric_limits<int>::max(), false);
            row("text", QStringLiteral("abc"), false);
            for (int v = k.rule.low; v < k.rule.high; ++v) {
                if (!k.rule.allows(v)) {
                    row("between choices", v, false);
                    break;
                }
            }
        }

        // The storage folder: an empty or absolute path to a usable folder
        // is kept; anything else reads as no folder, and the user's folder
        // as the default folder, told once.
        const QString absolute = m_folders.filePath(QStringLiteral("shots"));
        const QString plainFile = m_folders.filePath(QStringLiteral("a file"));
        const QVariantMap userFolder{{QStringLiteral("StoreFolderType"), 1}};
        const QList<std::pair<const char *, QString>> unusable = {
            {"relative", QStringLiteral("shots")},
            {"file URL", QUrl::fromLocalFile(absolute).toString()},
            {"plain file", plainFile},
            {"under a plain file", plainFile + QStringLiteral("/shots")},
            {"link leading nowhere", m_folders.filePath(QStringLiteral("nowhere"))},
            {"under a link leading nowhere", m_folders.filePath(QStringLiteral("nowhere/shots"))},
            {"link loop", m_folders.filePath(QStringLiteral("loop"))},
            {"dots after a link leading nowhere", m_folders.filePath(QStringLiteral("nowhere/../shots"))}};
        for (const auto &[what, folder] : unusable) {
            QTest::addRow("folder %s: path", what)
                << "StoreFolderUrl" << QVariant(folder) << QByteArray("storeFolderUrl") << QVariant(QString())
                << userFolder << "StoreFolderUrl" << false;
            QTest::addRow("folder %s: type", what)
                << "StoreFolderUrl" << QVariant(folder) << QByteArray("storeFolderType") << QVariant(0) << userFolder
                << "StoreFolderType" << true;
            QTest::addRow("folder %s with the default type", what)
                << "StoreFolderUrl" << QVariant(folder) << QByteArray("storeFolderType") << QVariant(0)
                << QVariantMap{{QStringLiteral("StoreFolderType"), 0}} << "" << false;
        }
        QTest::newRow("folder empty: path") << "StoreFolderUrl" << QVariant(QString()) << QByteArray("storeFolderUrl")
                                            << QVariant(QString()) << userFolder << "" << false;
        QTest::newRow("folder empty: type") << "StoreFolderUrl" << QVariant(QString()) << QByteArray("storeFolderType")
                                            << QVariant(0) << userFolder << "StoreFolderType" << true;
        QTest::newRow("folder absolute: path") << "StoreFolderUrl" << QVariant(absolute) << QByteArray("storeFolderUrl")
                                               << QVariant(absolute) << userFolder << "" << false;
        QTest::newRow("folder absolute: type")
            << "StoreFolderUrl" << QVariant(absolute) << QByteArray("storeFolderType") << QVariant(1) << userFolder
            << "" << false;
        QTest::newRow("folder existing: type")
            << "StoreFolderUrl" << QVariant(m_folders.path()) << QByteArray("storeFolderType") << QVariant(1)
            << userFolder << "" << false;
        QTest::newRow("folder link to a folder: type")
            << "StoreFolderUrl" << QVariant(m_folders.filePath(QStringLiteral("linked")))
            << QByteArray("storeFolderType") << QVariant(1) << userFolder << "" << false;
    }
    void valueFromFileConverts()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        QFETCH(QVariantMap, alsoInFile);
        QFETCH(QString, logged);
        QFETCH(bool, notice);
        for (auto it = alsoInFile.cbegin(); it != alsoInFile.cend(); ++it)
            setRaw(it.key(), it.value());
        setRaw(key, stored);
        ApplicationSettings settings;
        QSignalSpy notices(&settings, &ApplicationSettings::storeFolderUnusable);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^Settings: ")));
        if (!logged.isEmpty()) {
            QTest::ignoreMessage(
                QtWarningMsg,
                QRegularExpression(QStringLiteral("^Settings: %1 holds ").arg(QRegularExpression::escape(logged))));
        }
        for (int read = 0; read < 2; ++read) {
            const QVariant value = property.isEmpty() ? QVariant(settings.getStoreLocationTypeFromFile(kCamera))
                                                      : settings.property(property.constData());
            QVERIFY2(sameValue(value, expected), qPrintable(value.toString()));
        }
        // The notice comes from the event loop, never from inside a read.
        QCOMPARE(notices.count(), 0);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(notices.count(), notice ? 1 : 0);
        // naming the folder the photographer chose
        if (notice)
            QCOMPARE(notices.at(0).value(0).toString(), rawValue(QStringLiteral("StoreFolderUrl")).toString());
        // Reading leaves the file as it is.
        QCOMPARE(asText(rawValue(key)), asText(stored));
    }

    // Setting the value the getter shows in place of an unsound one writes
    // it, so the file is mended; a sound value set again changes nothing.
    void settingMendsAnUnsoundValue()
    {
        setRaw("gridHorNum", "abc");
        ApplicationSettings settings;
        QSignalSpy spy(&settings, &ApplicationSettings::gridHorNumChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Settings: gridHorNum holds \"abc\""));
        settings.setGridHorNum(2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(rawValue("gridHorNum").toInt(), 2);
        settings.setGridHorNum(2);
        QCOMPARE(spy.count(), 1);
        settings.setGridHorNum(3);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(settings.gridHorNum(), 3);
    }

    void everyInstanceSeesAWriteAtOnce()
    {
        ApplicationSettings reader;
        std::unique_ptr<QSettings> openedBefore(openRaw());
        QCOMPARE(reader.gridColor(), QStringLiteral("#808080"));
        {
            ApplicationSettings writer;
            writer.setGridColor("#123456");
            writer.setLogPermission(ApplicationSettings::LogPer_Off);
        }
        QCOMPARE(reader.gridColor(), QStringLiteral("#123456"));
        QCOMPARE(reader.logPermission(), ApplicationSettings::LogPer_Off);
        QCOMPARE(openedBefore->value("gridColor").toString(), QStringLiteral("#123456"));
    }

    // --- setters with their own rules -------------------------------------

    void logPermissionAnnouncesTwiceInOrder()
    {
        ApplicationSettings settings;
        QStringList order;
        connect(&settings, qOverload<ApplicationSettings::LogPermission>(&ApplicationSettings::logPermissionChanged),
                this, [&](ApplicationSettings::LogPermission v) { order.append(QStringLiteral("value %1").arg(v)); });
        connect(&settings, qOverload<>(&ApplicationSettings::logPermissionChanged), this,
                [&] { order.append(QStringLiteral("plain")); });
        settings.setLogPermission(ApplicationSettings::LogPer_On);
        QCOMPARE(order, QStringList({"value 0", "plain"}));
        settings.setLogPermission(ApplicationSettings::LogPer_On);
        QCOMPARE(order.size(), 2);
        settings.setLogPermission(ApplicationSettings::LogPer_Unknown);
        QCOMPARE(order, QStringList({"value 0", "plain", "value -1", "plain"}));
    }

    void logFileListAlwaysWrites_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("empty") << QStringList();
        QTest::newRow("one") << QStringList({"/tmp/log one.txt"});
        QTest::newRow("several") << QStringList({"a.log", "b,c.log", "", "d=e;#f.log"});
    }
    void logFileListAlwaysWrites()
    {
        QFETCH(QStringList, files);
        ApplicationSettings settings;
        QSignalSpy spy(&settings, &ApplicationSettings::logFileListChanged);
        settings.setStrLogFileList(files);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(settings.strLogFileList(), files);
        QCOMPARE(settings.logFileList().size(), files.size());
        QVERIFY(!valueInFile("logFileList").isNull());

        settings.setLogFileList(settings.logFileList());
        QCOMPARE(spy.count(), 2);
        settings.setStrLogFileList(files);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(settings.strLogFileList(), files);
    }

    // --- window-state lists -----------------------------------------------

    void windowStateOnFreshFile()
    {
        ApplicationSettings settings;
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Live), 0.0);
        QCOMPARE(settings.winStateVisibleForWindow(ApplicationSettings::WinList_Main), false);
        QVERIFY(settings.winStateHeight().isEmpty());
        QVERIFY(!QFile::exists(m_path));
    }

    // Each list through its QML-callable accessors, window by window.
    void windowStatePerWindow_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<bool>("flag");
        for (const char *list : {"winStateX", "winStateY", "winStateWidth", "winStateHeight"})
            QTest::newRow(list) << QByteArray(list) << false;
        for (const char *list : {"winStateMaximised", "winStateVisible"})
            QTest::newRow(list) << QByteArray(list) << true;
    }
    void windowStatePerWindow()
    {
        QFETCH(QByteArray, list);
        QFETCH(bool, flag);
        ApplicationSettings settings;
        const QByteArray setter = "set" + list.left(1).toUpper() + list.mid(1) + "ForWindow";
        const QByteArray getter = list + "ForWindow";
        auto set = [&](int w, double v) {
            return flag ? QMetaObject::invokeMethod(
                       &settings, setter,
                       Q_ARG(kavrotether::ApplicationSettings::WindowList, ApplicationSettings::WindowList(w)),
                       Q_ARG(bool, v != 0))
                        : QMetaObject::invokeMethod(
                            &settings, setter,
                            Q_ARG(kavrotether::ApplicationSettings::WindowList, ApplicationSettings::WindowList(w)),
                            Q_ARG(double, v));
        };
        auto get = [&](int w) {
            bool b = false;
            double d = -1;
            const bool ok = flag ? QMetaObject::invokeMethod(
                                &settings, getter, Q_RETURN_ARG(bool, b),
                                Q_ARG(kavrotether::ApplicationSettings::WindowList, ApplicationSettings::WindowList(w)))
                                 : QMetaObject::invokeMethod(&settings, getter, Q_RETURN_ARG(double, d),
                                                             Q_ARG(kavrotether::ApplicationSettings::WindowList,
                                                                   ApplicationSettings::WindowList(w)));
            return !ok ? -2.0 : flag ? (b ? 1.0 : 0.0) : d;
        };
        const QMetaObject *mo = settings.metaObject();
        QSignalSpy spy(&settings, mo->property(mo->indexOfProperty(list)).notifySignal());

        QList<double> expected(ApplicationSettings::WinList_Max, 0.0);
        for (int w = ApplicationSettings::WinList_Main; w < ApplicationSettings::WinList_Max; ++w) {
            QCOMPARE(get(w), 0.0);
            const double value = flag ? (w % 2 == 0 ? 1.0 : 0.0) : 100.5 * (w + 1);
            QVERIFY(set(w, value));
            expected[w] = value;
            QCOMPARE(asDoubles(rawValue(QString::fromLatin1(list))), expected);
            QCOMPARE(asDoubles(spy.last().value(0)), expected);
        }
        QCOMPARE(spy.count(), int(ApplicationSettings::WinList_Max));
        for (int w = ApplicationSettings::WinList_Main; w < ApplicationSettings::WinList_Max; ++w)
            QCOMPARE(get(w), expected[w]);
    }

    void windowWidthOnFreshFile()
    {
        ApplicationSettings settings;
        settings.setWinStateWidthForWindow(ApplicationSettings::WinList_Preview, 800);
        QCOMPARE(asDoubles(rawValue("winStateWidth")), six(0, 0, 0, 0, 800, 0));
        QCOMPARE(valueInFile("winStateWidth"), QByteArray("0, 0, 0, 0, 800, 0"));
    }

    void flagsAreStoredAsOneAndZero()
    {
        ApplicationSettings settings;
        settings.setWinStateMaximisedForWindow(ApplicationSettings::WinList_Live, true);
        settings.setWinStateVisibleForWindow(ApplicationSettings::WinList_Flash, true);
        settings.setWinStateVisibleForWindow(ApplicationSettings::WinList_Main, true);
        QCOMPARE(asDoubles(rawValue("winStateMaximised")), six(0, 0, 1, 0, 0, 0));
        QCOMPARE(asDoubles(rawValue("winStateVisible")), six(1, 1, 0, 0, 0, 0));
        settings.setWinStateVisibleForWindow(ApplicationSettings::WinList_Flash, false);
        QCOMPARE(asDoubles(rawValue("winStateVisible")), six(1, 0, 0, 0, 0, 0));
        QVERIFY(settings.winStateVisibleForWindow(ApplicationSettings::WinList_Main));
        QVERIFY(!settings.winStateVisibleForWindow(ApplicationSettings::WinList_Flash));
        QVERIFY(settings.winStateMaximisedForWindow(ApplicationSettings::WinList_Live));
    }

    void shortListKeepsItsValues()
    {
        ApplicationSettings settings;
        settings.setWinStateX({11.0, 22.0, 33.0});
        settings.setWinStateXForWindow(ApplicationSettings::WinList_Flash, 10);
        QCOMPARE(asDoubles(rawValue("winStateX")), QList<double>({11, 10, 33}));
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_CamList), 0.0);
        // A window beyond the stored list: the list grows to one element per
        // window and the three windows' positions survive.
        settings.setWinStateXForWindow(ApplicationSettings::WinList_Preference, 10);
        QCOMPARE(asDoubles(rawValue("winStateX")), six(11, 10, 33, 0, 0, 10));
        // A longer list keeps its tail.
        settings.setWinStateY({1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0});
        settings.setWinStateYForWindow(ApplicationSettings::WinList_Main, -40);
        QCOMPARE(asDoubles(rawValue("winStateY")), QList<double>({-40, 2, 3, 4, 5, 6, 7, 8}));
    }

    void perWindowSetterAlwaysWrites()
    {
        ApplicationSettings settings;
        QSignalSpy spy(&settings, &ApplicationSettings::winStateHeightChanged);
        settings.setWinStateHeightForWindow(ApplicationSettings::WinList_Main, 600);
        settings.setWinStateHeightForWindow(ApplicationSettings::WinList_Main, 600);
        settings.setWinStateHeight(settings.winStateHeight());
        QCOMPARE(spy.count(), 3);
    }

    // A list key that holds one plain text, the way Qt writes a one-element
    // string list and the way a hand-edited file looks.
    void singleTextIsAOneElementList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("logFiles");
        QTest::addColumn<double>("mainX");
        QTest::newRow("file name") << "tether.log" << QStringList{"tether.log"} << 0.0;
        QTest::newRow("number") << "12" << QStringList{"12"} << 12.0;
        QTest::newRow("empty") << "" << QStringList() << 0.0;
    }
    void singleTextIsAOneElementList()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, logFiles);
        QFETCH(double, mainX);
        setRaw("logFileList", text);
        setRaw("winStateX", text);
        ApplicationSettings settings;
        QCOMPARE(settings.strLogFileList(), logFiles);
        QCOMPARE(settings.logFileList().size(), logFiles.size());
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Main), mainX);
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Flash), 0.0);
    }

    void badElementsReadAsZero()
    {
        setRaw("winStateX", QStringList({"abc", "nan", "inf", "12.5", ""}));
        ApplicationSettings settings;
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Main), 0.0);
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Flash), 0.0);
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Live), 0.0);
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_CamList), 12.5);
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Preview), 0.0);
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Preference), 0.0);
        setRaw("winStateVisible", QStringList({"abc", "0.5", "-1", "0"}));
        QVERIFY(!settings.winStateVisibleForWindow(ApplicationSettings::WinList_Main));
        QVERIFY(settings.winStateVisibleForWindow(ApplicationSettings::WinList_Flash));
        QVERIFY(settings.winStateVisibleForWindow(ApplicationSettings::WinList_Live));
        QVERIFY(!settings.winStateVisibleForWindow(ApplicationSettings::WinList_CamList));
    }

    void indexThatNamesNoWindow_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("unknown") << int(ApplicationSettings::WinList_Unknown);
        QTest::newRow("max") << int(ApplicationSettings::WinList_Max);
        QTest::newRow("beyond") << 7;
        QTest::newRow("negative") << -100;
        QTest::newRow("huge") << (1 << 30);
    }
    void indexThatNamesNoWindow()
    {
        QFETCH(int, window);
        const auto w = ApplicationSettings::WindowList(window);
        ApplicationSettings settings;
        const QVariantList stored = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0};
        settings.setWinStateWidth(stored);
        settings.setWinStateVisible(stored);
        QSignalSpy spy(&settings, &ApplicationSettings::winStateWidthChanged);
        QCOMPARE(settings.winStateWidthForWindow(w), 0.0);
        QVERIFY(!settings.winStateVisibleForWindow(w));
        settings.setWinStateWidthForWindow(w, 99);
        settings.setWinStateVisibleForWindow(w, false);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(asDoubles(rawValue("winStateWidth")), asDoubles(stored));
        QCOMPARE(asDoubles(rawValue("winStateVisible")), asDoubles(stored));
    }

    // --- threads ----------------------------------------------------------

    void workerWritesWhileGuiReads()
    {
        constexpr int count = 300;
        ApplicationSettings settings;
        QSignalSpy spy(&settings, &ApplicationSettings::fileNumberChanged);
        Writer writer(&settings, count);
        writer.start();
        int last = 0;
        int reads = 0;
        int gridValue = 2;
        while (!writer.isFinished()) {
            const int seen = settings.fileNumber();
            QVERIFY2(seen >= last && seen <= count, qPrintable(QString::number(seen)));
            last = seen;
            const double x = settings.winStateXForWindow(ApplicationSettings::WinList_Live);
            QVERIFY(x >= 0 && x <= count);
            // The GUI thread writes its own keys meanwhile.
            gridValue = 2 + (reads % 7);
            settings.setGridHorNum(gridValue);
            ++reads;
        }
        QVERIFY(writer.wait(60000));
        QCOMPARE(settings.fileNumber(), count);
        QCOMPARE(settings.gridHorNum(), gridValue);
        QCOMPARE(settings.winStateXForWindow(ApplicationSettings::WinList_Live), double(count));
        QCOMPARE(spy.count(), count);
        QCOMPARE(spy.last().value(0).toInt(), count);
        // Everything reached the disk.
        QCOMPARE(valueInFile("fileNumber"), QByteArray::number(count));
        QCOMPARE(valueInFile("gridHorNum"), QByteArray::number(gridValue));
    }

    void racingSettersAnnounceOneChange()
    {
        // Both threads set the same new value in each round, released
        // together: only one of them may see a change. The running number
        // takes every value of the rounds.
        constexpr int rounds = 200;
        ApplicationSettings settings;
        std::atomic<int> changes{0};
        std::atomic<int> ready{0};
        std::atomic<int> go{0};
        connect(
            &settings, &ApplicationSettings::fileNumberChanged, &settings, [&] { ++changes; }, Qt::DirectConnection);
        std::unique_ptr<QThread> other(QThread::create([&] {
            for (int round = 1; round <= rounds; ++round) {
                ready.store(round);
                while (go.load() != round)
                    QThread::yieldCurrentThread();
                settings.setFileNumber(round);
            }
        }));
        other->start();
        for (int round = 1; round <= rounds; ++round) {
            while (ready.load() != round)
                QThread::yieldCurrentThread();
            go.store(round);
            settings.setFileNumber(round);
        }
        QVERIFY(other->wait(60000));
        QCOMPARE(changes.load(), rounds);
        QCOMPARE(settings.fileNumber(), rounds);
    }
};

QTEST_GUILESS_MAIN(TestApplicationSettings)
#include "tst_applicationsettings.moc"
