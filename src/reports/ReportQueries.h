#pragma once

#include "register/Database.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// What the register says over a span of days: the figures of the Attendance Report and of
// rollvane-report. Everything is counted by the database from the marks of students that still
// have a row (marks of deleted students are left out, as everywhere else); a student belongs
// to the class their row names now. A status stored empty counts as "Present", as it reads on
// the cards.
namespace reports {

// The marks a report reads: one class or every class, from the first day to the last, both
// included.
struct ReportScope
{
    std::optional<qint64> classId; // none: every class
    QDate from;
    QDate to;
    bool operator==(const ReportScope&) const = default;
};

struct SummaryRow
{
    qint64 studentId = 0;
    QString studentName;
    qint64 classId = 0;
    QString className;
    int daysMarked = 0; // days in the range with a saved mark
    int present = 0;
    int late = 0;
    int absent = 0;
    int excused = 0;
    int other = 0; // stored words outside the four
    QMap<QString, int> otherWords; // those words, with how often each was stored
    // Absent or Excused on consecutive marked days of the student; a day without a mark (no
    // school, or before the student joined) neither ends nor lengthens a run.
    int longestAbsenceRun = 0;
    int currentAbsenceRun = 0; // the run that reaches the student's last marked day in the range
    // With a school calendar: the school days of the range up to today, and of them the days
    // without a mark. Marks on days the calendar keeps free (a trip on a Saturday) are shown on
    // the sheet but neither counted here nor part of a run. None without a calendar, where
    // every marked day counts, as it always has.
    std::optional<int> schoolDays;
    std::optional<int> notRecorded;

    // (Present + Late) / Days Marked * 100; none when no day is marked.
    std::optional<double> attendancePercent() const;
};

// One row per student of the scope's class (or of every class), in class and name order,
// students without a mark in the range included.
QList<SummaryRow> summary(const ReportScope& scope);

// The school days a report over the scope counts, when the register keeps a calendar: those of
// the range up to today, and the names of the calendar's years the range falls in.
struct CountedDays
{
    int schoolDays = 0;
    QStringList years;
};
std::optional<CountedDays> countedDays(const ReportScope& scope);

struct SheetStudent
{
    qint64 id = 0;
    QString name;
    qint64 classId = 0;
    QString className;
};

struct SheetMark
{
    int student = 0; // index into Sheet::students
    int day = 0; // index into Sheet::days
    QString status;
    QString remark;
    QString notes; // as stored on this student's row
};

// The register sheet: every student of the scope, every day on which one of them has a mark.
struct Sheet
{
    QList<SheetStudent> students; // in class and name order
    QList<QDate> days; // ascending
    // The day's notes for each class that has notes that day, by class name; one entry per
    // day in days.
    QList<QMap<QString, QString>> dayNotes;
    QList<SheetMark> marks; // ordered by student, then day
};

Sheet sheet(const ReportScope& scope);

// A class whose register was not taken on a day.
struct MissingRegister
{
    qint64 classId = 0;
    QString className;
    QDate date;
    int students = 0;
};

// Every class (or the one class) that has students and no saved mark on the day; none on a day
// the school calendar keeps free.
QList<MissingRegister> missingOn(const QDate& day, std::optional<qint64> classId = std::nullopt);
// For every class (or the one class) that has students, the school days of the range up to
// today on which it has no saved mark. With a school calendar its school days are those; without
// one, the weekdays on which some class has marks (no class marked: no school that day).
QList<MissingRegister> missingBetween(const ReportScope& scope);

// The marks of one day over the scope's students.
struct DayCounts
{
    QDate date;
    int marked = 0;
    int present = 0;
    int late = 0;
    int absent = 0;
    int excused = 0;
    int other = 0;
};

// One entry per day on which the scope's students have marks, ascending.
QList<DayCounts> dailyCounts(const ReportScope& scope);

struct ReportHistoryRow
{
    db::HistoryRow change;
    QString studentName;
    QString className;
};

// Every recorded change of the scope's marks, by day, student and order of saving.
QList<ReportHistoryRow> historyOf(const ReportScope& scope);

} // namespace reports
