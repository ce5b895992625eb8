#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QTranslator>

#include <memory>

#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "support/IsolatedSettings.h"
#include "versioncheck/VersionCheckHandler.h"
#include "versioncheck/VersionData.h"

using namespace kavrotether;

namespace {

// Supplies the version file's address the way an installed language would.
class UrlTranslator : public QTranslator
{
public:
    QString url;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "kavrotether::XmlDownloadManager") == 0 && qstrcmp(source, "URL") == 0 ? url
                                                                                                       : QString();
    }
};

// A minimal HTTPS server on 127.0.0.1 (plain HTTP without a key pair):
// each path answers with a fixed status, extra header lines and body, then
// closes the connection; a silent path never answers, a trickled one sends
// a byte per tick, an endless one header lines without end. An interim
// answer goes before the answer. An unsized body of that many bytes goes
// without a length, only as fast as the client takes it: what the server
// got to send before the client went shows whether the client cut it.
class LocalHttpsServer : public QObject
{
public:
    struct Route
    {
        int status = 200;
        QByteArray headers;
        QByteArray body;
        bool silent = false;
        bool trickled = false;
        bool endless = false;
        QByteArray interim{};
        qint64 unsized = 0;
    };
    QHash<QByteArray, Route> routes;
    int requests = 0;
    qint64 unsizedSent = 0;

    explicit LocalHttpsServer(const QString &pairName = QString())
    {
        if (pairName.isEmpty()) {
            m_server = std::make_unique<QTcpServer>();
        } else {
            auto server = std::make_unique<QSslServer>();
            QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
            tls.setLocalCertificate(QSslCertificate(readFile(pairName + "-cert.pem")));
            tls.setPrivateKey(QSslKey(readFile(pairName + "-key.pem"), QSsl::Rsa));
            tls.setPeerVerifyMode(QSslSocket::VerifyNone);
            server->setSslConfiguration(tls);
            m_server = std::move(server);
        }
        connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket *socket = m_server->nextPendingConnection())
                serve(socket);
        });
        m_server->listen(QHostAddress::LocalHost, 0);
    }
    bool isListening() const { return m_server->isListening(); }
    QString url(const QString &scheme, const QByteArray &path) const
    {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(m_server->serverPort()).arg(QString(path));
    }
    static QByteArray readFile(const QString &name)
    {
        QFile file(QStringLiteral(VERSIONCHECK_TESTDATA "/test-only-%1").arg(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            m_pending[socket] += socket->readAll();
            const QByteArray request = m_pending[socket];
            if (!request.contains("\r\n\r\n"))
                return;
            m_pending.remove(socket);
            ++requests;
            const QByteArray path = request.split(' ').value(1);
            const Route route = routes.value(path, Route{404, {}, "not here"});
            const QByteArray answer = route.interim + "HTTP/1.1 " + QByteArray::number(route.status)
                                      + " X\r\nConnection: close\r\n" + route.headers + "Content-Length: "
                                      + QByteArray::number(route.body.size()) + "\r\n\r\n" + route.body;
            if (route.unsized > 0) {
                unsizedSent = 0;
                socket->write("HTTP/1.1 200 X\r\nConnection: close\r\n\r\n");
                // A TLS socket counts its encrypted bytes apart.
                auto *tls = qobject_cast<QSslSocket *>(socket);
                const auto more = [this, socket, tls, total = route.unsized] {
                    constexpr qint64 kPiece = 64 * 1024;
                    while (socket->bytesToWrite() + (tls ? tls->encryptedBytesToWrite() : 0) < 4 * kPiece
                           && unsizedSent < total) {
                        const qint64 piece = qMin(kPiece, total - unsizedSent);
                        socket->write(QByteArray(int(piece), ' '));
                        unsizedSent += piece;
                    }
                    if (unsizedSent == total)
                        socket->disconnectFromHost();
                };
                connect(socket, &QTcpSocket::bytesWritten, socket, more);
                if (tls)
                    connect(tls, &QSslSocket::encryptedBytesWritten, socket, more);
                more();
            } else if (route.trickled || route.endless) {
                auto *tick = new QTimer(socket);
                connect(tick, &QTimer::timeout, socket, [socket, answer, route, sent = 0]() mutable {
                    if (route.endless)
                        socket->write(sent++ ? "X-Padding: " + QByteArray(4000, 'p') + "\r\n" : "HTTP/1.1 200 X\r\n");
                    else if (sent < answer.size())
                        socket->write(answer.mid(sent++, 1));
                });
                tick->start(route.endless ? 1 : 20);
            } else if (!route.silent) {
                socket->write(answer);
                socket->disconnectFromHost();
            }
        });
    }
    std::unique_ptr<QTcpServer> m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

