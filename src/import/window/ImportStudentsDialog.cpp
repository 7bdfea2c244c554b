#include "import/window/ImportStudentsDialog.h"

#include "import/window/ImportPreview.h"
#include "register/RegisterFiles.h"
#include "ui/Dialogs.h"
#include "ui/LookAndFeel.h"
#include "ui/WindowLayout.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

QString encodingName(csv::Encoding encoding)
{
    switch (encoding) {
    case csv::Encoding::Utf16:
        return QStringLiteral("UTF-16");
    case csv::Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case csv::Encoding::Utf8:
        break;
    }
    return QStringLiteral("UTF-8");
}

QString separatorName(QChar separator)
{
    if (separator == QLatin1Char('\t'))
        return QCoreApplication::translate("ImportStudentsDialog", "tab-separated");
    if (separator == QLatin1Char(';'))
        return QCoreApplication::translate("ImportStudentsDialog", "semicolon-separated");
    return QCoreApplication::translate("ImportStudentsDialog", "comma-separated");
}

} // namespace

bool ImportStudentsDialog::run(QWidget* parent)
{
    const QString path = dialogs().openFileName(
        parent, tr("Import Students"), tr("Spreadsheet Files (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|All Files (*)|*|"));
    if (path.isEmpty())
        return false;
    std::optional<csv::Encoding> encoding;
    for (;;) {
        StudentImportPlan plan;
        {
            std::optional<look::BusyPointer> busy;
            if (parent)
                busy.emplace(parent);
            plan = planStudentImport(path, encoding);
        }
        if (!plan.fileError.isEmpty()) {
            dialogs().message(parent, plan.fileError + QStringLiteral("\r\n") + tr("Nothing was imported."),
                tr("Import Students"), UserDialogs::Icon::Warning);
            return false;
        }
        ImportStudentsDialog dialog(std::move(plan), parent);
        dialog.exec();
        // Another encoding chosen in the preview: the file is read again with it.
        if (dialog.chosenEncoding()) {
            encoding = dialog.chosenEncoding();
            continue;
        }
        // An open Manage Classes window hears of the new classes and students from the register.
        return dialog.result().studentsAdded > 0;
    }
}

ImportStudentsDialog::ImportStudentsDialog(StudentImportPlan plan, QWidget* parent)
    : QDialog(parent)
    , m_plan(std::move(plan))
{
    setObjectName(QStringLiteral("ImportStudents"));
    setWindowTitle(tr("Import Students"));
    setFont(designFont(9));
    resize(px(10200), px(8400));
    auto* layout = new QVBoxLayout(this);

    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("lblSummary"));
    summary->setWordWrap(true);
    const QString encoding = m_plan.encodingReason.isEmpty() ? encodingName(m_plan.encoding) : m_plan.encodingReason;
    summary->setText(
        tr("%1 (%2, %3). Nothing has been written yet.\nClasses to create: %4. Students to add: %5. "
           "Rows skipped as already present: %6. Rows with errors: %7.")
            .arg(QDir::toNativeSeparators(QFileInfo(m_plan.file).fileName()), encoding, separatorName(m_plan.separator))
            .arg(m_plan.newClasses.size())
            .arg(m_plan.toAdd.size())
            .arg(m_plan.alreadyPresent.size())
            .arg(m_plan.errors.size()));
    layout->addWidget(summary);

    // The encoding is a guess from the bytes; names that read wrongly are mended by another one.
    auto* encodingRow = new QHBoxLayout;
    auto* encodingLabel = new QLabel(tr("&Encoding:"), this);
    auto* encodingBox = new QComboBox(this);
    encodingBox->setObjectName(QStringLiteral("EncodingBox"));
    for (const csv::Encoding each : {csv::Encoding::Utf8, csv::Encoding::Windows1252, csv::Encoding::Utf16})
        encodingBox->addItem(encodingName(each), int(each));
    encodingBox->setCurrentIndex(encodingBox->findData(int(m_plan.encoding)));
    encodingLabel->setBuddy(encodingBox);
    encodingRow->addWidget(encodingLabel);
    encodingRow->addWidget(encodingBox);
    encodingRow->addStretch(1);
    layout->addLayout(encodingRow);
    connect(encodingBox, &QComboBox::activated, this, [this, encodingBox] {
        const auto wanted = csv::Encoding(encodingBox->currentData().toInt());
        if (wanted == m_plan.encoding)
            return;
        m_chosenEncoding = wanted;
        reject();
    });

    m_preview = new QTreeWidget(this);
    m_preview->setObjectName(QStringLiteral("PreviewList"));
    m_preview->setHeaderLabels({tr("Line"), tr("Class"), tr("Name"), tr("Photo or reason")});
    layout->addWidget(m_preview, 1);

    using preview::addSection;
    QList<QStringList> classes;
    for (const QString& name : std::as_const(m_plan.newClasses))
        classes.append({QString(), name});
    addSection(m_preview, tr("Classes to create (%1)").arg(classes.size()), classes, true);
    QList<QStringList> students;
    for (const db::NewStudent& student : std::as_const(m_plan.toAdd))
        students.append({QString::number(student.line), student.className, student.name,
            student.photoPath.isEmpty() ? QString() : QFileInfo(student.photoPath).fileName()});
    addSection(m_preview, tr("Students to add (%1)").arg(students.size()), students, true);
    const auto rowsOf = [](const QList<StudentImportPlan::Row>& rows) {
        QList<QStringList> lines;
        for (const StudentImportPlan::Row& row : rows)
            lines.append({QString::number(row.line), row.className, row.name, row.reason});
        return lines;
    };
    addSection(m_preview, tr("Skipped, already present (%1)").arg(m_plan.alreadyPresent.size()),
        rowsOf(m_plan.alreadyPresent), false);
    addSection(
        m_preview, tr("Rows with errors, not imported (%1)").arg(m_plan.errors.size()), rowsOf(m_plan.errors), true);
    preview::fitColumns(m_preview);

    m_import = preview::addButtons(this, layout, tr("Import"), !m_plan.toAdd.isEmpty(), [this] { return importNow(); });
    look::ApplyStandardColours(this);
}

bool ImportStudentsDialog::importNow()
{
    const QString caption = tr("Import Students");
    QProgressDialog progress(tr("Importing students…"), tr("Cancel"), 0, int(m_plan.toAdd.size()), this);
    progress.setObjectName(QStringLiteral("TaskProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    try {
        m_result = db::importStudents(m_plan.toAdd, [&progress](qint64 done, qint64) {
            progress.setValue(int(done));
            return !progress.wasCanceled();
        });
    } catch (const Cancelled& cancelled) {
        dialogs().message(this, cancelled.description(), caption, UserDialogs::Icon::Information);
        return false;
    } catch (const Failure& failure) {
        dialogs().message(this, tr("The students could not be imported: %1").arg(failure.description()), caption,
            UserDialogs::Icon::Warning);
        return false;
    }
    progress.reset();
    QString text
        = tr("Students added: %1. Classes created: %2.").arg(m_result.studentsAdded).arg(m_result.classesCreated);
    if (m_result.alreadyPresent > 0)
        text += QStringLiteral("\r\n")
            + tr("Students already in their class by then, left alone: %1.").arg(m_result.alreadyPresent);
    dialogs().message(this, text, caption, UserDialogs::Icon::Information);
    return true;
}
