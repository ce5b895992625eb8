#include "VersionData.h"

namespace kavrotether {

VersionData::VersionData(QObject *parent) : QObject(parent) {}
VersionData::~VersionData() = default;

} // namespace kavrotether
