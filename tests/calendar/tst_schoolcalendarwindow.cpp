// Setup, School Calendar: importing an authority's file, adding, changing and removing entries,
// and the months that show what each day is.
#include "TestSupport.h"

#include "calendar/SchoolCalendarWindow.h"
#include "calendar/YearGrid.h"
#include "register/Database.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace calendar;

class SchoolCalendarWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void anImportIsPreviewedAndTheFormEditsEntries()
    {
        TestEnvironment env;
        env.openRegister();
        const QString path = env.root() + QStringLiteral("/term-dates.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("From,To,Name\r\n2026-09-02,2026-12-18,Autumn term\r\n2026-10-26,2026-10-30,Half-term holiday\r\n"
                   "2026-13-01,,Nonsense\r\n");
        file.close();

        SchoolCalendarWindow window;
        window.show();
        window.showYearOf(QDate(2026, 10, 1));
        QCOMPARE(window.shownFrom(), QDate(2026, 9, 1));
        auto* entries = window.findChild<QTableWidget*>(QStringLiteral("lstEntries"));
        QCOMPARE(entries->rowCount(), 0);

        // The preview says what the file holds and what was left out; No adds nothing.
        env.dialogs().answerFile(path);
        env.dialogs().answerNo();
        window.importFile();
        const QString preview = env.dialogs().shown().at(1).text;
        QVERIFY2(preview.contains(QLatin1String("(Term: 1, Holiday: 1)")) && preview.contains(QLatin1String("Line 4")),
            qPrintable(preview));
        QVERIFY(db::schoolCalendar().isEmpty());
        env.dialogs().answerFile(path);
        env.dialogs().answerYes();
        window.importFile();
        QCOMPARE(entries->rowCount(), 2);
        QCOMPARE(entries->item(1, 3)->text(), QStringLiteral("Half-term holiday"));

        // A click on a day and a Shift+click on another make the range; the form adds it.
        auto* grid = window.findChild<YearGrid*>();
        QVERIFY(grid->fillOf(DayKind::Holiday) != grid->fillOf(DayKind::SchoolDay));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->dayRect(QDate(2026, 11, 2)).center());
        QTest::mouseClick(grid, Qt::LeftButton, Qt::ShiftModifier, grid->dayRect(QDate(2026, 11, 3)).center());
        auto* kind = window.findChild<QComboBox*>(QStringLiteral("cboKind"));
        kind->setCurrentIndex(kind->findData(int(Kind::Training)));
        window.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("INSET days"));
        window.addEntry();
        QCOMPARE(db::schoolCalendar().day(QDate(2026, 11, 3)).name, QStringLiteral("INSET days"));
        QCOMPARE(entries->rowCount(), 3);

        // A last day before the first is refused in words, and nothing is written.
        window.findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate(2026, 11, 1));
        window.addEntry();
        QVERIFY(env.dialogs().shown().last().text.contains(QLatin1String("before the first")));
        QCOMPARE(entries->rowCount(), 3);

        // Selecting an entry fills the form; Change rewrites it, Remove asks first.
        entries->selectRow(1);
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), QStringLiteral("Half-term holiday"));
        window.findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate(2026, 10, 29));
        window.changeEntry();
        QVERIFY(db::schoolCalendar().isSchoolDay(QDate(2026, 10, 30)));
        entries->selectRow(1);
        env.dialogs().answerYes();
        window.removeEntry();
        QCOMPARE(db::schoolCalendar().entries().size(), 2);
        QCOMPARE(entries->rowCount(), 2);

        window.stepYear(1);
        QCOMPARE(window.shownFrom(), QDate(2027, 9, 1));
        QCOMPARE(entries->rowCount(), 0);
    }
};

QTEST_MAIN(SchoolCalendarWindowTest)
#include "tst_schoolcalendarwindow.moc"
