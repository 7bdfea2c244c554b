#include "data/Database.h"

#include "app/Failure.h"
#include "data/Engine.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>

#include <pwd.h>
#include <unistd.h>

namespace db {
namespace {

// The texts of this file, under the context translators find them in.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Database)
};

std::unique_ptr<Engine>& currentEngine()
{
    static std::unique_ptr<Engine> instance;
    return instance;
}

// The schema version of the open register, and why it could not be brought up to date when
// that failed (the register is then only read).
struct OpenState
{
    int version = 0;
    QString upgradeFailure;
    bool readOnly = false;
};

OpenState& openState()
{
    static OpenState state;
    return state;
}

// A column that an older register opened read-only may not have yet reads as empty text.
QString column(const char* name, int since)
{
    return openState().version >= since ? QString::fromLatin1(name) : QStringLiteral("''");
}

QString markColumns()
{
    return QStringLiteral("\"Status\", Notes, %1, %2, %3, %4")
        .arg(column("Remark", 4), column("ChangedAt", 3), column("ChangedBy", 3), column("ChangedOn", 3));
}

void requireWritable()
{
    const OpenState& state = openState();
    if (state.readOnly && !state.upgradeFailure.isEmpty())
        throw Failure(
            Text::tr("The register could not be brought up to this version of Rollvane when it was opened, so "
                     "nothing can be written to it. Nothing was changed. (%1)")
                .arg(state.upgradeFailure));
    if (state.readOnly)
        throw Failure(Text::tr("The register is open for reading only. Nothing was changed."));
}

void upgrade(QSqlDatabase& database)
{
    Engine& engine = db::engine();
    const int found = engine.storedSchemaVersion(database);
    openState().version = found;
    if (found >= kSchemaVersion)
        return;
    try {
        sql::WriteTransaction transaction;
        for (int version = std::max(found, 0) + 1; version <= kSchemaVersion; ++version)
            engine.upgradeTo(version);
        engine.recordSchemaVersion(kSchemaVersion);
        transaction.commit();
        openState().version = kSchemaVersion;
    } catch (const Failure& failure) {
        // A register that cannot be written (a read-only file, say) is still shown as it
        // stands; saving then says why it cannot.
        openState().upgradeFailure = failure.description();
        openState().readOnly = true;
    }
}

void openWith(std::unique_ptr<Engine> engine, bool readOnly)
{
    const QString name = QString::fromLatin1(kConnectionName);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
    } else {
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    }
    currentEngine() = std::move(engine);
    openState() = {};
    QSqlDatabase database = QSqlDatabase::database(name, false);
    currentEngine()->open(database, readOnly);
    try {
        checkSchema(database, *currentEngine());
        if (readOnly) {
            openState().version = currentEngine()->storedSchemaVersion(database);
            openState().readOnly = true;
        } else {
            upgrade(database);
        }
    } catch (...) {
        database.close();
        throw;
    }
}

StudentRow studentFrom(const QSqlQuery& query, bool withPhoto)
{
    StudentRow row;
    row.id = query.value(0).toLongLong();
    row.name = query.value(1).toString();
    row.classId = query.value(2).toLongLong();
    if (withPhoto)
        row.image = query.value(3).toByteArray();
    return row;
}

QString placeholders(qsizetype count)
{
    return QStringList(count, QStringLiteral("?")).join(QLatin1Char(','));
}

