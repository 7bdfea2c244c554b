// The main window when the register changes under it: another user's save of the same class and
// day, a listing that fails part-way, a file shortened while it is being read.
#include "TestSupport.h"

#include "attendance/MainWindow.h"
#include "attendance/StudentCard.h"
#include "register/Database.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

#include <dlfcn.h>

namespace {

const QDate kToday = QDate::currentDate();

// Another program instance: its own connection to the same file, saving as jsmith on OFFICE-2.
void otherUserSaves(const QString& path, qint64 studentId, const QString& status)
{
    const QString name = QStringLiteral("OtherInstance");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QSqlQuery query(other);
        QVERIFY(query.prepare(QStringLiteral(
            "INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes, ChangedAt, ChangedBy, ChangedOn) "
            "VALUES (?, ?, ?, '', ?, 'jsmith', 'OFFICE-2') ON CONFLICT (StudentID, \"Date\", Session) DO UPDATE SET "
            "\"Status\" = excluded.\"Status\", ChangedAt = excluded.ChangedAt, ChangedBy = 'jsmith', "
            "ChangedOn = 'OFFICE-2'")));
        query.addBindValue(studentId);
        query.addBindValue(db::dateKey(kToday));
        query.addBindValue(status);
        query.addBindValue(QDateTime(kToday, QTime(9, 14)).toUTC().toString(Qt::ISODateWithMs));
        QVERIFY(query.exec());
        other.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QString statusOn(qint64 studentId)
{
    const std::optional<db::Mark> mark = db::mark(studentId, kToday);
    return mark ? mark->status : QStringLiteral("<none>");
}

// Calls back from inside the engine while a statement runs, through SQLite's progress handler.
class StatementHook
{
public:
    using Handler = int (*)(void*);
    StatementHook(const QSqlDatabase& connection, std::function<void()> action)
        : m_action(std::move(action))
    {
        void* library = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_NOLOAD);
        m_install = library ? reinterpret_cast<Install>(dlsym(library, "sqlite3_progress_handler")) : nullptr;
        const QVariant handle = connection.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_connection = *static_cast<void* const*>(handle.constData());
        if (available())
            m_install(m_connection, 20, &StatementHook::called, this);
    }
    ~StatementHook()
    {
        if (available())
            m_install(m_connection, 0, nullptr, nullptr);
    }
    bool available() const { return m_install && m_connection; }

private:
    using Install = void (*)(void*, int, Handler, void*);
    static int called(void* context)
    {
        auto* self = static_cast<StatementHook*>(context);
        if (self->m_action) {
            const std::function<void()> action = std::move(self->m_action);
            self->m_action = nullptr;
            action();
        }
        return 0;
    }

    std::function<void()> m_action;
    Install m_install = nullptr;
    void* m_connection = nullptr;
};

} // namespace

