#pragma once

#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace kavrotether {

// The window that asks for a network camera's password (entry mode) or
// changes it (change mode). It reports back to the DeviceAdapter, which
// destroys it once it has closed.
class PasswordInput : public QWidget
{
    Q_OBJECT
public:
    PasswordInput(bool changeMode, int devIndex, int errorType, QString cameraName, QString serialNo,
                  unsigned long deviceKey);
    ~PasswordInput() override;

    void showDialog();
    void init(bool close);
    // 0 when the text keeps the password rule, else 1.
    int validateInputPassword(QString text);
    // 0 when the text is the saved password of the camera, else 2.
    int validateSavedPassword(QString current, QString serialNo);

    // What the dialog was built for (tests and the adapter).
    bool isChangeMode() const { return m_changeMode; }
    int errorType() const { return m_errorType; }
    QString messageText() const;
    QString ruleText() const;
    QLineEdit *passwordField() const { return m_currentEdit; }
    QLineEdit *newPasswordField() const { return m_newEdit; }
    QLineEdit *confirmPasswordField() const { return m_confirmEdit; }

public slots:
    void buttonOkClicked();
    void buttonCancelClicked();
    void buttonCurrEyeClicked();
    void buttonNewEyeClicked();
    void buttonConfirmEyeClicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *makeField();
    QPushButton *makeEyeButton();
    void toggleShown(bool &shown, QLineEdit *field, QPushButton *button);
    void showMessage(int icon, const QString &text);
    // Cancel and close: report the end of this camera's entry once.
    void finish();

    int m_devIndex = 0;
    unsigned long m_deviceKey = 0;
    QString m_cameraName;
    QString m_serialNo;
    QString m_enteredText;
    QString m_newText;
    bool m_changeMode = false;
    int m_checkState = 0;
    int m_errorType = 0;
    bool m_currShown = false;
    bool m_newShown = false;
    bool m_confirmShown = false;
    QLineEdit *m_currentEdit = nullptr;
    QPushButton *m_currentEye = nullptr;
    QLineEdit *m_newEdit = nullptr;
    QPushButton *m_newEye = nullptr;
    QLineEdit *m_confirmEdit = nullptr;
    QPushButton *m_confirmEye = nullptr;
    QHBoxLayout *m_buttonRow = nullptr;
    QString m_messageText;
    QString m_ruleText;
    bool m_finished = false;
};

} // namespace kavrotether
