#include "roster/ClassBox.h"

#include "register/Database.h"
#include "ui/LookAndFeel.h"

#include <QComboBox>
#include <QSignalBlocker>

void fillClassBox(QWidget* window, QComboBox* box, QList<qint64>& ids)
{
    const QSignalBlocker quiet(box);
    ids.clear();
    box->clear();
    look::BusyPointer busy(window);
    const QList<db::ClassRow> rows = db::classes();
    for (const db::ClassRow& row : rows) {
        ids.append(row.id);
        box->addItem(row.name);
    }
    box->setCurrentIndex(-1);
}
