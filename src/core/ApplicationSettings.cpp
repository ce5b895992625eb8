#include "ApplicationSettings.h"

#include <QSettings>

namespace kavrotether {

ApplicationSettings::ApplicationSettings(QObject *parent) : QObject(parent) {}
ApplicationSettings::~ApplicationSettings() = default;

bool ApplicationSettings::debugEnable() const
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "(KAVROTether x64)", "KAVROTether");
    return s.value("debugEnable", false).toBool();
}

} // namespace kavrotether
