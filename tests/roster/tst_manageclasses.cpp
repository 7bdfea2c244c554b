#include "RosterTestHelpers.h"
#include "TestSupport.h"

#include "core/Photo.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
#include "roster/ManageClassesWindow.h"
#include "ui/ErrorReport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class TestManageClasses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { REQUIRE_TEST_ENGINE(); }
    void init();
    void cleanup();

    void opensLaidOutWithClassesInNameOrder();
    void oneWindowOnly();
    void addNewClassDuplicateTest();
    void addNewClassEmptyNameAndCancel();
    void classesAreRenamedAndPhotosRemoved();
    void classNamesAreStoredAsTyped();
    void deleteClassAsksAndKeepsMarks();
    void pickingAClassListsItsStudents();
    void studentCommandsNeedAClassOrARow();
    void aStudentMovesAndLeavesFromAGivenDay();
    void addStudentListsInNameOrder();
    void editStudentRenamesAndKeepsPhoto();
    void editStudentWithNewJpegStoresItCompact();
    void editStudentWithUnreadablePhoto();
    void editStudentWithNoClassPickedKeepsItsClass();
    void editStudentWhoWasDeletedMeanwhile();
    void cancelAndCloseWriteNothing();
    void deleteStudentAsksAndKeepsMarks();
    void helpNamesTheContactAddress();

private:
    QComboBox* combo() { return m_window->findChild<QComboBox*>(QStringLiteral("Combo1")); }
    QTreeWidget* list() { return m_window->findChild<QTreeWidget*>(QStringLiteral("ListView1")); }
    QPushButton* button(int number)
    {
        return m_window->findChild<QPushButton*>(QStringLiteral("PushButton%1").arg(number));
    }
    void click(int number) { QTest::mouseClick(button(number), Qt::LeftButton); }
    void open() { m_window = ManageClassesWindow::showShared(); }
    void pick(const QString& className)
    {
        const int index = combo()->findText(className);
        QVERIFY(index >= 0);
        combo()->setCurrentIndex(index);
    }
    QStringList comboTexts()
    {
        QStringList texts;
        for (int i = 0; i < combo()->count(); ++i)
            texts << combo()->itemText(i);
        return texts;
    }
    QStringList listedNames()
    {
        QStringList names;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            names << list()->topLevelItem(i)->text(1);
        return names;
    }
    QStringList classNames()
    {
        QStringList names;
        for (const db::ClassRow& row : db::classes())
            names << row.name;
        return names;
    }
    void selectRow(const QString& name)
    {
        const QList<QTreeWidgetItem*> found = list()->findItems(name, Qt::MatchExactly, 1);
        QCOMPARE(found.size(), 1);
        list()->setCurrentItem(found.first());
    }
    ScriptedDialogs& dialogs() { return m_env->dialogs(); }

    std::unique_ptr<TestEnvironment> m_env;
    ManageClassesWindow* m_window = nullptr;
};

void TestManageClasses::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_env->openRegister();
}

void TestManageClasses::cleanup()
{
    delete ManageClassesWindow::instance();
    m_window = nullptr;
    m_env.reset();
}

