#include "reports/ReportTables.h"
#include "core/DateText.h"

#include "core/StatusWords.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QSet>

namespace reports {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

ReportCell count(int value)
{
    return ReportCell(QString::number(value), value);
}

ReportCell percent(const std::optional<double>& value)
{
    return ReportCell(percentText(value), value ? QVariant(*value) : QVariant());
}

ReportCell day(const QDate& date)
{
    return ReportCell(dateText(date), date);
}

ReportCell word(const QString& stored)
{
    ReportCell cell(status::displayName(stored));
    cell.statusWord = stored;
    return cell;
}

ReportColumn textColumn(const QString& header, bool key = false)
{
    return {header, QString(), false, key};
}

ReportColumn numberColumn(const QString& header, const QString& toolTip = QString())
{
    return {header, toolTip, true, false};
}

// "Illness (3, Authorised absence), Holiday (2, Not given (counted as Other))".
ReportColumn rareColumn(const QString& header, const QString& toolTip)
{
    ReportColumn column = numberColumn(header, toolTip);
    column.leftOutWhenZero = true;
    return column;
}

QString otherWordsText(const QMap<QString, int>& words)
{
    QStringList parts;
    for (auto it = words.constBegin(); it != words.constEnd(); ++it)
        parts << QStringLiteral("%1 (%2, %3)")
                     .arg(it.key())
                     .arg(it.value())
                     .arg(status::categoryName(status::book().categoryOf(it.key())));
    return parts.join(QStringLiteral(", "));
}

ReportCell otherCell(const reports::Tally& tally)
{
    ReportCell other = count(tally.other);
    if (!tally.otherWords.isEmpty())
        other.toolTip = Text::tr("Other words: %1").arg(otherWordsText(tally.otherWords));
    return other;
}

// The percentage, with the sum behind it on hover.
ReportCell attendanceCell(const reports::Tally& tally)
{
    ReportCell cell = percent(tally.attendancePercent());
    if (tally.possible() > 0)
        cell.toolTip = Text::tr("%1 of %n possible sessions attended", nullptr, tally.possible()).arg(tally.attended);
    return cell;
}

// The columns every summary shares, by the words and by what they mean.
QList<ReportColumn> tallyColumns()
{
    return {numberColumn(Text::tr("Present")), numberColumn(Text::tr("Late")), numberColumn(Text::tr("Absent")),
        numberColumn(Text::tr("Excused")),
        rareColumn(Text::tr("Other"), Text::tr("Marks with a word other than Present, Late, Absent and Excused")),
        numberColumn(
            Text::tr("Possible"), Text::tr("Marks that count as possible sessions: all but codes not counted")),
        rareColumn(Text::tr("Approved"), Text::tr("Approved educational activity, which counts as present")),
        numberColumn(Text::tr("Authorised"), Text::tr("Authorised absence: Excused and every code of that category")),
        numberColumn(
            Text::tr("Unauthorised"), Text::tr("Unauthorised absence: Absent and every code of that category")),
        rareColumn(Text::tr("Not\nCounted"), Text::tr("Codes that make no possible session (X, Y, Z, #)")),
        numberColumn(Text::tr("Attendance\n%"),
            Text::tr("Present, late and approved activity / possible sessions; exact figures on hover"))};
}

QList<ReportCell> tallyCells(const reports::Tally& tally)
{
    return {count(tally.present), count(tally.late), count(tally.absent), count(tally.excused), otherCell(tally),
        count(tally.possible()), count(tally.approved), count(tally.authorised), count(tally.unauthorised),
        count(tally.notCounted), attendanceCell(tally)};
}

QString changedAtText(const QString& stored)
{
    const QDateTime at = QDateTime::fromString(stored, Qt::ISODateWithMs);
    return at.isValid() ? shortDateTimeText(at.toLocalTime()) : stored;
}

} // namespace

QString dateText(const QDate& date)
{
    return shortDateText(date);
}

QString countedDaysText(const reports::CountedDays& counted)
{
    if (counted.years.isEmpty())
        return Text::tr("School days per the school calendar: %1").arg(counted.schoolDays);
    return Text::tr("School days per the calendar %1: %2")
        .arg(counted.years.join(QStringLiteral(", ")))
        .arg(counted.schoolDays);
}

