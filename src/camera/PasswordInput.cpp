#include "PasswordInput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include "DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/PasswordScrambling.h"
#include "core/Utilities.h"

namespace kavrotether {

namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint
                                         | Qt::WindowCloseButtonHint;
static_assert(int(kWindowFlags) == 0x0A001003, "the dialog's window flags");

const QString kEyeOff = QStringLiteral(":/images/password_uncheck.svg");
const QString kEyeOn = QStringLiteral(":/images/password_check.svg");

// Sets the attribute for the life of one OK handling, whatever way it ends.
class NoNativeDialogs
{
public:
    NoNativeDialogs() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true); }
    ~NoNativeDialogs() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false); }
};

} // namespace

PasswordInput::PasswordInput(bool changeMode, int devIndex, int errorType, QString cameraName, QString serialNo,
                             unsigned long deviceKey)
    : m_devIndex(devIndex), m_deviceKey(deviceKey), m_cameraName(std::move(cameraName)),
      m_serialNo(std::move(serialNo)), m_changeMode(changeMode), m_errorType(errorType)
{
    const bool enter = errorType == Utilities::PWE_PW_AUTH || changeMode;
    m_messageText = (enter ? tr("Enter Password Message") : tr("Set Password Message")) + QStringLiteral("<br>[")
                    + tr("Camera Id") + QStringLiteral(": ") + m_cameraName.toHtmlEscaped() + QStringLiteral("]");
    if (changeMode) {
        m_ruleText = tr("Character Type") + QStringLiteral(": ") + tr("CharacterType description")
                     + QStringLiteral("<br>");
    } else if (errorType != Utilities::PWE_PW_AUTH) {
        m_ruleText = tr("Condition Info") + QStringLiteral("<br>") + tr("Number Character") + QStringLiteral(": ")
                     + tr("NumberCharacter description") + QStringLiteral("<br>") + tr("Character Type")
                     + QStringLiteral(": ") + tr("CharacterType description") + QStringLiteral("<br>");
    }

    auto *message = new QLabel(m_messageText, this);
    auto *rule = new QLabel(m_ruleText, this);
    rule->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 420);
    grid->setColumnMinimumWidth(1, 0);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->addWidget(message, 0, 0);
    grid->addWidget(rule, 1, 0);
    m_currentEdit = makeField();
    m_currentEye = makeEyeButton();
    if (changeMode) {
        m_newEdit = makeField();
        m_newEye = makeEyeButton();
        m_confirmEdit = makeField();
        m_confirmEye = makeEyeButton();
        grid->addWidget(new QLabel(tr("Current password"), this), 2, 0);
        grid->addWidget(m_currentEdit, 3, 0);
        grid->addWidget(m_currentEye, 4, 0, Qt::AlignLeft);
        grid->addWidget(new QLabel(tr("New password"), this), 5, 0);
        grid->addWidget(m_newEdit, 6, 0);
        grid->addWidget(m_newEye, 7, 0, Qt::AlignLeft);
        grid->addWidget(new QLabel(tr("Confirm new password"), this), 8, 0);
        grid->addWidget(m_confirmEdit, 9, 0);
        grid->addWidget(m_confirmEye, 10, 0, Qt::AlignLeft);
        connect(m_newEye, &QPushButton::released, this, &PasswordInput::buttonNewEyeClicked);
        connect(m_confirmEye, &QPushButton::released, this, &PasswordInput::buttonConfirmEyeClicked);
    } else {
        grid->addWidget(m_currentEdit, 2, 0);
        grid->addWidget(m_currentEye, 3, 0, Qt::AlignLeft);
    }
    connect(m_currentEye, &QPushButton::released, this, &PasswordInput::buttonCurrEyeClicked);

    auto *ok = new QPushButton(tr("OK"), this);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    ok->setMinimumSize(85, 26);
    cancel->setMinimumSize(85, 26);
    connect(ok, &QPushButton::released, this, &PasswordInput::buttonOkClicked);
    connect(cancel, &QPushButton::released, this, &PasswordInput::buttonCancelClicked);
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->setContentsMargins(210, 15, 0, 0);
    m_buttonRow->setAlignment(Qt::AlignRight);
    m_buttonRow->addWidget(ok);
    m_buttonRow->addWidget(cancel);

    auto *column = new QVBoxLayout(this);
    column->setSpacing(10);
    column->addLayout(grid);
    column->addLayout(m_buttonRow);

    const QSize hint = column->totalSizeHint();
    setFixedSize(hint.width() + 20, hint.height() + 10);
    QFont f = font();
    f.setPixelSize(12);
    if (Utilities *utilities = ApplicationData::getUtilities())
        f.setFamily(utilities->getFontFamily());
    setFont(f);
    setWindowFlags(kWindowFlags);
    setWindowTitle(tr("KAVRO Rozado"));
    setWindowModality(Qt::WindowModal);
}

