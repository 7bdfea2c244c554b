#pragma once

#include "core/Progress.h"

#include <QString>

// Bringing the photos a register already holds to the form new photos are stored in (JPEG of at
// most 800 pixels on the longer side, with a card picture beside each): what it would save, and
// the conversion itself.
namespace backup {

struct PhotoEstimate
{
    qint64 photos = 0; // students with a photo
    qint64 toConvert = 0; // photos stored in another form, or without a card picture
    qint64 bytesNow = 0; // the photos and card pictures as stored
    qint64 bytesAfter = 0; // about, once converted
    qint64 saving() const { return bytesNow > bytesAfter ? bytesNow - bytesAfter : 0; }
};
// Reads each photo's header only, a batch at a time.
PhotoEstimate estimatePhotos(const Progress& progress = {});

struct CompactionResult
{
    QString backupPath; // the backup taken first
    qint64 photos = 0; // photos looked at
    qint64 converted = 0; // photos or card pictures written
    qint64 unreadable = 0; // photos no reader accepts, left as they are
    qint64 sizeBefore = -1; // the register's size, where it can be told
    qint64 sizeAfter = -1;
    QString reclaimFailure; // why the space could not be given back, when it could not
};
// Converts every photo not yet in the new form, after a backup of the register, in batches of
// their own transaction: a conversion stopped (cancelled through the progress, or killed) keeps
// the batches written and goes on from there when run again, since converted photos are passed
// over. A photo changed by someone else meanwhile is left as they wrote it. The space the old
// photos held is given back at the end.
CompactionResult compactPhotos(const Progress& progress = {});

} // namespace backup
