#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace kavrotether::test {

// Runs `action` on the modal message box once it is on screen. The box runs
// in exec(), so the action has to come from that nested event loop. Polls
// each pass of the loop and stops when it goes out of scope.
class WhenBoxShown
{
public:
    explicit WhenBoxShown(std::function<void(QMessageBox *)> action)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, action]() {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_timer.stop();
                action(box);
            }
        });
        m_timer.start(0);
    }

private:
    QTimer m_timer;
};

} // namespace kavrotether::test
