#pragma once

#include <QObject>

namespace kavrotether {

// Carries the standard message-box button values for QML; never instantiated.
class CStandardButton : public QObject
{
    Q_OBJECT
public:
    enum StandardButton {
        NoButton = 0,
        Ok = 1024,
        Save = 2048,
        SaveAll = 4096,
        Open = 8192,
        Yes = 16384,
        YesToAll = 32768,
        No = 65536,
        NoToAll = 131072,
        Abort = 262144,
        Retry = 524288,
        Ignore = 1048576,
        Close = 2097152,
        Cancel = 4194304,
        Discard = 8388608,
        Help = 16777216,
        Apply = 33554432,
        Reset = 67108864,
        RestoreDefaults = 134217728,
        NButtons = 134217729
    };
    Q_ENUM(StandardButton)
};

// Carries the standard message-box icon values for QML; never instantiated.
class CStandardIcon : public QObject
{
    Q_OBJECT
public:
    enum Icon { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
    Q_ENUM(Icon)
};

// A standard message box driven from QML.
class CustomMessageBox : public QObject
{
    Q_OBJECT
public:
    explicit CustomMessageBox(QObject *parent = nullptr);
    ~CustomMessageBox() override;
};

} // namespace kavrotether