ReportTable summaryTable(const QList<reports::SummaryRow>& rows, const std::optional<reports::CountedDays>& counted)
{
    ReportTable table;
    table.view = Text::tr("Summary");
    table.columns = {textColumn(Text::tr("Student"), true), textColumn(Text::tr("Class")),
        numberColumn(Text::tr("Days\nMarked"), Text::tr("Days in the range on which the student has a saved mark"))};
    table.columns << tallyColumns();
    table.columns << numberColumn(Text::tr("Late\nminutes"), Text::tr("The minutes late of every Late mark, summed"));
    table.columns << numberColumn(Text::tr("Longest\nAbsence Run"),
        Text::tr("The most consecutive marked days missed (absent, excused or any absence code)"))
                  << numberColumn(Text::tr("Current\nAbsence Run"),
                         Text::tr("Consecutive marked days missed up to the last one"));
    // The school days sit beside the days marked, as the figures a school reports put them.
    const bool withSchoolDays = counted.has_value();
    if (withSchoolDays && counted->sessionsPerDay == 2) {
        table.columns[2].toolTip = Text::tr("Sessions in the range (morning and afternoon) in which the student has a "
                                            "saved mark");
        table.columns.insert(2,
            numberColumn(Text::tr("School\nSessions"),
                Text::tr("Morning and afternoon sessions of the school days of the range up to today, per the "
                         "calendar")));
        table.columns.insert(
            4, numberColumn(Text::tr("Not\nRecorded"), Text::tr("School sessions without a mark for the student")));
    } else if (withSchoolDays) {
        table.columns.insert(2,
            numberColumn(Text::tr("School\nDays"), Text::tr("School days of the range up to today, per the calendar")));
        table.columns.insert(
            4, numberColumn(Text::tr("Not\nRecorded"), Text::tr("School days without a mark for the student")));
        table.footnotes << countedDaysText(*counted);
    }
    const auto withDays
        = [withSchoolDays](QList<ReportCell> cells, const ReportCell& school, const ReportCell& missing) {
              if (withSchoolDays) {
                  cells.insert(2, school);
                  cells.insert(4, missing);
              }
              return cells;
          };
    reports::SummaryRow total;
    int totalSchoolDays = 0;
    int totalNotRecorded = 0;
    QSet<qint64> classes;
    // A whole school is thousands of rows: each row's cells are made in one piece.
    table.rows.reserve(rows.size() + 1);
    for (const reports::SummaryRow& row : rows) {
        QList<ReportCell> cells;
        cells.reserve(table.columns.size());
        cells << ReportCell(row.studentName) << ReportCell(row.className) << count(row.daysMarked);
        cells << tallyCells(row) << count(row.lateMinutes) << count(row.longestAbsenceRun)
              << count(row.currentAbsenceRun);
        table.rows.append(withDays(cells, count(row.schoolDays.value_or(0)), count(row.notRecorded.value_or(0))));
        totalSchoolDays += row.schoolDays.value_or(0);
        totalNotRecorded += row.notRecorded.value_or(0);
        total.add(row);
        classes.insert(row.classId);
    }
    if (!rows.isEmpty()) {
        // Runs belong to a student; a total of them would mean nothing.
        QList<ReportCell> cells {ReportCell(Text::tr("Total (%n students)", nullptr, int(rows.size()))),
            ReportCell(classes.size() == 1 ? rows.first().className : Text::tr("All Classes")),
            count(total.daysMarked)};
        cells << tallyCells(total) << count(total.lateMinutes) << ReportCell() << ReportCell();
        table.rows.append(withDays(cells, count(totalSchoolDays), count(totalNotRecorded)));
        table.lastRowIsTotal = true;
    }
    return table;
}

namespace {

// Missing a share of the sessions is judged on the counts, not on the percentage as shown: 224
// of 249 (89.96 %, shown as 90.0) is below 90 %, and exactly 90 % has missed 10 %, which is
// persistent absence by the common measure. A threshold has one decimal, so a hair's margin only
// absorbs the floating point.
bool attendedAtMost(const reports::SummaryRow& row, double percent)
{
    return row.possible() > 0 && 100.0 * double(row.attended) <= percent * double(row.possible()) + 1e-9;
}

// The rules an alert applies, in the words the Reason column gives. Severe absence (half the
// sessions or more) is named whenever it applies, as it is the rule a school acts on first.
QStringList alertReasons(const reports::SummaryRow& row, const AlertThresholds& thresholds)
{
    QStringList reasons;
    const double missed = 100.0 - thresholds.belowPercent;
    const QString share = QLocale().toString(missed, 'g', 4);
    if (missed <= 50.0 && attendedAtMost(row, 50.0))
        reasons << Text::tr("Severe absence: missed half the possible sessions or more");
    else if (attendedAtMost(row, thresholds.belowPercent))
        reasons << (qFuzzyCompare(missed, 10.0)
                ? Text::tr("Persistent absence: missed %1 % or more of the possible sessions").arg(share)
                : Text::tr("Missed %1 % or more of the possible sessions").arg(share));
    if (thresholds.runDays > 0 && row.currentAbsenceRun >= thresholds.runDays)
        reasons << Text::tr("Absent %n marked days running", nullptr, row.currentAbsenceRun);
    return reasons;
}

} // namespace

