// rollvane-admin: the administrator's commands for the register.
//
//   rollvane-admin copy-register --to postgresql [--from FILE]
//       copies the SQLite register (this machine's, or FILE) into the empty database on the
//       server that the settings file's [register] section names
//   rollvane-admin copy-register --to sqlite FILE
//       copies the register on that server into the new file FILE
//
//   rollvane-admin compact-photos
//       stores the register's photos (the one the settings file names) as new photos are
//       stored, with a card picture beside each, after a backup; run again, it goes on where a
//       stopped run left off
//
//   rollvane-admin calendar import FILE
//       adds the holidays, closures, training days and terms of an iCalendar file or a CSV of
//       From,To,Name to the register's calendar; importing the same file again adds nothing
//   rollvane-admin calendar list [--from DATE] [--to DATE]
//       lists the calendar's entries over the range (the current school year by default) and
//       how many school days it holds
//
//   rollvane-admin move-student ID CLASS --on DATE
//       moves the student (by number) to the class (by name or number) from that day
//   rollvane-admin leave-student ID --on DATE
//       the student leaves the register from that day, and stays in the reports of the days before
//   rollvane-admin new-school-year --on DATE [--apply]
//       shows how every class goes up one year from that day and the top year leaves; with
//       --apply, does it in one transaction
//
// Neither copy changes its source. Each ends by comparing the row count and a checksum of every
// table on both sides and says whether they agree.
#include "backup/PhotoCompaction.h"
#include "core/Failure.h"
#include "core/SharedRoutines.h"
#include "core/Startup.h"
#include "import/CalendarImport.h"
#include "register/CopyRegister.h"
#include "register/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Admin)
};