// A host name no resolver knows: only the proxy below reaches it.
constexpr char kProxiedHost[] = "versions.kavro.invalid";

// An HTTPS proxy (CONNECT) on 127.0.0.1 that takes kProxiedHost for
// 127.0.0.1 and closes on any other host.
class ConnectProxy : public QTcpServer
{
public:
    ConnectProxy()
    {
        connect(this, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket *client = nextPendingConnection()) {
                auto *target = new QTcpSocket(client);
                connect(target, &QTcpSocket::connected, client, [client] { client->write("HTTP/1.1 200 OK\r\n\r\n"); });
                connect(target, &QTcpSocket::readyRead, client, [client, target] { client->write(target->readAll()); });
                connect(target, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
                connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
                connect(client, &QTcpSocket::readyRead, client, [client, target] {
                    if (target->state() != QAbstractSocket::UnconnectedState)
                        return void(target->write(client->readAll()));
                    if (!client->peek(4096).contains("\r\n\r\n"))
                        return;
                    const QList<QByteArray> words = client->readAll().split(' ');
                    const QList<QByteArray> authority = words.value(1).split(':');
                    if (words.value(0) == "CONNECT" && authority.value(0) == kProxiedHost)
                        target->connectToHost(QHostAddress::LocalHost, authority.value(1).toUShort());
                    else
                        client->disconnectFromHost();
                });
            }
        });
        listen(QHostAddress::LocalHost, 0);
    }
};

QByteArray versionFile(const QByteArray &entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<update>\n<productName>KAVRO Rozado</productName>\n" + entries
           + "</update>\n";
}

QByteArray entry(const QByteArray &version, const QByteArray &importance = "H")
{
    const QList<QByteArray> n = version.split('.');
    return "<model name=\"R-" + version + "\">\n<major>" + n.value(0) + "</major>\n<minor>" + n.value(1)
           + "</minor>\n<build>" + n.value(2) + "</build>\n<revision>" + n.value(3) + "</revision>\n<importance>"
           + importance + "</importance>\n<notice>Notice " + version + "</notice>\n<address>https://kavro.example/"
           + version + "</address>\n</model>\n";
}

// Records what the desktop would have been asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class tst_VersionCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void checkAgainstServer_data();
    void checkAgainstServer();
    void checkSwitchedOff();
    void plainHttpRefused();
    void checkGivesUp_data();
    void checkGivesUp();
    void fileContents_data();
    void fileContents();
    void openUrl_data();
    void openUrl();
    void truncatedFiles();
    void mutatedFiles();

private:
    test::IsolatedSettings m_isolated;
    QTemporaryDir m_temp;
    std::unique_ptr<ApplicationSettings> m_settings;
    std::unique_ptr<LocalHttpsServer> m_trusted;
    std::unique_ptr<LocalHttpsServer> m_untrusted;
    UrlTranslator m_translator;
    UrlRecorder m_recorder;
};

