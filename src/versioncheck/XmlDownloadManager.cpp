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

} // namespace

XmlDownloadManager::XmlDownloadManager(QObject *parent) : QObject(parent)
{
    connect(&m_manager, &QNetworkAccessManager::finished, this, &XmlDownloadManager::downloadFinished);
}

XmlDownloadManager::~XmlDownloadManager() = default;

void XmlDownloadManager::execute()
{
    // Each language names its own version file on the support server.
    doDownload(QUrl(tr("URL"), QUrl::TolerantMode));
}

void XmlDownloadManager::doDownload(const QUrl &url)
{
    // The file decides which page the user is sent to: it is taken over an
    // authenticated connection or not at all, whatever address is set.
    if (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0 || url.host().isEmpty()) {
        std::fprintf(stderr, "Download of %s refused: not an https address\n",
                     url.toDisplayString().toLocal8Bit().constData());
        // Announced as a failed download is: after the caller has returned.
        QMetaObject::invokeMethod(this, &XmlDownloadManager::downloadFinishedNotify, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setProtocol(QSsl::TlsV1_2OrLater);
    tls.setPeerVerifyMode(QSslSocket::AutoVerifyPeer);
    tls.setCiphers(acceptedCiphers());
    request.setSslConfiguration(tls);

    QNetworkReply *reply = m_manager.get(request);
    connect(reply, &QNetworkReply::sslErrors, this, &XmlDownloadManager::sslErrors);
    // A file larger than any version file is cut off while it arrives, so
    // it never fills memory.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > kMaxFileSize || total > kMaxFileSize)
            reply->abort();
    });
}

void XmlDownloadManager::downloadFinished(QNetworkReply *reply)
{
    const std::unique_ptr<QNetworkReply, void (*)(QNetworkReply *)> release(reply,
                                                                            [](QNetworkReply *r) { r->deleteLater(); });
    const QByteArray url = reply->url().toDisplayString().toLocal8Bit();

    if (reply->error() != QNetworkReply::NoError) {
        std::fprintf(stderr, "Download of %s failed: %s\n", url.constData(), qPrintable(reply->errorString()));
    } else if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200) {
        // Redirects are followed by the manager; one that ends here was
        // refused or unfollowable.
        std::fprintf(stderr, "Download of %s failed: HTTP status %d\n", url.constData(),
                     reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
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
    emit downloadFinishedNotify();
}

void XmlDownloadManager::sslErrors(const QList<QSslError> &errors)
{
    // The errors are not ignored: the reply fails with them.
    for (const QSslError &error : errors)
        std::fprintf(stderr, "SSL error: %s\n", qPrintable(error.errorString()));
}

} // namespace kavrotether
