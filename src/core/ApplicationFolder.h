#pragma once

#include <QString>

namespace kavrotether {

// The folder the installer writes into and the program reads documents from
// (ini/setup.plist, doc/EULA.txt, doc/OperationGuide/index.html).
QString applicationDataFolder();

} // namespace kavrotether
