#include "TestSupport.h"

#include "core/Photo.h"
#include "register/Database.h"
#include "roster/StudentEditor.h"
#include "ui/ErrorReport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The editor on its own, shown without its caller so that each command can be watched.
class TestStudentEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensLaidOutInAddMode();
    void saveWithEmptyNameDoesNothing();
    void nameIsStoredAsTyped();
    void selectImageCancelKeepsPicture();
    void chosenPictureIsStoredAsJpeg();
    void picturesAsPhonesNameThemAreListedAndStoredAsJpeg();
    void unreadableChoiceStoresNoPhoto();
    void unreadableChoiceInEditKeepsStoredPhoto();
    void titleBarCloseIsCancel();
    void classChooserJoinsAndMovesFromTheChosenDay();

private:
    QLineEdit* text1() { return m_editor->findChild<QLineEdit*>(QStringLiteral("Text1")); }
    QLabel* image1() { return m_editor->findChild<QLabel*>(QStringLiteral("Image1")); }
    void click(const char* name)
    {
        QTest::mouseClick(m_editor->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }
    void type(const QString& text)
    {
        QTest::keyClick(text1(), Qt::Key_End);
        QTest::keyClicks(text1(), text);
    }
    void openEditor()
    {
        m_editor = std::make_unique<StudentEditor>();
        m_editor->setClassId(m_classId);
        m_editor->show();
    }
    QString unreadableFile()
    {
        QFile file(m_env->root() + QStringLiteral("/broken.jpg"));
        file.open(QIODevice::WriteOnly);
        file.write("not a jpeg");
        return file.fileName();
    }
    QList<db::StudentRow> stored() { return db::studentsOfClass(m_classId, true); }
    ScriptedDialogs& dialogs() { return m_env->dialogs(); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<StudentEditor> m_editor;
    qint64 m_classId = 0;
};

void TestStudentEditor::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_env->openRegister();
    m_classId = db::addClass(QStringLiteral("Math"));
}

void TestStudentEditor::cleanup()
{
    m_editor.reset();
    m_env.reset();
}

void TestStudentEditor::opensLaidOutInAddMode()
{
    openEditor();
    QCOMPARE(m_editor->objectName(), QStringLiteral("Form3"));
    QCOMPARE(m_editor->windowTitle(), QStringLiteral("Add Student"));
    QVERIFY(m_editor->isAddMode());
    QVERIFY(m_editor->isModal());
    QCOMPARE(m_editor->size(), QSize(536, 688));
    QCOMPARE(m_editor->minimumSize(), m_editor->maximumSize());
    auto* frame2 = m_editor->findChild<QGroupBox*>(QStringLiteral("Frame2"));
    QCOMPARE(m_editor->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Student Name"));
    QCOMPARE(frame2->title(), QStringLiteral("Student Image"));
    QCOMPARE(frame2->geometry(), QRect(8, 66, 520, 520));
    QCOMPARE(text1()->geometry(), QRect(16, 20, 489, 25));
    QCOMPARE(image1()->parentWidget(), frame2);
    QCOMPARE(image1()->geometry(), QRect(16, 20, 487, 453));
    QVERIFY(!image1()->hasScaledContents());
    auto* select = m_editor->findChild<QPushButton*>(QStringLiteral("PushButton3"));
    QCOMPARE(select->parentWidget(), frame2);
    QCOMPARE(select->geometry(), QRect(16, 482, 488, 27));
    QCOMPARE(m_editor->findChild<QGroupBox*>(QStringLiteral("fraClass"))->geometry(), QRect(8, 591, 520, 55));
    QCOMPARE(m_editor->findChild<QPushButton*>(QStringLiteral("PushButton1"))->geometry(), QRect(8, 653, 256, 27));
    QCOMPARE(m_editor->findChild<QPushButton*>(QStringLiteral("PushButton2"))->geometry(), QRect(272, 653, 256, 27));
    QVERIFY(text1()->text().isEmpty());
    QVERIFY(image1()->pixmap().isNull());
    QVERIFY(m_editor->imagePath().isEmpty());
    // Focus order: name, Select Image, the class chooser, Save, Cancel.
    auto nextByTab = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next->objectName();
    };
    QCOMPARE(nextByTab(text1()), QStringLiteral("PushButton3"));
    QCOMPARE(nextByTab(select), QStringLiteral("cboClass"));
    QCOMPARE(nextByTab(m_editor->findChild<QComboBox*>(QStringLiteral("cboClass"))), QStringLiteral("dtpClassFrom"));
    QCOMPARE(
        nextByTab(m_editor->findChild<QPushButton*>(QStringLiteral("PushButton1"))), QStringLiteral("PushButton2"));
}

void TestStudentEditor::saveWithEmptyNameDoesNothing()
{
    openEditor();
    click("PushButton1");
    QVERIFY(m_editor->isVisible());
    QVERIFY(stored().isEmpty());
    QVERIFY(dialogs().shown().isEmpty());
}