void TestManageClasses::opensLaidOutWithClassesInNameOrder()
{
    db::addClass(QStringLiteral("Zoology"));
    db::addClass(QStringLiteral("Art"));
    db::addClass(QStringLiteral("Math"));
    open();

    QCOMPARE(m_window->objectName(), QStringLiteral("Form2"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Manage Classes"));
    // The designed 300 pixels, and the row of Import Photos beneath; the window may grow and
    // the student list takes the height, with the buttons kept under it.
    QCOMPARE(m_window->size(), QSize(536, 334));
    QVERIFY(m_window->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(m_window->maximumSize().height() > 334);
    m_window->resize(736, 534);
    QCOMPARE(m_window->findChild<QWidget*>(QStringLiteral("ListView1"))->geometry(), QRect(8, 104, 720, 321));
    QCOMPARE(m_window->findChild<QWidget*>(QStringLiteral("PushButton7"))->geometry(), QRect(8, 500, 720, 27));
    QCOMPARE(m_window->findChild<QWidget*>(QStringLiteral("PushButton4"))->geometry(), QRect(372, 432, 356, 27));
    m_window->resize(536, 334);
    QVERIFY(!m_window->isModal());
    auto* frame = m_window->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("Class"));
    QCOMPARE(frame->geometry(), QRect(8, 8, 520, 55));
    QCOMPARE(combo()->parentWidget(), frame);
    QCOMPARE(combo()->geometry(), QRect(16, 20, 489, 23));
    QCOMPARE(list()->geometry(), QRect(8, 104, 520, 121));
    const QStringList captions {QStringLiteral("Add New Class"), QStringLiteral("Delete Class"),
        QStringLiteral("Add Student"), QStringLiteral("Edit Student"), QStringLiteral("Delete Student"),
        QStringLiteral("Help")};
    const QList<QRect> places {QRect(8, 70, 256, 27), QRect(272, 70, 256, 27), QRect(8, 232, 256, 27),
        QRect(272, 232, 256, 27), QRect(8, 266, 256, 27), QRect(272, 266, 256, 27)};
    for (int i = 0; i < 6; ++i) {
        QVERIFY(button(i + 1));
        QCOMPARE(button(i + 1)->text(), captions.at(i));
        QCOMPARE(button(i + 1)->geometry(), places.at(i));
    }
    QCOMPARE(list()->columnCount(), 2);
    QCOMPARE(list()->headerItem()->text(0), QStringLiteral("ID"));
    QCOMPARE(list()->headerItem()->text(1), QStringLiteral("Student Name"));
    QCOMPARE(list()->columnWidth(1), 466);

    QCOMPARE(comboTexts(), (QStringList {QStringLiteral("Art"), QStringLiteral("Math"), QStringLiteral("Zoology")}));
    QCOMPARE(combo()->currentIndex(), -1);
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(dialogs().shown().isEmpty());
}

void TestManageClasses::oneWindowOnly()
{
    open();
    QCOMPARE(ManageClassesWindow::showShared(), m_window);
    QCOMPARE(ManageClassesWindow::instance(), m_window);
    // Closing unloads it; the next show loads a fresh one with the classes added since.
    QPointer<ManageClassesWindow> closed = m_window;
    m_window->close();
    QTRY_VERIFY(!closed);
    QVERIFY(!ManageClassesWindow::instance());
    db::addClass(QStringLiteral("Late Comers"));
    open();
    QCOMPARE(comboTexts(), QStringList {QStringLiteral("Late Comers")});
}

void TestManageClasses::addNewClassDuplicateTest()
{
    db::addClass(QStringLiteral("Math"));
    open();
    for (const QString& typed : {QStringLiteral("math"), QStringLiteral("MATH"), QStringLiteral("Math")}) {
        dialogs().clear();
        dialogs().answerText(typed);
        click(1);
        QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Class already exists.")});
        QCOMPARE(dialogs().shown().last().caption, applicationTitle());
        QCOMPARE(dialogs().shown().last().icon, UserDialogs::Icon::None);
        QCOMPARE(classNames(), QStringList {QStringLiteral("Math")});
    }
    const ScriptedDialogs::Shown input = dialogs().shown().first();
    QCOMPARE(input.kind, ScriptedDialogs::Kind::InputBox);
    QCOMPARE(input.text, QStringLiteral("Enter New Class Name: "));
    QCOMPARE(input.caption, QStringLiteral("Add New Class"));

    // Spaces are part of the name: this is a second class.
    dialogs().clear();
    dialogs().answerText(QStringLiteral(" Math"));
    click(1);
    QVERIFY(dialogs().messages().isEmpty());
    QCOMPARE(classNames(), (QStringList {QStringLiteral(" Math"), QStringLiteral("Math")}));
    QCOMPARE(comboTexts(), classNames());
    // The class just added is picked, ready for its students.
    QCOMPARE(combo()->currentText(), QStringLiteral(" Math"));
}

// A class is renamed from the class box's menu (not onto another class's name), and a photo is
// removed from the student's menu; No is the default of that question.
void TestManageClasses::classesAreRenamedAndPhotosRemoved()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    db::addClass(QStringLiteral("Art"));
    const qint64 ann = db::addStudent(QStringLiteral("Ann"), math, StorePhoto(samplePicture(8, 8, Qt::red)));
    open();
    pick(QStringLiteral("Math"));
    dialogs().answerText(QStringLiteral("art"));
    m_window->renameSelectedClass();
    QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Class already exists.")});
    dialogs().clear();
    dialogs().answerText(QStringLiteral("Maths 7"));
    m_window->renameSelectedClass();
    QCOMPARE(classNames(), (QStringList {QStringLiteral("Art"), QStringLiteral("Maths 7")}));
    QCOMPARE(combo()->currentText(), QStringLiteral("Maths 7"));
    QCOMPARE(listedNames(), QStringList {QStringLiteral("Ann")});

    list()->setCurrentItem(list()->topLevelItem(0));
    dialogs().clear();
    dialogs().answerYes();
    m_window->removeSelectedPhoto();
    QVERIFY(dialogs().shown().first().noIsDefault);
    QVERIFY(db::student(ann)->image.isEmpty());
}

void TestManageClasses::addNewClassEmptyNameAndCancel()
{
    db::addClass(QStringLiteral("Math"));
    open();
    dialogs().answerCancel();
    click(1);
    QCOMPARE(dialogs().shown().size(), 1);
    QCOMPARE(classNames(), QStringList {QStringLiteral("Math")});

    // Confirming with nothing typed is a name like any other, once.
    dialogs().clear();
    dialogs().answerText(QString());
    click(1);
    QVERIFY(dialogs().messages().isEmpty());
    QCOMPARE(classNames(), (QStringList {QString(), QStringLiteral("Math")}));
    dialogs().answerText(QString());
    click(1);
    QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Class already exists.")});
    QCOMPARE(classNames().size(), 2);
}

void TestManageClasses::classNamesAreStoredAsTyped()
{
    open();
    const QStringList typed {QStringLiteral("O'Brien's class"), QStringLiteral("'); DROP TABLE tblStudents; --"),
        QStringLiteral("Année 5 – ünïcode")};
    for (const QString& name : typed) {
        dialogs().answerText(name);
        click(1);
    }
    QVERIFY(dialogs().messages().isEmpty());
    QStringList expected = typed;
    expected.sort();
    QCOMPARE(classNames(), expected);
    QCOMPARE(comboTexts(), expected);
    // The apostrophes count in the duplicate test as well.
    dialogs().answerText(QStringLiteral("o'brien's CLASS"));
    click(1);
    QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("Class already exists.")});
}

