// Students from a spreadsheet and photos from a folder: hostile files, the preview, one
// transaction that a cancel or a bad picture leaves unwritten, and a second import that adds
// nothing.
#include "TestSupport.h"

#include "core/Names.h"

#include "core/Csv.h"
#include "core/Photo.h"
#include "import/ImportWrites.h"
#include "import/PhotoImport.h"
#include "import/StudentImport.h"
#include "import/window/ImportPhotosDialog.h"
#include "import/window/ImportStudentsDialog.h"
#include "register/Database.h"
#include "roster/ManageClassesWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// "line:field|field" for each record, errors marked with a "!".
QStringList shown(const QList<csv::Record>& records)
{
    QStringList lines;
    for (const csv::Record& record : records)
        lines << QStringLiteral("%1:%2%3")
                     .arg(record.line)
                     .arg(record.fields.join(QLatin1Char('|')),
                         record.error.isEmpty() ? QString() : QStringLiteral("!"));
    return lines;
}

QList<int> linesOf(const QList<StudentImportPlan::Row>& rows)
{
    QList<int> lines;
    for (const StudentImportPlan::Row& row : rows)
        lines << row.line;
    return lines;
}

QString reasonOn(const QList<StudentImportPlan::Row>& rows, int line)
{
    for (const StudentImportPlan::Row& row : rows) {
        if (row.line == line)
            return row.reason;
    }
    return QString();
}

QStringList namesOf(qint64 classId)
{
    QStringList names;
    for (const db::StudentRow& row : db::studentsOfClass(classId, false))
        names << row.name;
    return names;
}

qint64 classNamed(const QString& name)
{
    for (const db::ClassRow& row : db::classes()) {
        if (row.name == name)
            return row.id;
    }
    return 0;
}

// Runs the action inside the next modal dialog's own event loop, then closes the dialog if the
// action left it open.
void whenModalOpens(const std::function<void(QDialog*)>& action, bool& done)
{
    done = false;
    QTimer::singleShot(0, [action, &done] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog) {
            action(dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
        done = true;
    });
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readsWhatSpreadsheetsWrite_data();
    void readsWhatSpreadsheetsWrite();
    void hostileFilePreviewedThenImportedOnce();
    void fileWithoutTheColumnsIsRefused();
    void cancelOrUnreadablePictureWritesNothing();
    void oneStrayByteIsNamedAndAnotherEncodingCanBeChosen();
    void namesThatBreakWhatShowsThemAreRefusedPerRow();
    void tenThousandRows();
    void photosFromAFolder();

private:
    QString folder() const { return m_env->root() + QStringLiteral("/sheet"); }
    std::unique_ptr<TestEnvironment> m_env;
};

void TestImport::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_env->openRegister();
}

void TestImport::cleanup()
{
    delete ManageClassesWindow::instance();
    m_env.reset();
}

void TestImport::readsWhatSpreadsheetsWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("quoted separators, quotes and line breaks")
        << QByteArray("Class,Name\n7A,\"Smith, \"\"Jo\"\" Ann\"\n  \"7B\",\"two\r\nlines\"\n") << QStringLiteral(",")
        << int(csv::Encoding::Utf8)
        << QStringList {QStringLiteral("1:Class|Name"), QStringLiteral("2:7A|Smith, \"Jo\" Ann"),
               QStringLiteral("3:7B|two\r\nlines")};
    QTest::newRow("byte-order mark, CRLF, empty lines")
        << QByteArray("\xEF\xBB\xBF"
                      "Class;Name\r\n\r\n7A;Zo\xC3\xAB\r\n;;\r\n   \r\n8B;\"a,b\"")
        << QStringLiteral(";") << int(csv::Encoding::Utf8)
        << QStringList {QStringLiteral("1:Class|Name"), QStringLiteral("3:7A|Zoë"), QStringLiteral("6:8B|a,b")};
    QTest::newRow("Windows-1252, tabs, lone CR")
        << QByteArray("Class\tName\r7A\tM\xFCller \x80\x96\x9C\r") << QStringLiteral("\t")
        << int(csv::Encoding::Windows1252)
        << QStringList {QStringLiteral("1:Class|Name"), QStringLiteral("2:7A|Müller €–œ")};
    QTest::newRow("UTF-16 as Excel saves Unicode text")
        << QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(u"Class\tName\n7A\t\u00EBve"), 34)
        << QStringLiteral("\t") << int(csv::Encoding::Utf16)
        << QStringList {QStringLiteral("1:Class|Name"), QStringLiteral("2:7A|ëve")};
    QTest::newRow("a quote never closed")
        << QByteArray("Class,Name\n7A,\"Ann\n7B,Ben\n") << QStringLiteral(",") << int(csv::Encoding::Utf8)
        << QStringList {QStringLiteral("1:Class|Name"), QStringLiteral("2:7A|Ann\n7B,Ben\n!")};
}

void TestImport::readsWhatSpreadsheetsWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, separator);
    QFETCH(int, encoding);
    QFETCH(QStringList, records);
    const csv::DecodedText text = csv::decodeText(bytes);
    QCOMPARE(int(text.encoding), encoding);
    QCOMPARE(QString(csv::detectSeparator(text.text)), separator);
    QCOMPARE(shown(csv::parse(text.text, separator.at(0))), records);
}

void TestImport::hostileFilePreviewedThenImportedOnce()
{
    const qint64 math = db::addClass(QStringLiteral("MATH"));
    db::addStudent(QStringLiteral("existing"), math, std::nullopt);
    QDir().mkpath(folder() + QStringLiteral("/sub"));
    QVERIFY(samplePicture(64, 48, Qt::blue).save(folder() + QStringLiteral("/good.jpg"), "jpg"));
    QVERIFY(samplePicture(32, 32, Qt::green).save(folder() + QStringLiteral("/sub/ok.png"), "png"));
    QVERIFY(samplePicture(32, 32, Qt::green).save(m_env->root() + QStringLiteral("/outside.jpg"), "jpg"));
    QVERIFY(QFile::link(m_env->root() + QStringLiteral("/outside.jpg"), folder() + QStringLiteral("/link.jpg")));
    writeFile(folder() + QStringLiteral("/bad.jpg"), "not a picture at all");
    const QString sheet = folder() + QStringLiteral("/students.csv");
    writeFile(sheet,
        "\xEF\xBB\xBFName;Photo;CLASS;Notes\r\n" // 1
        "Ann;good.jpg;7A;x\r\n" // 2
        "\r\n" // 3
        "Ben;sub\\ok.png;7A\r\n" // 4
        "Cy;../outside.jpg;7A\r\n" // 5
        "Di;link.jpg;7A\r\n" // 6
        "Ed;missing.jpg;7B\r\n" // 7
        "Fay;bad.jpg;7B\r\n" // 8
        "Gus\r\n" // 9
        ";;7B\r\n" // 10
        "\" ann \";;7a\r\n" // 11
        "Existing;;Math\r\n" // 12
        "\"Hal \"\"the\"\" Best\";;\"8; C\"\r\n" // 13
        "Ivy;/tmp/x.jpg;7A\r\n"); // 14

    const StudentImportPlan plan = planStudentImport(sheet);
    QVERIFY2(plan.fileError.isEmpty(), qPrintable(plan.fileError));
    QCOMPARE(plan.newClasses, (QStringList {QStringLiteral("7A"), QStringLiteral("8; C")}));
    QList<int> added;
    for (const db::NewStudent& student : plan.toAdd)
        added << student.line;
    QCOMPARE(added, (QList<int> {2, 4, 13}));
    QCOMPARE(plan.toAdd.at(2).name, QStringLiteral("Hal \"the\" Best"));
    QCOMPARE(linesOf(plan.alreadyPresent), (QList<int> {11, 12}));
    QCOMPARE(reasonOn(plan.alreadyPresent, 11), QStringLiteral("listed already on line 2"));
    QCOMPARE(linesOf(plan.errors), (QList<int> {5, 6, 7, 8, 9, 10, 14}));
    const QStringList says {QStringLiteral("outside"), QStringLiteral("outside"), QStringLiteral("not found"),
        QStringLiteral("not a picture"), QStringLiteral("no class"), QStringLiteral("no name"),
        QStringLiteral("not given relative")};
    for (int i = 0; i < says.size(); ++i)
        QVERIFY2(plan.errors.at(i).reason.contains(says.at(i)), qPrintable(plan.errors.at(i).reason));

    // Through the menu's entry: the file, the preview, Import.
    m_env->dialogs().answerFile(sheet);
    bool done = false;
    QString summary;
    whenModalOpens(
        [&summary](QDialog* dialog) {
            summary = dialog->findChild<QLabel*>(QStringLiteral("lblSummary"))->text();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ImportButton")), Qt::LeftButton);
        },
        done);
    QVERIFY(ImportStudentsDialog::run(nullptr));
    QVERIFY(done);
    QVERIFY2(summary.contains(QStringLiteral("Classes to create: 2. Students to add: 3. Rows skipped as already "
                                             "present: 2. Rows with errors: 7.")),
        qPrintable(summary));
    QCOMPARE(namesOf(classNamed(QStringLiteral("7A"))), (QStringList {QStringLiteral("Ann"), QStringLiteral("Ben")}));
    QCOMPARE(namesOf(classNamed(QStringLiteral("8; C"))), QStringList {QStringLiteral("Hal \"the\" Best")});
    QCOMPARE(namesOf(math), QStringList {QStringLiteral("existing")});
    for (const db::StudentRow& row : db::studentsOfClass(classNamed(QStringLiteral("7A")), true)) {
        QVERIFY(isCompactPhoto(row.image));
        QCOMPARE(FetchPhoto(row.image).size(), row.name == QLatin1String("Ann") ? QSize(64, 48) : QSize(32, 32));
    }

    // The same file again adds nothing.
    const StudentImportPlan again = planStudentImport(sheet);
    QVERIFY(again.toAdd.isEmpty());
    QVERIFY(again.newClasses.isEmpty());
    QCOMPARE(linesOf(again.alreadyPresent), (QList<int> {2, 4, 11, 12, 13}));
    ImportStudentsDialog preview(again);
    QVERIFY(!preview.findChild<QPushButton*>(QStringLiteral("ImportButton"))->isEnabled());
    QCOMPARE(db::importStudents(plan.toAdd).studentsAdded, 0);
    QCOMPARE(db::classes().size(), 3);
}

