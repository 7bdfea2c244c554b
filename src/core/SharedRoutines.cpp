#include "core/SharedRoutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString& applicationTitleStore()
{
    static QString title;
    return title;
}

QString& programFolderOverride()
{
    static QString folder;
    return folder;
}

QString machineWideDataFolder()
{
#if defined(Q_OS_WIN)
    const QString programData = qEnvironmentVariable("ProgramData");
    return programData.isEmpty() ? QStringLiteral("C:\\ProgramData") : programData;
#elif defined(Q_OS_MACOS)
    return QStringLiteral("/Library/Application Support");
#else
    return QStringLiteral("/var/lib");
#endif
}

QString join(const QString& folder, const QString& name)
{
    // An empty folder leaves the path at the root, as the shell's missing folder did.
    return QDir::cleanPath(folder + QLatin1Char('/') + name);
}

} // namespace

QString SpecialFolderPath(int folderId)
{
    if (folderId != kCommonAppData)
        return QString();
    const QString configured = qEnvironmentVariable("ROLLVANE_COMMON_APPDATA").trimmed();
    return QDir::toNativeSeparators(configured.isEmpty() ? machineWideDataFolder() : configured);
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).lastModified().isValid();
}

QString ShortenTitle(const QString& productName)
{
    constexpr qsizetype limit = 40;
    QString title = productName;
    qsizetype lastSpace = title.lastIndexOf(QLatin1Char(' '));
    if (lastSpace >= 0) {
        do {
            title = title.left(lastSpace);
            lastSpace = title.lastIndexOf(QLatin1Char(' '));
        } while (title.size() > limit && lastSpace >= 0);
    }
    title = title.left(limit);
    applicationTitleStore() = title;
    return title;
}

QString applicationTitle()
{
    const QString& title = applicationTitleStore();
    return title.isEmpty() ? QString::fromLatin1(kProductName) : title;
}

QString ProgramFolder()
{
    const QString& forced = programFolderOverride();
    if (!forced.isEmpty())
        return forced;
    return QCoreApplication::applicationDirPath();
}

void overrideProgramFolder(const QString& folder)
{
    programFolderOverride() = folder;
}

QString companyFolder()
{
    return join(SpecialFolderPath(kCommonAppData), QStringLiteral("Quillmark"));
}

QString DataFolder()
{
    return join(companyFolder(), QStringLiteral("Rollvane"));
}

QString liveDatabasePath()
{
    return join(DataFolder(), QStringLiteral("dbAttendance.mdb"));
}

QString templateDatabasePath()
{
    return join(ProgramFolder(), QStringLiteral("dbBlank.mdb"));
}

QString handPointerPath()
{
    return join(ProgramFolder(), QStringLiteral("HAND-M.CUR"));
}

QString skinFilePath()
{
    return join(ProgramFolder(), QStringLiteral("x/o.cjs"));
}

QString backupFolderPath()
{
    return join(DataFolder(), QStringLiteral("Backups"));
}

namespace {

// The path as the file system resolves it: an existing file (or link) by its target, a new one
// by its resolved folder.
QString resolved(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

bool isRegistersOwnFile(const QString& path)
{
    const QString target = resolved(path);
    const QString live = resolved(liveDatabasePath());
    for (const char* suffix : {"", "-journal", "-wal", "-shm", ".lock"}) {
        if (target == live + QLatin1String(suffix))
            return true;
    }
    if (target == resolved(templateDatabasePath()))
        return true;
    const QString backups = resolved(backupFolderPath());
    return target == backups || target.startsWith(backups + QLatin1Char('/'));
}