void say(const QString& line, FILE* to = stdout)
{
    std::fputs(line.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
    std::fflush(to);
}

int usage()
{
    say(Text::tr("usage: rollvane-admin copy-register --to postgresql [--from FILE]\n"
                 "       rollvane-admin copy-register --to sqlite FILE\n"
                 "       rollvane-admin compact-photos\n"
                 "       rollvane-admin calendar import FILE\n"
                 "       rollvane-admin calendar list [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
                 "       rollvane-admin move-student ID CLASS --on YYYY-MM-DD\n"
                 "       rollvane-admin leave-student ID --on YYYY-MM-DD\n"
                 "       rollvane-admin new-school-year --on YYYY-MM-DD [--apply]"),
        stderr);
    return 2;
}

// Whole tens of percent, so that a long copy shows it is moving without filling the screen.
Progress progressLines()
{
    return [last = -1](qint64 done, qint64 total) mutable {
        const int percent = total > 0 ? int(done * 100 / total) : 100;
        if (percent / 10 != last / 10) {
            last = percent;
            say(Text::tr("copied %1 of %2 rows (%3%)").arg(done).arg(total).arg(percent));
        }
        return true;
    };
}

int report(const db::CopyReport& copy, const QString& from, const QString& to)
{
    for (const db::TableCheck& check : copy.tables) {
        say(Text::tr("%1: %2 rows, checksum %3 in the source; %4 rows, checksum %5 in the copy: %6")
                .arg(check.table)
                .arg(check.sourceRows)
                .arg(check.sourceChecksum)
                .arg(check.targetRows)
                .arg(check.targetChecksum)
                .arg(check.matches() ? Text::tr("the same") : Text::tr("DIFFERENT")));
    }
    if (!copy.matches()) {
        say(Text::tr("The copy of %1 in %2 does not agree with its source; do not use it. The source was not changed.")
                .arg(from, to),
            stderr);
        return 1;
    }
    say(Text::tr("%1 was copied into %2: %3 rows, every table the same on both sides.").arg(from, to).arg(copy.rows()));
    return 0;
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
}

int compactPhotos()
{
    db::openConfigured();
    const backup::PhotoEstimate estimate = backup::estimatePhotos();
    say(Text::tr("%1 photos, %2 of them to convert: about %3 MB now, about %4 MB after.")
            .arg(estimate.photos)
            .arg(estimate.toConvert)
            .arg(megabytes(estimate.bytesNow), megabytes(estimate.bytesAfter)));
    int last = -1;
    const backup::CompactionResult result = backup::compactPhotos([&last](qint64 done, qint64 total) {
        const int percent = total > 0 ? int(done * 100 / total) : 100;
        if (percent / 10 != last / 10) {
            last = percent;
            say(Text::tr("looked at %1 of %2 photos (%3%)").arg(done).arg(total).arg(percent));
        }
        return true;
    });
    say(Text::tr("A backup was taken first: %1").arg(QDir::toNativeSeparators(result.backupPath)));
    say(Text::tr("%1 photos converted or given a card picture.").arg(result.converted));
    if (result.unreadable > 0)
        say(Text::tr("%1 photos could not be read and were left as they are; Check Register in the program "
                     "shows which cards have no photo.")
                .arg(result.unreadable),
            stderr);
    if (!result.reclaimFailure.isEmpty())
        say(Text::tr("The space the old photos took could not be given back now (%1); it is reused as the "
                     "register grows, or run the command again when no one has the register open.")
                .arg(result.reclaimFailure),
            stderr);
    if (result.sizeBefore >= 0 && result.sizeAfter >= 0)
        say(Text::tr("The register took %1 MB and now takes %2 MB.")
                .arg(megabytes(result.sizeBefore), megabytes(result.sizeAfter)));
    return 0;
}

int importCalendar(const QString& path)
{
    const calendar::ParsedCalendar parsed = calendar::readCalendarFile(path);
    for (const QString& problem : parsed.problems)
        say(problem, stderr);
    if (!parsed.error.isEmpty()) {
        say(parsed.error, stderr);
        return 1;
    }
    db::openConfigured();
    const int added = db::addCalendarEntries(parsed.entries);
    say(Text::tr("%1 entries read from %2: %3 added, %4 already in the calendar.")
            .arg(parsed.entries.size())
            .arg(QDir::toNativeSeparators(path))
            .arg(added)
            .arg(parsed.entries.size() - added));
    return 0;
}

int listCalendar(const QStringList& options)
{
    QDate from;
    QDate to;
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        const QDate date = QDate::fromString(options.at(i + 1), Qt::ISODate);
        if (!date.isValid()) {
            say(Text::tr("“%1” is not a date; write it as YYYY-MM-DD.").arg(options.at(i + 1)), stderr);
            return 2;
        }
        if (options.at(i) == QLatin1String("--from"))
            from = date;
        else if (options.at(i) == QLatin1String("--to"))
            to = date;
        else
            return usage();
    }
    if (options.size() % 2 != 0)
        return usage();
    db::openConfiguredReadOnly();
    const calendar::SchoolCalendar calendar = db::schoolCalendar();
    // Without a range: the school year of today, or the coming twelve months.
    const QDate today = QDate::currentDate();
    if (!from.isValid() && !to.isValid()) {
        const std::optional<calendar::Entry> year = calendar.yearOf(today);
        from = year ? year->from : today;
        to = year ? year->to : today.addYears(1).addDays(-1);
    } else if (!from.isValid()) {
        from = to.addYears(-1).addDays(1);
    } else if (!to.isValid()) {
        to = from.addYears(1).addDays(-1);
    }
    if (to < from) {
        say(Text::tr("The range ends before it begins."), stderr);
        return 2;
    }
    for (const calendar::Entry& entry : calendar.entries()) {
        if (entry.to < from || entry.from > to)
            continue;
        say(QStringLiteral("%1\t%2\t%3\t%4")
                .arg(db::dateKey(entry.from), db::dateKey(entry.to), calendar::storedWord(entry.kind), entry.name));
    }
    say(Text::tr("%1 school days from %2 to %3%4.")
            .arg(calendar.schoolDayCount(from, to))
            .arg(db::dateKey(from), db::dateKey(to))
            .arg(calendar.isEmpty() ? Text::tr(" (no calendar: every weekday)") : QString()));
    return 0;
}

// The day after --on, as the last two arguments give it.
std::optional<QDate> onDay(const QStringList& args)
{
    if (args.size() < 2 || args.at(args.size() - 2) != QLatin1String("--on"))
        return std::nullopt;
    const QDate day = QDate::fromString(args.last(), Qt::ISODate);
    if (!day.isValid())
        say(Text::tr("“%1” is not a date; write it as YYYY-MM-DD.").arg(args.last()), stderr);
    return day;
}

std::optional<qint64> studentNumber(const QString& text)
{
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    if (!ok || !db::student(id)) {
        say(Text::tr("There is no student with the number %1.").arg(text), stderr);
        return std::nullopt;
    }
    return id;
}

