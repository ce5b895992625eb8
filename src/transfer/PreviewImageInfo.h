#pragma once

#include <QObject>
#include <memory>

namespace kavrotether {

// The picture shown in the preview window and how it is shown: the preview
// provider writes both values on every request, and the window rotates and
// scales by them.
class PreviewImageInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int orientation READ orientation WRITE setOrientation NOTIFY orientationChanged)
    Q_PROPERTY(double scale READ scale WRITE setScale NOTIFY scaleChanged)
public:
    // The EXIF Orientation values ("Rev": mirrored).
    enum ExifOrientation : int {
        ExifOrient_None = 1,
        ExifOrient_None_Rev = 2,
        ExifOrient_180 = 3,
        ExifOrient_180_Rev = 4,
        ExifOrient_R90_Rev = 5,
        ExifOrient_R90 = 6,
        ExifOrient_L90_Rev = 7,
        ExifOrient_L90 = 8
    };
    Q_ENUM(ExifOrientation)

    explicit PreviewImageInfo(QObject *parent = nullptr);
    ~PreviewImageInfo() override;

    int orientation() const;
    // Both setters announce every value, also an unchanged one: each preview
    // request must reach the window.
    void setOrientation(int value);
    double scale() const;
    void setScale(double value);

signals:
    void orientationChanged(int value);
    void scaleChanged(double value);

private:
    struct Private
    {
        int orientation = 0;
        double scale = 1.0;
    };
    std::unique_ptr<Private> d;
};

} // namespace kavrotether
