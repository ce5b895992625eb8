#include "CustomMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace kavrotether {

namespace {

template<typename T, typename Signal>
void assign(CustomMessageBox *owner, T &member, const T &value, Signal signal)
{
    if (member == value)
        return;
    member = value;
    emit(owner->*signal)();
}

QMessageBox::Icon toIcon(int icon)
{
    switch (icon) {
    case QMessageBox::Information:
    case QMessageBox::Warning:
    case QMessageBox::Critical:
    case QMessageBox::Question:
        return static_cast<QMessageBox::Icon>(icon);
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

CustomMessageBox::CustomMessageBox(QObject *parent) : QObject(parent) {}

CustomMessageBox::~CustomMessageBox()
{
    setVisible(false);
}

void CustomMessageBox::open()
{
    setVisible(true);
}

void CustomMessageBox::close()
{
    setVisible(false);
}

void CustomMessageBox::setVisible(bool v)
{
    if (m_visible == v)
        return;
    m_visible = v;
    emit visibilityChanged();
    // A handler may already have changed it again; that newer call acted.
    if (m_visible != v)
        return;
    if (v)
        showBox();
    else
        destroyBox();
}

void CustomMessageBox::setModality(Qt::WindowModality m)
{
    assign(this, m_modality, m, &CustomMessageBox::modalityChanged);
}

void CustomMessageBox::setTitle(const QString &arg)
{
    assign(this, m_title, arg, &CustomMessageBox::titleChanged);
}

void CustomMessageBox::setText(const QString &arg)
{
    assign(this, m_text, arg, &CustomMessageBox::textChanged);
}

void CustomMessageBox::setTextFormat(Qt::TextFormat format)
{
    assign(this, m_textFormat, format, &CustomMessageBox::textFormatChanged);
}

void CustomMessageBox::setInformativeText(const QString &arg)
{
    assign(this, m_informativeText, arg, &CustomMessageBox::informativeTextChanged);
}

void CustomMessageBox::setDetailedText(const QString &arg)
{
    assign(this, m_detailedText, arg, &CustomMessageBox::detailedTextChanged);
}

void CustomMessageBox::setIcon(int icon)
{
    assign(this, m_icon, icon, &CustomMessageBox::iconChanged);
}

void CustomMessageBox::setStandardButtons(int buttons)
{
    assign(this, m_standardButtons, buttons, &CustomMessageBox::standardButtonsChanged);
}

void CustomMessageBox::setDefaultButton(int button)
{
    assign(this, m_defaultButton, button, &CustomMessageBox::defaultButtonChanged);
}

void CustomMessageBox::showBox()
{
    if (!m_box) {
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
        m_box = new QMessageBox(toIcon(m_icon), m_title, m_text, QMessageBox::StandardButtons(m_standardButtons),
                                nullptr,
                                Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                                    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        m_box->setWindowModality(m_modality);
        m_box->setTextFormat(m_textFormat);
        if (!m_informativeText.isEmpty())
            m_box->setInformativeText(m_informativeText);
        if (!m_detailedText.isEmpty())
            m_box->setDetailedText(m_detailedText);
        if (m_defaultButton != 0)
            m_box->setDefaultButton(static_cast<QMessageBox::StandardButton>(m_defaultButton));
        const auto kind = Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection);
        connect(m_box, &QMessageBox::buttonClicked, this, &CustomMessageBox::msgBox_clickedButton, kind);
        connect(m_box, &QMessageBox::rejected, this, &CustomMessageBox::msgBox_rejected, kind);
    }
    // QML may destroy this object, or close the box, while the modal run is
    // still on the stack: touch nothing of either afterwards.
    const QPointer<QMessageBox> box = m_box;
    box->exec();
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);
}

void CustomMessageBox::destroyBox()
{
    if (!m_box)
        return;
    QMessageBox *box = m_box;
    m_box.clear();
    disconnect(box, nullptr, this, nullptr);
    // Hiding ends a modal run still in progress; deleting later keeps the
    // box alive until that run has unwound.
    box->hide();
    box->deleteLater();
}

bool CustomMessageBox::fromCurrentBox() const
{
    const QObject *origin = sender();
    return m_box && (!origin || origin == m_box.data());
}

void CustomMessageBox::msgBox_clickedButton(QAbstractButton *button)
{
    // Answers already queued from a box that has since been closed (or the
    // second signal of one click) must not answer twice.
    if (!fromCurrentBox() || !m_box->buttons().contains(button))
        return;
    const QMessageBox::ButtonRole role = m_box->buttonRole(button);
    m_clickedButton = m_box->standardButton(button);
    emit buttonClicked();
    switch (role) {
    case QMessageBox::AcceptRole:
        emit accepted();
        break;
    case QMessageBox::RejectRole:
        emit rejected();
        break;
    case QMessageBox::DestructiveRole:
        emit discard();
        break;
    case QMessageBox::HelpRole:
        emit help();
        break;
    case QMessageBox::YesRole:
        emit yes();
        break;
    case QMessageBox::NoRole:
        emit no();
        break;
    case QMessageBox::ResetRole:
        emit reset();
        break;
    case QMessageBox::ApplyRole:
        emit apply();
        break;
    default:
        break;
    }
    if (m_visible)
        setVisible(false);
}

void CustomMessageBox::msgBox_rejected()
{
    if (!fromCurrentBox())
        return;
    emit rejected();
    if (m_visible)
        setVisible(false);
}

} // namespace kavrotether
