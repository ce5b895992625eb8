#include "ObjectCopy.h"

namespace kavrotether {

ObjectCopy::ObjectCopy(QObject *parent) : QObject(parent) {}
ObjectCopy::~ObjectCopy() = default;

void ObjectCopy::startObjectAdd(int)
{
    emit objectAddErrorNotify();
}

void ObjectCopy::startObjectReqTransfer(int, const QString &) {}

void ObjectCopy::startCut6K4KData(int) {}

void ObjectCopy::startCut6K4KReady(int) {}

void ObjectCopy::stop6K4K(int)
{
    // Cutting never starts in this build, so the state stays unknown and a
    // stop event finds nothing to cancel or interrupt.
}

} // namespace kavrotether
