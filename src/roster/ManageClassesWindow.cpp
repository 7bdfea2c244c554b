#include "roster/ManageClassesWindow.h"
#include "core/DateText.h"

#include "core/Names.h"

#include "core/Photo.h"
#include "core/SharedRoutines.h"
#include "import/window/ImportPhotosDialog.h"
#include "register/Database.h"
#include "register/RegisterEvents.h"
#include "roster/ClassBox.h"
#include "roster/StudentEditor.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/LookAndFeel.h"
#include "ui/SharedWindow.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QString location(const char* handler)
{
    return handlerLocation(QStringLiteral("Form2"), QString::fromLatin1(handler));
}

} // namespace

ManageClassesWindow* ManageClassesWindow::showShared()
{
    return Shared::show([] { return new ManageClassesWindow; },
        [](ManageClassesWindow* window) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->load();
            placeOnScreen(window, QStringLiteral("manageClasses"), window->m_stretch.designed());
        });
}

ManageClassesWindow* ManageClassesWindow::instance()
{
    return Shared::instance();
}

ManageClassesWindow::ManageClassesWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Manage Classes"));
    buildLayout();
}

void ManageClassesWindow::buildLayout()
{
    // The designed window ends below Help; Import Photos adds one row of buttons beneath it.
    const QSize designed(px(8040), px(5010));
    // As small as three rows of students and half the designed width.
    setResizableFrame(this, QSize(designed.width() * 3 / 4, designed.height() - px(1815) + 60));
    resize(designed);
    m_stretch.setDesigned(designed);
    setFont(designFont(9));
    const QFont buttonFont = designFont(11.25);

    m_frame1 = new QGroupBox(tr("Class"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(twipsRect(120, 120, 7800, 825));
    m_combo1 = new QComboBox(m_frame1);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(twipsRect(240, 300, 7335, 345));

    auto button = [this, &buttonFont](int number, const QString& caption, const QRect& geometry) {
        auto* pushButton = new QPushButton(caption, this);
        pushButton->setObjectName(QStringLiteral("PushButton%1").arg(number));
        pushButton->setFont(buttonFont);
        pushButton->setGeometry(geometry);
        pushButton->setAutoDefault(false);
        m_pushButtons.append(pushButton);
        return pushButton;
    };
    button(1, tr("Add New Class"), twipsRect(120, 1050, 3840, 405));
    button(2, tr("Delete Class"), twipsRect(4080, 1050, 3840, 405));

    m_listView1 = new QTreeWidget(this);
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setGeometry(twipsRect(120, 1560, 7800, 1815));
    m_listView1->setRootIsDecorated(false);
    m_listView1->setItemsExpandable(false);
    m_listView1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView1->setAllColumnsShowFocus(true);
    m_listView1->setColumnCount(0);
    m_listView1->header()->setStretchLastSection(false);

    button(3, tr("Add Student"), twipsRect(120, 3480, 3840, 405));
    button(4, tr("Edit Student"), twipsRect(4080, 3480, 3840, 405));
    button(5, tr("Delete Student"), twipsRect(120, 3990, 3840, 405));
    button(6, tr("Help"), twipsRect(4080, 3990, 3840, 405));
    button(7, tr("Import Photos…"), twipsRect(120, 4500, 7800, 405));

    m_stretch.add(m_frame1, {0, 0, 1, 0});
    m_stretch.add(m_combo1, {0, 0, 1, 0});
    m_stretch.add(m_listView1, {0, 0, 1, 1});
    for (int i : {0, 2, 4})
        m_stretch.add(m_pushButtons[i], {0, qreal(i > 0), 0.5, 0});
    for (int i : {1, 3, 5})
        m_stretch.add(m_pushButtons[i], {0.5, qreal(i > 1), 0.5, 0});
    m_stretch.add(m_pushButtons[6], {0, 1, 1, 0});

    connect(m_pushButtons[0], &QPushButton::clicked, this, &ManageClassesWindow::PushButton1_Click);
    connect(m_pushButtons[1], &QPushButton::clicked, this, &ManageClassesWindow::PushButton2_Click);
    connect(m_pushButtons[2], &QPushButton::clicked, this, &ManageClassesWindow::PushButton3_Click);
    connect(m_pushButtons[3], &QPushButton::clicked, this, &ManageClassesWindow::PushButton4_Click);
    connect(m_pushButtons[4], &QPushButton::clicked, this, &ManageClassesWindow::PushButton5_Click);
    connect(m_pushButtons[5], &QPushButton::clicked, this, &ManageClassesWindow::PushButton6_Click);
    connect(m_pushButtons[6], &QPushButton::clicked, this, &ManageClassesWindow::PushButton7_Click);
    m_listView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_listView1, &QWidget::customContextMenuRequested, this, &ManageClassesWindow::showStudentMenu);
    m_combo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_combo1, &QWidget::customContextMenuRequested, this, &ManageClassesWindow::showClassMenu);
    // A pick in the class box and a change of its text both come here.
    connect(m_combo1, &QComboBox::currentIndexChanged, this,
        [this] { reportFailures(location("Combo1_Click"), [this] { FillStudentList(); }); });

    // Changes made elsewhere (an import, a restore, another window) are read again at once.
    db::RegisterEvents& events = db::RegisterEvents::instance();
    const auto classesChanged = [this] { reportFailures(location("FillClassList"), [this] { FillClassList(); }); };
    connect(&events, &db::RegisterEvents::classesChanged, this, classesChanged);
    connect(&events, &db::RegisterEvents::registerReplaced, this, classesChanged);
    connect(&events, &db::RegisterEvents::studentsChanged, this,
        [this] { reportFailures(location("FillStudentList"), [this] { FillStudentList(); }); });
}

void ManageClassesWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_stretch.apply(size());
    // The name column keeps the room the layout leaves beside it.
    if (m_listView1->columnCount() > 1)
        m_listView1->setColumnWidth(1, std::max(px(7000) / 2, px(7000) + width() - m_stretch.designed().width()));
}

void ManageClassesWindow::closeEvent(QCloseEvent* event)
{
    rememberSize(this, QStringLiteral("manageClasses"));
    QWidget::closeEvent(event);
}

void ManageClassesWindow::load()
{
    StepRunner steps(location("Form_Load"));
    steps.step(100, [this] { look::ApplyStandardColours(this); });
    steps.step(102, [this] { setWindowIcon(QApplication::windowIcon()); });
    if (steps.test(104, [] { return FileExists(handPointerPath()); }))
        steps.step(106, [this] { look::LoadHandPointer(this); });
    steps.step(108, [this] { FillClassList(); });
    steps.step(110, [this] {
        m_listView1->setColumnCount(1);
        m_listView1->setHeaderLabels({tr("ID")});
    });
    steps.step(112, [this] {
        m_listView1->setColumnCount(2);
        m_listView1->setHeaderLabels({tr("ID"), tr("Student Name")});
    });
    // The id column was one twip wide, less than a pixel: the id rides on the row in
    // kStudentIdRole, so the column is simply hidden.
    steps.step(114, [this] { m_listView1->setColumnHidden(0, true); });
    steps.step(116, [this] { m_listView1->setColumnWidth(1, px(7000)); });
    QList<QWidget*> handControls;
    for (QPushButton* button : std::as_const(m_pushButtons))
        handControls.append(button);
    look::installHoverPointers(this, {m_frame1, m_listView1}, handControls);
}

void ManageClassesWindow::FillClassList()
{
    fillClassBox(this, m_combo1, m_colClassIDs);
    FillStudentList();
}

void ManageClassesWindow::FillStudentList()
{
    const std::optional<qint64> classId = selectedClassId();
    if (!classId) {
        // No class is selected any more, so rows still listed would belong to a class that
        // may just have been deleted.
        m_listView1->clear();
        return;
    }
    m_listView1->clear();
    look::BusyPointer busy(this);
    const QList<db::StudentRow> rows = db::studentsOfClass(*classId, false);
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const db::StudentRow& row : rows) {
        auto* item = new QTreeWidgetItem({QString::number(row.id), row.name});
        item->setData(0, kStudentIdRole, row.id);
        items.append(item);
    }
    m_listView1->addTopLevelItems(items);
    if (!items.isEmpty())
        m_listView1->setCurrentItem(items.first());
}

std::optional<qint64> ManageClassesWindow::selectedClassId() const
{
    const int index = m_combo1->currentIndex();
    if (index < 0 || index >= m_colClassIDs.size())
        return std::nullopt;
    return m_colClassIDs.at(index);
}

