#include "TestSupport.h"

#include "attendance/PhotoCache.h"
#include "core/Failure.h"
#include "core/Photo.h"
#include "register/Database.h"

#include <QBuffer>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtEndian>
#include <QtTest>

class TestPhotoCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readingScaledMatchesTheGeneralReader_data();
    void readingScaledMatchesTheGeneralReader();
    void picturesNoPlainReaderTakesGoThroughTheGeneralReader();
    void photosCoverTheCardUndistorted_data();
    void photosCoverTheCardUndistorted();
    void aClassSeenBeforeListsWithoutReadingOrDecoding();
    void aPreparedClassShowsTheSamePicturesAndLeavesBadOnesToBeReported();
    void ownChangesToAPhotoAreSeenAtOnce();
    void anotherUsersChangeIsSeen();
    void aReusedIdNeverShowsTheFormerStudentsPhoto();
    void aReopenedRegisterIsCheckedAgain();
    void memoryStaysWithinTheBound();
};

namespace {

const QSize kCard(95, 97);

// Four quarters in four colours, so that a flipped or mirrored reading shows.
QImage quarters(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(220, 30, 30));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(30, 200, 40));
    painter.fillRect(0, height / 2, width / 2, height - height / 2, QColor(30, 40, 210));
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(240, 230, 20));
    painter.setPen(QColor(10, 10, 10));
    for (int x = 0; x < width; x += 7)
        painter.drawLine(x, 0, x + height / 3, height);
    return picture;
}

// A plain BMP written by hand: 24 or 32 bits, rows stored bottom-up or top-down.
QByteArray handBmp(const QImage& picture, int bits, bool topDown)
{
    const int width = picture.width();
    const int height = picture.height();
    const int stride = ((width * bits + 31) / 32) * 4;
    QByteArray bytes(54 + stride * height, '\0');
    auto put32 = [&bytes](int offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(topDown ? -height : height));
    bytes[26] = 1;
    bytes[28] = char(bits);
    for (int y = 0; y < height; ++y) {
        char* row = bytes.data() + 54 + stride * (topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            row[x * bits / 8] = char(qBlue(pixel));
            row[x * bits / 8 + 1] = char(qGreen(pixel));
            row[x * bits / 8 + 2] = char(qRed(pixel));
        }
    }
    return bytes;
}

// The largest difference of one colour channel, averaged over the picture.
double meanDifference(const QImage& a, const QImage& b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += qMax(qAbs(qRed(p) - qRed(q)), qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))));
        }
    }
    return total / (a.width() * a.height());
}

QRgb centreOf(const QPixmap& picture)
{
    const QImage image = picture.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

QByteArray plainPhoto(const QColor& colour)
{
    return StorePhoto(samplePicture(200, 160, colour));
}

} // namespace

void TestPhotoCache::readingScaledMatchesTheGeneralReader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage picture = quarters(640, 480);
    QTest::newRow("as the program stores it") << StorePhoto(picture);
    QTest::newRow("24 bits, top-down") << handBmp(picture, 24, true);
    QTest::newRow("32 bits, bottom-up") << handBmp(picture, 32, false);
    QTest::newRow("odd width, padded rows") << handBmp(quarters(333, 251), 24, false);
    QTest::newRow("with bytes after the bitmap") << StorePhoto(picture) + QByteArray(999, '\x55');
}

