#include "attendance/PlannedAbsenceWindow.h"

#include "core/DateText.h"
#include "core/Failure.h"
#include "core/Names.h"
#include "core/StatusWords.h"
#include "register/Database.h"
#include "register/RegisterEvents.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/SharedWindow.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString location(const char* handler)
{
    return QStringLiteral("PlannedAbsence.%1").arg(QLatin1String(handler));
}

} // namespace

PlannedAbsenceWindow* PlannedAbsenceWindow::showShared(QWidget* parent)
{
    return SharedWindow<PlannedAbsenceWindow>::show([parent] { return new PlannedAbsenceWindow(parent); },
        [](PlannedAbsenceWindow* window) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            centreOnScreen(window);
        },
        [](PlannedAbsenceWindow* window) { window->fill(); });
}

PlannedAbsenceWindow* PlannedAbsenceWindow::instance()
{
    return SharedWindow<PlannedAbsenceWindow>::instance();
}

PlannedAbsenceWindow::PlannedAbsenceWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmPlannedAbsence"));
    setWindowTitle(tr("Planned Absence"));
    setWindowIcon(QApplication::windowIcon());
    m_student = new QComboBox(this);
    m_student->setObjectName(QStringLiteral("cboStudent"));
    m_code = new QComboBox(this);
    m_code->setObjectName(QStringLiteral("cboCode"));
    const QDate today = QDate::currentDate();
    m_from = new QDateEdit(today, this);
    m_from->setObjectName(QStringLiteral("dtpFrom"));
    m_to = new QDateEdit(today, this);
    m_to->setObjectName(QStringLiteral("dtpTo"));
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(shortDateFormat());
    }
    connect(m_from, &QDateEdit::dateChanged, this, [this](const QDate& from) {
        if (m_to->date() < from)
            m_to->setDate(from);
    });
    m_reason = new QLineEdit(this);
    m_reason->setObjectName(QStringLiteral("txtReason"));
    m_reason->setPlaceholderText(tr("Hospital stay, family funeral, ..."));
    auto* add = new QPushButton(tr("&Add"), this);
    add->setObjectName(QStringLiteral("cmdAdd"));
    connect(add, &QPushButton::clicked, this, [this] { reportFailures(location("Add_Click"), [this] { addPlan(); }); });

    auto* form = new QFormLayout;
    form->addRow(tr("&Student:"), m_student);
    form->addRow(tr("&Code:"), m_code);
    auto* days = new QHBoxLayout;
    days->addWidget(m_from);
    days->addWidget(new QLabel(tr("to"), this));
    days->addWidget(m_to);
    days->addStretch();
    auto* fromLabel = new QLabel(tr("&From:"), this);
    fromLabel->setBuddy(m_from);
    form->addRow(fromLabel, days);
    form->addRow(tr("&Reason:"), m_reason);
    form->addRow(QString(), add);

    m_list = new QTableWidget(0, 6, this);
    m_list->setObjectName(QStringLiteral("tblPlanned"));
    m_list->setHorizontalHeaderLabels(
        {tr("Student"), tr("From"), tr("To"), tr("Code"), tr("School Days"), tr("Reason")});
    m_list->verticalHeader()->hide();
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->horizontalHeader()->setStretchLastSection(true);
    auto* cancel = new QPushButton(tr("&Cancel Selected Plans"), this);
    cancel->setObjectName(QStringLiteral("cmdCancelPlan"));
    connect(cancel, &QPushButton::clicked, this,
        [this] { reportFailures(location("Cancel_Click"), [this] { cancelSelected(); }); });
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(&db::RegisterEvents::instance(), &db::RegisterEvents::plannedAbsencesChanged, this,
        [this] { reportFailures(location("Planned_Change"), [this] { fill(); }); });
    resize(680, 480);
    fill();
}

void PlannedAbsenceWindow::fill()
{
    const QVariant student = m_student->currentData();
    const QVariant code = m_code->currentData();
    m_student->clear();
    QList<std::pair<QString, qint64>> students;
    for (const db::ClassRow& group : db::classes()) {
        for (const db::StudentRow& row : db::studentsOfClass(group.id, false))
            students.append({QStringLiteral("%1 (%2)").arg(row.name, group.name), row.id});
    }
    std::sort(students.begin(), students.end(),
        [](const auto& a, const auto& b) { return names::compare(a.first, b.first) < 0; });
    for (const auto& [text, id] : students)
        m_student->addItem(text, id);
    m_student->setCurrentIndex(std::max(0, m_student->findData(student)));

    // Only the codes of a day away: plans are for absences and for activities off site.
    m_code->clear();
    for (const status::Code& entry : status::book().codes()) {
        if (!status::attends(entry.category) || entry.category == status::Category::Approved)
            m_code->addItem(QStringLiteral("%1  %2").arg(entry.code, status::displayName(entry.word)), entry.word);
    }
    const int excused = m_code->findData(QString::fromLatin1(status::kExcused));
    m_code->setCurrentIndex(std::max(0, code.isValid() ? m_code->findData(code) : excused));

    const calendar::SchoolCalendar calendar = db::schoolCalendar();
    const QList<db::PlannedAbsence> planned = db::plannedAbsences();
    m_list->setRowCount(0);
    for (const db::PlannedAbsence& plan : planned) {
        const int row = m_list->rowCount();
        m_list->insertRow(row);
        const auto cell = [&](int column, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            item->setData(Qt::UserRole, plan.id);
            m_list->setItem(row, column, item);
        };
        cell(0, plan.studentName);
        cell(1, shortDateText(plan.from));
        cell(2, shortDateText(plan.to));
        cell(3, status::letter(plan.status));
        cell(4, QString::number(calendar.schoolDayCount(plan.from, plan.to)));
        cell(5, plan.createdBy.isEmpty() ? plan.reason : tr("%1 (by %2)").arg(plan.reason, plan.createdBy));
    }
}

bool PlannedAbsenceWindow::addPlan()
{
    const auto refuse = [this](const QString& why) {
        dialogs().message(
            this, why + QLatin1Char(' ') + tr("Nothing was added."), tr("Planned Absence"), UserDialogs::Icon::Warning);
        return false;
    };
    if (m_student->currentIndex() < 0)
        return refuse(tr("Choose the student first."));
    if (m_from->date() > m_to->date())
        return refuse(tr("The first day is after the last."));
    if (db::schoolCalendar().schoolDayCount(m_from->date(), m_to->date()) == 0)
        return refuse(tr("There is no school day from %1 to %2.")
                          .arg(shortDateText(m_from->date()), shortDateText(m_to->date())));
    db::PlannedAbsence plan;
    plan.studentId = m_student->currentData().toLongLong();
    plan.from = m_from->date();
    plan.to = m_to->date();
    plan.status = m_code->currentData().toString();
    plan.reason = m_reason->text().trimmed();
    try {
        db::addPlannedAbsence(plan);
    } catch (const Failure& failure) {
        return refuse(failure.description());
    }
    m_reason->clear();
    return true;
}

void PlannedAbsenceWindow::cancelSelected()
{
    QList<qint64> ids;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        ids << m_list->item(index.row(), 0)->data(Qt::UserRole).toLongLong();
    if (ids.isEmpty())
        return;
    if (!dialogs().question(this,
            tr("Cancel %n planned absences? Marks already saved from them stay as they were saved.", nullptr,
                int(ids.size())),
            tr("Planned Absence"), UserDialogs::Icon::Question, UserDialogs::Default::No))
        return;
    for (qint64 id : std::as_const(ids))
        db::removePlannedAbsence(id);
}
