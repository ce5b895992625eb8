// Shows the language pane in a window of its own, the way the Installer
// shows it: its title, the language pop-up centred in the pane, and the
// buttons to leave it. Leaving either way runs the pane's exit step.

#include "KvLangSelection.h"
#include "PaneHost.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDialog>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace kavrotether::installer;

namespace {

class PaneDialog : public QDialog
{
public:
    explicit PaneDialog(KvLangSelection *pane) : m_pane(pane)
    {
        setWindowTitle(pane->title());
        auto *layout = new QVBoxLayout(this);
        auto *heading = new QLabel(pane->title(), this);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        layout->addWidget(heading);

        // The pane's content view; the pop-up sits where the pane puts it.
        m_content = new QWidget(this);
        const Rect contentFrame = pane->window()->contentView()->frame();
        m_content->setMinimumSize(int(contentFrame.width), int(contentFrame.height));
        m_content->installEventFilter(this);
        layout->addWidget(m_content, 1);
        m_popup = new QComboBox(m_content);
        m_popup->addItems(pane->btnPopupSelection()->itemTitles());
        m_popup->setCurrentIndex(pane->btnPopupSelection()->indexOfSelectedItem());

        auto *buttons = new QHBoxLayout;
        buttons->addStretch(1);
        auto *back = new QPushButton(QStringLiteral("Go Back"), this);
        auto *forward = new QPushButton(QStringLiteral("Continue"), this);
        forward->setDefault(true);
        buttons->addWidget(back);
        buttons->addWidget(forward);
        layout->addLayout(buttons);
        connect(back, &QPushButton::clicked, this, [this] { leave(PaneDirection::Backward); });
        connect(forward, &QPushButton::clicked, this, [this] { leave(PaneDirection::Forward); });

        m_pane->didEnterPane(PaneDirection::Forward);
        placePopup();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_content && event->type() == QEvent::Resize) {
            // The content view's new frame makes the pane re-centre its pop-up.
            m_pane->window()->contentView()->setFrame({double(m_content->x()), double(m_content->y()),
                                                       double(m_content->width()), double(m_content->height())});
            placePopup();
        }
        return QDialog::eventFilter(watched, event);
    }

private:
    void placePopup()
    {
        const Rect frame = m_pane->btnPopupSelection()->frame();
        // The pane measures from its content view's own position; this widget places children inside it.
        m_popup->setGeometry(int(frame.x - m_content->x()), int(frame.y), int(frame.width), int(frame.height));
    }

    void leave(PaneDirection direction)
    {
        m_pane->btnPopupSelection()->selectItemWithTitle(m_popup->currentText());
        m_pane->didExitPane(direction);
        done(m_pane->lastExitComplete() ? QDialog::Accepted : QDialog::Rejected);
    }

    KvLangSelection *m_pane;
    QWidget *m_content = nullptr;
    QComboBox *m_popup = nullptr;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the installer's language pane."));
    parser.addHelpOption();
    const QCommandLineOption bundleOption(QStringLiteral("bundle"), QStringLiteral("The pane's resource folder."),
                                          QStringLiteral("folder"), defaultResourceFolder());
    parser.addOption(bundleOption);
    parser.process(app);
    const QString folder = parser.value(bundleOption);
    if (!QFileInfo(folder).isDir()) {
        qCritical("No pane resources at \"%s\".", qPrintable(folder));
        return 2;
    }

    InstallerSection section{Bundle(folder)};
    KvLangSelection pane(&section);
    pane.awakeFromNib();
    PaneDialog dialog(&pane);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
