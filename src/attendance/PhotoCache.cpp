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

QPixmap PhotoCache::fromCard(const db::StudentRow& student, const QSize& size)
{
    return store(student.id, student.cardPicture, size, Generation {});
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
