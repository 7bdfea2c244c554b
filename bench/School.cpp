#include "School.h"

#include "core/Failure.h"
#include "core/Photo.h"

#include "register/Database.h"
#include <QBuffer>
#include <QImageWriter>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

// A small generator of its own, so that the school is the same wherever it is made.
class Numbers
{
public:
    explicit Numbers(quint32 key)
        : m_state(key ? key : 0x9e3779b9u)
    { }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int below(int bound) { return int(next() % quint32(bound)); }

private:
    quint32 m_state;
};

void exec(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw Failure(QStringLiteral("%1: %2").arg(sql, query.lastError().text()));
}

void exec(QSqlQuery& query)
{
    if (!query.exec())
        throw Failure(QStringLiteral("%1: %2").arg(query.lastQuery(), query.lastError().text()));
}

// A photo as every register written before card pictures holds it: a whole BMP file, no card
// picture. The benchmark converts a copy of the school to measure both forms in one run.
QByteArray storedAsBefore(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "bmp").write(picture);
    return bytes;
}

// Something like a school portrait: a background, a head and shoulders, and the grain of a
// camera, so that no two photos share their bytes.
QImage portrait(Numbers& numbers)
{
    QImage picture(School::kPhotoWidth, School::kPhotoHeight, QImage::Format_RGB32);
    const QColor top = QColor::fromHsv(numbers.below(360), 60 + numbers.below(80), 150 + numbers.below(100));
    const QColor bottom = top.darker(130 + numbers.below(60));
    {
        QPainter painter(&picture);
        QLinearGradient background(0, 0, 0, picture.height());
        background.setColorAt(0, top);
        background.setColorAt(1, bottom);
        painter.fillRect(picture.rect(), background);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromHsv(numbers.below(360), 80 + numbers.below(120), 60 + numbers.below(120)));
        painter.drawEllipse(QPointF(320 + numbers.below(60) - 30, 520), 230, 170);
        painter.setBrush(QColor::fromHsv(15 + numbers.below(25), 60 + numbers.below(120), 90 + numbers.below(150)));
        painter.drawEllipse(
            QPointF(320 + numbers.below(40) - 20, 220), 95 + numbers.below(20), 125 + numbers.below(20));
        painter.setBrush(QColor::fromHsv(numbers.below(40), 40 + numbers.below(200), 20 + numbers.below(120)));
        painter.drawChord(QRectF(215, 80, 210, 170), 0, 180 * 16);
    }
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int grain = int(numbers.next() >> 28) - 8;
            const QRgb pixel = line[x];
            line[x] = qRgb(qBound(0, qRed(pixel) + grain, 255), qBound(0, qGreen(pixel) + grain, 255),
                qBound(0, qBlue(pixel) + grain, 255));
        }
    }
    return picture;
}

QList<QDate> schoolDays()
{
    QList<QDate> days;
    for (int year = 0; year < School::kYears; ++year) {
        QDate day(2016 + year, 9, 1);
        int count = 0;
        while (count < School::kDaysPerYear) {
            if (day.dayOfWeek() <= 5) {
                days.append(day);
                ++count;
            }
            day = day.addDays(1);
        }
    }
    return days;
}

const QStringList& givenNames()
{
    static const QStringList names = {QStringLiteral("Amara"), QStringLiteral("Ben"), QStringLiteral("Chloe"),
        QStringLiteral("Dmitri"), QStringLiteral("Eilidh"), QStringLiteral("Farah"), QStringLiteral("George"),
        QStringLiteral("Hana"), QStringLiteral("Isaac"), QStringLiteral("Jonah"), QStringLiteral("Kofi"),
        QStringLiteral("Lena"), QStringLiteral("Mateo"), QStringLiteral("Niamh"), QStringLiteral("Oskar"),
        QStringLiteral("Priya"), QStringLiteral("Quinn"), QStringLiteral("Rosa"), QStringLiteral("Sami"),
        QStringLiteral("Tomasz"), QStringLiteral("Uma"), QStringLiteral("Viktor"), QStringLiteral("Wen"),
        QStringLiteral("Yusuf"), QStringLiteral("Zara")};
    return names;
}

const QStringList& familyNames()
{
    static const QStringList names = {QStringLiteral("Abbott"), QStringLiteral("Baptiste"), QStringLiteral("Chowdhury"),
        QStringLiteral("Dunne"), QStringLiteral("Eriksen"), QStringLiteral("Fontaine"), QStringLiteral("Gallagher"),
        QStringLiteral("Horvath"), QStringLiteral("Iwu"), QStringLiteral("Jansen"), QStringLiteral("Kowalski"),
        QStringLiteral("Lindqvist"), QStringLiteral("MacLeod"), QStringLiteral("Nakamura"), QStringLiteral("O'Neil"),
        QStringLiteral("Petrov"), QStringLiteral("Quint"), QStringLiteral("Reyes"), QStringLiteral("Sato"),
        QStringLiteral("Tran"), QStringLiteral("Okafor"), QStringLiteral("Varga"), QStringLiteral("Walsh"),
        QStringLiteral("Yilmaz"), QStringLiteral("Zielinski")};
    return names;
}

} // namespace

