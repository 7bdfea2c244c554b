#pragma once

#include "core/Failure.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// A student's photo is stored as the complete bytes of one picture file. New photos are JPEG of
// no more than 800 pixels on the longer side, a few dozen kilobytes; registers written before
// hold full-size BMP, and other tools may have stored PNG, GIF or WebP. Every reader here decodes
// by content, so all of them keep showing. Both directions work in memory: no temporary file is
// written.
//
// Beside each photo the register keeps the card picture: the photo cropped to the card's shape
// at twice the card's size (sharp on a high-density screen), a few kilobytes, so that listing a
// class reads a few kilobytes a student rather than the photos.

inline constexpr int kStoredPhotoLongSide = 800;
inline constexpr int kStoredPhotoQuality = 90;
// The photo area of a card, in pixels at a device pixel ratio of 1.
inline constexpr QSize kCardPhotoSize {95, 97};
inline constexpr int kCardPictureScale = 2;
inline constexpr int kCardPictureQuality = 85;

// Stored bytes that are no picture a reader accepts: the photo is at fault, not the register.
class UnreadablePicture : public Failure
{
public:
    using Failure::Failure;
};

// The stored bytes of a picture: JPEG, scaled down to kStoredPhotoLongSide if larger. Throws
// when there is no picture or it cannot be encoded.
QByteArray StorePhoto(const QImage& picture);

// The card picture of a stored photo. No bytes give none; bytes that no reader accepts throw
// UnreadablePicture.
QByteArray CardPictureOf(const QByteArray& photoBytes);

// Whether stored bytes are already what StorePhoto writes (JPEG within the size), which
// compaction leaves alone so that a photo is never compressed twice.
bool isCompactPhoto(const QByteArray& bytes);
// Stored bytes in the form StorePhoto writes; bytes already in it come back unchanged. Throws
// UnreadablePicture for bytes no reader accepts.
QByteArray compactPhoto(const QByteArray& bytes);

// The picture stored in a row's Image bytes. No bytes give a null image (no photo). Bytes that
// no picture reader accepts throw a failure that says so.
QImage FetchPhoto(const QByteArray& bytes);

// The stored photo decoded straight to the given size, averaging the pixels each target pixel
// covers. The picture is scaled to cover the size and cropped at the edges, centred, so that it
// fills the area undistorted; the stored bytes are never changed. Photos stored as plain 24- or 32-bit BMP are scaled
// while they are read; any other picture goes through the general reader. No bytes give a null image; bytes that no
// reader accepts throw, as FetchPhoto does.
QImage scaledPhoto(const QByteArray& bytes, const QSize& size);

// Loads a picture the user chose. Refuses files over the size cap with a plain message rather
// than filling the register with them.
QImage loadChosenPicture(const QString& path);

inline constexpr qint64 kMaxPictureFileBytes = 50LL * 1024 * 1024;
inline constexpr qint64 kMaxPicturePixels = 20LL * 1000 * 1000;
