#include "reports/ReportCommand.h"

#include "core/Csv.h"
#include "core/Failure.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
#include "reports/ReportBuilder.h"
#include "reports/ReportPeriod.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QIODevice>
#include <QSaveFile>

namespace reports {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)
};

// A bad argument: the message names it.
struct BadArgument
{
    QString message;
};

QString usage()
{
    return Text::tr("Usage: rollvane-report summary|sheet|missing|alerts|census [options]\n"
                    "Reads the attendance register, without changing it, and writes a report.\n"
                    "\n"
                    "  --class NAME          one class, by its name\n"
                    "  --class-id N          one class, by its id\n"
                    "  --all                 every class (the default)\n"
                    "  --from yyyy-MM-dd     the first day (default: 1 September of this school year)\n"
                    "  --to yyyy-MM-dd       the last day (default: today)\n"
                    "  --date yyyy-MM-dd     missing: the one day to look at (default: today, unless\n"
                    "                        --from or --to asks for every school day of a range)\n"
                    "  --threshold PERCENT   alerts: attendance at or below this (default 90)\n"
                    "  --run DAYS            alerts: absent this many marked days running (default 3)\n"
                    "  --persistent          alerts: only persistent absence (10 % of possible sessions\n"
                    "                        missed or more) and severe absence (half or more)\n"
                    "  --format text|csv|pdf the form of the report (default text)\n"
                    "  --output FILE         write the report to FILE instead of standard output\n"
                    "  --help                show this text\n"
                    "  --version             show the version\n"
                    "\n"
                    "Exit status: 0 done, 2 a bad argument, 3 the register is missing, unreadable or damaged.\n");
}

struct Options
{
    std::optional<View> view;
    std::optional<QString> className;
    std::optional<qint64> classId;
    bool all = false;
    std::optional<QDate> from;
    std::optional<QDate> to;
    std::optional<QDate> date;
    bool persistent = false;
    std::optional<double> threshold;
    std::optional<int> run;
    QString format = QStringLiteral("text");
    std::optional<QString> output;
    bool help = false;
    bool version = false;
};

QDate dateArgument(const QString& name, const QString& value)
{
    const QDate date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        throw BadArgument {Text::tr("%1: \"%2\" is not a day written yyyy-MM-dd").arg(name, value)};
    return date;
}

