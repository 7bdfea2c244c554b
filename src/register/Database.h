#pragma once

#include "core/SchoolCalendar.h"
#include "core/StatusWords.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <limits>
#include <optional>

class QSqlDatabase;

// The register: one database shared by every user, reached through one named connection that
// lives for the whole run. Every statement binds its values. What differs between the engines
// that can hold it lives behind db::Engine (data/Engine.h); nothing here asks which one runs.
namespace db {

inline constexpr auto kConnectionName = "SharedConnection";
// 1: indexes on the mark key and on a class's students by name.
// 2: the students' index follows the listing order, names compared without regard to case.
// 3: every mark records when, by whom and on which computer it was last saved; marks whose
//    date the program cannot read are found through an index of their own.
// 4: a remark per student and day.
// 5: the history of every change to a mark's status or remark.
// 6: settings kept in the register itself, shared by every user and computer.
// 7: the history keeps the day's notes too; on a server it is written by the server itself.
// 8: each photo has a card picture beside it, and new photos are stored as JPEG.
// 9: the school calendar: years, terms and the days without school.
// 10: enrolments: which class a student was in from which day to which.
// 11: attendance codes with their categories; marks on days that do not exist are unplaced.
// 12: a mark belongs to the morning's or the afternoon's register of its day.
inline constexpr int kSchemaVersion = 12;
// An enrolment's last day while it has none (the student is still in the class), as stored.
inline constexpr auto kOpenEnd = "9999-12-31";

// A school keeps one register a day or two, the morning's and the afternoon's. The morning's is
// the day's own register when there is one a day, so that every mark taken before a school chose
// two is the morning's.
enum class Session { Morning = 0, Afternoon = 1 };

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
    QByteArray image; // the bytes of one picture file; empty when the student has no photo
    // The photo made small for the card; read only for the cards. Empty, with photoWithoutCard,
    // for a photo stored by an older program or another tool, whose card picture is still to be
    // made from the photo.
    QByteArray cardPicture;
    bool photoWithoutCard = false;
};

// A stored mark. A status stored as NULL or empty text reads as "Present", as a day without a
// row does, so that every card can be marked; other missing texts read as empty.
struct Mark
{
    QString status;
    QString notes;
    QString remark;
    QString changedAt; // UTC, ISO 8601; empty when the saving program did not record it
    QString changedBy; // the operating-system user
    QString changedOn; // the computer's host name
    int lateMinutes = 0;
    bool operator==(const Mark&) const = default;
};

// The marks of one day by student id, as they were read.
using DayMarks = QHash<qint64, Mark>;

struct CardMark
{
    CardMark() = default;
    CardMark(qint64 id, QString status, QString remark = QString())
        : studentId(id)
        , status(std::move(status))
        , remark(std::move(remark))
    { }

    qint64 studentId = 0;
    QString status;
    QString remark;
    int lateMinutes = 0; // how late a Late mark came; 0 when not known
};

// The minutes as stored: NULL unless the mark is late by some minutes.
QVariant lateMinutes(const CardMark& card);

// Who saves: recorded on every mark written and in its history.
struct Author
{
    QString user;
    QString host;
    QString at; // UTC, ISO 8601 with milliseconds
    QString reason; // why an earlier day's marks are changed; kept in the history
    // The user and computer running the program, now.
    static Author current();
};

// A save that found marks saved by someone else after the cards were loaded. Nothing was written.
struct Conflict
{
    QList<qint64> students; // whose stored mark differs from the one loaded, in card order
    Mark latest; // the most recent of those changes: who, where and when
    DayMarks stored; // the marks of every card as they are stored now
};

struct SaveResult
{
    std::optional<Conflict> conflict; // set when nothing was written
    DayMarks stored; // after a save: the marks of every card as now stored
};

// One change of a mark, as its history keeps it.
struct HistoryRow
{
    qint64 studentId = 0;
    QDate date;
    QString oldStatus; // empty when the save created the mark
    QString newStatus;
    QString oldRemark;
    QString newRemark;
    QString changedBy;
    QString changedOn;
    QString changedAt;
    QString oldNotes; // the day's notes before and after; equal when the save left them alone
    QString newNotes;
    QString reason; // given when a saved mark of an earlier day was changed
    Session session = Session::Morning;
};

// A register on a PostgreSQL server, as the machine-wide settings file names it. It never holds
// a password: the server's client library finds that in the passfile named here, in the file
// PGPASSFILE names or in ~/.pgpass.
struct ServerAddress
{
    QString host; // a name, an address or a socket folder; empty for the client library's default
    int port = 5432;
    QString database;
    QString user;
    QString sslmode;
    QString sslrootcert;
    QString passfile;
    // The server as a user knows it: its host name, or "this computer" for a local socket.
    QString displayName() const;
};

