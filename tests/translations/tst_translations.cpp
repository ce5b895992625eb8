// The translations against the code: every id a qsTr()/tr() of the C++ or
// QML names, and every id of the English file (the master for ids built at
// run time, such as "ERR-<code>" and the option catalogue's texts), must be
// present and finished in each language, with the same placeholders and
// line breaks as the English text.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString translation;
    bool finished = true;
};

// (context, id) -> message
using Catalogue = QMap<QPair<QString, QString>, Message>;

Catalogue readTs(const QString &path, QString *error)
{
    Catalogue result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return result;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.finished = type.isEmpty();
            message.translation = xml.readElementText();
            // Vanished and obsolete entries are not translations the program can use.
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                result.insert({context, source}, message);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return result;
}

// What a translation must carry over from the English text unchanged.
QStringList markers(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?\\d+|<br\\s*/?>"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(0).remove(QLatin1Char(' '));
    found.sort();
    return found;
}

QString describe(const QList<QPair<QString, QString>> &ids)
{
    QStringList lines;
    for (const auto &id : ids.mid(0, 25))
        lines << id.first + QStringLiteral(" / ") + id.second;
    if (ids.size() > 25)
        lines << QStringLiteral("... and %1 more").arg(ids.size() - 25);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    Catalogue m_code;
    Catalogue m_english;

    static QString tsPath(const QString &code)
    {
        return QStringLiteral(KAVRO_SOURCE_TREE "/translations/translation_%1.ts").arg(code);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString out = m_dir.filePath(QStringLiteral("code.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(KAVRO_LUPDATE),
                      {QStringLiteral(KAVRO_SOURCE_TREE), QStringLiteral("-extensions"),
                       QStringLiteral("cpp,h,qml,js"), QStringLiteral("-silent"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-ts"), out});
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        QCOMPARE(lupdate.exitStatus(), QProcess::NormalExit);
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QString error;
        m_code = readTs(out, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(m_code.size() > 100, "lupdate found almost no texts: is the source tree right?");
        m_english = readTs(tsPath(QStringLiteral("en")), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void everyLanguageIsComplete_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"ja", "en", "de", "es", "fr", "it", "ru", "zh"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void everyLanguageIsComplete()
    {
        QFETCH(QString, code);
        QString error;
        const Catalogue language = readTs(tsPath(code), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        QSet<QPair<QString, QString>> wanted;
        for (auto it = m_code.cbegin(); it != m_code.cend(); ++it)
            wanted.insert(it.key());
        for (auto it = m_english.cbegin(); it != m_english.cend(); ++it)
            wanted.insert(it.key());

        QList<QPair<QString, QString>> missing, unfinished, damaged;
        for (const auto &id : wanted) {
            const auto found = language.constFind(id);
            if (found == language.cend()) {
                missing << id;
                continue;
            }
            // A blank (" ") text is deliberate in a few places; only an empty one is unfinished.
            if (!found->finished || found->translation.isEmpty()) {
                unfinished << id;
                continue;
            }
            const auto english = m_english.constFind(id);
            if (english != m_english.cend() && markers(english->translation) != markers(found->translation))
                damaged << id;
        }
        std::sort(missing.begin(), missing.end());
        std::sort(unfinished.begin(), unfinished.end());
        std::sort(damaged.begin(), damaged.end());
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing:\n") + describe(missing)));
        QVERIFY2(unfinished.isEmpty(), qPrintable(QStringLiteral("unfinished:\n") + describe(unfinished)));
        QVERIFY2(damaged.isEmpty(),
                 qPrintable(QStringLiteral("placeholders or line breaks differ from English:\n") + describe(damaged)));

        // The version file is per language; Japanese keeps its historical "jp".
        const QString fileCode = code == QLatin1String("ja") ? QStringLiteral("jp") : code;
        const Message url = language.value({QStringLiteral("kavrotether::XmlDownloadManager"), QStringLiteral("URL")});
        QVERIFY2(url.translation.startsWith(QLatin1String("https://")) && url.translation.contains(QLatin1String(".example/"))
                     && url.translation.endsWith(QStringLiteral("_%1.xml").arg(fileCode)),
                 qPrintable(url.translation));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
