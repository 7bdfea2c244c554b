#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QLayout;
class QPushButton;
class QTreeWidget;

// The sections of an import's preview list: a heading per kind of row, its rows beneath.
namespace preview {

void addSection(QTreeWidget* list, const QString& heading, const QList<QStringList>& rows, bool expanded);
void fitColumns(QTreeWidget* list);
// The dialog's Import and Cancel buttons, added to layout: Import, enabled when there is
// something to import, closes the dialog only when importNow succeeded.
QPushButton* addButtons(
    QDialog* dialog, QLayout* layout, const QString& importText, bool enabled, std::function<bool()> importNow);

} // namespace preview
