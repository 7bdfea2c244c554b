#include "reports/window/AttendanceChart.h"

#include "core/StatusWords.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace reports {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

bool isDark(const QColor& background)
{
    return background.lightnessF() < 0.5;
}

QChart* newChart(const QString& title, const QColor& background)
{
    auto* chart = new QChart;
    chart->setTheme(isDark(background) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(background);
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// The words' own colours where they read as bars; Present is drawn a shade lighter than its
// black (or white), so that the other words stand out beside it.
QColor barColour(const QString& word, const QColor& background)
{
    const QColor colour = status::colour(word, background).value_or(QColor(Qt::gray));
    if (word == QLatin1String(status::kPresent))
        return isDark(background) ? colour.darker(160) : QColor(110, 110, 110);
    return colour;
}

} // namespace

QList<WeekCounts> weeklyCounts(const QList<reports::DayCounts>& days)
{
    QList<WeekCounts> weeks;
    for (const reports::DayCounts& day : days) {
        const QDate monday = day.date.addDays(1 - day.date.dayOfWeek());
        if (weeks.isEmpty() || weeks.last().monday != monday)
            weeks.append({monday, 0, 0, 0, 0, 0});
        WeekCounts& week = weeks.last();
        week.present += day.present;
        week.late += day.late;
        week.absent += day.absent;
        week.excused += day.excused;
        week.other += day.other;
    }
    return weeks;
}

QChart* dailyAttendanceChart(const QList<reports::DayCounts>& days, const QColor& background)
{
    QChart* chart = newChart(Text::tr("Attendance % per marked day"), background);
    auto* series = new QLineSeries;
    series->setName(Text::tr("Attendance %"));
    series->setPointsVisible(days.size() <= 70);
    for (const reports::DayCounts& day : days) {
        if (const std::optional<double> attended = day.attendancePercent())
            series->append(double(day.date.startOfDay().toMSecsSinceEpoch()), *attended);
    }
    chart->addSeries(series);
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("d MMM"));
    if (!days.isEmpty())
        x->setRange(days.first().date.startOfDay(), days.last().date.startOfDay().addSecs(1));
    x->setTickCount(std::clamp(int(days.size()), 2, 10));
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(Text::tr("%"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->hide();
    return chart;
}

QChart* weeklyMixChart(const QList<reports::DayCounts>& days, const QColor& background)
{
    QChart* chart = newChart(Text::tr("Marks per week"), background);
    const QList<WeekCounts> weeks = weeklyCounts(days);
    auto* series = new QStackedBarSeries;
    bool anyOther = false;
    for (const WeekCounts& week : weeks)
        anyOther = anyOther || week.other > 0;
    const QStringList words = status::known();
    QList<QBarSet*> sets;
    for (const QString& word : words) {
        auto* set = new QBarSet(status::displayName(word));
        set->setColor(barColour(word, background));
        set->setBorderColor(background);
        sets.append(set);
    }
    QBarSet* other = nullptr;
    if (anyOther) {
        other = new QBarSet(Text::tr("Other"));
        other->setColor(QColor(150, 150, 150));
        other->setBorderColor(background);
    }
    QStringList categories;
    const QLocale locale;
    for (const WeekCounts& week : weeks) {
        *sets[0] << week.present;
        *sets[1] << week.late;
        *sets[2] << week.absent;
        *sets[3] << week.excused;
        if (other)
            *other << week.other;
        categories << locale.toString(week.monday, QStringLiteral("d MMM"));
    }
    for (QBarSet* set : std::as_const(sets))
        series->append(set);
    if (other)
        series->append(other);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(Text::tr("Week beginning"));
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(Text::tr("Marks"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return chart;
}

void paintCharts(QPainter& painter, const QRectF& area, const QList<reports::DayCounts>& days)
{
    // Drawn at a screen-like size and scaled onto the page, so that the text keeps its
    // proportion to the plot whatever the printer's resolution.
    const QSizeF logical(1100, 340);
    const double gap = area.height() * 0.04;
    const double each = (area.height() - gap) / 2;
    const QRectF targets[2] = {QRectF(area.left(), area.top(), area.width(), each),
        QRectF(area.left(), area.top() + each + gap, area.width(), each)};
    QChart* charts[2] = {dailyAttendanceChart(days, Qt::white), weeklyMixChart(days, Qt::white)};
    for (int i = 0; i < 2; ++i) {
        QGraphicsScene scene;
        scene.addItem(charts[i]);
        const double ratio = targets[i].width() / targets[i].height();
        charts[i]->resize(QSizeF(logical.height() * ratio, logical.height()));
        scene.setSceneRect(QRectF(QPointF(0, 0), charts[i]->size()));
        scene.render(&painter, targets[i], scene.sceneRect(), Qt::KeepAspectRatio);
    }
}

} // namespace reports
