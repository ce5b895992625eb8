#include "ScreenGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace kavrotether::screens {

namespace {

QScreen *screenAt(int posX, int posY)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        if (screen->geometry().topLeft() == QPoint(posX, posY))
            return screen;
    }
    return screens.isEmpty() ? nullptr : screens.first();
}

} // namespace

QRect geometryAt(int posX, int posY)
{
    QScreen *screen = screenAt(posX, posY);
    return screen ? screen->geometry() : QRect();
}

QRect availableGeometryAt(int posX, int posY)
{
    QScreen *screen = screenAt(posX, posY);
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace kavrotether::screens