void TestStudentEditor::nameIsStoredAsTyped()
{
    openEditor();
    type(QStringLiteral("   "));
    click("PushButton1");
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    openEditor();
    type(QStringLiteral("D'Arcy \"Dee\" O'Neil"));
    click("PushButton1");
    const QList<db::StudentRow> rows = stored();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).name, QStringLiteral("   "));
    QCOMPARE(rows.at(1).name, QStringLiteral("D'Arcy \"Dee\" O'Neil"));
    QVERIFY(rows.at(1).image.isEmpty());

    // A name that would break every card and report is refused with the reason, and the editor
    // stays open with it.
    for (const QString& name :
        {QString(201, QLatin1Char('x')), QStringLiteral("Tab\tbed"), QStringLiteral("\u202Eexe.txt")}) {
        openEditor();
        dialogs().clear();
        text1()->setText(name); // as pasted: a tab key would move the focus instead
        click("PushButton1");
        QVERIFY(m_editor->isVisible());
        QCOMPARE(dialogs().messages().size(), 1);
        QVERIFY2(dialogs().messages().first().startsWith(QStringLiteral("This name cannot be saved: ")),
            qPrintable(dialogs().messages().first()));
    }
    QCOMPARE(stored().size(), 2);
}

void TestStudentEditor::selectImageCancelKeepsPicture()
{
    const QString first = writePicture(m_env->root(), QStringLiteral("a.bmp"), samplePicture(30, 30, Qt::red), "bmp");
    openEditor();
    dialogs().answerFile(first);
    click("PushButton3");
    QCOMPARE(dialogs().shown().first().kind, ScriptedDialogs::Kind::OpenFile);
    QCOMPARE(dialogs().shown().first().caption, QStringLiteral("Select Image"));
    QCOMPARE(dialogs().shown().first().text,
        QStringLiteral("Image Files (*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp)|*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp|"));
    QCOMPARE(qtFileFilter(dialogs().shown().first().text),
        QStringLiteral("Image Files (*.bmp *.jpg *.jpeg *.gif *.png *.webp)"));
    QCOMPARE(m_editor->imagePath(), first);
    QVERIFY(!image1()->pixmap().isNull());

    dialogs().answerCancel();
    click("PushButton3");
    QCOMPARE(m_editor->imagePath(), first);
    QCOMPARE(m_editor->photo().size(), QSize(30, 30));
    QVERIFY(dialogs().messages().isEmpty());
}

void TestStudentEditor::chosenPictureIsStoredAsJpeg()
{
    const QString jpeg = writePicture(m_env->root(), QStringLiteral("a.jpg"), samplePicture(50, 40, Qt::blue), "jpg");
    openEditor();
    type(QStringLiteral("Ann"));
    dialogs().answerFile(jpeg);
    click("PushButton3");
    click("PushButton1");
    const QByteArray bytes = stored().first().image;
    QVERIFY(isCompactPhoto(bytes));
    QCOMPARE(FetchPhoto(bytes).size(), QSize(50, 40));
    QVERIFY(dialogs().messages().isEmpty());
}

void TestStudentEditor::picturesAsPhonesNameThemAreListedAndStoredAsJpeg()
{
    const QString folder = m_env->root() + QStringLiteral("/camera");
    QDir().mkpath(folder);
    const QList<QPair<QString, const char*>> pictures
        = {{QStringLiteral("IMG_0001.JPEG"), "jpeg"}, {QStringLiteral("Screenshot.PNG"), "png"},
            {QStringLiteral("shared.webp"), "webp"}, {QStringLiteral("Scan.Jpg"), "jpg"}};
    for (const auto& [name, format] : pictures)
        QVERIFY2(samplePicture(40, 30, Qt::green).save(folder + QLatin1Char('/') + name, format), format);
    QFile notes(folder + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));

    // What the file dialog lists: its patterns matched case-sensitively, as on Linux.
    const QString filter = anyCaseFileFilter(qtFileFilter(QString::fromLatin1(StudentEditor::kImageFilter)));
    const QString patterns = filter.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0);
    const QStringList listed
        = QDir(folder).entryList(patterns.split(QLatin1Char(' ')), QDir::Files | QDir::CaseSensitive, QDir::Name);
    QCOMPARE(listed,
        (QStringList {QStringLiteral("IMG_0001.JPEG"), QStringLiteral("Scan.Jpg"), QStringLiteral("Screenshot.PNG"),
            QStringLiteral("shared.webp")}));

    for (const QString& name : listed) {
        openEditor();
        type(name);
        dialogs().answerFile(folder + QLatin1Char('/') + name);
        click("PushButton3");
        click("PushButton1");
    }
    QVERIFY2(dialogs().messages().isEmpty(), qPrintable(dialogs().messages().join(QLatin1Char('|'))));
    const QList<db::StudentRow> rows = stored();
    QCOMPARE(rows.size(), listed.size());
    for (const db::StudentRow& row : rows) {
        QVERIFY2(isCompactPhoto(row.image), qPrintable(row.name));
        QCOMPARE(FetchPhoto(row.image).size(), QSize(40, 30));
    }
}

