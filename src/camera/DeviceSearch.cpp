#include "DeviceSearch.h"

namespace kavrotether {

DeviceSearch::DeviceSearch(QObject *parent) : QObject(parent) {}
DeviceSearch::~DeviceSearch() = default;

int DeviceSearch::devSearchStatus() const
{
    return m_status;
}

void DeviceSearch::stopSearch()
{
    if (m_status == 0)
        return;
    m_status = 0;
    emit devSearchStatusChanged();
}

} // namespace kavrotether
