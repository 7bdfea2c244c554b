#include "import/ImportWrites.h"

#include "register/RegisterEvents.h"

#include "core/Photo.h"
#include "register/Database.h"
#include "register/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

namespace db {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Import)
};

QByteArray photoBytes(const QString& path)
{
    return StorePhoto(loadChosenPicture(path));
}

void stopIfAsked(const Progress& progress, qint64 done, qint64 total)
{
    if (progress && !progress(done, total))
        throw Cancelled(Text::tr("The import was cancelled; nothing was written."));
}

} // namespace

QString nameKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

QHash<QString, qint64> classIdsByNameKey()
{
    QHash<QString, qint64> ids;
    for (const ClassRow& row : classes()) {
        const QString key = nameKey(row.name);
        if (!ids.contains(key))
            ids.insert(key, row.id);
    }
    return ids;
}

ImportResult importStudents(const QList<NewStudent>& students, const Progress& progress)
{
    ImportResult result;
    const qint64 total = students.size();
    stopIfAsked(progress, 0, total);
    // The register is read again inside the transaction: another user's import or edit since
    // the preview is then seen, and nothing is added twice.
    sql::WriteTransaction transaction;
    QHash<QString, qint64> classIds = classIdsByNameKey();
    QHash<qint64, QSet<QString>> namesByClass;
    for (qsizetype i = 0; i < students.size(); ++i) {
        const NewStudent& student = students.at(i);
        const QString classKey = nameKey(student.className);
        auto found = classIds.constFind(classKey);
        qint64 classId = 0;
        if (found == classIds.constEnd()) {
            classId = addClass(student.className.trimmed());
            classIds.insert(classKey, classId);
            namesByClass.insert(classId, {});
            ++result.classesCreated;
        } else {
            classId = *found;
        }
        auto names = namesByClass.find(classId);
        if (names == namesByClass.end()) {
            QSet<QString> known;
            for (const StudentRow& row : studentsOfClass(classId, false))
                known.insert(nameKey(row.name));
            names = namesByClass.insert(classId, known);
        }
        const QString key = nameKey(student.name);
        if (names->contains(key)) {
            ++result.alreadyPresent;
        } else {
            std::optional<QByteArray> photo;
            if (!student.photoPath.isEmpty()) {
                try {
                    photo = photoBytes(student.photoPath);
                } catch (const Failure& failure) {
                    throw Failure(
                        Text::tr("Line %1: %2 Nothing was imported.").arg(student.line).arg(failure.description()));
                }
            }
            addStudent(student.name.trimmed(), classId, photo);
            names->insert(key);
            ++result.studentsAdded;
        }
        stopIfAsked(progress, i + 1, total);
    }
    transaction.commit();
    // Announced once for the whole batch, after it has committed.
    if (result.classesCreated > 0)
        Q_EMIT db::RegisterEvents::instance().classesChanged();
    if (result.studentsAdded > 0)
        Q_EMIT db::RegisterEvents::instance().studentsChanged();
    return result;
}

int storePhotos(const QList<NewPhoto>& photos, const Progress& progress)
{
    const qint64 total = photos.size();
    stopIfAsked(progress, 0, total);
    int stored = 0;
    sql::WriteTransaction transaction;
    QSqlQuery update = sql::prepared(QStringLiteral("UPDATE tblStudents SET Image=? WHERE id=?"));
    for (qsizetype i = 0; i < photos.size(); ++i) {
        const NewPhoto& photo = photos.at(i);
        QByteArray bytes;
        try {
            bytes = photoBytes(photo.path);
        } catch (const Failure& failure) {
            throw Failure(Text::tr("%1 Nothing was imported.").arg(failure.description()));
        }
        update.addBindValue(bytes);
        update.addBindValue(photo.studentId);
        sql::run(update);
        stored += update.numRowsAffected() > 0 ? 1 : 0;
        stopIfAsked(progress, i + 1, total);
    }
    transaction.commit();
    if (stored > 0)
        Q_EMIT db::RegisterEvents::instance().studentsChanged();
    return stored;
}

} // namespace db