void TestImport::fileWithoutTheColumnsIsRefused()
{
    const QList<QPair<QByteArray, QString>> cases {
        {"Kurs,Person\n7A,Ann\n", QStringLiteral("must name a class column")},
        {"Class,Name,name\n7A,Ann,Ann\n", QStringLiteral("names the column name twice")},
        {"\n\n", QStringLiteral("holds no rows")},
    };
    for (const auto& [bytes, says] : cases) {
        writeFile(folder() + QStringLiteral("/bad.csv"), bytes);
        m_env->dialogs().clear();
        m_env->dialogs().answerFile(folder() + QStringLiteral("/bad.csv"));
        QVERIFY(!ImportStudentsDialog::run(nullptr));
        const QStringList messages = m_env->dialogs().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(says), qPrintable(messages.first()));
        QVERIFY(messages.first().contains(QStringLiteral("Nothing was imported.")));
    }
    QVERIFY(db::classes().isEmpty());

    // Other systems' and languages' titles are read: first and last names are joined, and a
    // lone "Nom" is the whole name.
    const QList<QPair<QByteArray, QStringList>> read {
        {"Vorname;Nachname;Klasse\nBjörn;Ó Súilleabháin;7A\n", {"7A", "Björn Ó Súilleabháin"}},
        {"Surname,First_Name,Tutor Group\nGarcía Márquez,Ngozi,8B\n", {"8B", "Ngozi García Márquez"}},
        {"Nom;Classe\nAnne Li;6e B\n", {"6e B", "Anne Li"}},
        {"Nombre,Apellidos,Curso\nAna,Ruiz,1A\n", {"1A", "Ana Ruiz"}},
    };
    for (const auto& [bytes, row] : read) {
        writeFile(folder() + QStringLiteral("/titles.csv"), bytes);
        const StudentImportPlan plan = planStudentImport(folder() + QStringLiteral("/titles.csv"));
        QVERIFY2(plan.fileError.isEmpty(), qPrintable(plan.fileError));
        QCOMPARE(plan.toAdd.size(), 1);
        QCOMPARE(QStringList({plan.toAdd.first().className, plan.toAdd.first().name}), row);
    }
}

