#pragma once

#include "import/PhotoImport.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// Manage Classes, Import Photos: the preview of a folder of pictures matched to the students of
// one class and, on the user's word, the photos stored in one transaction.
class ImportPhotosDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for the folder, shows the preview and stores what the user confirms; true when
    // photos were stored.
    static bool run(QWidget* parent, qint64 classId, const QString& className);

    ImportPhotosDialog(PhotoImportPlan plan, const QString& className, QWidget* parent = nullptr);

    const PhotoImportPlan& plan() const { return m_plan; }
    // The Import button; true when the photos were stored and the dialog closes.
    bool importNow();
    int stored() const { return m_stored; }

private:
    PhotoImportPlan m_plan;
    int m_stored = 0;
};
