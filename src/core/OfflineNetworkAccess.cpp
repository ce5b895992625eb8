#include "OfflineNetworkAccess.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace kavrotether {

namespace {

// Already finished when it is handed out; its error and its end are
// announced once the caller has had the chance to connect to them.
class RefusedReply : public QNetworkReply
{
public:
    RefusedReply(QNetworkAccessManager::Operation operation, const QNetworkRequest &request, QObject *parent)
        : QNetworkReply(parent)
    {
        setOperation(operation);
        setRequest(request);
        setUrl(request.url());
        setError(ContentAccessDenied, QStringLiteral("network access is off in the program's windows"));
        open(QIODevice::ReadOnly);
        setFinished(true);
        QMetaObject::invokeMethod(
            this,
            [this]() {
                emit errorOccurred(error());
                emit finished();
            },
            Qt::QueuedConnection);
    }

    void abort() override {}

protected:
    qint64 readData(char *, qint64) override { return -1; }
};

} // namespace

class OfflineNetworkAccessManager : public QNetworkAccessManager
{
public:
    OfflineNetworkAccessManager(OfflineNetworkAccessFactory &factory, QObject *parent)
        : QNetworkAccessManager(parent), m_factory(factory)
    {}

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request, QIODevice *) override
    {
        m_factory.refused(request);
        return new RefusedReply(operation, request, this);
    }

private:
    OfflineNetworkAccessFactory &m_factory;
};

QNetworkAccessManager *OfflineNetworkAccessFactory::create(QObject *parent)
{
    return new OfflineNetworkAccessManager(*this, parent);
}

void OfflineNetworkAccessFactory::refused(const QNetworkRequest &) {}

} // namespace kavrotether
