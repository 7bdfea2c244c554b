#pragma once

#include "import/StudentImport.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;

// Setup, Import Students: the preview of a spreadsheet's students and, on the user's word, the
// import in one transaction.
class ImportStudentsDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for the file, shows the preview and imports what the user confirms; true when
    // students were added.
    static bool run(QWidget* parent);

    explicit ImportStudentsDialog(StudentImportPlan plan, QWidget* parent = nullptr);

    const StudentImportPlan& plan() const { return m_plan; }
    // The Import button: writes the plan with a progress dialog that can cancel it (then
    // nothing is written). True when it was written; the dialog then closes.
    bool importNow();
    const db::ImportResult& result() const { return m_result; }
    // Another encoding the user chose for the file; the preview then closes without importing.
    std::optional<csv::Encoding> chosenEncoding() const { return m_chosenEncoding; }

private:
    StudentImportPlan m_plan;
    std::optional<csv::Encoding> m_chosenEncoding;
    db::ImportResult m_result;
    QTreeWidget* m_preview = nullptr;
    QPushButton* m_import = nullptr;
};
