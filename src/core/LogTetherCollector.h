#pragma once

#include <QObject>

namespace kavrotether {

// Usage-log collector the interface reports to.
class LogTetherCollector : public QObject
{
    Q_OBJECT
public:
    explicit LogTetherCollector(QObject *parent = nullptr);
    ~LogTetherCollector() override;
};

} // namespace kavrotether