void TestManageClasses::deleteClassAsksAndKeepsMarks()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    const qint64 art = db::addClass(QStringLiteral("Art"));
    const qint64 ann = db::addStudent(QStringLiteral("Ann"), math, StorePhoto(samplePicture(8, 8, Qt::red)));
    const qint64 bob = db::addStudent(QStringLiteral("Bob"), art, std::nullopt);
    const QDate day(2024, 3, 5);
    db::saveMarks(day, {{ann, QStringLiteral("Late")}}, QStringLiteral("trip"));
    open();

    // No class picked: nothing is asked and nothing goes.
    click(2);
    QVERIFY(dialogs().shown().isEmpty());

    pick(QStringLiteral("Math"));
    QCOMPARE(listedNames(), QStringList {QStringLiteral("Ann")});
    dialogs().answerNo();
    click(2);
    QCOMPARE(dialogs().shown().size(), 1);
    QCOMPARE(dialogs().shown().first().kind, ScriptedDialogs::Kind::Question);
    // The question says what goes with the class, and Enter keeps it.
    QVERIFY(dialogs().shown().first().text.startsWith(QStringLiteral("Are you sure you want to delete Math?\r\n")));
    QVERIFY(dialogs().shown().first().text.contains(QStringLiteral("1 mark(s)")));
    QVERIFY(dialogs().shown().first().noIsDefault);
    QCOMPARE(dialogs().shown().first().caption, QStringLiteral("Delete Class"));
    QCOMPARE(dialogs().shown().first().icon, UserDialogs::Icon::None);
    QCOMPARE(classNames().size(), 2);
    QVERIFY(db::student(ann));

    dialogs().answerYes();
    click(2);
    QCOMPARE(classNames(), QStringList {QStringLiteral("Art")});
    QCOMPARE(comboTexts(), QStringList {QStringLiteral("Art")});
    QCOMPARE(combo()->currentIndex(), -1);
    QVERIFY(!db::student(ann));
    QVERIFY(db::student(bob));
    QCOMPARE(db::mark(ann, day)->status, QStringLiteral("Late"));
    // The students of the deleted class are no longer listed.
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(dialogs().messages().isEmpty());
}

