#pragma once

#include <QRect>

namespace kavrotether::screens {

// The geometry of the screen whose top-left corner is (posX, posY), else of the
// first screen; an empty rectangle when there is no screen at all.
QRect geometryAt(int posX, int posY);
// The same screen's geometry without the system's panels and docks.
QRect availableGeometryAt(int posX, int posY);

} // namespace kavrotether::screens
