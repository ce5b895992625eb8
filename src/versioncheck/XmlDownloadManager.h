#pragma once

#include <QNetworkAccessManager>
#include <QObject>

namespace kavrotether {

// Fetches the version file for the version check. It owns the network
// access manager all of its requests go through; no request is made until
// the version check asks for one.
class XmlDownloadManager : public QObject
{
    Q_OBJECT
public:
    explicit XmlDownloadManager(QObject *parent = nullptr);
    ~XmlDownloadManager() override;

    QNetworkAccessManager *networkAccessManager() { return &m_manager; }

private:
    QNetworkAccessManager m_manager;
};

} // namespace kavrotether
