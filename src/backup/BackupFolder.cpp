#include "backup/BackupFolder.h"

#include "backup/InstanceLock.h"
#include "core/Failure.h"
#include "core/SharedRoutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace backup {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Backups)
};

const QRegularExpression& dailyPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^dbAttendance-(\\d{4}-\\d{2}-\\d{2})\\.mdb$"));
    return pattern;
}

const QRegularExpression& extraPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^dbAttendance-(\\d{4}-\\d{2}-\\d{2})-(\\d{6})(?:-\\d+)?(?:-(before-restore|before-change))?\\.mdb$"));
    return pattern;
}

QString occasionTag(Occasion occasion)
{
    switch (occasion) {
    case Occasion::BeforeRestore:
        return QStringLiteral("-before-restore");
    case Occasion::BeforeChange:
        return QStringLiteral("-before-change");
    default:
        return QString();
    }
}

QString extraName(const QDateTime& now, int attempt, Occasion occasion)
{
    QString name = QStringLiteral("dbAttendance-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    if (attempt > 0)
        name += QStringLiteral("-%1").arg(attempt + 1);
    return name + occasionTag(occasion) + QStringLiteral(".mdb");
}

// The folder is shared the way the data folder is: its group, and its mode with the bit that
// hands the group on to the backups made in it.
void makeFolder()
{
    const QString path = folder();
    const QFileInfo info(path);
    if (info.isDir())
        return;
    if (info.exists())
        throw Failure(
            Text::tr("The backups cannot be written: %1 is a file, not a folder.").arg(QDir::toNativeSeparators(path)));
    if (!QDir().mkpath(path))
        throw Failure(
            Text::tr("The folder %1 for the backups could not be created.").arg(QDir::toNativeSeparators(path)));
    struct stat data = {};
    if (::stat(QFile::encodeName(DataFolder()).constData(), &data) == 0) {
        const QByteArray local = QFile::encodeName(path);
        if (::chown(local.constData(), uid_t(-1), data.st_gid) != 0) {
            // Not a member of the data folder's group: the folder keeps the one it inherited.
        }
        ::chmod(local.constData(), data.st_mode & 07777);
    }
}

// The backup gets the register's own permissions, so that every user who shares the register
// can restore from it.
void shareLikeRegister(const QString& path)
{
    struct stat live = {};
    if (::stat(QFile::encodeName(liveDatabasePath()).constData(), &live) == 0)
        ::chmod(QFile::encodeName(path).constData(), live.st_mode & 0666);
}

// Gives `from` the name `to` unless `to` already exists; false when it does.
bool renameUnlessTaken(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system that cannot refuse to replace: a new hard link can.
        if (::link(source.constData(), target.constData()) == 0) {
            ::unlink(source.constData());
            return true;
        }
        if (errno == EEXIST)
            return false;
    }
    throw Failure(Text::tr("The backup could not be given its name %1: %2")
                      .arg(QDir::toNativeSeparators(to), QString::fromLocal8Bit(std::strerror(errno))));
}