void tst_VersionCheck::initTestCase()
{
    // The temporary folder is this test's own, so it can be seen to stay
    // empty.
    QVERIFY(m_temp.isValid());
    qputenv("TMPDIR", m_temp.path().toLocal8Bit());
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::TempLocation), m_temp.path());
    // Nothing may leave this machine, not even through its proxy: the
    // proxied row names the test's own.
    for (const char *name :
         {"http_proxy", "https_proxy", "all_proxy", "no_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "NO_PROXY"})
        qunsetenv(name);
    QSslConfiguration trust = QSslConfiguration::defaultConfiguration();
    trust.addCaCertificates(QSslCertificate::fromData(LocalHttpsServer::readFile("trusted-cert.pem")));
    QSslConfiguration::setDefaultConfiguration(trust);

    m_settings = std::make_unique<ApplicationSettings>();
    ApplicationData::setApplicationSettings(m_settings.get());
    m_trusted = std::make_unique<LocalHttpsServer>("trusted");
    m_untrusted = std::make_unique<LocalHttpsServer>("untrusted");
    QVERIFY(m_trusted->isListening() && m_untrusted->isListening());
    QCoreApplication::installTranslator(&m_translator);
    for (const char *scheme : {"https", "http", "file"})
        QDesktopServices::setUrlHandler(scheme, &m_recorder, "open");

    auto &routes = m_trusted->routes;
    routes["/newer.xml"] = {200, {}, versionFile(entry("2.13.0.0") + entry("2.12.0.1"))};
    routes["/newest.xml"] = {200, {}, versionFile(entry("2.12.0.6") + entry("3.0.0.0", "m") + entry("2.12.0.7"))};
    routes["/next.xml"] = {200, {}, versionFile(entry("2.12.0.6", "L"))};
    routes["/equal.xml"] = {200, {}, versionFile(entry("2.12.0.5"))};
    routes["/older.xml"] = {200, {}, versionFile(entry("2.11.9.9") + entry("1.0.0.0"))};
    routes["/malformed.xml"] = {200, {}, versionFile(entry("2.13.0.0")).replace("</model>", "</mode>")};
    // A file of exactly the limit is read; one byte more is refused.
    QByteArray atLimit = versionFile(entry("2.13.0.0"));
    atLimit.insert(atLimit.indexOf("</update>"), QByteArray(XmlDownloadManager::kMaxFileSize - atLimit.size(), ' '));
    routes["/limit.xml"] = {200, {}, atLimit};
    routes["/oversized.xml"] = {200, {}, atLimit.insert(atLimit.indexOf("</update>"), ' ')};
    routes["/moved.xml"] = {301, "Location: /newer.xml\r\n", {}};
    routes["/loop.xml"] = {301, "Location: /loop.xml\r\n", {}};
    routes["/insecure.xml"] = {301, "Location: " + m_trusted->url("http", "/newer.xml").toUtf8() + "\r\n", {}};
    m_untrusted->routes["/newer.xml"] = routes["/newer.xml"];
    routes["/proxied/newer.xml"] = routes["/newer.xml"];
    routes["/continued.xml"] = routes["/newer.xml"];
    routes["/continued.xml"].interim = "HTTP/1.1 100 Continue\r\n\r\n";
    const QByteArray file = routes["/newer.xml"].body;
    routes["/chunked.xml"] = {200, "Transfer-Encoding: chunked\r\n",
                              "10;x=y\r\n" + file.left(16) + "\r\n" + QByteArray::number(file.size() - 16, 16) + "\r\n"
                                  + file.mid(16) + "\r\n0\r\n\r\n"};
    routes["/silent.xml"] = {200, {}, {}, true};
    routes["/trickled.xml"] = {200, {}, routes["/newer.xml"].body, false, true};
    routes["/endless.xml"].endless = true;
    routes["/unsized.xml"].unsized = 64 * XmlDownloadManager::kMaxFileSize;
}

void tst_VersionCheck::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
    ApplicationData::setApplicationSettings(nullptr);
    for (const char *scheme : {"https", "http", "file"})
        QDesktopServices::unsetUrlHandler(scheme);
}