// Where the register's photos stand, for a cache of pictures made from them: equal stamps mean that no
// photo can have changed in between. A default stamp matches nothing.
struct PhotoStamp
{
    qint64 connection = 0; // each opening of a connection gets its own number
    qint64 ownWrites = 0;
    qint64 others = 0; // what the register says of everyone else's writes
    bool valid() const { return connection != 0; }
    bool operator==(const PhotoStamp&) const = default;
};

// Where the photos stand now; it may cost a trip to the register. A default stamp when the
// register cannot be asked.
PhotoStamp photoStamp();
// The shared connection's own writes, counted without asking the register anything, so that a
// cache can tell within one pass of the event loop that nothing changed; none when unknown.
std::optional<PhotoStamp> ownPhotoWrites();

// An aggregate that joins the text of expression over the rows of each group in the order of
// orderBy, in the open register's own SQL.
QString orderedConcatenation(const QString& expression, const QString& orderBy);

// Writes a new, empty register to path (the template the first start copies).
void createTemplate(const QString& path);

// The first start's steps on this computer: the shared data folder (one level at a time, each
// step reported on its own) and the register file copied from the empty template beside the
// program, readable and writable by the users who share it.
void makeFolder(const QString& path);
void copyTemplate(const QString& from, const QString& to);

// Opens the register the machine-wide settings file names: the SQLite file in the data folder
// when it names none (or engine=sqlite), the server's database for engine=postgresql. A settings
// file in error throws a failure that names the file and the line.
void openConfigured();
// The same for reading only (the report tool): the file opened read-only, or the server's
// database without creating or upgrading anything.
void openConfiguredReadOnly();
// Opens the register on a server. An empty database gets the register's tables at once; a
// database of a newer schema is refused and left untouched, an older one is brought up to date
// in one transaction. When the server cannot be reached, the next call that needs the register
// tries again, and so does any call after the connection was lost.
void openServer(const ServerAddress& server);
// The same for reading only: nothing on the server is created, upgraded or written.
void openServerReadOnly(const ServerAddress& server);
// Whether the settings file chooses a server, and the server its [register] section names.
// Both throw when the file is in error.
bool serverConfigured();
ServerAddress configuredServer();

// Opens the live register. The file must exist (it is never created here), must be a regular
// file holding a register of this program's schema or an older one; an older one is brought up
// to date in one transaction. A register of a newer schema is refused and left untouched.
void open(const QString& path);
// Opens the register for reading only: nothing in it is ever changed, an older schema is read
// as it stands.
void openReadOnly(const QString& path);
// Whether the connection is open now. A server's register whose connection was lost is not
// open, but the next call that needs it connects again.
bool isOpen();
void close();
// The open connection; throws when the register is not open.
QSqlDatabase connection();
// Why the register was opened for reading only although it was asked for writing, when columns
// another program added would refuse every save; empty otherwise. Said to the user at start.
QString writesRefusedReason();
// The schema version of the open register (below kSchemaVersion only when opened read-only).
int openedSchemaVersion();
// The engine's name ("SQLite", "PostgreSQL") and where the register is, for the About box.
QString engineName();
QString location();
// The register's size in bytes, or -1 when it cannot be told.
qint64 registerSize();

// Marks whose date is not stored as yyyy-MM-dd text: they belong to no day the program shows.
// Counted through an index of their own, so asking costs nothing on a sound register.
qint64 unplacedMarkCount();
// The condition, on the given column, that a mark's date is one the count above leaves out: the
// same test, so that a mark the count finds is never counted in a figure as well.
QString placedDateCondition(const QString& column);

// Students with more than one mark stored for one day (another tool's register can hold them);
// the program shows one of them. Costs one look at the schema where the mark key is unique.
qint64 duplicateMarkCount();
// Keeps the most recently changed mark of each student and day that has several, in one
// transaction; the others are removed and recorded in the history. Returns how many went.
qint64 mergeDuplicateMarks(const Author& author = Author::current());

// Classes in name order.
QList<ClassRow> classes();
// The students of a class today in name order; photos are read only when asked for.
QList<StudentRow> studentsOfClass(qint64 classId, bool withPhotos);
// The students of a class in name order with their card pictures, in one statement: what the
// cards need, and never the photos. Only the first `withPictures` come with their card pictures
// (a class of thousands is shown a screenful at a time); cardPictures() reads the others'.
// The students are those in the class on the day, today when none is given (see enrolments below).
QList<StudentRow> cardsOfClass(
    qint64 classId, const QDate& day = QDate(), int withPictures = std::numeric_limits<int>::max());
