#include "TestSupport.h"

#include "attendance/AttendanceCodesWindow.h"
#include "attendance/HelpWindow.h"
#include "attendance/MainWindow.h"
#include "attendance/PlannedAbsenceWindow.h"
#include "attendance/SessionsWindow.h"
#include "attendance/StudentCard.h"
#include "backup/window/BackupsWindow.h"
#include "core/Photo.h"
#include "core/SharedRoutines.h"
#include "core/StatusWords.h"
#include "register/Database.h"
#include "register/RegisterEvents.h"
#include "reports/ReportQueries.h"
#include "reports/ReportTables.h"
#include "reports/window/AttendanceReportWindow.h"
#include "roster/ManageClassesWindow.h"
#include "ui/ErrorReport.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString kPrompt = QStringLiteral("Attendance has been changed.\r\nSave Changes?");

void exec(const QString& sql)
{
    QSqlQuery query(db::connection());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

int count(const QString& sql)
{
    QSqlQuery query(db::connection());
    if (!query.exec(sql) || !query.next())
        return -1;
    return query.value(0).toInt();
}

// Whether the whole card shows in the card area's viewport.
bool inView(const StudentCard* card)
{
    const QWidget* viewport = card->parentWidget()->parentWidget();
    const QRect inViewport(card->mapTo(viewport, QPoint(0, 0)), card->size());
    return viewport->rect().contains(inViewport);
}

QString totals(int students, int present, int late, int absent, int excused)
{
    return QStringLiteral("%1 students \u00B7 %2 present \u00B7 %3 late \u00B7 %4 absent \u00B7 %5 excused")
        .arg(students)
        .arg(present)
        .arg(late)
        .arg(absent)
        .arg(excused);
}

QColor centreOf(const StudentCard* card)
{
    const QImage image = card->photo()->pixmap().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MainWindow> m_window;
    int m_programEnds = 0;
    QPalette m_light = QApplication::palette();

    ScriptedDialogs& dialogs() { return m_env->dialogs(); }
    QComboBox* combo() { return m_window->findChild<QComboBox*>(QStringLiteral("Combo1")); }
    QDateEdit* picker() { return m_window->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1")); }
    QPlainTextEdit* notes() { return m_window->findChild<QPlainTextEdit*>(QStringLiteral("Text1")); }
    QTimer* timer() { return m_window->findChild<QTimer*>(QStringLiteral("Timer1")); }
    QPushButton* button(const char* name) { return m_window->findChild<QPushButton*>(QString::fromLatin1(name)); }
    StudentCard* card(int i) { return m_window->listedCards().at(i); }
    QLabel* label(const char* name) { return m_window->findChild<QLabel*>(QString::fromLatin1(name)); }
    void trigger(MainWindow::Command command) { m_window->action(command)->trigger(); }

    // Keys go where the focus is, as the user's do.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key(key), modifiers);
    }

    // Through the window, as the window system delivers it, so that the press brings its menu.
    void rightClick(QWidget* widget)
    {
        const QPoint at = widget->mapTo(m_window.get(), widget->rect().center());
        QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    }

    void activate()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Answers the card menu that the next step opens with a key, noting which status is checked.
    void answerCardMenu(Qt::Key key, QString* checked = nullptr, QStringList* texts = nullptr)
    {
        QTimer::singleShot(0, this, [key, checked, texts] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                if (checked && action->isChecked())
                    *checked = action->objectName();
                if (texts && !action->isSeparator())
                    *texts << action->text();
            }
            QTest::keyClick(menu, key);
        });
    }

    // Saves of one student fail from here on, while every other row would be written.
    void refuseMarksOf(qint64 studentId)
    {
        m_env->refuseWrites(QStringLiteral("tblAttendance"), QStringLiteral("INSERT"),
            QStringLiteral("NEW.StudentID = %1").arg(studentId));
    }

    void start()
    {
        m_window = std::make_unique<MainWindow>();
        m_window->setProgramEnd([this] { ++m_programEnds; });
        m_window->load();
        m_window->show();
        QTRY_VERIFY(!timer()->isActive());
    }

    // Picks a class as the user does and waits for its cards.
    void pick(int index)
    {
        combo()->setCurrentIndex(index);
        QTRY_VERIFY(!timer()->isActive());
    }

    void changeDate(const QDate& date)
    {
        picker()->setDate(date);
        QTRY_VERIFY(!timer()->isActive());
    }

    QList<qint64> addStudents(qint64 classId, const QStringList& names)
    {
        QList<qint64> ids;
        for (const QString& name : names)
            ids << db::addStudent(name, classId, std::nullopt);
        return ids;
    }

    QString statusOn(qint64 studentId, const QDate& date)
    {
        const std::optional<db::Mark> mark = db::mark(studentId, date);
        return mark ? mark->status : QStringLiteral("<none>");
    }

