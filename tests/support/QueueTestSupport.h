#pragma once

#include <QString>
#include <QStringList>

#include "camera/DeviceAdapterCallback.h"

namespace kavrotether::test {

// Items as "type:param:uuid" (hex type), so whole queues compare in one line.
inline QString itemText(quint32 type, quint32 param, const QString &uuid)
{
    return QStringLiteral("%1:%2:%3")
        .arg(QStringLiteral("%1").arg(type, 8, 16, QLatin1Char('0')).toUpper())
        .arg(param)
        .arg(uuid);
}

inline QStringList queueText(const DeviceAdapterCallback &receiver)
{
    QStringList out;
    for (const CallbackQueueItem &item : receiver.pendingItems())
        out << itemText(item.cb_event_type, item.cb_event_param, item.cb_event_uuid);
    return out;
}

inline bool isWaiting(const DeviceAdapterCallback &receiver, quint32 type)
{
    for (const CallbackQueueItem &item : receiver.pendingItems())
        if (item.cb_event_type == type)
            return true;
    return false;
}

// Steps the queue, oldest first, until no item of this type waits any more:
// events the SDK delivered meanwhile may stand before it. false when none
// was waiting.
inline bool runThrough(DeviceAdapterCallback &receiver, quint32 type)
{
    if (!isWaiting(receiver, type))
        return false;
    while (isWaiting(receiver, type))
        if (!receiver.runOne())
            return false;
    return true;
}

} // namespace kavrotether::test
