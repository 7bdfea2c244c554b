// The register at school scale, against the literal design, in one run.
//
// Usage: rollvane-bench [--runs N] [--literal-runs N] [--folder DIR] [--key N] [--reports-only] [--server-only]
// Every figure is the median of repeated runs on the offscreen platform. The school is made in
// a temporary folder (or in DIR, where it is kept and used again by later runs). --reports-only
// measures the Attendance Report alone.

#include "BackupBench.h"
#include "BenchWindow.h"
#include "LiteralRegister.h"
#include "ReportBench.h"
#include "School.h"
#include "ServerBench.h"
#include "StatementTrace.h"
#include "Timing.h"

#include "attendance/MainWindow.h"
#include "attendance/PhotoCache.h"
#include "attendance/StudentCard.h"
#include "core/Photo.h"
#include "register/Database.h"
#include "roster/ManageClassesWindow.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

constexpr quint32 kDefaultKey = 20240901;

qint64 peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

// ---- the child processes: start-up and peak memory each need a process of their own ----

int childStartup()
{
    MainWindow window;
    window.load();
    window.show();
    waitExposed(window);
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}

int childMemoryProgram(qint64 classId, const QDate& day)
{
    MainWindow window;
    window.load();
    window.show();
    waitExposed(window);
    pick(window, classId, day);
    rebuild(window);
    settle(150);
    window.grab();
    std::printf("peak %lld\n", peakResidentKilobytes());
    return 0;
}

int childMemoryLiteral(const QString& path, qint64 classId, const QDate& day)
{
    // The same window around the literal card area, so that both carry the same frame.
    MainWindow window;
    window.show();
    QTemporaryDir temp;
    LiteralRegister literal(path, temp.path());
    literal.canvas()->show();
    waitExposed(window);
    literal.ListStudent(classId, day);
    settle(150);
    window.grab();
    literal.canvas()->grab();
    std::printf("peak %lld\n", peakResidentKilobytes());
    return 0;
}

// Runs this program again as a child in the given data folder; returns the milliseconds from
// its start to the line that starts with expect, and that line.
std::pair<double, QString> runChild(const QStringList& arguments, const QString& appData, const QString& expect)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ROLLVANE_COMMON_APPDATA"), appData);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QString line;
    double elapsed = -1;
    while (child.waitForReadyRead(60000) || child.canReadLine()) {
        while (child.canReadLine()) {
            line = QString::fromUtf8(child.readLine()).trimmed();
            if (line.startsWith(expect)) {
                elapsed = double(timer.nsecsElapsed()) / 1e6;
                break;
            }
        }
        if (elapsed >= 0)
            break;
    }
    child.waitForFinished(60000);
    return {elapsed, line};
}

// ---- the report ----

struct Row
{
    Row(QString figure, std::optional<double> ours, std::optional<double> literal, QString unit, QString target,
        std::optional<bool> holds)
        : figure(std::move(figure))
        , ours(ours)
        , literal(literal)
        , unit(std::move(unit))
        , target(std::move(target))
        , holds(holds)
    { }

    QString figure;
    std::optional<double> ours;
    std::optional<double> literal;
    QString unit;
    QString target;
    std::optional<bool> holds;
    QString oursText; // in place of a number
    QString literalText;
};

QString number(double value)
{
    if (value >= 100)
        return QString::number(value, 'f', 0);
    if (value >= 10)
        return QString::number(value, 'f', 1);
    return QString::number(value, 'f', 2);
}

void print(const QList<Row>& rows)
{
    std::printf("\n%-44s %12s %12s %10s  %-52s %s\n", "figure", "rollvane", "baseline", "speed-up", "target", "result");
    std::printf("%s\n", QString(44 + 12 + 12 + 10 + 52 + 12, QLatin1Char('-')).toUtf8().constData());
    for (const Row& row : rows) {
        QString ours = row.ours ? number(*row.ours) + QLatin1Char(' ') + row.unit : QString();
        QString literal = row.literal ? number(*row.literal) + QLatin1Char(' ') + row.unit : QString();
        if (!row.oursText.isEmpty())
            ours = row.oursText;
        if (!row.literalText.isEmpty())
            literal = row.literalText;
        QString ratio;
        if (row.ours && row.literal && *row.ours > 0 && row.unit == QLatin1String("ms"))
            ratio = number(*row.literal / *row.ours) + QStringLiteral("x");
        const QString result
            = row.holds ? (*row.holds ? QStringLiteral("holds") : QStringLiteral("MISSED")) : QString();
        std::printf("%-44s %12s %12s %10s  %-52s %s\n", row.figure.toUtf8().constData(), ours.toUtf8().constData(),
            literal.toUtf8().constData(), ratio.toUtf8().constData(), row.target.toUtf8().constData(),
            result.toUtf8().constData());
    }
}

