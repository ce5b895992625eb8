#include "ObjectCopy.h"

namespace kavrotether {

ObjectCopy::ObjectCopy(QObject *parent) : QObject(parent) {}
ObjectCopy::~ObjectCopy() = default;

} // namespace kavrotether
