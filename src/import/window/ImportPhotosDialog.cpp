#include "import/window/ImportPhotosDialog.h"

#include "import/window/ImportPreview.h"
#include "register/RegisterFiles.h"
#include "ui/Dialogs.h"
#include "ui/LookAndFeel.h"
#include "ui/WindowLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

bool ImportPhotosDialog::run(QWidget* parent, qint64 classId, const QString& className)
{
    const QString folder = dialogs().existingFolder(parent, tr("Import Photos for %1").arg(className));
    if (folder.isEmpty())
        return false;
    PhotoImportPlan plan;
    {
        std::optional<look::BusyPointer> busy;
        if (parent)
            busy.emplace(parent);
        plan = planPhotoImport(classId, folder);
    }
    ImportPhotosDialog dialog(std::move(plan), className, parent);
    dialog.exec();
    return dialog.stored() > 0;
}

ImportPhotosDialog::ImportPhotosDialog(PhotoImportPlan plan, const QString& className, QWidget* parent)
    : QDialog(parent)
    , m_plan(std::move(plan))
{
    setObjectName(QStringLiteral("ImportPhotos"));
    setWindowTitle(tr("Import Photos"));
    setFont(designFont(9));
    resize(px(9000), px(7200));
    auto* layout = new QVBoxLayout(this);

    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("lblSummary"));
    summary->setWordWrap(true);
    summary->setText(tr("Pictures in %1 for %2. Nothing has been written yet.\nStudents who get a photo: %3. "
                        "Students without a picture: %4. Pictures that match no student: %5. Pictures that cannot "
                        "be used: %6.")
                         .arg(QDir::toNativeSeparators(m_plan.folder), className)
                         .arg(m_plan.matches.size())
                         .arg(m_plan.studentsWithoutPicture.size())
                         .arg(m_plan.filesWithoutStudent.size())
                         .arg(m_plan.problems.size()));
    layout->addWidget(summary);

    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("PreviewList"));
    list->setHeaderLabels({tr("Student or picture"), tr("Picture or reason")});
    layout->addWidget(list, 1);
    QList<QStringList> matches;
    for (const PhotoImportPlan::Match& match : std::as_const(m_plan.matches))
        matches.append({match.studentName,
            QFileInfo(match.file).fileName() + (match.replacesPhoto ? tr(" (replaces the photo)") : QString())});
    preview::addSection(list, tr("Students who get a photo (%1)").arg(matches.size()), matches, true);
    QList<QStringList> without;
    for (const QString& name : std::as_const(m_plan.studentsWithoutPicture))
        without.append({name});
    preview::addSection(list, tr("Students without a picture (%1)").arg(without.size()), without, true);
    QList<QStringList> unmatched;
    for (const QString& file : std::as_const(m_plan.filesWithoutStudent))
        unmatched.append({file});
    preview::addSection(list, tr("Pictures that match no student (%1)").arg(unmatched.size()), unmatched, true);
    QList<QStringList> problems;
    for (const PhotoImportPlan::Problem& problem : std::as_const(m_plan.problems))
        problems.append({problem.file, problem.reason});
    preview::addSection(list, tr("Pictures that cannot be used (%1)").arg(problems.size()), problems, true);
    preview::fitColumns(list);

    preview::addButtons(this, layout, tr("Import"), !m_plan.matches.isEmpty(), [this] { return importNow(); });
    look::ApplyStandardColours(this);
}

bool ImportPhotosDialog::importNow()
{
    const QString caption = tr("Import Photos");
    const QList<db::NewPhoto> photos = photosToStore(m_plan);
    QProgressDialog progress(tr("Storing photos…"), tr("Cancel"), 0, int(photos.size()), this);
    progress.setObjectName(QStringLiteral("TaskProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    try {
        m_stored = db::storePhotos(photos, [&progress](qint64 done, qint64) {
            progress.setValue(int(done));
            return !progress.wasCanceled();
        });
    } catch (const Cancelled& cancelled) {
        dialogs().message(this, cancelled.description(), caption, UserDialogs::Icon::Information);
        return false;
    } catch (const Failure& failure) {
        dialogs().message(this, tr("The photos could not be stored: %1").arg(failure.description()), caption,
            UserDialogs::Icon::Warning);
        return false;
    }
    progress.reset();
    dialogs().message(this, tr("Photos stored: %1.").arg(m_stored), caption, UserDialogs::Icon::Information);
    return true;
}
