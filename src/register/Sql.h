#pragma once

#include <QSqlQuery>
#include <QString>

namespace db {
class Engine;
}

// Statement helpers over the register's connection, for the register and for the capabilities
// that keep SQL of their own (the report queries, the import writes).
namespace db::sql {

// A statement prepared on the shared connection; throws the engine's failure in plain words.
// On a server the statement is kept for the connection and the same one is handed out for the
// same text: bind its values and run it before asking for that text again, and finish reading
// it first.
QSqlQuery prepared(const QString& sql);
// A forward-only read statement: rows are read once, in order, and never held back. Outside a
// write transaction, a read whose server connection was lost is run once more on a new one.
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

// Qt binds a null QString as SQL NULL; the register stores empty text as '' instead.
QString text(const QString& value);

} // namespace db::sql