void tst_VersionCheck::checkAgainstServer_data()
{
    QTest::addColumn<bool>("untrusted");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("published"); // empty: nothing newer published
    QTest::addColumn<int>("importance");

    QTest::newRow("newer first") << false << QByteArray("/newer.xml") << "2.13.0.0"
                                 << int(VersionData::VersionImportance_High);
    QTest::newRow("newest of three") << false << QByteArray("/newest.xml") << "3.0.0.0"
                                     << int(VersionData::VersionImportance_Middle);
    QTest::newRow("one revision newer") << false << QByteArray("/next.xml") << "2.12.0.6"
                                        << int(VersionData::VersionImportance_Low);
    QTest::newRow("equal") << false << QByteArray("/equal.xml") << QString() << 0;
    QTest::newRow("older") << false << QByteArray("/older.xml") << QString() << 0;
    QTest::newRow("404") << false << QByteArray("/missing.xml") << QString() << 0;
    QTest::newRow("malformed") << false << QByteArray("/malformed.xml") << QString() << 0;
    QTest::newRow("at the size limit") << false << QByteArray("/limit.xml") << "2.13.0.0"
                                       << int(VersionData::VersionImportance_High);
    QTest::newRow("oversized") << false << QByteArray("/oversized.xml") << QString() << 0;
    QTest::newRow("large file without a length") << false << QByteArray("/unsized.xml") << QString() << 0;
    QTest::newRow("chunked") << false << QByteArray("/chunked.xml") << "2.13.0.0"
                             << int(VersionData::VersionImportance_High);
    QTest::newRow("https redirect followed")
        << false << QByteArray("/moved.xml") << "2.13.0.0" << int(VersionData::VersionImportance_High);
    QTest::newRow("redirect to http") << false << QByteArray("/insecure.xml") << QString() << 0;
    QTest::newRow("redirect loop") << false << QByteArray("/loop.xml") << QString() << 0;
    QTest::newRow("100 Continue first") << false << QByteArray("/continued.xml") << "2.13.0.0"
                                        << int(VersionData::VersionImportance_High);
    QTest::newRow("through the https_proxy")
        << false << QByteArray("/proxied/newer.xml") << "2.13.0.0" << int(VersionData::VersionImportance_High);
    QTest::newRow("untrusted certificate") << true << QByteArray("/newer.xml") << QString() << 0;
}

void tst_VersionCheck::checkAgainstServer()
{
    QFETCH(bool, untrusted);
    QFETCH(QByteArray, path);
    QFETCH(QString, published);
    QFETCH(int, importance);

    m_settings->setVersionCheckType(ApplicationSettings::VerChkType_On);
    m_translator.url = (untrusted ? m_untrusted : m_trusted)->url("https", path);
    // A path under /proxied/ is asked for at a host only the proxy knows,
    // named by https_proxy alone, as on a studio's network.
    ConnectProxy proxy;
    const auto noProxy = qScopeGuard([] { qunsetenv("https_proxy"); });
    if (path.startsWith("/proxied/")) {
        qputenv("https_proxy", "http://127.0.0.1:" + QByteArray::number(proxy.serverPort()));
        m_translator.url.replace(QLatin1String("127.0.0.1"), QLatin1String(kProxiedHost));
    }
    const QString currentDir = QDir::currentPath();

    VersionData data;
    QSignalSpy completed(&data, &VersionData::update_xmlFileReadCompletedChanged);
    QSignalSpy upCheck(&data, &VersionData::update_versionUpCheckChanged);
    qint64 sentAtTheEnd = -1;
    connect(&data, &VersionData::update_xmlFileReadCompletedChanged, this,
            [&] { sentAtTheEnd = m_trusted->unsizedSent; });
    data.checkStart();
    QVERIFY(completed.wait(20000));
    QCOMPARE(completed.count(), 1);
    QVERIFY(data.update_xmlFileReadCompleted());

    QCOMPARE(data.update_versionUpCheck(), !published.isEmpty());
    QCOMPARE(upCheck.count(), published.isEmpty() ? 0 : 1);
    if (!published.isEmpty()) {
        const QString shown = QStringLiteral("%1.%2.%3.%4")
                                  .arg(data.update_majorVersion())
                                  .arg(data.update_minorVersion())
                                  .arg(data.update_buildVersion())
                                  .arg(data.update_revision());
        QCOMPARE(shown, published);
        QCOMPARE(data.update_modelName(), "R-" + published);
        QCOMPARE(data.update_notice(), "Notice " + published);
        QCOMPARE(data.update_address(), "https://kavro.example/" + published);
        QCOMPARE(int(data.update_importance()), importance);
        QCOMPARE(data.update_applicationName(), QStringLiteral("KAVRO Rozado"));
        QCOMPARE(data.now_appName(), QStringLiteral("KAVRO Rozado 2.12"));
        QCOMPARE(data.now_version(), QStringLiteral("2.12"));
    }
    // A file too large is cut while it arrives, not once it is all there.
    if (const qint64 unsized = m_trusted->routes.value(path).unsized)
        QVERIFY2(sentAtTheEnd < unsized / 2, qPrintable(QString::number(sentAtTheEnd)));
    // The file lives only in memory, the working folder stays, and every
    // reply is released.
    QCOMPARE(QDir::currentPath(), currentDir);
    QVERIFY(QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation)).isEmpty());
    QTRY_VERIFY(!data.downloader()->isFetching());
}

