#pragma once

#include <QObject>
#include <QString>

namespace kavrotether {

// Receives pictures and movies from the cameras and stores them.
//
// The constructor starts no thread. The workers that fetch and save objects
// and cut 6K/4K frames are not part of this build yet: every request below
// leaves the camera's object where it is and saves nothing.
class ObjectCopy : public QObject
{
    Q_OBJECT
public:
    enum Cut6K4KState : int {
        CT6K4K_Unknown = -1,
        CT6K4K_Confirm = 0,
        CT6K4K_Start = 1,
        CT6K4K_Cancel = 2,
        CT6K4K_Stop = 3,
        CT6K4K_Complete = 4,
        CT6K4K_Max = 5
    };
    Q_ENUM(Cut6K4KState)

    explicit ObjectCopy(QObject *parent = nullptr);
    ~ObjectCopy() override;

    // A new object on a camera. Without a worker that can fetch it, the
    // object is not saved, and that is reported like an unreadable object.
    Q_INVOKABLE void startObjectAdd(int handle);
    // Saves a requested object on the calling thread; nothing is saved yet.
    Q_INVOKABLE void startObjectReqTransfer(int handle, const QString &uuid);
    Q_INVOKABLE void startCut6K4KData(int value);
    Q_INVOKABLE void startCut6K4KReady(int value);
    // Ends a 6K/4K cutting in progress; with none started there is nothing to end.
    Q_INVOKABLE void stop6K4K(int value);

    Cut6K4KState cut6K4KState() const { return m_cut6K4KState; }

signals:
    void objectAddErrorNotify();
    void cut6K4KStateChanged(kavrotether::ObjectCopy::Cut6K4KState state);

private:
    Cut6K4KState m_cut6K4KState = CT6K4K_Unknown;
};

} // namespace kavrotether
