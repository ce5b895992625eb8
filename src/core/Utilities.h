#pragma once

#include <QObject>
#include <QString>

namespace kavrotether {

// The camera-setting vocabulary and the services the interface calls.
class Utilities : public QObject
{
    Q_OBJECT
public:
    enum Ternary { Ternary_Unknown = -1, Ternary_False = 0, Ternary_True = 1 };
    Q_ENUM(Ternary)

    // --- custom dialog kinds and icons (used by CustomDialog) ---
    enum DialogType {
        Unknown_Dialog = -1,
        PowerSaving_ConfirmationDialog = 0,
        FirmwareUpdate_ConfirmationDialog = 1,
        Success_NotificationDialog = 2,
        Failed_NotificationDialog = 3
    };
    Q_ENUM(DialogType)
    enum IconType {
        No_Icon = 0,
        Question_Icon = 1,
        Warning_Icon = 2,
        Critical_Icon = 3,
        Information_Icon = 4
    };
    Q_ENUM(IconType)
    // --- end custom dialog kinds and icons ---

    explicit Utilities(QObject *parent = nullptr);
    ~Utilities() override;

    Q_INVOKABLE quint16 getLanguageType() const { return m_language; }
    void setLanguageType(quint16 language) { m_language = language; }
    Q_INVOKABLE QString getFontFamily() const { return m_fontFamily; }
    Q_INVOKABLE void setFontFamily(const QString &str) { m_fontFamily = str; }
    // The interface's macOS branches are the live ones on every platform.
    Q_INVOKABLE bool isMac() const { return true; }

private:
    quint16 m_language = 0;
    QString m_fontFamily;
};

} // namespace kavrotether
