#include "TestSupport.h"

#include "core/Failure.h"
#include "core/Photo.h"
#include "register/Database.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QtTest>

class TestPhoto : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedBytesAreACompactJpegAndOldBmpStillReads();
    void chosenJpegAndGifAreStoredAsJpeg();
    void bytesAfterTheBitmapAreIgnored();
    void emptyAndUnreadableBytes();
    void eachPhotoReadsBackAsItsOwn();
    void chosenFilesThatCannotBeStored();
    void noTemporaryFileIsWritten();
};

namespace {

QRgb centre(const QImage& picture)
{
    return picture.pixel(picture.width() / 2, picture.height() / 2);
}

// A BMP header that claims a picture far beyond the cap, without the pixels.
QByteArray hugeBmpHeader()
{
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    auto put32 = [&header](int offset, quint32 value) { qToLittleEndian(value, header.data() + offset); };
    put32(2, 54 + 3u * 10000 * 10000);
    put32(10, 54);
    put32(14, 40);
    put32(18, 10000);
    put32(22, 10000);
    header[26] = 1;
    header[28] = 24;
    return header;
}

// Qt reads GIF but cannot write it: a one-pixel blue GIF, made by hand.
QString writeBlueGif(const QString& folder)
{
    static const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0xff, 0xff, 0xff,
        0xff, 0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3b};
    QFile file(folder + QStringLiteral("/chosen.gif"));
    if (file.open(QIODevice::WriteOnly))
        file.write(reinterpret_cast<const char*>(gif), sizeof gif);
    return file.fileName();
}

} // namespace

