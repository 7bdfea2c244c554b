#include "ReportBench.h"

#include "StatementTrace.h"
#include "Timing.h"

#include "register/Database.h"
#include "reports/ReportPeriod.h"
#include "reports/ReportQueries.h"
#include "reports/window/AttendanceReportWindow.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QVariant>
#include <QWindow>

#include <cstdio>

namespace {

QString number(double value)
{
    return QString::number(value, 'f', value >= 10 ? 1 : 2);
}

// The first count marked days of a class from a day on, as the register holds them.
QList<QDate> markedDays(qint64 classId, const QDate& from, int count)
{
    QSqlQuery query(db::connection());
    query.prepare(QStringLiteral(
        "SELECT a.\"Date\" FROM tblAttendance a WHERE a.StudentID = (SELECT min(id) FROM "
        "tblStudents WHERE ClassID = ?) AND a.\"Date\" >= ? AND a.Session = 0 ORDER BY a.\"Date\" LIMIT ?"));
    query.addBindValue(classId);
    query.addBindValue(db::dateKey(from));
    query.addBindValue(count);
    query.exec();
    QList<QDate> days;
    while (query.next())
        days.append(QDate::fromString(query.value(0).toString(), Qt::ISODate));
    return days;
}

// Runs a statement with its values and reads every row, as the reports do.
qint64 readAll(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db::connection());
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.exec();
    qint64 rows = 0;
    const int columns = query.record().count();
    while (query.next()) {
        // Every value is taken, as a report takes it.
        for (int column = 0; column < columns; ++column)
            query.value(column);
        ++rows;
    }
    return rows;
}

void progress(const char* what)
{
    std::printf("  measuring %s\n", what);
    std::fflush(stdout);
}

} // namespace

// The floor of the summary: the status counts per student over the same marks, read through
// the same index, and nothing else.
const QString kSummaryFloorSql = QStringLiteral(
    "SELECT a.StudentID, count(*), sum(CASE a.\"Status\" WHEN 'Present' THEN 1 ELSE 0 END), "
    "sum(CASE a.\"Status\" WHEN 'Late' THEN 1 ELSE 0 END), sum(CASE a.\"Status\" WHEN 'Absent' THEN 1 ELSE 0 END), "
    "sum(CASE a.\"Status\" WHEN 'Excused' THEN 1 ELSE 0 END) FROM tblAttendance a WHERE a.StudentID IN (SELECT id "
    "FROM tblStudents) AND a.\"Date\" >= ? AND a.\"Date\" <= ? GROUP BY a.StudentID");

static void runStatement(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db::connection());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.exec();
}

QList<ReportFigure> measureCodedSummary(const School& school, int runs)
{
    const QDate yearStart = reports::schoolYearStart(school.markedDay);
    const QList<QDate> year = markedDays(school.measuredClass, yearStart, 190);
    const reports::ReportScope wholeSchool {std::nullopt, year.first(), year.last()};
    const QVariantList yearValues = {db::dateKey(wholeSchool.from), db::dateKey(wholeSchool.to)};
    progress("the summary with England's codes against its floor");
    db::saveAttendanceCodes(status::CodeBook::england());
    runStatement(QStringLiteral("UPDATE tblAttendance SET \"Status\" = CASE Session WHEN 0 THEN 'Present AM' ELSE "
                                "'Present PM' END WHERE \"Status\" = 'Present' AND \"Date\" >= ? AND \"Date\" <= ?"),
        yearValues);
    QList<double> floorTimes;
    QList<double> summaryTimes;
    int named = 0;
    for (int run = 0; run < runs; ++run) {
        floorTimes.append(timed(1, [&] { readAll(kSummaryFloorSql, yearValues); }));
        summaryTimes.append(timed(1, [&] {
            const QList<reports::SummaryRow> rows = reports::summary(wholeSchool);
            named = rows.isEmpty() ? 0 : rows.first().otherWords.value(QStringLiteral("Present AM"));
        }));
    }
    runStatement(QStringLiteral("UPDATE tblAttendance SET \"Status\" = 'Present' WHERE \"Status\" IN ('Present AM', "
                                "'Present PM') AND \"Date\" >= ? AND \"Date\" <= ?"),
        yearValues);
    db::saveAttendanceCodes(status::CodeBook::simple());
    const double floor = median(floorTimes);
    const double summary = median(summaryTimes);
    return {{QStringLiteral("floor: bare GROUP BY, England's words"), floor, {}, QStringLiteral("ms"), {}, {}},
        {QStringLiteral("summary with England's codes (%1 \"/\" for the first)").arg(named), summary, {},
            QStringLiteral("ms"), QStringLiteral("<= 1.5 x floor: %1 x floor").arg(number(summary / floor)),
            summary <= 1.5 * floor}};
}

