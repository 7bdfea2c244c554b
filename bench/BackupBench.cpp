#include "BackupBench.h"

#include "Timing.h"

#include "core/Failure.h"
#include "import/ImportWrites.h"
#include "import/StudentImport.h"
#include "register/Database.h"
#include "register/RegisterFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

double millisecondsSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void syncFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void copyFile(const QString& from, const QString& to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        throw Failure(QStringLiteral("could not copy %1 to %2").arg(from, to));
}

// A passport-like picture, different for every student, saved as a camera would save it.
void writePortrait(const QString& path, int variant)
{
    QRandomGenerator numbers(quint32(variant) * 2654435761u);
    QImage picture(640, 480, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        QLinearGradient background(0, 0, 0, 480);
        background.setColorAt(0, QColor::fromHsv(numbers.bounded(360), 80, 220));
        background.setColorAt(1, QColor::fromHsv(numbers.bounded(360), 120, 120));
        painter.fillRect(picture.rect(), background);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromHsv(numbers.bounded(360), 150, 90));
        painter.drawEllipse(QPointF(320, 520), 230, 170);
        painter.setBrush(QColor::fromHsv(20 + numbers.bounded(20), 110, 200));
        painter.drawEllipse(QPointF(320, 220), 100, 130);
    }
    for (int y = 0; y < picture.height(); y += 2) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int grain = int(numbers.bounded(16)) - 8;
            line[x] = qRgb(qBound(0, qRed(line[x]) + grain, 255), qBound(0, qGreen(line[x]) + grain, 255),
                qBound(0, qBlue(line[x]) + grain, 255));
        }
    }
    if (!picture.save(path, "jpg", 85))
        throw Failure(QStringLiteral("could not write %1").arg(path));
}

} // namespace

BackupFigures measureBackups(const QString& registerPath, const QString& scratch, int runs, bool withImport)
{
    BackupFigures figures;
    figures.registerBytes = QFileInfo(registerPath).size();
    const QString copy = scratch + QStringLiteral("/copy.mdb");
    const QString backup = scratch + QStringLiteral("/backup.mdb");

    // Taken in turns, so that neither has the warmer page cache.
    QList<double> copies;
    QList<double> synced;
    QList<double> backups;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        copyFile(registerPath, copy);
        copies.append(millisecondsSince(timer));
        syncFile(copy);
        synced.append(millisecondsSince(timer));
        QFile::remove(copy);

        QFile::remove(backup);
        timer.start();
        db::backupRegisterFile(registerPath, backup);
        backups.append(millisecondsSince(timer));
        QFile::remove(backup);
    }
    figures.copyMs = median(copies);
    figures.copySyncedMs = median(synced);
    figures.backupMs = median(backups);
    if (!withImport)
        return figures;

    // The spreadsheet of a school office: 50 classes of 40, each student with a photo.
    std::printf("  writing %d photos for the import\n", kImportedStudents);
    std::fflush(stdout);
    const QString sheetFolder = scratch + QStringLiteral("/import");
    QDir().mkpath(sheetFolder + QStringLiteral("/photos"));
    QByteArray sheet = "Class;Name;Photo\r\n";
    for (int i = 0; i < kImportedStudents; ++i) {
        const QString photo = QStringLiteral("photos/%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        writePortrait(sheetFolder + QLatin1Char('/') + photo, i);
        sheet += QStringLiteral("Class %1;\"Student %2, %3\";%4\r\n")
                     .arg(i % 50 + 1)
                     .arg(i)
                     .arg(QChar(0x00C0 + i % 60))
                     .arg(photo)
                     .toUtf8();
    }
    QFile file(sheetFolder + QStringLiteral("/students.csv"));
    if (!file.open(QIODevice::WriteOnly) || file.write(sheet) != sheet.size())
        throw Failure(QStringLiteral("could not write the spreadsheet"));
    file.close();

    const QString target = scratch + QStringLiteral("/imported.mdb");
    db::createTemplate(target);
    db::open(target);
    QElapsedTimer timer;
    timer.start();
    const StudentImportPlan plan = planStudentImport(file.fileName());
    figures.importPlanMs = millisecondsSince(timer);
    timer.start();
    figures.importedStudents = db::importStudents(plan.toAdd).studentsAdded;
    figures.importWriteMs = millisecondsSince(timer);
    db::close();
    return figures;
}
