#pragma once

#include <QDate>
#include <QHash>
#include <QString>

// A small register whose report figures are known, written through the program's own saves
// (latest day first, so that the order rows were written in is not the order of the days):
//
//   7A: Ann, Ben, Cleo, Dev (joined late, two words of another tool), Zed (never marked);
//       Gone was in 7A, has marks on every day and on 1 January, and has been deleted.
//   8B: Eve, Finn; no register on 2 January or 29 February.
//   9C: Ivy, marked only on Saturday 30 December.
//   10D: no students.
//
//   day          Ann  Ben  Cleo Dev   Eve  Finn   notes (7A)
//   2023-12-28   P    L    A    -     P    E      "Carol service"
//   2023-12-29   A    P    A    -     ''   E
//   2024-01-01   (no school: only Gone's mark)
//   2024-01-02   A    A    P    Trip  -    -
//   2024-02-29   E    P    A    P     -    -      "Leap day, trip to the museum, back by 3"
//   2024-03-01   P    A    E    Sick  P    A
struct ReportRegister
{
    qint64 classA = 0;
    qint64 classB = 0;
    qint64 classC = 0;
    qint64 classD = 0;
    QHash<QString, qint64> students; // by name; Gone's id is kept although the row is gone

    static QDate from() { return QDate(2023, 12, 28); }
    static QDate to() { return QDate(2024, 3, 1); }

    // Writes the register into the open connection.
    static ReportRegister build();
};