void TestPhotoCache::readingScaledMatchesTheGeneralReader()
{
    QFETCH(QByteArray, bytes);
    const QImage fast = scaledPhoto(bytes, kCard);
    // The card covers its photo area undistorted: Qt's own scaling to cover, centred and cropped.
    const QImage covering = FetchPhoto(bytes).scaled(kCard, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QImage general = covering.copy(
        QRect(QPoint((covering.width() - kCard.width()) / 2, (covering.height() - kCard.height()) / 2), kCard));
    QCOMPARE(fast.size(), kCard);
    // The two scalers place a crop's edge a fraction of a pixel apart, which the picture's fine
    // lines show on an odd size; a misread row or pixel would differ by far more.
    QVERIFY2(
        meanDifference(fast.convertToFormat(QImage::Format_RGB32), general.convertToFormat(QImage::Format_RGB32)) < 15,
        "the card picture differs from the general reader's");
    // Each quarter keeps its place and colour, taken over a few pixels so that a line crossing
    // the spot does not hide it.
    const auto near = [&fast](int cx, int cy) {
        int red = 0, green = 0, blue = 0;
        for (int y = cy - 3; y <= cy + 3; ++y) {
            for (int x = cx - 3; x <= cx + 3; ++x) {
                red += qRed(fast.pixel(x, y));
                green += qGreen(fast.pixel(x, y));
                blue += qBlue(fast.pixel(x, y));
            }
        }
        return QColor(red / 49, green / 49, blue / 49);
    };
    const QColor topLeft = near(5, 5);
    const QColor topRight = near(kCard.width() - 5, 5);
    const QColor bottomLeft = near(5, kCard.height() - 5);
    QVERIFY(topLeft.red() > topLeft.green() + 80 && topLeft.red() > topLeft.blue() + 80);
    QVERIFY(topRight.green() > topRight.red() + 80 && topRight.green() > topRight.blue() + 80);
    QVERIFY(bottomLeft.blue() > bottomLeft.red() + 80 && bottomLeft.blue() > bottomLeft.green() + 80);
}

void TestPhotoCache::picturesNoPlainReaderTakesGoThroughTheGeneralReader()
{
    QVERIFY(scaledPhoto(QByteArray(), kCard).isNull());
    // Smaller than the card: stretched by the general reader.
    const QImage small = scaledPhoto(StorePhoto(samplePicture(20, 20, Qt::red)), kCard);
    QCOMPARE(small.size(), kCard);
    QCOMPARE_COLOUR(QColor(small.pixel(kCard.width() / 2, kCard.height() / 2)), QColor(Qt::red));
    // A palette picture.
    QImage indexed = samplePicture(300, 200, Qt::blue).convertToFormat(QImage::Format_Indexed8);
    const QImage fromPalette = scaledPhoto(StorePhoto(indexed), kCard);
    QCOMPARE_COLOUR(QColor(fromPalette.pixel(kCard.width() / 2, kCard.height() / 2)), QColor(Qt::blue));

    // Bytes that are no picture, or a plain header whose pixels are missing, fail exactly as
    // the general reader fails them.
    const QByteArray stored = StorePhoto(quarters(640, 480));
    const QList<QByteArray> broken
        = {QByteArray("not a picture at all"), stored.left(40), stored.left(stored.size() / 2), stored.left(54)};
    for (const QByteArray& bytes : broken) {
        bool generalFails = false;
        try {
            FetchPhoto(bytes);
        } catch (const Failure&) {
            generalFails = true;
        }
        bool fastFails = false;
        try {
            scaledPhoto(bytes, kCard);
        } catch (const Failure&) {
            fastFails = true;
        }
        QCOMPARE(fastFails, generalFails);
    }
    QVERIFY_THROWS_EXCEPTION(Failure, scaledPhoto(QByteArray("not a picture at all"), kCard));
}

void TestPhotoCache::photosCoverTheCardUndistorted_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // A round face on white between red bands at the long ends, which covering the card crops away.
    const auto face = [](const QSize& size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QPainter painter(&picture);
        const bool wide = size.width() > size.height();
        painter.fillRect(
            QRect(QPoint(0, 0), size).adjusted(wide ? 20 : 0, wide ? 0 : 20, wide ? -20 : 0, wide ? 0 : -20),
            Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::black);
        const int diameter = qMin(size.width(), size.height()) * 9 / 10;
        painter.drawEllipse(QRect(QPoint(0, 0), QSize(diameter, diameter))
                                .translated((size.width() - diameter) / 2, (size.height() - diameter) / 2));
        return picture;
    };
    QTest::newRow("wide, plain BMP") << StorePhoto(face(QSize(400, 200)));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    face(QSize(120, 300)).save(&buffer, "PNG");
    QTest::newRow("tall, general reader") << png;
}

