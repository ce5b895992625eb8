#include "NetworkRequests.h"

#include <QMutexLocker>

namespace kavrotether::test {

int NetworkRequests::count() const
{
    QMutexLocker g(&m_lock);
    return int(m_urls.size());
}

QStringList NetworkRequests::urls() const
{
    QMutexLocker g(&m_lock);
    return m_urls;
}

void NetworkRequests::clear()
{
    QMutexLocker g(&m_lock);
    m_urls.clear();
}

void NetworkRequests::refused(const QNetworkRequest &request)
{
    QMutexLocker g(&m_lock);
    m_urls << request.url().toString();
}

} // namespace kavrotether::test