// The card pictures of the given students, by id, in one statement for up to a few hundred.
QHash<qint64, QByteArray> cardPictures(const QList<qint64>& studentIds);
// The stored mark of one student in one register.
std::optional<Mark> mark(qint64 studentId, const QDate& date, Session session = Session::Morning);
// The stored marks of several students in one register, by student id.
DayMarks marks(const QList<qint64>& studentIds, const QDate& date, Session session = Session::Morning);
// Writes the marks of one class's register, with its notes on every row: all of them or, on
// failure, none. Whatever is stored is overwritten.
void saveMarks(const QDate& date, const QList<CardMark>& cards, const QString& notes,
    const Author& author = Author::current(), Session session = Session::Morning);
// The same, but only while the stored marks of the cards are still those that were loaded;
// when someone else has saved one of them since, nothing is written and the conflict returned.
// The check and the writes are one transaction, so no third writer can come between them.
SaveResult saveMarksIfUnchanged(const QDate& date, const QList<CardMark>& cards, const QString& notes,
    const DayMarks& loaded, const Author& author = Author::current(), Session session = Session::Morning);
// The latest earlier day, before the given one, on which any of the students has a saved mark.
std::optional<QDate> previousMarkedDay(const QList<qint64>& studentIds, const QDate& before);
// The changes of one student's mark in one register, newest first.
QList<HistoryRow> history(qint64 studentId, const QDate& date, Session session = Session::Morning);

// How many registers the school keeps a day: 1, or 2 (morning and afternoon).
int sessionsPerDay();
// Changes it in one transaction. Going to two, the registers already taken are the mornings';
// with afternoonsToo each of them is also copied as the afternoon's of its day, where that day
// has none (the choice of a school that took one register for the whole day). Going back to
// one, the afternoons already taken stay and still count.
void setSessionsPerDay(int sessions, bool afternoonsToo = false);
// The time from which the afternoon's register is the one the main window opens on.
QTime afternoonFrom();
void setAfternoonFrom(const QTime& time);
// A school may close each register some school days after its day: from then on only the
// accounts it names (the users' log-in names) can change it, so that what was reported stays.
struct Closing
{
    int afterSchoolDays = 0; // 0: registers never close
    QStringList accounts;
    bool operator==(const Closing&) const = default;
};
Closing registerClosing();
void setRegisterClosing(const Closing& closing);
// Why the user may not change the register of the day now, in plain words; empty when they may.
QString closedToUser(const QDate& date, const QString& user, const Closing& closing);

// Whether any mark is stored at all (a register that switches to two registers a day is asked
// what its marks are only when it has some).
bool hasMarks();

// Adds a class and returns its id.
qint64 addClass(const QString& name);
// Renames a class; its students and marks stay with it. False when the class no longer exists.
bool renameClass(qint64 classId, const QString& name);
// Deletes a class and its students in one transaction; their marks stay.
void deleteClass(qint64 classId);

std::optional<StudentRow> student(qint64 studentId);
// A student's photo bytes, read into buffer (whose memory is reused); false when the student no
// longer exists. Empty bytes mean no photo.
bool readPhoto(qint64 studentId, QByteArray& buffer);
// Adds a student, enrolled in the class from the given day (from the beginning when none: the
// windows give the day, today unless the user chooses another), and returns the id.
// No image leaves the photo empty.
qint64 addStudent(
    const QString& name, qint64 classId, const std::optional<QByteArray>& image, const QDate& enrolledFrom = QDate());
// Rewrites a student's name, and the photo when one is given; a new class moves the student to
// it from movedOn (today when none). Given a day, the student is moved even to the class the row
// names, which may be next year's. False when the student no longer exists.
bool updateStudent(qint64 studentId, const QString& name, qint64 classId, const std::optional<QByteArray>& image,
    const QDate& movedOn = QDate());
// Removes the student's photo (and its card picture): the card shows the initials again.
void removePhoto(qint64 studentId);
// Removes the student's row (a mistake, not a leaver): the marks stay, out of reach.
void deleteStudent(qint64 studentId);

