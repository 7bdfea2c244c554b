#include "register/sqlite/GroupAccess.h"

#include "register/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace db {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Database)
};

bool inGroup(gid_t group)
{
    if (::getegid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, group) != groups.begin() + got;
}

// The group that stands between the account and the access, when joining it would grant it.
std::optional<gid_t> blockingGroup(const QString& path, int mode)
{
    const QByteArray local = QFile::encodeName(path);
    // The effective ids decide, as they do for the engine's own open.
    if (::faccessat(AT_FDCWD, local.constData(), mode, AT_EACCESS) == 0 || errno != EACCES)
        return std::nullopt;
    struct stat status = {};
    if (::stat(local.constData(), &status) != 0)
        return std::nullopt;
    // The owner is judged by the owner's bits, and a member by the group's: neither is helped by
    // joining.
    if (status.st_uid == ::geteuid() || inGroup(status.st_gid))
        return std::nullopt;
    const mode_t needed = ((mode & R_OK) ? S_IRGRP : 0) | ((mode & W_OK) ? S_IWGRP : 0) | ((mode & X_OK) ? S_IXGRP : 0);
    if ((status.st_mode & needed) != needed)
        return std::nullopt;
    return status.st_gid;
}

QString groupName(gid_t group)
{
    std::vector<char> buffer(16384);
    struct group entry = {};
    struct group* found = nullptr;
    if (::getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->gr_name)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(group);
}

} // namespace

std::optional<QString> notInGroupReason(const QString& path, bool write)
{
    const QFileInfo file(path);
    // The folder first: the file cannot be reached through a folder the account may not enter,
    // and the engine writes its journal beside the file.
    std::optional<gid_t> group = blockingGroup(file.absolutePath(), write ? (X_OK | W_OK) : X_OK);
    if (!group && file.exists())
        group = blockingGroup(file.absoluteFilePath(), write ? (R_OK | W_OK) : R_OK);
    if (!group)
        return std::nullopt;
    return notInGroupText(Author::current().user, groupName(*group));
}

QString notInGroupText(const QString& user, const QString& group)
{
    return Text::tr("You cannot use the register because your account is not in the group \"%1\". Ask the "
                    "administrator to run: adduser %2 %1")
               .arg(group, user)
        // On a line of its own, so that nobody reads it as part of the command.
        + QLatin1Char('\n') + Text::tr("The change takes effect at your next login.");
}

} // namespace db