int moveOrLeave(const QStringList& args)
{
    const bool move = args.at(0) == QLatin1String("move-student");
    if (args.size() != (move ? 5 : 4))
        return usage();
    const std::optional<QDate> day = onDay(args);
    if (!day)
        return usage();
    if (!day->isValid())
        return 2;
    db::openConfigured();
    const std::optional<qint64> student = studentNumber(args.at(1));
    if (!student)
        return 2;
    const QString name = db::student(*student)->name;
    if (!move) {
        db::leaveSchool(*student, *day);
        say(Text::tr("%1 leaves the register from %2.").arg(name, db::dateKey(*day)));
        return 0;
    }
    // The class by its name, or by its number when no class has that name.
    std::optional<db::ClassRow> target;
    for (const db::ClassRow& row : db::classes()) {
        if (row.name == args.at(2) || (!target && QString::number(row.id) == args.at(2)))
            target = row;
    }
    if (!target) {
        say(Text::tr("There is no class named %1.").arg(args.at(2)), stderr);
        return 2;
    }
    db::moveStudent(*student, target->id, *day);
    say(Text::tr("%1 is in %2 from %3.").arg(name, target->name, db::dateKey(*day)));
    return 0;
}

int newSchoolYear(QStringList args)
{
    const bool apply = args.removeAll(QStringLiteral("--apply")) > 0;
    if (args.size() != 3)
        return usage();
    const std::optional<QDate> day = onDay(args);
    if (!day)
        return usage();
    if (!day->isValid())
        return 2;
    db::openConfigured();
    const QList<db::YearEndStep> plan = db::planNewSchoolYear(*day);
    for (const db::YearEndStep& step : plan) {
        const QString to = step.unchanged ? Text::tr("stays")
            : step.leaving                ? Text::tr("leaves")
                                          : step.toName + (step.toClassId == 0 ? Text::tr(" (new)") : QString());
        say(QStringLiteral("%1\t%2\t%3").arg(step.className).arg(step.students).arg(to));
    }
    if (!apply) {
        say(Text::tr("Nothing was changed; add --apply to do it."));
        return 0;
    }
    const db::YearEndDone done = db::startNewSchoolYear(*day);
    say(Text::tr("%1 students went up a year and %2 left the school; %3 classes were added.")
            .arg(done.moved)
            .arg(done.left)
            .arg(done.classesAdded));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Rollvane"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmark"));
    startup::installTranslations();
    const QStringList args = app.arguments().mid(1);
    if (args == QStringList {QStringLiteral("compact-photos")}) {
        try {
            return compactPhotos();
        } catch (const Failure& failure) {
            say(failure.description(), stderr);
            return 1;
        }
    }
    if (args.value(0) == QLatin1String("move-student") || args.value(0) == QLatin1String("leave-student")) {
        try {
            return moveOrLeave(args);
        } catch (const Failure& failure) {
            say(failure.description(), stderr);
            return 1;
        }
    }
    if (args.value(0) == QLatin1String("new-school-year")) {
        try {
            return newSchoolYear(args);
        } catch (const Failure& failure) {
            say(failure.description(), stderr);
            return 1;
        }
    }
    if (args.value(0) == QLatin1String("calendar")) {
        try {
            if (args.size() == 3 && args.at(1) == QLatin1String("import"))
                return importCalendar(args.at(2));
            if (args.value(1) == QLatin1String("list"))
                return listCalendar(args.mid(2));
        } catch (const Failure& failure) {
            say(failure.description(), stderr);
            return 1;
        }
        return usage();
    }
    if (args.size() < 3 || args.at(0) != QLatin1String("copy-register") || args.at(1) != QLatin1String("--to"))
        return usage();
    try {
        if (args.at(2) == QLatin1String("postgresql")) {
            QString from = liveDatabasePath();
            if (args.size() == 5 && args.at(3) == QLatin1String("--from"))
                from = args.at(4);
            else if (args.size() != 3)
                return usage();
            const db::ServerAddress server = db::configuredServer();
            if (server.database.isEmpty())
                throw Failure(Text::tr("The settings file names no database on the server ([register] database=...)."));
            const QString to = Text::tr("the database %1 on the server %2").arg(server.database, server.displayName());
            return report(db::copyFileToServer(from, server, progressLines()), QDir::toNativeSeparators(from), to);
        }
        if (args.at(2) == QLatin1String("sqlite") && args.size() == 4) {
            if (isRegistersOwnFile(args.at(3))) {
                say(Text::tr("%1 is one of the register's own files (the register, its journal or lock, the template "
                             "or a backup); choose another file.")
                        .arg(QDir::toNativeSeparators(args.at(3))),
                    stderr);
                return 2;
            }
            const db::ServerAddress server = db::configuredServer();
            const QString from
                = Text::tr("the database %1 on the server %2").arg(server.database, server.displayName());
            return report(
                db::copyServerToFile(server, args.at(3), progressLines()), from, QDir::toNativeSeparators(args.at(3)));
        }
    } catch (const Failure& failure) {
        say(failure.description(), stderr);
        return 1;
    }
    return usage();
}
