#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class QSqlDatabase;

// The register: one SQLite file shared by every user of the machine, reached through one
// named connection that lives for the whole run. Every statement binds its values.
namespace db {

inline constexpr auto kConnectionName = "SharedConnection";
// 1: indexes on the mark key and on a class's students by name.
// 2: the students' index follows the listing order, names compared without regard to case.
inline constexpr int kSchemaVersion = 2;

struct ClassRow
{
    qint64 id = 0;
    QString name;
};

struct StudentRow
{
    qint64 id = 0;
    QString name;
    qint64 classId = 0;
    QByteArray image; // the bytes of one BMP file; empty when the student has no photo
};

struct Mark
{
    QString status;
    QString notes;
};

struct CardMark
{
    qint64 studentId = 0;
    QString status;
};

// Writes a new, empty register to path (the template the first start copies).
void createTemplate(const QString& path);

// Opens the live register. The file must exist (it is never created here), must be a SQLite
// database and must hold the register's tables; an older file gets its missing indexes.
void open(const QString& path);
bool isOpen();
void close();
// The open connection; throws when the register is not open.
QSqlDatabase connection();

// Classes in name order.
QList<ClassRow> classes();
// The students of a class in name order; photos are read only when asked for.
QList<StudentRow> studentsOfClass(qint64 classId, bool withPhotos);
// The stored mark of one student on one day.
std::optional<Mark> mark(qint64 studentId, const QDate& date);
// The stored marks of several students on one day, by student id.
QHash<qint64, Mark> marks(const QList<qint64>& studentIds, const QDate& date);
// Writes the marks of one class for one day, with the day's notes on every row: all of them
// or, on failure, none.
void saveMarks(const QDate& date, const QList<CardMark>& cards, const QString& notes);

// Adds a class and returns its id.
qint64 addClass(const QString& name);
// Deletes a class and its students in one transaction; their marks stay.
void deleteClass(qint64 classId);

std::optional<StudentRow> student(qint64 studentId);
// Adds a student and returns the id. No image leaves the photo empty.
qint64 addStudent(const QString& name, qint64 classId, const std::optional<QByteArray>& image);
// Rewrites a student's name and class, and the photo when one is given. False when the
// student no longer exists.
bool updateStudent(qint64 studentId, const QString& name, qint64 classId, const std::optional<QByteArray>& image);
void deleteStudent(qint64 studentId);

// The date as the register stores it.
QString dateKey(const QDate& date);

} // namespace db
