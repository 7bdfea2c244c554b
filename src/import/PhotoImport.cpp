#include "import/PhotoImport.h"

#include "import/StudentImport.h"
#include "register/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>

#include <algorithm>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PhotoImport)
};

const QSet<QString>& pictureSuffixes()
{
    static const QSet<QString> suffixes = [] {
        QSet<QString> found;
        for (const QByteArray& format : QImageReader::supportedImageFormats())
            found.insert(QString::fromLatin1(format).toLower());
        found.insert(QStringLiteral("jpg"));
        found.insert(QStringLiteral("jpeg"));
        return found;
    }();
    return suffixes;
}

} // namespace

PhotoImportPlan planPhotoImport(qint64 classId, const QString& folder)
{
    PhotoImportPlan plan;
    plan.folder = folder;
    QHash<QString, QList<QFileInfo>> filesByKey;
    QStringList keysInOrder;
    const QFileInfoList entries
        = QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (!pictureSuffixes().contains(entry.suffix().toLower()))
            continue;
        const QString key = db::nameKey(entry.completeBaseName());
        if (!filesByKey.contains(key))
            keysInOrder << key;
        filesByKey[key].append(entry);
    }

    // Students with a photo are told apart without reading the photos themselves.
    const QList<db::StudentRow> students = db::studentsOfClass(classId, true);
    QHash<QString, QList<const db::StudentRow*>> studentsByKey;
    for (const db::StudentRow& student : students)
        studentsByKey[db::nameKey(student.name)].append(&student);

    for (const QString& key : std::as_const(keysInOrder)) {
        const QList<QFileInfo>& files = filesByKey.value(key);
        const QList<const db::StudentRow*> named = studentsByKey.value(key);
        if (named.isEmpty()) {
            for (const QFileInfo& file : files)
                plan.filesWithoutStudent << file.fileName();
            continue;
        }
        if (files.size() > 1) {
            for (const QFileInfo& file : files)
                plan.problems.append(
                    {file.fileName(), Text::tr("more than one picture is named %1").arg(named.first()->name)});
            continue;
        }
        if (named.size() > 1) {
            plan.problems.append({files.first().fileName(),
                Text::tr("%1 students of the class are named %2").arg(named.size()).arg(named.first()->name)});
            continue;
        }
        const QString problem = pictureProblem(files.first().absoluteFilePath());
        if (!problem.isEmpty()) {
            plan.problems.append({files.first().fileName(), Text::tr("the picture %1").arg(problem)});
            continue;
        }
        plan.matches.append({named.first()->id, named.first()->name, files.first().absoluteFilePath(),
            !named.first()->image.isEmpty()});
    }
    for (const db::StudentRow& student : students) {
        if (!filesByKey.contains(db::nameKey(student.name)))
            plan.studentsWithoutPicture << student.name;
    }
    return plan;
}

QList<db::NewPhoto> photosToStore(const PhotoImportPlan& plan)
{
    QList<db::NewPhoto> photos;
    for (const PhotoImportPlan::Match& match : plan.matches)
        photos.append({match.studentId, match.file});
    return photos;
}
