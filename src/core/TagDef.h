#pragma once

#include <QObject>

namespace kavrotether {

// Enumerations that tag usage-log records; never instantiated.
class TagDef : public QObject
{
    Q_OBJECT
public:
    enum RecLevel {
        RecLvl_Unknown = -1,
        RecLvl_Verbose = 0,
        RecLvl_Debug = 1,
        RecLvl_Info = 2,
        RecLvl_Warn = 3,
        RecLvl_Error = 4,
        RecLvl_Assert = 5,
        RecLvl_Max = 6
    };
    Q_ENUM(RecLevel)
};

} // namespace kavrotether
