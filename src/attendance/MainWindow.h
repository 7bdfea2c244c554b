#pragma once

#include "attendance/MainMenu.h"
#include "attendance/StudentCard.h"
#include "core/SchoolCalendar.h"
#include "register/Database.h"
#include "ui/Dialogs.h"
#include "ui/WindowLayout.h"

#include <QDate>
#include <QElapsedTimer>
#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class CardArea;

// The attendance window (Form1): the menu bar, the class list, the date, one card per student,
// the day's notes, Save, the way to the class and student set-up, and the day's totals.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    using Menu = MainMenu::Menu;
    using Command = MainMenu::Command;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up steps: data folder, first-run copy of the template, the shared connection,
    // the class list and the card area. Failures are reported and start-up carries on.
    void load();

    // What ends the program after the close handler; tests replace it.
    void setProgramEnd(std::function<void()> end) { m_endProgram = std::move(end); }

    // Refills the class list and the ids beside it (entry k belongs to m_colClassIDs[k]) and
    // leaves it without a selection. The cards on screen stay.
    void LoadClassList();
    // Builds one card per student of the selected class and loads their marks. A photo that
    // cannot be shown leaves its card without one; the listing goes on and the failure is
    // thrown once at the end. A large class gets its first screenful of cards at once and the
    // rest in batches between events, so that the window answers throughout; whatever needs
    // every card (a save, a command over the class) has the rest made first.
    void ListStudent();
    // Students of the listing whose cards are still to be made.
    qsizetype pendingCards() const { return m_pending.size(); }
    // Makes the cards still to be made, now.
    void finishCards();
    void ClearCards();
    // Shows the marks stored for the picked date on the cards of the selected class.
    void LoadAttendance();
    // What a save came to.
    enum class SaveOutcome {
        Saved, // the marks on the cards are stored (or no class is selected: nothing to store)
        NothingListed, // the selected class could not be listed: nothing was written
        RegisterNotOpen, // the register was refused at start and is still not open
        Declined, // someone else saved meanwhile and the user chose to keep the marks unsaved
    };
    // Writes the marks on the cards, all or none, under the date they were loaded for. When
    // someone else has saved any of them since they were loaded, asks before overwriting.
    SaveOutcome SaveAttendance();

    const QList<qint64>& classIds() const { return m_colClassIDs; }
    // Every card object; card 0 is the template and exists even when no student is listed.
    const QList<StudentCard*>& cards() const { return m_cards; }
    // The cards of the current listing, in order, every one of them made.
    QList<StudentCard*> listedCards()
    {
        finishCards();
        return m_cards.mid(0, m_listed);
    }
    bool isChanged() const { return m_bChanged; }
    // The day the cards on screen were listed for; invalid before the first listing.
    QDate cardsDate() const { return m_cardsDate; }
    // Whose register of the day the cards show: the morning's when the school keeps one a day.
    db::Session cardsSession() const { return m_cardsSession; }
    // Reads how many registers the school keeps a day; with two, the session picker shows
    // beside the date, on the afternoon's from the time the afternoon begins.
    void loadSessions();
    // Whether the last listing of the selected class failed part-way (its cards are gone).
    bool listingFailed() const { return m_listingFailed; }

    // The menus, for other parts of the program to add their commands to.
    QMenu* menu(Menu which) const { return m_menuBar->menu(which); }
    QAction* action(Command which) const { return m_menuBar->action(which); }
    MainMenu* menuBar() const { return m_menuBar; }

    // The line under the buttons: "30 students · 25 present · 2 late · 2 absent · 1 excused".
    QString totalsText() const;

    // The register commands, as the menu runs them.
    void markAllPresent();
    void copyMarksFromPreviousDay();
    // In the afternoon's register: the statuses of the morning's, as the afternoon starts from.
    void copyMarksFromThisMorning();
    // The window's size as the layout table draws it, with the menu bar above.
    QSize designedSize() const;
    // How many cards stand in a row: six at the designed width, more in a wider window.
    int cardsPerRow() const { return m_perRow; }

    // Moves the date picker one school day (Monday to Friday) back or on; the picker's change
    // then asks about unsaved marks as any change of date does.
    void stepDay(int direction);
    // Register, Reload: the class list and the cards read again from the register (which
    // connects again to a server that was away), after offering to save unsaved marks.
    void reload();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

public:
    CardArea* cardArea() const { return m_cardArea.get(); }

