// The register on a PostgreSQL server, shared by every computer of the school.
//
// Two things shape this file. Every statement is a trip across the school's network, so the
// hot paths are as few statements as they can be: a save is BEGIN, one statement, COMMIT. And
// Qt's driver prepares a statement with a PREPARE of its own and forgets it with a DEALLOCATE,
// each a trip too, so the engine keeps the statements of its connection and hands them out
// again.
#include "register/Engine.h"

#include "register/Sql.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace db {

QString ServerAddress::displayName() const
{
    if (host.isEmpty() || host.startsWith(QLatin1Char('/')))
        return QCoreApplication::translate("Database", "this computer");
    return port == 5432 ? host : QStringLiteral("%1:%2").arg(host).arg(port);
}

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Database)
};

// Marks whose date is not ISO text. The same condition stands in the index and in the count,
// so that the count is answered from the (normally empty) index alone.
// Marks whose date is no day: not yyyy-MM-dd text, or a day the month does not have
// ("2026-11-31", "2023-02-29"). Written out rather than cast to a date, which would fail on
// such text and is not immutable, so that it can stand in the index; CASE keeps the arithmetic
// from ever seeing text that is not digits.
const QString kUnplacedCondition = QStringLiteral(
    "CASE WHEN \"Date\" ~ '^[0-9]{4}-(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])$' THEN substr(\"Date\", 9, 2)::int > "
    "CASE substr(\"Date\", 6, 2)::int WHEN 2 THEN 28 + CASE WHEN substr(\"Date\", 1, 4)::int % 4 = 0 AND "
    "(substr(\"Date\", 1, 4)::int % 100 <> 0 OR substr(\"Date\", 1, 4)::int % 400 = 0) THEN 1 ELSE 0 END "
    "WHEN 4 THEN 30 WHEN 6 THEN 30 WHEN 9 THEN 30 WHEN 11 THEN 30 ELSE 31 END ELSE true END");

// The listing order compares names without regard to case, as the SQLite register does with
// its NOCASE collation; the statements name it the same way on both engines.
const QString kStudentsIndex = QStringLiteral(
    "CREATE INDEX IF NOT EXISTS ixStudentsClass ON tblStudents (ClassID, StudentName COLLATE nocase, StudentName)");

// The whole of a save: every card's mark written over whatever is stored, but only where the
// stored row is still the one the window loaded, and the history of what changed. The check
// is made by the upsert itself on the row it has locked, which is the newest version of it
// even when another computer committed it a moment ago, and an insert waits for another
// computer's uncommitted insert of the same key: two computers saving the same new marks
// cannot both pass. The result counts the cards that were written as expected; anything less
// means that someone else saved first, and the caller rolls back.
const QString kSaveDay = QStringLiteral(R"(
WITH card AS (
    SELECT * FROM unnest($2::bigint[], $3::text[], $4::text[], $9::boolean[], $10::text[], $11::text[],
                         $12::text[], $13::text[], $14::text[], $15::text[], $16::integer[])
        AS c(id, status, remark, had, old_status, old_remark, old_notes, old_at, old_by, old_on, minutes)
), written AS (
    INSERT INTO tblAttendance AS a (StudentID, "Date", Session, "Status", Notes, Remark, ChangedAt, ChangedBy,
                                    ChangedOn, LateMinutes)
    SELECT id, $1, $17, status, $5, remark, $6, $7, $8, minutes FROM card ORDER BY id
    ON CONFLICT (StudentID, "Date", Session) DO UPDATE SET "Status" = EXCLUDED."Status", Notes = EXCLUDED.Notes,
        Remark = EXCLUDED.Remark, ChangedAt = EXCLUDED.ChangedAt, ChangedBy = EXCLUDED.ChangedBy,
        ChangedOn = EXCLUDED.ChangedOn, LateMinutes = EXCLUDED.LateMinutes
    WHERE EXISTS (SELECT 1 FROM card c WHERE c.id = a.StudentID AND c.had
        AND COALESCE(NULLIF(a."Status", ''), 'Present') = c.old_status AND COALESCE(a.Remark, '') = c.old_remark
        AND md5(COALESCE(a.Notes, '')) = c.old_notes AND COALESCE(a.ChangedAt, '') = c.old_at
        AND COALESCE(a.ChangedBy, '') = c.old_by AND COALESCE(a.ChangedOn, '') = c.old_on)
    RETURNING a.StudentID, (a.xmax = 0) AS inserted
)
SELECT count(*) FROM written w JOIN card c ON c.id = w.StudentID WHERE w.inserted = NOT c.had
)");