void TestImport::cancelOrUnreadablePictureWritesNothing()
{
    QByteArray text = "Class,Name,Photo\n";
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("Class %1,Student %2,%3\n").arg(i % 4).arg(i).arg(i == 30 ? "late.png" : "").toUtf8();
    writeFile(folder() + QStringLiteral("/list.csv"), text);
    QVERIFY(samplePicture(16, 16, Qt::red).save(folder() + QStringLiteral("/late.png"), "png"));
    const StudentImportPlan plan = planStudentImport(folder() + QStringLiteral("/list.csv"));
    QCOMPARE(plan.toAdd.size(), 40);

    QVERIFY_THROWS_EXCEPTION(Cancelled, db::importStudents(plan.toAdd, [](qint64 done, qint64) { return done < 20; }));
    QVERIFY(db::classes().isEmpty());

    // A picture spoiled between the preview and the import stops it whole.
    writeFile(folder() + QStringLiteral("/late.png"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, 'x'));
    try {
        db::importStudents(plan.toAdd);
        QFAIL("a picture that cannot be read was imported");
    } catch (const Failure& failure) {
        QVERIFY2(failure.description().startsWith(QStringLiteral("Line 32:")), qPrintable(failure.description()));
    }
    QVERIFY(db::classes().isEmpty());
    QCOMPARE(db::importStudents(plan.toAdd.mid(0, 30)).studentsAdded, 30);
}

void TestImport::oneStrayByteIsNamedAndAnotherEncodingCanBeChosen()
{
    // UTF-8 throughout, but for one Windows-1252 byte on line 3.
    writeFile(folder() + QStringLiteral("/list.csv"), "Class,Name\n7A,Caf\xC3\xA9 Owner\n7A,Ren\xE9\n7A,Zo\xC3\xAB\n");
    const QString path = folder() + QStringLiteral("/list.csv");
    const StudentImportPlan guessed = planStudentImport(path);
    QCOMPARE(guessed.encoding, csv::Encoding::Windows1252);
    QVERIFY2(
        guessed.encodingReason.contains(QStringLiteral("byte 7 of line 3 (0xE9)")), qPrintable(guessed.encodingReason));
    const StudentImportPlan chosen = planStudentImport(path, csv::Encoding::Utf8);
    QVERIFY(chosen.encodingReason.isEmpty());
    QCOMPARE(chosen.toAdd.size(), 3);
    QCOMPARE(chosen.toAdd.first().name, QStringLiteral("Café Owner"));
    QCOMPARE(chosen.toAdd.last().name, QStringLiteral("Zoë"));
}

void TestImport::namesThatBreakWhatShowsThemAreRefusedPerRow()
{
    const QByteArray longest(names::kMaxLength, 'a');
    writeFile(folder() + QStringLiteral("/list.csv"),
        "Class,Name\n7A," + longest + "\n7A," + longest
            + "b\n7A,Nul\x01l\n7A,\xE2\x80\xAE"
              "evil.exe\n"
            + "7\xE2\x81\xA6"
              "B,Isolated\n7A,Plain\n");
    const StudentImportPlan plan = planStudentImport(folder() + QStringLiteral("/list.csv"));
    QCOMPARE(plan.toAdd.size(), 2);
    QCOMPARE(plan.errors.size(), 4);
    QVERIFY2(
        plan.errors.at(0).reason.contains(QStringLiteral("longer than 200")), qPrintable(plan.errors.at(0).reason));
    QVERIFY2(
        plan.errors.at(1).reason.contains(QStringLiteral("control character")), qPrintable(plan.errors.at(1).reason));
    QVERIFY2(plan.errors.at(2).reason.contains(QStringLiteral("U+202E")), qPrintable(plan.errors.at(2).reason));
    QVERIFY2(plan.errors.at(3).reason.startsWith(QStringLiteral("class: ")), qPrintable(plan.errors.at(3).reason));
}

void TestImport::tenThousandRows()
{
    QByteArray text = "name,class\n";
    for (int i = 0; i < 10000; ++i)
        text += QStringLiteral("\"Student %1, %2\",Year %3\n").arg(i).arg(QChar(0x4E00 + i % 500)).arg(i % 25).toUtf8();
    writeFile(folder() + QStringLiteral("/school.csv"), text);
    const StudentImportPlan plan = planStudentImport(folder() + QStringLiteral("/school.csv"));
    QCOMPARE(plan.toAdd.size(), 10000);
    QCOMPARE(plan.newClasses.size(), 25);
    const db::ImportResult result = db::importStudents(plan.toAdd);
    QCOMPARE(result.studentsAdded, 10000);
    QCOMPARE(result.classesCreated, 25);
    QCOMPARE(namesOf(classNamed(QStringLiteral("Year 7"))).size(), 400);
    QCOMPARE(planStudentImport(folder() + QStringLiteral("/school.csv")).alreadyPresent.size(), 10000);
}

