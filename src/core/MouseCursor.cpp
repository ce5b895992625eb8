#include "MouseCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>

namespace kavrotether::mousecursor {

namespace {

// The kinds drawn from a picture whose centre is the hot spot.
struct CentredPicture
{
    Utilities::CursorType kind;
    const char *path;
};
constexpr CentredPicture centredPictures[] = {
    {Utilities::Ct_1point, ":/images/378_1point.svg"},     {Utilities::Ct_255point, ":/images/376_225point.svg"},
    {Utilities::Ct_Custom_m, ":/images/377_kstm.svg"},     {Utilities::Ct_Face, ":/images/374_face.svg"},
    {Utilities::Ct_tracking, ":/images/375_tracking.svg"},
};

} // namespace

void apply(Utilities::CursorType kind)
{
    if (kind == Utilities::Ct_Pen) {
        // The dropper's tip marks the white-balance point.
        QGuiApplication::setOverrideCursor(QCursor(QPixmap(QStringLiteral(":/images/453_spoit.ico")), 0, 16));
        return;
    }
    for (const CentredPicture &picture : centredPictures) {
        if (picture.kind == kind) {
            QGuiApplication::setOverrideCursor(QCursor(QPixmap(QString::fromLatin1(picture.path))));
            return;
        }
    }
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kavrotether::mousecursor
