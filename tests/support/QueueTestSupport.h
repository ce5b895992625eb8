#pragma once

#include <QString>
#include <QStringList>

#include "camera/DeviceAdapterCallback.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

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

// Runs the waiting items, oldest first, until none of the given code is
// left; false when the queue held none. Other items may be ahead of it (the
// camera's events arrive on their own).
inline bool runThrough(DeviceAdapterCallback &receiver, quint32 code)
{
    auto waiting = [&] {
        const auto items = receiver.pendingItems();
        return std::any_of(items.cbegin(), items.cend(),
                           [&](const CallbackQueueItem &item) { return item.cb_event_type == code; });
    };
    if (!waiting())
        return false;
    while (waiting() && receiver.runOne()) {
    }
    return !waiting();
}

// The program's routing plus rows that do nothing for the given codes, so
// that reads whose handlers this build lacks are still queued and a test can
// see that they were asked for. Installed while it lives.
class StandInReaders
{
public:
    explicit StandInReaders(std::initializer_list<quint32> codes)
    {
        const DispatchTables &production = DeviceAdapterCallback::productionTables();
        m_rows.assign(production.queued, production.queued + production.queuedCount);
        for (quint32 code : codes)
            m_rows.push_back(DispatchEntry{code, [](DeviceAdapter &, const CallbackQueueItem &) {}});
        std::sort(m_rows.begin(), m_rows.end(),
                  [](const DispatchEntry &a, const DispatchEntry &b) { return a.code < b.code; });
        m_tables = production;
        m_tables.queued = m_rows.data();
        m_tables.queuedCount = m_rows.size();
        DeviceAdapterCallback::setDispatchTables(&m_tables);
    }
    ~StandInReaders() { DeviceAdapterCallback::setDispatchTables(nullptr); }
    StandInReaders(const StandInReaders &) = delete;
    StandInReaders &operator=(const StandInReaders &) = delete;

private:
    std::vector<DispatchEntry> m_rows;
    DispatchTables m_tables;
};

} // namespace kavrotether::test
