#pragma once

#include <QString>

namespace backup {

// Tells a restore whether another running Rollvane has the register open. Every running
// program holds a shared lock on a file of its own beside the register for its whole run; a
// restore replaces the register only while it can hold the lock alone. The lock is flock() on
// DataFolder()/dbAttendance.mdb.lock, never a lock on the register itself: SQLite keeps its
// own POSIX locks on the register, which closing any other descriptor of that file would drop.
class InstanceLock
{
public:
    // The lock of this running program.
    static InstanceLock& program();
    // The file the lock is taken on.
    static QString lockPath();

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Taken at start-up before the register is opened, and kept. While a restore replaces the
    // register this waits for it, up to waitMs; false when the lock could not be had, in which
    // case the program runs on without it.
    bool acquireShared(int waitMs = 30000);
    // For a restore: true when no other program holds the lock, which this one then holds
    // alone until backToShared(). On false the lock is as it was.
    bool tryExclusive();
    void backToShared();
    void release();
    // Whether the lock file can be opened at all; when it cannot, no program holds the lock and
    // none can take it.
    bool fileUsable();

    bool isShared() const { return m_state == State::Shared; }
    bool isExclusive() const { return m_state == State::Exclusive; }

private:
    enum class State { None, Shared, Exclusive };

    bool openFile();
    bool lockShared(int waitMs);

    int m_fd = -1;
    State m_state = State::None;
};

} // namespace backup
