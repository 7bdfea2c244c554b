#pragma once

// The engine's own statement trace and query plans, shared by the benchmark and the query plan
// test: the statements are taken from the engine while the program runs, not listed by hand,
// so a statement added later is checked too.

#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <dlfcn.h>

// Records the text of every statement run on one connection, through the trace of the SQLite
// library that Qt's driver loaded.
class StatementTrace
{
public:
    explicit StatementTrace(const QSqlDatabase& connection)
    {
        void* library = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_NOLOAD);
        if (!library)
            return;
        m_trace = reinterpret_cast<TraceFunction>(dlsym(library, "sqlite3_trace_v2"));
        m_sql = reinterpret_cast<SqlFunction>(dlsym(library, "sqlite3_sql"));
        const QVariant handle = connection.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_connection = *static_cast<void* const*>(handle.constData());
    }
    ~StatementTrace() { stop(); }
    StatementTrace(const StatementTrace&) = delete;
    StatementTrace& operator=(const StatementTrace&) = delete;

    bool available() const { return m_trace && m_sql && m_connection; }
    void start()
    {
        if (available())
            m_trace(m_connection, kTraceStatement, &StatementTrace::traced, this);
    }
    void stop()
    {
        if (available())
            m_trace(m_connection, 0, nullptr, nullptr);
    }
    // The statements that read or write rows; transactions and pragmas are left out.
    QStringList statements() const
    {
        QStringList found;
        for (const QString& statement : m_statements) {
            const QString upper = statement.left(6).toUpper();
            if (upper == QLatin1String("SELECT") || upper == QLatin1String("UPDATE") || upper == QLatin1String("DELETE")
                || upper == QLatin1String("INSERT"))
                found << statement;
        }
        found.sort();
        return found;
    }

private:
    using Callback = int (*)(unsigned, void*, void*, void*);
    using TraceFunction = int (*)(void*, unsigned, Callback, void*);
    using SqlFunction = const char* (*)(void*);
    static constexpr unsigned kTraceStatement = 0x01;

    static int traced(unsigned, void* context, void* statement, void*)
    {
        auto* self = static_cast<StatementTrace*>(context);
        if (const char* sql = self->m_sql(statement))
            self->m_statements.insert(QString::fromUtf8(sql).simplified());
        return 0;
    }

    TraceFunction m_trace = nullptr;
    SqlFunction m_sql = nullptr;
    void* m_connection = nullptr;
    QSet<QString> m_statements;
};

// The plan lines of a statement that read a register table row by row, or sort photo bytes
// outside an index (sorting forty names is nothing; sorting their photos copies every byte).
inline QStringList tableScans(const QSqlDatabase& connection, const QString& statement)
{
    // The driver names its placeholders :0, :1 and so on; each is given a value.
    QString text = statement;
    static const QRegularExpression placeholder(QStringLiteral(":\\d+\\b"));
    qsizetype values = 0;
    for (auto match = placeholder.globalMatch(text); match.hasNext(); match.next())
        ++values;
    text.replace(placeholder, QStringLiteral("?"));
    QSqlQuery plan(connection);
    if (!plan.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + text))
        return {QStringLiteral("cannot be planned: ") + plan.lastError().text()};
    for (qsizetype i = 0; i < values; ++i)
        plan.addBindValue(1);
    if (!plan.exec())
        return {QStringLiteral("cannot be planned: ") + plan.lastError().text()};
    QStringList found;
    static const QRegularExpression scan(QStringLiteral("^SCAN (tblAttendance|tblStudents|tblClassName)\\b"));
    // A sorter is only a cost when it copies photos: a photo's length is no copy of it.
    static const QRegularExpression photoLength(QStringLiteral("length\\((\\w+\\.)?Image\\)"));
    const bool readsPhotos = QString(statement).remove(photoLength).contains(QLatin1String("Image"));
    while (plan.next()) {
        const QString detail = plan.value(3).toString();
        if (scan.match(detail).hasMatch() || (detail.contains(QLatin1String("TEMP B-TREE")) && readsPhotos))
            found << detail;
    }
    return found;
}
