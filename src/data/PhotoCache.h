#pragma once

#include <QPixmap>
#include <QSize>

#include "data/Database.h"

// The picture a card shows for a student: the stored photo scaled to the card's photo area.
// A student without a photo gives a null pixmap. Bytes no picture reader accepts throw.
QPixmap cardPicture(const db::StudentRow& student, const QSize& photoSize);
