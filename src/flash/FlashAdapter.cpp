#include "FlashAdapter.h"

namespace kavrotether {

FlashAdapter::FlashAdapter(QObject *parent) : QObject(parent) {}
FlashAdapter::~FlashAdapter() = default;

void FlashAdapter::stopCallbackThread() {}

} // namespace kavrotether