struct Options
{
    int runs = 15;
    int literalRuns = 3;
    QString folder;
    quint32 key = kDefaultKey;
    bool reportsOnly = false;
    bool serverOnly = false; // the school, then only the server's figures
};

void appendReports(QList<Row>& rows, const QList<ReportFigure>& figures)
{
    for (const ReportFigure& figure : figures) {
        rows.append({figure.figure, figure.ours, figure.peer, figure.unit, figure.target, figure.holds});
    }
}

int runBenchmark(const Options& options)
{
    std::optional<QTemporaryDir> temporary;
    QString folder = options.folder;
    if (folder.isEmpty()) {
        temporary.emplace();
        folder = temporary->path();
    }
    const QString oursData = folder + QStringLiteral("/program-data");
    const QString literalData = folder + QStringLiteral("/literal-data");
    const QString oursPath = oursData + QStringLiteral("/Quillmark/Rollvane/dbAttendance.mdb");
    const QString literalPath = literalData + QStringLiteral("/Quillmark/Rollvane/dbAttendance.mdb");
    const QString facts = folder + QStringLiteral("/school.ini");

    School school;
    QSettings saved(facts, QSettings::IniFormat);
    if (QFileInfo::exists(oursPath) && QFileInfo::exists(literalPath)
        && saved.value(QStringLiteral("key")).toUInt() == options.key) {
        school.path = oursPath;
        school.measuredClass = saved.value(QStringLiteral("measured")).toLongLong();
        school.otherClass = saved.value(QStringLiteral("other")).toLongLong();
        school.plainClass = saved.value(QStringLiteral("plain")).toLongLong();
        school.markedDay = saved.value(QStringLiteral("marked")).toDate();
        school.firstFreeDay = saved.value(QStringLiteral("free")).toDate();
        school.attendanceRows = saved.value(QStringLiteral("rows")).toLongLong();
        std::printf("Using the school in %s (generator key %u)\n", qPrintable(folder), options.key);
    } else {
        QDir().mkpath(QFileInfo(oursPath).path());
        QDir().mkpath(QFileInfo(literalPath).path());
        QFile::remove(oursPath);
        std::printf("Generating the school in %s (generator key %u)...\n", qPrintable(folder), options.key);
        std::fflush(stdout);
        QElapsedTimer timer;
        timer.start();
        school = generateSchool(oursPath, options.key);
        const double generated = double(timer.elapsed()) / 1000;
        copyWithoutIndexes(oursPath, literalPath);
        std::printf("  generated in %.1f s, copied without indexes in %.1f s\n", generated,
            double(timer.elapsed()) / 1000 - generated);
        saved.setValue(QStringLiteral("key"), options.key);
        saved.setValue(QStringLiteral("measured"), school.measuredClass);
        saved.setValue(QStringLiteral("other"), school.otherClass);
        saved.setValue(QStringLiteral("plain"), school.plainClass);
        saved.setValue(QStringLiteral("marked"), school.markedDay);
        saved.setValue(QStringLiteral("free"), school.firstFreeDay);
        saved.setValue(QStringLiteral("rows"), school.attendanceRows);
        saved.sync();
    }
    QFile loadAverage(QStringLiteral("/proc/loadavg"));
    if (loadAverage.open(QIODevice::ReadOnly))
        std::printf(
            "Load average at the start: %s\n", loadAverage.readAll().split(' ').mid(0, 3).join(' ').constData());
    std::printf("School: %d classes of %d students, %lld rows in tblAttendance, %dx%d photos in the measured "
                "classes; %d runs each (baseline %d)\n",
        School::kClasses, School::kStudentsPerClass, school.attendanceRows, School::kPhotoWidth, School::kPhotoHeight,
        options.runs, options.literalRuns);
    std::fflush(stdout);

    // A used folder keeps the marks that earlier runs saved; each run saves on days of its own.
    const int saveOffset = saved.value(QStringLiteral("saves")).toInt();
    saved.setValue(QStringLiteral("saves"), saveOffset + options.runs + options.literalRuns + 1);
    saved.sync();

    qputenv("ROLLVANE_COMMON_APPDATA", oursData.toLocal8Bit());
    if (options.serverOnly) {
        runServerBench(school, options.runs, saveOffset);
        return 0;
    }
    db::open(oursPath);

    QList<Row> rows;
    if (options.reportsOnly) {
        appendReports(rows, measureReports(school, options.runs));
        db::close();
        print(rows);
        return 0;
    }
    const auto progress = [](const char* what) {
        std::printf("  measuring %s\n", what);
        std::fflush(stdout);
    };

    // The floor: the 40 stored photos decoded, with nothing else.
    progress("the floor");
    QList<QByteArray> photos;
    for (const db::StudentRow& student : db::studentsOfClass(school.measuredClass, true))
        photos.append(student.image);
    const double floor = timed(options.runs, [&photos] {
        for (const QByteArray& bytes : std::as_const(photos))
            FetchPhoto(bytes);
    });

    MainWindow window;
    window.LoadClassList();
    window.show();
    waitExposed(window);
    settle(200); // the window's own first tick

    progress("the rebuilds");
    const double first = timed(
        options.runs, [&window] { rebuild(window); },
        [&] {
            PhotoCache::shared().clear();
            pick(window, school.measuredClass, school.markedDay);
        });
    const double repeat = timed(
        options.runs, [&window] { rebuild(window); },
        [&] {
            pick(window, school.otherClass, school.markedDay);
            rebuild(window);
            pick(window, school.measuredClass, school.markedDay);
        });
    if (window.listedCards().size() != School::kStudentsPerClass || !window.listedCards().last()->hasPhoto())
        std::printf("  warning: the class shows %lld cards\n", qlonglong(window.listedCards().size()));

    progress("the saves");
    int day = saveOffset;
    QList<double> firstSaves;
    QList<double> reSaves;
    for (int run = 0; run < options.runs; ++run) {
        pick(window, school.measuredClass, school.firstFreeDay.addDays(day++));
        rebuild(window);
        markCards(window.listedCards(), run);
        QElapsedTimer timer;
        timer.start();
        window.SaveAttendance();
        firstSaves.append(double(timer.nsecsElapsed()) / 1e6);
        markCards(window.listedCards(), run + 1);
        timer.start();
        window.SaveAttendance();
        reSaves.append(double(timer.nsecsElapsed()) / 1e6);
    }

    progress("the Manage Classes student list");
    ManageClassesWindow manage;
    manage.load();
    manage.show();
    waitExposed(manage);
    auto* manageCombo = manage.findChild<QComboBox*>(QStringLiteral("Combo1"));
    QList<qint64> classOrder;
    for (const db::ClassRow& row : db::classes())
        classOrder.append(row.id);
    // Taken in turns, so that neither class has the warmer caches.
    QList<double> withPhotos;
    QList<double> withoutPhotos;
    for (int run = 0; run < options.runs; ++run) {
        for (const qint64 classId : {school.measuredClass, school.plainClass}) {
            {
                const QSignalBlocker quiet(manageCombo);
                manageCombo->setCurrentIndex(int(classOrder.indexOf(classId)));
            }
            QElapsedTimer timer;
            timer.start();
            manage.FillStudentList();
            (classId == school.plainClass ? withoutPhotos : withPhotos).append(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    const double listPhotos = median(withPhotos);
    const double listPlain = median(withoutPhotos);

    // The statements of one visit, a repeat visit, two saves and a student list, each planned
    // against the 4 million marks.
    progress("the query plans");
    QStringList ourStatements;
    QStringList ourScans;
    {
        StatementTrace trace(db::connection());
        trace.start();
        PhotoCache::shared().clear();
        pick(window, school.measuredClass, school.firstFreeDay.addDays(day++));
        rebuild(window);
        rebuild(window);
        markCards(window.listedCards(), 0);
        window.SaveAttendance();
        window.SaveAttendance();
        manage.FillStudentList();
        trace.stop();
        ourStatements = trace.statements();
        for (const QString& statement : std::as_const(ourStatements)) {
            for (const QString& scan : tableScans(db::connection(), statement))
                ourScans << statement + QStringLiteral("  ->  ") + scan;
        }
    }

    // ---- the baseline ----
    QTemporaryDir photoTemp;
    LiteralRegister literal(literalPath, photoTemp.path());
    literal.canvas()->show();
    StatementTrace literalTrace(literal.connection());
    literalTrace.start();
    progress("the baseline's rebuilds");
    const double literalRebuild = timed(options.literalRuns, [&] {
        literal.ClearCards();
        literal.ListStudent(school.measuredClass, school.markedDay);
    });
    progress("the baseline's saves");
    QList<double> literalFirst;
    QList<double> literalRe;
    for (int run = 0; run < options.literalRuns; ++run) {
        const QDate saveDay = school.firstFreeDay.addDays(day++);
        markCards(literal.cards(), run);
        QElapsedTimer timer;
        timer.start();
        literal.SaveAttendance(saveDay);
        literalFirst.append(double(timer.nsecsElapsed()) / 1e6);
        markCards(literal.cards(), run + 1);
        timer.start();
        literal.SaveAttendance(saveDay);
        literalRe.append(double(timer.nsecsElapsed()) / 1e6);
    }
    literalTrace.stop();
    const QStringList literalStatements = literalTrace.statements();
    int literalScanning = 0;
    for (const QString& statement : literalStatements) {
        if (!tableScans(literal.connection(), statement).isEmpty())
            ++literalScanning;
    }
    QTreeWidget literalList;
    literalList.setColumnCount(2);
    const double literalListPhotos
        = timed(options.literalRuns, [&] { literal.FillStudentList(school.measuredClass, &literalList); });
    const double literalListPlain
        = timed(options.literalRuns, [&] { literal.FillStudentList(school.plainClass, &literalList); });
    literal.ClearCards();

    progress("the Attendance Report");
    QList<Row> reportRows;
    appendReports(reportRows, measureReports(school, options.runs));

    db::close();

    progress("a backup of the register beside a plain copy, and an import of 2,000 students");
    QTemporaryDir backupScratch;
    const BackupFigures backups = measureBackups(oursPath, backupScratch.path(), qMax(3, options.runs / 5));

    progress("start-up and memory, in processes of their own");
    const auto startups = [&](const QString& appData, int runs) {
        QList<double> times;
        for (int run = 0; run < runs; ++run)
            times.append(runChild({QStringLiteral("--child-startup")}, appData, QStringLiteral("shown")).first);
        return median(times);
    };
    const double startup = startups(oursData, qMax(3, options.runs / 3));
    const double literalStartup = startups(literalData, qMax(3, options.literalRuns));
    const auto peak = [](const std::pair<double, QString>& result) {
        return result.second.section(QLatin1Char(' '), 1).toDouble() / 1024;
    };
    const double memory = peak(runChild({QStringLiteral("--child-memory"), QString::number(school.measuredClass),
                                            school.markedDay.toString(Qt::ISODate)},
        oursData, QStringLiteral("peak")));
    const double literalMemory
        = peak(runChild({QStringLiteral("--child-memory-literal"), literalPath, QString::number(school.measuredClass),
                            school.markedDay.toString(Qt::ISODate)},
            literalData, QStringLiteral("peak")));

    const double firstSave = median(firstSaves);
    const double reSave = median(reSaves);
    const double literalFirstSave = median(literalFirst);
    const double literalReSave = median(literalRe);

    rows.append({QStringLiteral("floor: decoding the 40 stored photos"), floor, {}, QStringLiteral("ms"), {}, {}});
    rows.append({QStringLiteral("rebuild of 40 cards, first visit"), first, literalRebuild, QStringLiteral("ms"),
        QStringLiteral("<= 1.3 x floor: %1 x floor").arg(number(first / floor)), first <= 1.3 * floor});
    rows.append({QStringLiteral("rebuild of 40 cards, repeat visit"), repeat, literalRebuild, QStringLiteral("ms"),
        QStringLiteral(">= 5x faster than first visit: %1x").arg(number(first / repeat)), first >= 5 * repeat});
    rows.append({QStringLiteral("save of 40 cards, first save"), firstSave, literalFirstSave, QStringLiteral("ms"),
        QStringLiteral(">= 20x faster than baseline: %1x").arg(number(literalFirstSave / firstSave)),
        literalFirstSave >= 20 * firstSave});
    rows.append({QStringLiteral("save of 40 cards, re-save"), reSave, literalReSave, QStringLiteral("ms"),
        QStringLiteral(">= 20x faster than baseline: %1x").arg(number(literalReSave / reSave)),
        literalReSave >= 20 * reSave});
    rows.append({QStringLiteral("Manage Classes list of 40, with photos"), listPhotos, literalListPhotos,
        QStringLiteral("ms"), {}, {}});
    rows.append(
        {QStringLiteral("Manage Classes list of 40, without photos"), listPlain, literalListPlain, QStringLiteral("ms"),
            QStringLiteral("no growth with photos: %1 x (baseline %2 x)")
                .arg(number(listPhotos / listPlain), number(literalListPhotos / literalListPlain)),
            listPhotos <= 1.5 * listPlain});
    rows.append({QStringLiteral("start-up to main window shown"), startup, literalStartup, QStringLiteral("ms"),
        QStringLiteral("(baseline: the program on the unindexed copy)"), {}});
    rows.append({QStringLiteral("peak memory, class of 40 shown"), memory, literalMemory, QStringLiteral("MB"),
        QStringLiteral("< 150 MB"), memory < 150});
    rows.append({QStringLiteral("floor: plain copy of the register (%1 MB)").arg(backups.registerBytes / (1024 * 1024)),
        backups.copyMs, {}, QStringLiteral("ms"), QStringLiteral("(left in the page cache, not yet on the disk)"), {}});
    rows.append({QStringLiteral("floor: the same copy, written to the disk"), backups.copySyncedMs, {},
        QStringLiteral("ms"), {}, {}});
    rows.append(
        {QStringLiteral("backup of the register (online, on the disk)"), backups.backupMs, {}, QStringLiteral("ms"),
            QStringLiteral("<= 3 x the copy on disk: %1 x (cached: %2 x)")
                .arg(number(backups.backupMs / backups.copySyncedMs), number(backups.backupMs / backups.copyMs)),
            backups.backupMs <= 3 * backups.copySyncedMs});
    rows.append({QStringLiteral("import of %1 students: preview").arg(kImportedStudents), backups.importPlanMs, {},
        QStringLiteral("ms"), QStringLiteral("the spreadsheet read, every photo checked"), {}});
    rows.append({QStringLiteral("import of %1 students: the transaction").arg(kImportedStudents), backups.importWriteMs,
        {}, QStringLiteral("ms"),
        QStringLiteral("%1 added with 640x480 photos; all in < 60 s").arg(backups.importedStudents),
        backups.importedStudents == kImportedStudents && backups.importPlanMs + backups.importWriteMs < 60000});
    Row scans(QStringLiteral("statements per card/save that scan a table"), {}, {}, QString(),
        QStringLiteral("none, with %1 rows in tblAttendance").arg(school.attendanceRows),
        ourScans.isEmpty() && !ourStatements.isEmpty());
    scans.oursText = QStringLiteral("%1 of %2").arg(ourScans.size()).arg(ourStatements.size());
    scans.literalText = QStringLiteral("%1 of %2").arg(literalScanning).arg(literalStatements.size());
    rows.append(scans);
    rows.append(reportRows);
    print(rows);
    for (const QString& scan : std::as_const(ourScans))
        std::printf("  by a scan: %s\n", qPrintable(scan));
    std::printf("\nThe literal design keeps nothing between listings: its first and repeat visits are one series.\n");
    std::fflush(stdout);

    runServerBench(school, options.runs, day);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rollvane"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    // A failure must end up in the output, not in a message box nobody can answer.
    setDialogs(std::make_unique<ScriptedDialogs>());

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--child-startup"))
        return childStartup();
    if (arguments.value(1) == QLatin1String("--child-memory"))
        return childMemoryProgram(arguments.value(2).toLongLong(), QDate::fromString(arguments.value(3), Qt::ISODate));
    if (arguments.value(1) == QLatin1String("--child-memory-literal"))
        return childMemoryLiteral(
            arguments.value(2), arguments.value(3).toLongLong(), QDate::fromString(arguments.value(4), Qt::ISODate));

    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--runs"))
            options.runs = qMax(1, arguments.value(++i).toInt());
        else if (argument == QLatin1String("--literal-runs"))
            options.literalRuns = qMax(1, arguments.value(++i).toInt());
        else if (argument == QLatin1String("--folder"))
            options.folder = arguments.value(++i);
        else if (argument == QLatin1String("--key"))
            options.key = arguments.value(++i).toUInt();
        else if (argument == QLatin1String("--reports-only"))
            options.reportsOnly = true;
        else if (argument == QLatin1String("--server-only"))
            options.serverOnly = true;
        else {
            std::fprintf(stderr,
                "usage: rollvane-bench [--runs N] [--literal-runs N] [--folder DIR] [--key N] "
                "[--reports-only] [--server-only]\n");
            return 2;
        }
    }
    try {
        return runBenchmark(options);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "benchmark failed: %s\n", failure.what());
    }
    return 1;
}