void TestPhoto::storedBytesAreACompactJpegAndOldBmpStillReads()
{
    TestEnvironment env;
    env.openRegister();
    // A large photo is stored as a JPEG of at most 800 pixels on its longer side, in kilobytes.
    const QImage picture = samplePicture(1200, 800, Qt::red);
    const QByteArray bytes = StorePhoto(picture);
    QVERIFY(bytes.startsWith("\xff\xd8\xff"));
    QVERIFY2(bytes.size() < 100 * 1024, qPrintable(QString::number(bytes.size())));
    QVERIFY(isCompactPhoto(bytes));
    QCOMPARE(compactPhoto(bytes), bytes); // never compressed twice
    const QImage fetched = FetchPhoto(bytes);
    QCOMPARE(fetched.size(), QSize(800, 533));
    QCOMPARE_COLOUR(centre(fetched), QColor(Qt::red));

    // What was see-through is white, not black.
    QImage clear(40, 40, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QCOMPARE_COLOUR(centre(FetchPhoto(StorePhoto(clear))), QColor(Qt::white));

    // A photo written by an earlier version (a whole BMP file) still reads, and converts to the
    // same picture within JPEG's error.
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(samplePicture(64, 48, Qt::blue).save(&buffer, "BMP"));
    QVERIFY(!isCompactPhoto(bmp));
    QCOMPARE_COLOUR(centre(FetchPhoto(bmp)), QColor(Qt::blue));
    QCOMPARE_COLOUR(centre(FetchPhoto(compactPhoto(bmp))), QColor(Qt::blue));
    QCOMPARE(FetchPhoto(compactPhoto(bmp)).size(), QSize(64, 48));

    // Through the register, byte for byte, with the card picture beside it made for the card at
    // twice its size.
    const qint64 classId = db::addClass(QStringLiteral("Art"));
    const qint64 id = db::addStudent(QStringLiteral("Ann"), classId, bytes);
    QCOMPARE(db::student(id)->image, bytes);
    const QList<db::StudentRow> cards = db::cardsOfClass(classId);
    QCOMPARE(cards.size(), 1);
    QVERIFY(!cards.first().photoWithoutCard);
    QVERIFY2(
        cards.first().cardPicture.size() < 16 * 1024, qPrintable(QString::number(cards.first().cardPicture.size())));
    const QImage card = FetchPhoto(cards.first().cardPicture);
    QCOMPARE(card.size(), kCardPhotoSize * kCardPictureScale);
    QCOMPARE_COLOUR(centre(card), QColor(Qt::red));
}

void TestPhoto::chosenJpegAndGifAreStoredAsJpeg()
{
    TestEnvironment env;
    const QImage picture = samplePicture(80, 60, Qt::blue);
    const QString gif = writeBlueGif(env.root());
    for (const char* format : {"jpg", "gif", "bmp"}) {
        const bool isGif = qstrcmp(format, "gif") == 0;
        const QString path = isGif
            ? gif
            : writePicture(env.root(), QStringLiteral("chosen.") + QLatin1String(format), picture, format);
        const QImage chosen = loadChosenPicture(path);
        QVERIFY2(!chosen.isNull(), format);
        const QByteArray bytes = StorePhoto(chosen);
        QVERIFY2(isCompactPhoto(bytes), format);
        const QImage fetched = FetchPhoto(bytes);
        QCOMPARE(fetched.size(), isGif ? QSize(1, 1) : picture.size());
        // JPEG is lossy; the square must still be plainly blue.
        const QColor middle(centre(fetched));
        QVERIFY2(middle.blue() > 200 && middle.red() < 60 && middle.green() < 60, format);
    }
}

void TestPhoto::bytesAfterTheBitmapAreIgnored()
{
    const QImage picture = samplePicture(30, 20, Qt::green);
    const QByteArray bytes = StorePhoto(picture);
    const QImage withTail = FetchPhoto(bytes + QByteArray(500, '\x7f'));
    QCOMPARE(withTail.convertToFormat(QImage::Format_RGB32), FetchPhoto(bytes).convertToFormat(QImage::Format_RGB32));
}

void TestPhoto::emptyAndUnreadableBytes()
{
    QVERIFY(FetchPhoto(QByteArray()).isNull());
    QVERIFY_THROWS_EXCEPTION(Failure, FetchPhoto(QByteArray("not a picture at all")));
    // A cut-off bitmap is not shown as half a photo.
    const QByteArray bytes = StorePhoto(samplePicture(40, 40, Qt::red));
    QVERIFY_THROWS_EXCEPTION(Failure, FetchPhoto(bytes.left(30)));
    QVERIFY_THROWS_EXCEPTION(Failure, FetchPhoto(hugeBmpHeader()));
    QVERIFY_THROWS_EXCEPTION(Failure, StorePhoto(QImage()));
}

void TestPhoto::eachPhotoReadsBackAsItsOwn()
{
    const QByteArray red = StorePhoto(samplePicture(20, 20, Qt::red));
    const QByteArray blue = StorePhoto(samplePicture(20, 20, Qt::blue));
    QCOMPARE_COLOUR(centre(FetchPhoto(red)), QColor(Qt::red));
    QCOMPARE_COLOUR(centre(FetchPhoto(blue)), QColor(Qt::blue));
    QCOMPARE_COLOUR(centre(FetchPhoto(red)), QColor(Qt::red));
}

void TestPhoto::chosenFilesThatCannotBeStored()
{
    TestEnvironment env;
    QVERIFY_THROWS_EXCEPTION(Failure, loadChosenPicture(env.root() + QStringLiteral("/missing.jpg")));
    QVERIFY_THROWS_EXCEPTION(Failure, loadChosenPicture(env.root()));

    QFile text(env.root() + QStringLiteral("/notes.jpg"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("these are notes, not a picture");
    text.close();
    try {
        loadChosenPicture(text.fileName());
        QFAIL("a text file was read as a picture");
    } catch (const Failure& failure) {
        QVERIFY(failure.description().contains(QStringLiteral("notes.jpg")));
    }

    QFile huge(env.root() + QStringLiteral("/huge.bmp"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write(hugeBmpHeader());
    huge.close();
    QVERIFY_THROWS_EXCEPTION(Failure, loadChosenPicture(huge.fileName()));
}

void TestPhoto::noTemporaryFileIsWritten()
{
    TestEnvironment env;
    const QString temp = env.root() + QStringLiteral("/temp");
    QVERIFY(QDir().mkpath(temp));
    const QByteArray previousTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.toLocal8Bit());
    qputenv("TEMP", temp.toLocal8Bit());
    const QByteArray bytes = StorePhoto(samplePicture(16, 16, Qt::red));
    FetchPhoto(bytes);
    qputenv("TMPDIR", previousTemp);
    qunsetenv("TEMP");
    QVERIFY(QDir(temp).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
}

QTEST_MAIN(TestPhoto)
#include "tst_photo.moc"
