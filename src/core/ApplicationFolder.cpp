#include "ApplicationFolder.h"

#include <QStandardPaths>

namespace kavrotether {

QString applicationDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/KAVRO Rozado");
}

} // namespace kavrotether
