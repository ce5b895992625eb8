#include "PreviewImageInfo.h"

namespace kavrotether {

PreviewImageInfo::PreviewImageInfo(QObject *parent) : QObject(parent), d(std::make_unique<Private>()) {}
PreviewImageInfo::~PreviewImageInfo() = default;

} // namespace kavrotether