void tst_VersionCheck::checkSwitchedOff()
{
    m_settings->setVersionCheckType(ApplicationSettings::VerChkType_Off);
    m_translator.url = m_trusted->url("https", "/newer.xml");
    const int requestsBefore = m_trusted->requests;

    VersionData data;
    QSignalSpy completed(&data, &VersionData::update_xmlFileReadCompletedChanged);
    QSignalSpy upCheck(&data, &VersionData::update_versionUpCheckChanged);
    data.checkStart();
    QVERIFY(data.update_xmlFileReadCompleted());
    QCOMPARE(completed.count(), 0);
    QCOMPARE(upCheck.count(), 1);
    QCOMPARE(upCheck.at(0).at(0).toBool(), false);
    QTest::qWait(200);
    QCOMPARE(m_trusted->requests, requestsBefore);
    m_settings->setVersionCheckType(ApplicationSettings::VerChkType_On);
}

void tst_VersionCheck::plainHttpRefused()
{
    LocalHttpsServer plain;
    QVERIFY(plain.isListening());
    plain.routes["/newer.xml"] = m_trusted->routes["/newer.xml"];
    m_settings->setVersionCheckType(ApplicationSettings::VerChkType_On);
    m_translator.url = plain.url("http", "/newer.xml");

    VersionData data;
    QSignalSpy completed(&data, &VersionData::update_xmlFileReadCompletedChanged);
    data.checkStart();
    QVERIFY(completed.wait(20000));
    QVERIFY(!data.update_versionUpCheck());
    QCOMPARE(plain.requests, 0);
}

void tst_VersionCheck::checkGivesUp_data()
{
    QTest::addColumn<bool>("plain"); // a server that never starts TLS
    QTest::addColumn<QByteArray>("path");

    QTest::newRow("no TLS answer") << true << QByteArray("/newer.xml");
    QTest::newRow("no HTTP answer") << false << QByteArray("/silent.xml");
    QTest::newRow("a byte at a time") << false << QByteArray("/trickled.xml");
    QTest::newRow("headers without end") << false << QByteArray("/endless.xml");
}

void tst_VersionCheck::checkGivesUp()
{
    QFETCH(bool, plain);
    QFETCH(QByteArray, path);

    LocalHttpsServer silent;
    QVERIFY(silent.isListening());
    m_settings->setVersionCheckType(ApplicationSettings::VerChkType_On);
    m_translator.url = (plain ? &silent : m_trusted.get())->url("https", path);

    VersionData data;
    data.downloader()->setTimeLimit(300);
    QSignalSpy completed(&data, &VersionData::update_xmlFileReadCompletedChanged);
    data.checkStart();
    QVERIFY(completed.wait(20000));
    QVERIFY(!data.update_versionUpCheck());
    QTRY_VERIFY(!data.downloader()->isFetching());
}

