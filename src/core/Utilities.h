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
