#pragma once

#include <QObject>

namespace kavrotether {

// The windows' relays: one window tells the others that it was shown, hidden
// or brought forward. Utilities derives from it, so QML reaches the relays and
// their signals on "utilities".
class WindowRelays : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE void preferenceWindowVisibleChanged(bool flg) { emit preferenceWindowVisibleChangedNotify(flg); }
    Q_INVOKABLE void preferenceWindowActive() { emit preferenceWindowActiveNotify(); }
    Q_INVOKABLE void movieQualityWindowVisibleChanged(bool flg) { emit movieQualityWindowVisibleChangedNotify(flg); }
    Q_INVOKABLE void searchCamWindowVisibleChanged(bool flg) { emit searchCamWindowVisibleChangedNotify(flg); }
    Q_INVOKABLE void activateWindow() { emit activateWindowNotify(); }

signals:
    void preferenceWindowVisibleChangedNotify(bool flg);
    void preferenceWindowActiveNotify();
    void movieQualityWindowVisibleChangedNotify(bool flg);
    void searchCamWindowVisibleChangedNotify(bool flg);
    void activateWindowNotify();
};

} // namespace kavrotether
