#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>
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

// What a label shows: its text as typed, or, where the label takes it for
// markup, the characters the markup draws (a picture as U+FFFC, a line
// break as "\n").
inline QString shownText(const QLabel &label)
{
    const Qt::TextFormat format = label.textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label.text())))
        return label.text();
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText();
}

// The text of a message box as it shows it.
inline QString shownText(const QMessageBox &box)
{
    const auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    return label ? shownText(*label) : QString();
}

} // namespace kavrotether::test
