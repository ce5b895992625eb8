#pragma once

#include <QObject>
#include <QSignalSpy>

namespace kavrotether::test {

// QSignalSpy appends on the emitting thread; signals of the search and
// reading threads reach it through a queued relay on the test's thread.
class Relay : public QObject
{
    Q_OBJECT
signals:
    void fired();
};

struct QueuedSpy
{
    template<typename Sender, typename Signal>
    QueuedSpy(Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, &relay, &Relay::fired, Qt::QueuedConnection);
    }
    Relay relay;
    QSignalSpy spy{&relay, &Relay::fired};
};

} // namespace kavrotether::test