void TestPhotoCache::photosCoverTheCardUndistorted()
{
    QFETCH(QByteArray, bytes);
    const QImage card = scaledPhoto(bytes, kCard).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(card.size(), kCard);
    const auto dark = [&card](int x, int y) { return qGray(card.pixel(x, y)) < 128; };
    int across = 0;
    int down = 0;
    for (int x = 0; x < card.width(); ++x)
        across += dark(x, card.height() / 2) ? 1 : 0;
    for (int y = 0; y < card.height(); ++y)
        down += dark(card.width() / 2, y) ? 1 : 0;
    QVERIFY2(across > 40 && qAbs(across - down) <= 2, qPrintable(QStringLiteral("%1 x %2").arg(across).arg(down)));
    // The bands beyond the card's shape are cut off, not squeezed in.
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            const QColor pixel = card.pixel(x, y);
            QVERIFY2(!(pixel.red() > 150 && pixel.green() < 100), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TestPhotoCache::aClassSeenBeforeListsWithoutReadingOrDecoding()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Math"));
    QList<qint64> ids;
    for (int i = 0; i < 5; ++i)
        ids << db::addStudent(QStringLiteral("S%1").arg(i), classId, plainPhoto(QColor(40 * i, 100, 200)));
    const qint64 noPhoto = db::addStudent(QStringLiteral("Nobody"), classId, std::nullopt);

    PhotoCache cache;
    for (qint64 id : ids)
        QVERIFY(!cache.picture(id, kCard).isNull());
    QVERIFY(cache.picture(noPhoto, kCard).isNull());
    QCOMPARE(cache.decodedCount(), 6);
    QCOMPARE(cache.readCount(), 6);

    // Saving marks and adding a class touch no photo.
    db::saveMarks(QDate(2024, 3, 1), {{ids.first(), QStringLiteral("Late")}}, QString());
    db::addClass(QStringLiteral("Art"));
    for (qint64 id : ids)
        QVERIFY(!cache.picture(id, kCard).isNull());
    QVERIFY(cache.picture(noPhoto, kCard).isNull());
    QCOMPARE(cache.decodedCount(), 6);
    QCOMPARE(cache.readCount(), 6);

    // Another size is another picture.
    QCOMPARE(cache.picture(ids.first(), QSize(40, 40)).size(), QSize(40, 40));
    QCOMPARE(cache.decodedCount(), 7);

    // A row read with its photo is checked by its bytes: the same bytes are not decoded again.
    cache.picture(*db::student(ids.at(1)), kCard);
    QCOMPARE(cache.decodedCount(), 7);
}

void TestPhotoCache::aPreparedClassShowsTheSamePicturesAndLeavesBadOnesToBeReported()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Math"));
    const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    QList<qint64> ids;
    for (const QColor& colour : colours)
        ids << db::addStudent(colour.name(), classId, plainPhoto(colour));
    const qint64 noPhoto = db::addStudent(QStringLiteral("Nobody"), classId, std::nullopt);
    const qint64 broken = db::addStudent(QStringLiteral("Broken"), classId, QByteArray("BM not a picture"));

    PhotoCache cache;
    cache.prepare(ids + QList<qint64> {noPhoto, broken, 999999}, kCard);
    QCOMPARE(cache.decodedCount(), colours.size() + 1);
    // Each decoder's picture lands on its own student, and the cards need nothing more.
    for (qsizetype i = 0; i < ids.size(); ++i)
        QCOMPARE_COLOUR(QColor(centreOf(cache.picture(ids.at(i), kCard))), colours.at(i));
    QVERIFY(cache.picture(noPhoto, kCard).isNull());
    QCOMPARE(cache.decodedCount(), colours.size() + 1);
    const int read = cache.readCount();
    QVERIFY_THROWS_EXCEPTION(UnreadablePicture, cache.picture(broken, kCard));
    QCOMPARE(cache.readCount(), read + 1);

    // After a change only the changed photo is decoded again.
    QVERIFY(db::updateStudent(ids.first(), QStringLiteral("Red"), classId, plainPhoto(Qt::white)));
    cache.prepare(ids, kCard);
    QCOMPARE(cache.decodedCount(), colours.size() + 2);
    QCOMPARE(QColor(centreOf(cache.picture(ids.first(), kCard))), QColor(Qt::white));
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(ids.last(), kCard))), colours.last());
}

void TestPhotoCache::ownChangesToAPhotoAreSeenAtOnce()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Math"));
    const qint64 id = db::addStudent(QStringLiteral("Ann"), classId, plainPhoto(Qt::red));
    const qint64 other = db::addStudent(QStringLiteral("Bob"), classId, plainPhoto(Qt::green));
    PhotoCache cache;
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(id, kCard))), QColor(Qt::red));
    cache.picture(other, kCard);

    QVERIFY(db::updateStudent(id, QStringLiteral("Ann"), classId, plainPhoto(Qt::blue)));
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(id, kCard))), QColor(Qt::blue));
    // Only the changed photo is decoded again; the other is read, found unchanged, and kept.
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(other, kCard))), QColor(Qt::green));
    QCOMPARE(cache.decodedCount(), 3);

    // A rename without a new photo needs no reading at all.
    const int read = cache.readCount();
    QVERIFY(db::updateStudent(id, QStringLiteral("Anne"), classId, std::nullopt));
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(id, kCard))), QColor(Qt::blue));
    QCOMPARE(cache.readCount(), read);
}

