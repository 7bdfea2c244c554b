#include "calendar/SchoolCalendarWindow.h"
#include "core/DateText.h"

#include "calendar/YearGrid.h"
#include "import/CalendarImport.h"
#include "register/Database.h"
#include "register/RegisterEvents.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/LookAndFeel.h"
#include "ui/SharedWindow.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace calendar {
namespace {

QString location(const char* handler)
{
    return handlerLocation(QStringLiteral("SchoolCalendar"), QString::fromLatin1(handler));
}

QString dateText(const QDate& day)
{
    return shortDateText(day);
}

constexpr Kind kKinds[] = {Kind::Year, Kind::Term, Kind::Holiday, Kind::Closure, Kind::Training};

// The first day of the school year that holds the day when the calendar names none: September,
// as most schools begin then.
QDate septemberBefore(const QDate& day)
{
    return QDate(day.month() >= 8 ? day.year() : day.year() - 1, 9, 1);
}

} // namespace

SchoolCalendarWindow* SchoolCalendarWindow::showShared(QWidget* parent)
{
    return SharedWindow<SchoolCalendarWindow>::show([parent] { return new SchoolCalendarWindow(parent); },
        [](SchoolCalendarWindow* window) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            centreOnScreen(window);
        });
}

SchoolCalendarWindow* SchoolCalendarWindow::instance()
{
    return SharedWindow<SchoolCalendarWindow>::instance();
}

