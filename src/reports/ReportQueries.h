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

// Marks counted twice over: by the four words as they have always been counted (every other word
// under Other), and by what each word means (status::Category), which gives the figures a
// school reports. Words are matched without regard to case; an empty one is Present.
struct Tally
{
    int daysMarked = 0; // every mark counted
    int present = 0; // the word Present (or none)
    int late = 0;
    int absent = 0;
    int excused = 0;
    int other = 0; // every other word, with a meaning or without
    QMap<QString, int> otherWords; // those words, with how often each was stored
    int attended = 0; // present, late and approved activity, of every code
    int approved = 0;
    int authorised = 0;
    int unauthorised = 0;
    int notCounted = 0; // codes that make no possible session
    int lateMinutes = 0;

    // One mark, by the letter markLetter() gives its word.
    void add(QChar letter);
    void add(const Tally& other);
    // Sessions that count: every mark but those of codes not counted.
    int possible() const { return daysMarked - notCounted; }
    // Attended / possible * 100; none when no session is possible.
    std::optional<double> attendancePercent() const;
};

// One letter per mark for what it means: P, L, A, E for the four words; for another word with a
// meaning, a lower-case letter of its category; 'o' for a word without one.
QChar markLetter(const QString& word);
// Whether a mark of the letter is a session missed (an absence run goes on) or not counted (the
// run neither goes on nor ends).
bool missedLetter(QChar letter);
bool notCountedLetter(QChar letter);

struct SummaryRow : Tally
{
    qint64 studentId = 0;
    QString studentName;
    qint64 classId = 0;
    QString className;
    // Missed sessions on consecutive marked days of the student; a day without a mark (no
    // school, or before the student joined) or with a code not counted neither ends nor
    // lengthens a run.
    int longestAbsenceRun = 0;
    int currentAbsenceRun = 0; // the run that reaches the student's last marked day in the range
    // With a school calendar: the school days of the range up to today, and of them the days
    // without a mark. Marks on days the calendar keeps free (a trip on a Saturday) are shown on
    // the sheet but neither counted here nor part of a run. None without a calendar, where
    // every marked day counts, as it always has. With two registers a day, they count sessions.
    std::optional<int> schoolDays;
    std::optional<int> notRecorded;
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
    // With two registers a day, each school day is two sessions, and a summary's school days
    // and days not recorded count sessions.
    int sessionsPerDay = 1;
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
    int lateMinutes = 0;
    bool amended = false; // its status or remark was changed after it was first saved
};

// The register sheet: every student of the scope, every day on which one of them has a mark.
struct Sheet
{
    QList<SheetStudent> students; // in class and name order
    QList<QDate> days; // ascending; a day with an afternoon's register is there twice
    QList<db::Session> sessions; // one per entry of days: whose register of the day it is
    bool twoSessions = false; // whether any afternoon's register is among them
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
    // Whose register of the day was not taken; where the school keeps two a day, each is listed.
    std::optional<db::Session> session;
};

// Every class (or the one class) that has students and no saved mark on the day; none on a day
// the school calendar keeps free.
QList<MissingRegister> missingOn(const QDate& day, std::optional<qint64> classId = std::nullopt);
// For every class (or the one class) that has students, the school days of the range up to
// today on which it has no saved mark. With a school calendar its school days are those; without
// one, the weekdays on which some class has marks (no class marked: no school that day).
QList<MissingRegister> missingBetween(const ReportScope& scope);

// The marks of one day over the scope's students.
struct DayCounts : Tally
{
    QDate date;
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
