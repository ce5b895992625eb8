#include "XmlDownloadManager.h"

#include <QSslCipher>
#include <QSslConfiguration>
#include <QSslSocket>

#include <cstdio>

#include "VersionCheckHandler.h"
#include "VersionData.h"

namespace kavrotether {

namespace {

// Weak or anonymous key exchanges and ciphers the server must not be
// allowed to choose.
constexpr const char *kRefusedCipherParts[] = {"DH-",  "EDH-", "ECDH-", "DES-",  "3DES-",
                                               "RC4-", "-MD5", "IDEA-", "NULL-", "SEED-"};

QList<QSslCipher> acceptedCiphers()
{
    QList<QSslCipher> kept;
    for (const QSslCipher &cipher : QSslConfiguration::supportedCiphers()) {
        if (cipher.protocol() == QSsl::UnknownProtocol)
            continue;
        bool refused = false;
        for (const char *part : kRefusedCipherParts)
            refused = refused || cipher.name().contains(QLatin1String(part));
        if (!refused)
            kept.append(cipher);
    }
    return kept;
}

// The file decides which page the user is sent to: it is taken over an
// authenticated connection or not at all, also after a redirect.
bool isHttps(const QUrl &url)
{
    return url.isValid() && url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0
           && !url.host().isEmpty();
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

XmlDownloadManager::XmlDownloadManager(QObject *parent) : QObject(parent)
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(kDefaultTimeLimitMs);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { finish(QStringLiteral("no version file within the time limit")); });
}

XmlDownloadManager::~XmlDownloadManager() = default;

void XmlDownloadManager::execute()
{
    // Each language names its own version file on the support server.
    doDownload(QUrl(tr("URL"), QUrl::TolerantMode));
}

void XmlDownloadManager::doDownload(const QUrl &url)
{
    if (!isHttps(url)) {
        std::fprintf(stderr, "Download of %s refused: not an https address\n",
                     url.toDisplayString().toLocal8Bit().constData());
        // Announced as a failed download is: after the caller has returned.
        QMetaObject::invokeMethod(this, &XmlDownloadManager::downloadFinishedNotify, Qt::QueuedConnection);
        return;
    }
    m_redirects = 0;
    m_deadline.start();
    request(url);
}

void XmlDownloadManager::request(const QUrl &url)
{
    dropConnection();
    m_url = url;
    m_received.clear();
    m_headerRead = false;
    m_chunked = false;
    m_contentLength = -1;

    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setProtocol(QSsl::TlsV1_2OrLater);
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    tls.setCiphers(acceptedCiphers());

    QSslSocket *socket = new QSslSocket(this);
    m_socket = socket;
    socket->setSslConfiguration(tls);
    socket->setReadBufferSize(kMaxHeaderSize);
    connect(socket, &QSslSocket::sslErrors, this, &XmlDownloadManager::sslErrors);
    connect(socket, &QSslSocket::encrypted, this, [this, socket] {
        QByteArray target = m_url.path(QUrl::FullyEncoded).toLatin1();
        if (target.isEmpty())
            target = "/";
        if (m_url.hasQuery())
            target += '?' + m_url.query(QUrl::FullyEncoded).toLatin1();
        const QByteArray host = m_url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1();
        socket->write("GET " + target + " HTTP/1.1\r\nHost: " + host
                      + "\r\nAccept: */*\r\nUser-Agent: KAVRO Rozado\r\nConnection: close\r\n\r\n");
    });
    connect(socket, &QIODevice::readyRead, this, &XmlDownloadManager::received);
    connect(socket, &QAbstractSocket::disconnected, this, &XmlDownloadManager::closed);
    connect(socket, &QAbstractSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            closed();
        else
            finish(socket->errorString());
    });
    socket->connectToHostEncrypted(url.host(), quint16(url.port(443)));
}