void TestImport::photosFromAFolder()
{
    const qint64 classId = db::addClass(QStringLiteral("7A"));
    const qint64 anna = db::addStudent(QStringLiteral("Anna Smith"), classId, std::nullopt);
    const QByteArray bensOld = StorePhoto(samplePicture(8, 8, Qt::black));
    const qint64 ben = db::addStudent(QStringLiteral("Ben Jones"), classId, bensOld);
    const qint64 cara = db::addStudent(QStringLiteral("Cara"), classId, std::nullopt);
    db::addStudent(QStringLiteral("Dup"), classId, std::nullopt);
    db::addStudent(QStringLiteral("Dup"), classId, std::nullopt);
    db::addStudent(QStringLiteral("Eve"), classId, std::nullopt);
    db::addStudent(QStringLiteral("Zed"), db::addClass(QStringLiteral("7B")), std::nullopt);
    const QString pictures = m_env->root() + QStringLiteral("/pictures");
    QDir().mkpath(pictures);
    QVERIFY(samplePicture(40, 30, Qt::red).save(pictures + QStringLiteral("/ anna smith .JPG"), "jpg"));
    QVERIFY(samplePicture(20, 20, Qt::blue).save(pictures + QStringLiteral("/BEN JONES.png"), "png"));
    writeFile(pictures + QStringLiteral("/cara.gif"), "GIF89a broken");
    writeFile(pictures + QStringLiteral("/cara.txt"), "notes");
    QVERIFY(samplePicture(8, 8, Qt::green).save(pictures + QStringLiteral("/Dup.jpg"), "jpg"));
    QVERIFY(samplePicture(8, 8, Qt::green).save(pictures + QStringLiteral("/Zed.jpg"), "jpg"));
    QVERIFY(samplePicture(8, 8, Qt::green).save(pictures + QStringLiteral("/.eve.jpg"), "jpg"));

    const PhotoImportPlan plan = planPhotoImport(classId, pictures);
    QCOMPARE(plan.matches.size(), 2);
    QCOMPARE(plan.matches.at(0).studentId, anna);
    QCOMPARE(plan.matches.at(1).studentId, ben);
    QVERIFY(plan.matches.at(1).replacesPhoto);
    QCOMPARE(plan.studentsWithoutPicture, QStringList {QStringLiteral("Eve")});
    QCOMPARE(plan.filesWithoutStudent, QStringList {QStringLiteral("Zed.jpg")});
    QCOMPARE(plan.problems.size(), 2);
    QCOMPARE(plan.problems.at(0).file, QStringLiteral("cara.gif"));
    QVERIFY(plan.problems.at(1).reason.contains(QStringLiteral("2 students of the class are named Dup")));

    // Through the Manage Classes window, for the class picked there.
    ManageClassesWindow* window = ManageClassesWindow::showShared();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("PushButton7")), Qt::LeftButton);
    QCOMPARE(m_env->dialogs().messages(), QStringList {QStringLiteral("You must select first a class.")});
    auto* combo = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(combo->findText(QStringLiteral("7A")));
    m_env->dialogs().clear();
    m_env->dialogs().answerFolder(pictures);
    bool done = false;
    int sections = 0;
    whenModalOpens(
        [&sections](QDialog* dialog) {
            sections = dialog->findChild<QTreeWidget*>(QStringLiteral("PreviewList"))->topLevelItemCount();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ImportButton")), Qt::LeftButton);
        },
        done);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("PushButton7")), Qt::LeftButton);
    QTRY_VERIFY(done);
    QCOMPARE(sections, 4);
    QCOMPARE(m_env->dialogs().messages(), QStringList {QStringLiteral("Photos stored: 2.")});
    QCOMPARE(FetchPhoto(db::student(anna)->image).size(), QSize(40, 30));
    QCOMPARE(FetchPhoto(db::student(ben)->image).size(), QSize(20, 20));
    QVERIFY(db::student(cara)->image.isEmpty());
}

QTEST_MAIN(TestImport)
#include "tst_import.moc"
