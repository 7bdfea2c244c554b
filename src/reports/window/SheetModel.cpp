#include "reports/window/SheetModel.h"

#include "core/StatusWords.h"
#include "reports/ReportTables.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace reports {

SheetModel::SheetModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_background(QGuiApplication::palette().color(QPalette::Base))
{ }

void SheetModel::setSheet(const reports::Sheet& sheet, bool withClass)
{
    beginResetModel();
    m_withClass = withClass;
    m_students = sheet.students;
    m_days = sheet.days;
    m_sessions = sheet.sessions;
    m_twoSessions = sheet.twoSessions;
    m_dayNotes.clear();
    for (qsizetype d = 0; d < sheet.days.size(); ++d)
        m_dayNotes << dayNotesText(sheet.dayNotes.value(d), withClass);
    m_totals = sheetDayTotals(sheet);
    m_words = {QString()};
    m_cells.fill(0, m_students.size() * m_days.size());
    m_remarks.clear();
    m_minutes.clear();
    m_amended.clear();
    QHash<QString, quint32> wordIndex;
    for (const reports::SheetMark& mark : sheet.marks) {
        auto found = wordIndex.constFind(mark.status);
        if (found == wordIndex.constEnd()) {
            found = wordIndex.insert(mark.status, quint32(m_words.size()));
            m_words.append(mark.status);
        }
        const qsizetype cell = qsizetype(mark.student) * m_days.size() + mark.day;
        m_cells[cell] = *found;
        if (!mark.remark.isEmpty())
            m_remarks.insert(cell, mark.remark);
        if (mark.lateMinutes > 0)
            m_minutes.insert(cell, mark.lateMinutes);
        if (mark.amended)
            m_amended.insert(cell);
    }
    endResetModel();
}

void SheetModel::setBackground(const QColor& background)
{
    if (background == m_background)
        return;
    m_background = background;
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole});
}

int SheetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_students.isEmpty())
        return 0;
    return int(m_students.size()) + 1;
}

int SheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : firstDayColumn() + int(m_days.size());
}

QString SheetModel::wordAt(int student, int day) const
{
    return m_words.at(m_cells.at(qsizetype(student) * m_days.size() + day));
}

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const int row = index.row();
    const int column = index.column();
    const bool totals = row == int(m_students.size());
    const int day = column - firstDayColumn();
    if (role == Qt::FontRole && totals) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole)
        return day >= 0 ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (totals) {
        if (role != Qt::DisplayRole)
            return QVariant();
        if (column == 0)
            return QCoreApplication::translate("Reports", "Present or Late");
        return day >= 0 ? QVariant(dayTotalText(m_totals.at(day))) : QVariant();
    }
    if (day < 0) {
        if (role != Qt::DisplayRole)
            return QVariant();
        const reports::SheetStudent& student = m_students.at(row);
        return column == 0 ? student.name : student.className;
    }
    const QString word = wordAt(row, day);
    if (word.isEmpty())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole: {
        const qsizetype cell = qsizetype(row) * m_days.size() + day;
        const QString text = lateText(status::letter(word), m_minutes.value(cell));
        return m_amended.contains(cell) ? text + kAmendedSign : text;
    }
    case Qt::ToolTipRole: {
        const qsizetype cell = qsizetype(row) * m_days.size() + day;
        return markToolTip(word, m_remarks.value(cell), m_amended.contains(cell));
    }
    case Qt::ForegroundRole:
        if (const std::optional<QColor> colour = status::colour(word, m_background))
            return *colour;
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QVariant();
    const int day = section - firstDayColumn();
    if (role == Qt::DisplayRole) {
        if (day >= 0)
            return sheetDayHeader(m_days.at(day), m_sessions.at(day), m_twoSessions);
        return section == 0 ? QCoreApplication::translate("Reports", "Student")
                            : QCoreApplication::translate("Reports", "Class");
    }
    if (role == Qt::ToolTipRole && day >= 0) {
        const QString notes = m_dayNotes.at(day);
        return notes.isEmpty() ? QVariant() : QVariant(notes);
    }
    return QVariant();
}

} // namespace reports
