#pragma once

#include "reports/ReportTable.h"

#include <QAbstractTableModel>
#include <QColor>

namespace reports {

// A report table under a QTableView: status words coloured as on the cards, figures sorted as
// figures, the totals row kept last.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kValueRole = Qt::UserRole;

    explicit ReportTableModel(QObject* parent = nullptr);

    void setTable(ReportTable table);
    const ReportTable& table() const { return m_table; }
    // The background the words are drawn on; the colours keep their contrast against it.
    void setBackground(const QColor& background);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    ReportTable m_table;
    QColor m_background;
};

} // namespace reports
