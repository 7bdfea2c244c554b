#pragma once

#include "core/Csv.h"
#include "import/ImportWrites.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// What importing a spreadsheet of students would do, worked out before anything is written.
struct StudentImportPlan
{
    struct Row
    {
        int line = 0;
        QString className;
        QString name;
        QString photo; // as the file names it; empty for none
        QString reason; // why the row is skipped or refused
    };

    QString file;
    csv::Encoding encoding = csv::Encoding::Utf8;
    bool encodingChosen = false; // by the user, rather than read from the bytes
    // Why the bytes were not taken for UTF-8 (the line and byte that ruled it out); empty when
    // they were, or the encoding was chosen.
    QString encodingReason;
    QChar separator = QLatin1Char(',');
    // Set when nothing of the file can be imported (it cannot be read, or has no Class and
    // Name columns); the lists are then empty.
    QString fileError;

    QStringList newClasses; // in the order the file first names them
    QList<db::NewStudent> toAdd; // photo paths resolved
    QList<Row> alreadyPresent;
    QList<Row> errors;
};

// Reads the file and compares it with the register. The header row names the columns Class
// and Name, and optionally Photo, in any order and letter case; other columns are ignored. A
// photo is a picture file given relative to the spreadsheet's folder: a path leading out of
// that folder, a picture that is not there and a file that is no picture Rollvane can read
// each refuse their row. A student is already present when the class holds the same name (or
// an earlier row of the file does), letter case and surrounding spaces aside.
StudentImportPlan planStudentImport(const QString& path, std::optional<csv::Encoding> encoding = std::nullopt);

// A picture's own problem, in words for the preview; empty when it can be stored.
QString pictureProblem(const QString& path);
