#pragma once

#include "School.h"

#include <QList>
#include <QString>

#include <optional>

// One line of the benchmark's table.
struct ReportFigure
{
    QString figure;
    std::optional<double> ours;
    std::optional<double> peer;
    QString unit;
    QString target;
    std::optional<bool> holds;
};

// The Attendance Report at school scale, each figure beside its floor or peer, measured on the
// open register: the whole school's summary for a school year of 190 days, one class's sheet
// for a term of 65 days (in the database and on screen), and the registers not taken on a day.
QList<ReportFigure> measureReports(const School& school, int runs);

// The whole school's summary for the year when the school keeps England's codes and marks each
// present session with its own word ("Present AM", "Present PM"), beside the same bare
// GROUP BY. The register is put back as it was afterwards.
QList<ReportFigure> measureCodedSummary(const School& school, int runs);
