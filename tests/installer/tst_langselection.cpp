#include "FaultyStorage.h"
#include "KvLangSelection.h"
#include "PropertyList.h"
#include "app/Startup.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace kavrotether;
using namespace kavrotether::installer;

namespace {

const QString kResources = QStringLiteral(KVLANG_RESOURCES);
const QStringList kCodes{"ja", "en", "de", "es", "fr", "it", "ru", "zh"};

// Points the user's Application Support (the program's data folder too) at
// a temporary folder for as long as it lives.
class DataFolder
{
public:
    DataFolder() : m_old(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", m_dir.path().toUtf8()); }
    ~DataFolder() { qputenv("XDG_DATA_HOME", m_old); }
    QString path() const { return m_dir.path(); }
    QString plist() const { return m_dir.filePath("KAVRO Rozado/ini/setup.plist"); }
    QString doc(const QString &name) const { return m_dir.filePath("KAVRO Rozado/doc/" + name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

// The pane as the Installer makes it, on a given resource folder.
struct Pane
{
    explicit Pane(const QString &resources = kResources) : section(Bundle(resources)), pane(&section)
    {
        pane.awakeFromNib();
    }
    // The user picks a title and leaves the pane.
    void leaveWith(const QString &title)
    {
        pane.didEnterPane(PaneDirection::Forward);
        pane.btnPopupSelection()->selectItemWithTitle(title);
        pane.didExitPane(PaneDirection::Forward);
    }
    InstallerSection section;
    KvLangSelection pane;
};

// A copy of the real resources, less the named entries.
QString resourcesWithout(const QTemporaryDir &dir, const QStringList &removed)
{
    const QString copy = dir.filePath("Resources");
    QString error;
    if (!KvLangSelection::copyDoc(kResources, copy, &error))
        qWarning("%s", qPrintable(error));
    for (const QString &name : removed) {
        const QString path = QDir(copy).filePath(name);
        if (!QFile::remove(path))
            QDir(path).removeRecursively();
    }
    return copy;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), qint64(content.size()));
}

QByteArray plistWith(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n"
           + body + "\n</plist>\n";
}

} // namespace

class TestLangSelection : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bundle::setUserLanguages({"en-US"}); }

    void languageMapping_data()
    {
        QTest::addColumn<bool>("withDictionary");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("code");
        const QStringList titles = KvLangSelection::languageTitles();
        const QStringList codes{"en", "ja", "fr", "de", "ru", "es", "it", "zh"};
        for (int i = 0; i < titles.size(); ++i)
            QTest::addRow("title %s", qPrintable(codes.at(i))) << true << titles.at(i) << codes.at(i);
        QTest::newRow("installer localisation") << true << "Japanese"
                                                << "ja";
        QTest::newRow("traditional Chinese") << true << "zh_TW"
                                             << "zh";
        QTest::newRow("unknown title") << true << "Klingon"
                                       << "en";
        QTest::newRow("nothing selected") << true << QString() << "en";
        QTest::newRow("no dictionary") << false << "Español"
                                       << "en";
    }
    void languageMapping()
    {
        QFETCH(bool, withDictionary);
        QFETCH(QString, key);
        QFETCH(QString, code);
        QTemporaryDir dir;
        if (!withDictionary)
            QTest::ignoreMessage(QtWarningMsg, "Missing SupportLocalization.plist file");
        Pane p(withDictionary ? kResources : resourcesWithout(dir, {"SupportLocalization.plist"}));
        QCOMPARE(p.pane.getLanguageSupportForNativeLang(key), code);
    }

    void titlesAndPreselection_data()
    {
        QTest::addColumn<QStringList>("userLanguages");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("selected"); // empty: nothing selected
        QTest::newRow("Japanese") << QStringList{"ja-JP"} << QString() << "日本語";
        QTest::newRow("German") << QStringList{"de-DE", "en-US"} << QString() << "Deutsche";
        QTest::newRow("simplified Chinese") << QStringList{"zh-Hans-CN"} << QString() << "中文";
        QTest::newRow("traditional Chinese") << QStringList{"zh-TW"} << QString() << "中文";
        QTest::newRow("Installer speaks it, the program not")
            << QStringList{"ko-KR", "fr-FR"} << QString() << "English";
        QTest::newRow("Installer does not speak it") << QStringList{"tlh"} << QString() << "English";
        QTest::newRow("no title list") << QStringList{"es-ES"} << "LanguageTitle.plist" << QString();
    }
    void titlesAndPreselection()
    {
        QFETCH(QStringList, userLanguages);
        QFETCH(QString, missing);
        QFETCH(QString, selected);
        Bundle::setUserLanguages(userLanguages);
        QTemporaryDir dir;
        if (!missing.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "Missing LanguageTitle.plist file");
        Pane p(missing.isEmpty() ? kResources : resourcesWithout(dir, {missing}));
        QCOMPARE(p.pane.btnPopupSelection()->itemTitles(),
                 (QStringList{"English", "日本語", "Français", "Deutsche", "русский", "Español", "Italiano", "中文"}));
        QCOMPARE(p.pane.btnPopupSelection()->titleOfSelectedItem(), selected);
    }

