#pragma once

#include <QObject>

namespace kavrotether {

// The user's preferences and window states, read and written through the INI
// file at every access.
class ApplicationSettings : public QObject
{
    Q_OBJECT
public:
    explicit ApplicationSettings(QObject *parent = nullptr);
    ~ApplicationSettings() override;

    bool debugEnable() const;
};

} // namespace kavrotether