PasswordInput::~PasswordInput() = default;

QLineEdit *PasswordInput::makeField()
{
    auto *field = new QLineEdit(this);
    field->setEchoMode(QLineEdit::Password);
    field->setFixedHeight(32);
    return field;
}

QPushButton *PasswordInput::makeEyeButton()
{
    auto *button = new QPushButton(tr("Show password"), this);
    button->setMinimumSize(20, 20);
    button->setStyleSheet(QStringLiteral("background-color: rgba(255, 255, 255, 0);border: 0px;font-size: 12px"));
    button->setIcon(QIcon(kEyeOff));
    button->setIconSize(QSize(12, 12));
    return button;
}

QString PasswordInput::messageText() const
{
    return m_messageText;
}

QString PasswordInput::ruleText() const
{
    return m_ruleText;
}

void PasswordInput::showDialog()
{
    show();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        move((size.width() - width()) / 2, (size.height() - height()) / 2);
    }
}

void PasswordInput::toggleShown(bool &shown, QLineEdit *field, QPushButton *button)
{
    if (!field || !button)
        return;
    shown = !shown;
    field->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    button->setIcon(QIcon(shown ? kEyeOn : kEyeOff));
}

void PasswordInput::buttonCurrEyeClicked()
{
    toggleShown(m_currShown, m_currentEdit, m_currentEye);
}

void PasswordInput::buttonNewEyeClicked()
{
    toggleShown(m_newShown, m_newEdit, m_newEye);
}

void PasswordInput::buttonConfirmEyeClicked()
{
    toggleShown(m_confirmShown, m_confirmEdit, m_confirmEye);
}

int PasswordInput::validateInputPassword(QString text)
{
    static const QRegularExpression rule(QStringLiteral("[a-zA-Z0-9]{8,31}"));
    QRegularExpressionValidator validator(rule);
    int pos = 0;
    return validator.validate(text, pos) == QValidator::Acceptable ? 0 : 1;
}

int PasswordInput::validateSavedPassword(QString current, QString serialNo)
{
    if (current.size() < 8 || current.size() > 31)
        return 2;
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return 2;
    const QString saved = adapter->ptpip_enhance_security_get_saved_password(serialNo);
    const std::optional<QString> scrambled = passwordscrambling::scrambledPassword(
        current, adapter->ptpip_enhance_security_get_device_encryption_key(serialNo));
    return scrambled && !saved.isEmpty() && *scrambled == saved ? 0 : 2;
}

void PasswordInput::showMessage(int icon, const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("<br />"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Icon(icon), tr("KAVRO Rozado"), shown, QMessageBox::Ok, this);
    box.setWindowFlags(kWindowFlags);
    box.exec();
}

