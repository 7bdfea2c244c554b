#include "roster/StudentEditor.h"
#include "core/DateText.h"

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
#include <QComboBox>
#include <QDateEdit>
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

// The chooser's earliest day; in add mode it reads "the beginning".
const QDate kEarliest(2000, 1, 1);

// A class that has taken no register yet is still being set up: its students are in it from the
// beginning, so that past registers can be entered from paper. A class that has taken registers
// is joined today, and the registers already taken stay as they were.
bool hasTakenRegisters(qint64 classId)
{
    QList<qint64> members;
    for (const db::StudentRow& row : db::studentsOfClass(classId, false))
        members.append(row.id);
    return !members.isEmpty() && db::markCount(members) > 0;
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
    // One row taller than the form the class chooser was added to; the rows above keep their
    // places.
    setFixedFrame(this, 8040, 10320, false);
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
    // The photo keeps its shape, as large as the box allows: a stretched face is not the
    // student's.
    m_image1->setAlignment(Qt::AlignCenter);

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

    m_classFrame = new QGroupBox(tr("Class"), this);
    m_classFrame->setObjectName(QStringLiteral("fraClass"));
    m_classFrame->setGeometry(twipsRect(120, 8865, 7800, 825));
    m_classBox = new QComboBox(m_classFrame);
    m_classBox->setObjectName(QStringLiteral("cboClass"));
    m_classBox->setGeometry(twipsRect(240, 300, 3900, 375));
    m_fromLabel = new QLabel(tr("from"), m_classFrame);
    m_fromLabel->setObjectName(QStringLiteral("lblClassFrom"));
    m_fromLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_fromLabel->setGeometry(twipsRect(4200, 300, 900, 375));
    m_fromBox = new QDateEdit(m_classFrame);
    m_fromBox->setObjectName(QStringLiteral("dtpClassFrom"));
    m_fromBox->setGeometry(twipsRect(5175, 300, 2400, 375));
    m_fromBox->setCalendarPopup(true);
    m_fromBox->setDisplayFormat(shortDateFormat());
    m_fromBox->setMinimumDate(kEarliest);
    m_fromLabel->setBuddy(m_fromBox);
    connect(m_classBox, &QComboBox::currentIndexChanged, this, [this] { classChosen(); });

    m_pushButton1 = button(this, "PushButton1", tr("Save"), twipsRect(120, 9800, 3840, 405));
    m_pushButton2 = button(this, "PushButton2", tr("Cancel"), twipsRect(4080, 9800, 3840, 405));
    connect(m_pushButton1, &QPushButton::clicked, this, &StudentEditor::PushButton1_Click);
    connect(m_pushButton2, &QPushButton::clicked, this, &StudentEditor::PushButton2_Click);
    connect(m_pushButton3, &QPushButton::clicked, this, &StudentEditor::PushButton3_Click);

    setTabOrder(m_text1, m_pushButton3);
    setTabOrder(m_pushButton3, m_classBox);
    setTabOrder(m_classBox, m_fromBox);
    setTabOrder(m_fromBox, m_pushButton1);
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
    steps.step(108, [this] { fillClasses(); });
}

void StudentEditor::fillClasses()
{
    const QSignalBlocker quiet(m_classBox);
    m_classBox->clear();
    for (const db::ClassRow& row : db::classes())
        m_classBox->addItem(row.name, row.id);
}

void StudentEditor::setClassId(std::optional<qint64> classId)
{
    m_ClassID = classId;
    const QSignalBlocker quiet(m_classBox);
    m_classBox->setCurrentIndex(classId ? m_classBox->findData(*classId) : -1);
}

std::optional<qint64> StudentEditor::chosenClassId() const
{
    if (m_classBox->currentIndex() < 0)
        return m_ClassID;
    return m_classBox->currentData().toLongLong();
}

QDate StudentEditor::chosenFrom() const
{
    return m_fromBox->date() == kEarliest && isAddMode() ? QDate() : m_fromBox->date();
}

void StudentEditor::showEvent(QShowEvent* event)
{
    // The mode is known only now: the caller sets the title after the class.
    m_fromBox->setSpecialValueText(isAddMode() ? tr("the beginning") : QString());
    classChosen();
    QDialog::showEvent(event);
}

void StudentEditor::classChosen()
{
    const std::optional<qint64> chosen = chosenClassId();
    if (isAddMode()) {
        reportFailures(location("cboClass_Click"), [this, &chosen] {
            m_fromBox->setDate(chosen && !hasTakenRegisters(*chosen) ? kEarliest : QDate::currentDate());
        });
        m_fromBox->setEnabled(true);
    } else {
        // Editing moves the student only when another class is chosen, from today unless told.
        m_fromBox->setDate(QDate::currentDate());
        m_fromBox->setEnabled(chosen != m_ClassID);
    }
    m_fromLabel->setEnabled(m_fromBox->isEnabled());
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
    if (m_picture.isNull()) {
        m_image1->setPixmap(QPixmap());
        return;
    }
    const qreal ratio = m_image1->devicePixelRatioF();
    QPixmap shown
        = QPixmap::fromImage(m_picture.scaled(m_image1->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    shown.setDevicePixelRatio(ratio);
    m_image1->setPixmap(shown);
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
            const std::optional<qint64> classId = chosenClassId();
            if (!classId)
                throw Failure(tr("No class was chosen for the new student."));
            db::addStudent(name, *classId, photoBytes, chosenFrom());
        });
    } else {
        steps.step(150, [this, &name, &photoBytes] {
            const std::optional<db::StudentRow> stored = db::student(m_StudentID);
            if (!stored)
                throw Failure(tr("The student no longer exists; nothing was written."));
            // Only a class the user chose moves the student: the class the editor was opened
            // for may be today's while the row already names next year's.
            const std::optional<qint64> chosen = chosenClassId();
            const bool moved = chosen && chosen != m_ClassID;
            if (!db::updateStudent(
                    m_StudentID, name, moved ? *chosen : stored->classId, photoBytes, moved ? chosenFrom() : QDate()))
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
