#pragma once

#include <QSqlQuery>
#include <QString>

namespace db {
class Engine;
}

// Statement helpers shared by the data layer's files; nothing outside src/data uses them.
namespace db::sql {

// A statement prepared on the shared connection; throws the engine's failure in plain words.
QSqlQuery prepared(const QString& sql);
// A forward-only read statement: rows are read once, in order, and never held back.
QSqlQuery reading(const QString& sql);
void run(QSqlQuery& query);
void run(const QString& sql);

// A write transaction that takes the register's write lock at once, so two users saving
// together queue behind the busy timeout instead of failing half-way. Rolls back unless
// committed.
class WriteTransaction
{
public:
    WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    ~WriteTransaction();
    void commit();

private:
    bool m_committed = false;
};

// For its life, the statements of this thread run on another named connection and engine:
// how a second register is built while the shared one stays open.
class Redirect
{
public:
    Redirect(const QString& connectionName, Engine& engine);
    Redirect(const Redirect&) = delete;
    Redirect& operator=(const Redirect&) = delete;
    ~Redirect();

private:
    QString m_previousName;
    Engine* m_previousEngine;
};

// Qt binds a null QString as SQL NULL; the register stores empty text as '' instead.
QString text(const QString& value);

} // namespace db::sql
