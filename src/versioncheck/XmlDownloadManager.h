#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QTimer>
#include <QUrl>

class QSslSocket;

namespace kavrotether {

class VersionData;

// Fetches the version file for the version check over a connection of its
// own, so that everything a server sends, its headers too, counts against
// the limits and the whole check ends within its time limit however slowly
// the server answers. No request is made until the version check asks for
// one. The file is read in memory, never stored on disk.
class XmlDownloadManager : public QObject
{
    Q_OBJECT
public:
    // A version file is a few kilobytes; anything near this is not one.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    // The status line and header lines of one answer together.
    static constexpr qint64 kMaxHeaderSize = 64 * 1024;
    static constexpr int kMaxRedirects = 5;
    // From the request to the file read, redirects included.
    static constexpr int kDefaultTimeLimitMs = 30000;

    explicit XmlDownloadManager(QObject *parent = nullptr);
    ~XmlDownloadManager() override;

    void setOwner(VersionData *owner) { m_owner = owner; }
    void setTimeLimit(int milliseconds) { m_deadline.setInterval(milliseconds); }
    // Whether a connection is open or waited for.
    bool isFetching() const { return m_socket != nullptr; }

    // Fetches the version file named by the translated "URL" text.
    void execute();
    void doDownload(const QUrl &url);

    // Decodes a chunked body: 1 when it is complete (the file in *file),
    // 0 while more is to come, -1 when it is not chunked encoding.
    static int decodeChunked(const QByteArray &raw, QByteArray *file);

public slots:
    void sslErrors(const QList<QSslError> &errors);

signals:
    void downloadFinishedNotify();

private:
    void request(const QUrl &url);
    void received();
    void closed();
    // Ends the check; an empty error is a file read whole.
    void finish(const QString &error, const QByteArray &file = QByteArray());
    void dropConnection();

    QSslSocket *m_socket = nullptr; // a child of this manager
    QTimer m_deadline;
    QUrl m_url;
    int m_redirects = 0;
    QByteArray m_received;
    bool m_headerRead = false;
    bool m_chunked = false;
    qint64 m_contentLength = -1;
    VersionData *m_owner = nullptr;
};

} // namespace kavrotether
