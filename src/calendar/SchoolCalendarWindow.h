#pragma once

#include "core/SchoolCalendar.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace calendar {

class YearGrid;

// Setup, School Calendar: a school year as a grid of months, the entries that shape it (the year,
// its terms, holidays, closures, training days) with a form to add, change and remove them, and
// the import of the dates a local authority publishes. The calendar is the register's, shared by
// every computer; the window shows it again whenever it changes.
class SchoolCalendarWindow : public QWidget
{
    Q_OBJECT

public:
    static SchoolCalendarWindow* showShared(QWidget* parent);
    static SchoolCalendarWindow* instance();

    explicit SchoolCalendarWindow(QWidget* parent = nullptr);

    // The twelve months shown begin with this one.
    QDate shownFrom() const;
    void showYearOf(const QDate& day);
    // The commands, as the buttons run them.
    void addEntry();
    void changeEntry();
    void removeEntry();
    void importFile();
    void stepYear(int direction);

private:
    void reload();
    void showEntries();
    void entrySelected();
    std::optional<Entry> entryFromForm() const;
    void pickDay(const QDate& day, bool extend);

    SchoolCalendar m_calendar;
    QList<Entry> m_shownEntries;
    YearGrid* m_grid = nullptr;
    QLabel* m_year = nullptr;
    QTableWidget* m_entries = nullptr;
    QComboBox* m_kind = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_remove = nullptr;
};

} // namespace calendar
