// The register at school scale, against the literal design, in one run.
//
// Usage: rollvane-bench [--runs N] [--literal-runs N] [--folder DIR] [--key N] [--reports-only] [--server-only]
//                       [--photos-only] [--sessions-only]
// Every figure is the median of repeated runs on the offscreen platform. The school is made in
// a temporary folder (or in DIR, where it is kept and used again by later runs). --reports-only
// measures the Attendance Report alone; --sessions-only a copy of the school with two registers
// a day (twice the marks) beside the school itself.

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
#include "backup/PhotoCompaction.h"
#include "core/Photo.h"
#include "register/Database.h"
#include "reports/ReportPeriod.h"
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
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

#include <unistd.h>

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
    bool photosOnly = false; // the school, then only the converted copy's figures
    bool sessionsOnly = false; // the school beside a copy of it with two registers a day
};

void appendReports(QList<Row>& rows, const QList<ReportFigure>& figures)
{
    for (const ReportFigure& figure : figures) {
        rows.append({figure.figure, figure.ours, figure.peer, figure.unit, figure.target, figure.holds});
    }
}

// Milliseconds of one run of a process, to its end.
double processMs(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(600000);
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    if (process.exitCode() != 0)
        std::printf("  warning: %s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
    return elapsed;
}

// The photos in both forms in one run: the school's register as every earlier version left it
// (whole BMP files, no card pictures), and a copy converted by rollvane-admin's procedure, on
// which the figures the conversion is for are taken again. Called with no register open.
// The first visit of the measured class, the photo cache empty each time.
double firstVisit(const School& school, int runs)
{
    MainWindow window;
    window.LoadClassList();
    window.show();
    waitExposed(window);
    settle(200);
    return timed(
        runs, [&window] { rebuild(window); },
        [&] {
            PhotoCache::shared().clear();
            pick(window, school.measuredClass, school.markedDay);
        });
}

// A copy of the school with two registers a day: every marked morning has its afternoon, most
// the same, some absent or late where the morning was not, so the register holds twice the
// marks. Made once per folder, from the school as it stands.
QString twoSessionSchool(const School& school, const QString& folder)
{
    const QString path = folder + QStringLiteral("/sessions-data/Quillmark/Rollvane/dbAttendance.mdb");
    QSettings saved(folder + QStringLiteral("/school.ini"), QSettings::IniFormat);
    if (QFileInfo::exists(path) && saved.value(QStringLiteral("sessions")).toBool())
        return path;
    std::printf("  making the school's copy with two registers a day\n");
    std::fflush(stdout);
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    QFile::copy(school.path, path);
    db::open(path);
    QSqlQuery query(db::connection());
    query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    query.prepare(QStringLiteral(
        "INSERT INTO tblAttendance (StudentID, \"Date\", Session, \"Status\", Notes, Remark, ChangedAt, ChangedBy, "
        "ChangedOn) SELECT StudentID, \"Date\", 1, CASE (StudentID * 7 + CAST(substr(\"Date\", 9, 2) AS INTEGER)) % 17 "
        "WHEN 0 THEN 'Absent' WHEN 1 THEN 'Late' ELSE \"Status\" END, Notes, Remark, ChangedAt, ChangedBy, ChangedOn "
        "FROM tblAttendance WHERE Session = 0 AND \"Date\" < ?"));
    query.addBindValue(db::dateKey(school.firstFreeDay));
    if (!query.exec())
        std::printf("  warning: %s\n", qPrintable(query.lastError().text()));
    query.exec(QStringLiteral("COMMIT"));
    db::setSetting(QStringLiteral("SessionsPerDay"), QStringLiteral("2"));
    db::close();
    saved.setValue(QStringLiteral("sessions"), true);
    saved.sync();
    return path;
}

// The first save and the re-save of the measured class, each run on a day of its own from
// firstDay on, by their medians.
std::pair<double, double> saveTimes(MainWindow& window, const School& school, const QDate& firstDay, int runs)
{
    QList<double> firstSaves;
    QList<double> reSaves;
    for (int run = 0; run < runs; ++run) {
        pick(window, school.measuredClass, firstDay.addDays(run));
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
    return {median(firstSaves), median(reSaves)};
}

struct VisitAndSave
{
    double firstVisit = 0;
    double firstSave = 0;
    double reSave = 0;
    qint64 marks = 0;
};

// The first visit of the measured class and its saves on the open register, in the afternoon's
// register where the school keeps two a day.
VisitAndSave visitAndSave(const School& school, int runs, int saveOffset)
{
    VisitAndSave result;
    QSqlQuery count(db::connection());
    count.exec(QStringLiteral("SELECT count(*) FROM tblAttendance"));
    result.marks = count.next() ? count.value(0).toLongLong() : 0;
    MainWindow window;
    window.LoadClassList();
    window.loadSessions();
    if (db::sessionsPerDay() == 2)
        window.findChild<QComboBox*>(QStringLiteral("cboSession"))->setCurrentIndex(1);
    window.show();
    waitExposed(window);
    settle(200);
    result.firstVisit = timed(
        runs, [&window] { rebuild(window); },
        [&] {
            PhotoCache::shared().clear();
            pick(window, school.measuredClass, school.markedDay);
        });
    std::tie(result.firstSave, result.reSave)
        = saveTimes(window, school, school.firstFreeDay.addDays(saveOffset), runs);
    return result;
}

// Returns the converted copy's path.
QString appendPhotoFigures(
    QList<Row>& rows, const School& school, const QString& oursPath, const QString& folder, int runs)
{
    const auto progress = [](const char* what) {
        std::printf("  measuring %s\n", what);
        std::fflush(stdout);
    };
    progress("the photos as stored so far: first visit, backup, memory");
    db::open(oursPath);
    const double firstBefore = firstVisit(school, runs);
    double floorBefore = 0;
    {
        QList<QByteArray> photos;
        for (const db::StudentRow& student : db::studentsOfClass(school.measuredClass, true))
            photos.append(student.image);
        floorBefore = timed(runs, [&photos] {
            for (const QByteArray& bytes : std::as_const(photos))
                FetchPhoto(bytes);
        });
    }
    db::close();
    const double memoryBefore = runChild({QStringLiteral("--child-memory"), QString::number(school.measuredClass),
                                             school.markedDay.toString(Qt::ISODate)},
                                    QString::fromLocal8Bit(qgetenv("ROLLVANE_COMMON_APPDATA")), QStringLiteral("peak"))
                                    .second.section(QLatin1Char(' '), 1)
                                    .toDouble()
        / 1024;

    progress("the photos converted, in a copy of the register");
    const QString convertedData = folder + QStringLiteral("/converted-data");
    const QString convertedPath = convertedData + QStringLiteral("/Quillmark/Rollvane/dbAttendance.mdb");
    QDir(convertedData).removeRecursively();
    QDir().mkpath(QFileInfo(convertedPath).path());
    QFile::copy(oursPath, convertedPath);
    const QByteArray oursData = qgetenv("ROLLVANE_COMMON_APPDATA");
    qputenv("ROLLVANE_COMMON_APPDATA", convertedData.toLocal8Bit());
    db::open(convertedPath);
    const qint64 sizeBefore = QFileInfo(convertedPath).size();
    const db::PhotoTotals photosBefore = db::photoTotals();
    QElapsedTimer timer;
    timer.start();
    const backup::CompactionResult converted = backup::compactPhotos();
    const double conversion = double(timer.nsecsElapsed()) / 1e6;
    const qint64 sizeAfter = QFileInfo(convertedPath).size();
    const db::PhotoTotals photosAfter = db::photoTotals();

    progress("the first visit with card pictures");
    const double first = firstVisit(school, runs);
    double firstScreen = 0;
    double longestPass = 0;
    double allCards = 0;
    constexpr int assemblySize = 5000;
    {
        MainWindow window;
        window.LoadClassList();
        window.show();
        waitExposed(window);
        settle(200);

        progress("a class of 5,000");
        QSqlQuery photo(db::connection());
        photo.exec(QStringLiteral("SELECT Image, CardPicture FROM tblStudents WHERE ClassID = %1 AND CardPicture IS "
                                  "NOT NULL LIMIT 1")
                       .arg(school.measuredClass));
        photo.next();
        const QByteArray image = photo.value(0).toByteArray();
        const QByteArray card = photo.value(1).toByteArray();
        photo.finish();
        const qint64 assembly = db::addClass(QStringLiteral("Whole school assembly"));
        db::connection().transaction();
        QSqlQuery add(db::connection());
        add.prepare(
            QStringLiteral("INSERT INTO tblStudents (StudentName, ClassID, Image, CardPicture) VALUES (?, ?, ?, ?)"));
        for (int i = 0; i < assemblySize; ++i) {
            add.addBindValue(QStringLiteral("Student %1").arg(i, 4, 10, QLatin1Char('0')));
            add.addBindValue(assembly);
            add.addBindValue(image);
            add.addBindValue(card);
            add.exec();
        }
        db::connection().commit();
        window.LoadClassList();
        pick(window, assembly, school.markedDay);
        QList<double> screens;
        QList<double> passes;
        QList<double> wholes;
        for (int run = 0; run < 3; ++run) {
            // From a class of 40, as a user switches to the assembly.
            pick(window, school.measuredClass, school.markedDay);
            rebuild(window);
            QCoreApplication::processEvents();
            pick(window, assembly, school.markedDay);
            QElapsedTimer clock;
            clock.start();
            window.ClearCards();
            window.ListStudent();
            QCoreApplication::processEvents();
            screens.append(double(clock.nsecsElapsed()) / 1e6);
            double longest = 0;
            QElapsedTimer pass;
            pass.start();
            while (window.pendingCards() > 0) {
                QCoreApplication::processEvents();
                longest = std::max(longest, double(pass.nsecsElapsed()) / 1e6);
                pass.start();
            }
            passes.append(longest);
            wholes.append(double(clock.nsecsElapsed()) / 1e6);
        }
        firstScreen = median(screens);
        longestPass = *std::max_element(passes.begin(), passes.end());
        allCards = median(wholes);
        window.ClearCards();
        db::deleteClass(assembly);
    }
    db::close();

    progress("the converted register's backup, and its peak memory");
    // The conversion's writes reach the disk first, so that they do not weigh on the backups,
    // which are taken in turns, the register as it was and the converted one.
    ::sync();
    QTemporaryDir scratch;
    QList<double> backupsBefore;
    QList<double> backupsAfter;
    QList<double> copiesAfter;
    for (int run = 0; run < qMax(3, runs / 5); ++run) {
        backupsBefore.append(measureBackups(oursPath, scratch.path(), 1, false).backupMs);
        const BackupFigures after = measureBackups(convertedPath, scratch.path(), 1, false);
        backupsAfter.append(after.backupMs);
        copiesAfter.append(after.copySyncedMs);
    }
    const double backupBefore = median(backupsBefore);
    BackupFigures backups;
    backups.backupMs = median(backupsAfter);
    backups.copySyncedMs = median(copiesAfter);
    const double memory = runChild({QStringLiteral("--child-memory"), QString::number(school.measuredClass),
                                       school.markedDay.toString(Qt::ISODate)},
                              convertedData, QStringLiteral("peak"))
                              .second.section(QLatin1Char(' '), 1)
                              .toDouble()
        / 1024;

    progress("rollvane-report against sqlite3, as processes, in turns");
    const QDate from = reports::schoolYearStart(school.markedDay);
    const QDate to = from.addYears(1).addDays(-1);
    const QString settings = folder + QStringLiteral("/empty-settings.conf");
    QFile(settings).open(QIODevice::WriteOnly);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ROLLVANE_COMMON_APPDATA"), convertedData);
    environment.insert(QStringLiteral("ROLLVANE_CONF"), settings);
    const QString sql = QStringLiteral(
        "SELECT a.StudentID, count(*), sum(CASE a.\"Status\" WHEN 'Present' THEN 1 ELSE 0 END), "
        "sum(CASE a.\"Status\" WHEN 'Late' THEN 1 ELSE 0 END), sum(CASE a.\"Status\" WHEN 'Absent' THEN 1 ELSE 0 END), "
        "sum(CASE a.\"Status\" WHEN 'Excused' THEN 1 ELSE 0 END) FROM tblAttendance a WHERE a.StudentID IN (SELECT id "
        "FROM tblStudents) AND a.\"Date\" >= '%1' AND a.\"Date\" <= '%2' GROUP BY a.StudentID;")
                            .arg(db::dateKey(from), db::dateKey(to));
    const QString report = QCoreApplication::applicationDirPath() + QStringLiteral("/rollvane-report");
    QList<double> tool;
    QList<double> bare;
    for (int run = 0; run < qMax(5, runs / 2); ++run) {
        tool.append(processMs(report,
            {QStringLiteral("summary"), QStringLiteral("--all"), QStringLiteral("--from"), db::dateKey(from),
                QStringLiteral("--to"), db::dateKey(to), QStringLiteral("--format"), QStringLiteral("csv")},
            environment));
        bare.append(
            processMs(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), convertedPath, sql}, environment));
    }
    const double reportMs = median(tool);
    const double bareMs = median(bare);
    qputenv("ROLLVANE_COMMON_APPDATA", oursData);

    const auto mb = [](qint64 bytes) { return double(bytes) / (1024.0 * 1024.0); };
    rows.append({QStringLiteral("register, photos as stored so far"), mb(sizeBefore), {}, QStringLiteral("MB"),
        QStringLiteral("%1 photos: %2 MB of it").arg(photosBefore.photos).arg(number(mb(photosBefore.photoBytes))),
        {}});
    rows.append({QStringLiteral("register, photos converted"), mb(sizeAfter), mb(sizeBefore), QStringLiteral("MB"),
        QStringLiteral("photos and card pictures %1 MB: 1/%2 of before")
            .arg(number(mb(photosAfter.photoBytes + photosAfter.cardBytes)),
                number(double(photosBefore.photoBytes) / double(photosAfter.photoBytes + photosAfter.cardBytes))),
        photosAfter.photoBytes + photosAfter.cardBytes <= photosBefore.photoBytes / 8});
    rows.append({QStringLiteral("conversion of the photos (compact-photos)"), conversion, {}, QStringLiteral("ms"),
        QStringLiteral("%1 converted, a backup first").arg(converted.converted), {}});
    rows.append({QStringLiteral("first visit of 40 cards, card pictures"), first, firstBefore, QStringLiteral("ms"),
        QStringLiteral("<= 1/3 of the photos' first visit: 1/%1 (floor %2 ms)")
            .arg(number(firstBefore / first), number(floorBefore)),
        first * 3 <= firstBefore});
    rows.append({QStringLiteral("backup, photos converted"), backups.backupMs, backupBefore, QStringLiteral("ms"),
        QStringLiteral("1/%1 of before; plain copy on disk %2 ms")
            .arg(number(backupBefore / backups.backupMs), number(backups.copySyncedMs)),
        backups.backupMs * 5 <= backupBefore});
    rows.append({QStringLiteral("class of 5,000: first screenful"), firstScreen, {}, QStringLiteral("ms"),
        QStringLiteral("<= 100 ms; every card made in %1 ms").arg(number(allCards)), firstScreen <= 100});
    rows.append({QStringLiteral("class of 5,000: longest pass between events"), longestPass, {}, QStringLiteral("ms"),
        QStringLiteral("<= 50 ms"), longestPass <= 50});
    rows.append({QStringLiteral("peak memory, class of 40, photos converted"), memory, memoryBefore,
        QStringLiteral("MB"), QStringLiteral("<= 55 MB"), memory <= 55});
    rows.append({QStringLiteral("rollvane-report summary --all, a year, process"), reportMs, bareMs,
        QStringLiteral("ms"), QStringLiteral("<= 1.3 x sqlite3 with the bare SQL: %1 x").arg(number(reportMs / bareMs)),
        reportMs <= 1.3 * bareMs});
    return convertedPath;
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
    if (options.photosOnly) {
        QList<Row> rows;
        School converted = school;
        converted.path = appendPhotoFigures(rows, school, oursPath, folder, options.runs);
        print(rows);
        runServerBench(converted, options.runs, saveOffset);
        return 0;
    }
    if (options.sessionsOnly) {
        const QString twoPath = twoSessionSchool(school, folder);
        QList<Row> rows;
        db::open(oursPath);
        std::printf("  measuring the first visit and saves, one register a day\n");
        std::fflush(stdout);
        const VisitAndSave one = visitAndSave(school, options.runs, saveOffset);
        db::close();
        db::open(twoPath);
        std::printf("  measuring the first visit and saves, the afternoon's register\n");
        std::fflush(stdout);
        const VisitAndSave two = visitAndSave(school, options.runs, saveOffset);
        rows.append({QStringLiteral("first visit of 40 cards, two a day (%1 marks)").arg(two.marks), two.firstVisit,
            one.firstVisit, QStringLiteral("ms"),
            QStringLiteral("<= 1.3 x one a day (%1 marks): %2 x")
                .arg(one.marks)
                .arg(number(two.firstVisit / one.firstVisit)),
            two.firstVisit <= 1.3 * one.firstVisit});
        rows.append({QStringLiteral("save of 40 cards, first save, two a day"), two.firstSave, one.firstSave,
            QStringLiteral("ms"), QStringLiteral("<= 1.3 x one a day: %1 x").arg(number(two.firstSave / one.firstSave)),
            two.firstSave <= 1.3 * one.firstSave});
        rows.append({QStringLiteral("save of 40 cards, re-save, two a day"), two.reSave, one.reSave,
            QStringLiteral("ms"), QStringLiteral("<= 1.3 x one a day: %1 x").arg(number(two.reSave / one.reSave)),
            two.reSave <= 1.3 * one.reSave});
        School twoSchool = school;
        twoSchool.path = twoPath;
        appendReports(rows, measureReports(twoSchool, options.runs));
        appendReports(rows, measureCodedSummary(twoSchool, options.runs));
        db::close();
        print(rows);
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
    const auto [firstSave, reSave] = saveTimes(window, school, school.firstFreeDay.addDays(saveOffset), options.runs);
    int day = saveOffset + options.runs;

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

    QList<Row> photoRows;
    School converted = school;
    converted.path = appendPhotoFigures(photoRows, school, oursPath, folder, options.runs);
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
    rows.append(photoRows);
    print(rows);
    for (const QString& scan : std::as_const(ourScans))
        std::printf("  by a scan: %s\n", qPrintable(scan));
    std::printf("\nThe literal design keeps nothing between listings: its first and repeat visits are one series.\n");
    std::fflush(stdout);

    // On the server, the register with its photos converted: the form it is in once a school ran
    // compact-photos, or added its students with this version.
    runServerBench(converted, options.runs, day);
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
        else if (argument == QLatin1String("--sessions-only"))
            options.sessionsOnly = true;
        else if (argument == QLatin1String("--photos-only"))
            options.photosOnly = true;
        else if (argument == QLatin1String("--server-only"))
            options.serverOnly = true;
        else {
            std::fprintf(stderr,
                "usage: rollvane-bench [--runs N] [--literal-runs N] [--folder DIR] [--key N] "
                "[--reports-only] [--server-only] [--photos-only] [--sessions-only]\n");
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