void XmlDownloadManager::received()
{
    if (!m_socket)
        return;
    // Whatever the server sends beyond one answer's limit is never read.
    const qint64 limit = kMaxHeaderSize + kMaxFileSize;
    m_received += m_socket->read(limit + 1 - m_received.size());
    if (m_received.size() > limit) {
        finish(QStringLiteral("the answer is too large"));
        return;
    }
    if (!m_headerRead) {
        const qsizetype end = m_received.indexOf("\r\n\r\n");
        if (end < 0 ? m_received.size() > kMaxHeaderSize : end + 4 > kMaxHeaderSize) {
            finish(QStringLiteral("the headers are too large"));
            return;
        }
        if (end < 0)
            return;
        const QList<QByteArray> lines = m_received.left(end).split('\n');
        m_received.remove(0, end + 4);
        m_headerRead = true;
        const QList<QByteArray> statusLine = lines.first().simplified().split(' ');
        const int status = statusLine.value(0).startsWith("HTTP/1.") ? statusLine.value(1).toInt() : 0;
        QByteArray location;
        for (const QByteArray &line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "location") {
                location = value;
            } else if (name == "transfer-encoding") {
                m_chunked = value.toLower().contains("chunked");
            } else if (name == "content-length") {
                bool ok = false;
                m_contentLength = value.toLongLong(&ok);
                if (!ok || m_contentLength < 0)
                    m_contentLength = -1;
            }
        }
        if (isRedirect(status) && !location.isEmpty()) {
            const QUrl next = m_url.resolved(QUrl::fromEncoded(location));
            if (!isHttps(next))
                finish(QStringLiteral("redirect to %1 refused").arg(next.toDisplayString()));
            else if (++m_redirects > kMaxRedirects)
                finish(QStringLiteral("too many redirects"));
            else
                request(next);
            return;
        }
        if (status != 200) {
            finish(QStringLiteral("HTTP status %1").arg(status));
            return;
        }
        if (m_chunked)
            m_contentLength = -1;
    }
    QByteArray file;
    if (m_chunked) {
        const int decoded = decodeChunked(m_received, &file);
        if (decoded < 0)
            finish(QStringLiteral("the file is too large or damaged"));
        else if (decoded > 0)
            finish(QString(), file);
    } else if (m_contentLength > kMaxFileSize || m_received.size() > kMaxFileSize) {
        finish(QStringLiteral("the file is too large"));
    } else if (m_contentLength >= 0 && m_received.size() >= m_contentLength) {
        finish(QString(), m_received.left(m_contentLength));
    }
}

void XmlDownloadManager::closed()
{
    // What arrived before the close counts first.
    received();
    if (!m_socket)
        return;
    if (m_headerRead && !m_chunked && m_contentLength < 0)
        finish(QString(), m_received);
    else
        finish(QStringLiteral("the connection closed before the file was whole"));
}

int XmlDownloadManager::decodeChunked(const QByteArray &raw, QByteArray *file)
{
    file->clear();
    qsizetype pos = 0;
    for (;;) {
        const qsizetype eol = raw.indexOf("\r\n", pos);
        if (eol < 0)
            return raw.size() - pos > 1024 ? -1 : 0;
        bool ok = false;
        const qint64 size = raw.mid(pos, eol - pos).split(';').first().trimmed().toLongLong(&ok, 16);
        if (!ok || size < 0 || size > kMaxFileSize - file->size())
            return -1;
        pos = eol + 2;
        if (size == 0)
            return 1;
        if (raw.size() < pos + size + 2)
            return 0;
        if (raw.mid(pos + size, 2) != "\r\n")
            return -1;
        file->append(raw.mid(pos, size));
        pos += size + 2;
    }
}

void XmlDownloadManager::finish(const QString &error, const QByteArray &file)
{
    const QByteArray url = m_url.toDisplayString().toLocal8Bit();
    m_deadline.stop();
    dropConnection();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "Download of %s failed: %s\n", url.constData(), qPrintable(error));
    } else if (m_owner && !VersionCheckHandler::parse(file, m_owner)) {
        // A damaged file may hold half an entry: publish nothing from it.
        std::fprintf(stderr, "Version file of %s is not well-formed\n", url.constData());
    } else if (m_owner) {
        m_owner->publishNewestEntry();
    }
    emit downloadFinishedNotify();
}

void XmlDownloadManager::dropConnection()
{
    if (!m_socket)
        return;
    QSslSocket *socket = m_socket;
    m_socket = nullptr;
    // This may run inside one of the socket's own signals.
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void XmlDownloadManager::sslErrors(const QList<QSslError> &errors)
{
    // The errors are not ignored: the connection fails with them.
    for (const QSslError &error : errors)
        std::fprintf(stderr, "SSL error: %s\n", qPrintable(error.errorString()));
}

} // namespace kavrotether
