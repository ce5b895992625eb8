#pragma once

#include <QObject>

namespace kavrotether {

// Finds cameras over USB and the network and keeps the search list.
class DeviceSearch : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int devSearchStatus READ devSearchStatus NOTIFY devSearchStatusChanged)
public:
    explicit DeviceSearch(QObject *parent = nullptr);
    ~DeviceSearch() override;

    // 0 while no search runs.
    int devSearchStatus() const;
    Q_INVOKABLE void stopSearch();

signals:
    void devSearchStatusChanged();

private:
    int m_status = 0;
};

} // namespace kavrotether
