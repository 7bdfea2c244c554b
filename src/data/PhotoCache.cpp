#include "data/PhotoCache.h"

#include "data/Photo.h"

QPixmap cardPicture(const db::StudentRow& student, const QSize& photoSize)
{
    const QImage picture = FetchPhoto(student.image);
    if (picture.isNull())
        return QPixmap();
    return QPixmap::fromImage(picture.scaled(photoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