void TestManageClasses::pickingAClassListsItsStudents()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    db::addClass(QStringLiteral("Empty"));
    const qint64 zed = db::addStudent(QStringLiteral("Zed"), math, std::nullopt);
    db::addStudent(QStringLiteral("Amy"), math, std::nullopt);
    db::addStudent(QStringLiteral("Bea"), math, std::nullopt);
    open();
    pick(QStringLiteral("Math"));
    QCOMPARE(list()->topLevelItemCount(), 3);
    QCOMPARE(list()->topLevelItem(2)->text(1), QStringLiteral("Zed"));
    QCOMPARE(list()->topLevelItem(2)->data(0, ManageClassesWindow::kStudentIdRole).toLongLong(), zed);
    QVERIFY(list()->isColumnHidden(0));
    pick(QStringLiteral("Empty"));
    QCOMPARE(list()->topLevelItemCount(), 0);
}

void TestManageClasses::studentCommandsNeedAClassOrARow()
{
    db::addClass(QStringLiteral("Math"));
    open();
    click(3);
    QCOMPARE(dialogs().messages(), QStringList {QStringLiteral("You must select first a class.")});
    QCOMPARE(dialogs().shown().first().caption, applicationTitle());
    QVERIFY(!m_window->findChild<StudentEditor*>());

    // An empty list: Edit and Delete do nothing, before and after a class is picked.
    dialogs().clear();
    click(4);
    click(5);
    pick(QStringLiteral("Math"));
    click(4);
    click(5);
    QVERIFY(dialogs().shown().isEmpty());
    QVERIFY(!m_window->findChild<StudentEditor*>());
}

void TestManageClasses::addStudentListsInNameOrder()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    open();
    pick(QStringLiteral("Math"));
    bool done = false;
    for (const QString& name : {QStringLiteral("Zed"), QStringLiteral("Amy"), QStringLiteral("Max")}) {
        whenEditorOpens(
            [&name](StudentEditor* editor) {
                QCOMPARE(editor->objectName(), QStringLiteral("Form3"));
                QCOMPARE(editor->windowTitle(), QStringLiteral("Add Student"));
                QVERIFY(editor->studentName().isEmpty());
                QVERIFY(editor->photo().isNull());
                QTest::keyClicks(editor->findChild<QLineEdit*>(QStringLiteral("Text1")), name);
                QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("PushButton1")), Qt::LeftButton);
            },
            done);
        click(3);
        QTRY_VERIFY(done);
    }
    QCOMPARE(listedNames(), (QStringList {QStringLiteral("Amy"), QStringLiteral("Max"), QStringLiteral("Zed")}));
    const QList<db::StudentRow> stored = db::studentsOfClass(math, true);
    QCOMPARE(stored.size(), 3);
    for (const db::StudentRow& row : stored)
        QVERIFY(row.image.isEmpty());
    QVERIFY(dialogs().messages().isEmpty());
}

