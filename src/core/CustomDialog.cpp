#include "CustomDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace kavrotether {

namespace {

constexpr int kFontPixelSize = 13;
constexpr int kIconBox = 40;
constexpr int kIconMargin = 5;
constexpr int kGridHorizontalSpacing = 25;
constexpr int kVerticalSpacing = 20;

bool isConfirmation(Utilities::DialogType type)
{
    return type == Utilities::PowerSaving_ConfirmationDialog || type == Utilities::FirmwareUpdate_ConfirmationDialog;
}

bool isNotification(Utilities::DialogType type)
{
    return type == Utilities::Success_NotificationDialog || type == Utilities::Failed_NotificationDialog;
}

QString messageFor(Utilities::DialogType type)
{
    switch (type) {
    case Utilities::PowerSaving_ConfirmationDialog:
        return CustomDialog::tr("power_mode_change_warning");
    case Utilities::FirmwareUpdate_ConfirmationDialog:
        return CustomDialog::tr("firmware_update_confirmation");
    case Utilities::Success_NotificationDialog:
        return CustomDialog::tr("Message_Complete");
    case Utilities::Failed_NotificationDialog:
        return CustomDialog::tr("Message_Failed");
    default:
        return CustomDialog::tr("No text specified!");
    }
}

bool standardPixmapFor(Utilities::IconType icon, QStyle::StandardPixmap *out)
{
    switch (icon) {
    case Utilities::Question_Icon:
        *out = QStyle::SP_MessageBoxQuestion;
        return true;
    case Utilities::Warning_Icon:
        *out = QStyle::SP_MessageBoxWarning;
        return true;
    case Utilities::Critical_Icon:
        *out = QStyle::SP_MessageBoxCritical;
        return true;
    case Utilities::Information_Icon:
        *out = QStyle::SP_MessageBoxInformation;
        return true;
    default:
        return false;
    }
}

} // namespace

CustomDialog::CustomDialog() : QWidget(nullptr)
{
    setWindowTitle(tr("KAVRO Rozado"));
    setAutoFillBackground(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::CustomizeWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    // The window answers to Return/Enter wherever the focus is.
    qApp->installEventFilter(this);
    m_watchingKeys = true;
}

CustomDialog::~CustomDialog()
{
    stopWatchingKeys();
}

void CustomDialog::dialogSetup(Utilities::DialogType type, Utilities::IconType icon, bool isNoBtnFocus)
{
    if (m_verticalLayout)
        return;

    QFont font;
    font.setPixelSize(kFontPixelSize);

    if (isConfirmation(type)) {
        m_buttonBox = new QDialogButtonBox(this);
        m_buttonBox->setFont(font);
        QPushButton *yes = m_buttonBox->addButton(tr("Yes"), QDialogButtonBox::YesRole);
        QPushButton *no = m_buttonBox->addButton(tr("No"), QDialogButtonBox::NoRole);
        m_defaultIsNo = isNoBtnFocus;
        (isNoBtnFocus ? no : yes)->setDefault(true);
        // Answer on a release over the button only: sliding off a pressed
        // Yes must not start a mode change or a firmware update.
        connect(yes, &QPushButton::clicked, this, &CustomDialog::onClickYes);
        connect(no, &QPushButton::clicked, this, &CustomDialog::onClickNoOrOK);
    } else if (isNotification(type)) {
        m_buttonBox = new QDialogButtonBox(this);
        m_buttonBox->setFont(font);
        QPushButton *ok = m_buttonBox->addButton(QDialogButtonBox::Ok);
        connect(ok, &QPushButton::clicked, this, &CustomDialog::onClickNoOrOK);
    }

    const bool known = isConfirmation(type) || isNotification(type);
    m_dialogType = known ? type : Utilities::Unknown_Dialog;
    m_textLabel = new QLabel(messageFor(m_dialogType), this);
    m_textLabel->setFont(font);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(kGridHorizontalSpacing);
    QStyle::StandardPixmap pixmapId;
    if (standardPixmapFor(icon, &pixmapId)) {
        const QIcon standardIcon = style()->standardIcon(pixmapId, nullptr, this);
        auto *iconLabel = new QLabel(this);
        iconLabel->setContentsMargins(kIconMargin, kIconMargin, kIconMargin, kIconMargin);
        iconLabel->setPixmap(standardIcon.pixmap(standardIcon.actualSize(QSize(kIconBox, kIconBox))));
        grid->addWidget(iconLabel, 0, 0);
        grid->addWidget(m_textLabel, 0, 1);
    } else {
        grid->addWidget(m_textLabel, 0, 0);
    }

    m_buttonLayout = new QHBoxLayout;
    if (m_buttonBox)
        m_buttonLayout->addWidget(m_buttonBox);

    m_verticalLayout = new QVBoxLayout(this);
    m_verticalLayout->setSpacing(kVerticalSpacing);
    m_verticalLayout->addLayout(grid);
    m_verticalLayout->addLayout(m_buttonLayout);
}

void CustomDialog::showDialog()
{
    if (m_answered)
        return;
    show();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect screenRect = screen->geometry();
        move((screenRect.width() - width()) / 2, (screenRect.height() - height()) / 2);
    }
}

void CustomDialog::onClickYes()
{
    answer(true);
}

void CustomDialog::onClickNoOrOK()
{
    answer(false);
}

void CustomDialog::answer(bool accepted)
{
    if (m_answered)
        return;
    m_answered = true;
    stopWatchingKeys();
    m_closeByWindow = false;
    // WA_DeleteOnClose defers the deletion, so the adapter may still read
    // the type below.
    close();
    if (accepted)
        emit this->accepted();
    emit finished();
}

void CustomDialog::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_closeByWindow || m_answered)
        return;
    // Closed from outside (title-bar button or the adapter): a refusal.
    m_answered = true;
    stopWatchingKeys();
    emit finished();
}

bool CustomDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_answered && event->type() == QEvent::KeyPress && isVisible()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const bool accept = m_buttonBox && isConfirmation(m_dialogType) && !m_defaultIsNo;
            answer(accept);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CustomDialog::stopWatchingKeys()
{
    if (!m_watchingKeys)
        return;
    m_watchingKeys = false;
    qApp->removeEventFilter(this);
}

} // namespace kavrotether
