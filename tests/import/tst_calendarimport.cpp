// The dates a local authority publishes, read into the school calendar, and what the calendar
// then makes of a day.
#include "TestSupport.h"

#include "core/SchoolCalendar.h"
#include "import/CalendarImport.h"
#include "register/Database.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace calendar;

namespace {

// "kind from to name" for each entry.
QStringList shown(const QList<Entry>& entries)
{
    QStringList lines;
    for (const Entry& entry : entries)
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(storedWord(entry.kind), entry.from.toString(Qt::ISODate), entry.to.toString(Qt::ISODate),
                         entry.name);
    return lines;
}

const QByteArray kAuthorityCalendar = R"(BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//County Council//Term Dates//EN
BEGIN:VTIMEZONE
TZID:Pacific/Auckland
BEGIN:STANDARD
DTSTART:19700405T030000
TZOFFSETFROM:+1300
TZOFFSETTO:+1200
RRULE:FREQ=YEARLY;BYMONTH=4;BYDAY=1SU
END:STANDARD
BEGIN:DAYLIGHT
DTSTART:19700927T020000
TZOFFSETFROM:+1200
TZOFFSETTO:+1300
RRULE:FREQ=YEARLY;BYMONTH=9;BYDAY=-1SU
END:DAYLIGHT
END:VTIMEZONE
BEGIN:VEVENT
UID:term-1
SUMMARY:Autumn Term
DTSTART;VALUE=DATE:20260902
DTEND;VALUE=DATE:20261219
END:VEVENT
BEGIN:VEVENT
UID:half-term
SUMMARY:Half-term holiday
DTSTART;VALUE=DATE:20261026
DTEND;VALUE=DATE:20261031
END:VEVENT
BEGIN:VEVENT
UID:inset
SUMMARY:INSET day
DTSTART;TZID=Pacific/Auckland:20261102T003000
DTEND;TZID=Pacific/Auckland:20261102T150000
END:VEVENT
BEGIN:VEVENT
UID:boiler
SUMMARY:School closed (boiler)
DTSTART:20261201T120000Z
DTEND:20261201T130000Z
END:VEVENT
BEGIN:VEVENT
UID:february
SUMMARY:February half term
DTSTART;VALUE=DATE:20270215
DURATION:P5D
END:VEVENT
BEGIN:VEVENT
UID:founders
SUMMARY:Founders' day
DTSTART;VALUE=DATE:20261120
RRULE:FREQ=YEARLY;COUNT=3
EXDATE;VALUE=DATE:20271120
END:VEVENT
BEGIN:VEVENT
UID:cancelled
SUMMARY:Royal wedding
STATUS:CANCELLED
DTSTART;VALUE=DATE:20261211
END:VEVENT
BEGIN:VEVENT
UID:first-day
SUMMARY:First day of term
DTSTART;VALUE=DATE:20260902
END:VEVENT
END:VCALENDAR
)";

struct Run
{
    int exitCode = -1;
    QString output;
};

Run admin(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(ROLLVANE_BIN_DIR "/rollvane-admin"), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAll())};
}

} // namespace

class CalendarImportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Multi-day all-day events end the day before DTEND; a time in its own zone keeps the day
    // written (00:30 in Auckland is the previous day in UTC); a recurring event is expanded
    // without its exceptions; a cancelled event and a term's first day are left out, the latter
    // said.
    void anAuthoritysICalendarBecomesEntries()
    {
        const ParsedCalendar parsed = parseCalendarFile(kAuthorityCalendar);
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        QCOMPARE(shown(parsed.entries),
            QStringList({"Term 2026-09-02 2026-12-18 Autumn Term", "Holiday 2026-10-26 2026-10-30 Half-term holiday",
                "Training 2026-11-02 2026-11-02 INSET day", "Holiday 2026-11-20 2026-11-20 Founders' day",
                "Closure 2026-12-01 2026-12-01 School closed (boiler)",
                "Holiday 2027-02-15 2027-02-19 February half term", "Holiday 2028-11-20 2028-11-20 Founders' day"}));
        QCOMPARE(parsed.problems.size(), 1);
        QVERIFY(parsed.problems.first().contains(QLatin1String("First day of term")));

        QVERIFY(!parseICalendar("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n").error.isEmpty());
        QVERIFY(!parseCalendarFile(QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n\0\xff", 30)).error.isEmpty());
    }

    // The administrator's twin of the window: an import says what it added, a second adds
    // nothing, and the list gives the entries of the range and its school days, tab-separated.
    void theAdminToolImportsAndLists()
    {
        TestEnvironment env;
        env.openRegister();
        db::close();
        const QString path = env.root() + QStringLiteral("/term-dates.ics");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kAuthorityCalendar);
        file.close();

        Run run = admin({QStringLiteral("calendar"), QStringLiteral("import"), path});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.contains(QLatin1String("7 added, 0 already")), qPrintable(run.output));
        QVERIFY(run.output.contains(QLatin1String("First day of term")));
        run = admin({QStringLiteral("calendar"), QStringLiteral("import"), path});
        QVERIFY2(run.output.contains(QLatin1String("0 added, 7 already")), qPrintable(run.output));

        run = admin({QStringLiteral("calendar"), QStringLiteral("list"), QStringLiteral("--from"),
            QStringLiteral("2026-10-01"), QStringLiteral("--to"), QStringLiteral("2026-10-31")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QStringList(
                {"2026-09-02\t2026-12-18\tTerm\tAutumn Term", "2026-10-26\t2026-10-30\tHoliday\tHalf-term holiday",
                    "17 school days from 2026-10-01 to 2026-10-31."}));
        run = admin({QStringLiteral("calendar"), QStringLiteral("list"), QStringLiteral("--from"),
            QStringLiteral("31/10/2026")});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(admin({QStringLiteral("calendar"), QStringLiteral("import"), env.root() + "/none.ics"}).exitCode, 1);
    }

    void aSpreadsheetOfRangesWithItsMistakes()
    {
        const ParsedCalendar parsed = parseCalendarFile("From;To;Name;Kind\r\n"
                                                        "2026-10-26;2026-10-30;Half-term holiday\r\n"
                                                        "02/11/2026;;INSET day\r\n"
                                                        "31/02/2026;;Nonsense\r\n"
                                                        "2026-12-21;2026-12-18;Backwards\r\n"
                                                        "2026-09-02;2026-12-18;Autumn term\r\n"
                                                        "01.12.2026;;Boiler;Closure\r\n");
        QCOMPARE(shown(parsed.entries),
            QStringList({"Term 2026-09-02 2026-12-18 Autumn term", "Holiday 2026-10-26 2026-10-30 Half-term holiday",
                "Training 2026-11-02 2026-11-02 INSET day", "Closure 2026-12-01 2026-12-01 Boiler"}));
        QCOMPARE(parsed.problems.size(), 2);
        QVERIFY(parsed.problems.at(0).startsWith(QLatin1String("Line 4:")));
        QVERIFY(parsed.problems.at(1).startsWith(QLatin1String("Line 5:")));
        QVERIFY(!parseCsv("From,To,Name\r\n").error.isEmpty());
    }

    // Years and terms frame the school days: within them a day no term holds is a holiday;
    // before the first and after the last the calendar says nothing and weekdays are school
    // days, as without a calendar, so that older registers keep their figures.
    void theCalendarSaysWhatEachDayIs()
    {
        const SchoolCalendar school({{1, Kind::Term, QDate(2026, 9, 2), QDate(2026, 12, 18), "Autumn"},
            {2, Kind::Term, QDate(2027, 1, 5), QDate(2027, 3, 26), "Spring"},
            {3, Kind::Holiday, QDate(2026, 10, 26), QDate(2026, 10, 30), "Half-term holiday"},
            {4, Kind::Training, QDate(2026, 11, 2), QDate(2026, 11, 2), "INSET day"},
            {5, Kind::Year, QDate(2026, 9, 1), QDate(2027, 8, 31), "2026-27"}});
        QCOMPARE(school.day(QDate(2026, 10, 28)).name, QStringLiteral("Half-term holiday"));
        QCOMPARE(school.day(QDate(2026, 11, 2)).kind, DayKind::Training);
        QCOMPARE(school.day(QDate(2026, 10, 31)).kind, DayKind::Weekend);
        QCOMPARE(school.day(QDate(2026, 12, 23)).kind, DayKind::Holiday);
        QVERIFY(school.isSchoolDay(QDate(2026, 6, 1)));
        QVERIFY(!school.isSchoolDay(QDate(2027, 6, 1)));
        QVERIFY(school.isSchoolDay(QDate(2027, 9, 6)));
        QVERIFY(!school.isSchoolDay(QDate(2026, 9, 1)));

        QCOMPARE(school.nextSchoolDay(QDate(2026, 10, 23), 1), QDate(2026, 11, 3));
        QCOMPARE(school.nextSchoolDay(QDate(2026, 11, 3), -1), QDate(2026, 10, 23));
        QCOMPARE(school.nextSchoolDay(QDate(2026, 12, 18), 1), QDate(2027, 1, 5));
        // 78 weekdays from 2 September to 18 December, six of them kept free.
        QCOMPARE(school.schoolDayCount(QDate(2026, 9, 1), QDate(2026, 12, 31)), 72);
        QCOMPARE(school.yearsOverlapping(QDate(2026, 10, 1), QDate(2026, 10, 31)), QStringList {"2026-27"});
        QCOMPARE(SchoolCalendar().nextSchoolDay(QDate(2026, 10, 23), 1), QDate(2026, 10, 26));
    }
};

QTEST_GUILESS_MAIN(CalendarImportTest)
#include "tst_calendarimport.moc"
