#include "core/Photo.h"

#include "core/Failure.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRect>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

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

quint32 le32(const uchar* p)
{
    quint32 value;
    std::memcpy(&value, p, sizeof value);
    return qFromLittleEndian(value);
}

quint16 le16(const uchar* p)
{
    quint16 value;
    std::memcpy(&value, p, sizeof value);
    return qFromLittleEndian(value);
}

// The layout of a plain uncompressed 24- or 32-bit BMP, the form the register stores photos in.
struct PlainBmp
{
    const uchar* pixels = nullptr; // the first row in memory
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    qsizetype stride = 0;
    bool bottomUp = true;
};

// Null when the bytes are anything but a complete plain BMP; those go to the general reader,
// which decides what they are and says what is wrong with them.
std::optional<PlainBmp> plainBmp(const QByteArray& bytes)
{
    constexpr qsizetype fileHeader = 14;
    if (bytes.size() < fileHeader + 40 || !bytes.startsWith("BM"))
        return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 pixelOffset = le32(data + 10);
    const quint32 infoSize = le32(data + 14);
    if (infoSize < 40 || fileHeader + qint64(infoSize) > bytes.size())
        return std::nullopt;
    const qint32 width = qint32(le32(data + 18));
    const qint32 height = qint32(le32(data + 22));
    const quint16 planes = le16(data + 26);
    const quint16 bits = le16(data + 28);
    const quint32 compression = le32(data + 30);
    constexpr quint32 uncompressed = 0;
    if (planes != 1 || (bits != 24 && bits != 32) || compression != uncompressed)
        return std::nullopt;
    if (width <= 0 || height == 0 || height == std::numeric_limits<qint32>::min())
        return std::nullopt;
    const qint64 rows = height < 0 ? -qint64(height) : qint64(height);
    if (qint64(width) * rows > kMaxPicturePixels)
        return std::nullopt;
    const qint64 stride = ((qint64(width) * bits + 31) / 32) * 4;
    if (pixelOffset < fileHeader + infoSize || qint64(pixelOffset) + stride * rows > bytes.size())
        return std::nullopt;
    PlainBmp bmp;
    bmp.pixels = data + pixelOffset;
    bmp.width = width;
    bmp.height = int(rows);
    bmp.bytesPerPixel = bits / 8;
    bmp.stride = stride;
    bmp.bottomUp = height > 0;
    return bmp;
}

// The largest centred part of a picture that has the card's shape: scaled to the card, it covers
// the whole photo area without distorting a face, and only the edges are lost.
QRect coverCrop(const QSize& source, const QSize& target)
{
    const qint64 width = source.width();
    const qint64 height = source.height();
    if (width * target.height() > height * target.width()) {
        const qint64 cropped = std::max<qint64>(1, (height * target.width() + target.height() / 2) / target.height());
        return QRect(int((width - cropped) / 2), 0, int(cropped), int(height));
    }
    const qint64 cropped = std::max<qint64>(1, (width * target.height() + target.width() / 2) / target.width());
    return QRect(0, int((height - cropped) / 2), int(width), int(cropped));
}

// Each target pixel is the mean of the source pixels it covers, read straight from the file's
// rows: no full-size picture is ever made. The rows of a band are first summed column by column,
// which runs over whole rows at a time. Only the part inside the crop is read.
QImage averageDown(const PlainBmp& bmp, const QRect& crop, const QSize& size)
{
    const int targetWidth = size.width();
    const int targetHeight = size.height();
    const int step = bmp.bytesPerPixel;
    const qsizetype rowBytes = qsizetype(crop.width()) * step;
    const qsizetype firstByte = qsizetype(crop.x()) * step;
    std::vector<int> firstColumn(size_t(targetWidth) + 1);
    for (int x = 0; x <= targetWidth; ++x)
        firstColumn[size_t(x)] = int(qint64(x) * crop.width() / targetWidth);
    std::vector<quint32> columns(static_cast<size_t>(rowBytes));
    QImage scaled(size, QImage::Format_RGB32);
    for (int y = 0; y < targetHeight; ++y) {
        const int top = crop.y() + int(qint64(y) * crop.height() / targetHeight);
        const int bottom = crop.y() + int(qint64(y + 1) * crop.height() / targetHeight);
        std::fill(columns.begin(), columns.end(), 0u);
        quint32* column = columns.data();
        for (int row = top; row < bottom; ++row) {
            const int stored = bmp.bottomUp ? bmp.height - 1 - row : row;
            const uchar* line = bmp.pixels + stored * bmp.stride + firstByte;
            for (qsizetype i = 0; i < rowBytes; ++i)
                column[i] += line[i];
        }
        auto* out = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        const quint32 rows = quint32(bottom - top);
        for (int x = 0; x < targetWidth; ++x) {
            const int left = firstColumn[size_t(x)];
            const int right = firstColumn[size_t(x) + 1];
            quint32 blue = 0, green = 0, red = 0;
            for (const quint32* pixel = column + qsizetype(left) * step; pixel < column + qsizetype(right) * step;
                 pixel += step) {
                blue += pixel[0];
                green += pixel[1];
                red += pixel[2];
            }
            const quint32 count = rows * quint32(right - left);
            out[x] = qRgb(
                int((red + count / 2) / count), int((green + count / 2) / count), int((blue + count / 2) / count));
        }
    }
    return scaled;
}

