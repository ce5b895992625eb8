#include "Utilities.h"

namespace kavrotether {

Utilities::Utilities(QObject *parent) : QObject(parent) {}
Utilities::~Utilities() = default;

} // namespace kavrotether
