#include "PdfTools.h"
#include "ReportRegister.h"
#include "TestSupport.h"

#include "core/Csv.h"
#include "register/Database.h"
#include "reports/window/AttendanceReportWindow.h"
#include "reports/window/ReportTableModel.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTableView>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QByteArray output;
    QString errors;
};

QByteArray digest(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

// rollvane-report as a script runs it: a separate process, without a display, on the register
// where the program keeps it.
class ReportCommandTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    ReportRegister m_register;

    Run run(const QStringList& arguments)
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ROLLVANE_COMMON_APPDATA"), m_env->appDataFolder());
        // No platform named and no display: the tool has to find its own way to draw pages.
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(ROLLVANE_BIN_DIR "/rollvane-report"), arguments);
        if (!tool.waitForFinished(60000))
            return {};
        return {tool.exitCode(), tool.readAllStandardOutput(), QString::fromUtf8(tool.readAllStandardError())};
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->openRegister();
        m_register = ReportRegister::build();
        db::setSetting(QStringLiteral("SchoolName"), QStringLiteral("Hillside Academy"));
    }

    void cleanup() { m_env.reset(); }

    void givesTheWindowsFiguresAndLeavesTheRegisterAsItWas()
    {
        AttendanceReportWindow window;
        window.setClassId(m_register.classA);
        window.setRange(ReportRegister::from(), ReportRegister::to());
        window.setView(AttendanceReportWindow::View::Summary);
        window.refresh();
        const QList<QStringList> shown
            = qobject_cast<reports::ReportTableModel*>(window.findChild<QTableView*>("tblSummary")->model())
                  ->table()
                  .records();
        db::close();
        const QByteArray before = digest(m_env->livePath());

        const QStringList range = {QStringLiteral("--from"), QStringLiteral("2023-12-28"), QStringLiteral("--to"),
            QStringLiteral("2024-03-01")};
        Run csv = run(QStringList({"summary", "--class", "7A", "--format", "csv"}) + range);
        QCOMPARE(csv.status, 0);
        QVERIFY(csv.output.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(csv::decode(csv.output).records, shown);
        for (const char* figure : {"Possible", "Approved", "Authorised", "Unauthorised"})
            QVERIFY2(shown.first().contains(QLatin1String(figure)), figure);

        const Run text = run(QStringList({"summary", "--class-id", QString::number(m_register.classA)}) + range);
        QCOMPARE(text.status, 0);
        QVERIFY(text.output.contains("Hillside Academy"));
        QVERIFY(text.output.contains("Total (5 students)"));

        const Run missing = run({QStringLiteral("missing"), QStringLiteral("--date"), QStringLiteral("2024-01-02"),
            QStringLiteral("--format"), QStringLiteral("csv")});
        QCOMPARE(missing.status, 0);
        QCOMPARE(csv::decode(missing.output).records.size(), 1 + 2);

        const Run alerts = run(QStringList({"alerts", "--all", "--threshold", "25", "--run", "3"}) + range);
        QCOMPARE(alerts.status, 0);
        QVERIFY(alerts.output.contains("Cleo") && alerts.output.contains("Finn") && !alerts.output.contains("Ann"));
        const Run persistent = run(QStringList({"alerts", "--persistent", "--format", "csv"}) + range);
        QCOMPARE(persistent.status, 0);
        const QList<QStringList> absentees = csv::decode(persistent.output).records;
        QVERIFY(absentees.size() > 1);
        for (const QStringList& record : absentees.mid(1))
            QVERIFY2(
                record.last().contains(QLatin1String("absence:")) && !record.last().contains(QLatin1String("running")),
                qPrintable(record.join('|')));
        QCOMPARE(run({"alerts", "--persistent", "--run", "2"}).status, 2);

        const QString pdf = m_env->root() + QStringLiteral("/sheet.pdf");
        const Run sheet = run(QStringList({"sheet", "--class", "8b", "--format", "pdf", "--output", pdf}) + range);
        QCOMPARE(sheet.status, 0);
        QVERIFY(sheet.output.isEmpty());
        QCOMPARE(pdfPageCount(pdf), 1);
        QVERIFY(pdfPageText(pdf, 1).contains(QLatin1String("8B")));

        QCOMPARE(digest(m_env->livePath()), before);
        QVERIFY(!QFile::exists(m_env->livePath() + QStringLiteral("-journal")));
    }

    void badArgumentsAndRegistersAreNamedOnOneLine()
    {
        db::close();
        const struct
        {
            QStringList arguments;
            int status;
            const char* named;
        } cases[] = {
            {{}, 2, "no report named"},
            {{"weekly"}, 2, "weekly:"},
            {{"summary", "--bogus"}, 2, "--bogus:"},
            {{"summary", "--from", "2024-13-01"}, 2, "--from:"},
            {{"summary", "--from", "2024-03-02", "--to", "2024-03-01"}, 2, "--from:"},
            {{"summary", "--format", "xls"}, 2, "--format:"},
            {{"summary", "--class", "7A", "--all"}, 2, "choose one"},
            {{"summary", "--date", "2024-01-02"}, 2, "--date:"},
            {{"summary", "--class"}, 2, "--class:"},
            {{"summary", "--class", "Nobody's"}, 2, "--class:"},
            {{"summary", "--class-id", "999"}, 2, "--class-id:"},
            {{"summary", "--output", m_env->root() + "/no folder/out.txt"}, 2, "--output:"},
            // Never written over: the register, its journal, its lock, a backup.
            {{"summary", "--output", m_env->livePath()}, 2, "register's own files"},
            {{"summary", "--format", "csv", "--output", m_env->livePath() + "-journal"}, 2, "register's own files"},
            {{"summary", "--output", m_env->livePath() + ".lock"}, 2, "register's own files"},
            {{"summary", "--output", QFileInfo(m_env->livePath()).absolutePath() + "/Backups/../Backups/x.mdb"}, 2,
                "register's own files"},
        };
        const QByteArray registerBefore = [this] {
            QFile file(m_env->livePath());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        for (const auto& c : cases) {
            const Run result = run(c.arguments);
            QVERIFY2(result.status == c.status,
                qPrintable(c.arguments.join(' ') + " gave " + QString::number(result.status)));
            QVERIFY2(result.errors.startsWith(QLatin1String("rollvane-report: ")) && result.errors.count('\n') == 1
                    && result.errors.contains(QLatin1String(c.named)),
                qPrintable(result.errors));
            QVERIFY(result.output.isEmpty());
        }
        {
            QFile file(m_env->livePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll() == registerBefore);
            QVERIFY(!QFileInfo::exists(m_env->livePath() + "-journal"));
        }
        QCOMPARE(run({QStringLiteral("--help")}).status, 0);
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.output, QByteArray("rollvane-report " ROLLVANE_VERSION "\n"));

        // Damaged, then missing: status 3 and the plain words of the register's failure.
        QFile damaged(m_env->livePath());
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        Run result = run({QStringLiteral("summary")});
        QCOMPARE(result.status, 3);
        QVERIFY2(result.errors.contains(QLatin1String("not a Rollvane register")) && result.errors.count('\n') == 1,
            qPrintable(result.errors));
        QVERIFY(QFile::remove(m_env->livePath()));
        result = run({QStringLiteral("missing")});
        QCOMPARE(result.status, 3);
        QVERIFY2(result.errors.contains(QLatin1String("was not found")), qPrintable(result.errors));
    }
};

QTEST_MAIN(ReportCommandTest)
#include "tst_reportcommand.moc"
