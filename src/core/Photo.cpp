#include "core/Photo.h"

#include "core/Failure.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace {

// The texts of this file, under the context translators find them in.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Photo)
};

void checkSize(const QSize& size)
{
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels)
        throw UnreadablePicture(
            Text::tr("The picture is too large (%1 by %2 pixels); pictures of up to %3 million pixels can be "
                     "stored.")
                .arg(size.width())
                .arg(size.height())
                .arg(kMaxPicturePixels / 1000000));
}

} // namespace

QByteArray StorePhoto(const QImage& picture)
{
    if (picture.isNull())
        throw Failure(Text::tr("There is no picture to store."));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture))
        throw Failure(Text::tr("The picture could not be stored: %1").arg(writer.errorString()));
    return bytes;
}

QImage FetchPhoto(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Stored photos are BMP, but a register written by another tool may hold any format.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    checkSize(reader.size());
    QImage picture = reader.read();
    if (picture.isNull())
        throw UnreadablePicture(Text::tr("A stored photo could not be read: %1").arg(reader.errorString()));
    return picture;
}

QImage loadChosenPicture(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw Failure(Text::tr("The picture %1 was not found.").arg(QDir::toNativeSeparators(path)));
    if (info.size() > kMaxPictureFileBytes)
        throw Failure(Text::tr("The picture %1 is too large (%2 MB); pictures of up to %3 MB can be stored.")
                          .arg(QDir::toNativeSeparators(path))
                          .arg(info.size() / (1024 * 1024))
                          .arg(kMaxPictureFileBytes / (1024 * 1024)));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    checkSize(reader.size());
    QImage picture = reader.read();
    if (picture.isNull())
        throw Failure(
            Text::tr("The picture %1 could not be read: %2").arg(QDir::toNativeSeparators(path), reader.errorString()));
    return picture;
}
