#include "XmlDownloadManager.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCipher>
#include <QSslConfiguration>

#include <cstdio>
#include <memory>

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

// Why this program ended a reply, for the failure it then reports.
constexpr char kStopReason[] = "kavroStopReason";

void stop(QNetworkReply *reply, const QString &reason)
{
    reply->setProperty(kStopReason, reason);
    reply->abort();
}

} // namespace

XmlDownloadManager::XmlDownloadManager(QObject *parent) : QObject(parent)
{
    connect(&m_manager, &QNetworkAccessManager::finished, this, &XmlDownloadManager::downloadFinished);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(kDefaultTimeLimitMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            stop(m_reply, QStringLiteral("no version file within the time limit"));
    });
}

XmlDownloadManager::~XmlDownloadManager() = default;

bool XmlDownloadManager::isFetching() const
{
    return !m_manager.findChildren<QNetworkReply *>(Qt::FindDirectChildrenOnly).isEmpty();
}

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
    if (m_reply)
        return;
    m_redirects = 0;
    m_deadline.start();
    request(url);
}

void XmlDownloadManager::request(const QUrl &url)
{
    QNetworkRequest request(url);
    // Redirects are followed here, each by the rule the first address
    // passed, so the manager never asks an address this check has not seen.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setProtocol(QSsl::TlsV1_2OrLater);
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    tls.setCiphers(acceptedCiphers());
    request.setSslConfiguration(tls);

    QNetworkReply *reply = m_manager.get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::sslErrors, this, &XmlDownloadManager::sslErrors);
    // The network thread reads no further ahead of this one than this: while
    // the interface is busy, a file that never ends would otherwise pile up
    // in memory before the cut below sees it.
    reply->setReadBufferSize(2 * kMaxFileSize);
    // A file larger than any version file is cut off while it arrives, so
    // it never fills memory; what is held counts as it is read, unpacked.
    const auto cutOversized = [reply] {
        if (reply->bytesAvailable() > kMaxFileSize
            || reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxFileSize)
            stop(reply, QStringLiteral("the file is too large"));
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, cutOversized);
    connect(reply, &QIODevice::readyRead, reply, cutOversized);
}

void XmlDownloadManager::downloadFinished(QNetworkReply *reply)
{
    const std::unique_ptr<QNetworkReply, void (*)(QNetworkReply *)> release(reply,
                                                                            [](QNetworkReply *r) { r->deleteLater(); });
    const QByteArray url = reply->url().toDisplayString().toLocal8Bit();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();

    if (reply->error() != QNetworkReply::NoError) {
        const QString stopped = reply->property(kStopReason).toString();
        std::fprintf(stderr, "Download of %s failed: %s\n", url.constData(),
                     qPrintable(stopped.isEmpty() ? reply->errorString() : stopped));
    } else if (status / 100 == 3 && !location.isEmpty()) {
        const QUrl next = reply->url().resolved(location);
        if (!isHttps(next)) {
            std::fprintf(stderr, "Download of %s failed: redirect to %s refused\n", url.constData(),
                         next.toDisplayString().toLocal8Bit().constData());
        } else if (++m_redirects > kMaxRedirects) {
            std::fprintf(stderr, "Download of %s failed: too many redirects\n", url.constData());
        } else {
            request(next);
            return;
        }
    } else if (status != 200) {
        std::fprintf(stderr, "Download of %s failed: HTTP status %d\n", url.constData(), status);
    } else {
        const QByteArray bytes = reply->read(kMaxFileSize + 1);
        if (bytes.size() > kMaxFileSize) {
            std::fprintf(stderr, "Download of %s failed: the file is too large\n", url.constData());
        } else if (m_owner && !VersionCheckHandler::parse(bytes, m_owner)) {
            // A damaged file may hold half an entry: publish nothing from it.
            std::fprintf(stderr, "Version file of %s is not well-formed\n", url.constData());
        } else if (m_owner) {
            m_owner->publishNewestEntry();
        }
    }
    m_deadline.stop();
    m_reply = nullptr;
    emit downloadFinishedNotify();
}

void XmlDownloadManager::sslErrors(const QList<QSslError> &errors)
{
    // The errors are not ignored: the reply fails with them.
    for (const QSslError &error : errors)
        std::fprintf(stderr, "SSL error: %s\n", qPrintable(error.errorString()));
}

} // namespace kavrotether
