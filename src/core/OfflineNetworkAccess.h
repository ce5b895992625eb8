#pragma once

#include <QNetworkRequest>
#include <QQmlNetworkAccessManagerFactory>

namespace kavrotether {

// The network access of the QML engine. Nothing the windows show comes from
// the network, so a text that names a remote address (markup in a camera's
// name, say) must not reach out to it: every manager made here answers each
// request with an error at once, without any network traffic. The version
// check has a manager of its own and is not affected.
class OfflineNetworkAccessFactory : public QQmlNetworkAccessManagerFactory
{
public:
    // May be called on any of the engine's threads.
    QNetworkAccessManager *create(QObject *parent) override;

protected:
    // Told of each request refused, on the thread of the manager asked.
    virtual void refused(const QNetworkRequest &request);

private:
    friend class OfflineNetworkAccessManager;
};

} // namespace kavrotether