void TestStudentEditor::unreadableChoiceStoresNoPhoto()
{
    const QString good = writePicture(m_env->root(), QStringLiteral("a.bmp"), samplePicture(30, 30, Qt::red), "bmp");
    const QString broken = unreadableFile();
    openEditor();
    type(QStringLiteral("Ann"));
    dialogs().answerFile(good);
    dialogs().answerFile(broken);
    click("PushButton3");
    click("PushButton3");
    // Reported at the load step; the box still shows the first picture and the path moved on.
    QCOMPARE(dialogs().messages().size(), 1);
    QVERIFY(dialogs().messages().first().contains(
        handlerLocation(QStringLiteral("Form3"), QStringLiteral("PushButton3_Click")) + QStringLiteral("at line 110")));
    QCOMPARE(m_editor->imagePath(), broken);
    QCOMPARE(m_editor->photo().size(), QSize(30, 30));

    click("PushButton1");
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(stored().size(), 1);
    QVERIFY(stored().first().image.isEmpty());
    QCOMPARE(dialogs().messages().size(), 1);
}

void TestStudentEditor::unreadableChoiceInEditKeepsStoredPhoto()
{
    const QByteArray photo = StorePhoto(samplePicture(20, 20, Qt::green));
    const qint64 id = db::addStudent(QStringLiteral("Ann"), m_classId, photo);
    openEditor();
    m_editor->setStudentId(id);
    m_editor->setStudentName(QStringLiteral("Ann"));
    m_editor->setPhoto(FetchPhoto(photo));
    m_editor->setWindowTitle(QStringLiteral("Edit Student"));
    QVERIFY(!m_editor->isAddMode());
    dialogs().answerFile(unreadableFile());
    click("PushButton3");
    type(QStringLiteral("ie"));
    click("PushButton1");
    QCOMPARE(db::student(id)->name, QStringLiteral("Annie"));
    QCOMPARE(db::student(id)->image, photo);
}

void TestStudentEditor::titleBarCloseIsCancel()
{
    openEditor();
    type(QStringLiteral("Ann"));
    QVERIFY(m_editor->close());
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(m_editor->result(), int(QDialog::Rejected));
    QVERIFY(stored().isEmpty());
    QVERIFY(dialogs().shown().isEmpty());
}

QTEST_MAIN(TestStudentEditor)
#include "tst_studenteditor.moc"

// A class still being set up is joined from the beginning, one that has taken registers from
// today, and either can be changed; editing moves a student only to a class the user chose, from
// the chosen day, so that a row already naming next year's class is not pulled back.
void TestStudentEditor::classChooserJoinsAndMovesFromTheChosenDay()
{
    const qint64 other = db::addClass(QStringLiteral("Art"));
    const QDate today = QDate::currentDate();
    auto chooser = [this] { return m_editor->findChild<QComboBox*>(QStringLiteral("cboClass")); };
    auto from = [this] { return m_editor->findChild<QDateEdit*>(QStringLiteral("dtpClassFrom")); };

    openEditor();
    QCOMPARE(chooser()->currentText(), QStringLiteral("Math"));
    QCOMPARE(from()->text(), QStringLiteral("the beginning"));
    type(QStringLiteral("Ann"));
    click("PushButton1");
    QCOMPARE(stored().size(), 1);
    const qint64 ann = stored().first().id;
    QCOMPARE(db::enrolments(ann).size(), 1);
    QVERIFY(!db::enrolments(ann).first().from.isValid());
    db::saveMarks(today.addDays(-3), {{ann, QStringLiteral("Present")}}, QString());

    openEditor();
    QCOMPARE(from()->date(), today);
    from()->setDate(today.addDays(-1));
    type(QStringLiteral("Ben"));
    click("PushButton1");
    QCOMPARE(db::cardsOfClass(m_classId, today.addDays(-1)).size(), 2);
    QCOMPARE(db::cardsOfClass(m_classId, today.addDays(-2)).size(), 1);

    // Opened for today's class while the row already names next year's: a rename keeps next year.
    db::moveStudent(ann, other, today.addDays(30));
    openEditor();
    m_editor->setStudentId(ann);
    m_editor->setWindowTitle(QStringLiteral("Edit Student"));
    m_editor->hide();
    m_editor->show();
    QVERIFY(!from()->isEnabled());
    text1()->setText(QStringLiteral("Anne"));
    click("PushButton1");
    QCOMPARE(db::student(ann)->classId, other);
    QCOMPARE(db::enrolments(ann).size(), 2);

    openEditor();
    m_editor->setStudentId(ann);
    m_editor->setWindowTitle(QStringLiteral("Edit Student"));
    m_editor->setStudentName(QStringLiteral("Anne"));
    m_editor->hide();
    m_editor->show();
    chooser()->setCurrentIndex(chooser()->findText(QStringLiteral("Art")));
    QVERIFY(from()->isEnabled());
    from()->setDate(today.addDays(-2));
    click("PushButton1");
    QCOMPARE(db::cardsOfClass(other, today.addDays(-2)).size(), 1);
    QCOMPARE(db::cardsOfClass(other, today.addDays(-2)).first().id, ann);
    QCOMPARE(db::cardsOfClass(m_classId, today.addDays(-3)).size(), 1);
    QCOMPARE(db::cardsOfClass(m_classId, today.addDays(-3)).first().id, ann);
}
