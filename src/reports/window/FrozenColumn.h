#pragma once

#include <QObject>

class QModelIndex;
class QTableView;

// Keeps a table's first column (the student's name) in view while the others scroll sideways: a
// second view over the same model and selection shows that column alone, laid over the table's
// left edge and scrolled with it. A click on its header sorts the table as the table's own would.
class FrozenColumn : public QObject
{
    Q_OBJECT

public:
    explicit FrozenColumn(QTableView* table);
    QTableView* view() const { return m_frozen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFirstColumnOnly();
    void place();
    // Scrolls the table so that a cell the keyboard moved to is not under the frozen column.
    void keepClear(const QModelIndex& current);

    QTableView* m_table;
    QTableView* m_frozen;
};
