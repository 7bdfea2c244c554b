// A second user of the register, for the fault suite: saves marks in a loop through the
// program's own data layer (until it is killed, or a given number of times), or holds the
// register's write lock until told to let go. See FaultProtocol.h for what it prints.
#include "FaultProtocol.h"

#include "core/Failure.h"
#include "register/Database.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>

#include <cstdio>

namespace {

void say(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString readLine()
{
    char buffer[256];
    if (!std::fgets(buffer, sizeof buffer, stdin))
        return QString();
    return QString::fromUtf8(buffer).trimmed();
}

// The register a command is given: a SQLite file's path, or "-" for the one the settings file
// names (a server's, in the server variants of the suite).
void openRegister(const QString& path)
{
    if (path == QLatin1String("-"))
        db::openConfigured();
    else
        db::open(path);
}

// save <db> <label prefix> <random start> <count, 0 for no end> <date or -> <wait for go: 0|1>
//      <class id>...
int saveLoop(const QStringList& args)
{
    if (args.size() < 7)
        return 2;
    const QString path = args.at(0);
    const QString prefix = args.at(1);
    QRandomGenerator random(args.at(2).toUInt());
    const int count = args.at(3).toInt();
    const QDate fixedDate = args.at(4) == QLatin1String("-") ? QDate() : QDate::fromString(args.at(4), Qt::ISODate);
    const bool waitForGo = args.at(5) == QLatin1String("1");
    QList<qint64> classIds;
    for (const QString& id : args.mid(6))
        classIds << id.toLongLong();

    QHash<qint64, QList<qint64>> studentsByClass;
    try {
        openRegister(path);
        for (qint64 classId : classIds) {
            for (const db::StudentRow& student : db::studentsOfClass(classId, false))
                studentsByClass[classId] << student.id;
        }
    } catch (const Failure& failure) {
        say(QStringLiteral("failed setup %1").arg(failure.description()));
        return 1;
    }
    say(QStringLiteral("ready"));
    if (waitForGo && readLine() != QLatin1String("go"))
        return 1;

    int failures = 0;
    for (int n = 0; count == 0 || n < count; ++n) {
        const qint64 classId = classIds.at(int(random.bounded(classIds.size())));
        const QDate date = fixedDate.isValid() ? fixedDate : faults::firstDay().addDays(random.bounded(faults::kDays));
        const QList<qint64>& students = studentsByClass.value(classId);
        const QString letters = faults::randomLetters(random, int(students.size()));
        const QString label = QStringLiteral("%1-%2").arg(prefix).arg(n);
        QList<db::CardMark> cards;
        for (int i = 0; i < students.size(); ++i)
            cards.append({students.at(i), faults::statusWord(letters.at(i))});
        say(QStringLiteral("begin %1 %2 %3 %4").arg(label).arg(classId).arg(db::dateKey(date), letters));
        try {
            db::saveMarks(date, cards, faults::notesFor(label));
            say(QStringLiteral("done %1").arg(label));
        } catch (const Failure& failure) {
            ++failures;
            say(QStringLiteral("failed %1 %2").arg(label, failure.description()));
            // A server that is away is not asked again at once.
            QThread::msleep(50);
        }
    }
    db::close();
    return failures == 0 ? 0 : 1;
}

// race <db> <first date> <rounds> <random start> <class id>: for each round's day, loads the
// class's marks, says "ready <round>", waits for "go", then saves its own marks only if nobody
// saved the day since it loaded them, and says "done <round>" or "conflict <round>".
int race(const QStringList& args)
{
    if (args.size() != 5)
        return 2;
    const QDate first = QDate::fromString(args.at(1), Qt::ISODate);
    const int rounds = args.at(2).toInt();
    QRandomGenerator random(args.at(3).toUInt());
    const qint64 classId = args.at(4).toLongLong();
    try {
        openRegister(args.at(0));
        QList<qint64> students;
        for (const db::StudentRow& student : db::studentsOfClass(classId, false))
            students << student.id;
        for (int round = 0; round < rounds; ++round) {
            const QDate day = first.addDays(round);
            const db::DayMarks loaded = db::marks(students, day);
            const QString letters = faults::randomLetters(random, int(students.size()));
            QList<db::CardMark> cards;
            for (int i = 0; i < students.size(); ++i)
                cards.append({students.at(i), faults::statusWord(letters.at(i))});
            say(QStringLiteral("ready %1").arg(round));
            if (readLine() != QLatin1String("go"))
                return 1;
            const db::SaveResult result = db::saveMarksIfUnchanged(day, cards, faults::notesFor(letters), loaded);
            say(QStringLiteral("%1 %2 %3")
                    .arg(result.conflict ? QStringLiteral("conflict") : QStringLiteral("done"))
                    .arg(round)
                    .arg(letters));
        }
    } catch (const Failure& failure) {
        say(QStringLiteral("failed %1").arg(failure.description()));
        return 1;
    }
    db::close();
    return 0;
}

// hold-lock <db> <immediate|exclusive> [milliseconds]: takes the write lock like another
// user's save that stalls, and keeps it for the given time or, without one, until a line (or
// the end) arrives on standard input.
int holdLock(const QStringList& args)
{
    if (args.size() != 2 && args.size() != 3)
        return 2;
    const QString name = QStringLiteral("LockHolder");
    int result = 0;
    // On a server, another computer's save that stalls holds the marks' table against writers;
    // readers go on.
    const bool onServer = args.at(0) == QLatin1String("-");
    if (onServer) {
        try {
            db::openConfigured();
        } catch (const Failure& failure) {
            say(QStringLiteral("failed lock %1").arg(failure.description()));
            return 1;
        }
    }
    {
        QSqlDatabase database
            = onServer ? db::connection() : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (!onServer) {
            database.setDatabaseName(args.at(0));
            database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            database.open();
        }
        QSqlQuery query(database);
        const QString begin = args.at(1) == QLatin1String("exclusive") ? QStringLiteral("BEGIN EXCLUSIVE")
                                                                       : QStringLiteral("BEGIN IMMEDIATE");
        const bool locked = onServer ? query.exec(QStringLiteral("BEGIN"))
                && query.exec(QStringLiteral("LOCK TABLE tblAttendance IN EXCLUSIVE MODE"))
                                     : database.isOpen() && query.exec(begin);
        if (!locked) {
            say(QStringLiteral("failed lock %1").arg(query.lastError().text()));
            result = 1;
        } else {
            say(QStringLiteral("locked"));
            if (args.size() == 3)
                QThread::msleep(args.at(2).toULong());
            else
                readLine();
            query.exec(QStringLiteral("ROLLBACK"));
            say(QStringLiteral("released"));
        }
        query.finish();
        if (!onServer)
            database.close();
    }
    if (onServer)
        db::close();
    else
        QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: %s save|hold-lock|race ...\n", faults::kHelperName);
        return 2;
    }
    if (args.first() == QLatin1String("save"))
        return saveLoop(args.mid(1));
    if (args.first() == QLatin1String("hold-lock"))
        return holdLock(args.mid(1));
    if (args.first() == QLatin1String("race"))
        return race(args.mid(1));
    return 2;
}
