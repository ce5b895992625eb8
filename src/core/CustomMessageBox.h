#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <QString>
class QMessageBox;

namespace kavrotether {

// Carries the standard message-box button values for QML; never instantiated.
class CStandardButton : public QObject
{
    Q_OBJECT
public:
    enum StandardButton : int {
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
    enum Icon : int { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
    Q_ENUM(Icon)
};

// A standard message box driven from QML (the "MessageBox" type). The box
// exists only while `visible` is true; showing it runs it modally, and the
// answer reaches QML through queued signals after that run has returned.
class CustomMessageBox : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibilityChanged)
    Q_PROPERTY(Qt::WindowModality modality READ modality WRITE setModality NOTIFY modalityChanged)
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    // Qt::PlainText for a text from outside (a camera's name, a file name),
    // shown as typed; the program's own texts break their lines with markup.
    Q_PROPERTY(Qt::TextFormat textFormat READ textFormat WRITE setTextFormat NOTIFY textFormatChanged)
    Q_PROPERTY(QString informativeText READ informativeText WRITE setInformativeText NOTIFY informativeTextChanged)
    Q_PROPERTY(QString detailedText READ detailedText WRITE setDetailedText NOTIFY detailedTextChanged)
    Q_PROPERTY(int icon READ icon WRITE setIcon NOTIFY iconChanged)
    Q_PROPERTY(int standardButtons READ standardButtons WRITE setStandardButtons NOTIFY standardButtonsChanged)
    Q_PROPERTY(int defaultButton READ defaultButton WRITE setDefaultButton NOTIFY defaultButtonChanged)
    Q_PROPERTY(int clickedButton READ clickedButton NOTIFY buttonClicked)
public:
    explicit CustomMessageBox(QObject *parent = nullptr);
    ~CustomMessageBox() override;

    bool isVisible() const { return m_visible; }
    Qt::WindowModality modality() const { return m_modality; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    Qt::TextFormat textFormat() const { return m_textFormat; }
    QString informativeText() const { return m_informativeText; }
    QString detailedText() const { return m_detailedText; }
    int icon() const { return m_icon; }
    int standardButtons() const { return m_standardButtons; }
    int defaultButton() const { return m_defaultButton; }
    int clickedButton() const { return m_clickedButton; }

    Q_INVOKABLE void open();
    Q_INVOKABLE void close();

public slots:
    void setVisible(bool v);
    void setModality(Qt::WindowModality m);
    void setTitle(const QString &arg);
    void setText(const QString &arg);
    void setTextFormat(Qt::TextFormat format);
    void setInformativeText(const QString &arg);
    void setDetailedText(const QString &arg);
    void setIcon(int icon);
    void setStandardButtons(int buttons);
    void setDefaultButton(int button);
    void msgBox_clickedButton(QAbstractButton *button);
    void msgBox_rejected();

signals:
    void visibilityChanged();
    void modalityChanged();
    void titleChanged();
    void textChanged();
    void textFormatChanged();
    void informativeTextChanged();
    void detailedTextChanged();
    void iconChanged();
    void standardButtonsChanged();
    void defaultButtonChanged();
    void buttonClicked();
    void accepted();
    void apply();
    void discard();
    void help();
    void no();
    void rejected();
    void reset();
    void yes();

private:
    void showBox();
    void destroyBox();
    // False for a queued signal of a box that has already been closed.
    bool fromCurrentBox() const;

    bool m_visible = false;
    Qt::WindowModality m_modality = Qt::ApplicationModal;
    QString m_title;
    QString m_text;
    Qt::TextFormat m_textFormat = Qt::AutoText;
    QString m_informativeText;
    QString m_detailedText;
    int m_icon = 0;
    int m_standardButtons = 0;
    int m_defaultButton = 0;
    int m_clickedButton = 0;
    QPointer<QMessageBox> m_box;
};

} // namespace kavrotether
