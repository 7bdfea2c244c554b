#include "TestSupport.h"

#include "attendance/MainWindow.h"
#include "attendance/StudentCard.h"
#include "data/Database.h"
#include "data/Photo.h"
#include "data/PhotoCache.h"
#include "roster/ManageClassesWindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

#include <algorithm>

#include <dlfcn.h>

// Every statement that runs once per card or once per save must find its rows through an index:
// with millions of marks a single scan of tblAttendance costs more than the whole listing. The
// statements are not listed here; they are taken from the engine while the windows list, load
// and save a class, so a statement added later is checked too.
class TestQueryPlans : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theCheckSeesAScan();
    void everyStatementPerCardAndPerSaveUsesAnIndex();
};

namespace {

// The engine's own statement trace, reached through the library the SQL driver loaded.
class StatementTrace
{
public:
    StatementTrace()
    {
        void* library = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_NOLOAD);
        if (!library)
            return;
        m_trace = reinterpret_cast<TraceFunction>(dlsym(library, "sqlite3_trace_v2"));
        m_sql = reinterpret_cast<SqlFunction>(dlsym(library, "sqlite3_sql"));
        const QVariant handle = db::connection().driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_connection = *static_cast<void* const*>(handle.constData());
    }
    ~StatementTrace() { stop(); }
    StatementTrace(const StatementTrace&) = delete;
    StatementTrace& operator=(const StatementTrace&) = delete;

    bool available() const { return m_trace && m_sql && m_connection; }
    void start() { m_trace(m_connection, kTraceStatement, &StatementTrace::traced, this); }
    void stop()
    {
        if (available())
            m_trace(m_connection, 0, nullptr, nullptr);
    }
    const QSet<QString>& statements() const { return m_statements; }

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

// The plan lines that read a register table row by row, or sort photos outside an index.
QStringList scans(const QString& statement)
{
    // The driver names its placeholders :0, :1 and so on; they are given a value each.
    QString text = statement;
    static const QRegularExpression placeholder(QStringLiteral(":\\d+\\b"));
    qsizetype values = 0;
    for (auto match = placeholder.globalMatch(text); match.hasNext(); match.next())
        ++values;
    text.replace(placeholder, QStringLiteral("?"));
    QSqlQuery plan(db::connection());
    if (!plan.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + text))
        return {QStringLiteral("cannot be planned: ") + plan.lastError().text()};
    for (qsizetype i = 0; i < values; ++i)
        plan.addBindValue(1);
    if (!plan.exec())
        return {QStringLiteral("cannot be planned: ") + plan.lastError().text()};
    QStringList found;
    while (plan.next()) {
        const QString detail = plan.value(3).toString();
        static const QRegularExpression scan(QStringLiteral("^SCAN (tblAttendance|tblStudents|tblClassName)\\b"));
        // Sorting a class's forty names is nothing; sorting their photos copies every byte.
        if (scan.match(detail).hasMatch()
            || (detail.contains(QLatin1String("TEMP B-TREE")) && statement.contains(QLatin1String("Image"))))
            found << detail;
    }
    return found;
}

void fillMarks(int days)
{
    // Many days of marks for every student, so that the planner's figures look like a school's.
    QSqlQuery query(db::connection());
    QVERIFY(query.exec(QStringLiteral("BEGIN")));
    QVERIFY(query.exec(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                       "INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) "
                       "SELECT s.id, date('2020-01-01', '+' || n.i || ' days'), 'Present', '' FROM tblStudents s, n")
            .arg(days - 1)));
    QVERIFY(query.exec(QStringLiteral("COMMIT")));
    QVERIFY(query.exec(QStringLiteral("ANALYZE")));
}

} // namespace

void TestQueryPlans::theCheckSeesAScan()
{
    TestEnvironment env;
    env.openRegister();
    // The literal design's lookup on a file without the index.
    QSqlQuery drop(db::connection());
    QVERIFY(drop.exec(QStringLiteral("DROP INDEX ixAttendanceKey")));
    QVERIFY(!scans(QStringLiteral("select * from tblAttendance where StudentID=1 and [Date]='2024-01-01'")).isEmpty());
    QVERIFY(scans(QStringLiteral("select * from tblStudents where id=1")).isEmpty());
}

void TestQueryPlans::everyStatementPerCardAndPerSaveUsesAnIndex()
{
    TestEnvironment env;
    env.openRegister();
    QList<qint64> classes;
    for (int c = 0; c < 4; ++c) {
        const qint64 classId = db::addClass(QStringLiteral("Class %1").arg(c));
        classes << classId;
        for (int s = 0; s < 12; ++s)
            db::addStudent(QStringLiteral("Student %1").arg(s, 2, 10, QLatin1Char('0')), classId,
                s % 3 ? std::optional<QByteArray>(StorePhoto(samplePicture(120, 90, QColor(20 * s, 80, 160))))
                      : std::nullopt);
    }
    fillMarks(400);

    StatementTrace trace;
    if (!trace.available())
        QSKIP("The SQL driver does not use the system's SQLite library here, so its statements cannot be traced.");

    MainWindow window;
    window.LoadClassList();
    ManageClassesWindow manage;
    manage.load();
    PhotoCache::shared().clear();

    trace.start();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* picker = window.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
    for (const QDate& day : {QDate(2020, 6, 1), QDate(2031, 1, 1)}) {
        {
            const QSignalBlocker quietCombo(combo);
            const QSignalBlocker quietPicker(picker);
            combo->setCurrentIndex(1);
            picker->setDate(day);
        }
        // A first visit, a repeat visit, a first save and a save again.
        window.ClearCards();
        window.ListStudent();
        window.ClearCards();
        window.ListStudent();
        QCOMPARE(window.listedCards().size(), 12);
        window.listedCards().first()->setStatus(QStringLiteral("Late"));
        window.SaveAttendance();
        window.SaveAttendance();
    }
    auto* manageCombo = manage.findChild<QComboBox*>(QStringLiteral("Combo1"));
    manageCombo->setCurrentIndex(2);
    manage.FillStudentList();
    trace.stop();

    QStringList checked;
    QStringList failures;
    for (const QString& statement : trace.statements()) {
        const QString upper = statement.toUpper();
        if (!upper.startsWith(QLatin1String("SELECT")) && !upper.startsWith(QLatin1String("UPDATE"))
            && !upper.startsWith(QLatin1String("DELETE")) && !upper.startsWith(QLatin1String("INSERT")))
            continue; // transactions, pragmas and the triggers' own bodies
        checked << statement;
        for (const QString& scan : scans(statement))
            failures << statement + QStringLiteral("  ->  ") + scan;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    // The trace saw the lookups and writes of the marks and the listing of the students.
    const auto mentions = [&checked](const char* table) {
        return std::any_of(checked.cbegin(), checked.cend(),
            [table](const QString& statement) { return statement.contains(QLatin1String(table)); });
    };
    QVERIFY2(mentions("tblAttendance") && mentions("tblStudents"), qPrintable(checked.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestQueryPlans)
#include "tst_queryplans.moc"