void TestPhotoCache::anotherUsersChangeIsSeen()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Math"));
    const qint64 id = db::addStudent(QStringLiteral("Ann"), classId, plainPhoto(Qt::red));
    PhotoCache cache;
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(id, kCard))), QColor(Qt::red));

    {
        QSqlDatabase second = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("SecondUser"));
        second.setDatabaseName(env.livePath());
        QVERIFY(second.open());
        QSqlQuery update(second);
        QVERIFY(update.prepare(QStringLiteral("UPDATE tblStudents SET Image=? WHERE id=?")));
        update.addBindValue(plainPhoto(Qt::blue));
        update.addBindValue(id);
        QVERIFY(update.exec());
        update.finish();
        second.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("SecondUser"));
    // Within one pass of the event loop (one listing) the register is asked once; the next
    // listing comes in a later pass.
    QCoreApplication::processEvents();
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(id, kCard))), QColor(Qt::blue));
}

void TestPhotoCache::aReusedIdNeverShowsTheFormerStudentsPhoto()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Math"));
    const qint64 id = db::addStudent(QStringLiteral("Ann"), classId, plainPhoto(Qt::red));
    PhotoCache cache;
    QVERIFY(!cache.picture(id, kCard).isNull());
    db::deleteStudent(id);
    QVERIFY(cache.picture(id, kCard).isNull());
    // The highest id is given out again after its row was deleted.
    const qint64 again = db::addStudent(QStringLiteral("Cyd"), classId, std::nullopt);
    QCOMPARE(again, id);
    QVERIFY(cache.picture(again, kCard).isNull());
    const qint64 third = db::addStudent(QStringLiteral("Dee"), classId, plainPhoto(Qt::green));
    QVERIFY(!cache.picture(third, kCard).isNull());
    db::deleteStudent(third);
    const qint64 fourth = db::addStudent(QStringLiteral("Eve"), classId, plainPhoto(Qt::blue));
    QCOMPARE(fourth, third);
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(fourth, kCard))), QColor(Qt::blue));
}

void TestPhotoCache::aReopenedRegisterIsCheckedAgain()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Math"));
    const qint64 id = db::addStudent(QStringLiteral("Ann"), classId, plainPhoto(Qt::red));
    PhotoCache cache;
    cache.picture(id, kCard);
    db::close();
    // Changed while the register was closed.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Offline"));
        other.setDatabaseName(env.livePath());
        QVERIFY(other.open());
        QSqlQuery update(other);
        QVERIFY(update.prepare(QStringLiteral("UPDATE tblStudents SET Image=? WHERE id=?")));
        update.addBindValue(plainPhoto(Qt::green));
        update.addBindValue(id);
        QVERIFY(update.exec());
        update.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Offline"));
    db::open(env.livePath());
    QCOMPARE_COLOUR(QColor(centreOf(cache.picture(id, kCard))), QColor(Qt::green));
    // Without the register nothing can be trusted, and nothing is shown from memory.
    db::close();
    QVERIFY_THROWS_EXCEPTION(Failure, cache.picture(id, kCard));
}

void TestPhotoCache::memoryStaysWithinTheBound()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Math"));
    PhotoCache cache;
    const qsizetype onePicture = qsizetype(kCard.width()) * kCard.height() * 4;
    cache.setCapacity(3 * onePicture);
    QList<qint64> ids;
    for (int i = 0; i < 6; ++i)
        ids << db::addStudent(QStringLiteral("S%1").arg(i), classId, plainPhoto(QColor(30 * i, 90, 160)));
    for (qint64 id : ids) {
        cache.picture(id, kCard);
        QVERIFY(cache.heldBytes() <= cache.capacity());
    }
    QCOMPARE(cache.count(), 3);
    // The most recent stay; the first is decoded again when it is wanted again.
    const int decoded = cache.decodedCount();
    cache.picture(ids.last(), kCard);
    QCOMPARE(cache.decodedCount(), decoded);
    cache.picture(ids.first(), kCard);
    QCOMPARE(cache.decodedCount(), decoded + 1);
}

QTEST_MAIN(TestPhotoCache)
#include "tst_photocache.moc"
