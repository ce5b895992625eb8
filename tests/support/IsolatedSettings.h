#pragma once

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace kavrotether::test {

// Points the program's settings files (user-scope INI) at a temporary
// folder of their own and keeps the standard paths in test mode, so no test
// reads or writes the real settings. Lives as long as the folder is needed.
class IsolatedSettings
{
public:
    IsolatedSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }
    IsolatedSettings(const IsolatedSettings &) = delete;
    IsolatedSettings &operator=(const IsolatedSettings &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // Empties the folder: the next case starts without settings files.
    void clear()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

private:
    QTemporaryDir m_dir;
};

} // namespace kavrotether::test