void PasswordInput::buttonOkClicked()
{
    NoNativeDialogs attribute;
    const QString ruleLines = tr("Number Character") + QStringLiteral(": ") + tr("NumberCharacter description")
                              + QStringLiteral("\n") + tr("Character Type") + QStringLiteral(": ")
                              + tr("CharacterType description") + QStringLiteral("\n");
    if (!m_changeMode) {
        m_enteredText = m_currentEdit->text();
        m_checkState = 0;
        if (m_errorType == Utilities::PWE_PW_UNSET)
            m_checkState = validateInputPassword(m_enteredText);
        // The rule is checked for new passwords only, but no password fits
        // the camera's buffer beyond its 31 bytes: a longer one is refused
        // here with the same error, never cut, and the dialog stays.
        const std::optional<QString> scrambled = passwordscrambling::scrambledPassword(m_enteredText, m_deviceKey);
        if (m_checkState != 0 || !scrambled) {
            m_checkState = 1;
            hide();
            showMessage(QMessageBox::Critical, tr("Condition Info") + QStringLiteral("\n") + ruleLines);
            show();
            return;
        }
        if (DeviceAdapter *adapter = ApplicationData::getDeviceAdapter()) {
            const ushort mode = m_errorType == Utilities::PWE_PW_AUTH ? Utilities::PWM_AUTHENTICATION
                                                                      : Utilities::PWM_REGISTRATION;
            if (adapter->adp_KVR_func_api_SelectPnPDevice_With_EncryptPW(m_devIndex, QString(), *scrambled, mode)
                == Utilities::Ternary_True)
                adapter->ptpip_enhance_security_update_pw_list(m_serialNo, *scrambled);
        }
        close();
        return;
    }

    m_enteredText = m_currentEdit->text();
    m_newText = m_newEdit->text();
    m_checkState = validateSavedPassword(m_enteredText, m_serialNo);
    if (m_checkState == 0)
        m_checkState = validateInputPassword(m_newText);
    if (m_checkState == 0 && m_confirmEdit->text() != m_newText)
        m_checkState = 3;
    if (m_checkState == 0) {
        bool changed = false;
        if (DeviceAdapter *adapter = ApplicationData::getDeviceAdapter()) {
            const QString saved = adapter->ptpip_enhance_security_get_saved_password(m_serialNo);
            // The rule keeps a new password within the buffer.
            const std::optional<QString> scrambled = passwordscrambling::scrambledPassword(
                m_newText, adapter->ptpip_enhance_security_get_device_encryption_key(m_serialNo));
            changed = scrambled
                      && adapter->adp_KVR_func_api_SelectPnPDevice_With_EncryptPW(m_devIndex, saved, *scrambled,
                                                                                  Utilities::PWM_CHANGE)
                             == Utilities::Ternary_True;
            if (changed)
                adapter->ptpip_enhance_security_update_pw_list(m_serialNo, *scrambled);
        }
        hide();
        if (changed)
            showMessage(QMessageBox::Information, tr("Message_Complete"));
        else
            showMessage(QMessageBox::Critical, tr("Message_Failed"));
        close();
        return;
    }
    hide();
    if (m_checkState == 1)
        showMessage(QMessageBox::Critical, tr("error_newpw_wrong_condition") + QStringLiteral("\n") + ruleLines);
    else if (m_checkState == 2)
        showMessage(QMessageBox::Critical, tr("error_pw_incorrect"));
    else
        showMessage(QMessageBox::Critical, tr("error_pw_different"));
    show();
}

void PasswordInput::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    init(true);
    DeviceAdapter *adapter = ApplicationData::getDeviceAdapter();
    if (!adapter)
        return;
    // The change dialog answers no camera's request: one that came in while
    // it was open still waits, and its dialog comes now.
    const bool waiting = m_changeMode ? adapter->isCheckingPtpipEnhanceSecurityInfo()
                                      : adapter->ptpip_enhance_security_sent_password();
    if (waiting)
        adapter->ptpip_enhance_security_show_input_password_dialog();
}

void PasswordInput::buttonCancelClicked()
{
    finish();
}

void PasswordInput::closeEvent(QCloseEvent *event)
{
    finish();
    event->accept();
}

void PasswordInput::init(bool close)
{
    m_devIndex = 0;
    m_errorType = 0;
    m_deviceKey = 0;
    m_cameraName.clear();
    m_serialNo.clear();
    m_enteredText.clear();
    m_newText.clear();
    m_checkState = 0;
    m_currentEdit->clear();
    if (m_changeMode) {
        m_newEdit->clear();
        m_confirmEdit->clear();
    }
    if (close) {
        hide();
        if (DeviceAdapter *adapter = ApplicationData::getDeviceAdapter())
            adapter->ptpip_enhance_security_close_password_dialog();
    }
}

} // namespace kavrotether