Options parse(const QStringList& arguments)
{
    Options options;
    int classChoices = 0;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments.at(i);
        std::optional<QString> inlineValue;
        if (name.startsWith(QLatin1String("--")) && name.contains(QLatin1Char('='))) {
            inlineValue = name.section(QLatin1Char('='), 1);
            name = name.section(QLatin1Char('='), 0, 0);
        }
        const auto value = [&]() -> QString {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= arguments.size())
                throw BadArgument {Text::tr("%1: a value is missing").arg(name)};
            return arguments.at(++i);
        };
        const auto flag = [&] {
            if (inlineValue)
                throw BadArgument {Text::tr("%1: takes no value").arg(name)};
        };
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            flag();
            options.help = true;
        } else if (name == QLatin1String("--version")) {
            flag();
            options.version = true;
        } else if (name == QLatin1String("--all")) {
            flag();
            options.all = true;
            ++classChoices;
        } else if (name == QLatin1String("--class")) {
            options.className = value();
            ++classChoices;
        } else if (name == QLatin1String("--class-id")) {
            const QString text = value();
            bool ok = false;
            const qint64 id = text.toLongLong(&ok);
            if (!ok || id <= 0)
                throw BadArgument {Text::tr("--class-id: \"%1\" is not a class id (a whole number above 0)").arg(text)};
            options.classId = id;
            ++classChoices;
        } else if (name == QLatin1String("--from")) {
            options.from = dateArgument(name, value());
        } else if (name == QLatin1String("--to")) {
            options.to = dateArgument(name, value());
        } else if (name == QLatin1String("--date")) {
            options.date = dateArgument(name, value());
        } else if (name == QLatin1String("--threshold")) {
            const QString text = value();
            bool ok = false;
            const double percent = text.toDouble(&ok);
            if (!ok || percent < 0 || percent > 100)
                throw BadArgument {Text::tr("--threshold: \"%1\" is not a percentage from 0 to 100").arg(text)};
            options.threshold = percent;
        } else if (name == QLatin1String("--run")) {
            const QString text = value();
            bool ok = false;
            const int days = text.toInt(&ok);
            if (!ok || days < 1)
                throw BadArgument {Text::tr("--run: \"%1\" is not a number of days (1 or more)").arg(text)};
            options.run = days;
        } else if (name == QLatin1String("--persistent")) {
            flag();
            options.persistent = true;
        } else if (name == QLatin1String("--format")) {
            options.format = value();
            if (options.format != QLatin1String("text") && options.format != QLatin1String("csv")
                && options.format != QLatin1String("pdf"))
                throw BadArgument {Text::tr("--format: \"%1\" is not one of text, csv and pdf").arg(options.format)};
        } else if (name == QLatin1String("--output") || name == QLatin1String("-o")) {
            options.output = value();
            if (options.output->isEmpty())
                throw BadArgument {Text::tr("--output: the file name is empty")};
        } else if (name.startsWith(QLatin1Char('-'))) {
            throw BadArgument {Text::tr("%1: not an option of rollvane-report (see --help)").arg(name)};
        } else if (options.view) {
            throw BadArgument {Text::tr("%1: only one report at a time").arg(name)};
        } else if (name == QLatin1String("summary")) {
            options.view = View::Summary;
        } else if (name == QLatin1String("sheet")) {
            options.view = View::Sheet;
        } else if (name == QLatin1String("missing")) {
            options.view = View::Missing;
        } else if (name == QLatin1String("alerts")) {
            options.view = View::Alerts;
        } else if (name == QLatin1String("census")) {
            options.view = View::Census;
        } else {
            throw BadArgument {
                Text::tr("%1: not a report; choose summary, sheet, missing, alerts or census").arg(name)};
        }
    }
    if (options.help || options.version)
        return options;
    if (!options.view)
        throw BadArgument {Text::tr("no report named; choose summary, sheet, missing, alerts or census (see --help)")};
    if (classChoices > 1)
        throw BadArgument {Text::tr("--class, --class-id, --all: choose one of them")};
    if (options.date && options.view != View::Missing)
        throw BadArgument {Text::tr("--date: only the missing report looks at one day")};
    if (options.date && (options.from || options.to))
        throw BadArgument {Text::tr("--date: give either one day or --from and --to, not both")};
    if (options.persistent && options.view != View::Alerts)
        throw BadArgument {Text::tr("%1: only the alerts report takes it").arg(QStringLiteral("--persistent"))};
    if (options.persistent && (options.threshold || options.run))
        throw BadArgument {Text::tr("--persistent: the rule is fixed; leave out --threshold and --run")};
    if ((options.threshold || options.run) && options.view != View::Alerts)
        throw BadArgument {Text::tr("%1: only the alerts report takes it")
                               .arg(options.threshold ? QStringLiteral("--threshold") : QStringLiteral("--run"))};
    return options;
}

void write(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8());
}

