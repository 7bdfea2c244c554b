#include "attendance/SessionsWindow.h"

#include "register/Database.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/SharedWindow.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimeEdit>
#include <QVBoxLayout>

SessionsWindow* SessionsWindow::showShared(QWidget* parent)
{
    return SharedWindow<SessionsWindow>::show([parent] { return new SessionsWindow(parent); },
        [](SessionsWindow* window) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            centreOnScreen(window);
        },
        [](SessionsWindow* window) { window->fill(); });
}

SessionsWindow::SessionsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmSessions"));
    setWindowTitle(tr("Registers a Day"));
    setWindowIcon(QApplication::windowIcon());

    m_one = new QRadioButton(tr("&One register a day"), this);
    m_one->setObjectName(QStringLiteral("optOne"));
    m_two = new QRadioButton(tr("&Two registers a day: the morning's and the afternoon's"), this);
    m_two->setObjectName(QStringLiteral("optTwo"));
    m_afternoon = new QTimeEdit(this);
    m_afternoon->setObjectName(QStringLiteral("tmeAfternoon"));
    m_afternoon->setDisplayFormat(QStringLiteral("HH:mm"));
    auto* afternoonLabel = new QLabel(tr("The afternoon's register opens &from:"), this);
    afternoonLabel->setBuddy(m_afternoon);
    auto* hint = new QLabel(tr("With two, the main window shows Morning or Afternoon beside the date, picked by the "
                               "clock, and every figure counts sessions: a day holds two."),
        this);
    hint->setWordWrap(true);
    connect(m_two, &QRadioButton::toggled, m_afternoon, &QWidget::setEnabled);

    auto* save = new QPushButton(tr("&Save"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    save->setDefault(true);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(save, &QPushButton::clicked, this, [this] {
        reportFailures(QStringLiteral("Sessions.Save_Click"), [this] {
            if (this->save())
                this->close();
        });
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    auto* form = new QFormLayout;
    form->addRow(afternoonLabel, m_afternoon);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_one);
    layout->addWidget(m_two);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(px(7200), sizeHint().height());
}

void SessionsWindow::fill()
{
    const bool two = db::sessionsPerDay() == 2;
    m_two->setChecked(two);
    m_one->setChecked(!two);
    m_afternoon->setEnabled(two);
    m_afternoon->setTime(db::afternoonFrom());
}

bool SessionsWindow::save()
{
    const int sessions = m_two->isChecked() ? 2 : 1;
    bool afternoonsToo = false;
    if (sessions == 2 && db::sessionsPerDay() == 1 && db::hasMarks()) {
        // Asked once, at the switch: what a day's single register was is the school's to say.
        switch (dialogs().questionWithCancel(this,
            tr("The registers already taken were taken once a day.\r\n\r\nYes: count each of them as both the "
               "morning's and the afternoon's (the school took one register for the whole day).\r\nNo: count them as "
               "the mornings' only; the afternoons before today stay unrecorded."),
            tr("Two Registers a Day"), UserDialogs::Icon::Question)) {
        case UserDialogs::Answer::Cancel:
            return false;
        case UserDialogs::Answer::Yes:
            afternoonsToo = true;
            break;
        case UserDialogs::Answer::No:
            break;
        }
    }
    if (m_afternoon->time() != db::afternoonFrom())
        db::setAfternoonFrom(m_afternoon->time());
    if (sessions != db::sessionsPerDay())
        db::setSessionsPerDay(sessions, afternoonsToo);
    return true;
}