void tst_VersionCheck::fileContents_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("published");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("importance");

    QTest::newRow("importance in lower case")
        << versionFile(entry("2.13.0.0", "m")) << true << 13 << int(VersionData::VersionImportance_Middle);
    QTest::newRow("unknown importance keeps the stored text")
        << versionFile(entry("2.13.0.0", "urgent")) << true << 13 << int(VersionData::VersionImportance_Undef);
    QTest::newRow("minor not a number") << versionFile(entry("3.x.0.0")) << true << 0
                                        << int(VersionData::VersionImportance_High);
    QTest::newRow("fields before the first model are dropped")
        << versionFile("<major>9</major><minor>9</minor>" + entry("2.12.0.4")) << false << 0
        << int(VersionData::VersionImportance_Undef);
    QTest::newRow("empty file") << QByteArray() << false << 0 << int(VersionData::VersionImportance_Undef);
}

void tst_VersionCheck::fileContents()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, published);
    QFETCH(int, minor);
    QFETCH(int, importance);

    VersionData data;
    QSignalSpy importanceSpy(&data, &VersionData::update_importanceChanged);
    VersionCheckHandler::parse(file, &data);
    QCOMPARE(data.publishNewestEntry(), published);
    QCOMPARE(data.update_minorVersion(), minor);
    QCOMPARE(int(data.update_importance()), importance);
    if (published)
        QCOMPARE(importanceSpy.at(0).at(0).toInt(), importance);
    // Writing an unknown importance keeps the stored letter.
    data.SetVersionImportance(VersionData::VersionImportance_Undef);
    QCOMPARE(int(data.GetVersionImportance()), importance);
}

void tst_VersionCheck::openUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opened");

    QTest::newRow("https") << "https://kavro.example/update" << true;
    QTest::newRow("http") << "HTTP://kavro.example/update" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("no scheme") << "/usr/bin/xterm" << false;
    QTest::newRow("option") << "-a Terminal" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_VersionCheck::openUrl()
{
    QFETCH(QString, address);
    QFETCH(bool, opened);

    m_recorder.opened.clear();
    VersionData data;
    data.setUpdate_address(address);
    QCOMPARE(data.openURL(), opened);
    QCOMPARE(m_recorder.opened.size(), opened ? 1 : 0);
    if (opened)
        QCOMPARE(m_recorder.opened.first(), QUrl(address));
}

void tst_VersionCheck::truncatedFiles()
{
    const QByteArray file = versionFile(entry("2.13.0.0") + entry("2.14.0.0"));
    const int complete = file.trimmed().size();
    for (int length = 0; length <= file.size(); ++length) {
        VersionData data;
        const bool wellFormed = VersionCheckHandler::parse(file.left(length), &data);
        QVERIFY2(wellFormed == (length >= complete), qPrintable(QString::number(length)));
        QVERIFY(data.GetModelData().size() <= 2);
        data.publishNewestEntry();
    }
}

void tst_VersionCheck::mutatedFiles()
{
    const QByteArray file = versionFile(entry("2.13.0.0") + entry("2.14.0.0", "M"));
    QRandomGenerator random(0x5eed);
    for (int round = 0; round < 3000; ++round) {
        QByteArray mutant = file;
        const int changes = 1 + random.bounded(8);
        for (int i = 0; i < changes; ++i) {
            const int at = random.bounded(int(mutant.size()));
            switch (random.bounded(3)) {
            case 0:
                mutant[at] = char(random.bounded(256));
                break;
            case 1:
                mutant.remove(at, 1 + random.bounded(16));
                break;
            default:
                mutant.insert(at, mutant.mid(random.bounded(int(mutant.size())), random.bounded(32)));
                break;
            }
        }
        VersionData data;
        VersionCheckHandler::parse(mutant, &data);
        QVERIFY(data.GetModelData().size() <= mutant.count("model"));
        if (data.publishNewestEntry())
            QVERIFY(VersionData::newestNewerEntry(data.GetModelData()) >= 0);
    }
}

QTEST_MAIN(tst_VersionCheck)
#include "tst_versioncheck.moc"