SchoolCalendarWindow::SchoolCalendarWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmSchoolCalendar"));
    setWindowTitle(tr("School Calendar"));
    setWindowIcon(QApplication::windowIcon());

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    layout->addLayout(left, 3);

    auto* header = new QHBoxLayout;
    auto* previous = new QPushButton(tr("◀ &Previous Year"), this);
    previous->setObjectName(QStringLiteral("cmdPreviousYear"));
    m_year = new QLabel(this);
    m_year->setObjectName(QStringLiteral("lblYear"));
    m_year->setAlignment(Qt::AlignCenter);
    QFont yearFont = m_year->font();
    yearFont.setBold(true);
    yearFont.setPointSizeF(yearFont.pointSizeF() * 1.2);
    m_year->setFont(yearFont);
    auto* next = new QPushButton(tr("&Next Year ▶"), this);
    next->setObjectName(QStringLiteral("cmdNextYear"));
    header->addWidget(previous);
    header->addWidget(m_year, 1);
    header->addWidget(next);
    left->addLayout(header);

    m_grid = new YearGrid(this);
    left->addWidget(m_grid, 1);

    // What each colour means, in the colours themselves.
    auto* legend = new QHBoxLayout;
    const QList<std::pair<DayKind, QString>> kinds = {{DayKind::SchoolDay, tr("School day")},
        {DayKind::Weekend, tr("Weekend")}, {DayKind::Holiday, displayName(Kind::Holiday)},
        {DayKind::Closure, displayName(Kind::Closure)}, {DayKind::Training, displayName(Kind::Training)}};
    for (const auto& [kind, text] : kinds) {
        // A square of the day's own fill beside its name, outlined so that the school day's
        // plain fill shows too.
        QPixmap square(12, 12);
        square.fill(m_grid->fillOf(kind));
        {
            QPainter outline(&square);
            outline.setPen(palette().color(QPalette::Mid));
            outline.drawRect(0, 0, 11, 11);
        }
        auto* swatch = new QLabel(this);
        swatch->setObjectName(QStringLiteral("legend%1").arg(int(kind)));
        swatch->setPixmap(square);
        legend->addWidget(swatch);
        legend->addWidget(new QLabel(text, this));
        legend->addSpacing(12);
    }
    legend->addStretch(1);
    left->addLayout(legend);

    auto* right = new QVBoxLayout;
    layout->addLayout(right, 2);
    auto* listLabel = new QLabel(tr("&Entries of this year:"), this);
    right->addWidget(listLabel);
    m_entries = new QTableWidget(0, 4, this);
    m_entries->setObjectName(QStringLiteral("lstEntries"));
    m_entries->setHorizontalHeaderLabels({tr("Kind"), tr("From"), tr("To"), tr("Name")});
    m_entries->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entries->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_entries->verticalHeader()->hide();
    m_entries->horizontalHeader()->setStretchLastSection(true);
    listLabel->setBuddy(m_entries);
    right->addWidget(m_entries, 1);

    auto* form = new QFormLayout;
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cboKind"));
    for (Kind kind : kKinds)
        m_kind->addItem(displayName(kind), int(kind));
    m_kind->setCurrentIndex(2);
    m_from = new QDateEdit(QDate::currentDate(), this);
    m_from->setObjectName(QStringLiteral("dtpFrom"));
    m_from->setCalendarPopup(true);
    m_to = new QDateEdit(QDate::currentDate(), this);
    m_to->setObjectName(QStringLiteral("dtpTo"));
    m_to->setCalendarPopup(true);
    for (QDateEdit* edit : {m_from, m_to})
        edit->setDisplayFormat(shortDateFormat());
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setPlaceholderText(tr("Half-term holiday"));
    form->addRow(tr("&Kind:"), m_kind);
    form->addRow(tr("&From:"), m_from);
    form->addRow(tr("&To:"), m_to);
    form->addRow(tr("Na&me:"), m_name);
    right->addLayout(form);
    auto* hint = new QLabel(tr("Click a day in the months to choose it; Shift+click another to make a range."), this);
    hint->setWordWrap(true);
    right->addWidget(hint);

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(tr("&Add"), this);
    add->setObjectName(QStringLiteral("cmdAdd"));
    m_change = new QPushButton(tr("&Change"), this);
    m_change->setObjectName(QStringLiteral("cmdChange"));
    m_remove = new QPushButton(tr("&Remove"), this);
    m_remove->setObjectName(QStringLiteral("cmdRemove"));
    auto* import = new QPushButton(tr("&Import…"), this);
    import->setObjectName(QStringLiteral("cmdImport"));
    import->setToolTip(tr("An iCalendar file (.ics) or a CSV of From,To,Name, as a local authority publishes them"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {add, m_change, m_remove, import, close})
        buttons->addWidget(button);
    right->addLayout(buttons);

    connect(previous, &QPushButton::clicked, this, [this] { stepYear(-1); });
    connect(next, &QPushButton::clicked, this, [this] { stepYear(1); });
    connect(
        add, &QPushButton::clicked, this, [this] { reportFailures(location("cmdAdd_Click"), [this] { addEntry(); }); });
    connect(m_change, &QPushButton::clicked, this,
        [this] { reportFailures(location("cmdChange_Click"), [this] { changeEntry(); }); });
    connect(m_remove, &QPushButton::clicked, this,
        [this] { reportFailures(location("cmdRemove_Click"), [this] { removeEntry(); }); });
    connect(import, &QPushButton::clicked, this,
        [this] { reportFailures(location("cmdImport_Click"), [this] { importFile(); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(m_entries, &QTableWidget::itemSelectionChanged, this, [this] { entrySelected(); });
    connect(m_grid, &YearGrid::dayPicked, this, [this](const QDate& day, bool extend) { pickDay(day, extend); });
    const auto reloaded = [this] { reportFailures(location("Calendar_Change"), [this] { reload(); }); };
    connect(&db::RegisterEvents::instance(), &db::RegisterEvents::calendarChanged, this, reloaded);
    connect(&db::RegisterEvents::instance(), &db::RegisterEvents::registerReplaced, this, reloaded);

    look::ApplyStandardColours(this);
    reload();
    showYearOf(QDate::currentDate());
    resize(std::max(sizeHint().width(), px(14000)), std::max(sizeHint().height(), px(8200)));
}

QDate SchoolCalendarWindow::shownFrom() const
{
    return m_grid->firstMonth();
}

void SchoolCalendarWindow::showYearOf(const QDate& day)
{
    const std::optional<Entry> year = m_calendar.yearOf(day);
    const QDate first = year ? QDate(year->from.year(), year->from.month(), 1) : septemberBefore(day);
    m_grid->setFirstMonth(first);
    const QDate last = first.addMonths(12).addDays(-1);
    const QLocale locale;
    m_year->setText(year ? tr("School year %1").arg(year->name)
                         : tr("%1 to %2")
                               .arg(locale.toString(first, QStringLiteral("MMMM yyyy")),
                                   locale.toString(last, QStringLiteral("MMMM yyyy"))));
    showEntries();
}

void SchoolCalendarWindow::stepYear(int direction)
{
    const QDate first = shownFrom();
    // To the year before or after the one shown: the calendar's, where it has one there.
    const QDate probe = direction < 0 ? first.addDays(-1) : first.addMonths(12);
    const std::optional<Entry> year = m_calendar.yearOf(probe);
    showYearOf(year ? year->from : first.addMonths(direction < 0 ? -12 : 12));
}

void SchoolCalendarWindow::reload()
{
    m_calendar = db::schoolCalendar();
    m_grid->setCalendar(m_calendar);
    showEntries();
}

void SchoolCalendarWindow::showEntries()
{
    const QDate first = shownFrom();
    const QDate last = first.addMonths(12).addDays(-1);
    const qint64 selected = m_entries->currentRow() >= 0 && m_entries->currentRow() < m_shownEntries.size()
        ? m_shownEntries.at(m_entries->currentRow()).id
        : 0;
    m_shownEntries.clear();
    for (const Entry& entry : m_calendar.entries()) {
        if (entry.to >= first && entry.from <= last)
            m_shownEntries.append(entry);
    }
    const QSignalBlocker quiet(m_entries);
    m_entries->clearSelection();
    m_entries->setRowCount(int(m_shownEntries.size()));
    for (int row = 0; row < m_shownEntries.size(); ++row) {
        const Entry& entry = m_shownEntries.at(row);
        m_entries->setItem(row, 0, new QTableWidgetItem(displayName(entry.kind)));
        m_entries->setItem(row, 1, new QTableWidgetItem(dateText(entry.from)));
        m_entries->setItem(row, 2, new QTableWidgetItem(dateText(entry.to)));
        m_entries->setItem(row, 3, new QTableWidgetItem(entry.name));
        if (entry.id == selected)
            m_entries->selectRow(row);
    }
    m_entries->resizeColumnsToContents();
    const bool any = m_entries->currentRow() >= 0 && !m_entries->selectedItems().isEmpty();
    m_change->setEnabled(any);
    m_remove->setEnabled(any);
}

void SchoolCalendarWindow::entrySelected()
{
    const int row = m_entries->currentRow();
    const bool any = row >= 0 && row < m_shownEntries.size() && !m_entries->selectedItems().isEmpty();
    m_change->setEnabled(any);
    m_remove->setEnabled(any);
    if (!any)
        return;
    const Entry& entry = m_shownEntries.at(row);
    m_kind->setCurrentIndex(m_kind->findData(int(entry.kind)));
    m_from->setDate(entry.from);
    m_to->setDate(entry.to);
    m_name->setText(entry.name);
}

void SchoolCalendarWindow::pickDay(const QDate& day, bool extend)
{
    if (extend && day >= m_from->date()) {
        m_to->setDate(day);
    } else {
        m_from->setDate(day);
        m_to->setDate(day);
    }
}

std::optional<Entry> SchoolCalendarWindow::entryFromForm() const
{
    Entry entry;
    entry.kind = Kind(m_kind->currentData().toInt());
    entry.from = m_from->date();
    entry.to = m_to->date();
    entry.name = m_name->text().simplified();
    if (entry.to < entry.from) {
        dialogs().message(const_cast<SchoolCalendarWindow*>(this),
            tr("The last day (%1) is before the first (%2). Choose a last day on or after the first.")
                .arg(dateText(entry.to), dateText(entry.from)),
            QString(), UserDialogs::Icon::Warning);
        return std::nullopt;
    }
    if (entry.name.isEmpty())
        entry.name = displayName(entry.kind);
    return entry;
}

void SchoolCalendarWindow::addEntry()
{
    const std::optional<Entry> entry = entryFromForm();
    if (!entry)
        return;
    if (db::addCalendarEntries({*entry}) == 0)
        dialogs().message(this, tr("The calendar already holds “%1” on these days.").arg(entry->name), QString(),
            UserDialogs::Icon::Information);
    showYearOf(entry->from);
}

void SchoolCalendarWindow::changeEntry()
{
    const int row = m_entries->currentRow();
    if (row < 0 || row >= m_shownEntries.size())
        return;
    std::optional<Entry> entry = entryFromForm();
    if (!entry)
        return;
    entry->id = m_shownEntries.at(row).id;
    if (!db::updateCalendarEntry(*entry))
        dialogs().message(this, tr("This entry was removed on another computer meanwhile; nothing was changed."),
            QString(), UserDialogs::Icon::Information);
}

void SchoolCalendarWindow::removeEntry()
{
    const int row = m_entries->currentRow();
    if (row < 0 || row >= m_shownEntries.size())
        return;
    const Entry entry = m_shownEntries.at(row);
    const QString question = tr("Remove “%1” (%2 to %3) from the school calendar?")
                                 .arg(entry.name, dateText(entry.from), dateText(entry.to));
    if (!dialogs().question(this, question, QString(), UserDialogs::Icon::Question))
        return;
    db::removeCalendarEntry(entry.id);
}

void SchoolCalendarWindow::importFile()
{
    const QString path = dialogs().openFileName(this, tr("Import School Calendar"),
        tr("Calendar files (*.ics;*.csv)|*.ics;*.csv|iCalendar files (*.ics)|*.ics|CSV files (*.csv)|*.csv|"));
    if (path.isEmpty())
        return;
    const ParsedCalendar parsed = readCalendarFile(path);
    if (!parsed.error.isEmpty()) {
        dialogs().message(this,
            parsed.error + QStringLiteral("\r\n\r\n") + parsed.problems.join(QStringLiteral("\r\n")), QString(),
            UserDialogs::Icon::Warning);
        return;
    }
    QMap<Kind, int> byKind;
    for (const Entry& entry : parsed.entries)
        ++byKind[entry.kind];
    QStringList counts;
    for (auto it = byKind.constBegin(); it != byKind.constEnd(); ++it)
        counts << QStringLiteral("%1: %2").arg(displayName(it.key())).arg(it.value());
    QString text = tr("The file holds %n entry(s) (%1), from %2 to %3.", nullptr, int(parsed.entries.size()))
                       .arg(counts.join(QStringLiteral(", ")),
                           parsed.entries.isEmpty() ? QString() : dateText(parsed.entries.constFirst().from),
                           parsed.entries.isEmpty() ? QString() : dateText(parsed.entries.constLast().to));
    if (!parsed.problems.isEmpty()) {
        text += QStringLiteral("\r\n\r\n") + tr("Left out:") + QStringLiteral("\r\n")
            + parsed.problems.mid(0, 10).join(QStringLiteral("\r\n"));
        if (parsed.problems.size() > 10)
            text += QStringLiteral("\r\n…");
    }
    text += QStringLiteral("\r\n\r\n")
        + tr("Add them to the school calendar? Entries it already holds are not added again.");
    if (parsed.entries.isEmpty() || !dialogs().question(this, text, QString(), UserDialogs::Icon::Question))
        return;
    const int added = db::addCalendarEntries(parsed.entries);
    dialogs().message(this,
        tr("%n entry(s) added to the school calendar.", nullptr, added)
            + (added < parsed.entries.size()
                    ? QLatin1Char(' ') + tr("%n it already held.", nullptr, int(parsed.entries.size() - added))
                    : QString()),
        QString(), UserDialogs::Icon::Information);
    showYearOf(parsed.entries.constFirst().from);
}

} // namespace calendar
