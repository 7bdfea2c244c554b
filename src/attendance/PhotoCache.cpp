#include "attendance/PhotoCache.h"

#include "core/Photo.h"

#include <QCoreApplication>
#include <QRect>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace {

// About sixteen classes of forty card pictures.
constexpr qsizetype kDefaultCapacity = 24 * 1024 * 1024;

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

// Counts the passes of the event loop: the count moves on once control has gone back to it.
qint64 currentPass()
{
    static qint64 pass = 0;
    static bool counting = false;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return -1;
    if (!counting) {
        counting = true;
        QMetaObject::invokeMethod(
            application,
            [] {
                ++pass;
                counting = false;
            },
            Qt::QueuedConnection);
    }
    return pass;
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
    const QImage picture = FetchPhoto(bytes);
    return picture.copy(coverCrop(picture.size(), size)).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

PhotoCache::PhotoCache()
    : m_pictures(kDefaultCapacity)
{ }

PhotoCache& PhotoCache::shared()
{
    static PhotoCache cache;
    return cache;
}

QPixmap PhotoCache::picture(const db::StudentRow& student, const QSize& size)
{
    // Bytes read by the caller at some earlier moment prove nothing about the register now.
    return store(student.id, student.image, size, Generation {});
}

QPixmap PhotoCache::picture(qint64 studentId, const QSize& size)
{
    // Taken before the bytes are read, so that a change made in between is seen next time.
    const Generation now = generationForThisPass();
    if (const Entry* entry = m_pictures.object(studentId);
        entry && now.valid() && entry->checked == now && entry->size == size)
        return entry->picture;
    const bool exists = db::readPhoto(studentId, m_bytes);
    ++m_read;
    if (!exists) {
        m_pictures.remove(studentId);
        return QPixmap();
    }
    const QPixmap picture = store(studentId, m_bytes, size, now);
    // An unusually large photo does not keep its memory after it was shown.
    if (m_bytes.capacity() > kKeptBufferBytes)
        m_bytes = QByteArray();
    return picture;
}

void PhotoCache::prepare(const QList<qint64>& studentIds, const QSize& size)
{
    const Generation now = generationForThisPass();
    if (!now.valid() || studentIds.size() < 2)
        return;
    struct Job
    {
        qint64 studentId = 0;
        // The picture held before, whose bytes may prove to be the same.
        std::optional<size_t> heldHash;
        qsizetype heldLength = 0;
        QByteArray bytes;
        size_t hash = 0;
        qsizetype length = 0;
        QImage picture;
        enum class Outcome { Failed, Unchanged, Decoded } outcome = Outcome::Failed;
    };
    // Reserved once: the decoders write into the jobs while more are added.
    std::vector<Job> jobs;
    jobs.reserve(size_t(studentIds.size()));
    // Only a few photos' bytes wait for a decoder at a time, whatever the class's size.
    QSemaphore room(2 * std::max(1, m_decoders.maxThreadCount()));
    // A register that fails part-way unwinds only after the decoders let go of the jobs.
    const auto finish = qScopeGuard([this] { m_decoders.waitForDone(); });
    for (const qint64 studentId : studentIds) {
        const Entry* held = m_pictures.object(studentId);
        if (held && held->checked == now && held->size == size)
            continue;
        QByteArray bytes;
        if (!db::readPhoto(studentId, bytes))
            continue;
        ++m_read;
        Job& job = jobs.emplace_back();
        job.studentId = studentId;
        if (held && held->size == size) {
            job.heldHash = held->hash;
            job.heldLength = held->length;
        }
        job.bytes = std::move(bytes);
        room.acquire();
        m_decoders.start([&job, size, &room] {
            job.hash = qHash(job.bytes);
            job.length = job.bytes.size();
            if (job.heldHash == job.hash && job.heldLength == job.length) {
                job.outcome = Job::Outcome::Unchanged;
            } else {
                try {
                    job.picture = scaledPhoto(job.bytes, size);
                    job.outcome = Job::Outcome::Decoded;
                } catch (...) { }
            }
            job.bytes = QByteArray();
            room.release();
        });
    }
    m_decoders.waitForDone();
    for (Job& job : jobs) {
        if (job.outcome == Job::Outcome::Unchanged) {
            if (Entry* entry = m_pictures.object(job.studentId))
                entry->checked = now;
        } else if (job.outcome == Job::Outcome::Decoded) {
            ++m_decoded;
            const qsizetype cost = qMax<qsizetype>(256, qsizetype(job.picture.sizeInBytes()));
            m_pictures.insert(job.studentId,
                new Entry {job.hash, job.length, size, QPixmap::fromImage(std::move(job.picture)), now}, cost);
        }
    }
}

QPixmap PhotoCache::store(qint64 studentId, const QByteArray& bytes, const QSize& size, const Generation& checked)
{
    const size_t hash = qHash(bytes);
    if (Entry* entry = m_pictures.object(studentId);
        entry && entry->hash == hash && entry->length == bytes.size() && entry->size == size) {
        entry->checked = checked;
        return entry->picture;
    }
    // A failure leaves no entry behind: the next listing tries the bytes again.
    m_pictures.remove(studentId);
    const QImage scaled = scaledPhoto(bytes, size);
    ++m_decoded;
    auto* entry = new Entry {hash, bytes.size(), size, QPixmap::fromImage(scaled), checked};
    const QPixmap picture = entry->picture;
    // Entries without a photo still cost their bookkeeping.
    const qsizetype cost = qMax<qsizetype>(256, qsizetype(scaled.sizeInBytes()));
    m_pictures.insert(studentId, entry, cost);
    return picture;
}

PhotoCache::Generation PhotoCache::currentGeneration()
{
    return db::photoStamp();
}

PhotoCache::Generation PhotoCache::generationForThisPass()
{
    const qint64 pass = currentPass();
    std::optional<db::PhotoStamp> own;
    try {
        own = db::ownPhotoWrites();
    } catch (...) {
        return {};
    }
    if (pass >= 0 && pass == m_pass && own && own->ownWrites == m_passChanges && own->connection != 0
        && own->connection == m_passConnection && m_passGeneration.valid())
        return m_passGeneration;
    m_passGeneration = currentGeneration();
    m_pass = pass;
    // Read again: setting up the counting on a new connection counts as changes.
    m_passChanges = -1;
    m_passConnection = 0;
    if (m_passGeneration.valid()) {
        try {
            if (const std::optional<db::PhotoStamp> after = db::ownPhotoWrites()) {
                m_passChanges = after->ownWrites;
                m_passConnection = after->connection;
            }
        } catch (...) { }
    }
    return m_passGeneration;
}

void PhotoCache::clear()
{
    m_pictures.clear();
    m_passGeneration = {};
    m_pass = -1;
    m_decoded = 0;
    m_read = 0;
}

void PhotoCache::setCapacity(qsizetype bytes)
{
    m_pictures.setMaxCost(bytes);
}

QPixmap cardPicture(const db::StudentRow& student, const QSize& photoSize)
{
    return PhotoCache::shared().picture(student, photoSize);
}

QPixmap cardPicture(qint64 studentId, const QSize& photoSize)
{
    return PhotoCache::shared().picture(studentId, photoSize);
}
