#pragma once

#include <QMutex>
#include <QObject>
#include <QStringList>

#include "core/OfflineNetworkAccess.h"

namespace kavrotether::test {

// The program's network access for a test's QML engine, keeping the
// addresses that reached it (from any of the engine's threads): a window
// that shows outside text as typed asks for none.
class NetworkRequests : public QObject, public OfflineNetworkAccessFactory
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE int count() const;
    Q_INVOKABLE QStringList urls() const;
    Q_INVOKABLE void clear();

protected:
    void refused(const QNetworkRequest &request) override;

private:
    mutable QMutex m_lock;
    QStringList m_urls;
};

} // namespace kavrotether::test