// Writes the history of a mark as the server sees it. It runs with its owner's rights (the
// register's owner), so that staff accounts can read the history and never write or change it.
// A register copied in brings its history along: the copy, run by the owner, says so and the
// rows it inserts are not recorded again.
const QString kHistoryFunction = QStringLiteral(R"(
CREATE OR REPLACE FUNCTION rollvane_history() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public AS $$
DECLARE
    old_status text := '';
    old_remark text := '';
    old_notes text := '';
BEGIN
    IF current_setting('rollvane.copying', true) = 'on'
        AND session_user = (SELECT tableowner FROM pg_tables WHERE schemaname = 'public'
                            AND tablename = 'tblattendance') THEN
        RETURN NULL;
    END IF;
    IF TG_OP = 'UPDATE' THEN
        old_status := COALESCE(NULLIF(OLD."Status", ''), 'Present');
        old_remark := COALESCE(OLD.Remark, '');
        old_notes := COALESCE(OLD.Notes, '');
        IF old_status = COALESCE(NEW."Status", '') AND old_remark = COALESCE(NEW.Remark, '')
            AND old_notes = COALESCE(NEW.Notes, '') THEN
            RETURN NULL;
        END IF;
    END IF;
    INSERT INTO tblHistory (StudentID, "Date", Session, OldStatus, NewStatus, OldRemark, NewRemark, ChangedBy,
                            ChangedOn, ChangedAt, OldNotes, NewNotes, Reason)
    VALUES (NEW.StudentID, NEW."Date", NEW.Session, old_status, COALESCE(NEW."Status", ''), old_remark, COALESCE(NEW.Remark, ''),
            session_user, COALESCE(NEW.ChangedOn, ''),
            to_char(clock_timestamp() AT TIME ZONE 'UTC', 'YYYY-MM-DD"T"HH24:MI:SS.MS"Z"'), old_notes,
            COALESCE(NEW.Notes, ''), COALESCE(current_setting('rollvane.reason', true), ''));
    RETURN NULL;
END
$$)");

// Values travel as array literals, each element quoted, so that no text can end an element.
QString textArray(const QStringList& values)
{
    QString literal = QStringLiteral("{");
    for (qsizetype i = 0; i < values.size(); ++i) {
        QString value = values.at(i);
        value.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
        if (i > 0)
            literal += QLatin1Char(',');
        literal += QLatin1Char('"') + value + QLatin1Char('"');
    }
    return literal + QLatin1Char('}');
}

