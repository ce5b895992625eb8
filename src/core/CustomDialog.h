#pragma once

#include <QWidget>

#include "Utilities.h"

class QDialogButtonBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace kavrotether {

// The back end's own confirmation / result window, shown above the QML
// windows. It gives its answer exactly once (to whoever opened it, through
// its signals) and deletes itself when it closes; from then on it no longer
// sees any key.
class CustomDialog : public QWidget
{
    Q_OBJECT
public:
    CustomDialog();
    ~CustomDialog() override;

    // Builds the content; only the first call has an effect.
    void dialogSetup(Utilities::DialogType type, Utilities::IconType icon, bool isNoBtnFocus);
    void showDialog();
    Utilities::DialogType getDialogType() const { return m_dialogType; }

signals:
    // The confirmation was accepted; comes before finished().
    void accepted();
    // Answered or closed: the window is on its way out.
    void finished();

public slots:
    void onClickYes();
    void onClickNoOrOK();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Closes the window and reports the answer; a no-op once answered.
    void answer(bool accepted);
    void stopWatchingKeys();

    QDialogButtonBox *m_buttonBox = nullptr;
    Utilities::DialogType m_dialogType = Utilities::Unknown_Dialog;
    QLabel *m_textLabel = nullptr;
    QVBoxLayout *m_verticalLayout = nullptr;
    QHBoxLayout *m_buttonLayout = nullptr;
    bool m_closeByWindow = true;
    bool m_defaultIsNo = true;
    bool m_answered = false;
    bool m_watchingKeys = false;
};

} // namespace kavrotether
