#include "import/ImportPreview.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace preview {

void addSection(QTreeWidget* list, const QString& heading, const QList<QStringList>& rows, bool expanded)
{
    auto* section = new QTreeWidgetItem(list, {heading});
    section->setFirstColumnSpanned(true);
    QFont bold = section->font(0);
    bold.setBold(true);
    section->setFont(0, bold);
    QList<QTreeWidgetItem*> children;
    children.reserve(rows.size());
    for (const QStringList& row : rows)
        children.append(new QTreeWidgetItem(row));
    section->addChildren(children);
    section->setExpanded(expanded && !rows.isEmpty());
}

void fitColumns(QTreeWidget* list)
{
    list->setUniformRowHeights(true);
    for (int column = 0; column + 1 < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
    list->header()->setStretchLastSection(true);
}

} // namespace preview
