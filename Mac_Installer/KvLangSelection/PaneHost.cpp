#include "PaneHost.h"

#include <QCoreApplication>
#include <QDir>

namespace kavrotether::installer {

QString defaultResourceFolder()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("KvLangSelection.bundle/Contents/Resources"));
}

} // namespace kavrotether::installer
