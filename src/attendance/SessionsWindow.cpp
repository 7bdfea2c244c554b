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
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
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
    setWindowTitle(tr("Register Rules"));
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
    m_closeAfter = new QSpinBox(this);
    m_closeAfter->setObjectName(QStringLiteral("spnCloseAfter"));
    m_closeAfter->setRange(0, 365);
    m_closeAfter->setSpecialValueText(tr("never"));
    m_closeAfter->setSuffix(tr(" school days after its day"));
    auto* closeLabel = new QLabel(tr("&Close each register:"), this);
    closeLabel->setBuddy(m_closeAfter);
    m_accounts = new QLineEdit(this);
    m_accounts->setObjectName(QStringLiteral("txtAccounts"));
    m_accounts->setPlaceholderText(tr("log-in names, separated by commas"));
    auto* accountsLabel = new QLabel(tr("&Who may still change it:"), this);
    accountsLabel->setBuddy(m_accounts);
    auto* closeHint = new QLabel(tr("A closed register keeps the marks that were reported; changing one then needs "
                                    "one of these accounts, and a reason, as every change of an earlier day does."),
        this);
    closeHint->setWordWrap(true);

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
    auto* closing = new QFormLayout;
    closing->addRow(closeLabel, m_closeAfter);
    closing->addRow(accountsLabel, m_accounts);
    layout->addSpacing(px(180));
    layout->addLayout(closing);
    layout->addWidget(closeHint);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(px(7200), sizeHint().height());
    fill();
}

void SessionsWindow::fill()
{
    const bool two = db::sessionsPerDay() == 2;
    m_two->setChecked(two);
    m_one->setChecked(!two);
    m_afternoon->setEnabled(two);
    m_afternoon->setTime(db::afternoonFrom());
    const db::Closing closing = db::registerClosing();
    m_closeAfter->setValue(closing.afterSchoolDays);
    m_accounts->setText(closing.accounts.join(QStringLiteral(", ")));
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
    db::Closing closing;
    closing.afterSchoolDays = m_closeAfter->value();
    for (const QString& account : m_accounts->text().split(QLatin1Char(','))) {
        if (!account.trimmed().isEmpty())
            closing.accounts << account.trimmed();
    }
    if (closing != db::registerClosing())
        db::setRegisterClosing(closing);
    if (m_afternoon->time() != db::afternoonFrom())
        db::setAfternoonFrom(m_afternoon->time());
    if (sessions != db::sessionsPerDay())
        db::setSessionsPerDay(sessions, afternoonsToo);
    return true;
}
