#include "SearchCameraListItemObject.h"

namespace kavrotether {

SearchCameraListItemObject::SearchCameraListItemObject(QObject *parent) : QObject(parent) {}
SearchCameraListItemObject::~SearchCameraListItemObject() = default;

} // namespace kavrotether