void TestManageClasses::editStudentRenamesAndKeepsPhoto()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    const QByteArray photo = StorePhoto(samplePicture(40, 30, Qt::red)) + QByteArray("tail");
    const qint64 amy = db::addStudent(QStringLiteral("Amy"), math, photo);
    db::addStudent(QStringLiteral("Bob"), math, std::nullopt);
    open();
    pick(QStringLiteral("Math"));
    selectRow(QStringLiteral("Amy"));

    bool done = false;
    whenEditorOpens(
        [](StudentEditor* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Edit Student"));
            QCOMPARE(editor->studentName(), QStringLiteral("Amy"));
            QCOMPARE(editor->photo().size(), QSize(40, 30));
            QVERIFY(!editor->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
            QVERIFY(editor->imagePath().isEmpty());
            auto* name = editor->findChild<QLineEdit*>(QStringLiteral("Text1"));
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("Cleo"));
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("PushButton1")), Qt::LeftButton);
        },
        done);
    click(4);
    QTRY_VERIFY(done);
    QCOMPARE(listedNames(), (QStringList {QStringLiteral("Bob"), QStringLiteral("Cleo")}));
    const std::optional<db::StudentRow> stored = db::student(amy);
    QCOMPARE(stored->name, QStringLiteral("Cleo"));
    QCOMPARE(stored->classId, math);
    QCOMPARE(stored->image, photo);

    // Add right after an edit starts afresh.
    whenEditorOpens(
        [](StudentEditor* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Add Student"));
            QVERIFY(editor->studentName().isEmpty());
            QVERIFY(editor->photo().isNull());
            QVERIFY(editor->imagePath().isEmpty());
        },
        done);
    click(3);
    QTRY_VERIFY(done);
    QVERIFY(dialogs().messages().isEmpty());
}

void TestManageClasses::editStudentWithNewJpegStoresItCompact()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    const qint64 amy = db::addStudent(QStringLiteral("Amy"), math, StorePhoto(samplePicture(20, 20, Qt::red)));
    const QString jpeg = writePicture(m_env->root(), QStringLiteral("new.jpg"), samplePicture(60, 40, Qt::blue), "jpg");
    open();
    pick(QStringLiteral("Math"));
    dialogs().answerFile(jpeg);
    bool done = false;
    whenEditorOpens(
        [](StudentEditor* editor) {
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("PushButton3")), Qt::LeftButton);
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("PushButton1")), Qt::LeftButton);
        },
        done);
    click(4);
    QTRY_VERIFY(done);
    const QByteArray stored = db::student(amy)->image;
    QVERIFY(isCompactPhoto(stored));
    const QImage photo = FetchPhoto(stored);
    QCOMPARE(photo.size(), QSize(60, 40));
    QVERIFY(QColor(photo.pixel(30, 20)).blue() > 200);
    QVERIFY(dialogs().messages().isEmpty());
}

void TestManageClasses::editStudentWithUnreadablePhoto()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    const QByteArray broken("this was never a picture");
    const qint64 amy = db::addStudent(QStringLiteral("Amy"), math, broken);
    open();
    pick(QStringLiteral("Math"));
    bool done = false;
    bool opened = false;
    whenEditorOpens(
        [&opened](StudentEditor* editor) {
            opened = true;
            QCOMPARE(editor->studentName(), QStringLiteral("Amy"));
            QVERIFY(editor->photo().isNull());
            auto* name = editor->findChild<QLineEdit*>(QStringLiteral("Text1"));
            QTest::keyClick(name, Qt::Key_End);
            QTest::keyClicks(name, QStringLiteral(" B."));
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("PushButton1")), Qt::LeftButton);
        },
        done);
    click(4);
    QTRY_VERIFY(done);
    QVERIFY(opened);
    // Reported once, at the photo step; the student is still saved and the bytes stay.
    const QStringList messages = dialogs().messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.first().contains(
        handlerLocation(QStringLiteral("Form2"), QStringLiteral("PushButton4_Click")) + QStringLiteral("at line 128")));
    QCOMPARE(dialogs().shown().first().caption, QStringLiteral("Application Error"));
    QCOMPARE(db::student(amy)->name, QStringLiteral("Amy B."));
    QCOMPARE(db::student(amy)->image, broken);
}