private Q_SLOTS:
    void initTestCase() { REQUIRE_TEST_ENGINE(); }

    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->openRegister();
        m_programEnds = 0;
    }

    void cleanup()
    {
        QApplication::setPalette(m_light);
        delete ManageClassesWindow::instance();
        delete AttendanceCodesWindow::instance();
        delete PlannedAbsenceWindow::instance();
        m_window.reset();
        m_env.reset();
    }

    void marksOnUnreadableDatesAreAnnouncedOnceWithTheWayToTheCheck()
    {
        const qint64 ann = addStudents(db::addClass(QStringLiteral("Math")), {QStringLiteral("Ann")}).first();
        QSqlQuery query(db::connection());
        for (const char* date : {"08/12/2026", "2026-12-08 09:00"})
            QVERIFY(query.exec(QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) "
                                              "VALUES (%1, '%2', 'Absent', '')")
                                   .arg(ann)
                                   .arg(QLatin1String(date))));
        start();
        const QStringList messages = dialogs().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(
            messages.first().startsWith(QStringLiteral("2 mark(s) in the register")), qPrintable(messages.first()));
        // Named as the menus and the window show it, so the user finds it.
        QVERIFY2(messages.first().contains(QStringLiteral("(Setup → Backups → Check Register)")),
            qPrintable(messages.first()));
        pick(0);
        QCOMPARE(dialogs().messages().size(), 1);
    }

    void aLargeClassShowsItsFirstCardsAtOnceAndSavesEveryStudent()
    {
        const qint64 assembly = db::addClass(QStringLiteral("Assembly"));
        QStringList names;
        for (int i = 0; i < 400; ++i)
            names << QStringLiteral("Student %1").arg(i, 3, 10, QLatin1Char('0'));
        QVERIFY(db::connection().transaction());
        const QList<qint64> ids = addStudents(assembly, names);
        QVERIFY(db::connection().commit());
        const QDate today = QDate::currentDate();
        db::saveMarks(today, {{ids.at(300), QStringLiteral("Absent")}}, QString());
        start();
        combo()->setCurrentIndex(0);
        timer()->stop();
        m_window->ListStudent();
        // The first screenful at once; the rest to come, counted and marked already.
        QVERIFY(m_window->pendingCards() > 0);
        QCOMPARE(m_window->cards().size() + m_window->pendingCards(), 400);
        QVERIFY2(m_window->totalsText().startsWith(QStringLiteral("400 students · 399 present · 0 late · 1 absent")),
            qPrintable(m_window->totalsText()));

        // A save before the last card is made writes every student, the absent one as stored.
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(m_window->pendingCards(), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM tblAttendance")), 400);
        QCOMPARE(statusOn(ids.at(300), today), QStringLiteral("Absent"));
        QCOMPARE(m_window->listedCards().at(300)->status(), QStringLiteral("Absent"));

        // Listed again, the rest come by themselves between events.
        m_window->ListStudent();
        QVERIFY(m_window->pendingCards() > 0);
        QTRY_COMPARE(m_window->pendingCards(), 0);
        QCOMPARE(m_window->listedCards().size(), 400);
        QCOMPARE(m_window->listedCards().last()->nameLabel()->text(), names.last());
    }

    void cardsAreLaidOutSixToARow()
    {
        const qint64 big = db::addClass(QStringLiteral("Big"));
        const qint64 empty = db::addClass(QStringLiteral("Empty"));
        QStringList names;
        for (int i = 0; i < 7; ++i)
            names << QStringLiteral("Student %1").arg(i);
        const QList<qint64> ids = addStudents(big, names);
        Q_UNUSED(empty);
        start();
        QCOMPARE(m_window->classIds().size(), 2);
        QCOMPARE(combo()->currentIndex(), -1);
        QVERIFY(m_window->cards().first()->isHidden());

        pick(0);
        QCOMPARE(m_window->listedCards().size(), 7);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(card(i)->pos(), QPoint(i * (StudentCard::kWidth + 15), 0));
        QCOMPARE(card(6)->pos(), QPoint(0, StudentCard::kHeight + 15));

        // Wider, more cards to a row; taller, the card area takes the height and the buttons
        // stay at the bottom.
        const QSize designed = m_window->size();
        QCOMPARE(designed, m_window->designedSize());
        m_window->resize(designed + QSize(2 * (StudentCard::kWidth + 15), 200));
        QCOMPARE(m_window->cardsPerRow(), 8);
        QCOMPARE(card(6)->pos(), QPoint(6 * (StudentCard::kWidth + 15), 0));
        QCOMPARE(button("PushButton2")->mapTo(m_window.get(), QPoint(0, button("PushButton2")->height())).y(),
            m_window->height() - 27);
        m_window->resize(designed);
        QCOMPARE(m_window->cardsPerRow(), 6);
        QCOMPARE(card(6)->pos(), QPoint(0, StudentCard::kHeight + 15));
        for (int i = 0; i < 7; ++i) {
            QVERIFY(card(i)->isVisible());
            QCOMPARE(card(i)->nameLabel()->text(), names.at(i));
            QCOMPARE(card(i)->nameLabel()->property("tag").toString(), QString::number(ids.at(i)));
            QCOMPARE(card(i)->status(), QStringLiteral("Present"));
        }

        // A class without students shows no card, and the hidden template is never saved.
        pick(1);
        QVERIFY(m_window->listedCards().isEmpty());
        QCOMPARE(m_window->findChildren<StudentCard*>().size(), 1);
        QVERIFY(m_window->cards().first()->isHidden());
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Done Saved")});
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM tblAttendance")), 0);

        // The size a user leaves the window at is theirs the next time it opens, but never
        // more than the screen shows.
        m_window->resize(designed + QSize(60, 30));
        QVERIFY(m_window->close());
        MainWindow again;
        placeOnScreen(&again, QStringLiteral("attendance"), again.designedSize());
        QCOMPARE(again.size(), designed + QSize(60, 30));
        const QRect screen = again.screen()->availableGeometry();
        placeOnScreen(&again, QString(), screen.size() + QSize(300, 300));
        QVERIFY(screen.contains(again.geometry()));
        QVERIFY(again.height() < screen.height());
    }

    void eachClassListsItsOwnStudents()
    {
        const qint64 first = db::addClass(QStringLiteral("Year 1"));
        const qint64 second = db::addClass(QStringLiteral("Year 1"));
        addStudents(first, {QStringLiteral("Ann"), QStringLiteral("Ben"), QStringLiteral("Cid")});
        addStudents(second, {QStringLiteral("Zoe")});
        start();
        QCOMPARE(combo()->count(), 2);

        pick(combo()->findText(QStringLiteral("Year 1")) == 0 && m_window->classIds().at(0) == first ? 0 : 1);
        QCOMPARE(m_window->listedCards().size(), 3);
        pick(m_window->classIds().indexOf(second));
        // Switching to a smaller class leaves none of the bigger class's cards behind.
        QCOMPARE(m_window->listedCards().size(), 1);
        QCOMPARE(m_window->findChildren<StudentCard*>().size(), 1);
        QCOMPARE(card(0)->nameLabel()->text(), QStringLiteral("Zoe"));
        QVERIFY(dialogs().shown().isEmpty());
    }

    void photosBelongToTheirOwnStudent()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const qint64 classB = db::addClass(QStringLiteral("B"));
        db::addStudent(QStringLiteral("Amy"), classA, StorePhoto(samplePicture(40, 40, Qt::red)));
        db::addStudent(QStringLiteral("Bob"), classA, std::nullopt);
        db::addStudent(QStringLiteral("Cat"), classA, StorePhoto(samplePicture(40, 40, Qt::blue)));
        db::addStudent(QStringLiteral("Dan"), classB, std::nullopt);
        start();

        pick(0);
        QCOMPARE_COLOUR(centreOf(card(0)), QColor(Qt::red));
        QVERIFY(!card(1)->hasPhoto());
        QCOMPARE_COLOUR(centreOf(card(2)), QColor(Qt::blue));
        // The template card is reused: Amy's photo must not stay on Dan's card.
        pick(1);
        QVERIFY(!card(0)->hasPhoto());
    }

    void unreadablePhotoLeavesItsCardEmptyAndTheListingGoesOn()
    {
        const qint64 cls = db::addClass(QStringLiteral("A"));
        const qint64 amy = db::addStudent(QStringLiteral("Amy"), cls, QByteArray("not a picture at all"));
        db::addStudent(QStringLiteral("Bob"), cls, QByteArray("nor is this"));
        db::addStudent(QStringLiteral("Cat"), cls, StorePhoto(samplePicture(40, 40, Qt::green)));
        db::saveMarks(QDate::currentDate(), {{amy, QStringLiteral("Late")}}, QStringLiteral("trip"));
        start();

        pick(0);
        QCOMPARE(m_window->listedCards().size(), 3);
        QVERIFY(!card(0)->hasPhoto());
        QVERIFY(!card(1)->hasPhoto());
        QCOMPARE_COLOUR(centreOf(card(2)), QColor(Qt::green));
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QCOMPARE(notes()->toPlainText(), QStringLiteral("trip"));
        QVERIFY(!m_window->isChanged());
        const QStringList reports = dialogs().messages();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().contains(QStringLiteral("Amy")));
        QVERIFY(reports.first().contains(handlerLocation(QStringLiteral("Form1"), QStringLiteral("Timer1_Timer"))));
    }

    void clicksCycleTheStatus()
    {
        const qint64 cls = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(cls, {QStringLiteral("Amy"), QStringLiteral("Bob")});
        exec(QStringLiteral(
            "INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) VALUES (%1, '%2', 'Sick', '')")
                 .arg(ids.at(1))
                 .arg(db::dateKey(QDate::currentDate())));
        start();
        pick(0);
        QVERIFY(!m_window->isChanged());

        StudentCard* amy = card(0);
        const QList<std::pair<QString, QColor>> cycle = {{QStringLiteral("Late"), QColor(0, 0, 255)},
            {QStringLiteral("Absent"), QColor(255, 0, 0)}, {QStringLiteral("Present"), QColor(0, 0, 0)}};
        QLabel* const targets[] = {amy->statusLabel(), amy->nameLabel(), amy->photo()};
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(targets[i], Qt::LeftButton);
            QCOMPARE(amy->status(), cycle.at(i).first);
            QCOMPARE(amy->statusColour(), cycle.at(i).second);
        }
        // Back where it started, still changed.
        QVERIFY(m_window->isChanged());

        // A double click is one step: its second press arrives as a double click.
        QTest::mouseClick(amy->statusLabel(), Qt::LeftButton);
        QTest::mouseDClick(amy->statusLabel(), Qt::LeftButton);
        QTest::mouseRelease(amy->statusLabel(), Qt::LeftButton);
        QCOMPARE(amy->status(), QStringLiteral("Late"));

        // A word of another tool is shown, survives clicks and is saved as it is.
        StudentCard* bob = card(1);
        QCOMPARE(bob->status(), QStringLiteral("Sick"));
        QTest::mouseClick(bob->statusLabel(), Qt::LeftButton);
        QCOMPARE(bob->status(), QStringLiteral("Sick"));
        QCOMPARE(m_window->totalsText(),
            QStringLiteral(
                "2 students \u00B7 0 present \u00B7 1 late \u00B7 0 absent \u00B7 0 excused \u00B7 1 other"));
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(statusOn(ids.at(1), QDate::currentDate()), QStringLiteral("Sick"));
        QCOMPARE(statusOn(ids.at(0), QDate::currentDate()), QStringLiteral("Late"));
    }

    void savingKeepsOneRowPerStudentAndDayWithTheNotes()
    {
        const qint64 cls = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(cls, {QStringLiteral("Bob"), QStringLiteral("Cat")});
        db::addClass(QStringLiteral("B"));
        start();
        pick(0);

        // A day nobody took says so; once saved it says when and by whom, and the class box
        // ticks the class.
        auto* taken = m_window->findChild<QLabel*>(QStringLiteral("lblTaken"));
        QCOMPARE(taken->text(), QStringLiteral("Not taken yet"));
        QVERIFY(combo()->itemData(0, Qt::DecorationRole).isNull());
        const QString typed = QStringLiteral("O'Brien's trip; it's 'on'");
        QTest::keyClicks(notes(), typed);
        QVERIFY(m_window->isChanged());
        QTest::mouseClick(card(1)->statusLabel(), Qt::LeftButton);
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(dialogs().messages(), (QStringList {QStringLiteral("Done Saved"), QStringLiteral("Done Saved")}));
        QCOMPARE(dialogs().shown().last().caption, applicationTitle());
        QCOMPARE(dialogs().shown().last().icon, UserDialogs::Icon::None);
        QVERIFY(!m_window->isChanged());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM tblAttendance")), 2);
        QVERIFY2(
            taken->text().startsWith(QStringLiteral("Saved ")) && taken->text().contains(db::Author::current().user),
            qPrintable(taken->text()));
        QVERIFY(!combo()->itemData(0, Qt::DecorationRole).isNull());
        QVERIFY(combo()->itemData(1, Qt::DecorationRole).isNull());

        pick(1);
        QCOMPARE(notes()->toPlainText(), QString());
        pick(0);
        QCOMPARE(notes()->toPlainText(), typed);
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QCOMPARE(card(1)->status(), QStringLiteral("Late"));

        // A student whose name sorts first has no row for the day: the notes still show, and
        // the next save keeps them on every row.
        const qint64 aaron = db::addStudent(QStringLiteral("Aaron"), cls, std::nullopt);
        pick(1);
        pick(0);
        QCOMPARE(card(0)->nameLabel()->text(), QStringLiteral("Aaron"));
        QCOMPARE(notes()->toPlainText(), typed);
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        for (qint64 id : {aaron, ids.at(0), ids.at(1)})
            QCOMPARE(db::mark(id, QDate::currentDate())->notes, typed);
    }

    void failedSaveIsNeverReportedAsDone()
    {
        const qint64 cls = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(cls, {QStringLiteral("Amy"), QStringLiteral("Bob")});
        start();
        pick(0);
        refuseMarksOf(ids.at(1));
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);

        QCOMPARE(dialogs().messages().size(), 1);
        QVERIFY(dialogs().messages().first().contains(
            handlerLocation(QStringLiteral("Form1"), QStringLiteral("PushButton2_Click"))
            + QStringLiteral("at line 100")));
        QVERIFY(m_window->isChanged());
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        // All or nothing: Amy's row was not written ahead of Bob's failure.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM tblAttendance")), 0);

        m_env->allowWrites(QStringLiteral("tblAttendance"));
        dialogs().clear();
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Done Saved")});
        QCOMPARE(statusOn(ids.at(0), QDate::currentDate()), QStringLiteral("Late"));
        QCOMPARE(statusOn(ids.at(1), QDate::currentDate()), QStringLiteral("Present"));
    }

    void changingClassOrDateAsksToSave()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const qint64 classB = db::addClass(QStringLiteral("B"));
        const qint64 amy = addStudents(classA, {QStringLiteral("Amy")}).first();
        addStudents(classB, {QStringLiteral("Bob")});
        const QDate today = QDate::currentDate();
        const QDate tomorrow = today.addDays(1);
        start();

        // Without changes there is no prompt.
        pick(0);
        pick(1);
        pick(0);
        QVERIFY(dialogs().shown().isEmpty());

        // No: nothing is written and the new listing shows the stored marks.
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        dialogs().answerNo();
        pick(1);
        QCOMPARE(dialogs().shown().size(), 1);
        QCOMPARE(dialogs().shown().first().text, kPrompt);
        QCOMPARE(dialogs().shown().first().caption, QStringLiteral("Save Changes"));
        QCOMPARE(dialogs().shown().first().icon, UserDialogs::Icon::None);
        QCOMPARE(card(0)->nameLabel()->text(), QStringLiteral("Bob"));
        QCOMPARE(statusOn(amy, today), QStringLiteral("<none>"));
        QVERIFY(!m_window->isChanged());

        // Yes on a class change saves the class that was on screen.
        pick(0);
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        dialogs().answerYes();
        pick(1);
        QCOMPARE(statusOn(amy, today), QStringLiteral("Late"));
        QCOMPARE(card(0)->nameLabel()->text(), QStringLiteral("Bob"));

        // Yes on a date change saves under the day the marks were made for.
        pick(0);
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        QCOMPARE(card(0)->status(), QStringLiteral("Absent"));
        dialogs().answerYes();
        changeDate(tomorrow);
        QCOMPARE(statusOn(amy, today), QStringLiteral("Absent"));
        QCOMPARE(statusOn(amy, tomorrow), QStringLiteral("<none>"));
        QCOMPARE(card(0)->status(), QStringLiteral("Present"));
        QCOMPARE(m_window->cardsDate(), tomorrow);
        QVERIFY(dialogs().pendingReplies().empty());
        for (const ScriptedDialogs::Shown& shown : dialogs().shown())
            QVERIFY(!shown.unexpected);
    }

    void quickChangesGiveOneRebuild()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const qint64 classB = db::addClass(QStringLiteral("B"));
        addStudents(classA, {QStringLiteral("Amy")});
        addStudents(classB, {QStringLiteral("Bob"), QStringLiteral("Cid")});
        start();
        QSignalSpy ticks(timer(), &QTimer::timeout);
        combo()->setCurrentIndex(0);
        combo()->setCurrentIndex(1);
        picker()->setDate(QDate::currentDate().addDays(-1));
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(ticks.count(), 1);
        QCOMPARE(m_window->listedCards().size(), 2);
    }

    void failedPromptedSaveKeepsTheCards()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const qint64 classB = db::addClass(QStringLiteral("B"));
        const QList<qint64> ids = addStudents(classA, {QStringLiteral("Amy"), QStringLiteral("Ann")});
        addStudents(classB, {QStringLiteral("Bob")});
        const QDate today = QDate::currentDate();
        start();
        pick(0);
        refuseMarksOf(ids.at(1));
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);

        dialogs().answerYes();
        combo()->setCurrentIndex(1);
        dialogs().answerYes();
        picker()->setDate(today.addDays(3));
        QTRY_VERIFY(!timer()->isActive());

        const QStringList reports = dialogs().messages();
        QCOMPARE(reports.size(), 2);
        QVERIFY(reports.at(0).contains(handlerLocation(QStringLiteral("Form1"), QStringLiteral("Combo1_Click"))));
        QVERIFY(
            reports.at(1).contains(handlerLocation(QStringLiteral("Form1"), QStringLiteral("DateTimePicker1_Change"))));
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(picker()->date(), today);
        QCOMPARE(card(0)->nameLabel()->text(), QStringLiteral("Amy"));
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QVERIFY(m_window->isChanged());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM tblAttendance")), 0);
    }

    void setupButtonKeepsTheMarksOnScreen()
    {
        const qint64 cls = db::addClass(QStringLiteral("B"));
        const qint64 amy = addStudents(cls, {QStringLiteral("Amy")}).first();
        start();
        pick(0);
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        const qint64 added = db::addClass(QStringLiteral("A"));

        QTest::mouseClick(button("PushButton1"), Qt::LeftButton);
        QVERIFY(ManageClassesWindow::instance());
        QCOMPARE(combo()->currentIndex(), -1);
        QCOMPARE(m_window->classIds(), (QList<qint64> {added, cls}));
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QVERIFY(m_window->isChanged());
        QVERIFY(!timer()->isActive());
        QVERIFY(dialogs().messages().isEmpty());
        QVERIFY(dialogs().shown().isEmpty() || dialogs().shown().first().kind != ScriptedDialogs::Kind::Question);

        // The marks on screen are what Save writes, class list selection or not.
        dialogs().clear();
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Done Saved")});
        QCOMPARE(statusOn(amy, QDate::currentDate()), QStringLiteral("Late"));
    }

    void otherWindowsAreReachedFromTheMenusAndARestoreReopensTheClassFromTheRestoredRegister()
    {
        const qint64 cls = db::addClass(QStringLiteral("A"));
        addStudents(cls, {QStringLiteral("Amy")});
        start();
        pick(0);
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);

        auto* report = m_window->findChild<QAction*>(QStringLiteral("actionAttendanceReport"));
        QCOMPARE(report->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        report->trigger();
        QVERIFY(AttendanceReportWindow::instance() && AttendanceReportWindow::instance()->isVisible());
        delete AttendanceReportWindow::instance();
        m_window->findChild<QAction*>(QStringLiteral("actionBackups"))->trigger();
        QVERIFY(backup::BackupsWindow::instance());
        delete backup::BackupsWindow::instance();

        // Before a restore the unsaved marks are offered for saving; afterwards nothing of the
        // old register stays on screen, and the class the user had is read again from the new.
        dialogs().answerNo();
        QVERIFY(db::RegisterEvents::instance().mayReplace(m_window.get()));
        Q_EMIT db::RegisterEvents::instance().registerReplaced();
        QCOMPARE(combo()->currentIndex(), 0);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(card(0)->status(), QStringLiteral("Present"));
        QCOMPARE(combo()->count(), 1);
        QVERIFY(!m_window->isChanged());

        // The next start reopens it too, and a class that has gone since is not guessed at.
        m_window.reset();
        start();
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(m_window->listedCards().size(), 1);
        // Ready to mark from the keyboard at once.
        QCOMPARE(m_window->focusWidget(), card(0));
        m_window.reset();
        db::deleteClass(cls);
        db::addClass(QStringLiteral("B"));
        start();
        QCOMPARE(combo()->currentIndex(), -1);
    }

    void saveWithNoClassWritesNothing()
    {
        const qint64 cls = db::addClass(QStringLiteral("A"));
        addStudents(cls, {QStringLiteral("Amy")});
        start();
        QTest::keyClicks(notes(), QStringLiteral("x"));
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Done Saved")});
        QVERIFY(!m_window->isChanged());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM tblAttendance")), 0);
    }

    void cancelOnTheSaveQuestionKeepsEverythingAsItWas()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        db::addClass(QStringLiteral("B"));
        const qint64 amy = addStudents(classA, {QStringLiteral("Amy")}).first();
        const QDate today = QDate::currentDate();
        start();
        pick(0);
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        QTest::keyClicks(notes(), QStringLiteral("kept"));

        // Escape on the question (Cancel) after a class change, a date change and a close:
        // the class, the date, the marks and the window stay; nothing is written.
        dialogs().answerCancel();
        pick(1);
        dialogs().answerCancel();
        picker()->setDate(today.addDays(-1));
        dialogs().answerCancel();
        QVERIFY(!m_window->close());
        QCOMPARE(dialogs().shown().size(), 3);
        for (const ScriptedDialogs::Shown& shown : dialogs().shown())
            QCOMPARE(shown.text, kPrompt);
        QCOMPARE(m_programEnds, 0);
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(picker()->date(), today);
        QVERIFY(m_window->isChanged());
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QCOMPARE(notes()->toPlainText(), QStringLiteral("kept"));
        QCOMPARE(statusOn(amy, today), QStringLiteral("<none>"));
        // The marks kept on screen are the ones a save then writes.
        QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("PushButton2")), Qt::LeftButton);
        QCOMPARE(statusOn(amy, today), QStringLiteral("Late"));
    }

    void saveSaysNothingWasSavedWhenTheRegisterWasRefusedAtStart()
    {
        SQLITE_ONLY("a register refused at start is a damaged file");
        db::close();
        QFile garbage(m_env->livePath());
        QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbage.write("this is not a register");
        garbage.close();
        start();
        QVERIFY(!db::isOpen());
        dialogs().clear();
        QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("PushButton2")), Qt::LeftButton);
        const QStringList messages = dialogs().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(QStringLiteral("Nothing was saved: the register could not be opened")),
            qPrintable(messages.first()));
        QVERIFY(!messages.contains(QStringLiteral("Done Saved")));
    }

    void closingAsksToSave()
    {
        const qint64 cls = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(cls, {QStringLiteral("Amy"), QStringLiteral("Bob")});
        const QDate today = QDate::currentDate();

        // No: nothing saved, the program ends.
        start();
        pick(0);
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        dialogs().answerNo();
        QVERIFY(m_window->close());
        QCOMPARE(dialogs().shown().first().text, kPrompt);
        QCOMPARE(m_programEnds, 1);
        QVERIFY(!db::isOpen());
        m_env->reopenRegister();
        QCOMPARE(statusOn(ids.at(0), today), QStringLiteral("<none>"));

        // A failed save on closing asks before giving the marks up; No keeps the program open.
        dialogs().clear();
        start();
        pick(0);
        QTest::keyClicks(notes(), QStringLiteral("closing"));
        refuseMarksOf(ids.at(1));
        dialogs().answerYes();
        dialogs().answerNo();
        QVERIFY(!m_window->close());
        QCOMPARE(m_programEnds, 1);
        QVERIFY(db::isOpen());
        QVERIFY(m_window->isChanged());
        QCOMPARE(dialogs().messages().size(), 1);
        QVERIFY(dialogs().messages().first().contains(QStringLiteral("Form_QueryUnload at line 104")));

        // Yes: the marks are saved, the program ends.
        m_env->allowWrites(QStringLiteral("tblAttendance"));
        dialogs().answerYes();
        QVERIFY(m_window->close());
        QCOMPARE(m_programEnds, 2);
        m_env->reopenRegister();
        QCOMPARE(db::mark(ids.at(1), today)->notes, QStringLiteral("closing"));
    }

    void aRegisterIsTakenAndSavedFromTheKeyboard()
    {
        const qint64 cls = db::addClass(QStringLiteral("Year 5"));
        QStringList names;
        for (int i = 0; i < 30; ++i)
            names << QStringLiteral("Pupil %1").arg(i, 2, 10, QLatin1Char('0'));
        const QList<qint64> ids = addStudents(cls, names);
        const QDate friday(2025, 3, 7);
        start();
        activate();
        changeDate(friday);
        pick(0);

        // Back from the notes, the card area is one stop, on its first card.
        notes()->setFocus();
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), card(0));
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        press(Qt::Key_A);
        press(Qt::Key_Down);
        press(Qt::Key_L);
        press(Qt::Key_End);
        QCOMPARE(QApplication::focusWidget(), card(29));
        QVERIFY(inView(card(29)));
        press(Qt::Key_E);
        press(Qt::Key_Home);
        QVERIFY(inView(card(0)));
        // Space and Enter advance as a click does; the letters set the word outright.
        press(Qt::Key_Space);
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        press(Qt::Key_Return);
        QCOMPARE(card(0)->status(), QStringLiteral("Absent"));
        press(Qt::Key_P);
        press(Qt::Key_Space);
        QCOMPARE(label("lblTotals")->text(), totals(30, 26, 2, 1, 1));
        QCOMPARE(label("lblUnsaved")->text(), QStringLiteral("Unsaved changes"));

        // Tab leaves the card area at once, and comes back to the same card.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), notes());
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), card(0));

        press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Done Saved")});
        QVERIFY(label("lblUnsaved")->text().isEmpty());
        const QList<std::pair<int, const char*>> stored
            = {{0, "Late"}, {1, "Present"}, {2, "Absent"}, {8, "Late"}, {29, "Excused"}};
        for (const auto& [i, word] : stored)
            QCOMPARE(statusOn(ids.at(i), friday), QString::fromLatin1(word));

        // A day on from Friday is Monday; the focus stays on the cards of the new day.
        press(Qt::Key_Down);
        press(Qt::Key_Right, Qt::AltModifier);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(picker()->date(), QDate(2025, 3, 10));
        QCOMPARE(QApplication::focusWidget(), card(6));
        QCOMPARE(card(2)->status(), QStringLiteral("Present"));
        press(Qt::Key_Left, Qt::AltModifier);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(picker()->date(), friday);
        QCOMPARE(card(2)->status(), QStringLiteral("Absent"));
        QCOMPARE(dialogs().shown().size(), 1);

        press(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(m_programEnds, 1);
    }

    // Half-term and a training day are stepped over and named when picked; a register can still
    // be taken on them. The calendar changed meanwhile (another window) is read again at once.
    void theCalendarsFreeDaysAreSteppedOverAndNamed()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        addStudents(classA, {QStringLiteral("Amy")});
        start();
        m_window->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(0);
        picker()->setDate(QDate(2026, 10, 23));
        QTRY_VERIFY(!timer()->isActive());
        trigger(MainWindow::Command::NextDay);
        QCOMPARE(picker()->date(), QDate(2026, 10, 26)); // no calendar yet: Monday
        QVERIFY(label("lblDayName")->isHidden());

        db::addCalendarEntries({{0, calendar::Kind::Holiday, QDate(2026, 10, 26), QDate(2026, 10, 30),
                                    QStringLiteral("Half-term holiday")},
            {0, calendar::Kind::Training, QDate(2026, 11, 2), QDate(2026, 11, 2), QStringLiteral("INSET day")}});
        QTRY_VERIFY(!timer()->isActive());
        QVERIFY(label("lblDayName")->isVisible());
        QCOMPARE(label("lblDayName")->text(), QStringLiteral("Half-term holiday"));
        QCOMPARE(picker()->calendarWidget()->dateTextFormat(QDate(2026, 10, 27)).toolTip(),
            QStringLiteral("Half-term holiday"));
        QCOMPARE(m_window->listedCards().size(), 1);

        trigger(MainWindow::Command::NextDay);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(picker()->date(), QDate(2026, 11, 3));
        QVERIFY(label("lblDayName")->isHidden());
        trigger(MainWindow::Command::PreviousDay);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(picker()->date(), QDate(2026, 10, 23));
    }

    void excusedAndRemarksAreSavedAndLoadedAgain()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const qint64 classB = db::addClass(QStringLiteral("B"));
        const QList<qint64> ids = addStudents(classA, {QStringLiteral("Amy"), QStringLiteral("Ben")});
        addStudents(classB, {QStringLiteral("Zed")});
        const QDate today = QDate::currentDate();
        start();
        activate();
        pick(0);

        // E sets Excused; a click moves it on to Present, as from Absent.
        card(0)->setFocus();
        press(Qt::Key_E);
        QCOMPARE(card(0)->statusLabel()->text(), status::displayName(QStringLiteral("Excused")));
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        QCOMPARE(card(0)->status(), QStringLiteral("Present"));
        press(Qt::Key_E);
        QString checked;
        QStringList texts;
        answerCardMenu(Qt::Key_Escape, &checked, &texts);
        press(Qt::Key_Menu);
        QCOMPARE(checked, QStringLiteral("actionExcused"));
        // The menu shows the key of each status beside it.
        QCOMPARE(texts.mid(0, 4),
            (QStringList {QStringLiteral("&Present\tP"), QStringLiteral("&Late\tL"), QStringLiteral("&Absent\tA"),
                QStringLiteral("&Excused\tE")}));

        // A remark from the right button's menu; cancelling the input changes nothing.
        dialogs().answerText(QStringLiteral("  doctor's note "));
        answerCardMenu(Qt::Key_R);
        rightClick(card(1)->photo());
        QCOMPARE(card(1)->remark(), QStringLiteral("doctor's note"));
        dialogs().answerCancel();
        answerCardMenu(Qt::Key_R);
        rightClick(card(1)->photo());
        QCOMPARE(card(1)->remark(), QStringLiteral("doctor's note"));
        QCOMPARE(dialogs().shown().last().kind, ScriptedDialogs::Kind::InputBox);

        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(statusOn(ids.at(0), today), QStringLiteral("Excused"));
        QCOMPARE(db::mark(ids.at(1), today)->remark, QStringLiteral("doctor's note"));
        pick(1);
        pick(0);
        QCOMPARE(card(0)->status(), QStringLiteral("Excused"));
        QCOMPARE(card(1)->remark(), QStringLiteral("doctor's note"));
        QCOMPARE(m_window->totalsText(),
            QStringLiteral("2 students \u00B7 1 present \u00B7 0 late \u00B7 0 absent \u00B7 1 excused"));

        // The history, newest first.
        dialogs().answerText(QStringLiteral("left at 11:00"));
        answerCardMenu(Qt::Key_R);
        rightClick(card(1)->photo());
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        dialogs().clear();
        answerCardMenu(Qt::Key_H);
        rightClick(card(1)->nameLabel());
        QCOMPARE(dialogs().shown().size(), 1);
        const QString history = dialogs().shown().first().text;
        QVERIFY(dialogs().shown().first().caption.contains(QStringLiteral("Ben")));
        QVERIFY2(history.indexOf(QStringLiteral("left at 11:00")) >= 0
                && history.indexOf(QStringLiteral("left at 11:00")) < history.indexOf(QStringLiteral("Marked")),
            qPrintable(history));
        QVERIFY(!m_window->isChanged());
    }

    // Codes given in Setup reach the open cards at once: a word another tool wrote gets its
    // meaning and colour, England's codes their keys and their place in the card's menu; a
    // table that cannot be saved says why and writes nothing.
    void codesSetInSetupReachTheCardsAndTheirKeys()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(classA, {QStringLiteral("Amy"), QStringLiteral("Ben")});
        const QDate today = QDate::currentDate();
        db::saveMarks(today, {{ids.at(0), QStringLiteral("Present")}, {ids.at(1), QStringLiteral("Sick")}}, QString());
        start();
        activate();
        pick(0);
        QCOMPARE(m_window->totalsText(), totals(2, 1, 0, 0, 0) + QStringLiteral(" \u00B7 1 other"));

        trigger(MainWindow::Command::AttendanceCodes);
        AttendanceCodesWindow* codes = AttendanceCodesWindow::instance();
        QVERIFY(codes);
        codes->addEngland();
        codes->findWords();
        auto* table = codes->findChild<QTableWidget*>(QStringLiteral("tblCodes"));
        const int sick = int(table->findItems(QStringLiteral("Sick"), Qt::MatchExactly).first()->row());
        QCOMPARE(table->item(sick, 5)->text(), QStringLiteral("1"));
        qobject_cast<QComboBox*>(table->cellWidget(sick, 2))->setCurrentIndex(3);
        table->item(sick, 3)->setText(QStringLiteral("i"));
        QVERIFY(!codes->save());
        QVERIFY2(dialogs().shown().last().text.contains(QStringLiteral("given to two codes")),
            qPrintable(dialogs().shown().last().text));
        QCOMPARE(db::attendanceCodes().size(), 4);
        table->item(sick, 3)->setText(QString());
        QVERIFY(codes->save());
        QCOMPARE(db::attendanceCodes().size(), 4 + 31 + 1);

        QCOMPARE(m_window->totalsText(), totals(2, 1, 0, 0, 1));
        QCOMPARE(card(1)->statusColour(),
            *status::cardColour(QStringLiteral("Excused"), card(1)->palette().color(QPalette::Base)));
        card(0)->setFocus();
        press(Qt::Key_I);
        QCOMPARE(card(0)->status(), QStringLiteral("Illness"));
        press(Qt::Key_Slash);
        QCOMPARE(card(0)->status(), QStringLiteral("Present AM"));
        QStringList texts;
        answerCardMenu(Qt::Key_Escape, nullptr, &texts);
        press(Qt::Key_Menu);
        QVERIFY2(texts.contains(status::categoryName(status::Category::NotCounted)), qPrintable(texts.join('|')));
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(statusOn(ids.at(0), today), QStringLiteral("Present AM"));
    }

    // Changing a saved mark of an earlier day is an amendment: it needs a reason, which the
    // history keeps with the mark as it was; today's marks are changed freely.
    void amendingAnEarlierDayAsksWhyAndKeepsTheReason()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(classA, {QStringLiteral("Amy"), QStringLiteral("Ben")});
        const QDate yesterday = QDate::currentDate().addDays(-1);
        db::saveMarks(
            yesterday, {{ids.at(0), QStringLiteral("Absent")}, {ids.at(1), QStringLiteral("Present")}}, QString());
        start();
        pick(0);
        changeDate(yesterday);
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        dialogs().clear();
        dialogs().answerCancel();
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(dialogs().shown().first().kind, ScriptedDialogs::Kind::InputBox);
        QVERIFY(dialogs().shown().first().text.contains(QStringLiteral("Amy")));
        QCOMPARE(statusOn(ids.at(0), yesterday), QStringLiteral("Absent"));
        QVERIFY(m_window->isChanged());

        dialogs().answerText(QStringLiteral(" Doctor's note arrived "));
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(statusOn(ids.at(0), yesterday), QStringLiteral("Present"));
        const QList<db::HistoryRow> history = db::history(ids.at(0), yesterday);
        QCOMPARE(history.first().oldStatus, QStringLiteral("Absent"));
        QCOMPARE(history.first().reason, QStringLiteral("Doctor's note arrived"));
        QVERIFY(db::history(ids.at(1), yesterday).first().reason.isEmpty());

        // A day's first register, and today's, are saved without a question.
        changeDate(QDate::currentDate());
        QTest::mouseClick(card(1)->statusLabel(), Qt::LeftButton);
        dialogs().clear();
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QVERIFY(dialogs().shown().size() <= 1);
        QCOMPARE(statusOn(ids.at(1), QDate::currentDate()), QStringLiteral("Late"));

        // Closed a while after its day, an old register says so and refuses the save at once.
        const QDate old = QDate::currentDate().addDays(-30);
        db::saveMarks(old, {{ids.at(0), QStringLiteral("Absent")}}, QString());
        db::setRegisterClosing({3, {QStringLiteral("head")}});
        changeDate(old);
        QVERIFY(m_window->findChild<QLabel*>(QStringLiteral("lblTaken"))->text().startsWith(QStringLiteral("Closed")));
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        dialogs().clear();
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(dialogs().shown().size(), 1);
        QVERIFY(dialogs().shown().first().text.contains(QStringLiteral("head")));
        QCOMPARE(statusOn(ids.at(0), old), QStringLiteral("Absent"));
        QVERIFY(m_window->isChanged());
    }

    // A plan over a fortnight with a holiday in it: its school days open with the code and the
    // reason on the card, the holiday does not, a saved day keeps its mark after the plan is
    // cancelled, and an unsaved one goes back to Present.
    void aPlannedAbsenceMarksItsSchoolDaysAcrossAHoliday()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(classA, {QStringLiteral("Amy"), QStringLiteral("Ben")});
        db::addCalendarEntries({{0, calendar::Kind::Term, QDate(2025, 9, 1), QDate(2025, 12, 19), "Autumn"},
            {0, calendar::Kind::Holiday, QDate(2025, 10, 27), QDate(2025, 10, 31), "Half-term"}});
        start();
        pick(0);
        trigger(MainWindow::Command::PlannedAbsence);
        PlannedAbsenceWindow* planner = PlannedAbsenceWindow::instance();
        QVERIFY(planner);
        auto* student = planner->findChild<QComboBox*>(QStringLiteral("cboStudent"));
        student->setCurrentIndex(student->findData(ids.at(0)));
        planner->findChild<QDateEdit*>(QStringLiteral("dtpFrom"))->setDate(QDate(2025, 10, 27));
        planner->findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate(2025, 10, 31));
        QVERIFY(!planner->addPlan());
        QVERIFY(dialogs().shown().last().text.contains(QStringLiteral("no school day")));
        planner->findChild<QDateEdit*>(QStringLiteral("dtpFrom"))->setDate(QDate(2025, 10, 23));
        planner->findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate(2025, 11, 4));
        planner->findChild<QLineEdit*>(QStringLiteral("txtReason"))->setText(QStringLiteral("Hospital stay"));
        QVERIFY(planner->addPlan());
        auto* list = planner->findChild<QTableWidget*>(QStringLiteral("tblPlanned"));
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->item(0, 4)->text(), QStringLiteral("4")); // 23, 24 October, 3, 4 November

        changeDate(QDate(2025, 10, 24));
        QCOMPARE(card(0)->status(), QStringLiteral("Excused"));
        QCOMPARE(card(0)->remark(), QStringLiteral("Hospital stay"));
        QCOMPARE(card(1)->status(), QStringLiteral("Present"));
        QVERIFY(!m_window->isChanged());
        changeDate(QDate(2025, 10, 28));
        QCOMPARE(card(0)->status(), QStringLiteral("Present"));
        changeDate(QDate(2025, 11, 3));
        QCOMPARE(card(0)->status(), QStringLiteral("Excused"));
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(statusOn(ids.at(0), QDate(2025, 11, 3)), QStringLiteral("Excused"));

        list->selectRow(0);
        dialogs().answerYes();
        planner->cancelSelected();
        QCOMPARE(list->rowCount(), 0);
        changeDate(QDate(2025, 11, 4));
        QCOMPARE(card(0)->status(), QStringLiteral("Present"));
        QCOMPARE(statusOn(ids.at(0), QDate(2025, 11, 3)), QStringLiteral("Excused"));
    }

    // A register kept once a day by the program before sessions switches to two. Asked once, its
    // marks count for both sessions; each is then a register of its own, with its own save and
    // history, and the afternoon can start from the morning's marks.
    void aRegisterKeptOnceADayTakesMorningAndAfternoon()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(classA, {QStringLiteral("Amy"), QStringLiteral("Ben")});
        const QDate monday(2025, 9, 8);
        db::saveMarks(monday, {{ids.at(0), QStringLiteral("Absent")}, {ids.at(1), QStringLiteral("Late")}},
            QStringLiteral("Fire drill"));
        if (!onServer()) {
            // The file as the program before sessions left it.
            db::close();
            {
                QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("before"));
                file.setDatabaseName(m_env->livePath());
                QVERIFY(file.open());
                QSqlQuery query(file);
                for (const char* statement : {"DROP INDEX ixAttendanceKey",
                         "ALTER TABLE tblAttendance DROP COLUMN Session", "ALTER TABLE tblHistory DROP COLUMN Session",
                         "CREATE UNIQUE INDEX ixAttendanceKey ON tblAttendance (StudentID, \"Date\")",
                         "PRAGMA user_version = 11"})
                    QVERIFY2(query.exec(QLatin1String(statement)), statement);
            }
            QSqlDatabase::removeDatabase(QStringLiteral("before"));
            m_env->reopenRegister();
        }
        start();
        pick(0);
        changeDate(monday);
        auto* session = m_window->findChild<QComboBox*>(QStringLiteral("cboSession"));
        QVERIFY(!session->isVisible());
        QCOMPARE(card(0)->status(), QStringLiteral("Absent"));

        trigger(MainWindow::Command::Sessions);
        auto* setup = m_window->findChild<SessionsWindow*>(QStringLiteral("frmSessions"));
        QVERIFY(setup);
        setup->findChild<QRadioButton*>(QStringLiteral("optTwo"))->setChecked(true);
        dialogs().answerCancel();
        QVERIFY(!setup->save());
        QCOMPARE(db::sessionsPerDay(), 1);
        dialogs().answerYes();
        QVERIFY(setup->save());
        QCOMPARE(db::sessionsPerDay(), 2);
        QCOMPARE(db::mark(ids.at(0), monday, db::Session::Afternoon)->status, QStringLiteral("Absent"));
        QCOMPARE(db::mark(ids.at(1), monday, db::Session::Afternoon)->notes, QStringLiteral("Fire drill"));
        QVERIFY(session->isVisible());
        QVERIFY(picker()->geometry().right() < session->geometry().left());

        // The afternoon's register: changing Amy's copied mark is an amendment of its own.
        session->setCurrentIndex(1);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(m_window->cardsSession(), db::Session::Afternoon);
        QCOMPARE(card(0)->status(), QStringLiteral("Absent"));
        QTest::mouseClick(card(0)->statusLabel(), Qt::LeftButton);
        dialogs().answerText(QStringLiteral("Back after lunch"));
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QVERIFY(!m_window->isChanged());
        QCOMPARE(db::mark(ids.at(0), monday, db::Session::Afternoon)->status, QStringLiteral("Present"));
        QCOMPARE(db::mark(ids.at(0), monday)->status, QStringLiteral("Absent"));
        QCOMPARE(
            db::history(ids.at(0), monday, db::Session::Afternoon).first().reason, QStringLiteral("Back after lunch"));
        QVERIFY(db::history(ids.at(0), monday).first().reason.isEmpty());
        // The sheet has both registers of the day and marks the one amended.
        const QList<reports::ReportCell> amy
            = reports::sheetTable(reports::sheet({classA, monday, monday}), false).rows.first();
        QCOMPARE(QStringList({amy.at(1).text, amy.at(2).text}), QStringList({"A", "P*"}));

        // A new day's afternoon starts from its morning, once the morning is taken.
        const QDate tuesday = monday.addDays(1);
        changeDate(tuesday);
        QCOMPARE(m_window->cardsSession(), db::Session::Afternoon);
        trigger(MainWindow::Command::CopyThisMorning);
        QVERIFY(dialogs().shown().last().text.contains(QStringLiteral("no saved marks")));
        db::saveMarks(
            tuesday, {{ids.at(0), QStringLiteral("Late")}, {ids.at(1), QStringLiteral("Present")}}, QString());
        trigger(MainWindow::Command::CopyThisMorning);
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("lblTaken"))->text(),
            QStringLiteral("This morning's marks copied, not saved yet"));
        QVERIFY(!db::mark(ids.at(0), tuesday, db::Session::Afternoon));

        // Today is today's register by the clock; the copied marks are let go when asked.
        dialogs().answerNo();
        trigger(MainWindow::Command::Today);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(m_window->cardsDate(), QDate::currentDate());
        QCOMPARE(m_window->cardsSession(),
            QTime::currentTime() >= db::afternoonFrom() ? db::Session::Afternoon : db::Session::Morning);
    }

    // Minutes late go with a Late mark only: typed from the card's menu, saved, read back, and
    // summed in the summary and shown on the sheet.
    void minutesLateAreKeptWithALateMark()
    {
        const qint64 classA = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids = addStudents(classA, {QStringLiteral("Amy"), QStringLiteral("Ben")});
        const QDate today = QDate::currentDate();
        start();
        activate();
        pick(0);
        card(0)->setFocus();
        press(Qt::Key_L);
        dialogs().answerText(QStringLiteral("ten"));
        answerCardMenu(Qt::Key_M);
        rightClick(card(0)->photo());
        QCOMPARE(card(0)->lateMinutes(), 0);
        QVERIFY(dialogs().shown().last().text.contains(QStringLiteral("not a number")));
        dialogs().answerText(QStringLiteral("12"));
        answerCardMenu(Qt::Key_M);
        rightClick(card(0)->photo());
        QCOMPARE(card(0)->statusLabel()->text(), QStringLiteral("Late 12\u2032"));
        QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
        QCOMPARE(db::mark(ids.at(0), today)->lateMinutes, 12);
        pick(0);
        QCOMPARE(card(0)->lateMinutes(), 12);

        const reports::ReportScope scope {classA, today, today};
        QCOMPARE(reports::summary(scope).first().lateMinutes, 12);
        QCOMPARE(reports::sheetTable(reports::sheet(scope), false).rows.first().at(1).text, QStringLiteral("L12"));
        // Another status takes the minutes away.
        activate();
        card(0)->setFocus();
        press(Qt::Key_P);
        QCOMPARE(card(0)->lateMinutes(), 0);
    }

    void copyingADayAndMarkingAllPresentAskBeforeReplacingMarks()
    {
        const qint64 cls = db::addClass(QStringLiteral("A"));
        const QList<qint64> ids
            = addStudents(cls, {QStringLiteral("Amy"), QStringLiteral("Ben"), QStringLiteral("Cid")});
        const QDate monday(2025, 3, 10);
        start();
        changeDate(monday);
        pick(0);

        trigger(MainWindow::Command::CopyPreviousDay);
        QCOMPARE(dialogs().messages().size(), 1);
        QVERIFY(dialogs().messages().first().startsWith(QStringLiteral("No day before")));
        QVERIFY(!m_window->isChanged());

        db::saveMarks(QDate(2025, 3, 3), {{ids.at(2), QStringLiteral("Absent")}}, QStringLiteral("older"));
        db::saveMarks(QDate(2025, 3, 5),
            {{ids.at(0), QStringLiteral("Late"), QStringLiteral("bus")}, {ids.at(1), QStringLiteral("Excused")}},
            QStringLiteral("trip"));
        db::saveMarks(QDate(2025, 3, 12), {{ids.at(2), QStringLiteral("Late")}}, QString());

        // A fresh day takes the latest earlier day's statuses without a question, and nothing
        // else of that day.
        dialogs().clear();
        trigger(MainWindow::Command::CopyPreviousDay);
        QVERIFY(dialogs().shown().isEmpty());
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QCOMPARE(card(1)->status(), QStringLiteral("Excused"));
        QCOMPARE(card(2)->status(), QStringLiteral("Present"));
        QVERIFY(card(0)->remark().isEmpty());
        QVERIFY(notes()->toPlainText().isEmpty());
        QVERIFY(m_window->isChanged());
        QCOMPARE(m_window->totalsText(), totals(3, 1, 1, 0, 1));
        // Above the cards, which day they came from.
        QCOMPARE(label("lblTaken")->text(), QStringLiteral("Marks of Wednesday 5 March copied, not saved yet"));

        // Marks that are not Present are only replaced when the user says so.
        dialogs().answerNo();
        trigger(MainWindow::Command::MarkAllPresent);
        QCOMPARE(dialogs().shown().size(), 1);
        QCOMPARE(dialogs().shown().first().kind, ScriptedDialogs::Kind::Question);
        QVERIFY(dialogs().shown().first().text.contains(QStringLiteral(": 2.")));
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        dialogs().answerYes();
        trigger(MainWindow::Command::MarkAllPresent);
        QCOMPARE(m_window->totalsText(), totals(3, 3, 0, 0, 0));

        // Stepping the day goes through the usual prompt; from Tuesday back is Monday, then Friday.
        dialogs().clear();
        dialogs().answerNo();
        trigger(MainWindow::Command::NextDay);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(dialogs().shown().size(), 1);
        QCOMPARE(dialogs().shown().first().text, kPrompt);
        QCOMPARE(picker()->date(), QDate(2025, 3, 11));
        trigger(MainWindow::Command::PreviousDay);
        trigger(MainWindow::Command::PreviousDay);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(picker()->date(), QDate(2025, 3, 7));
        QCOMPARE(dialogs().shown().size(), 1);
        QCOMPARE(statusOn(ids.at(0), monday), QStringLiteral("<none>"));
        trigger(MainWindow::Command::Today);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(picker()->date(), QDate::currentDate());
        QCOMPARE(m_window->cardsDate(), QDate::currentDate());
    }

    void theMenuBarSitsAboveTheLayoutAndRunsTheCommands()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("4.5.6"));
        start();
        // The layout is measured from under the bar, and the status line fits in the window.
        const QWidget* frame1 = m_window->findChild<QWidget*>(QStringLiteral("Frame1"));
        QCOMPARE(frame1->mapTo(m_window.get(), QPoint(0, 0)), QPoint(8, m_window->menuBar()->height() + 8));
        QVERIFY(label("lblTotals")->mapTo(m_window.get(), QPoint(0, label("lblTotals")->height())).y()
            <= m_window->height());

        // F1 opens the help window, which ends with what the Manage Classes window's Help says
        // and names where the register is.
        activate();
        press(Qt::Key_F1);
        QVERIFY(HelpWindow::instance() && HelpWindow::instance()->isVisible());
        ManageClassesWindow::showShared()->PushButton6_Click();
        QCOMPARE(dialogs().messages().size(), 1);
        const QString help = HelpWindow::instance()->findChild<QTextBrowser*>(QStringLiteral("txtHelp"))->toPlainText();
        QVERIFY(help.contains(dialogs().messages().first()));
        QVERIFY(help.contains(QDir::toNativeSeparators(db::location())));
        delete HelpWindow::instance();

        dialogs().clear();
        trigger(MainWindow::Command::About);
        const QString about = dialogs().messages().value(0);
        for (const QString& part : {QStringLiteral("4.5.6"), QDir::toNativeSeparators(db::location()), db::engineName(),
                 QStringLiteral("GNU General Public License"), QStringLiteral("version 3")})
            QVERIFY2(about.contains(part), qPrintable(part));
    }

    void frameTitlesReadUnderADarkPalette()
    {
        // A dark desktop's window text is light; the frames' own background is white.
        QPalette dark = QApplication::palette();
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        start();
        for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
            const auto* frame = m_window->findChild<QGroupBox*>(QString::fromLatin1(name));
            QCOMPARE(frame->palette().color(QPalette::Window), QColor(Qt::white));
            QVERIFY2(status::contrast(frame->palette().color(QPalette::WindowText), Qt::white) >= 4.5, name);
        }

        // A dark desktop's frames are its own colour, not white strips around dark boxes.
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        QApplication::setPalette(dark);
        start();
        for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
            const auto* frame = m_window->findChild<QGroupBox*>(QString::fromLatin1(name));
            QCOMPARE(frame->palette().color(QPalette::Window), QColor(40, 40, 40));
            QVERIFY2(status::contrast(frame->palette().color(QPalette::WindowText), QColor(40, 40, 40)) >= 4.5, name);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
