#pragma once

#include "core/SchoolCalendar.h"

#include <QDate>
#include <QWidget>

namespace calendar {

// Twelve months of a school year at a glance, four across: each day coloured by what the
// calendar makes of it (school day, weekend, holiday, closure, training day), its name in the
// tooltip. A click picks a day; a click with Shift held extends the pick into a range.
class YearGrid : public QWidget
{
    Q_OBJECT

public:
    explicit YearGrid(QWidget* parent = nullptr);

    void setCalendar(const SchoolCalendar& calendar);
    // The first month shown (its first day); twelve follow from it.
    void setFirstMonth(const QDate& first);
    QDate firstMonth() const { return m_first; }
    // The day under a point of the widget, if any.
    QDate dayAt(const QPoint& point) const;
    // The rectangle of a shown day, for tests and tooltips.
    QRect dayRect(const QDate& day) const;

    // The colour a kind of day is filled with on the widget's palette: the base colour tinted,
    // so that the day's number reads in a light and a dark palette alike.
    QColor fillOf(DayKind kind) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void dayPicked(const QDate& day, bool extend);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect monthRect(int index) const;
    QSize cellSize() const;

    SchoolCalendar m_calendar;
    QDate m_first;
};

} // namespace calendar