    void paneTitle_data()
    {
        QTest::addColumn<QString>("userLanguage");
        QTest::addColumn<QString>("title");
        QTest::newRow("German") << "de-AT"
                                << "Sprache";
        QTest::newRow("Chinese") << "zh-CN"
                                 << "语言";
        QTest::newRow("unknown: development language") << "ko"
                                                       << "Language";
    }
    void paneTitle()
    {
        QFETCH(QString, userLanguage);
        QFETCH(QString, title);
        Bundle::setUserLanguages({userLanguage});
        Pane p;
        QCOMPARE(p.pane.title(), title);
    }

    // The language is set in place; every other key keeps its type, text and place.
    void plistReadModifyWrite_data()
    {
        QTest::addColumn<QByteArray>("existing"); // null: no file
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("no file") << QByteArray() << QStringList{"Language"};
        QTest::newRow("empty file") << QByteArray("") << QStringList{"Language"};
        QTest::newRow("other keys kept") << plistWith(
            "<dict><key>Version</key><string>a &lt;&amp;&gt; ü</string>"
            "<key>Language</key><string>ja</string><key>Count</key><integer>-12</integer>"
            "<key>Scale</key><real>1.5</real><key>On</key><true/><key>Off</key><false/>"
            "<key>When</key><date>2026-01-02T03:04:05Z</date><key>Blob</key><data>\n AAEC\n</data>"
            "<key>List</key><array><string>x</string><integer>1</integer></array>"
            "<key>Sub</key><dict><key>Language</key><string>fr</string></dict><key>Empty</key><dict/>"
            "</dict>") << QStringList{"Version", "Language", "Count", "Scale", "On",   "Off",
                                      "When",    "Blob",     "List",  "Sub",   "Empty"};
    }
    void plistReadModifyWrite()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QStringList, keys);
        DataFolder data;
        if (!existing.isNull())
            writeFile(data.plist(), existing);
        Pane p;
        QVERIFY(p.pane.setupInstallLanguage("es"));

        const auto written = readPropertyList(readAll(data.plist()));
        QVERIFY(written && written->type == PlistValue::Type::Dict);
        QCOMPARE(written->keys, keys);
        QCOMPARE(written->value("Language")->text, QString("es"));
        if (keys.size() > 1) {
            const auto before = readPropertyList(existing);
            for (const QString &key : keys) {
                if (key == QLatin1String("Language"))
                    continue;
                const auto stripped = [](const PlistValue *v) {
                    return QString(v->text).remove(QRegularExpression("\\s"));
                };
                QCOMPARE(int(written->value(key)->type), int(before->value(key)->type));
                QCOMPARE(stripped(written->value(key)), stripped(before->value(key)));
            }
            QCOMPARE(written->value("List")->values.size(), size_t(2));
            QCOMPARE(written->value("Sub")->value("Language")->text, QString("fr"));
        }
        // The program's own reader and an independent one read what was written.
        QCOMPARE(startup::readSetupPlistLanguage(data.plist()), QString("es"));
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            return;
        QProcess py;
        py.start(python, {"-c",
                          "import plistlib,sys,json; d=plistlib.load(open(sys.argv[1],'rb')); "
                          "print(json.dumps({k: str(v) for k, v in d.items()}))",
                          data.plist()});
        QVERIFY(py.waitForFinished(30000));
        QCOMPARE(py.exitCode(), 0);
        const QJsonObject json = QJsonDocument::fromJson(py.readAllStandardOutput()).object();
        QCOMPARE(json.keys().size(), keys.size());
        QCOMPARE(json.value("Language").toString(), QString("es"));
        if (keys.contains("Count")) {
            QCOMPARE(json.value("Version").toString(), QString("a <&> ü"));
            QCOMPARE(json.value("Count").toString(), QString("-12"));
            QCOMPARE(json.value("On").toString(), QString("True"));
            QCOMPARE(json.value("Blob").toString(), QString("b'\\x00\\x01\\x02'"));
        }
    }

    // What is not a property-list dictionary of ours is reported and not touched.
    void plistLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("folder") << "folder" << QByteArray();
        QTest::newRow("not XML") << "file" << QByteArray("Language=ja\n");
        QTest::newRow("truncated") << "file"
                                   << plistWith("<dict><key>Language</key><string>ja</string></dict>").chopped(25);
        QTest::newRow("root is an array") << "file" << plistWith("<array><string>ja</string></array>");
        QTest::newRow("key without value") << "file" << plistWith("<dict><key>Language</key></dict>");
        QTest::newRow("unknown element") << "file" << plistWith("<dict><key>A</key><color>red</color></dict>");
        QTest::newRow("nested too deeply") << "file"
                                           << plistWith("<dict><key>A</key>" + QByteArray("<array>").repeated(80)
                                                        + QByteArray("</array>").repeated(80) + "</dict>");
        QTest::newRow("oversized") << "file"
                                   << plistWith("<dict><key>A</key><string>" + QByteArray(2 * 1024 * 1024, 'x')
                                                + "</string></dict>");
        QTest::newRow("unreadable") << "unreadable" << plistWith("<dict/>");
        QTest::newRow("FIFO") << "fifo" << QByteArray();
        QTest::newRow("disk full") << "full"
                                   << plistWith("<dict><key>Version</key><string>2</string>"
                                                "<key>Language</key><string>ja</string></dict>");
    }
    void plistLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        DataFolder data;
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(data.plist()));
            writeFile(data.plist() + "/inside", "kept");
        } else if (kind == QLatin1String("fifo")) {
            QVERIFY(QDir().mkpath(QFileInfo(data.plist()).absolutePath()));
            QCOMPARE(::mkfifo(QFile::encodeName(data.plist()).constData(), 0600), 0);
        } else {
            writeFile(data.plist(), content);
        }
        if (kind == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(data.plist(), QFileDevice::Permissions()));
            if (::access(QFile::encodeName(data.plist()).constData(), R_OK) == 0)
                QSKIP("This user reads files without read permission");
        }
        Pane p;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("The language is not recorded: .*setup.plist"));
        {
            std::optional<test::FaultyStorage> storage;
            if (kind == QLatin1String("full"))
                storage.emplace(QFileInfo(data.plist()).absolutePath(), test::FaultyStorage::Full);
            QVERIFY(!p.pane.setupInstallLanguage("de"));
        }
        if (kind == QLatin1String("folder")) {
            QVERIFY(QFileInfo(data.plist()).isDir());
            QCOMPARE(readAll(data.plist() + "/inside"), QByteArray("kept"));
        } else if (kind == QLatin1String("fifo")) {
            // The program at start passes it by too.
            QCOMPARE(startup::readSetupPlistLanguage(data.plist()), QString());
        } else {
            QFile::setPermissions(data.plist(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(readAll(data.plist()), content);
        }
    }

    // The new file replaces the old one by a rename: another name for the old
    // file keeps the old content, and nothing half-written stays behind.
    void plistWrittenAtomically()
    {
        DataFolder data;
        const QByteArray old = plistWith("<dict><key>Language</key><string>ja</string></dict>");
        writeFile(data.plist(), old);
        const QString otherName = QFileInfo(data.plist()).dir().filePath("link");
        QCOMPARE(::link(QFile::encodeName(data.plist()).constData(), QFile::encodeName(otherName).constData()), 0);
        Pane p;
        QVERIFY(p.pane.setupInstallLanguage("ru"));
        QCOMPARE(readAll(otherName), old);
        QCOMPARE(startup::readSetupPlistLanguage(data.plist()), QString("ru"));
        QCOMPARE(QFileInfo(data.plist()).dir().entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"link", "setup.plist"}));
    }

    // Leaving the pane twice replaces the documents; a missing source keeps the old copy.
    void documents_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("noticesFrom"); // the language whose notices stay
        QTest::addColumn<QString>("guideFrom");
        QTest::newRow("second pass replaces both") << QString() << "de"
                                                   << "de";
        QTest::newRow("no notices for the second") << "thirdparty(de).txt"
                                                   << "es"
                                                   << "de";
        QTest::newRow("no guide for the second") << "OperationGuide(de)"
                                                 << "de"
                                                 << "es";
    }
    void documents()
    {
        QFETCH(QString, missing);
        QFETCH(QString, noticesFrom);
        QFETCH(QString, guideFrom);
        DataFolder data;
        QTemporaryDir dir;
        Pane p(missing.isEmpty() ? kResources : resourcesWithout(dir, {missing}));
        p.leaveWith("Español");
        QVERIFY(p.pane.lastExitComplete());
        writeFile(data.doc("OperationGuide/stale.html"), "from before");

        if (!missing.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "In copyDoc@KvLangSelection: Failed(1)");
        p.leaveWith("Deutsche");
        QCOMPARE(p.pane.lastExitComplete(), missing.isEmpty());
        QCOMPARE(startup::readSetupPlistLanguage(data.plist()), QString("de"));
        QCOMPARE(readAll(data.doc("thirdparty.txt")), readAll(kResources + "/thirdparty(" + noticesFrom + ").txt"));
        QCOMPARE(readAll(data.doc("OperationGuide/index.html")),
                 readAll(kResources + "/OperationGuide(" + guideFrom + ")/index.html"));
        QCOMPARE(QFileInfo::exists(data.doc("OperationGuide/stale.html")), guideFrom == QLatin1String("es"));
        QCOMPARE(QDir(data.doc(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"OperationGuide", "thirdparty.txt"}));
    }

    void centring_data()
    {
        QTest::addColumn<double>("superX");
        QTest::addColumn<double>("superWidth");
        QTest::addColumn<double>("popupWidth");
        QTest::addColumn<double>("x");
        QTest::newRow("pane") << 0.0 << 418.0 << 204.0 << 105.0;
        QTest::newRow("half rounds up") << 0.0 << 401.0 << 100.0 << 149.0;
        QTest::newRow("negative half rounds down") << -10.5 << 0.0 << 0.0 << -13.0;
        QTest::newRow("superview offset counts") << 30.0 << 400.0 << 100.0 << 178.0;
        QTest::newRow("single precision first") << 0.49999999999 << 0.0 << 0.0 << -1.0;
        QTest::newRow("no superview") << 0.0 << 0.0 << 101.0 << -53.0;
    }
    void centring()
    {
        QFETCH(double, superX);
        QFETCH(double, superWidth);
        QFETCH(double, popupWidth);
        QFETCH(double, x);
        QCOMPARE(KvLangSelection::centredPopupX({superX, 0, superWidth, 300}, popupWidth), x);
    }

    // The pop-up follows the content view only while the pane is shown.
    void recentresWhileShown()
    {
        DataFolder data;
        Pane p;
        View *content = p.pane.window()->contentView();
        PopUpButton *popup = p.pane.btnPopupSelection();
        p.pane.didEnterPane(PaneDirection::Forward);
        QCOMPARE(popup->frame().x, 105.0);
        content->setFrame({0, 0, 620, 330});
        QCOMPARE(popup->frame(), (Rect{206, 150, 204, 26}));
        p.pane.didExitPane(PaneDirection::Backward);
        QCOMPARE(NotificationCenter::defaultCenter().observerCount(&p.pane), 0);
        content->setFrame({0, 0, 418, 330});
        QCOMPARE(popup->frame().x, 206.0);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("language"); // recorded afterwards; empty: no file
        QTest::newRow("title") << QStringList{"Español"} << QString() << 0 << "es";
        QTest::newRow("code") << QStringList{"ru"} << QString() << 0 << "ru";
        QTest::newRow("unknown") << QStringList{"pt"} << QString() << 2 << QString();
        QTest::newRow("no language") << QStringList{} << QString() << 2 << QString();
        QTest::newRow("two languages") << QStringList{"de", "fr"} << QString() << 2 << QString();
        QTest::newRow("unknown option") << QStringList{"--colour", "de"} << QString() << 2 << QString();
        QTest::newRow("no resources") << QStringList{"--bundle", "/nonexistent", "de"} << QString() << 2 << QString();
        QTest::newRow("document missing") << QStringList{"it"} << "thirdparty(it).txt" << 1 << "it";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, missing);
        QFETCH(int, exitCode);
        QFETCH(QString, language);
        QTemporaryDir data;
        QTemporaryDir dir;
        if (!arguments.contains("--bundle"))
            arguments = QStringList{"--bundle", missing.isEmpty() ? kResources : resourcesWithout(dir, {missing})}
                        + arguments;
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", data.path());
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(KVLANG_CLI), arguments);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), exitCode);
        if (exitCode == 2)
            QVERIFY(!cli.readAllStandardError().trimmed().isEmpty());
        QCOMPARE(startup::readSetupPlistLanguage(data.filePath("KAVRO Rozado/ini/setup.plist")), language);
    }

    // What the pane leaves behind is what the program reads at start and opens as its manual.
    void programMeetsPane_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : kCodes)
            QTest::newRow(qPrintable(code)) << code;
    }
    void programMeetsPane()
    {
        QFETCH(QString, code);
        DataFolder data;
        Pane p;
        QString title;
        for (const QString &candidate : KvLangSelection::languageTitles()) {
            if (p.pane.getLanguageSupportForNativeLang(candidate) == code)
                title = candidate;
        }
        QVERIFY(!title.isEmpty());
        p.leaveWith(title);
        QVERIFY(p.pane.lastExitComplete());
        QCOMPARE(startup::language({"KAVROTether"}, QLocale::English, nullptr), code);
        const QString manual = applicationDataFolder() + "/doc/OperationGuide/index.html";
        QVERIFY2(readAll(manual).contains("<html lang=\"" + code.toUtf8() + "\""), qPrintable(manual));
        QVERIFY(!readAll(applicationDataFolder() + "/doc/thirdparty.txt").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLangSelection)
#include "tst_langselection.moc"