QList<reports::SummaryRow> alertRows(const QList<reports::SummaryRow>& rows, const AlertThresholds& thresholds)
{
    QList<reports::SummaryRow> found;
    for (const reports::SummaryRow& row : rows) {
        if (!alertReasons(row, thresholds).isEmpty())
            found.append(row);
    }
    return found;
}

ReportTable alertsTable(const QList<reports::SummaryRow>& rows, const AlertThresholds& thresholds)
{
    ReportTable table;
    table.view = Text::tr("Alerts");
    table.columns = {textColumn(Text::tr("Student"), true), textColumn(Text::tr("Class")),
        numberColumn(Text::tr("Possible")), numberColumn(Text::tr("Attendance\n%")),
        numberColumn(Text::tr("Current\nAbsence Run")), textColumn(Text::tr("Reason"))};
    for (const reports::SummaryRow& row : rows) {
        const QStringList reasons = alertReasons(row, thresholds);
        if (reasons.isEmpty())
            continue;
        table.rows.append({ReportCell(row.studentName), ReportCell(row.className), count(row.possible()),
            attendanceCell(row), count(row.currentAbsenceRun), ReportCell(reasons.join(QStringLiteral("; ")))});
    }
    return table;
}

ReportTable missingTable(
    const QList<reports::MissingRegister>& missing, const std::optional<reports::CountedDays>& counted)
{
    ReportTable table;
    if (counted)
        table.footnotes << countedDaysText(*counted);
    table.view = Text::tr("Registers Not Taken");
    table.columns = {textColumn(Text::tr("Class"), true), textColumn(Text::tr("Date")), textColumn(Text::tr("Day")),
        numberColumn(Text::tr("Students"))};
    const bool sessions = std::any_of(missing.cbegin(), missing.cend(),
        [](const reports::MissingRegister& entry) { return entry.session.has_value(); });
    if (sessions)
        table.columns << textColumn(Text::tr("Session"));
    for (const reports::MissingRegister& entry : missing) {
        table.rows.append({ReportCell(entry.className), day(entry.date),
            ReportCell(QLocale().dayName(entry.date.dayOfWeek())), count(entry.students)});
        if (sessions)
            table.rows.last() << ReportCell(entry.session ? sessionName(*entry.session) : QString());
    }
    return table;
}

namespace {

QString quotedNotes(const QString& notes)
{
    return notes.isEmpty() ? Text::tr("(none)") : QStringLiteral("\u201C%1\u201D").arg(notes);
}

} // namespace

ReportTable historyTable(const QList<reports::ReportHistoryRow>& rows)
{
    ReportTable table;
    table.view = Text::tr("History");
    table.columns
        = {textColumn(Text::tr("Date"), true), textColumn(Text::tr("Student"), true), textColumn(Text::tr("Class")),
            textColumn(Text::tr("Old Status")), textColumn(Text::tr("New Status")), textColumn(Text::tr("Old Remark")),
            textColumn(Text::tr("New Remark")), textColumn(Text::tr("Changed By")), textColumn(Text::tr("Computer")),
            textColumn(Text::tr("Changed At")), textColumn(Text::tr("Day's Notes")), textColumn(Text::tr("Reason"))};
    const bool afternoons = std::any_of(rows.cbegin(), rows.cend(),
        [](const reports::ReportHistoryRow& row) { return row.change.session == db::Session::Afternoon; });
    // The session follows the reason, so that the columns before it stay where files expect them.
    if (afternoons)
        table.columns << textColumn(Text::tr("Session"));
    for (const reports::ReportHistoryRow& row : rows) {
        const db::HistoryRow& change = row.change;
        // A change that created the mark has no old status.
        ReportCell oldStatus = change.oldStatus.isEmpty() ? ReportCell() : word(change.oldStatus);
        table.rows.append({day(change.date), ReportCell(row.studentName), ReportCell(row.className), oldStatus,
            word(change.newStatus), ReportCell(change.oldRemark), ReportCell(change.newRemark),
            ReportCell(change.changedBy), ReportCell(change.changedOn),
            ReportCell(changedAtText(change.changedAt), change.changedAt),
            // Only a change of the notes is shown; most saves leave them as they were.
            ReportCell(change.oldNotes == change.newNotes
                    ? QString()
                    : Text::tr("%1 → %2").arg(quotedNotes(change.oldNotes), quotedNotes(change.newNotes))),
            ReportCell(change.reason)});
        if (afternoons)
            table.rows.last() << ReportCell(sessionName(change.session));
    }
    return table;
}

