#include "backup/InstanceLock.h"

#include "core/SharedRoutines.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace backup {

InstanceLock& InstanceLock::program()
{
    static InstanceLock lock;
    return lock;
}

QString InstanceLock::lockPath()
{
    return liveDatabasePath() + QStringLiteral(".lock");
}

InstanceLock::~InstanceLock()
{
    release();
}

bool InstanceLock::openFile()
{
    if (m_fd >= 0)
        return true;
    const QByteArray path = QFile::encodeName(lockPath());
    // Read access is all that flock() needs, so a lock file made by another user serves every
    // user who can read it; one made here is readable by all and writable by the group.
    m_fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0664);
    if (m_fd < 0)
        return false;
    struct stat status = {};
    if (::fstat(m_fd, &status) == 0 && status.st_uid == ::geteuid())
        ::fchmod(m_fd, 0664);
    return true;
}

bool InstanceLock::lockShared(int waitMs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::flock(m_fd, LOCK_SH | LOCK_NB) == 0) {
            m_state = State::Shared;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (waited.elapsed() >= waitMs)
            return false;
        QThread::msleep(50);
    }
}

bool InstanceLock::acquireShared(int waitMs)
{
    if (m_state == State::Shared)
        return true;
    if (!openFile())
        return false;
    return lockShared(waitMs);
}

bool InstanceLock::tryExclusive()
{
    if (m_state == State::Exclusive)
        return true;
    const bool wasShared = m_state == State::Shared;
    if (!openFile())
        return false;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_state = State::Exclusive;
        return true;
    }
    // A refused conversion may already have given up the shared lock: take it again.
    if (wasShared) {
        m_state = State::None;
        lockShared(5000);
    } else {
        ::close(m_fd);
        m_fd = -1;
        m_state = State::None;
    }
    return false;
}

bool InstanceLock::fileUsable()
{
    if (m_fd >= 0)
        return true;
    if (!openFile())
        return false;
    ::close(m_fd);
    m_fd = -1;
    return true;
}

void InstanceLock::backToShared()
{
    if (m_state != State::Exclusive)
        return;
    if (::flock(m_fd, LOCK_SH) == 0)
        m_state = State::Shared;
}

void InstanceLock::release()
{
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
    m_state = State::None;
}

} // namespace backup