// Which class a student was in when. A student belongs to the classes of their enrolments on the
// days each holds; a student with none (written by another tool) to the class the row names, on
// every day. The row's ClassID is the class of the latest enrolment.
struct Enrolment
{
    qint64 id = 0;
    qint64 studentId = 0;
    qint64 classId = 0;
    QString className;
    QDate from; // invalid: from the beginning
    QDate to; // the last day in the class; invalid while the student is still in it
};
// A student's enrolments in date order.
QList<Enrolment> enrolments(qint64 studentId);
// Moves the student to the class from the given day: the enrolment holding the day before ends
// then, any that began on the day or later go. One transaction.
void moveStudent(qint64 studentId, qint64 classId, const QDate& from);
// The student leaves the register from the given day: on the cards until the day before, and in
// every report of those days.
void leaveSchool(qint64 studentId, const QDate& from);
// The year-end move: every class up one year ("7A" to "8A", "Year 7" to "Year 8"), the top
// year's students out. Planned first, so that it can be shown before anything changes, then
// made in one transaction.
//
// The class a class's students go up to: the first number in the name, plus one. None for a name
// without a number (such a class is left as it is).
std::optional<QString> nextClassName(const QString& name);
struct YearEndStep
{
    qint64 classId = 0;
    QString className;
    int students = 0; // in the class on the day before the new year
    bool leaving = false; // the top year: its students leave the register
    bool unchanged = false; // no number in the name: left as it is
    QString toName; // otherwise the class they go up to
    qint64 toClassId = 0; // 0: added by the move
};
// One step per class with students, in name order. The top year is the highest number in any
// class name unless given.
QList<YearEndStep> planNewSchoolYear(const QDate& first, std::optional<int> topYear = std::nullopt);
struct YearEndDone
{
    int moved = 0;
    int left = 0;
    int classesAdded = 0;
};
// Makes the plan in one transaction: the missing classes are added, every student moves up from
// `first`, the top year's students leave on it.
YearEndDone startNewSchoolYear(const QDate& first, std::optional<int> topYear = std::nullopt);

// The classes whose register was taken on the day: at least one of the students in the class
// that day has a saved mark for it. Read per class through its own index.
QSet<qint64> classesTakenOn(const QDate& day, Session session = Session::Morning);

// What deleting a class takes with it: the students whose row names it, and their marks.
struct ClassContents
{
    qint64 students = 0;
    qint64 marks = 0;
};
ClassContents classContents(qint64 classId);

// How many marks the students have, on any day (what a delete would put out of reach).
qint64 markCount(const QList<qint64>& studentIds);

// Photos stored in a form other than the one new photos are written in, and their bytes; read
// in id order from after the given id, a batch at a time, so that a long conversion can stop
// and go on.
struct StoredPhoto
{
    qint64 studentId = 0;
    QByteArray image;
    bool hasCardPicture = false;
};
QList<StoredPhoto> photosAfter(qint64 studentId, int batch);
// How many students have a photo, and how many bytes the photos and card pictures take.
struct PhotoTotals
{
    qint64 photos = 0;
    qint64 photoBytes = 0;
    qint64 cardBytes = 0;
};
PhotoTotals photoTotals();
// Writes converted photos with their card pictures in one transaction; a photo changed by
// someone else since it was read is left as it now is. Returns how many were written.
qint64 replacePhotos(
    const QList<StoredPhoto>& read, const QList<QByteArray>& images, const QList<QByteArray>& cardPictures);
// Gives back the space the register's files hold unused (after a conversion).
void reclaimSpace();

// A setting kept in the register (the school's name, for instance); empty when never set.
QString setting(const QString& name);
void setSetting(const QString& name, const QString& value);

// The attendance codes the register keeps, the four words first; the four alone for a register
// that keeps none.
QList<status::Code> attendanceCodes();
// Replaces the register's codes in one transaction (the four words keep their meaning), makes
// them the codes in use and announces codesChanged.
void saveAttendanceCodes(const QList<status::Code>& codes);
// Makes the register's codes the codes in use (status::book()); done whenever a register opens.
void readCodeBook();
// Every status word stored, with how many marks hold it: a scan of every mark.
QList<std::pair<QString, qint64>> statusWordCounts();

// An absence known before the day (a hospital stay, a family funeral): one student, a code, a
// reason, the first and last day. The register of each school day it covers opens with the code
// already on the card, still to be saved and still changeable.
struct PlannedAbsence
{
    qint64 id = 0;
    qint64 studentId = 0;
    QString studentName;
    QDate from;
    QDate to;
    QString status; // the word stored when the day's register is saved
    QString reason;
    QString createdBy;
};
// Every planned absence of a student that still has a row, by first day.
QList<PlannedAbsence> plannedAbsences();
qint64 addPlannedAbsence(const PlannedAbsence& planned);
// Cancels the plan; marks already saved from it stay as they were saved.
void removePlannedAbsence(qint64 id);
// The plans covering the day, by student (the latest when two do).
QHash<qint64, PlannedAbsence> plannedOn(const QList<qint64>& studentIds, const QDate& day);

// The school calendar kept in the register; an empty one (every weekday a school day) for a
// register that keeps none.
calendar::SchoolCalendar schoolCalendar();
// Adds entries in one transaction, leaving out any the register already holds (the same kind,
// days and name), so that importing one file twice adds nothing; returns how many were added.
int addCalendarEntries(const QList<calendar::Entry>& entries);
// Rewrites an entry's kind, days and name; false when it no longer exists.
bool updateCalendarEntry(const calendar::Entry& entry);
void removeCalendarEntry(qint64 id);

// The date as the register stores it.
QString dateKey(const QDate& date);

} // namespace db