School generateSchool(const QString& path, quint32 generatorKey)
{
    db::createTemplate(path);
    School school;
    school.path = path;
    Numbers numbers(generatorKey);
    const QString name = QStringLiteral("SchoolWriter");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        if (!database.open())
            throw Failure(database.lastError().text());
        QSqlQuery query(database);
        // Only while the school is written: nothing here has to survive a power cut.
        exec(query, QStringLiteral("PRAGMA journal_mode=OFF"));
        exec(query, QStringLiteral("PRAGMA synchronous=OFF"));
        exec(query, QStringLiteral("BEGIN"));

        QList<qint64> classesInOrder;
        QSqlQuery addClass(database);
        addClass.prepare(QStringLiteral("INSERT INTO tblClassName (ClassName) VALUES (?)"));
        for (int c = 0; c < School::kClasses; ++c) {
            addClass.addBindValue(QStringLiteral("Year %1 %2")
                                      .arg(c / 5 + 1, 2, 10, QLatin1Char('0'))
                                      .arg(QStringList {QStringLiteral("Alder"), QStringLiteral("Birch"),
                                          QStringLiteral("Cedar"), QStringLiteral("Damson"), QStringLiteral("Elm")}
                                               .at(c % 5)));
            exec(addClass);
            classesInOrder.append(addClass.lastInsertId().toLongLong());
        }
        school.classIds = classesInOrder;
        school.measuredClass = classesInOrder.at(17);
        school.otherClass = classesInOrder.at(18);
        school.plainClass = classesInOrder.at(19);

        QSqlQuery addStudent(database);
        addStudent.prepare(QStringLiteral("INSERT INTO tblStudents (StudentName, ClassID, Image) VALUES (?, ?, ?)"));
        for (qint64 classId : classesInOrder) {
            const bool photos = classId == school.measuredClass || classId == school.otherClass;
            for (int s = 0; s < School::kStudentsPerClass; ++s) {
                addStudent.addBindValue(givenNames().at(numbers.below(int(givenNames().size()))) + QLatin1Char(' ')
                    + familyNames().at(numbers.below(int(familyNames().size()))));
                addStudent.addBindValue(classId);
                addStudent.addBindValue(photos ? storedAsBefore(portrait(numbers)) : QByteArray(""));
                exec(addStudent);
            }
        }

        // The marks are made by the engine itself, in key order, so that they go in as fast
        // as the file can take them.
        exec(query, QStringLiteral("CREATE TEMP TABLE days (n INTEGER PRIMARY KEY, day TEXT NOT NULL)"));
        QSqlQuery addDay(database);
        addDay.prepare(QStringLiteral("INSERT INTO temp.days (n, day) VALUES (?, ?)"));
        const QList<QDate> days = schoolDays();
        for (qsizetype n = 0; n < days.size(); ++n) {
            addDay.addBindValue(n);
            addDay.addBindValue(db::dateKey(days.at(n)));
            exec(addDay);
        }
        exec(query,
            QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) "
                           "SELECT s.id, d.day, CASE (s.id * 7919 + d.n * 104729 + %1) % 23 WHEN 0 THEN 'Absent' "
                           "WHEN 1 THEN 'Late' WHEN 2 THEN 'Absent' ELSE 'Present' END, "
                           "CASE (s.ClassID * 31 + d.n + %1) % 9 WHEN 0 THEN 'Swimming after lunch; bring towels.' "
                           "WHEN 1 THEN 'Trip to the museum, back by 3.' ELSE '' END "
                           "FROM tblStudents s CROSS JOIN temp.days d ORDER BY s.id, d.day")
                .arg(generatorKey % 1000));
        exec(query, QStringLiteral("COMMIT"));
        exec(query, QStringLiteral("SELECT count(*) FROM tblAttendance"));
        query.next();
        school.attendanceRows = query.value(0).toLongLong();
        school.markedDay = days.at(days.size() - 10);
        school.firstFreeDay = days.last().addDays(7);
        query.finish();
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    return school;
}

void copyWithoutIndexes(const QString& from, const QString& to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        throw Failure(QStringLiteral("Could not copy %1 to %2").arg(from, to));
    const QString name = QStringLiteral("SchoolCopier");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(to);
        if (!database.open())
            throw Failure(database.lastError().text());
        QSqlQuery query(database);
        exec(query, QStringLiteral("DROP INDEX ixAttendanceKey"));
        exec(query, QStringLiteral("DROP INDEX ixStudentsClass"));
        query.finish();
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}
