#pragma once

#include <QString>

namespace kavrotether::installer {

// Where the hosts look for the pane's resources when not told: the bundle
// built beside them.
QString defaultResourceFolder();

} // namespace kavrotether::installer
