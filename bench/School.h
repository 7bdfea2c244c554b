#pragma once

#include <QDate>
#include <QList>
#include <QString>

// A synthetic school at full size, the same on every run for the same generator key: 50
// classes of 40 students, ten years of 200 school days of marks for every student (4 million
// rows of tblAttendance), and a 640 by 480 photo for every student of the classes measured.
struct School
{
    static constexpr int kClasses = 50;
    static constexpr int kStudentsPerClass = 40;
    static constexpr int kYears = 10;
    static constexpr int kDaysPerYear = 200;
    static constexpr int kPhotoWidth = 640;
    static constexpr int kPhotoHeight = 480;

    QString path; // the register
    QList<qint64> classIds; // in name order
    qint64 measuredClass = 0; // photos, listed first and again
    qint64 otherClass = 0; // photos, listed in between
    qint64 plainClass = 0; // no photos
    QDate markedDay; // a school day with marks for everyone
    QDate firstFreeDay; // no marks on this day or after
    qint64 attendanceRows = 0;
};

// Writes the school to path (which must not exist yet) through the program's own template.
School generateSchool(const QString& path, quint32 generatorKey);

// A copy of the school as the literal design would hold it: the same rows, without the indexes
// the program adds.
void copyWithoutIndexes(const QString& from, const QString& to);
