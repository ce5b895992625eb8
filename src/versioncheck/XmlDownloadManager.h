#pragma once

#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

namespace kavrotether {

class VersionData;

// Fetches the version file for the version check. It owns the network
// access manager all of its requests go through, which takes the system's
// proxy settings (on Linux the https_proxy variable of a studio's or an
// office's network); no request is made until the version check asks for
// one. The file is read from the reply in memory, never stored on disk.
class XmlDownloadManager : public QObject
{
    Q_OBJECT
public:
    // A version file is a few kilobytes; anything near this is not one.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    static constexpr int kMaxRedirects = 5;
    // From the request to the file read, redirects included. It is also the
    // only bound on an answer's headers: the manager of this Qt reads them
    // whole, whatever their size, before anything here sees them.
    static constexpr int kDefaultTimeLimitMs = 30000;

    explicit XmlDownloadManager(QObject *parent = nullptr);
    ~XmlDownloadManager() override;

    void setOwner(VersionData *owner) { m_owner = owner; }
    // For the checks started from now on.
    void setTimeLimit(int milliseconds) { m_deadline.setInterval(milliseconds); }
    // Whether a reply is open or not yet released.
    bool isFetching() const;

    // Fetches the version file named by the translated "URL" text.
    void execute();
    // One check runs at a time: while one runs, another is not started and
    // the running one announces its end.
    void doDownload(const QUrl &url);

public slots:
    void downloadFinished(QNetworkReply *reply);
    void sslErrors(const QList<QSslError> &errors);

signals:
    void downloadFinishedNotify();

private:
    void request(const QUrl &url);

    QNetworkAccessManager m_manager;
    VersionData *m_owner = nullptr;
    QTimer m_deadline;               // the whole check, redirects included
    QPointer<QNetworkReply> m_reply; // the request of the running check
    int m_redirects = 0;
};

} // namespace kavrotether