ReportTable censusTable(const QList<reports::SummaryRow>& rows)
{
    ReportTable table;
    table.view = Text::tr("Census");
    table.columns = {numberColumn(Text::tr("Student ID")), textColumn(Text::tr("Student"), true),
        textColumn(Text::tr("Class")), numberColumn(Text::tr("Possible")), numberColumn(Text::tr("Attended")),
        numberColumn(Text::tr("Authorised")), numberColumn(Text::tr("Unauthorised")),
        numberColumn(Text::tr("Attendance\n%"))};
    const QList<status::Code>& codes = status::book().codes();
    for (const status::Code& code : codes)
        table.columns << rareColumn(code.code, code.word);
    table.columns << rareColumn(Text::tr("Other"), Text::tr("Words without a category"));
    for (const reports::SummaryRow& row : rows) {
        QList<ReportCell> cells {count(int(row.studentId)), ReportCell(row.studentName), ReportCell(row.className),
            count(row.possible()), count(row.attended), count(row.authorised), count(row.unauthorised),
            attendanceCell(row)};
        QList<int> byCode(codes.size() + 1, 0);
        byCode[0] = row.present;
        byCode[1] = row.late;
        byCode[2] = row.absent;
        byCode[3] = row.excused;
        for (auto it = row.otherWords.constBegin(); it != row.otherWords.constEnd(); ++it) {
            const status::Code* code = status::book().find(it.key());
            const qsizetype at = code ? code - codes.constData() : codes.size();
            byCode[at] += it.value();
        }
        for (int value : std::as_const(byCode))
            cells << count(value);
        table.rows.append(cells);
    }
    return table;
}

ReportTable dailyTable(const QList<reports::DayCounts>& days)
{
    ReportTable table;
    table.view = Text::tr("Chart");
    table.columns = {textColumn(Text::tr("Date"), true), numberColumn(Text::tr("Marked"))};
    table.columns << tallyColumns();
    for (const reports::DayCounts& entry : days)
        table.rows.append(QList<ReportCell> {day(entry.date), count(entry.daysMarked)} << tallyCells(entry));
    return table;
}

QList<QPair<int, int>> sheetDayTotals(const reports::Sheet& sheet)
{
    QList<QPair<int, int>> totals(sheet.days.size(), {0, 0});
    for (const reports::SheetMark& mark : sheet.marks) {
        QPair<int, int>& total = totals[mark.day];
        reports::Tally one;
        one.add(reports::markLetter(mark.status));
        total.first += one.attended;
        total.second += one.possible();
    }
    return totals;
}

QString dayTotalText(const QPair<int, int>& total)
{
    return QStringLiteral("%1/%2").arg(total.first).arg(total.second);
}

QString sessionName(db::Session session)
{
    return session == db::Session::Afternoon ? Text::tr("PM") : Text::tr("AM");
}

QString sheetDayHeader(const QDate& date, db::Session session, bool twoSessions)
{
    const QLocale locale;
    QString header = locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char('\n')
        + locale.toString(date, QStringLiteral("d MMM"));
    if (twoSessions)
        header += QLatin1Char('\n') + sessionName(session);
    return header;
}

QString dayNotesText(const QMap<QString, QString>& notes, bool withClass)
{
    if (!withClass)
        return notes.isEmpty() ? QString() : notes.first();
    QStringList lines;
    for (auto it = notes.constBegin(); it != notes.constEnd(); ++it)
        lines << QStringLiteral("%1: %2").arg(it.key(), it.value());
    return lines.join(QLatin1Char('\n'));
}

