#include "reports/window/ReportTableModel.h"

#include "core/StatusWords.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace reports {
namespace {

// Figures and dates compare as such; texts without regard to case, as the lists sort them.
// A cell without a figure comes before every figure.
int compareCells(const ReportCell& a, const ReportCell& b)
{
    const bool aFigure = a.value.isValid() && a.value.typeId() != QMetaType::QString;
    const bool bFigure = b.value.isValid() && b.value.typeId() != QMetaType::QString;
    if (aFigure || bFigure) {
        if (!aFigure || !bFigure)
            return aFigure ? 1 : -1;
        const QPartialOrdering order = QVariant::compare(a.value, b.value);
        if (order == QPartialOrdering::Less)
            return -1;
        if (order == QPartialOrdering::Greater)
            return 1;
        return 0;
    }
    const QString left = a.value.isValid() ? a.value.toString() : a.text;
    const QString right = b.value.isValid() ? b.value.toString() : b.text;
    const int folded = left.localeAwareCompare(right);
    return folded != 0 ? folded : left.compare(right);
}

} // namespace

ReportTableModel::ReportTableModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_background(QGuiApplication::palette().color(QPalette::Base))
{ }

void ReportTableModel::setTable(ReportTable table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

void ReportTableModel::setBackground(const QColor& background)
{
    if (background == m_background)
        return;
    m_background = background;
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole});
}

int ReportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.columns.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const ReportCell cell = m_table.rows.at(index.row()).value(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::ToolTipRole:
        // The name column may be narrower than a long name: the whole of it is in the tooltip.
        if (cell.toolTip.isEmpty())
            return index.column() == 0 && !cell.text.isEmpty() ? QVariant(cell.text) : QVariant();
        return cell.toolTip;
    case Qt::ForegroundRole:
        if (!cell.statusWord.isEmpty()) {
            if (const std::optional<QColor> colour = status::colour(cell.statusWord, m_background))
                return *colour;
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        return m_table.columns.at(index.column()).numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                          : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (m_table.lastRowIsTotal && index.row() == rowCount() - 1) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    case kValueRole:
        return cell.value;
    default:
        return QVariant();
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QVariant();
    const ReportColumn& column = m_table.columns.at(section);
    switch (role) {
    case Qt::DisplayRole:
        return column.header;
    case Qt::ToolTipRole:
        return column.toolTip.isEmpty() ? QVariant() : QVariant(column.toolTip);
    case Qt::TextAlignmentRole:
        return column.numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                              : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::InitialSortOrderRole:
        // A first click on a figure's header puts the largest first: who was absent most.
        return int(column.numeric ? Qt::DescendingOrder : Qt::AscendingOrder);
    default:
        return QVariant();
    }
}

void ReportTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> rows(m_table.rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i] = int(i);
    const auto end = m_table.lastRowIsTotal && !rows.isEmpty() ? rows.end() - 1 : rows.end();
    std::stable_sort(rows.begin(), end, [&](int a, int b) {
        const int compared = compareCells(m_table.rows.at(a).value(column), m_table.rows.at(b).value(column));
        return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
    });
    QList<QList<ReportCell>> sorted;
    sorted.reserve(rows.size());
    QList<int> newPosition(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        sorted.append(m_table.rows.at(rows.at(i)));
        newPosition[rows.at(i)] = int(i);
    }
    m_table.rows = std::move(sorted);
    QModelIndexList after;
    for (const QModelIndex& index : before)
        after.append(this->index(newPosition.at(index.row()), index.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace reports