QString operatingSystemUser()
{
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

// Where this thread's statements go instead of the shared connection, while redirected.
struct RedirectTarget
{
    QString connectionName;
    Engine* engine = nullptr;
};

RedirectTarget& redirected()
{
    thread_local RedirectTarget target;
    return target;
}

std::optional<Mark> storedOf(const DayMarks& marks, qint64 studentId)
{
    const auto found = marks.constFind(studentId);
    if (found == marks.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace

Engine& engine()
{
    if (Engine* other = redirected().engine)
        return *other;
    if (!currentEngine())
        throw Failure(Text::tr("The register is not open, so nothing can be read or written."));
    return *currentEngine();
}

void setEngine(std::unique_ptr<Engine> engine)
{
    currentEngine() = std::move(engine);
}

void checkSchema(QSqlDatabase& database, const Engine& engine)
{
    static const QStringList probes = {
        QStringLiteral("SELECT id, ClassName FROM tblClassName LIMIT 0"),
        QStringLiteral("SELECT id, StudentName, ClassID, Image FROM tblStudents LIMIT 0"),
        QStringLiteral("SELECT StudentID, \"Date\", \"Status\", Notes FROM tblAttendance LIMIT 0"),
    };
    for (const QString& probe : probes) {
        QSqlQuery query(database);
        if (!query.exec(probe)) {
            const Failure cause = engine.failure(query.lastError());
            throw Failure(Text::tr("The file %1 cannot be used as the register: %2")
                              .arg(QDir::toNativeSeparators(engine.location()), cause.description()));
        }
    }
}

void writeNewSchema()
{
    sql::WriteTransaction transaction;
    for (const QString& statement : engine().baseSchema())
        sql::run(statement);
    for (int version = 3; version <= kSchemaVersion; ++version)
        engine().upgradeTo(version);
    engine().recordSchemaVersion(kSchemaVersion);
    transaction.commit();
}

Mark markFrom(const QSqlQuery& query, int first)
{
    Mark mark;
    // A status that another tool left empty must still be a status a click can move on.
    mark.status = query.value(first).toString();
    if (mark.status.isEmpty())
        mark.status = QStringLiteral("Present");
    mark.notes = query.value(first + 1).toString();
    mark.remark = query.value(first + 2).toString();
    mark.changedAt = query.value(first + 3).toString();
    mark.changedBy = query.value(first + 4).toString();
    mark.changedOn = query.value(first + 5).toString();
    return mark;
}

void Engine::writeDay(const QString& day, const QList<CardMark>& cards, const QString& notes, const Author& author,
    const DayMarks& stored)
{
    QSqlQuery update = sql::prepared(QStringLiteral(
        "UPDATE tblAttendance SET \"Status\"=?, Notes=?, Remark=?, ChangedAt=?, ChangedBy=?, ChangedOn=? "
        "WHERE StudentID=? AND \"Date\"=?"));
    QSqlQuery insert = sql::prepared(
        QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes, Remark, ChangedAt, "
                       "ChangedBy, ChangedOn) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    QSqlQuery history = sql::prepared(
        QStringLiteral("INSERT INTO tblHistory (StudentID, \"Date\", OldStatus, NewStatus, OldRemark, NewRemark, "
                       "ChangedBy, ChangedOn, ChangedAt) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const CardMark& card : cards) {
        update.addBindValue(sql::text(card.status));
        update.addBindValue(sql::text(notes));
        update.addBindValue(sql::text(card.remark));
        update.addBindValue(sql::text(author.at));
        update.addBindValue(sql::text(author.user));
        update.addBindValue(sql::text(author.host));
        update.addBindValue(card.studentId);
        update.addBindValue(day);
        sql::run(update);
        if (update.numRowsAffected() == 0) {
            insert.addBindValue(card.studentId);
            insert.addBindValue(day);
            insert.addBindValue(sql::text(card.status));
            insert.addBindValue(sql::text(notes));
            insert.addBindValue(sql::text(card.remark));
            insert.addBindValue(sql::text(author.at));
            insert.addBindValue(sql::text(author.user));
            insert.addBindValue(sql::text(author.host));
            sql::run(insert);
        }
        const std::optional<Mark> before = storedOf(stored, card.studentId);
        if (before && before->status == card.status && before->remark == card.remark)
            continue;
        history.addBindValue(card.studentId);
        history.addBindValue(day);
        history.addBindValue(before ? before->status : QStringLiteral(""));
        history.addBindValue(sql::text(card.status));
        history.addBindValue(before ? before->remark : QStringLiteral(""));
        history.addBindValue(sql::text(card.remark));
        history.addBindValue(sql::text(author.user));
        history.addBindValue(sql::text(author.host));
        history.addBindValue(sql::text(author.at));
        sql::run(history);
    }
}

namespace sql {

QSqlQuery prepared(const QString& text)
{
    QSqlQuery query(connection());
    if (!query.prepare(text))
        throw engine().failure(query.lastError());
    return query;
}

QSqlQuery reading(const QString& text)
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(text))
        throw engine().failure(query.lastError());
    return query;
}

void run(QSqlQuery& query)
{
    if (!query.exec())
        throw engine().failure(query.lastError());
}

void run(const QString& text)
{
    QSqlQuery query(connection());
    if (!query.exec(text))
        throw engine().failure(query.lastError());
}

Redirect::Redirect(const QString& connectionName, Engine& engine)
    : m_previousName(redirected().connectionName)
    , m_previousEngine(redirected().engine)
{
    redirected() = {connectionName, &engine};
}

Redirect::~Redirect()
{
    redirected() = {m_previousName, m_previousEngine};
}

WriteTransaction::WriteTransaction()
{
    run(engine().beginWrite());
}

WriteTransaction::~WriteTransaction()
{
    if (m_committed)
        return;
    // Runs while a failure unwinds: nothing here may throw in turn.
    try {
        QSqlQuery rollback(connection());
        rollback.exec(QStringLiteral("ROLLBACK"));
    } catch (...) { }
}

void WriteTransaction::commit()
{
    run(QStringLiteral("COMMIT"));
    m_committed = true;
}

QString text(const QString& value)
{
    return value.isNull() ? QString::fromLatin1("", 0) : value;
}

} // namespace sql

Author Author::current()
{
    return {operatingSystemUser(), QSysInfo::machineHostName(),
        QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)};
}

QString dateKey(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

void createTemplate(const QString& path)
{
    if (QFileInfo::exists(path))
        throw Failure(Text::tr("%1 already exists.").arg(path));
    if (isOpen())
        throw Failure(Text::tr("A template cannot be written while a register is open."));
    // The template is built the way every register is upgraded, so that a new register and an
    // upgraded one cannot differ.
    currentEngine() = sqliteEngine(path);
    openState() = {};
    try {
        {
            QSqlDatabase database
                = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::fromLatin1(kConnectionName));
            database.setDatabaseName(path);
            if (!database.open())
                throw engine().failure(database.lastError());
            writeNewSchema();
        }
        close();
    } catch (...) {
        close();
        currentEngine().reset();
        throw;
    }
    currentEngine().reset();
}

void open(const QString& path)
{
    openWith(sqliteEngine(path), false);
}

void openReadOnly(const QString& path)
{
    openWith(sqliteEngine(path), true);
}

bool isOpen()
{
    const QString name = QString::fromLatin1(kConnectionName);
    return QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen();
}

void close()
{
    const QString name = QString::fromLatin1(kConnectionName);
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase database = QSqlDatabase::database(name, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QSqlDatabase connection()
{
    if (const QString& other = redirected().connectionName; !other.isEmpty()) {
        QSqlDatabase database = QSqlDatabase::database(other, false);
        if (!database.isOpen())
            throw Failure(Text::tr("The register is not open, so nothing can be read or written."));
        return database;
    }
    const QString name = QString::fromLatin1(kConnectionName);
    if (!isOpen())
        throw Failure(Text::tr("The register is not open, so nothing can be read or written."));
    return QSqlDatabase::database(name, false);
}

int openedSchemaVersion()
{
    return isOpen() ? openState().version : 0;
}

QString engineName()
{
    return currentEngine() ? currentEngine()->name() : QString();
}

QString location()
{
    return currentEngine() ? currentEngine()->location() : QString();
}

qint64 registerSize()
{
    return currentEngine() ? currentEngine()->size() : -1;
}

qint64 unplacedMarkCount()
{
    if (openedSchemaVersion() < 3)
        return 0;
    return engine().unplacedMarkCount();
}

QList<ClassRow> classes()
{
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT id, ClassName FROM tblClassName ORDER BY ClassName COLLATE NOCASE, ClassName, id"));
    sql::run(query);
    QList<ClassRow> rows;
    while (query.next())
        rows.append({query.value(0).toLongLong(), query.value(1).toString()});
    return rows;
}

QList<StudentRow> studentsOfClass(qint64 classId, bool withPhotos)
{
    QSqlQuery query = sql::reading(withPhotos
            ? QStringLiteral("SELECT id, StudentName, ClassID, Image FROM tblStudents "
                             "WHERE ClassID=? ORDER BY StudentName COLLATE NOCASE, StudentName, id")
            : QStringLiteral("SELECT id, StudentName, ClassID FROM tblStudents "
                             "WHERE ClassID=? ORDER BY StudentName COLLATE NOCASE, StudentName, id"));
    query.addBindValue(classId);
    sql::run(query);
    QList<StudentRow> rows;
    while (query.next())
        rows.append(studentFrom(query, withPhotos));
    return rows;
}

std::optional<Mark> mark(qint64 studentId, const QDate& date)
{
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT %1 FROM tblAttendance WHERE StudentID=? AND \"Date\"=?").arg(markColumns()));
    query.addBindValue(studentId);
    query.addBindValue(dateKey(date));
    sql::run(query);
    if (!query.next())
        return std::nullopt;
    return markFrom(query, 0);
}

DayMarks marks(const QList<qint64>& studentIds, const QDate& date)
{
    DayMarks found;
    constexpr qsizetype batch = 200;
    for (qsizetype start = 0; start < studentIds.size(); start += batch) {
        const QList<qint64> part = studentIds.mid(start, batch);
        QSqlQuery query = sql::reading(QStringLiteral("SELECT StudentID, %1 FROM tblAttendance "
                                                      "WHERE \"Date\"=? AND StudentID IN (%2)")
                                           .arg(markColumns(), placeholders(part.size())));
        query.addBindValue(dateKey(date));
        for (qint64 id : part)
            query.addBindValue(id);
        sql::run(query);
        while (query.next()) {
            const qint64 id = query.value(0).toLongLong();
            if (!found.contains(id))
                found.insert(id, markFrom(query, 1));
        }
    }
    return found;
}

void saveMarks(const QDate& date, const QList<CardMark>& cards, const QString& notes, const Author& author)
{
    if (cards.isEmpty())
        return;
    requireWritable();
    QList<qint64> ids;
    for (const CardMark& card : cards)
        ids.append(card.studentId);
    sql::WriteTransaction transaction;
    const DayMarks stored = marks(ids, date);
    engine().writeDay(dateKey(date), cards, notes, author, stored);
    transaction.commit();
}

SaveResult saveMarksIfUnchanged(
    const QDate& date, const QList<CardMark>& cards, const QString& notes, const DayMarks& loaded, const Author& author)
{
    SaveResult result;
    if (cards.isEmpty())
        return result;
    requireWritable();
    QList<qint64> ids;
    for (const CardMark& card : cards)
        ids.append(card.studentId);
    sql::WriteTransaction transaction;
    const DayMarks stored = marks(ids, date);
    Conflict conflict;
    for (qint64 id : std::as_const(ids)) {
        const std::optional<Mark> then = storedOf(loaded, id);
        const std::optional<Mark> now = storedOf(stored, id);
        if (then == now)
            continue;
        conflict.students.append(id);
        if (now && (conflict.latest.changedAt.isEmpty() || now->changedAt > conflict.latest.changedAt))
            conflict.latest = *now;
    }
    if (!conflict.students.isEmpty()) {
        conflict.stored = stored;
        result.conflict = std::move(conflict);
        result.stored = stored;
        return result; // the transaction rolls back: nothing was written
    }
    engine().writeDay(dateKey(date), cards, notes, author, stored);
    transaction.commit();
    for (const CardMark& card : cards)
        result.stored.insert(
            card.studentId, Mark {card.status, notes, card.remark, author.at, author.user, author.host});
    return result;
}

std::optional<QDate> previousMarkedDay(const QList<qint64>& studentIds, const QDate& before)
{
    if (studentIds.isEmpty())
        return std::nullopt;
    // One indexed lookup per student: the newest ISO date of theirs before the day.
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT max(d) FROM (SELECT (SELECT max(a.\"Date\") FROM tblAttendance a WHERE a.StudentID = "
                       "s.id AND a.\"Date\" < ? AND length(a.\"Date\") = 10 AND substr(a.\"Date\", 5, 1) = '-') AS d "
                       "FROM tblStudents s WHERE s.id IN "
                       "(%1)) AS latest")
            .arg(placeholders(studentIds.size())));
    query.addBindValue(dateKey(before));
    for (qint64 id : studentIds)
        query.addBindValue(id);
    sql::run(query);
    if (!query.next() || query.value(0).isNull())
        return std::nullopt;
    const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

QList<HistoryRow> history(qint64 studentId, const QDate& date)
{
    QList<HistoryRow> rows;
    if (openedSchemaVersion() < 5)
        return rows;
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT OldStatus, NewStatus, OldRemark, NewRemark, ChangedBy, ChangedOn, ChangedAt "
                       "FROM tblHistory WHERE StudentID=? AND \"Date\"=? ORDER BY id DESC"));
    query.addBindValue(studentId);
    query.addBindValue(dateKey(date));
    sql::run(query);
    while (query.next()) {
        rows.append({studentId, date, query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
            query.value(6).toString()});
    }
    return rows;
}

qint64 addClass(const QString& name)
{
    requireWritable();
    QSqlQuery query = sql::prepared(QStringLiteral("INSERT INTO tblClassName (ClassName) VALUES (?) RETURNING id"));
    query.addBindValue(sql::text(name));
    sql::run(query);
    return query.next() ? query.value(0).toLongLong() : 0;
}

void deleteClass(qint64 classId)
{
    requireWritable();
    sql::WriteTransaction transaction;
    QSqlQuery classRow = sql::prepared(QStringLiteral("DELETE FROM tblClassName WHERE id=?"));
    classRow.addBindValue(classId);
    sql::run(classRow);
    QSqlQuery students = sql::prepared(QStringLiteral("DELETE FROM tblStudents WHERE ClassID=?"));
    students.addBindValue(classId);
    sql::run(students);
    transaction.commit();
}

std::optional<StudentRow> student(qint64 studentId)
{
    QSqlQuery query
        = sql::reading(QStringLiteral("SELECT id, StudentName, ClassID, Image FROM tblStudents WHERE id=?"));
    query.addBindValue(studentId);
    sql::run(query);
    if (!query.next())
        return std::nullopt;
    return studentFrom(query, true);
}

qint64 addStudent(const QString& name, qint64 classId, const std::optional<QByteArray>& image)
{
    requireWritable();
    QSqlQuery query = sql::prepared(
        QStringLiteral("INSERT INTO tblStudents (StudentName, ClassID, Image) VALUES (?, ?, ?) RETURNING id"));
    query.addBindValue(sql::text(name));
    query.addBindValue(classId);
    // An empty, never a missing, value means no photo.
    query.addBindValue(image ? *image : QByteArray(""));
    sql::run(query);
    return query.next() ? query.value(0).toLongLong() : 0;
}

bool updateStudent(qint64 studentId, const QString& name, qint64 classId, const std::optional<QByteArray>& image)
{
    requireWritable();
    QSqlQuery query
        = sql::prepared(image ? QStringLiteral("UPDATE tblStudents SET StudentName=?, ClassID=?, Image=? WHERE id=?")
                              : QStringLiteral("UPDATE tblStudents SET StudentName=?, ClassID=? WHERE id=?"));
    query.addBindValue(sql::text(name));
    query.addBindValue(classId);
    if (image)
        query.addBindValue(*image);
    query.addBindValue(studentId);
    sql::run(query);
    return query.numRowsAffected() > 0;
}

void deleteStudent(qint64 studentId)
{
    requireWritable();
    QSqlQuery query = sql::prepared(QStringLiteral("DELETE FROM tblStudents WHERE id=?"));
    query.addBindValue(studentId);
    sql::run(query);
}

QString setting(const QString& name)
{
    if (openedSchemaVersion() < 6)
        return QString();
    QSqlQuery query = sql::reading(QStringLiteral("SELECT Value FROM tblSettings WHERE Name=?"));
    query.addBindValue(name);
    sql::run(query);
    return query.next() ? query.value(0).toString() : QString();
}

void setSetting(const QString& name, const QString& value)
{
    requireWritable();
    QSqlQuery query = sql::prepared(QStringLiteral(
        "INSERT INTO tblSettings (Name, Value) VALUES (?, ?) ON CONFLICT (Name) DO UPDATE SET Value = excluded.Value"));
    query.addBindValue(name);
    query.addBindValue(sql::text(value));
    sql::run(query);
}

} // namespace db