QString lateText(const QString& letter, int minutes)
{
    return minutes > 0 ? QStringLiteral("%1%2").arg(letter).arg(minutes) : letter;
}

QString markToolTip(const QString& stored, const QString& remark, bool amended)
{
    QString shown = status::displayName(stored);
    if (!remark.isEmpty())
        shown = QStringLiteral("%1 \u2014 %2").arg(shown, remark);
    if (amended)
        shown += QLatin1Char('\n') + Text::tr("Changed after it was first saved; the History view shows how and why");
    return shown;
}

ReportTable sheetTable(const reports::Sheet& sheet, bool withClass)
{
    ReportTable table;
    table.view = Text::tr("Register Sheet");
    table.columns << textColumn(Text::tr("Student"), true);
    if (withClass)
        table.columns << textColumn(Text::tr("Class"), true);
    for (qsizetype d = 0; d < sheet.days.size(); ++d) {
        ReportColumn column = textColumn(sheetDayHeader(sheet.days.at(d), sheet.sessions.at(d), sheet.twoSessions));
        column.toolTip = dayNotesText(sheet.dayNotes.value(d), withClass);
        table.columns << column;
    }
    const int first = withClass ? 2 : 1;
    for (const reports::SheetStudent& student : sheet.students) {
        QList<ReportCell> row(first + sheet.days.size());
        row[0] = ReportCell(student.name);
        if (withClass)
            row[1] = ReportCell(student.className);
        table.rows.append(row);
    }
    bool anyAmended = false;
    for (const reports::SheetMark& mark : sheet.marks) {
        ReportCell& cell = table.rows[mark.student][first + mark.day];
        cell.text = lateText(status::letter(mark.status), mark.lateMinutes);
        if (mark.amended)
            cell.text += kAmendedSign;
        cell.statusWord = mark.status;
        cell.toolTip = markToolTip(mark.status, mark.remark, mark.amended);
        anyAmended = anyAmended || mark.amended;
    }
    if (!sheet.students.isEmpty()) {
        QList<ReportCell> totals(first + sheet.days.size());
        totals[0] = ReportCell(Text::tr("Attended of possible"));
        const QList<QPair<int, int>> perDay = sheetDayTotals(sheet);
        for (qsizetype d = 0; d < perDay.size(); ++d)
            totals[first + d] = ReportCell(dayTotalText(perDay.at(d)));
        table.rows.append(totals);
        table.lastRowIsTotal = true;
    }
    for (qsizetype d = 0; d < sheet.days.size(); ++d) {
        const QString notes = dayNotesText(sheet.dayNotes.value(d), withClass);
        if (notes.isEmpty())
            continue;
        QString when = dateText(sheet.days.at(d));
        if (sheet.twoSessions)
            when += QLatin1Char(' ') + sessionName(sheet.sessions.at(d));
        table.footnotes << QStringLiteral("%1: %2").arg(when, notes);
    }
    if (anyAmended)
        table.footnotes
            << Text::tr("%1 a mark changed after it was first saved (see the History view)").arg(kAmendedSign);
    return table;
}

QList<QStringList> sheetLongForm(const reports::Sheet& sheet)
{
    QList<QStringList> records;
    records << QStringList {Text::tr("Date"), Text::tr("Class"), Text::tr("Student ID"), Text::tr("Student"),
        Text::tr("Status"), Text::tr("Remark"), Text::tr("Notes"), Text::tr("Late minutes"), Text::tr("Session")};
    // By day, then as the students are listed: the order a register is read in.
    QList<const reports::SheetMark*> marks;
    marks.reserve(sheet.marks.size());
    for (const reports::SheetMark& mark : sheet.marks)
        marks.append(&mark);
    std::stable_sort(marks.begin(), marks.end(),
        [](const reports::SheetMark* a, const reports::SheetMark* b) { return a->day < b->day; });
    for (const reports::SheetMark* mark : std::as_const(marks)) {
        const reports::SheetStudent& student = sheet.students.at(mark->student);
        // The stored word, untranslated: a file read back gives the register's own values.
        records << QStringList {sheet.days.at(mark->day).toString(Qt::ISODate), student.className,
            QString::number(student.id), student.name, mark->status, mark->remark, mark->notes,
            mark->lateMinutes > 0 ? QString::number(mark->lateMinutes) : QString(),
            sheet.twoSessions ? sessionName(sheet.sessions.at(mark->day)) : QString()};
    }
    return records;
}

} // namespace reports
