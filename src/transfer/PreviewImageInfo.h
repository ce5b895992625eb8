#pragma once

#include <QObject>
#include <memory>

namespace kavrotether {

// The picture shown in the preview window and how it is shown.
class PreviewImageInfo : public QObject
{
    Q_OBJECT
public:
    explicit PreviewImageInfo(QObject *parent = nullptr);
    ~PreviewImageInfo() override;

private:
    struct Private
    {
        int rotation = 0;
        double scale = 1.0;
    };
    std::unique_ptr<Private> d;
};

} // namespace kavrotether
