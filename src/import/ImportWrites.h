#pragma once

#include "register/RegisterFiles.h"

#include <QHash>
#include <QList>
#include <QString>

// Students and photos brought in from files, each import written in one transaction.
namespace db {

// What makes two class or student names the same for an import: letter case and the spaces
// around them do not count.
QString nameKey(const QString& name);

// The class each name key stands for: of classes whose names differ only in case, the first
// one listed.
QHash<QString, qint64> classIdsByNameKey();

struct NewStudent
{
    int line = 0; // where the student stands in the file, for messages
    QString className;
    QString name;
    QString photoPath; // a picture file; empty for none
};

struct ImportResult
{
    int classesCreated = 0;
    int studentsAdded = 0;
    int alreadyPresent = 0; // found in their class when the import wrote, and left alone
};

// Adds the students, creating the classes that are not there yet, all in one transaction. A
// student whose name is already in the class is left alone, so that importing a file again
// adds nothing. Photos are stored as the student editor stores them. A picture that cannot be
// read after all, a stop asked for through progress (Cancelled) or any other failure writes
// nothing.
ImportResult importStudents(const QList<NewStudent>& students, const Progress& progress = {});

struct NewPhoto
{
    qint64 studentId = 0;
    QString path;
};

// Stores each picture as its student's photo, replacing any photo the student had, in one
// transaction; returns how many students got one (a student deleted meanwhile gets none).
// Fails, or stops, as importStudents does.
int storePhotos(const QList<NewPhoto>& photos, const Progress& progress = {});

} // namespace db
