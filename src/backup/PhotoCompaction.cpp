#include "backup/PhotoCompaction.h"

#include "backup/BackupFolder.h"
#include "core/Failure.h"
#include "core/Photo.h"
#include "register/Database.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QImageReader>

#include <algorithm>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PhotoCompaction)
};

constexpr int kBatch = 50;
// What a photo of the new form takes, by its pixels: JPEG at quality 90 of a school portrait
// runs at a quarter to a third of a byte a pixel; the larger figure keeps the estimate honest.
constexpr double kBytesPerPixel = 0.35;
// A card picture, about.
constexpr qint64 kCardBytes = 8 * 1024;

QSize headerSize(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.size();
}

void tell(const Progress& progress, qint64 done, qint64 total)
{
    if (progress && !progress(done, total))
        throw Cancelled(Text::tr("The conversion of the photos was stopped; the photos converted so far are kept, "
                                 "and running it again goes on from there."));
}

} // namespace

namespace backup {

PhotoEstimate estimatePhotos(const Progress& progress)
{
    PhotoEstimate estimate;
    const db::PhotoTotals totals = db::photoTotals();
    estimate.photos = totals.photos;
    estimate.bytesNow = totals.photoBytes + totals.cardBytes;
    qint64 after = 0;
    qint64 seen = 0;
    for (qint64 last = 0;;) {
        const QList<db::StoredPhoto> batch = db::photosAfter(last, kBatch);
        if (batch.isEmpty())
            break;
        for (const db::StoredPhoto& photo : batch) {
            ++seen;
            last = photo.studentId;
            if (isCompactPhoto(photo.image) && photo.hasCardPicture) {
                after += photo.image.size() + kCardBytes;
                continue;
            }
            ++estimate.toConvert;
            QSize size = headerSize(photo.image);
            if (std::max(size.width(), size.height()) > kStoredPhotoLongSide)
                size = size.scaled(kStoredPhotoLongSide, kStoredPhotoLongSide, Qt::KeepAspectRatio);
            const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : 0;
            const qint64 compact = isCompactPhoto(photo.image) ? photo.image.size() : qint64(pixels * kBytesPerPixel);
            after += std::min<qint64>(compact, photo.image.size()) + kCardBytes;
        }
        tell(progress, seen, totals.photos);
    }
    estimate.bytesAfter = after;
    return estimate;
}

CompactionResult compactPhotos(const Progress& progress)
{
    if (db::openedSchemaVersion() < db::kSchemaVersion)
        throw Failure(Text::tr("The register is not at this version of Rollvane, so its photos cannot be converted. "
                               "Nothing was changed."));
    CompactionResult result;
    result.sizeBefore = db::registerSize();
    result.backupPath = takeBackupOfOpenRegister(QDateTime::currentDateTime());
    const qint64 total = db::photoTotals().photos;
    for (qint64 last = 0;;) {
        const QList<db::StoredPhoto> batch = db::photosAfter(last, kBatch);
        if (batch.isEmpty())
            break;
        QList<db::StoredPhoto> read;
        QList<QByteArray> images;
        QList<QByteArray> cards;
        for (const db::StoredPhoto& photo : batch) {
            last = photo.studentId;
            ++result.photos;
            const bool compact = isCompactPhoto(photo.image);
            if (compact && photo.hasCardPicture)
                continue;
            try {
                // A photo already in the new form keeps its bytes: compressing it again would
                // only lose detail.
                QByteArray image = compact ? photo.image : compactPhoto(photo.image);
                QByteArray card = CardPictureOf(image);
                read.append(photo);
                images.append(std::move(image));
                cards.append(std::move(card));
            } catch (const UnreadablePicture&) {
                ++result.unreadable;
            }
        }
        if (!read.isEmpty())
            result.converted += db::replacePhotos(read, images, cards);
        tell(progress, result.photos, total);
    }
    try {
        db::reclaimSpace();
    } catch (const Failure& failure) {
        result.reclaimFailure = failure.description();
    }
    result.sizeAfter = db::registerSize();
    return result;
}

} // namespace backup
