#pragma once

#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSslError>
#include <QUrl>

class QNetworkReply;

namespace kavrotether {

class VersionData;

// Fetches the version file for the version check. It owns the network
// access manager all of its requests go through; no request is made until
// the version check asks for one. The file is read from the reply in
// memory, never stored on disk.
class XmlDownloadManager : public QObject
{
    Q_OBJECT
public:
    // A version file is a few kilobytes; anything near this is not one.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    static constexpr int kMaxRedirects = 5;

    explicit XmlDownloadManager(QObject *parent = nullptr);
    ~XmlDownloadManager() override;

    QNetworkAccessManager *networkAccessManager() { return &m_manager; }
    void setOwner(VersionData *owner) { m_owner = owner; }

    // Fetches the version file named by the translated "URL" text.
    void execute();
    void doDownload(const QUrl &url);

public slots:
    void downloadFinished(QNetworkReply *reply);
    void sslErrors(const QList<QSslError> &errors);

signals:
    void downloadFinishedNotify();

private:
    QNetworkAccessManager m_manager;
    VersionData *m_owner = nullptr;
};

} // namespace kavrotether
