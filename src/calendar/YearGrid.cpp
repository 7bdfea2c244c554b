#include "calendar/YearGrid.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace calendar {
namespace {

constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr int kWeeks = 6; // rows of days a month can need

QColor blend(const QColor& base, const QColor& tint, double share)
{
    return QColor::fromRgbF(float(base.redF() * (1 - share) + tint.redF() * share),
        float(base.greenF() * (1 - share) + tint.greenF() * share),
        float(base.blueF() * (1 - share) + tint.blueF() * share));
}

} // namespace

YearGrid::YearGrid(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("grdYear"));
    setMouseTracking(false);
    setFocusPolicy(Qt::NoFocus);
    const QDate today = QDate::currentDate();
    setFirstMonth(QDate(today.month() >= 8 ? today.year() : today.year() - 1, 9, 1));
}

void YearGrid::setCalendar(const SchoolCalendar& calendar)
{
    m_calendar = calendar;
    update();
}

void YearGrid::setFirstMonth(const QDate& first)
{
    m_first = QDate(first.year(), first.month(), 1);
    update();
}

QSize YearGrid::cellSize() const
{
    const int side = fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8;
    return {side, fontMetrics().height() + 4};
}

QSize YearGrid::sizeHint() const
{
    const QSize cell = cellSize();
    return {kColumns * (7 * cell.width() + 16), kRows * ((kWeeks + 2) * cell.height() + 12)};
}

QSize YearGrid::minimumSizeHint() const
{
    return sizeHint();
}

QRect YearGrid::monthRect(int index) const
{
    const int width = this->width() / kColumns;
    const int height = this->height() / kRows;
    return QRect((index % kColumns) * width, (index / kColumns) * height, width, height).adjusted(6, 4, -6, -4);
}

QRect YearGrid::dayRect(const QDate& day) const
{
    for (int index = 0; index < 12; ++index) {
        const QDate month = m_first.addMonths(index);
        if (month.year() != day.year() || month.month() != day.month())
            continue;
        const QRect area = monthRect(index);
        const QSize cell = cellSize();
        const int cellWidth = area.width() / 7;
        const int offset = month.dayOfWeek() - 1; // weeks begin on Monday, as school weeks do
        const int slot = offset + day.day() - 1;
        return QRect(area.left() + (slot % 7) * cellWidth, area.top() + (2 + slot / 7) * cell.height(), cellWidth,
            cell.height());
    }
    return {};
}

QDate YearGrid::dayAt(const QPoint& point) const
{
    for (int index = 0; index < 12; ++index) {
        const QDate month = m_first.addMonths(index);
        if (!monthRect(index).contains(point))
            continue;
        for (int d = 1; d <= month.daysInMonth(); ++d) {
            const QDate day(month.year(), month.month(), d);
            if (dayRect(day).contains(point))
                return day;
        }
    }
    return {};
}

QColor YearGrid::fillOf(DayKind kind) const
{
    const QColor base = palette().color(QPalette::Base);
    switch (kind) {
    case DayKind::SchoolDay:
        return base;
    case DayKind::Weekend:
        return blend(base, palette().color(QPalette::Text), 0.12);
    case DayKind::Holiday:
        return blend(base, QColor(0x2e, 0x86, 0xde), 0.35);
    case DayKind::Closure:
        return blend(base, QColor(0xe0, 0x55, 0x2b), 0.35);
    case DayKind::Training:
        return blend(base, QColor(0x8e, 0x44, 0xad), 0.35);
    }
    return base;
}

void YearGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QLocale locale;
    const QSize cell = cellSize();
    const QColor text = palette().color(QPalette::Text);
    const QDate today = QDate::currentDate();
    for (int index = 0; index < 12; ++index) {
        const QDate month = m_first.addMonths(index);
        const QRect area = monthRect(index);
        const int cellWidth = area.width() / 7;
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(area.left(), area.top(), area.width(), cell.height()), Qt::AlignCenter,
            locale.standaloneMonthName(month.month()) + QLatin1Char(' ') + QString::number(month.year()));
        painter.setFont(font());
        for (int weekday = 1; weekday <= 7; ++weekday) {
            painter.drawText(
                QRect(area.left() + (weekday - 1) * cellWidth, area.top() + cell.height(), cellWidth, cell.height()),
                Qt::AlignCenter, locale.standaloneDayName(weekday, QLocale::NarrowFormat));
        }
        for (int d = 1; d <= month.daysInMonth(); ++d) {
            const QDate day(month.year(), month.month(), d);
            const QRect box = dayRect(day).adjusted(1, 1, -1, -1);
            painter.fillRect(box, fillOf(m_calendar.day(day).kind));
            painter.setPen(text);
            painter.drawText(box, Qt::AlignCenter, QString::number(d));
            if (day == today) {
                painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
                painter.drawRect(box.adjusted(1, 1, -1, -1));
            }
        }
    }
}

void YearGrid::mousePressEvent(QMouseEvent* event)
{
    const QDate day = dayAt(event->position().toPoint());
    if (day.isValid())
        Q_EMIT dayPicked(day, event->modifiers().testFlag(Qt::ShiftModifier));
}

bool YearGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QDate day = dayAt(help->pos());
        if (!day.isValid()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const DayInfo info = m_calendar.day(day);
        const QString date = QLocale().toString(day, QLocale::LongFormat);
        QToolTip::showText(help->globalPos(), info.isSchoolDay() ? date : QStringLiteral("%1\n%2").arg(date, info.name),
            this, dayRect(day));
        return true;
    }
    return QWidget::event(event);
}

} // namespace calendar
