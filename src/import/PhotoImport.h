#pragma once

#include "import/ImportWrites.h"

#include <QList>
#include <QString>
#include <QStringList>

// What taking a class's photos from a folder of pictures would do. Each picture goes to the
// student of the class whose name is the file's name without its extension, letter case and
// surrounding spaces aside.
struct PhotoImportPlan
{
    struct Match
    {
        qint64 studentId = 0;
        QString studentName;
        QString file; // the picture's path
        bool replacesPhoto = false; // the student has a photo already
    };
    struct Problem
    {
        QString file; // the picture's name
        QString reason;
    };

    QString folder;
    QList<Match> matches;
    QStringList studentsWithoutPicture;
    QStringList filesWithoutStudent;
    QList<Problem> problems; // pictures that match but cannot be used
};

// Only picture files are looked at (by their extension); hidden files and folders are not.
PhotoImportPlan planPhotoImport(qint64 classId, const QString& folder);

// The matched photos as the transaction stores them.
QList<db::NewPhoto> photosToStore(const PhotoImportPlan& plan);