QList<ReportFigure> measureReports(const School& school, int runs)
{
    QList<ReportFigure> figures;
    const QDate yearStart = reports::schoolYearStart(school.markedDay);
    const QList<QDate> year = markedDays(school.measuredClass, yearStart, 190);
    const QList<QDate> term = year.mid(0, 65);
    if (year.size() < 190) {
        std::printf("  warning: the school year from %s has %lld marked days\n",
            qPrintable(yearStart.toString(Qt::ISODate)), qlonglong(year.size()));
    }
    const reports::ReportScope wholeSchool {std::nullopt, year.first(), year.last()};
    const reports::ReportScope oneClass {school.measuredClass, term.first(), term.last()};

    progress("the summary against its floor");
    const QString floorSql = kSummaryFloorSql;
    const QVariantList yearValues = {db::dateKey(wholeSchool.from), db::dateKey(wholeSchool.to)};
    QList<double> floorTimes;
    QList<double> summaryTimes;
    qsizetype students = 0;
    // Taken in turns, so that neither has the warmer cache.
    for (int run = 0; run < runs; ++run) {
        floorTimes.append(timed(1, [&] { readAll(floorSql, yearValues); }));
        summaryTimes.append(timed(1, [&] { students = reports::summary(wholeSchool).size(); }));
    }
    const double floor = median(floorTimes);
    const double summary = median(summaryTimes);

    // The same with a school calendar: the year, three terms, three holidays and two training
    // days, whose free days the summary leaves out; its floor leaves out the same days. The
    // entries go again afterwards, so that the school stays as it was made.
    progress("the summary with a school calendar against its floor");
    const QDate monday = yearStart.addDays(8 - yearStart.dayOfWeek());
    const QList<calendar::Entry> entries = {
        {0, calendar::Kind::Year, yearStart, yearStart.addYears(1).addDays(-1), QStringLiteral("bench year")},
        {0, calendar::Kind::Term, yearStart, monday.addDays(7 * 15 + 4), QStringLiteral("Autumn")},
        {0, calendar::Kind::Term, monday.addDays(7 * 18), monday.addDays(7 * 29 + 4), QStringLiteral("Spring")},
        {0, calendar::Kind::Term, monday.addDays(7 * 31), yearStart.addYears(1).addDays(-40), QStringLiteral("Summer")},
        {0, calendar::Kind::Holiday, monday.addDays(7 * 7), monday.addDays(7 * 7 + 4), QStringLiteral("Half-term")},
        {0, calendar::Kind::Holiday, monday.addDays(7 * 23), monday.addDays(7 * 23 + 4), QStringLiteral("Half-term")},
        {0, calendar::Kind::Holiday, monday.addDays(7 * 38), monday.addDays(7 * 38 + 4), QStringLiteral("Half-term")},
        {0, calendar::Kind::Training, monday.addDays(7 * 3), monday.addDays(7 * 3), QStringLiteral("INSET")},
        {0, calendar::Kind::Training, monday.addDays(7 * 12 + 4), monday.addDays(7 * 12 + 4), QStringLiteral("INSET")}};
    db::addCalendarEntries(entries);
    const calendar::SchoolCalendar schoolCalendar = db::schoolCalendar();
    const QList<QDate> freeDays = schoolCalendar.freeDays(wholeSchool.from, wholeSchool.to);
    QString calendarFloorSql = floorSql;
    calendarFloorSql.replace(QStringLiteral(" GROUP BY"),
        QStringLiteral(" AND a.\"Date\" NOT IN (%1) GROUP BY")
            .arg(QStringList(freeDays.size(), QStringLiteral("?")).join(QLatin1Char(','))));
    QVariantList calendarValues = yearValues;
    for (const QDate& day : freeDays)
        calendarValues << db::dateKey(day);
    QList<double> calendarFloorTimes;
    QList<double> calendarTimes;
    for (int run = 0; run < runs; ++run) {
        calendarFloorTimes.append(timed(1, [&] { readAll(calendarFloorSql, calendarValues); }));
        calendarTimes.append(timed(1, [&] { reports::summary(wholeSchool); }));
    }
    for (const calendar::Entry& entry : schoolCalendar.entries())
        db::removeCalendarEntry(entry.id);
    const double calendarFloor = median(calendarFloorTimes);
    const double withCalendar = median(calendarTimes);

    // The peer asks once per student and register, on a sample of students; the whole school is
    // the sample's time scaled by the number of students.
    progress("the summary's peer, one query per student and day, on a sample");
    QList<qint64> sample;
    for (const db::StudentRow& row : db::studentsOfClass(school.measuredClass, false))
        sample.append(row.id);
    // Where the school keeps two registers a day, each is asked for.
    const bool afternoons = db::sessionsPerDay() == 2;
    const double sampleTime = timed(std::max(1, runs / 5), [&] {
        for (qint64 id : std::as_const(sample)) {
            for (const QDate& day : year) {
                db::mark(id, day);
                if (afternoons)
                    db::mark(id, day, db::Session::Afternoon);
            }
        }
    });
    const double peer = sampleTime * double(students) / double(std::max<qsizetype>(1, sample.size()));

    // The floor of the sheet: the same marks with what the sheet shows of them (the word and
    // the minutes late, the session's column, the remark in the cell's tooltip, the notes in the
    // day's), and the changes of the same days that mark a cell amended, read and nothing else.
    progress("the sheet against its floor");
    const QString sheetFloorSql = QStringLiteral(
        "SELECT a.StudentID, a.\"Date\", a.Session, a.\"Status\", a.Remark, a.Notes, a.LateMinutes FROM "
        "tblAttendance a WHERE a.StudentID IN (SELECT id FROM tblStudents WHERE ClassID = ?) AND a.\"Date\" >= ? AND "
        "a.\"Date\" <= ?");
    const QString amendedFloorSql = QStringLiteral(
        "SELECT h.StudentID, h.\"Date\", h.Session FROM tblHistory h WHERE h.\"Date\" >= ? AND h.\"Date\" <= ? AND "
        "h.OldStatus <> '' AND (h.OldStatus <> h.NewStatus OR h.OldRemark <> h.NewRemark)");
    const QVariantList termValues = {school.measuredClass, db::dateKey(oneClass.from), db::dateKey(oneClass.to)};
    QList<double> sheetFloorTimes;
    QList<double> sheetTimes;
    qsizetype cells = 0;
    // A sheet takes milliseconds, so it is taken more often: one busy moment of the machine
    // would otherwise decide the ratio.
    for (int run = 0; run < runs * 5; ++run) {
        sheetFloorTimes.append(timed(1, [&] {
            readAll(sheetFloorSql, termValues);
            readAll(amendedFloorSql, termValues.mid(1));
        }));
        sheetTimes.append(timed(1, [&] { cells = reports::sheet(oneClass).marks.size(); }));
    }
    const double sheetFloor = median(sheetFloorTimes);
    const double sheet = median(sheetTimes);

    progress("the sheet on screen");
    AttendanceReportWindow window;
    window.resize(1100, 700);
    window.show();
    for (int wait = 0; wait < 2000 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++wait)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window.setClassId(school.measuredClass);
    window.setRange(oneClass.from, oneClass.to);
    window.setView(AttendanceReportWindow::View::Sheet);
    QCoreApplication::processEvents();
    auto* table = window.findChild<QTableView*>(QStringLiteral("tblSheet"));
    const double onScreen = timed(runs, [&] {
        window.refresh();
        table->viewport()->repaint();
    });

    progress("the registers not taken on a day");
    StatementTrace trace(db::connection());
    trace.start();
    const qsizetype notTaken = reports::missingOn(school.markedDay).size();
    trace.stop();
    const qsizetype statements = trace.statements().size();
    const double missing = timed(runs, [&] { reports::missingOn(school.markedDay); });

    figures.append({QStringLiteral("floor: bare GROUP BY, school, 190 days"), floor, {}, QStringLiteral("ms"), {}, {}});
    figures.append({QStringLiteral("summary of %1 students, 190 days").arg(students), summary, {}, QStringLiteral("ms"),
        QStringLiteral("<= 1.5 x floor: %1 x floor").arg(number(summary / floor)), summary <= 1.5 * floor});
    figures.append({QStringLiteral("floor: bare GROUP BY without the %1 free days").arg(freeDays.size()), calendarFloor,
        {}, QStringLiteral("ms"), {}, {}});
    figures.append({QStringLiteral("summary with a school calendar, 190 days"), withCalendar, {}, QStringLiteral("ms"),
        QStringLiteral("<= 1.5 x floor: %1 x floor").arg(number(withCalendar / calendarFloor)),
        withCalendar <= 1.5 * calendarFloor});
    figures.append({QStringLiteral("summary vs one query per student and day"), summary, peer, QStringLiteral("ms"),
        QStringLiteral(">= 50x faster (peer: %1 students sampled, scaled)").arg(sample.size()), peer >= 50 * summary});
    figures.append(
        {QStringLiteral("floor: bare read of a class's marks, 65 days"), sheetFloor, {}, QStringLiteral("ms"), {}, {}});
    figures.append(
        {QStringLiteral("sheet of one class, 65 days (%1 marks)").arg(cells), sheet, {}, QStringLiteral("ms"),
            QStringLiteral("<= 1.5 x floor: %1 x floor").arg(number(sheet / sheetFloor)), sheet <= 1.5 * sheetFloor});
    figures.append({QStringLiteral("sheet on screen: read, model filled, painted"), onScreen, {}, QStringLiteral("ms"),
        QStringLiteral("< 100 ms"), onScreen < 100});
    figures.append({QStringLiteral("registers not taken on a day, school"), missing, {}, QStringLiteral("ms"),
        QStringLiteral("<= 3 statements: %1 (%2 not taken)").arg(statements).arg(notTaken), statements <= 3});
    return figures;
}