QString partPath(const QString& name)
{
    return folder() + QStringLiteral("/.") + name
        + QStringLiteral(".part-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

enum class Kind { Daily, Any };

QString writeBackup(
    Kind kind, const QDateTime& now, const Progress& progress, db::Interruption* interruption, Occasion occasion)
{
    const QString daily = folder() + QLatin1Char('/') + dailyName(now.date());
    if (kind == Kind::Daily && QFileInfo::exists(daily))
        return QString();
    makeFolder();
    // The copy is made under a name that no one takes for a backup, then renamed: a backup cut
    // short never carries a backup's name.
    const QString part = partPath(dailyName(now.date()));
    db::backupRegisterFile(liveDatabasePath(), part, progress, interruption);
    try {
        shareLikeRegister(part);
        if (!QFileInfo::exists(daily) && renameUnlessTaken(part, daily))
            return daily;
        if (kind == Kind::Daily) {
            // Another user's program took the day's backup meanwhile.
            QFile::remove(part);
            return QString();
        }
        for (int attempt = 0;; ++attempt) {
            const QString extra = folder() + QLatin1Char('/') + extraName(now, attempt, occasion);
            if (renameUnlessTaken(part, extra))
                return extra;
        }
    } catch (...) {
        QFile::remove(part);
        throw;
    }
}

} // namespace

QString folder()
{
    return backupFolderPath();
}

QString whenTaken(const BackupFile& file)
{
    // The form is the language's own: "9. Dezember 2026" in German.
    return QLocale().toString(file.taken, Text::tr("d MMMM yyyy, HH:mm:ss"));
}

QString occasionText(Occasion occasion)
{
    switch (occasion) {
    case Occasion::Daily:
        return Text::tr("daily");
    case Occasion::Monthly:
        return Text::tr("monthly");
    case Occasion::ByHand:
        return Text::tr("taken by hand");
    case Occasion::BeforeRestore:
        return Text::tr("before a restore");
    case Occasion::BeforeChange:
        return Text::tr("before a change to many rows");
    }
    return QString();
}

QString dailyName(const QDate& day)
{
    return QStringLiteral("dbAttendance-") + day.toString(Qt::ISODate) + QStringLiteral(".mdb");
}

std::optional<QDate> dayOfDailyName(const QString& fileName)
{
    const QRegularExpressionMatch match = dailyPattern().match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate day = QDate::fromString(match.captured(1), Qt::ISODate);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

QList<BackupFile> list()
{
    QList<BackupFile> found;
    const QFileInfoList entries = QDir(folder()).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        BackupFile file;
        file.path = entry.absoluteFilePath();
        file.size = entry.size();
        if (const std::optional<QDate> day = dayOfDailyName(entry.fileName())) {
            file.daily = true;
            // To the second, as the names of the extra backups are.
            const QTime time = entry.lastModified().time();
            file.taken = QDateTime(*day, QTime(time.hour(), time.minute(), time.second()));
        } else if (const QRegularExpressionMatch match = extraPattern().match(entry.fileName()); match.hasMatch()) {
            file.taken
                = QDateTime::fromString(match.captured(1) + match.captured(2), QStringLiteral("yyyy-MM-ddHHmmss"));
            if (!file.taken.isValid())
                continue;
            if (match.captured(3) == QLatin1String("before-restore"))
                file.occasion = Occasion::BeforeRestore;
            else if (match.captured(3) == QLatin1String("before-change"))
                file.occasion = Occasion::BeforeChange;
        } else {
            continue;
        }
        found.append(file);
    }
    std::sort(found.begin(), found.end(), [](const BackupFile& a, const BackupFile& b) {
        if (a.taken != b.taken)
            return a.taken > b.taken;
        // Within the same second the extra one came later: a day's daily backup is its first.
        return b.daily && !a.daily;
    });
    int dailies = 0;
    for (BackupFile& file : found) {
        if (file.daily)
            file.occasion = ++dailies <= kDailyBackupsKept ? Occasion::Daily : Occasion::Monthly;
    }
    return found;
}

QSet<QDate> daysToKeep(const QList<QDate>& days, const QDate& today)
{
    QList<QDate> newestFirst = days;
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<QDate>());
    QSet<QDate> kept;
    for (qsizetype i = 0; i < newestFirst.size() && i < kDailyBackupsKept; ++i)
        kept.insert(newestFirst.at(i));
    const QDate thisMonth(today.year(), today.month(), 1);
    for (int back = 0; back < kMonthsKept; ++back) {
        const QDate month = thisMonth.addMonths(-back);
        // Oldest first from the end of the list: the last match is the month's first backup.
        for (auto day = newestFirst.crbegin(); day != newestFirst.crend(); ++day) {
            if (day->year() == month.year() && day->month() == month.month()) {
                kept.insert(*day);
                break;
            }
        }
    }
    return kept;
}

QList<QDate> prune(const QDate& today)
{
    QHash<QDate, QString> daily;
    for (const QFileInfo& entry : QDir(folder()).entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        if (const std::optional<QDate> day = dayOfDailyName(entry.fileName()))
            daily.insert(*day, entry.absoluteFilePath());
    }
    const QSet<QDate> kept = daysToKeep(daily.keys(), today);
    QList<QDate> removed;
    for (auto entry = daily.cbegin(); entry != daily.cend(); ++entry) {
        if (!kept.contains(entry.key()) && QFile::remove(entry.value()))
            removed.append(entry.key());
    }
    std::sort(removed.begin(), removed.end());
    return removed;
}

QString takeBackup(const QDateTime& now, const Progress& progress, db::Interruption* interruption, Occasion occasion)
{
    return writeBackup(Kind::Any, now, progress, interruption, occasion);
}

QString takeBackupOfOpenRegister(const QDateTime& now, const Progress& progress, Occasion occasion)
{
    if (db::registerIsAFile())
        return takeBackup(now, progress, nullptr, occasion);
    makeFolder();
    for (int attempt = 0;; ++attempt) {
        const QString extra = folder() + QLatin1Char('/') + extraName(now, attempt, occasion);
        if (QFileInfo::exists(extra))
            continue;
        db::exportRegisterToFile(extra, progress);
        shareLikeRegister(extra);
        return extra;
    }
}

int removePartFiles()
{
    static const QRegularExpression backupPart(
        QStringLiteral("^\\.dbAttendance-.*\\.mdb\\.part-[0-9a-f]{8}(-journal)?$"));
    static const QRegularExpression registerPart(
        QStringLiteral("^\\.dbAttendance\\.mdb\\.part-[0-9a-f]{8}(-journal)?$"));
    int removed = 0;
    const auto sweep = [&removed](const QString& path, const QRegularExpression& pattern) {
        const QDir dir(path);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (pattern.match(name).hasMatch() && QFile::remove(dir.filePath(name)))
                ++removed;
        }
    };
    sweep(folder(), backupPart);
    sweep(DataFolder(), registerPart);
    return removed;
}

int removeStalePartFiles()
{
    InstanceLock& lock = InstanceLock::program();
    if (lock.isExclusive()) // a restore under way: no other program runs
        return removePartFiles();
    const bool heldBefore = lock.isShared();
    if (!lock.tryExclusive())
        return 0; // another program may be writing one of them
    const int removed = removePartFiles();
    if (heldBefore)
        lock.backToShared();
    else
        lock.release();
    return removed;
}

QString takeDailyBackup(const QDate& today, db::Interruption* interruption)
{
    const QString written
        = writeBackup(Kind::Daily, QDateTime(today, QTime::currentTime()), {}, interruption, Occasion::Daily);
    if (!written.isEmpty())
        prune(today);
    return written;
}

} // namespace backup