private:
    // The card's photo area in device pixels, so that its picture is sharp on any screen.
    QSize devicePhotoSize() const;
    // Sizes the canvas and the bar's range to the cards of the current listing.
    void fitCardArea();
    void buildLayout();
    void connectCommands();
    // The laid-out area sits under the menu bar, whose height the style decides, and follows
    // the window's size.
    void placeArea();
    // Puts the cards in rows as wide as the card area allows.
    void layoutCards();
    StudentCard* addCard(int index);
    void placeCard(StudentCard* card);
    // A listing that failed part-way: no card, no notes, nothing to save.
    void abandonListing();
    // The mark a card without a saved one opens with: its planned absence, else Present.
    QString unsavedStatus(qint64 studentId) const;
    // Makes the card of the next student of the listing, with the marks loaded for the day.
    void makeCard(const db::StudentRow& student, const QSize& photoSize);
    // Makes the cards of the next few students still to be made.
    void makePendingBatch(const QSize& photoSize);
    // Makes the cards still to be made for up to the given time (all of them when negative);
    // a failure leaves no card at all.
    void makePendingCards(int budgetMilliseconds);
    // Makes a pass's batches of the cards still to be made, and asks for the next pass.
    void continueCards(quint64 listing);
    // Says, once the last card is made, which photos could not be shown.
    void reportUnreadable();

    // The event handlers; none of them has numbered steps, so failures are shown under the
    // handler's name.
    void Combo1_Click();
    void DateTimePicker1_Change();
    void Timer1_Timer();
    void Card_Click(int index, const QString& element);
    void Card_StatusChosen(int index, const QString& word);
    void Card_Move(int index, StudentCard::Move move);
    void Card_Menu(int index, const QPoint& globalPos);
    void Card_Focus(int index);
    void Text1_Change();
    void PushButton1_Click();
    void PushButton2_Click();

    void connectCard(StudentCard* card);
    // The one card Tab stops at in the card area.
    void setCurrentCard(int index);
    void editLateMinutes(StudentCard* card);
    void editRemark(StudentCard* card);
    void showHistory(const StudentCard* card);
    // Puts the given statuses on the cards, asking first when that would replace marks that are
    // not Present; false when the user said No.
    bool applyStatuses(const QList<QString>& statuses, const QString& question);
    void setChanged(bool changed);
    // A restore replaced the register: nothing of the old one stays on screen.
    void registerReplaced();
    // Reads the school calendar again and marks its days in the date picker.
    void loadCalendar();
    // The session picked beside the date; the morning's when there is one register a day.
    db::Session pickedSession() const;
    // The register on screen in words: "9 December 2026", "9 December 2026, afternoon".
    QString registerText(const QString& dateFormat) const;
    void placeSessionPicker();
    void Session_Change();
    // The picked day's name beside the date when it is not a school day.
    void showDayName();
    // The class and day this user last had open, kept in their own settings; reopened at start
    // and after a restore while the class still exists. A day picked on an earlier day is not
    // reopened: a register taken from paper last week must not be where today's marks go.
    void rememberSelection();
    void reopenLastSelection();
    // The class box's ticks: which classes have taken the day's register.
    void markTakenClasses();
    QString takenText() const;
    void refreshStatusLine();

    // The class or date changed: offers to save unsaved marks, then starts the rebuild.
    void selectionChanged();
    UserDialogs::Answer askSaveChanges();
    // A save was refused because someone else saved first: whether to overwrite.
    bool askOverwrite(const db::Conflict& conflict);
    // The marks stored now, for a user who chose not to overwrite them.
    void showStoredMarks(const db::Conflict& conflict);
    void setListingFailed(bool failed);
    // After a failed prompted save: the class list and date picker show what the cards show.
    void restoreSelection();

    QGroupBox* m_frame1 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QDateEdit* m_dateTimePicker1 = nullptr;
    QWidget* m_picScrollBox = nullptr;
    QWidget* m_picClient = nullptr;
    QGroupBox* m_frame3 = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QPushButton* m_pushButton2 = nullptr; // Save
    QPushButton* m_pushButton1 = nullptr; // Setup Students / Classes
    QTimer* m_timer1 = nullptr;
    MainMenu* m_menuBar = nullptr;
    QWidget* m_area = nullptr; // everything the layout table places, under the menu bar
    StretchLayout m_stretch; // how the area's controls follow the window's size
    int m_perRow = 6;
    bool m_focusCardsOnListing = false; // the class reopened at start: its first card takes the focus
    int m_barHeight = -1;
    QLabel* m_lblTotals = nullptr;
    QLabel* m_lblUnsaved = nullptr;
    QLabel* m_listingMessage = nullptr; // over the card area when a listing failed
    QLabel* m_lblDayName = nullptr; // in the date box: "Half-term holiday"
    QLabel* m_lblTaken = nullptr; // in the class box's title row: "Not taken yet", "Saved 08:52 by …"
    calendar::SchoolCalendar m_calendar;
    QElapsedTimer m_calendarRead; // another computer may change the calendar: read again now and then

    QList<qint64> m_colClassIDs;
    QList<StudentCard*> m_cards; // card 0 is the template and always exists
    // The students of the listing whose cards are still to be made, and what the made ones
    // found unreadable.
    QList<db::StudentRow> m_pending;
    QStringList m_unreadable;
    QString m_firstUnreadable;
    quint64 m_listing = 0; // each listing's number, so that a batch of an old one stops
    int m_listed = 0; // how many cards hold students of the current listing
    int m_current = 0; // the card Tab stops at
    std::unique_ptr<CardArea> m_cardArea; // m_cScroll and the canvas it moves
    std::optional<qint64> m_cardsClassId; // the class the cards on screen belong to
    QString m_cardsClassName;
    QDate m_cardsDate;
    db::Session m_cardsSession = db::Session::Morning;
    QComboBox* m_cboSession = nullptr; // beside the date, when the school keeps two registers a day
    int m_sessions = 1;
    QTime m_afternoonFrom; // when the afternoon's register is the one the clock picks
    db::Closing m_closing; // when past registers close, and to whom they stay open
    QString m_cardsClosed; // why this user cannot change the register on screen; empty when they can
    db::DayMarks m_loaded; // the marks of the cards as they were stored when loaded or saved
    // The planned absences of the cards' day, by student: the mark a card without a saved one
    // opens with.
    QHash<qint64, db::PlannedAbsence> m_planned;
    QDate m_copiedFrom; // the day whose marks Copy Marks put on the cards, until they are saved
    bool m_copiedMorning = false; // what was copied was this morning's register
    bool m_listingFailed = false;
    // Why the register could not be opened at start; empty when it was.
    QString m_openFailure;
    // Whether start-up has come to opening the register (before that, a date change that the
    // start-up itself makes reads nothing).
    bool m_openTried = false;
    bool m_bChanged = false;
    std::function<void()> m_endProgram;
};
