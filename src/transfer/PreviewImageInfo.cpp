#include "PreviewImageInfo.h"

namespace kavrotether {

PreviewImageInfo::PreviewImageInfo(QObject *parent) : QObject(parent), d(std::make_unique<Private>()) {}
PreviewImageInfo::~PreviewImageInfo() = default;

int PreviewImageInfo::orientation() const
{
    return d->orientation;
}

void PreviewImageInfo::setOrientation(int value)
{
    d->orientation = value;
    emit orientationChanged(value);
}

double PreviewImageInfo::scale() const
{
    return d->scale;
}

void PreviewImageInfo::setScale(double value)
{
    d->scale = value;
    emit scaleChanged(value);
}

} // namespace kavrotether