QTreeWidgetItem* ManageClassesWindow::selectedStudentRow() const
{
    const QList<QTreeWidgetItem*> selected = m_listView1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QTreeWidgetItem* ManageClassesWindow::studentRowToActOn(StepRunner& steps) const
{
    QTreeWidgetItem* row = nullptr;
    // A failed test counts as passed; the row found, if any, is still the one to use.
    steps.test(100, [this, &row] {
        row = selectedStudentRow();
        return m_listView1->topLevelItemCount() > 0 && row;
    });
    return row;
}

void ManageClassesWindow::PushButton1_Click()
{
    StepRunner steps(location("PushButton1_Click"));
    std::optional<QString> name;
    steps.step(
        100, [this, &name] { name = dialogs().inputBox(this, tr("Enter New Class Name: "), tr("Add New Class"), {}); });
    if (!steps.test(102, [&name] { return name.has_value(); }))
        return;
    const QString typed = name.value_or(QString());
    bool duplicate = false;
    steps.step(104, [this, &typed, &duplicate] {
        const QString wanted = typed.toLower();
        for (int i = 0; i < m_combo1->count() && !duplicate; ++i)
            duplicate = m_combo1->itemText(i).toLower() == wanted;
    });
    if (duplicate) {
        steps.step(110, [this] { dialogs().message(this, tr("Class already exists."), {}, UserDialogs::Icon::None); });
        return;
    }
    qint64 added = 0;
    steps.step(106, [&typed, &added] { added = db::addClass(typed); });
    steps.step(108, [this] { FillClassList(); });
    // The class just added is the one its students are added to next.
    if (const qsizetype index = m_colClassIDs.indexOf(added); added > 0 && index >= 0)
        m_combo1->setCurrentIndex(int(index));
}

bool ManageClassesWindow::acceptClassName(const QString& name, std::optional<qint64> except)
{
    if (const QString refused = names::refusal(name); !refused.isEmpty()) {
        dialogs().message(this, tr("This name cannot be saved: %1.").arg(refused), {}, UserDialogs::Icon::Warning);
        return false;
    }
    for (int i = 0; i < m_combo1->count() && i < m_colClassIDs.size(); ++i) {
        if (except && m_colClassIDs.at(i) == *except)
            continue;
        if (m_combo1->itemText(i).compare(name, Qt::CaseInsensitive) == 0) {
            dialogs().message(this, tr("Class already exists."), {}, UserDialogs::Icon::None);
            return false;
        }
    }
    return true;
}

void ManageClassesWindow::showClassMenu(const QPoint& position)
{
    if (!selectedClassId())
        return;
    QMenu menu(this);
    menu.addAction(tr("&Rename Class…"), this, [this] { renameSelectedClass(); });
    menu.addAction(tr("&Delete Class…"), this, [this] { PushButton2_Click(); });
    menu.exec(m_combo1->mapToGlobal(position));
}

void ManageClassesWindow::renameSelectedClass()
{
    reportFailures(location("RenameClass_Click"), [this] {
        const std::optional<qint64> classId = selectedClassId();
        if (!classId)
            return;
        const QString old = m_combo1->currentText();
        const std::optional<QString> name
            = dialogs().inputBox(this, tr("The new name of %1:").arg(old), tr("Rename Class"), old);
        if (!name || name->isEmpty() || *name == old || !acceptClassName(*name, classId))
            return;
        db::renameClass(*classId, *name);
        FillClassList();
        if (const qsizetype index = m_colClassIDs.indexOf(*classId); index >= 0)
            m_combo1->setCurrentIndex(int(index));
    });
}

void ManageClassesWindow::removeSelectedPhoto()
{
    reportFailures(location("RemovePhoto_Click"), [this] {
        QTreeWidgetItem* row = selectedStudentRow();
        if (!row)
            return;
        const qint64 studentId = row->data(0, kStudentIdRole).toLongLong();
        if (!dialogs().question(this, tr("Remove the photo of %1?").arg(row->text(1)), tr("Remove Photo"),
                UserDialogs::Icon::None, UserDialogs::Default::No))
            return;
        db::removePhoto(studentId);
        FillStudentList();
    });
}

void ManageClassesWindow::PushButton2_Click()
{
    StepRunner steps(location("PushButton2_Click"));
    if (!steps.test(100, [this] { return selectedClassId().has_value(); }))
        return;
    const std::optional<qint64> classId = selectedClassId();
    const QString className = m_combo1->currentText();
    QString question = tr("Are you sure you want to delete %1?").arg(className);
    if (classId) {
        if (const db::ClassContents contents = db::classContents(*classId); contents.students > 0)
            question += QStringLiteral("\r\n\r\n")
                + tr("Its %n student(s) go with it.", nullptr, int(contents.students))
                + (contents.marks > 0 ? QLatin1Char(' ')
                            + tr("Their %n mark(s) stay in the register, but no report will show them again.", nullptr,
                                int(contents.marks))
                                      : QString());
    }
    if (!steps.test(102, [this, &question] {
            return dialogs().question(
                this, question, tr("Delete Class"), UserDialogs::Icon::None, UserDialogs::Default::No);
        }))
        return;
    // The class row and its students go together: a half-done delete would leave students
    // in no class at all.
    if (classId)
        steps.step(104, [&classId] { db::deleteClass(*classId); });
    steps.step(108, [this] { FillClassList(); });
}

void ManageClassesWindow::PushButton3_Click()
{
    StepRunner steps(location("PushButton3_Click"));
    const std::optional<qint64> classId = selectedClassId();
    if (steps.test(100, [&classId] { return !classId; })) {
        steps.step(108,
            [this] { dialogs().message(this, tr("You must select first a class."), {}, UserDialogs::Icon::None); });
        return;
    }
    StudentEditor editor(this);
    steps.step(102, [&editor, &classId] { editor.setClassId(classId); });
    steps.step(104, [&editor] { editor.exec(); });
    steps.step(106, [this] { FillStudentList(); });
}

void ManageClassesWindow::PushButton4_Click()
{
    StepRunner steps(location("PushButton4_Click"));
    QTreeWidgetItem* row = studentRowToActOn(steps);
    if (!row)
        return;
    const qint64 studentId = row->data(0, kStudentIdRole).toLongLong();

    std::optional<look::BusyPointer> busy;
    steps.step(102, [this, &busy] { busy.emplace(this); });
    StudentEditor editor(this);
    steps.step(104, [&editor, studentId] { editor.setStudentId(studentId); });
    std::optional<db::StudentRow> stored;
    steps.step(108, [&stored, studentId] { stored = db::student(studentId); });
    if (stored) {
        steps.step(112, [&editor, &stored] { editor.setStudentName(stored->name); });
        // A photo no reader accepts is reported here once and the student is simply shown
        // without one; the stored bytes stay untouched unless a new picture is saved.
        if (!stored->image.isEmpty())
            steps.step(128, [&editor, &stored] { editor.setPhoto(FetchPhoto(stored->image)); });
    }
    steps.step(132, [&busy] { busy.reset(); });
    steps.step(134, [this, &editor, &stored] {
        // With no class picked, the student's own class is kept rather than no class at all.
        std::optional<qint64> classId = selectedClassId();
        if (!classId && stored)
            classId = stored->classId;
        editor.setClassId(classId);
    });
    steps.step(136, [&editor] { editor.setWindowTitle(tr("Edit Student")); });
    steps.step(138, [&editor] { editor.exec(); });
    steps.step(140, [this] { FillStudentList(); });
}

void ManageClassesWindow::PushButton5_Click()
{
    StepRunner steps(location("PushButton5_Click"));
    QTreeWidgetItem* row = studentRowToActOn(steps);
    if (!row)
        return;
    const qint64 studentId = row->data(0, kStudentIdRole).toLongLong();
    const QString name = row->text(1);
    // Delete is for a student entered by mistake; a leaver is kept, with every report of the
    // days they were here.
    QString question = tr("Are you sure you want to delete %1?").arg(name);
    if (const qint64 marks = db::markCount({studentId}); marks > 0)
        question += QStringLiteral("\r\n\r\n")
            + tr("%n mark(s) of this student stay in the register, but no report will show them again. For a "
                 "student who leaves the school, use Leaves School… (right-click the name) instead.",
                nullptr, int(marks));
    if (!steps.test(102, [this, &question] {
            return dialogs().question(
                this, question, tr("Delete Student"), UserDialogs::Icon::None, UserDialogs::Default::No);
        }))
        return;
    steps.step(104, [studentId] { db::deleteStudent(studentId); });
    steps.step(106, [this] { FillStudentList(); });
}

void ManageClassesWindow::showStudentMenu(const QPoint& position)
{
    QTreeWidgetItem* row = m_listView1->itemAt(position);
    if (!row)
        return;
    m_listView1->setCurrentItem(row);
    QMenu menu(this);
    QMenu* moves = menu.addMenu(tr("&Move to Class"));
    const std::optional<qint64> shown = selectedClassId();
    for (int i = 0; i < m_colClassIDs.size(); ++i) {
        const qint64 classId = m_colClassIDs.at(i);
        if (shown && classId == *shown)
            continue;
        moves->addAction(m_combo1->itemText(i), this, [this, classId] { moveSelectedStudent(classId); });
    }
    moves->setEnabled(!moves->isEmpty());
    menu.addAction(tr("&Leaves School…"), this, [this] { selectedStudentLeaves(); });
    menu.addAction(tr("Remove &Photo…"), this, [this] { removeSelectedPhoto(); });
    menu.addSeparator();
    menu.addAction(tr("&Delete Student (a mistake)…"), this, [this] { PushButton5_Click(); });
    menu.exec(m_listView1->viewport()->mapToGlobal(position));
}

std::optional<QDate> ManageClassesWindow::askDay(const QString& prompt, const QString& title)
{
    const QString format = shortDateFormat();
    const std::optional<QString> answer
        = dialogs().inputBox(this, prompt, title, QLocale().toString(QDate::currentDate(), format));
    if (!answer)
        return std::nullopt;
    QDate day = QLocale().toDate(answer->trimmed(), format);
    if (!day.isValid())
        day = QDate::fromString(answer->trimmed(), Qt::ISODate);
    if (!day.isValid()) {
        dialogs().message(this,
            tr("“%1” is not a date. Write it as %2, or as YYYY-MM-DD.").arg(*answer, format.toUpper()), title,
            UserDialogs::Icon::Warning);
        return std::nullopt;
    }
    return day;
}

void ManageClassesWindow::moveSelectedStudent(qint64 classId)
{
    reportFailures(location("MoveStudent_Click"), [this, classId] {
        QTreeWidgetItem* row = selectedStudentRow();
        const qsizetype index = m_colClassIDs.indexOf(classId);
        if (!row || index < 0)
            return;
        const qint64 studentId = row->data(0, kStudentIdRole).toLongLong();
        const QString name = row->text(1);
        const QString className = m_combo1->itemText(int(index));
        const std::optional<QDate> day = askDay(
            tr("%1 moves to %2 from this day (the registers before it stay with the class they were taken in):")
                .arg(name, className),
            tr("Move to Class"));
        if (!day)
            return;
        db::moveStudent(studentId, classId, *day);
        FillStudentList();
    });
}

void ManageClassesWindow::selectedStudentLeaves()
{
    reportFailures(location("LeavesSchool_Click"), [this] {
        QTreeWidgetItem* row = selectedStudentRow();
        if (!row)
            return;
        const qint64 studentId = row->data(0, kStudentIdRole).toLongLong();
        const QString name = row->text(1);
        const std::optional<QDate> day
            = askDay(tr("%1 leaves the school on this day (the first day they are no longer here):").arg(name),
                tr("Leaves School"));
        if (!day)
            return;
        if (!dialogs().question(this,
                tr("%1 will not be on the cards from %2, and stays in every report of the days before. Go ahead?")
                    .arg(name, QLocale().toString(*day, QLocale::LongFormat)),
                tr("Leaves School"), UserDialogs::Icon::Question))
            return;
        db::leaveSchool(studentId, *day);
        FillStudentList();
    });
}

void ManageClassesWindow::PushButton6_Click()
{
    StepRunner steps(location("PushButton6_Click"));
    steps.step(100, [this] { showHelp(this); });
}

void ManageClassesWindow::showHelp(QWidget* parent)
{
    dialogs().message(parent, supportContactText(), {}, UserDialogs::Icon::None);
}

void ManageClassesWindow::PushButton7_Click()
{
    StepRunner steps(location("PushButton7_Click"));
    const std::optional<qint64> classId = selectedClassId();
    if (steps.test(100, [&classId] { return !classId; })) {
        steps.step(106,
            [this] { dialogs().message(this, tr("You must select first a class."), {}, UserDialogs::Icon::None); });
        return;
    }
    const QString className = m_combo1->currentText();
    steps.step(102, [this, &classId, &className] { ImportPhotosDialog::run(this, *classId, className); });
    steps.step(104, [this] { FillStudentList(); });
}
