#pragma once

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QThreadPool>

#include "register/Database.h"

// Card pictures, decoded once and kept at card size.
//
// A photo is stored as a full-size BMP, and showing a class turns forty of them into card
// pictures. Each picture is kept under its student's id together with a hash of the bytes it
// was made from, so a class shown before lists without decoding again, and a changed photo is
// never shown stale. The bytes themselves are only read again when the register may have
// changed since the picture was last checked: a write to tblStudents on the shared connection,
// or a commit by any other connection (another user of the machine). Memory is bounded; the
// pictures used least recently go first.
class PhotoCache
{
public:
    PhotoCache();
    // The cache the cards use.
    static PhotoCache& shared();

    // The card picture of a student whose photo bytes are at hand. No bytes give a null
    // pixmap; bytes that no picture reader accepts throw.
    QPixmap picture(const db::StudentRow& student, const QSize& size);
    // The card picture of a student listed without the photo bytes: they are read from the
    // register only when the cached picture cannot be trusted. A student who no longer exists
    // gives a null pixmap.
    QPixmap picture(qint64 studentId, const QSize& size);
    // The card picture of a student listed with the card picture's bytes (none: no photo),
    // decoded only when they differ from what was decoded before.
    QPixmap fromCard(const db::StudentRow& student, const QSize& size);

    // Makes ready, ahead of the cards, the pictures of a listing that the cache cannot vouch
    // for: the photos are read one after another while other threads decode the ones already
    // read, so that a class shown for the first time costs about its reads rather than its
    // reads and decodes in a row. A photo that cannot be decoded is left to picture(), which
    // reports it; a failing register throws, as picture() would.
    void prepare(const QList<qint64>& studentIds, const QSize& size);

    void clear();
    // The bound, in bytes of pixels held.
    void setCapacity(qsizetype bytes);
    qsizetype capacity() const { return m_pictures.maxCost(); }
    qsizetype heldBytes() const { return m_pictures.totalCost(); }
    qsizetype count() const { return m_pictures.size(); }

    // What the cache had to do since the last clear: photos decoded and photos read from the
    // register. Lets tests see that it works without timing it.
    int decodedCount() const { return m_decoded; }
    int readCount() const { return m_read; }

    // When the register's photos were last known to be unchanged; a default value matches
    // nothing.
    using Generation = db::PhotoStamp;

private:
    struct Entry
    {
        size_t hash = 0;
        qsizetype length = 0;
        QSize size;
        QPixmap picture;
        Generation checked;
    };

    Generation currentGeneration();
    // The generation, asked of the register once per pass of the event loop: a listing runs
    // within one pass, so one check serves all its cards. A write on the shared connection in
    // between still makes it ask again.
    Generation generationForThisPass();
    QPixmap store(qint64 studentId, const QByteArray& bytes, const QSize& size, const Generation& checked);

    QCache<qint64, Entry> m_pictures;
    QThreadPool m_decoders;
    // The bytes of the photo being read, kept from photo to photo.
    QByteArray m_bytes;
    static constexpr qsizetype kKeptBufferBytes = 4 * 1024 * 1024;
    Generation m_passGeneration;
    qint64 m_pass = -1;
    qint64 m_passChanges = -1;
    qint64 m_passConnection = 0;
    int m_decoded = 0;
    int m_read = 0;
};

// The picture a card shows for a student, through the shared cache.
QPixmap cardPicture(const db::StudentRow& student, const QSize& photoSize);
QPixmap cardPicture(qint64 studentId, const QSize& photoSize);