QString numberArray(const QList<qint64>& values)
{
    QStringList numbers;
    numbers.reserve(values.size());
    for (qint64 value : values)
        numbers << QString::number(value);
    return QLatin1Char('{') + numbers.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString truthArray(const QList<bool>& values)
{
    QString literal = QStringLiteral("{");
    for (qsizetype i = 0; i < values.size(); ++i)
        literal += (i > 0 ? QStringLiteral(",") : QString()) + (values.at(i) ? QLatin1Char('t') : QLatin1Char('f'));
    return literal + QLatin1Char('}');
}

QString md5Of(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

// A value in the client library's connection settings: quoted, with its quotes and
// backslashes escaped.
QString connectValue(const QString& value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The first line of the server's or the client library's own words, without Qt's decoration.
QString detailOf(const QSqlError& error)
{
    QString detail = error.databaseText().trimmed();
    if (detail.isEmpty())
        detail = error.driverText().trimmed();
    const qsizetype lineEnd = detail.indexOf(QLatin1Char('\n'));
    if (lineEnd > 0)
        detail = detail.left(lineEnd).trimmed();
    const QString code = error.nativeErrorCode();
    if (!code.isEmpty() && detail.endsWith(QStringLiteral("(%1)").arg(code)))
        detail.chop(code.size() + 2);
    for (const char* prefix : {"ERROR:", "FATAL:"}) {
        if (detail.startsWith(QLatin1String(prefix)))
            detail = detail.mid(qstrlen(prefix)).trimmed();
    }
    return detail;
}

// Lets go of statements while the driver's complaints about statements it can no longer free
// (their connection is gone) are kept quiet: they are expected, and nothing can be done.
QLoggingCategory::CategoryFilter quietPrevious = nullptr;

void quietDriver(QLoggingCategory* category)
{
    if (quietPrevious)
        quietPrevious(category);
    const char* name = category->categoryName();
    if (qstrcmp(name, "qt.sql.postgresql") == 0 || qstrcmp(name, "default") == 0)
        category->setEnabled(QtWarningMsg, false);
}

class PostgresEngine final : public Engine
{
public:
    PostgresEngine(ServerAddress server, QString connectionName)
        : m_server(std::move(server))
        , m_connectionName(std::move(connectionName))
    { }

    ~PostgresEngine() override { forgetStatements(); }

    QString name() const override { return QStringLiteral("PostgreSQL"); }
    QString location() const override
    {
        return Text::tr("database %1 on the server %2").arg(m_server.database, m_server.displayName());
    }
    QString registerName() const override
    {
        return Text::tr("The database %1 on the server %2").arg(m_server.database, m_server.displayName());
    }
    QString driver() const override { return QStringLiteral("QPSQL"); }

    qint64 size() override
    {
        try {
            QSqlQuery query = sql::reading(QStringLiteral("SELECT pg_database_size(current_database())"));
            sql::run(query);
            return query.next() ? query.value(0).toLongLong() : -1;
        } catch (const Failure&) {
            return -1;
        }
    }

    void open(QSqlDatabase& database, bool readOnly) override
    {
        forgetStatements();
        for (const QString& value : {m_server.sslmode, m_server.sslrootcert, m_server.passfile}) {
            // The driver takes ';' as the end of a setting, whatever quotes stand around it.
            if (value.contains(QLatin1Char(';')))
                throw Failure(Text::tr("The server settings cannot hold the character ';' (in \"%1\").").arg(value));
        }
        database.setHostName(m_server.host);
        database.setPort(m_server.port);
        database.setDatabaseName(m_server.database);
        database.setUserName(m_server.user);
        // A lock another computer holds is waited for as long as the file register waits for
        // its lock, then the save says "try again"; a dead network is noticed within half a
        // minute instead of the system's hours.
        QString serverOptions = QStringLiteral("-c lock_timeout=5000 -c idle_in_transaction_session_timeout=60000");
        if (readOnly)
            serverOptions += QStringLiteral(" -c default_transaction_read_only=on");
        QStringList options = {
            QStringLiteral("connect_timeout=10"),
            QStringLiteral("application_name=Rollvane"),
            QStringLiteral("keepalives_idle=15"),
            QStringLiteral("keepalives_interval=5"),
            QStringLiteral("keepalives_count=3"),
            QStringLiteral("tcp_user_timeout=30000"),
            QStringLiteral("options=") + connectValue(serverOptions),
        };
        if (!m_server.sslmode.isEmpty())
            options << QStringLiteral("sslmode=") + connectValue(m_server.sslmode);
        if (!m_server.sslrootcert.isEmpty())
            options << QStringLiteral("sslrootcert=") + connectValue(m_server.sslrootcert);
        if (!m_server.passfile.isEmpty())
            options << QStringLiteral("passfile=") + connectValue(m_server.passfile);
        database.setConnectOptions(options.join(QLatin1Char(';')));
        if (!database.open())
            throw openFailure(database.lastError());
        m_connection = nextConnectionNumber();
        m_writes = 0;
        try {
            checkDatabase(database, readOnly);
        } catch (...) {
            forgetStatements();
            database.close();
            throw;
        }
    }

    Failure failure(const QSqlError& error) const override
    {
        if (lostConnection(error))
            return unreachable(detailOf(error));
        const QString code = error.nativeErrorCode();
        const QString detail = detailOf(error);
        QString plain;
        bool plainIsEnough = true;
        if (code == QLatin1String("55P03") || code == QLatin1String("40P01") || code == QLatin1String("40001")) {
            plain = Text::tr("The register is in use by another computer. Nothing was changed; please try again in a "
                             "moment.");
        } else if (code == QLatin1String("42501")) {
            plain = Text::tr("Your account on the register's server may not do this. Nothing was changed; ask the "
                             "administrator for the rights Rollvane needs.");
            plainIsEnough = false;
        } else if (code == QLatin1String("25006")) {
            plain = Text::tr("The register on the server is open for reading only. Nothing was changed.");
        } else if (code == QLatin1String("53100")) {
            plain = Text::tr("The disk of the register's server is full. Nothing was changed; ask the administrator to "
                             "free some space, then try again.");
        } else if (code.startsWith(QLatin1String("53"))) {
            plain
                = Text::tr("The register's server is short of resources. Nothing was changed; try again in a moment.");
            plainIsEnough = false;
        } else if (code == QLatin1String("23505")) {
            plain = Text::tr("The register already holds that row (two marks for one student and day, or a repeated "
                             "id). Nothing was changed.");
            plainIsEnough = false;
        }
        if (plain.isEmpty())
            return Failure(detail.isEmpty() ? Text::tr("The database reported an error.") : detail);
        if (plainIsEnough || detail.isEmpty())
            return Failure(plain);
        return Failure(plain + QStringLiteral(" (") + detail + QStringLiteral(")"));
    }

    bool lostConnection(const QSqlError& error) const override
    {
        const QString code = error.nativeErrorCode();
        // Connection exceptions, and the server ending the session (an administrator's
        // termination, a crash, a shutdown).
        if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") || code == QLatin1String("57P02")
            || code == QLatin1String("57P03"))
            return true;
        // Every error the server sends carries its code; one without a code comes from the
        // client library, which has lost the server (a send or a read that failed).
        if (code.isEmpty() && error.type() != QSqlError::NoError)
            return true;
        if (!QSqlDatabase::contains(m_connectionName))
            return false;
        const QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
        return !database.isOpen();
    }

    bool reconnects() const override { return true; }
    bool registerIsAFile() const override { return false; }

    bool readPhoto(qint64 studentId, QByteArray& buffer) override { return readPhotoRow(studentId, buffer); }

    QString beginWrite() const override { return QStringLiteral("BEGIN"); }
    QString beginSnapshot() const override
    {
        return QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ, READ ONLY");
    }

    QString orderedConcatenation(const QString& expression, const QString& orderBy) const override
    {
        return QStringLiteral("string_agg(%1, '' ORDER BY %2)").arg(expression, orderBy);
    }

    QSqlQuery statement(const QSqlDatabase& database, const QString& text, bool forwardOnly) override
    {
        if (!forwardOnly)
            ++m_writes;
        if (database.connectionName() != m_connectionName)
            return prepareStatement(*this, database, text, forwardOnly);
        const QString key = (forwardOnly ? QStringLiteral("r ") : QStringLiteral("w ")) + text;
        if (const auto kept = m_statements.constFind(key); kept != m_statements.constEnd()) {
            m_order.removeOne(key);
            m_order.append(key);
            // Qt discourages copying a query, but a copy shares the driver's prepared statement,
            // and sharing it is the point: the caller's copy and the one kept here are one.
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            return *kept;
            QT_WARNING_POP
        }
        QSqlQuery query = prepareStatement(*this, database, text, forwardOnly);
        constexpr qsizetype kept = 96;
        while (m_order.size() >= kept)
            m_statements.remove(m_order.takeFirst());
        m_statements.insert(key, query);
        m_order.append(key);
        return query;
    }

    void forgetStatements() override
    {
        if (m_statements.isEmpty())
            return;
        quietPrevious = QLoggingCategory::installFilter(quietDriver);
        m_statements.clear();
        m_order.clear();
        QLoggingCategory::installFilter(quietPrevious);
        quietPrevious = nullptr;
    }

    int storedSchemaVersion(QSqlDatabase& database) override
    {
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("SELECT to_regclass('tblschemaversion') IS NOT NULL")) || !query.next())
            throw failure(query.lastError());
        if (!query.value(0).toBool())
            return 0;
        if (!query.exec(QStringLiteral("SELECT coalesce(max(Version), 0) FROM tblSchemaVersion")) || !query.next())
            throw failure(query.lastError());
        return query.value(0).toInt();
    }

    void recordSchemaVersion(int version) override
    {
        sql::run(QStringLiteral("DELETE FROM tblSchemaVersion"));
        QSqlQuery record = sql::prepared(QStringLiteral("INSERT INTO tblSchemaVersion (Version) VALUES (?)"));
        record.addBindValue(version);
        sql::run(record);
    }

    QStringList baseSchema() const override
    {
        // Text compares byte by byte, as in the SQLite register, so that ISO dates order as
        // dates and names with the same letters in any case keep one order everywhere. Ids are
        // given by the server but may be written, so that a register can be copied with them.
        return {
            m_icu ? QStringLiteral("CREATE COLLATION IF NOT EXISTS nocase (provider = icu, locale = "
                                   "'und-u-ks-level2', deterministic = false)")
                  : QStringLiteral("CREATE COLLATION IF NOT EXISTS nocase FROM \"C\""),
            QStringLiteral("CREATE TABLE IF NOT EXISTS tblClassName (id bigint GENERATED BY DEFAULT AS IDENTITY "
                           "PRIMARY KEY, ClassName text COLLATE \"C\" DEFAULT '')"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS tblStudents (id bigint GENERATED BY DEFAULT AS IDENTITY "
                           "PRIMARY KEY, StudentName text COLLATE \"C\" DEFAULT '', ClassID bigint DEFAULT 0, Image "
                           "bytea DEFAULT ''::bytea)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS tblAttendance (StudentID bigint, \"Date\" text COLLATE \"C\", "
                           "\"Status\" text COLLATE \"C\" DEFAULT '', Notes text COLLATE \"C\" DEFAULT '')"),
            kStudentsIndex,
            QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS ixAttendanceKey ON tblAttendance (StudentID, \"Date\")"),
            // Every write to a student's id or photo moves one number, which the card picture
            // cache reads once per listing to know whether its pictures still hold.
            QStringLiteral("CREATE TABLE IF NOT EXISTS tblPhotoChanges (Generation bigint NOT NULL)"),
            QStringLiteral("INSERT INTO tblPhotoChanges SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM tblPhotoChanges)"),
            QStringLiteral("CREATE OR REPLACE FUNCTION rvPhotoChanged() RETURNS trigger LANGUAGE plpgsql AS $$ "
                           "BEGIN UPDATE tblPhotoChanges SET Generation = Generation + 1; RETURN NULL; END $$"),
            QStringLiteral("CREATE OR REPLACE TRIGGER rvPhotoWrites AFTER INSERT OR DELETE OR UPDATE OF id, Image ON "
                           "tblStudents FOR EACH STATEMENT EXECUTE FUNCTION rvPhotoChanged()"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS tblSchemaVersion (Version integer NOT NULL)"),
        };
    }

    QString unplacedCondition() const override { return kUnplacedCondition; }

    void upgradeTo(int version) override
    {
        switch (version) {
        case 1:
        case 2:
            sql::run(kStudentsIndex);
            sql::run(QStringLiteral(
                "CREATE UNIQUE INDEX IF NOT EXISTS ixAttendanceKey ON tblAttendance (StudentID, \"Date\")"));
            break;
        case 5:
            sql::run(QStringLiteral(
                "CREATE TABLE IF NOT EXISTS tblHistory (id bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY, "
                "StudentID bigint NOT NULL, \"Date\" text COLLATE \"C\" NOT NULL, "
                "OldStatus text COLLATE \"C\" NOT NULL DEFAULT '', NewStatus text COLLATE \"C\" NOT NULL DEFAULT '', "
                "OldRemark text COLLATE \"C\" NOT NULL DEFAULT '', NewRemark text COLLATE \"C\" NOT NULL DEFAULT '', "
                "ChangedBy text COLLATE \"C\" NOT NULL DEFAULT '', ChangedOn text COLLATE \"C\" NOT NULL DEFAULT '', "
                "ChangedAt text COLLATE \"C\" NOT NULL DEFAULT '')"));
            sql::run(
                QStringLiteral("CREATE INDEX IF NOT EXISTS ixHistoryMark ON tblHistory (StudentID, \"Date\", id)"));
            sql::run(QStringLiteral("CREATE INDEX IF NOT EXISTS ixHistoryDate ON tblHistory (\"Date\")"));
            break;
        case 6:
            sql::run(QStringLiteral("CREATE TABLE IF NOT EXISTS tblSettings (Name text COLLATE \"C\" PRIMARY KEY, "
                                    "Value text COLLATE \"C\" NOT NULL DEFAULT '')"));
            break;
        case 7:
            // The history is the server's own record: written by the server for every change of
            // a mark, under the account that logged in and the server's clock, so that the staff
            // need (and get) no right to write it themselves.
            sql::run(kHistoryFunction);
            sql::run(QStringLiteral("DROP TRIGGER IF EXISTS trAttendanceHistory ON tblAttendance"));
            sql::run(QStringLiteral("CREATE TRIGGER trAttendanceHistory AFTER INSERT OR UPDATE ON tblAttendance "
                                    "FOR EACH ROW EXECUTE FUNCTION rollvane_history()"));
            break;
        case 11:
            sql::run(QStringLiteral("ALTER TABLE tblAttendance ADD COLUMN IF NOT EXISTS LateMinutes integer"));
            // The history keeps why an earlier day's mark was changed.
            sql::run(kHistoryFunction);
            sql::run(
                QStringLiteral("CREATE TABLE IF NOT EXISTS tblPlannedAbsence (id bigint GENERATED BY DEFAULT AS "
                               "IDENTITY PRIMARY KEY, StudentID bigint NOT NULL, FromDate text COLLATE \"C\" NOT NULL, "
                               "ToDate text COLLATE \"C\" NOT NULL, \"Status\" text NOT NULL DEFAULT '', Reason text "
                               "NOT NULL DEFAULT '', CreatedBy text NOT NULL DEFAULT '', CreatedAt text NOT NULL "
                               "DEFAULT '')"));
            break;
        case 12:
            // The unique key of (student, day) holds, so the new key with the session cannot
            // find two marks.
            sql::run(QStringLiteral("ALTER TABLE tblAttendance ADD COLUMN IF NOT EXISTS Session integer NOT NULL "
                                    "DEFAULT 0"));
            sql::run(
                QStringLiteral("ALTER TABLE tblHistory ADD COLUMN IF NOT EXISTS Session integer NOT NULL DEFAULT 0"));
            sql::run(QStringLiteral("DROP INDEX IF EXISTS ixAttendanceKey"));
            sql::run(QStringLiteral("CREATE UNIQUE INDEX ixAttendanceKey ON tblAttendance (StudentID, \"Date\", "
                                    "Session)"));
            sql::run(kHistoryFunction);
            break;
        case 8:
            sql::run(QStringLiteral("ALTER TABLE tblStudents ADD COLUMN IF NOT EXISTS CardPicture bytea"));
            // A photo replaced by a tool that knows nothing of card pictures must not keep the
            // old face on its card: the card picture goes, and the program makes one from the
            // photo until it is written again.
            sql::run(QStringLiteral(
                "CREATE OR REPLACE FUNCTION rollvane_card_picture() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                "IF NEW.Image IS DISTINCT FROM OLD.Image AND NEW.CardPicture IS NOT DISTINCT FROM OLD.CardPicture "
                "THEN NEW.CardPicture := NULL; END IF; RETURN NEW; END $$"));
            sql::run(QStringLiteral("DROP TRIGGER IF EXISTS trStudentsCardPicture ON tblStudents"));
            sql::run(QStringLiteral("CREATE TRIGGER trStudentsCardPicture BEFORE UPDATE OF Image ON tblStudents "
                                    "FOR EACH ROW EXECUTE FUNCTION rollvane_card_picture()"));
            break;
        case 10:
            sql::run(
                QStringLiteral("CREATE TABLE IF NOT EXISTS tblEnrolment (id bigint GENERATED BY DEFAULT AS "
                               "IDENTITY PRIMARY KEY, StudentID bigint NOT NULL, ClassID bigint NOT NULL, FromDate "
                               "text COLLATE \"C\" NOT NULL DEFAULT '', ToDate text COLLATE \"C\" NOT NULL DEFAULT "
                               "'9999-12-31')"));
            break;
        case 9:
            sql::run(
                QStringLiteral("CREATE TABLE IF NOT EXISTS tblCalendar (id bigint GENERATED BY DEFAULT AS IDENTITY "
                               "PRIMARY KEY, Kind text COLLATE \"C\" NOT NULL DEFAULT 'Holiday', FromDate text "
                               "COLLATE \"C\" NOT NULL, ToDate text COLLATE \"C\" NOT NULL, Name text NOT NULL "
                               "DEFAULT '')"));
            break;
        default:
            break;
        }
    }

    qint64 unplacedMarkCount() override
    {
        QSqlQuery query
            = sql::reading(QStringLiteral("SELECT count(*) FROM tblAttendance WHERE ") + kUnplacedCondition);
        sql::run(query);
        return query.next() ? query.value(0).toLongLong() : 0;
    }

    std::optional<DayMarks> saveDay(const QDate& date, Session session, const QList<CardMark>& cards,
        const QString& notes, const Author& author, const DayMarks* expected) override
    {
        const QList<qint64> ids = studentIdsOf(cards);
        if (expected) {
            if (writeIfStill(date, session, cards, notes, author, *expected))
                return std::nullopt;
            return marks(ids, date, session);
        }
        // Whatever is stored is overwritten, but the history must say what it was: the marks
        // are read, then written only while they are still those. Each refusal means that
        // another computer's save went through in between.
        constexpr int attempts = 20;
        for (int attempt = 0; attempt < attempts; ++attempt) {
            if (writeIfStill(date, session, cards, notes, author, marks(ids, date, session)))
                return std::nullopt;
        }
        throw Failure(Text::tr("The register is in use by another computer. Nothing was changed; please try again in a "
                               "moment."));
    }

    PhotoStamp photoStamp() override
    {
        try {
            QSqlQuery query = sql::reading(QStringLiteral("SELECT Generation FROM tblPhotoChanges"));
            sql::run(query);
            if (!query.next())
                return {};
            return PhotoStamp {m_connection, 0, query.value(0).toLongLong()};
        } catch (const Failure&) {
            return {};
        }
    }

    std::optional<PhotoStamp> ownWrites() override
    {
        if (!QSqlDatabase::contains(m_connectionName) || !QSqlDatabase::database(m_connectionName, false).isOpen())
            return std::nullopt;
        return PhotoStamp {m_connection, m_writes, 0};
    }

    QStringList requiredColumns(QSqlDatabase& database, const QString& table) override
    {
        QStringList required;
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (!query.prepare(QStringLiteral("SELECT column_name FROM information_schema.columns WHERE table_schema = "
                                          "current_schema() AND table_name = lower(?) AND is_nullable = 'NO' AND "
                                          "column_default IS NULL AND is_identity = 'NO'")))
            return required;
        query.addBindValue(table);
        if (!query.exec())
            return required;
        while (query.next())
            required << query.value(0).toString();
        return required;
    }

    // The server's register is made with its unique mark key, and a copy into it refuses two
    // marks for one student and day: there is nothing to find or merge.
    qint64 duplicateMarkGroups() override { return 0; }
    qint64 mergeDuplicateMarks(const Author&) override { return 0; }

    // The server reuses the space of rewritten rows once they are vacuumed; giving it back to
    // the disk would lock the table for everyone, and is the administrator's to choose.
    void reclaimSpace() override { sql::run(QStringLiteral("VACUUM tblStudents")); }

    void beforeCopy() override
    {
        // The copied history comes with the rows; the server must not record them again.
        sql::run(QStringLiteral("SET LOCAL rollvane.copying = 'on'"));
    }

    void afterCopy() override
    {
        for (const char* table : {"tblClassName", "tblStudents", "tblHistory"}) {
            sql::run(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'id'), coalesce((SELECT max(id) FROM "
                                    "%1), 0) + 1, false)")
                         .arg(QLatin1String(table).toString().toLower()));
        }
        // The planner's figures for the new rows, so that the first listings find the indexes;
        // the register's own tables only (a bare ANALYZE would visit the server's catalogues,
        // which a non-superuser may not, with a warning for each).
        sql::run(QStringLiteral("ANALYZE tblClassName, tblStudents, tblAttendance, tblHistory, tblSettings"));
    }

private:
    // What has to hold before the register is read: text is stored as UTF-8, the schema is not
    // newer than the program's, and an empty database gets the register's tables.
    void checkDatabase(QSqlDatabase& database, bool readOnly)
    {
        // Qt's driver asks for photos in the old escaped form, which is up to four characters a
        // byte and slow to undo; the client library reads the hex form just as well, at two.
        QSqlQuery facts(database);
        if (!facts.exec(QStringLiteral("SET bytea_output = hex")))
            throw failure(facts.lastError());
        // The server's notices (an IF EXISTS that found nothing) reach the client library's
        // stderr unasked, where a user of the tools takes them for trouble; warnings still do.
        if (!facts.exec(QStringLiteral("SET client_min_messages = warning")))
            throw failure(facts.lastError());
        if (!facts.exec(QStringLiteral(
                "SELECT current_setting('server_encoding'), EXISTS (SELECT 1 FROM pg_collation WHERE collprovider = "
                "'i'), NOT EXISTS (SELECT 1 FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace WHERE "
                "n.nspname = current_schema() AND c.relkind IN ('r', 'p', 'v', 'm', 'f'))"))
            || !facts.next())
            throw failure(facts.lastError());
        const QString encoding = facts.value(0).toString();
        m_icu = facts.value(1).toBool();
        bool empty = facts.value(2).toBool();
        facts.finish();
        if (encoding != QLatin1String("UTF8"))
            throw Failure(
                Text::tr("%1 stores text as %2, so names and notes could be damaged. Create the database with "
                         "ENCODING 'UTF8'.")
                    .arg(registerName(), encoding));
        const int version = storedSchemaVersion(database);
        if (version > kSchemaVersion)
            throw newerSchema(version);
        if (!empty)
            return;
        if (readOnly)
            throw Failure(Text::tr("%1 holds no register yet.").arg(registerName()));
        // Two computers starting on the same empty database at once: the second waits here and
        // then finds the tables made.
        QSqlQuery lock(database);
        if (!lock.exec(QStringLiteral("SELECT pg_advisory_lock(7352061)")))
            throw failure(lock.lastError());
        try {
            if (!facts.exec(QStringLiteral("SELECT to_regclass('tblclassname') IS NULL")) || !facts.next())
                throw failure(facts.lastError());
            empty = facts.value(0).toBool();
            facts.finish();
            if (empty)
                createTables();
        } catch (...) {
            lock.exec(QStringLiteral("SELECT pg_advisory_unlock(7352061)"));
            throw;
        }
        lock.exec(QStringLiteral("SELECT pg_advisory_unlock(7352061)"));
    }

    bool writeIfStill(const QDate& date, Session session, const QList<CardMark>& cards, const QString& notes,
        const Author& author, const DayMarks& expected)
    {
        QList<qint64> ids;
        QStringList statuses, remarks, oldStatuses, oldRemarks, oldNotes, oldAt, oldBy, oldOn;
        QList<bool> had;
        for (const CardMark& card : cards) {
            ids << card.studentId;
            statuses << sql::text(card.status);
            remarks << sql::text(card.remark);
            const auto stored = expected.constFind(card.studentId);
            const bool found = stored != expected.constEnd();
            had << found;
            oldStatuses << (found ? stored->status : QString());
            oldRemarks << (found ? stored->remark : QString());
            oldNotes << md5Of(found ? stored->notes : QString());
            oldAt << (found ? stored->changedAt : QString());
            oldBy << (found ? stored->changedBy : QString());
            oldOn << (found ? stored->changedOn : QString());
        }
        sql::WriteTransaction transaction;
        if (!author.reason.isEmpty()) {
            // The history is the server's to write: the reason reaches its trigger as a setting
            // of this transaction alone.
            QSqlQuery reason = sql::prepared(QStringLiteral("SELECT set_config('rollvane.reason', ?, true)"));
            reason.addBindValue(author.reason);
            sql::run(reason);
        }
        QSqlQuery save = sql::prepared(kSaveDay);
        for (const QString& value : {dateKey(date), numberArray(ids), textArray(statuses), textArray(remarks),
                 sql::text(notes), sql::text(author.at), sql::text(author.user), sql::text(author.host)})
            save.addBindValue(value);
        save.addBindValue(truthArray(had));
        for (const QStringList* values : {&oldStatuses, &oldRemarks, &oldNotes, &oldAt, &oldBy, &oldOn})
            save.addBindValue(textArray(*values));
        QStringList minutes;
        for (const CardMark& card : cards) {
            const QVariant late = lateMinutes(card);
            minutes << (late.isNull() ? QStringLiteral("NULL") : late.toString());
        }
        save.addBindValue(QLatin1Char('{') + minutes.join(QLatin1Char(',')) + QLatin1Char('}'));
        save.addBindValue(int(session));
        sql::run(save);
        const qint64 agreed = save.next() ? save.value(0).toLongLong() : -1;
        save.finish();
        if (agreed != cards.size())
            return false; // the transaction rolls back: nothing was written
        transaction.commit();
        return true;
    }

    Failure unreachable(const QString& detail) const
    {
        const QString plain = Text::tr("The register's server %1 could not be reached. Try again in a moment; Rollvane "
                                       "connects again by itself.")
                                  .arg(m_server.displayName());
        return Failure(detail.isEmpty() ? plain : plain + QStringLiteral(" (") + detail + QStringLiteral(")"));
    }

    // A server that answered and turned the connection down (a wrong password, no such user or
    // database) is not out of reach: the administrator has something to put right.
    Failure openFailure(const QSqlError& error) const
    {
        const QString text = error.databaseText();
        const qsizetype fatal = text.indexOf(QLatin1String("FATAL:"));
        if (fatal < 0) {
            // The client library's own refusals are set-up mistakes that waiting never mends.
            if (const std::optional<Failure> setup = setupMistake(text))
                return *setup;
            return unreachable(detailOf(error));
        }
        QString reason = text.mid(fatal + 6).trimmed();
        const qsizetype lineEnd = reason.indexOf(QLatin1Char('\n'));
        if (lineEnd > 0)
            reason = reason.left(lineEnd).trimmed();
        // A server starting, stopping or recovering answers, but only to say that it cannot
        // take anyone yet: for the user it is not there.
        if (reason.contains(QLatin1String("database system is")))
            return unreachable(reason);
        return Failure(Text::tr("The register's server %1 refused the connection: %2. Check the [register] settings in "
                                "the settings file and the server's user and password file.")
                           .arg(m_server.displayName(), reason));
    }

    // What the client library says when the settings, not the network, are at fault, in words
    // that name the setting and who puts it right.
    std::optional<Failure> setupMistake(const QString& text) const
    {
        const QString server = m_server.displayName();
        if (text.contains(QLatin1String("no password supplied")))
            return Failure(
                Text::tr("The register's server %1 asks for a password for the account %2, and none was "
                         "found: the administrator puts it in the password file the settings name "
                         "(passfile=%3), or in ~/.pgpass for each user.")
                    .arg(server, m_server.user, m_server.passfile.isEmpty() ? Text::tr("not set") : m_server.passfile));
        if (text.contains(QLatin1String("root certificate file")))
            return Failure(Text::tr("The settings ask Rollvane to check the certificate of the register's server %1 "
                                    "(sslmode=%2), but the certificate of the authority that signed it was not "
                                    "found: the administrator names it with sslrootcert= in the [register] section "
                                    "of the settings file.")
                               .arg(server, m_server.sslmode));
        if (text.contains(QLatin1String("does not support SSL")))
            return Failure(Text::tr("The register's server %1 offers no encrypted connection, which the settings "
                                    "require (sslmode=%2): the administrator turns on SSL on the server, or changes "
                                    "sslmode in the settings file.")
                               .arg(server, m_server.sslmode));
        if (text.contains(QLatin1String("certificate verify failed"))
            || text.contains(QLatin1String("does not match host name")))
            return Failure(Text::tr("The certificate of the register's server %1 could not be trusted (%2): the "
                                    "administrator checks host= and sslrootcert= in the settings file against the "
                                    "server's certificate.")
                               .arg(server, text.simplified()));
        return std::nullopt;
    }

    void addTextColumn(const QString& table, const QString& column) override
    {
        sql::run(QStringLiteral("ALTER TABLE %1 ADD COLUMN IF NOT EXISTS %2 text COLLATE \"C\" NOT NULL DEFAULT ''")
                     .arg(table, column));
    }

    ServerAddress m_server;
    QString m_connectionName;
    QHash<QString, QSqlQuery> m_statements;
    QStringList m_order; // least recently used first
    qint64 m_connection = 0;
    qint64 m_writes = 0;
    bool m_icu = true;
};

} // namespace

std::unique_ptr<Engine> postgresEngine(const ServerAddress& server, const QString& connectionName)
{
    return std::make_unique<PostgresEngine>(server, connectionName);
}

} // namespace db
