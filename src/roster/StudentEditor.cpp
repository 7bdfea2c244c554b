#include "roster/StudentEditor.h"

#include "core/Names.h"

#include "core/Failure.h"
#include "core/Photo.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/LookAndFeel.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

QString location(const char* handler)
{
    return handlerLocation(QStringLiteral("Form3"), QString::fromLatin1(handler));
}

} // namespace

StudentEditor::StudentEditor(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Add Student"));
    setModal(true);
    buildLayout();
    // Centred on the screen rather than over the window that opened it.
    centreOnScreen(this);
    load();
}

void StudentEditor::buildLayout()
{
    setFixedFrame(this, 8040, 9420, false);
    setFont(designFont(9));
    const QFont buttonFont = designFont(11.25);

    m_frame1 = new QGroupBox(tr("Student Name"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(twipsRect(120, 90, 7800, 825));
    m_text1 = new QLineEdit(m_frame1);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twipsRect(240, 300, 7335, 375));

    m_frame2 = new QGroupBox(tr("Student Image"), this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(twipsRect(120, 990, 7800, 7800));
    m_image1 = new QLabel(m_frame2);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(twipsRect(240, 300, 7305, 6795));
    m_image1->setScaledContents(true);

    auto button = [&buttonFont](QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
        auto* pushButton = new QPushButton(caption, parent);
        pushButton->setObjectName(QString::fromLatin1(name));
        pushButton->setFont(buttonFont);
        pushButton->setGeometry(geometry);
        // The editor has no default button: Enter in the name box must not save half a student.
        pushButton->setAutoDefault(false);
        return pushButton;
    };
    m_pushButton3 = button(m_frame2, "PushButton3", tr("Select Image"), twipsRect(240, 7230, 7320, 405));
    m_pushButton1 = button(this, "PushButton1", tr("Save"), twipsRect(120, 8900, 3840, 405));
    m_pushButton2 = button(this, "PushButton2", tr("Cancel"), twipsRect(4080, 8900, 3840, 405));
    connect(m_pushButton1, &QPushButton::clicked, this, &StudentEditor::PushButton1_Click);
    connect(m_pushButton2, &QPushButton::clicked, this, &StudentEditor::PushButton2_Click);
    connect(m_pushButton3, &QPushButton::clicked, this, &StudentEditor::PushButton3_Click);

    setTabOrder(m_text1, m_pushButton3);
    setTabOrder(m_pushButton3, m_pushButton1);
    setTabOrder(m_pushButton1, m_pushButton2);
    m_text1->setFocus();
}

void StudentEditor::load()
{
    StepRunner steps(location("Form_Load"));
    steps.step(100, [this] { look::ApplyStandardColours(this); });
    steps.step(102, [this] { setWindowIcon(QApplication::windowIcon()); });
    if (steps.test(104, [] { return FileExists(handPointerPath()); }))
        steps.step(106, [this] { look::LoadHandPointer(this); });
    look::installHoverPointers(
        this, {m_frame1, m_frame2, m_image1, m_text1}, {m_pushButton1, m_pushButton2, m_pushButton3});
}

void StudentEditor::setStudentName(const QString& name)
{
    m_text1->setText(name);
}

void StudentEditor::setPhoto(const QImage& picture)
{
    m_picture = picture;
    showPicture();
}

QString StudentEditor::studentName() const
{
    return m_text1->text();
}

bool StudentEditor::isAddMode() const
{
    return windowTitle() == tr("Add Student");
}

void StudentEditor::showPicture()
{
    m_image1->setPixmap(m_picture.isNull() ? QPixmap() : QPixmap::fromImage(m_picture));
}

void StudentEditor::PushButton1_Click()
{
    StepRunner steps(location("PushButton1_Click"));
    const QString name = m_text1->text();
    if (steps.test(100, [&name] { return name.isEmpty(); }))
        return;
    // Kept as typed, unless it would break every card and report that shows it.
    if (const QString refused = names::refusal(name); !refused.isEmpty()) {
        dialogs().message(this, tr("This name cannot be saved: %1.").arg(refused), {}, UserDialogs::Icon::Warning);
        return;
    }

    std::optional<QByteArray> photoBytes;
    // Only a picture read from the chosen file is stored: after a failed read the photo box
    // still shows an earlier picture, which is not this choice.
    if (steps.test(104, [this] { return !m_ImagePath.isEmpty(); })
        && steps.test(106, [this] { return FileExists(m_ImagePath); }) && !m_chosenPicture.isNull())
        steps.step(110, [this, &photoBytes] { photoBytes = StorePhoto(m_chosenPicture); });

    if (steps.test(124, [this] { return isAddMode(); })) {
        steps.step(138, [this, &name, &photoBytes] {
            if (!m_ClassID)
                throw Failure(tr("No class was chosen for the new student."));
            // A joiner is in the class from today: the registers already taken stay as they were.
            // A class being set up, with no register taken yet, has its students from the
            // beginning, so that past registers can still be entered from paper.
            QList<qint64> classmates;
            for (const db::StudentRow& row : db::studentsOfClass(*m_ClassID, false))
                classmates.append(row.id);
            const bool taken = !classmates.isEmpty() && db::markCount(classmates) > 0;
            db::addStudent(name, *m_ClassID, photoBytes, taken ? QDate::currentDate() : QDate());
        });
    } else {
        steps.step(150, [this, &name, &photoBytes] {
            std::optional<qint64> classId = m_ClassID;
            if (!classId) {
                // No class known to the caller: the student keeps its own rather than none.
                if (const std::optional<db::StudentRow> stored = db::student(m_StudentID))
                    classId = stored->classId;
            }
            if (!classId || !db::updateStudent(m_StudentID, name, *classId, photoBytes))
                throw Failure(tr("The student no longer exists; nothing was written."));
        });
    }
    steps.step(154, [this] { accept(); });
}

void StudentEditor::PushButton2_Click()
{
    StepRunner steps(location("PushButton2_Click"));
    steps.step(100, [this] { reject(); });
}

void StudentEditor::PushButton3_Click()
{
    StepRunner steps(location("PushButton3_Click"));
    QString path;
    steps.step(106,
        [this, &path] { path = dialogs().openFileName(this, tr("Select Image"), QString::fromLatin1(kImageFilter)); });
    if (steps.test(108, [&path] { return path.isEmpty(); }))
        return;
    // Whatever happens below, the earlier choice is no longer the one to store.
    m_chosenPicture = QImage();
    steps.step(110, [this, &path] {
        m_chosenPicture = loadChosenPicture(path);
        setPhoto(m_chosenPicture);
    });
    steps.step(112, [this, &path] { m_ImagePath = path; });
}

void StudentEditor::closeEvent(QCloseEvent* event)
{
    // The title-bar button is Cancel.
    if (isVisible())
        PushButton2_Click();
    event->accept();
}
