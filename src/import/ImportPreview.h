#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTreeWidget;

// The sections of an import's preview list: a heading per kind of row, its rows beneath.
namespace preview {

void addSection(QTreeWidget* list, const QString& heading, const QList<QStringList>& rows, bool expanded);
void fitColumns(QTreeWidget* list);

} // namespace preview
