#pragma once

#include "core/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// A student's photo is stored as the complete bytes of one BMP file. Both directions work in
// memory: no temporary file is written.

// Stored bytes that are no picture a reader accepts: the photo is at fault, not the register.
class UnreadablePicture : public Failure
{
public:
    using Failure::Failure;
};

// The BMP bytes of a picture. Throws when there is no picture or it cannot be encoded.
QByteArray StorePhoto(const QImage& picture);

// The picture stored in a row's Image bytes. No bytes give a null image (no photo). Bytes that
// no picture reader accepts throw a failure that says so.
QImage FetchPhoto(const QByteArray& bytes);

// Loads a picture the user chose. Refuses files over the size cap with a plain message rather
// than filling the register with them.
QImage loadChosenPicture(const QString& path);

inline constexpr qint64 kMaxPictureFileBytes = 50LL * 1024 * 1024;
inline constexpr qint64 kMaxPicturePixels = 20LL * 1000 * 1000;
