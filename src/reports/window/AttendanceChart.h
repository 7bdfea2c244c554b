#pragma once

#include "reports/ReportQueries.h"

#include <QColor>
#include <QList>

class QChart;
class QPainter;
class QRectF;

namespace reports {

// A week's marks, Monday to Sunday.
struct WeekCounts
{
    QDate monday;
    int present = 0;
    int late = 0;
    int absent = 0;
    int excused = 0;
    int other = 0;
};

QList<WeekCounts> weeklyCounts(const QList<reports::DayCounts>& days);

// The attendance % of every marked day as a line; the caller owns the chart.
QChart* dailyAttendanceChart(const QList<reports::DayCounts>& days, const QColor& background);
// The mix of Present, Late, Absent and Excused per week as stacked bars; the caller owns it.
QChart* weeklyMixChart(const QList<reports::DayCounts>& days, const QColor& background);

// Both charts, one above the other, drawn into an area of a printed page.
void paintCharts(QPainter& painter, const QRectF& area, const QList<reports::DayCounts>& days);

} // namespace reports
