#include "attendance/HelpWindow.h"

#include "register/Database.h"
#include "ui/ErrorReport.h"
#include "ui/SharedWindow.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString section(const QString& title, const QString& body)
{
    return QStringLiteral("<h3>%1</h3><p>%2</p>").arg(title.toHtmlEscaped(), body.toHtmlEscaped());
}

} // namespace

HelpWindow* HelpWindow::showShared(QWidget* parent)
{
    return SharedWindow<HelpWindow>::show([parent] { return new HelpWindow(parent); },
        [](HelpWindow* window) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            centreOnScreen(window);
        },
        [](HelpWindow* window) { window->m_text->setHtml(text()); });
}

HelpWindow* HelpWindow::instance()
{
    return SharedWindow<HelpWindow>::instance();
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Rollvane Help"));
    setWindowIcon(QApplication::windowIcon());
    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("txtHelp"));
    m_text->setOpenExternalLinks(true);
    m_text->setHtml(text());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    resize(560, 600);
}

QString HelpWindow::text()
{
    QString where;
    if (db::isOpen())
        where = tr("This computer's register is %1 (%2). Every user of the computer, and every computer set up "
                   "for the same server, shares it.")
                    .arg(QDir::toNativeSeparators(db::location()), db::engineName());
    else
        where = tr("The register is not open.");
    return section(tr("Taking a register"),
               tr("Pick the class and the day. Each card is a student: a click moves the mark from Present to Late "
                  "to Absent. The card's menu (right button) sets any mark and a remark for the day. Write the "
                  "day's notes under the cards, then Save. A day without saved marks says \"Not taken yet\"."))
        + section(tr("By keyboard"),
            tr("Tab reaches the cards; the arrow keys move between them, Home and End go to the first and the "
               "last. Space or Enter moves the mark on; P, L, A and E set Present, Late, Absent and Excused. "
               "Ctrl+S saves, Alt+Left and Alt+Right go to the previous and next school day, Alt+Home to today, F5 "
               "reads the register "
               "again, Ctrl+R opens the reports, F1 this help and Ctrl+Q quits."))
        + section(tr("Reports"),
            tr("Reports → Attendance Report shows a class or the whole school over a period: the summary, the "
               "register sheet, the registers not taken, the alerts (persistent absence is missing 10 % of the "
               "days or more), a chart and the history of every change. Print, PDF and CSV take what is shown."))
        + section(tr("What a mark means"),
            tr("Each mark counts as present, late, an approved activity, an authorised or unauthorised absence, or "
               "not at all; Setup → Attendance Codes gives every word its meaning and can add England's codes. "
               "Changing a saved mark of an earlier day asks why, and the history keeps the reason. Register → "
               "Planned Absence puts a known absence on every school day it covers. The card's menu also takes "
               "the minutes a late student came late.")
                + QLatin1Char(' ')
                + tr("A school that takes a register each morning and afternoon says so in Setup → Register "
                     "Rules; Morning or Afternoon then stands beside the date."))
        + section(tr("Setting up"),
            tr("Setup → Students and Classes adds classes and students, moves a student to another class from a "
               "day and marks a leaver; Import Students reads a spreadsheet. School Calendar holds the terms and "
               "holidays, which the register and the reports follow. New School Year moves every class up a year."))
        + section(tr("Backups"),
            tr("A copy of the register is kept after the first save of each day. Setup → Backups lists the "
               "copies, makes one now, restores one and checks the register."))
        + section(tr("Where the register lives"), where) + section(tr("Help from your school"), supportContactText());
}