class TestSavedElsewhere : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MainWindow> m_window;
    QList<qint64> m_ids;

    ScriptedDialogs& dialogs() { return m_env->dialogs(); }
    QComboBox* combo() { return m_window->findChild<QComboBox*>(QStringLiteral("Combo1")); }
    QTimer* timer() { return m_window->findChild<QTimer*>(QStringLiteral("Timer1")); }
    StudentCard* card(int i) { return m_window->listedCards().at(i); }
    void click(int i) { QTest::mouseClick(card(i)->statusLabel(), Qt::LeftButton); }
    void save() { QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("PushButton2")), Qt::LeftButton); }

    void start()
    {
        m_window = std::make_unique<MainWindow>();
        m_window->setProgramEnd([] {});
        m_window->load();
        m_window->show();
        QTRY_VERIFY(!timer()->isActive());
    }

    void pick(int index)
    {
        combo()->setCurrentIndex(index);
        QTRY_VERIFY(!timer()->isActive());
    }

    QString lastQuestion()
    {
        for (qsizetype i = dialogs().shown().size() - 1; i >= 0; --i) {
            if (dialogs().shown().at(i).kind == ScriptedDialogs::Kind::Question)
                return dialogs().shown().at(i).text;
        }
        return QString();
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->openRegister();
        const qint64 blue = db::addClass(QStringLiteral("Year 7 Blue"));
        db::addClass(QStringLiteral("Year 8 Red"));
        m_ids.clear();
        for (const char* name : {"Ann", "Ben", "Cal"})
            m_ids << db::addStudent(QString::fromLatin1(name), blue, std::nullopt);
        db::close();
    }

    void cleanup()
    {
        m_window.reset();
        m_env.reset();
    }

    void aStaleSaveAsksAndEitherAnswerLosesNothing()
    {
        start();
        pick(0);
        // Another user marks Ben late after this window loaded its cards.
        otherUserSaves(m_env->livePath(), m_ids.at(1), QStringLiteral("Late"));
        click(0); // Ann: Late on this screen

        dialogs().answerNo();
        save();
        const QString question = lastQuestion();
        QVERIFY2(question.startsWith(QStringLiteral("The register of Year 7 Blue for %1 was changed by jsmith on "
                                                    "OFFICE-2 at 09:14, after you opened it.")
                                         .arg(QLocale().toString(kToday, QStringLiteral("d MMMM yyyy")))),
            qPrintable(question));
        QVERIFY(question.endsWith(QStringLiteral("Overwrite it with the marks on your screen?")));
        // No: nothing written, the screen's marks kept unsaved, the stored ones shown.
        QCOMPARE(statusOn(m_ids.at(0)), QStringLiteral("<none>"));
        QCOMPARE(statusOn(m_ids.at(1)), QStringLiteral("Late"));
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QVERIFY(m_window->isChanged());
        QVERIFY(!dialogs().messages().contains(QStringLiteral("Done Saved")));
        QVERIFY(dialogs().messages().last().contains(QStringLiteral("Ben: Late (on your screen: Present)")));

        // The prompt of a class change is guarded the same way: No keeps class and marks.
        dialogs().answerYes(); // save the changes?
        dialogs().answerNo(); // overwrite?
        pick(1);
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
        QVERIFY(m_window->isChanged());

        // Yes writes the marks on screen, every card of them.
        dialogs().answerYes();
        save();
        QCOMPARE(statusOn(m_ids.at(0)), QStringLiteral("Late"));
        QCOMPARE(statusOn(m_ids.at(1)), QStringLiteral("Present"));
        QCOMPARE(dialogs().messages().last(), QStringLiteral("Done Saved"));
        QVERIFY(!m_window->isChanged());

        // A save of marks nobody else touched asks nothing.
        const qsizetype shown = dialogs().shown().size();
        click(2);
        save();
        QCOMPARE(dialogs().shown().size(), shown + 1);
        QCOMPARE(statusOn(m_ids.at(2)), QStringLiteral("Late"));
    }

    void notesChangedElsewhereAreAskedAboutAndKeptInTheHistory()
    {
        db::open(m_env->livePath());
        db::saveMarks(kToday,
            {{m_ids.at(0), QStringLiteral("Present")}, {m_ids.at(1), QStringLiteral("Present")},
                {m_ids.at(2), QStringLiteral("Present")}},
            QStringLiteral("Trip at 10"));
        db::close();
        start();
        pick(0);
        // Another teacher changes only the day's notes, on every row as a save does.
        {
            QSqlDatabase other = m_env->otherConnection(QStringLiteral("NotesElsewhere"));
            QSqlQuery query(other);
            QVERIFY(query.exec(QStringLiteral("UPDATE tblAttendance SET Notes = 'Trip moved to 11', ChangedBy = "
                                              "'jsmith', ChangedOn = 'OFFICE-2', ChangedAt = '%1'")
                                   .arg(QDateTime(kToday, QTime(9, 14)).toUTC().toString(Qt::ISODateWithMs))));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("NotesElsewhere"));
        click(0);
        dialogs().answerYes();
        save();
        QVERIFY2(
            lastQuestion().contains(QStringLiteral("The day's notes were changed too")), qPrintable(lastQuestion()));
        // Yes replaced them, and the history keeps what they were.
        QCOMPARE(db::mark(m_ids.at(1), kToday)->notes, QStringLiteral("Trip at 10"));
        const QList<db::HistoryRow> history = db::history(m_ids.at(1), kToday);
        QVERIFY(!history.isEmpty());
        QCOMPARE(history.first().oldNotes, QStringLiteral("Trip moved to 11"));
        QCOMPARE(history.first().newNotes, QStringLiteral("Trip at 10"));
    }

    void closingOverAnotherUsersSaveAsksTwice()
    {
        start();
        pick(0);
        otherUserSaves(m_env->livePath(), m_ids.at(0), QStringLiteral("Absent"));
        click(0);
        dialogs().answerYes(); // save the changes?
        dialogs().answerNo(); // overwrite?
        dialogs().answerNo(); // close without saving them?
        QVERIFY(!m_window->close());
        QCOMPARE(statusOn(m_ids.at(0)), QStringLiteral("Absent"));
        QCOMPARE(card(0)->status(), QStringLiteral("Late"));
    }

    void aFailedListingSaysSoAndSaveWritesNothing()
    {
        start();
        {
            // Another program takes the students' table away after the class list was read.
            QSqlQuery(db::connection()).exec(QStringLiteral("ALTER TABLE tblStudents RENAME TO tblGone"));
        }
        pick(0);
        QVERIFY(m_window->listingFailed());
        QVERIFY(m_window->listedCards().isEmpty());
        QVERIFY(m_window->findChild<QLabel*>(QStringLiteral("lblListingFailed"))->isVisible());
        const qsizetype reports = dialogs().messages().size();
        QVERIFY(reports >= 1);

        save();
        QCOMPARE(dialogs().messages().size(), reports + 1);
        QCOMPARE(dialogs().messages().last(), QStringLiteral("Nothing was saved: this class could not be listed."));
        QSqlQuery rows(db::connection());
        QVERIFY(rows.exec(QStringLiteral("SELECT count(*) FROM tblAttendance")) && rows.next());
        QCOMPARE(rows.value(0).toInt(), 0);

        // Once the class lists again, the message goes.
        QSqlQuery(db::connection()).exec(QStringLiteral("ALTER TABLE tblGone RENAME TO tblStudents"));
        pick(1);
        pick(0);
        QVERIFY(!m_window->listingFailed());
        QCOMPARE(m_window->listedCards().size(), 3);
    }

    void aRegisterShortenedUnderAListingIsReportedNotFatal()
    {
        // Enough students that their rows lie on pages not yet read when the listing starts.
        {
            db::open(m_env->livePath());
            const qint64 big = db::classes().first().id;
            QSqlQuery(db::connection()).exec(QStringLiteral("BEGIN"));
            for (int i = 0; i < 400; ++i)
                db::addStudent(QStringLiteral("Student %1 ").arg(i, 3, 10, QLatin1Char('0')) + QString(200, u'x'), big,
                    std::nullopt);
            QSqlQuery(db::connection()).exec(QStringLiteral("COMMIT"));
            db::close();
        }
        start();
        const QString path = m_env->livePath();
        StatementHook hook(db::connection(), [path] { QFile::resize(path, 4096); });
        if (!hook.available())
            QSKIP("The SQL driver does not use the system's SQLite library here, so no statement can be held.");
        pick(0);
        // Still running, the damage reported in the words the program uses for it.
        QVERIFY(m_window->listingFailed());
        QVERIFY(!dialogs().messages().isEmpty());
        QVERIFY2(
            dialogs().messages().last().contains(QStringLiteral("damaged")), qPrintable(dialogs().messages().last()));
    }
};

QTEST_MAIN(TestSavedElsewhere)
#include "tst_savedelsewhere.moc"
