#include "TestSupport.h"

#include "core/Failure.h"
#include "core/Photo.h"
#include "register/Database.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QtTest>

class TestPhoto : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedBytesAreOneBmpFileAndRoundTrip();
    void chosenJpegAndGifAreStoredAsBmp();
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

void TestPhoto::storedBytesAreOneBmpFileAndRoundTrip()
{
    TestEnvironment env;
    env.openRegister();
    const QImage picture = samplePicture(64, 48, Qt::red);
    const QByteArray bytes = StorePhoto(picture);
    QVERIFY(bytes.startsWith("BM"));
    // The file's own header gives its length; nothing of ours is added around it.
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 2), quint32(bytes.size()));

    const QImage fetched = FetchPhoto(bytes);
    QCOMPARE(fetched.size(), picture.size());
    QCOMPARE(centre(fetched), QColor(Qt::red).rgb());
    QCOMPARE(StorePhoto(fetched), bytes);

    // Through the register, byte for byte.
    const qint64 classId = db::addClass(QStringLiteral("Art"));
    const qint64 id = db::addStudent(QStringLiteral("Ann"), classId, bytes);
    QCOMPARE(db::student(id)->image, bytes);
}

void TestPhoto::chosenJpegAndGifAreStoredAsBmp()
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
        QVERIFY2(bytes.startsWith("BM"), format);
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
    QCOMPARE(centre(FetchPhoto(red)), QColor(Qt::red).rgb());
    QCOMPARE(centre(FetchPhoto(blue)), QColor(Qt::blue).rgb());
    QCOMPARE(centre(FetchPhoto(red)), QColor(Qt::red).rgb());
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
