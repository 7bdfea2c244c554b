#pragma once

#include "reports/ReportQueries.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QStringList>

namespace reports {

// The register sheet under a QTableView: one row per student, one column per marked day, a
// totals row. A school year of the whole school is hundreds of thousands of cells, so a cell is
// a small number into the words the sheet holds, never an object of its own.
class SheetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit SheetModel(QObject* parent = nullptr);

    void setSheet(const reports::Sheet& sheet, bool withClass);
    void setBackground(const QColor& background);
    // Columns before the first day.
    int firstDayColumn() const { return m_withClass ? 2 : 1; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString wordAt(int student, int day) const;

    bool m_withClass = false;
    QList<reports::SheetStudent> m_students;
    QList<QDate> m_days;
    QList<db::Session> m_sessions;
    bool m_twoSessions = false;
    QStringList m_dayNotes;
    QList<QPair<int, int>> m_totals;
    QStringList m_words; // 0: no mark
    QList<quint32> m_cells; // student * days + day -> index into m_words
    QHash<qsizetype, QString> m_remarks; // by cell, only where there is one
    QHash<qsizetype, int> m_minutes; // minutes late, by cell, only where there are some
    QSet<qsizetype> m_amended; // cells whose mark was changed after it was first saved
    QColor m_background;
};

} // namespace reports
