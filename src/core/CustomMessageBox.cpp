#include "CustomMessageBox.h"

namespace kavrotether {

CustomMessageBox::CustomMessageBox(QObject *parent) : QObject(parent) {}
CustomMessageBox::~CustomMessageBox() = default;

} // namespace kavrotether
