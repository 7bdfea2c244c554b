#include "import/window/ImportPreview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLayout>
#include <QPushButton>
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

QPushButton* addButtons(
    QDialog* dialog, QLayout* layout, const QString& importText, bool enabled, std::function<bool()> importNow)
{
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* import = buttons->addButton(importText, QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("ImportButton"));
    import->setEnabled(enabled);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(buttons);
    QObject::connect(import, &QPushButton::clicked, dialog, [dialog, importNow = std::move(importNow)] {
        if (importNow())
            dialog->accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return import;
}

} // namespace preview