ReportRequest requestFor(const Options& options)
{
    ReportRequest request;
    request.view = *options.view;
    const QDate today = QDate::currentDate();
    request.scope.to = options.to.value_or(today);
    request.scope.from = options.from.value_or(schoolYearStart(request.scope.to));
    if (request.scope.from > request.scope.to)
        throw BadArgument {Text::tr("--from: %1 is after the last day, %2")
                               .arg(request.scope.from.toString(Qt::ISODate), request.scope.to.toString(Qt::ISODate))};
    if (request.view == View::Missing && !options.from && !options.to)
        request.missingDay = options.date.value_or(today);
    if (options.threshold)
        request.thresholds.belowPercent = *options.threshold;
    if (options.run)
        request.thresholds.runDays = *options.run;
    if (options.persistent)
        request.thresholds = AlertThresholds {90.0, 0};

    request.scopeName = QCoreApplication::translate("Reports", "All Classes");
    if (options.classId || options.className) {
        const QList<db::ClassRow> classes = db::classes();
        std::optional<db::ClassRow> found;
        if (options.classId) {
            for (const db::ClassRow& row : classes) {
                if (row.id == *options.classId)
                    found = row;
            }
            if (!found)
                throw BadArgument {Text::tr("--class-id: the register has no class with id %1").arg(*options.classId)};
        } else {
            // The name as written first; without regard to case only when that names one class.
            QList<db::ClassRow> folded;
            for (const db::ClassRow& row : classes) {
                if (row.name == *options.className)
                    found = row;
                else if (row.name.compare(*options.className, Qt::CaseInsensitive) == 0)
                    folded.append(row);
            }
            if (!found && folded.size() == 1)
                found = folded.first();
            if (!found && folded.size() > 1)
                throw BadArgument {
                    Text::tr("--class: several classes are named \"%1\"; use --class-id").arg(*options.className)};
            if (!found)
                throw BadArgument {Text::tr("--class: the register has no class named \"%1\"").arg(*options.className)};
        }
        request.scope.classId = found->id;
        request.scopeName = found->name;
    }
    return request;
}

QByteArray render(const Report& report, const QString& format)
{
    const QString school = db::setting(QStringLiteral("SchoolName")).trimmed();
    if (format == QLatin1String("csv"))
        return csv::encode(report.csvRecords());
    if (format == QLatin1String("pdf"))
        return report.printed(school, QDateTime::currentDateTime()).pdf();
    QString heading = QCoreApplication::translate("Reports", "Attendance Register");
    if (!school.isEmpty())
        heading += QStringLiteral(" \u2014 ") + school;
    const QString about
        = QStringList {viewName(report.request.view), report.request.scopeName, rangeText(report.request)}.join(
            QStringLiteral(" \u00b7 "));
    return (heading + QLatin1Char('\n') + about + QStringLiteral("\n\n") + report.table.text()).toUtf8();
}

} // namespace

int runReportCommand(const QStringList& arguments, QIODevice& output, QIODevice& errors)
{
    const auto fail = [&errors](int status, const QString& message) {
        write(errors, QStringLiteral("rollvane-report: ") + QString(message).simplified() + QLatin1Char('\n'));
        return status;
    };
    Options options;
    try {
        options = parse(arguments);
    } catch (const BadArgument& bad) {
        return fail(kExitBadArgument, bad.message);
    }
    if (options.help) {
        write(output, usage());
        return kExitDone;
    }
    if (options.version) {
        write(output, QStringLiteral("rollvane-report %1\n").arg(QCoreApplication::applicationVersion()));
        return kExitDone;
    }
    // A report written over the register, its journal, its lock or a backup would destroy what
    // it reports on.
    if (options.output && isRegistersOwnFile(*options.output))
        return fail(kExitBadArgument,
            Text::tr("--output: %1 is one of the register's own files (the register, its journal or lock, the "
                     "template or a backup); choose another file")
                .arg(QDir::toNativeSeparators(*options.output)));

    try {
        db::openConfiguredReadOnly();
    } catch (const Failure& failure) {
        return fail(kExitRegister, failure.description());
    }
    QByteArray bytes;
    try {
        const ReportRequest request = requestFor(options);
        bytes = render(buildReport(request), options.format);
    } catch (const BadArgument& bad) {
        db::close();
        return fail(kExitBadArgument, bad.message);
    } catch (const Failure& failure) {
        db::close();
        return fail(kExitRegister, failure.description());
    }
    db::close();

    if (!options.output) {
        output.write(bytes);
        return kExitDone;
    }
    QSaveFile file(*options.output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(kExitBadArgument,
            Text::tr("--output: %1 could not be written: %2")
                .arg(QDir::toNativeSeparators(*options.output), file.errorString()));
    return kExitDone;
}

} // namespace reports
