#pragma once

#include <QDate>
#include <QObject>

#include <functional>

namespace db {

// What changed in the register, announced by the register itself after each write has
// committed, so that whatever shows its rows can read them again. Windows listen here; none
// calls another window to tell it. Signals come on the thread that wrote, which for the shared
// connection is the program's main thread.
class RegisterEvents : public QObject
{
    Q_OBJECT

public:
    static RegisterEvents& instance();

    // Asked before a restore replaces the register, with the object asking (the parent of any
    // question), so that the main window can offer to save its marks first; false stops the
    // restore. Without a guard the restore goes ahead.
    void setReplaceGuard(std::function<bool(QObject* asking)> guard) { m_guard = std::move(guard); }
    bool mayReplace(QObject* asking) const { return !m_guard || m_guard(asking); }

Q_SIGNALS:
    // A class was added or deleted (its students with it).
    void classesChanged();
    // Students were added, changed (name, class, photo) or deleted.
    void studentsChanged();
    // A class's marks for a day were saved.
    void marksSaved(const QDate& date);
    // The school calendar was changed.
    void calendarChanged();
    // The attendance codes were changed: what each word means, its colour and its key.
    void codesChanged();
    // A planned absence was added or cancelled.
    void plannedAbsencesChanged();
    // The school changed how many registers it keeps a day, or when the afternoon's begins.
    void sessionsChanged();
    // A restore replaced the register, which is open again: everything shown from it is stale.
    void registerReplaced();

private:
    std::function<bool(QObject*)> m_guard;
};

} // namespace db
