#pragma once

#include <QObject>

namespace kavrotether {

// Result of the check for a newer version of the program.
class VersionData : public QObject
{
    Q_OBJECT
public:
    explicit VersionData(QObject *parent = nullptr);
    ~VersionData() override;
};

} // namespace kavrotether