QByteArray jpegBytes(const QImage& picture, int quality)
{
    QImage image = picture;
    // JPEG keeps no transparency: what was see-through becomes white, as on a printed page,
    // rather than the black its empty pixels would give.
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        image = flat;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image))
        throw Failure(Text::tr("The picture could not be stored: %1").arg(writer.errorString()));
    return bytes;
}

} // namespace

QImage scaledPhoto(const QByteArray& bytes, const QSize& size)
{
    if (bytes.isEmpty() || size.isEmpty())
        return QImage();
    if (const std::optional<PlainBmp> bmp = plainBmp(bytes)) {
        const QRect crop = coverCrop(QSize(bmp->width, bmp->height), size);
        if (crop.width() >= size.width() && crop.height() >= size.height())
            return averageDown(*bmp, crop, size);
    }
    // Any other picture is cropped and scaled by its reader, which for JPEG decodes straight to
    // a fraction of the size rather than the whole photo first.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setQuality(100); // smooth scaling, not the nearest pixel
    const QSize full = reader.size();
    checkSize(full);
    if (full.isValid()) {
        const QRect crop = coverCrop(full, size);
        if (crop.width() >= size.width() && crop.height() >= size.height()) {
            reader.setClipRect(crop);
            reader.setScaledSize(size);
        }
    }
    const QImage picture = reader.read();
    if (picture.isNull())
        throw UnreadablePicture(Text::tr("A stored photo could not be read: %1").arg(reader.errorString()));
    if (picture.size() == size)
        return picture;
    return picture.copy(coverCrop(picture.size(), size)).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QByteArray StorePhoto(const QImage& picture)
{
    if (picture.isNull())
        throw Failure(Text::tr("There is no picture to store."));
    QImage image = picture;
    if (std::max(image.width(), image.height()) > kStoredPhotoLongSide)
        image = image.scaled(kStoredPhotoLongSide, kStoredPhotoLongSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return jpegBytes(image, kStoredPhotoQuality);
}

QByteArray CardPictureOf(const QByteArray& photoBytes)
{
    if (photoBytes.isEmpty())
        return QByteArray();
    return jpegBytes(scaledPhoto(photoBytes, kCardPhotoSize * kCardPictureScale), kCardPictureQuality);
}

bool isCompactPhoto(const QByteArray& bytes)
{
    if (!bytes.startsWith("\xff\xd8\xff"))
        return false;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize size = reader.size();
    return size.isValid() && std::max(size.width(), size.height()) <= kStoredPhotoLongSide;
}

QByteArray compactPhoto(const QByteArray& bytes)
{
    if (bytes.isEmpty() || isCompactPhoto(bytes))
        return bytes;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    checkSize(size);
    // A large photo is scaled while it is read (JPEG decodes straight to a fraction of its size),
    // so that a phone's picture never stands in memory whole.
    if (size.isValid() && std::max(size.width(), size.height()) > kStoredPhotoLongSide)
        reader.setScaledSize(size.scaled(kStoredPhotoLongSide, kStoredPhotoLongSide, Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    if (picture.isNull())
        throw UnreadablePicture(Text::tr("A stored photo could not be read: %1").arg(reader.errorString()));
    return StorePhoto(picture);
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