void TestManageClasses::editStudentWithNoClassPickedKeepsItsClass()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    const qint64 amy = db::addStudent(QStringLiteral("Amy"), math, std::nullopt);
    open();
    pick(QStringLiteral("Math"));
    {
        // The state right after a class refill that left rows listed.
        const QSignalBlocker quiet(combo());
        combo()->setCurrentIndex(-1);
    }
    QCOMPARE(list()->topLevelItemCount(), 1);
    bool done = false;
    whenEditorOpens(
        [](StudentEditor* editor) {
            auto* name = editor->findChild<QLineEdit*>(QStringLiteral("Text1"));
            QTest::keyClick(name, Qt::Key_End);
            QTest::keyClicks(name, QStringLiteral("na"));
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("PushButton1")), Qt::LeftButton);
        },
        done);
    click(4);
    QTRY_VERIFY(done);
    QCOMPARE(db::student(amy)->name, QStringLiteral("Amyna"));
    QCOMPARE(db::student(amy)->classId, math);
    QVERIFY(dialogs().messages().isEmpty());
}

void TestManageClasses::editStudentWhoWasDeletedMeanwhile()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    const qint64 amy = db::addStudent(QStringLiteral("Amy"), math, std::nullopt);
    db::addStudent(QStringLiteral("Bob"), math, std::nullopt);
    open();
    pick(QStringLiteral("Math"));
    bool done = false;
    bool closedBySave = false;
    whenEditorOpens(
        [amy, &closedBySave](StudentEditor* editor) {
            db::deleteStudent(amy);
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("PushButton1")), Qt::LeftButton);
            closedBySave = !editor->isVisible();
        },
        done);
    click(4);
    QTRY_VERIFY(done);
    QVERIFY(closedBySave);
    QCOMPARE(dialogs().messages().size(), 1);
    QVERIFY(dialogs().messages().first().contains(
        handlerLocation(QStringLiteral("Form3"), QStringLiteral("PushButton1_Click")) + QStringLiteral("at line 150")));
    QCOMPARE(listedNames(), QStringList {QStringLiteral("Bob")});
    QCOMPARE(db::studentsOfClass(math, false).size(), 1);
}

void TestManageClasses::cancelAndCloseWriteNothing()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    db::addStudent(QStringLiteral("Amy"), math, std::nullopt);
    open();
    pick(QStringLiteral("Math"));
    bool done = false;
    whenEditorOpens(
        [math](StudentEditor* editor) {
            QTest::keyClicks(editor->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("Zoe"));
            // Written elsewhere meanwhile: the refill after Cancel shows it.
            db::addStudent(QStringLiteral("Bea"), math, std::nullopt);
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("PushButton2")), Qt::LeftButton);
        },
        done);
    click(3);
    QTRY_VERIFY(done);
    QCOMPARE(listedNames(), (QStringList {QStringLiteral("Amy"), QStringLiteral("Bea")}));
    whenEditorOpens(
        [math](StudentEditor* editor) {
            QTest::keyClicks(editor->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("xyz"));
            db::addStudent(QStringLiteral("Cal"), math, std::nullopt);
            editor->close();
        },
        done);
    click(4);
    QTRY_VERIFY(done);
    QCOMPARE(listedNames(), (QStringList {QStringLiteral("Amy"), QStringLiteral("Bea"), QStringLiteral("Cal")}));
    QCOMPARE(db::student(list()->topLevelItem(0)->data(0, ManageClassesWindow::kStudentIdRole).toLongLong())->name,
        QStringLiteral("Amy"));
    QVERIFY(dialogs().shown().isEmpty());
}

