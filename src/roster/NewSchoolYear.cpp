#include "roster/NewSchoolYear.h"

#include "register/Database.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace roster {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(NewSchoolYear)
};

// The first day offered: the start of the calendar's next school year, else the coming
// 1 September.
QDate offeredFirstDay()
{
    const QDate today = QDate::currentDate();
    QDate offered(today.month() >= 9 ? today.year() + 1 : today.year(), 9, 1);
    const calendar::SchoolCalendar school = db::schoolCalendar();
    for (const calendar::Entry& entry : school.entries()) {
        if (entry.kind == calendar::Kind::Year && entry.from > today && entry.from < offered)
            offered = entry.from;
    }
    return offered;
}

} // namespace

void askNewSchoolYear(QWidget* parent)
{
    const QString format = QStringLiteral("yyyy-MM-dd");
    const std::optional<QString> answer = dialogs().inputBox(parent,
        Text::tr("The first day of the new school year (YYYY-MM-DD). Every class goes up one year from that day, "
                 "and the top year leaves:"),
        Text::tr("New School Year"), offeredFirstDay().toString(format));
    if (!answer)
        return;
    const QDate first = QDate::fromString(answer->trimmed(), format);
    if (!first.isValid()) {
        dialogs().message(parent, Text::tr("“%1” is not a date; write it as YYYY-MM-DD.").arg(*answer),
            Text::tr("New School Year"), UserDialogs::Icon::Warning);
        return;
    }
    const QList<db::YearEndStep> plan = db::planNewSchoolYear(first);
    if (plan.isEmpty()) {
        dialogs().message(
            parent, Text::tr("No class has students to move."), Text::tr("New School Year"), UserDialogs::Icon::None);
        return;
    }
    QStringList lines;
    for (const db::YearEndStep& step : plan) {
        if (step.unchanged)
            lines << Text::tr("%1 (%2): stays as it is, its name has no year.").arg(step.className).arg(step.students);
        else if (step.leaving)
            lines << Text::tr("%1 (%2): leave the school.").arg(step.className).arg(step.students);
        else
            lines << Text::tr("%1 (%2): go up to %3%4.")
                         .arg(step.className)
                         .arg(step.students)
                         .arg(step.toName, step.toClassId == 0 ? Text::tr(" (a new class)") : QString());
    }
    const QString question = Text::tr("From %1:").arg(QLocale().toString(first, QLocale::LongFormat))
        + QStringLiteral("\r\n\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n")
        + Text::tr("The registers before that day keep the classes they were taken in. Go ahead?");
    if (!dialogs().question(parent, question, Text::tr("New School Year"), UserDialogs::Icon::Question))
        return;
    const db::YearEndDone done = db::startNewSchoolYear(first);
    dialogs().message(parent,
        Text::tr("%1 students went up a year and %2 left the school; %3 classes were added.")
            .arg(done.moved)
            .arg(done.left)
            .arg(done.classesAdded),
        Text::tr("New School Year"), UserDialogs::Icon::Information);
}

} // namespace roster