// The list's menu moves a student from a day (a mistyped day is refused in words, and nothing
// moves), and a leaver goes from the list but keeps the registers of the days before.
void TestManageClasses::aStudentMovesAndLeavesFromAGivenDay()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    const qint64 art = db::addClass(QStringLiteral("Art"));
    const qint64 amy = db::addStudent(QStringLiteral("Amy"), math, std::nullopt);
    db::addStudent(QStringLiteral("Bob"), math, std::nullopt);
    open();
    pick(QStringLiteral("Math"));
    selectRow(QStringLiteral("Amy"));
    dialogs().answerText(QStringLiteral("31.31.2026"));
    m_window->moveSelectedStudent(art);
    QVERIFY(dialogs().messages().first().contains(QStringLiteral("is not a date")));
    QCOMPARE(listedNames().size(), 2);

    dialogs().answerText(QDate::currentDate().toString(Qt::ISODate));
    m_window->moveSelectedStudent(art);
    QCOMPARE(listedNames(), QStringList {QStringLiteral("Bob")});
    QCOMPARE(db::cardsOfClass(math, QDate::currentDate().addDays(-1)).size(), 2);
    QCOMPARE(db::cardsOfClass(art, QDate::currentDate()).first().id, amy);

    selectRow(QStringLiteral("Bob"));
    dialogs().answerText(QDate::currentDate().toString(Qt::ISODate));
    dialogs().answerYes();
    m_window->selectedStudentLeaves();
    QVERIFY(listedNames().isEmpty());
    QCOMPARE(db::cardsOfClass(math, QDate::currentDate().addDays(-1)).size(), 2);
}

void TestManageClasses::deleteStudentAsksAndKeepsMarks()
{
    const qint64 math = db::addClass(QStringLiteral("Math"));
    const qint64 amy = db::addStudent(QStringLiteral("Amy"), math, std::nullopt);
    db::addStudent(QStringLiteral("Bob"), math, std::nullopt);
    const QDate day(2024, 9, 2);
    db::saveMarks(day, {{amy, QStringLiteral("Absent")}}, QString());
    open();
    pick(QStringLiteral("Math"));
    selectRow(QStringLiteral("Amy"));
    dialogs().answerNo();
    click(5);
    // The question says that the marks go out of reach, and what to do for a leaver instead.
    QVERIFY(dialogs().shown().first().text.startsWith(QStringLiteral("Are you sure you want to delete Amy?\r\n")));
    QVERIFY(dialogs().shown().first().text.contains(QStringLiteral("Leaves School")));
    QCOMPARE(dialogs().shown().first().caption, QStringLiteral("Delete Student"));
    QCOMPARE(dialogs().shown().first().icon, UserDialogs::Icon::None);
    QCOMPARE(listedNames().size(), 2);

    selectRow(QStringLiteral("Amy"));
    dialogs().answerYes();
    click(5);
    QCOMPARE(listedNames(), QStringList {QStringLiteral("Bob")});
    QVERIFY(!db::student(amy));
    QCOMPARE(db::mark(amy, day)->status, QStringLiteral("Absent"));
    QVERIFY(dialogs().messages().isEmpty());
}

void TestManageClasses::helpNamesTheContactAddress()
{
    open();
    click(6);
    QCOMPARE(dialogs().messages(),
        QStringList {
            QStringLiteral("Questions? Please ask your school's administrator; no support address has been set "
                           "on this computer.")});
    QCOMPARE(dialogs().shown().first().caption, applicationTitle());
    QCOMPARE(dialogs().shown().first().icon, UserDialogs::Icon::None);

    // The web address is the one to name; the e-mail address stands in when it is all there is.
    m_env->writeMachineSettings("[support]\nemail=it@school.example\nweb=https://it.school.example/help\n");
    dialogs().clear();
    click(6);
    QCOMPARE(dialogs().messages(),
        QStringList {
            QStringLiteral("Questions? Please contact your school's support at https://it.school.example/help")});
    m_env->writeMachineSettings("[support]\nemail=it@school.example\n");
    dialogs().clear();
    click(6);
    QVERIFY(dialogs().messages().constFirst().endsWith(QStringLiteral(" at it@school.example")));
}

QTEST_MAIN(TestManageClasses)
#include "tst_manageclasses.moc"
