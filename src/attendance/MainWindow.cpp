#include "attendance/MainWindow.h"
#include "core/DateText.h"

#include "attendance/AttendanceCodesWindow.h"
#include "attendance/HelpWindow.h"
#include "attendance/PlannedAbsenceWindow.h"
#include "attendance/SessionsWindow.h"

#include "attendance/CardArea.h"
#include "attendance/MainMenu.h"
#include "attendance/PhotoCache.h"
#include "attendance/StudentCard.h"
#include "backup/AutomaticBackup.h"
#include "backup/BackupFolder.h"
#include "backup/InstanceLock.h"
#include "backup/window/BackupsWindow.h"
#include "calendar/SchoolCalendarWindow.h"
#include "core/Failure.h"
#include "core/Photo.h"
#include "core/SharedRoutines.h"
#include "core/StatusWords.h"
#include "core/UserSettings.h"
#include "import/window/ImportStudentsDialog.h"
#include "register/Database.h"
#include "register/RegisterEvents.h"
#include "reports/window/AttendanceReportWindow.h"
#include "roster/ClassBox.h"
#include "roster/ManageClassesWindow.h"
#include "roster/NewSchoolYear.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/LookAndFeel.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// The cards made at once when a class is listed: more than a screen holds at any size. A larger
// class gets the rest in batches, each pass of the event loop making them for about a fiftieth
// of a second, so that no input waits longer than that.
constexpr int kFirstCards = 90;
constexpr int kCardBatch = 30;
constexpr int kCardPassMilliseconds = 20;

// Whether the settings file puts the register on a server; a settings file in error is reported
// when the register is opened, and counts as no server here.
bool serverChosen()
{
    try {
        return db::serverConfigured();
    } catch (const Failure&) {
        return false;
    }
}

// How long the calendar read at a listing stays good: another computer may change it.
constexpr qint64 kCalendarFreshMs = 60'000;

// How the date picker's month shows a day without school: greyed, struck through, and named in
// its tooltip. Weekends keep the picker's own colour.
QTextCharFormat freeDayFormat(const calendar::DayInfo& day, const QPalette& palette)
{
    QTextCharFormat format;
    format.setForeground(palette.color(QPalette::Disabled, QPalette::Text));
    format.setFontStrikeOut(day.kind != calendar::DayKind::Weekend);
    format.setToolTip(day.name);
    return format;
}

QString location(const char* handler)
{
    return handlerLocation(QStringLiteral("Form1"), QString::fromLatin1(handler));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
    , m_endProgram([] { QCoreApplication::quit(); })
{
    setObjectName(QStringLiteral("Form1"));
    buildLayout();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(100);
    m_timer1->setSingleShot(true);

    connect(m_combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(m_dateTimePicker1, &QDateEdit::dateChanged, this, [this] { DateTimePicker1_Change(); });
    connect(m_cboSession, &QComboBox::currentIndexChanged, this, [this] { Session_Change(); });
    connect(m_timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(m_text1, &QPlainTextEdit::textChanged, this, [this] { Text1_Change(); });
    connect(m_pushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(m_pushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connectCard(m_cards.first());
    connectCommands();
    refreshStatusLine();

    // The first tick comes once start-up has run and only hides the template card.
    m_timer1->start();
}

MainWindow::~MainWindow() = default;

namespace {
// The laid-out area: the layout table's 10230 twips and, below the buttons, the status line.
constexpr int kAreaWidth = 10440;
constexpr int kStatusLineTop = 10170;
constexpr int kStatusLineHeight = 300;
constexpr int kAreaHeight = kStatusLineTop + kStatusLineHeight + 60;
// Room for the card area's own scroll bar beside the canvas.
constexpr int kCanvasMargin = px(10200) - px(9945);
constexpr int kCardGap = 15; // pixels, across and down
// The window may be made as small as a half row of cards, for a laptop at twice the scale.
constexpr int kSmallestCardArea = StudentCard::kHeight / 2;
constexpr int kNarrowest = 420;
} // namespace

void MainWindow::buildLayout()
{
    setResizableFrame(this, QSize(kNarrowest, px(kAreaHeight) - (px(7095) - kSmallestCardArea)));
    setFont(designFont(9));

    m_menuBar = new MainMenu(this);
    // Menus are the desktop's, in its own font, not the window's bold Arial.
    m_menuBar->setFont(QApplication::font(m_menuBar));
    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("laidOutArea"));

    // The frames are white on a light desktop. On a dark one, white would stand out as strips
    // around the dark boxes inside them, so they take the desktop's own window colour.
    const QColor desktop = QApplication::palette().color(QPalette::Window);
    const QColor frameColour = desktop.lightness() < 128 ? desktop : QColor(Qt::white);
    auto whiteFrame = [this, frameColour](const char* name, const QString& title, const QRect& geometry) {
        auto* frame = new QGroupBox(title, m_area);
        frame->setObjectName(QString::fromLatin1(name));
        frame->setGeometry(geometry);
        look::setBackground(frame, frameColour);
        return frame;
    };

    m_frame1 = whiteFrame("Frame1", tr("Class"), twipsRect(120, 120, 5040, 825));
    m_combo1 = new QComboBox(m_frame1);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(twipsRect(240, 300, 4575, 345));

    // On the title row of the class box, beside "Class": whether the register shown was taken.
    m_lblTaken = new QLabel(m_frame1);
    m_lblTaken->setObjectName(QStringLiteral("lblTaken"));
    m_lblTaken->setGeometry(twipsRect(1080, 0, 3735, 300));
    m_lblTaken->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont takenFont = designFont(9);
    takenFont.setBold(false);
    takenFont.setItalic(true);
    m_lblTaken->setFont(takenFont);

    m_frame2 = whiteFrame("Frame2", tr("Date"), twipsRect(5280, 120, 5040, 855));
    m_dateTimePicker1 = new QDateEdit(m_frame2);
    m_dateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    m_dateTimePicker1->setGeometry(twipsRect(240, 270, 4575, 375));
    m_dateTimePicker1->setCalendarPopup(true);
    m_dateTimePicker1->setDisplayFormat(shortDateFormat());
    // Over the picker's empty right part, so that the layout stays as it is on school days.
    m_lblDayName = new QLabel(m_frame2);
    m_lblDayName->setObjectName(QStringLiteral("lblDayName"));
    m_lblDayName->setGeometry(m_dateTimePicker1->geometry().adjusted(px(1800), 2, -px(420), -2));
    m_lblDayName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblDayName->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont dayFont = designFont(9);
    dayFont.setBold(false);
    dayFont.setItalic(true);
    m_lblDayName->setFont(dayFont);
    m_lblDayName->hide();
    // Shown only where the school keeps two registers a day; the picker then gives it room.
    m_cboSession = new QComboBox(m_frame2);
    m_cboSession->setObjectName(QStringLiteral("cboSession"));
    m_cboSession->addItems({tr("Morning"), tr("Afternoon")});
    m_cboSession->setAccessibleName(tr("Session"));
    m_cboSession->hide();

    m_picScrollBox = new QWidget(m_area);
    m_picScrollBox->setObjectName(QStringLiteral("picScrollBox"));
    m_picScrollBox->setGeometry(twipsRect(120, 1080, 10200, 7095));
    m_picClient = new QWidget(m_picScrollBox);
    m_picClient->setObjectName(QStringLiteral("picClient"));
    m_picClient->setGeometry(twipsRect(0, 0, 9945, 6960));
    m_picClient->setAutoFillBackground(true);
    m_picClient->setBackgroundRole(QPalette::Base);

    auto* card0 = new StudentCard(0, m_picClient);
    card0->move(0, 0);
    card0->hide();
    m_cards.append(card0);
    m_cardArea = std::make_unique<CardArea>(m_picScrollBox, m_picClient);
    m_listingMessage = new QLabel(m_picScrollBox);
    m_listingMessage->setObjectName(QStringLiteral("lblListingFailed"));
    m_listingMessage->setGeometry(QRect(QPoint(0, 0), m_picScrollBox->size()));
    m_listingMessage->setAlignment(Qt::AlignCenter);
    m_listingMessage->setWordWrap(true);
    m_listingMessage->setText(tr("This class could not be listed, so none of its marks are shown and nothing can be "
                                 "saved for it. Pick the class again to try once more."));
    m_listingMessage->hide();

    m_frame3 = whiteFrame("Frame3", tr("Additional Notes For This Day"), twipsRect(120, 8250, 10200, 1335));
    m_text1 = new QPlainTextEdit(m_frame3);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twipsRect(240, 300, 9735, 855));
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the notes for the buttons; a keyboard user could not get out otherwise.
    m_text1->setTabChangesFocus(true);

    m_pushButton2 = new QPushButton(tr("Save"), m_area);
    m_pushButton2->setObjectName(QStringLiteral("PushButton2"));
    m_pushButton2->setGeometry(twipsRect(120, 9720, 5040, 405));
    m_pushButton1 = new QPushButton(tr("Setup Students / Classes"), m_area);
    m_pushButton1->setObjectName(QStringLiteral("PushButton1"));
    m_pushButton1->setGeometry(twipsRect(5280, 9720, 5040, 405));

    QFont lineFont = designFont(9);
    lineFont.setBold(false);
    m_lblTotals = new QLabel(m_area);
    m_lblTotals->setObjectName(QStringLiteral("lblTotals"));
    m_lblTotals->setGeometry(twipsRect(120, kStatusLineTop, 7440, kStatusLineHeight));
    m_lblTotals->setFont(lineFont);
    m_lblUnsaved = new QLabel(m_area);
    m_lblUnsaved->setObjectName(QStringLiteral("lblUnsaved"));
    m_lblUnsaved->setGeometry(twipsRect(7680, kStatusLineTop, 2640, kStatusLineHeight));
    m_lblUnsaved->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblUnsaved->setFont(designFont(9));

    // Wider, the two boxes and the two buttons share the width, and the cards get more columns;
    // taller, the card area takes it all.
    m_stretch.setDesigned(QSize(px(kAreaWidth), px(kAreaHeight)));
    m_stretch.add(m_frame1, {0, 0, 0.5, 0});
    m_stretch.add(m_combo1, {0, 0, 0.5, 0});
    m_stretch.add(m_lblTaken, {0, 0, 0.5, 0});
    m_stretch.add(m_frame2, {0.5, 0, 0.5, 0});
    m_stretch.add(m_dateTimePicker1, {0, 0, 0.5, 0});
    m_stretch.add(m_lblDayName, {0, 0, 0.5, 0});
    m_stretch.add(m_picScrollBox, {0, 0, 1, 1});
    m_stretch.add(m_frame3, {0, 1, 1, 0});
    m_stretch.add(m_text1, {0, 0, 1, 0});
    m_stretch.add(m_pushButton2, {0, 1, 0.5, 0});
    m_stretch.add(m_pushButton1, {0.5, 1, 0.5, 0});
    m_stretch.add(m_lblTotals, {0, 1, 1, 0});
    m_stretch.add(m_lblUnsaved, {1, 1, 0, 0});

    resize(designedSize());
    placeArea();
}

QSize MainWindow::designedSize() const
{
    return QSize(px(kAreaWidth), m_menuBar->sizeHint().height() + px(kAreaHeight));
}

void MainWindow::placeArea()
{
    const int barHeight = m_menuBar->sizeHint().height();
    // Before the window is shown, a taller bar (a skin's) keeps the area at its designed size.
    if (barHeight != m_barHeight && !isVisible() && m_barHeight >= 0 && height() == m_barHeight + px(kAreaHeight))
        resize(width(), barHeight + px(kAreaHeight));
    m_barHeight = barHeight;
    m_menuBar->setGeometry(0, 0, width(), barHeight);
    m_area->setGeometry(0, barHeight, width(), height() - barHeight);
    m_stretch.apply(m_area->size());
    placeSessionPicker();
    m_picClient->resize(m_picScrollBox->width() - kCanvasMargin, m_picClient->height());
    m_listingMessage->setGeometry(QRect(QPoint(0, 0), m_picScrollBox->size()));
    layoutCards();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_menuBar)
        placeArea();
}

void MainWindow::layoutCards()
{
    const int perRow = std::max(1, (m_picClient->width() + kCardGap) / (StudentCard::kWidth + kCardGap));
    if (perRow != m_perRow) {
        m_perRow = perRow;
        for (StudentCard* card : std::as_const(m_cards).mid(1))
            placeCard(card);
    }
    fitCardArea();
    if (QWidget* focused = QApplication::focusWidget(); focused && focused->parentWidget() == m_picClient)
        m_cardArea->ensureVisible(focused);
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A skin's style sheet may make the bar taller; the area moves down with it.
    if (event->type() == QEvent::StyleChange && m_menuBar)
        QTimer::singleShot(0, this, [this] { placeArea(); });
}

void MainWindow::connectCommands()
{
    auto on = [this](Command command, auto handler) {
        connect(m_menuBar->action(command), &QAction::triggered, this, handler);
    };
    on(Command::Save, [this] { PushButton2_Click(); });
    on(Command::MarkAllPresent,
        [this] { reportFailures(location("MarkAllPresent_Click"), [this] { markAllPresent(); }); });
    on(Command::CopyPreviousDay,
        [this] { reportFailures(location("CopyPreviousDay_Click"), [this] { copyMarksFromPreviousDay(); }); });
    on(Command::CopyThisMorning,
        [this] { reportFailures(location("CopyThisMorning_Click"), [this] { copyMarksFromThisMorning(); }); });
    on(Command::PreviousDay, [this] { stepDay(-1); });
    on(Command::NextDay, [this] { stepDay(1); });
    // The picker's change asks about unsaved marks, as any change of date does. Today is also
    // the register the clock says, where the school keeps two a day.
    on(Command::Today, [this] {
        const int byClock = QTime::currentTime() >= m_afternoonFrom ? 1 : 0;
        if (m_sessions == 2 && m_dateTimePicker1->date() == QDate::currentDate()) {
            m_cboSession->setCurrentIndex(byClock);
            return;
        }
        if (m_sessions == 2) {
            const QSignalBlocker quiet(m_cboSession);
            m_cboSession->setCurrentIndex(byClock);
        }
        m_dateTimePicker1->setDate(QDate::currentDate());
    });
    on(Command::Reload, [this] { reportFailures(location("Reload_Click"), [this] { reload(); }); });
    on(Command::Quit, [this] { close(); });
    on(Command::StudentsAndClasses, [this] { PushButton1_Click(); });
    on(Command::Backups,
        [this] { reportFailures(location("Backups_Click"), [this] { backup::BackupsWindow::showShared(this); }); });
    on(Command::ImportStudents, [this] {
        reportFailures(location("ImportStudents_Click"), [this] {
            if (ImportStudentsDialog::run(this))
                LoadClassList();
        });
    });

    // A restore replaces the register under the window: first the marks on screen may be
    // saved, then nothing of the old register stays on screen.
    connect(&backup::AutomaticBackup::program(), &backup::AutomaticBackup::failedFirstTime, this,
        [this](const QString& failure) {
            dialogs().message(this,
                tr("Your marks are saved, but today's backup of the register could not be written:\r\n%1\r\n\r\n"
                   "Rollvane tries again at the next save, without saying so again until it is started anew.")
                    .arg(failure),
                tr("Backup"), UserDialogs::Icon::Warning);
        });
    db::RegisterEvents& events = db::RegisterEvents::instance();
    events.setReplaceGuard([this](QObject*) {
        if (!m_bChanged)
            return true;
        switch (askSaveChanges()) {
        case UserDialogs::Answer::Cancel:
            return false;
        case UserDialogs::Answer::No:
            return true;
        case UserDialogs::Answer::Yes:
            break;
        }
        return SaveAttendance() == SaveOutcome::Saved;
    });
    connect(&events, &db::RegisterEvents::registerReplaced, this,
        [this] { reportFailures(location("Restore_Done"), [this] { registerReplaced(); }); });
    connect(&events, &db::RegisterEvents::calendarChanged, this,
        [this] { reportFailures(location("Calendar_Change"), [this] { loadCalendar(); }); });
    connect(&events, &db::RegisterEvents::sessionsChanged, this,
        [this] { reportFailures(location("Sessions_Change"), [this] { loadSessions(); }); });
    // A plan made in the office shows on a register not yet touched; marks being taken stay.
    connect(&events, &db::RegisterEvents::plannedAbsencesChanged, this, [this] {
        if (!isChanged() && m_listed > 0) {
            reportFailures(location("Planned_Change"), [this] {
                LoadAttendance();
                // Filling the notes box counts as a change; reading the day again is none.
                setChanged(false);
            });
        }
    });
    connect(&events, &db::RegisterEvents::codesChanged, this, [this] {
        for (StudentCard* card : std::as_const(m_cards))
            card->setStatus(card->status());
        refreshStatusLine();
    });
    on(Command::SchoolCalendar, [this] {
        reportFailures(location("SchoolCalendar_Click"), [this] { calendar::SchoolCalendarWindow::showShared(this); });
    });
    on(Command::PlannedAbsence, [this] {
        reportFailures(location("PlannedAbsence_Click"), [this] { PlannedAbsenceWindow::showShared(this); });
    });
    on(Command::Sessions,
        [this] { reportFailures(location("Sessions_Click"), [this] { SessionsWindow::showShared(this); }); });
    on(Command::AttendanceCodes, [this] {
        reportFailures(location("AttendanceCodes_Click"), [this] { AttendanceCodesWindow::showShared(this); });
    });
    on(Command::NewSchoolYear,
        [this] { reportFailures(location("NewSchoolYear_Click"), [this] { roster::askNewSchoolYear(this); }); });
    on(Command::AttendanceReport, [this] {
        reportFailures(location("AttendanceReport_Click"), [this] { AttendanceReportWindow::showShared(this); });
    });
    on(Command::Help, [this] { reportFailures(location("Help_Click"), [this] { HelpWindow::showShared(this); }); });
    on(Command::About, [this] { MainMenu::showAbout(this); });
}

void MainWindow::load()
{
    StepRunner steps(location("Form_Load"));

    if (steps.test(100, [] { return !FileExists(companyFolder()); }))
        steps.step(102, [] { db::makeFolder(companyFolder()); });
    if (steps.test(104, [] { return !FileExists(DataFolder()); }))
        steps.step(106, [] { db::makeFolder(DataFolder()); });
    // A computer whose register is on a server keeps no register file of its own.
    if (steps.test(108, [] { return !FileExists(liveDatabasePath()) && !serverChosen(); }))
        steps.step(110, [] { db::copyTemplate(templateDatabasePath(), liveDatabasePath()); });
    steps.step(112, [this] { look::ApplySkin(this); });
    placeArea();
    steps.step(116, [this] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(QApplication::windowIcon());
        ShortenTitle(QString::fromLatin1(kProductName));
    });
    if (steps.test(118, [] { return FileExists(handPointerPath()); }))
        steps.step(120, [this] { look::LoadHandPointer(this); });
    // The hand shows over the buttons even without a pointer file (the platform's own hand).
    // The laid-out area is the window's background under the menu bar.
    look::installHoverPointers(this, {m_area, m_frame1, m_frame2, m_frame3}, {m_pushButton1, m_pushButton2});
    steps.step(140, [this] { m_dateTimePicker1->setDate(QDate::currentDate()); });
    // Step 142 created the connection object; Qt's named connection is made when it opens.
    // Held before the register is opened, so that a restore cannot replace the file between the
    // opening and the lock; a restore elsewhere then waits for this program to end.
    steps.step(144, [this] {
        backup::InstanceLock::program().acquireShared();
        m_openTried = true;
        // Copies a kill cut short, when no other running Rollvane could be writing them.
        backup::removeStalePartFiles();
        try {
            db::openConfigured();
        } catch (const Failure& failure) {
            m_openFailure = failure.description();
            throw;
        }
    });
    steps.step(146, [this] { LoadClassList(); });
    if (db::isOpen())
        steps.step(146, [this] {
            loadCalendar();
            loadSessions();
        });
    if (db::isOpen())
        steps.step(146, [this] {
            reopenLastSelection();
            // The class is there already: the first thing to do is to mark, from its first card.
            m_focusCardsOnListing = m_combo1->currentIndex() >= 0;
        });
    // Marks another tool stored under a date the program cannot read belong to no day it
    // shows; the user hears of them once, rather than finding days that look untaken.
    // A register that cannot take the program's saves is read as it stands; the user hears why
    // before taking a register that could not be kept.
    if (const QString refused = db::writesRefusedReason(); !refused.isEmpty())
        dialogs().message(this, refused, QString(), UserDialogs::Icon::Warning);
    if (db::isOpen()) {
        steps.step(146, [this] {
            const qint64 unplaced = db::unplacedMarkCount();
            const qint64 duplicates = db::duplicateMarkCount();
            if (unplaced <= 0 && duplicates <= 0)
                return;
            // The way to the check is named as the menus show it, in the user's language.
            const auto shown
                = [](QString text) { return text.remove(QLatin1Char('&')).remove(QStringLiteral("…")).trimmed(); };
            const QString way = QStringList {shown(menu(Menu::Setup)->title()), shown(action(Command::Backups)->text()),
                QCoreApplication::translate("backup::BackupsWindow", "Check Register")}
                                    .join(QStringLiteral(" → "));
            QStringList said;
            if (unplaced > 0)
                said << tr("%n mark(s) in the register have a date that Rollvane cannot read, so they are not shown on "
                           "any day. The register check (%1) lists them.",
                    nullptr, int(unplaced))
                            .arg(way);
            if (duplicates > 0)
                said << tr("%n student(s) have more than one mark stored for one day, and only one of them is shown. "
                           "The register check (%1) keeps the most recently changed of each.",
                    nullptr, int(duplicates))
                            .arg(way);
            dialogs().message(this, said.join(QStringLiteral("\r\n\r\n")), QString(), UserDialogs::Icon::Information);
        });
    }

    steps.step(148, [this] { m_cardArea->createController(); });
    steps.step(150, [this] { m_cardArea->attachToViewport(); });
    steps.step(152, [this] { m_cardArea->showVerticalBar(); });
    steps.step(154, [this] { m_cardArea->removeViewportBorder(); });
    steps.step(156, [this] { ListStudent(); });
    steps.step(158, [this] { fitCardArea(); });
}

void MainWindow::fitCardArea()
{
    if (m_cardArea && m_cardArea->controller())
        m_cardArea->fitToCards(m_cards.last(), StudentCard::kHeight + kCardGap);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    StepRunner steps(location("Form_QueryUnload"));
    if (steps.test(100, [this] { return m_bChanged; })) {
        UserDialogs::Answer answer = UserDialogs::Answer::No;
        steps.step(102, [this, &answer] { answer = askSaveChanges(); });
        // Cancel (Escape, the box's close button) keeps the window and its marks as they are.
        if (answer == UserDialogs::Answer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == UserDialogs::Answer::Yes) {
            // Marks that could not be saved are only given up when the user says so.
            SaveOutcome outcome = SaveOutcome::Saved;
            const bool saved = steps.step(104, [this, &outcome] { outcome = SaveAttendance(); });
            if (!saved
                && !dialogs().question(this,
                    tr("The attendance could not be saved.\r\nClose without saving the changes?"), tr("Save Changes"),
                    UserDialogs::Icon::Warning)) {
                event->ignore();
                return;
            }
            if (saved && outcome == SaveOutcome::Declined
                && !dialogs().question(this, tr("Your marks were not saved.\r\nClose without saving them?"),
                    tr("Save Changes"), UserDialogs::Icon::Warning)) {
                event->ignore();
                return;
            }
        }
    }
    // A rebuild after the register is closed could only fail, and the day's backup, if one is
    // being written, is let finish rather than cut off.
    m_timer1->stop();
    rememberSize(this, QStringLiteral("attendance"));
    backup::AutomaticBackup::program().wait();
    if (steps.test(106, [] { return db::isOpen(); }))
        steps.step(106, [] { db::close(); });
    steps.step(108, [] { db::close(); });
    steps.step(110, [] { QCoreApplication::processEvents(); });
    steps.step(112, [] { QCoreApplication::processEvents(); });
    event->accept();
    steps.step(114, [this] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != this)
                window->hide();
        }
        m_endProgram();
    });
}

void MainWindow::LoadClassList()
{
    // Refilling is no pick of the user's: it must neither prompt nor rebuild the cards.
    fillClassBox(this, m_combo1, m_colClassIDs);
    markTakenClasses();
}

StudentCard* MainWindow::addCard(int index)
{
    auto* card = new StudentCard(index, m_picClient);
    card->hide();
    card->copyLookFrom(*m_cards.first());
    connectCard(card);
    m_cards.append(card);
    placeCard(card);
    return card;
}

void MainWindow::placeCard(StudentCard* card)
{
    const int index = card->index();
    const StudentCard* previous = m_cards.at(index - 1);
    if (index % m_perRow != 0)
        card->move(previous->x() + previous->width() + kCardGap, previous->y());
    else
        card->move(m_cards.first()->x(), previous->y() + previous->height() + kCardGap);
}

QSize MainWindow::devicePhotoSize() const
{
    const qreal ratio = devicePixelRatioF();
    return ratio <= 1.0 ? StudentCard::kPhotoSize : (QSizeF(StudentCard::kPhotoSize) * ratio).toSize();
}

void MainWindow::ListStudent()
{
    const int selected = m_combo1->currentIndex();
    if (selected < 0 || selected >= m_colClassIDs.size())
        return;
    look::BusyPointer busy(this);
    // A listing always starts from the template alone, whoever called it.
    if (m_cards.size() > 1 || m_listed > 0)
        ClearCards();

    const qint64 classId = m_colClassIDs.at(selected);
    m_cardsClassId = classId;
    m_cardsClassName = m_combo1->itemText(selected);
    m_cardsDate = m_dateTimePicker1->date();
    m_cardsSession = pickedSession();
    m_loaded.clear();
    m_copiedFrom = QDate();
    setListingFailed(false);

    try {
        // The card pictures come with the listing, a few kilobytes a student, for the first
        // screenful; a large class's others are read a batch at a time as their cards are made.
        // A photo stored without one (by an older program or another tool) goes through the
        // photo cache, which reads its bytes only when its picture may have changed.
        const QList<db::StudentRow> students = db::cardsOfClass(classId, m_cardsDate, kFirstCards);
        const QSize photoSize = devicePhotoSize();
        QList<qint64> withoutCard;
        for (qsizetype i = 0; i < std::min<qsizetype>(students.size(), kFirstCards); ++i) {
            if (students.at(i).photoWithoutCard)
                withoutCard << students.at(i).id;
        }
        PhotoCache::shared().prepare(withoutCard, photoSize);
        m_pending = students.mid(kFirstCards);
        for (qsizetype i = 0; i < std::min<qsizetype>(students.size(), kFirstCards); ++i)
            makeCard(students.at(i), photoSize);
        LoadAttendance();
    } catch (...) {
        abandonListing();
        throw;
    }
    // Filling the notes box counts as a change; a fresh listing has none.
    setChanged(false);
    if (!m_pending.isEmpty()) {
        const quint64 listing = m_listing;
        QTimer::singleShot(0, this, [this, listing] { continueCards(listing); });
        return;
    }
    reportUnreadable();
}

QString MainWindow::unsavedStatus(qint64 studentId) const
{
    const auto planned = m_planned.constFind(studentId);
    return planned == m_planned.constEnd() ? QString::fromLatin1(status::kPresent) : planned->status;
}

void MainWindow::abandonListing()
{
    // Half a class on screen would be saved as if it were the whole class, and cards without
    // their marks would overwrite the stored ones: a failed listing shows none.
    ClearCards();
    m_text1->clear();
    setListingFailed(true);
    setChanged(false);
}

void MainWindow::makeCard(const db::StudentRow& student, const QSize& photoSize)
{
    const int index = m_listed;
    StudentCard* card = index == 0 ? m_cards.first() : addCard(index);
    card->setStudent(student.id, student.name);
    // Every card shows its own student's photo or none: card 0 is reused from listing to
    // listing, and one bad picture must not keep the class's register from being taken. A
    // register that fails under the read is another matter (the caller's).
    try {
        card->setPhoto(student.photoWithoutCard ? cardPicture(student.id, photoSize)
                                                : PhotoCache::shared().fromCard(student, photoSize));
    } catch (const UnreadablePicture& failure) {
        card->setPhoto(QPixmap());
        if (m_unreadable.isEmpty())
            m_firstUnreadable = failure.description();
        m_unreadable << student.name;
    }
    // A card made after the day's marks were loaded shows its own.
    const auto found = m_loaded.constFind(student.id);
    card->setStatus(found == m_loaded.constEnd() ? unsavedStatus(student.id) : found->status);
    card->setLateMinutes(found == m_loaded.constEnd() ? 0 : found->lateMinutes);
    card->setRemark(found == m_loaded.constEnd() ? m_planned.value(student.id).reason : found->remark);
    card->show();
    m_listed = index + 1;
}

void MainWindow::makePendingBatch(const QSize& photoSize)
{
    QList<db::StudentRow> batch = m_pending.mid(0, kCardBatch);
    QList<qint64> ids;
    for (const db::StudentRow& student : std::as_const(batch))
        ids << student.id;
    const QHash<qint64, QByteArray> pictures = db::cardPictures(ids);
    for (db::StudentRow& student : batch) {
        student.cardPicture = pictures.value(student.id);
        makeCard(student, photoSize);
    }
    m_pending.remove(0, batch.size());
}

void MainWindow::makePendingCards(int budgetMilliseconds)
{
    QElapsedTimer pass;
    pass.start();
    try {
        const QSize photoSize = devicePhotoSize();
        while (!m_pending.isEmpty() && (budgetMilliseconds < 0 || pass.elapsed() < budgetMilliseconds))
            makePendingBatch(photoSize);
    } catch (...) {
        // Whatever asked for the cards must not go on with part of them.
        abandonListing();
        fitCardArea();
        throw;
    }
    fitCardArea();
}

void MainWindow::continueCards(quint64 listing)
{
    if (listing != m_listing || m_pending.isEmpty())
        return;
    reportFailures(location("ListStudent"), [this] {
        // About a fiftieth of a second a pass: the window goes on answering between them.
        makePendingCards(kCardPassMilliseconds);
        if (m_pending.isEmpty()) {
            reportUnreadable();
            return;
        }
        const quint64 next = m_listing;
        QTimer::singleShot(0, this, [this, next] { continueCards(next); });
    });
}

void MainWindow::finishCards()
{
    if (m_pending.isEmpty())
        return;
    look::BusyPointer busy(this);
    makePendingCards(-1);
}

void MainWindow::reportUnreadable()
{
    const QStringList unreadable = std::exchange(m_unreadable, {});
    const QString firstFailure = std::exchange(m_firstUnreadable, {});
    if (unreadable.size() == 1)
        throw Failure(
            tr("The photo of %1 could not be shown; the card has no photo. %2").arg(unreadable.first(), firstFailure));
    if (unreadable.size() > 1)
        throw Failure(tr("The photos of %1 and %2 other students could not be shown; their cards have no photo. %3")
                          .arg(unreadable.first())
                          .arg(unreadable.size() - 1)
                          .arg(firstFailure));
}

void MainWindow::setListingFailed(bool failed)
{
    m_listingFailed = failed;
    m_listingMessage->setGeometry(QRect(QPoint(0, 0), m_picScrollBox->size()));
    m_listingMessage->setVisible(failed);
    if (failed)
        m_listingMessage->raise();
}

void MainWindow::ClearCards()
{
    // The viewport must not hand the focus on to a card that is going.
    m_picScrollBox->setFocusProxy(nullptr);
    m_cards.first()->setFocusPolicy(Qt::ClickFocus);
    m_cards.first()->hide();
    while (m_cards.size() > 1)
        delete m_cards.takeLast();
    m_listed = 0;
    m_pending.clear();
    m_unreadable.clear();
    m_firstUnreadable.clear();
    ++m_listing;
    m_current = 0;
    refreshStatusLine();
}

void MainWindow::LoadAttendance()
{
    if (m_combo1->currentIndex() < 0)
        return;
    look::BusyPointer busy(this);
    const QDate date = m_dateTimePicker1->date();
    // The cards still to be made get their marks as they are made.
    const QList<StudentCard*> cards = m_cards.mid(0, m_listed);
    QList<qint64> ids;
    ids.reserve(cards.size() + m_pending.size());
    for (const StudentCard* card : cards)
        ids.append(card->studentId());
    for (const db::StudentRow& student : std::as_const(m_pending))
        ids.append(student.id);
    const db::Session session = pickedSession();
    const db::DayMarks stored = db::marks(ids, date, session);
    m_cardsDate = date;
    m_cardsSession = session;
    m_cardsClosed = db::closedToUser(date, db::Author::current().user, m_closing);
    m_loaded = stored;
    m_copiedFrom = QDate();
    // Planned absences hold on school days only; a holiday inside one is no absence.
    m_planned.clear();
    if (m_calendar.isSchoolDay(date))
        m_planned = db::plannedOn(ids, date);

    // The day's notes come from the first card that has a row for the day: a student added
    // later without one must not hide them, nor have the next save write them away.
    std::optional<QString> notes;
    for (StudentCard* card : cards) {
        const auto found = stored.constFind(card->studentId());
        if (found == stored.constEnd()) {
            card->setStatus(unsavedStatus(card->studentId()));
            card->setLateMinutes(0);
            card->setRemark(m_planned.value(card->studentId()).reason);
            continue;
        }
        card->setStatus(found->status);
        card->setLateMinutes(found->lateMinutes);
        card->setRemark(found->remark);
        if (!notes)
            notes = found->notes;
    }
    m_text1->setPlainText(notes.value_or(QString()));
    if (!cards.isEmpty())
        setCurrentCard(std::clamp(m_current, 0, int(cards.size()) - 1));
    refreshStatusLine();
}

MainWindow::SaveOutcome MainWindow::SaveAttendance()
{
    // The cards on screen are written even while the class list has no selection (after the
    // set-up button refilled it): they carry their students' ids and their day, and a save that
    // writes nothing must not be taken for one that did.
    const QList<StudentCard*> cards = listedCards();
    if (cards.isEmpty()) {
        setChanged(false);
        // A register refused at start has no classes to pick: nothing could be saved, and saying
        // "Done Saved" would report a save that never happened.
        if (!m_openFailure.isEmpty() && !db::isOpen())
            return SaveOutcome::RegisterNotOpen;
        // A class whose listing failed has marks that could not be shown; saying "Done Saved"
        // for it would report a save that never happened.
        return m_combo1->currentIndex() >= 0 && m_listingFailed ? SaveOutcome::NothingListed : SaveOutcome::Saved;
    }
    look::BusyPointer busy(this);
    QList<db::CardMark> marks;
    marks.reserve(cards.size());
    for (const StudentCard* card : cards) {
        marks.append({card->studentId(), card->status(), card->remark()});
        marks.last().lateMinutes = card->lateMinutes();
    }
    const QDate date = m_cardsDate.isValid() ? m_cardsDate : m_dateTimePicker1->date();
    const db::Session session = m_cardsDate.isValid() ? m_cardsSession : pickedSession();
    const QString notes = m_text1->toPlainText();
    // A closed register is refused before anyone is asked for a reason they could not use.
    if (!m_cardsClosed.isEmpty()) {
        dialogs().message(this, m_cardsClosed, tr("Register Closed"), UserDialogs::Icon::Information);
        return SaveOutcome::Declined;
    }
    db::Author author = db::Author::current();
    // A saved mark of an earlier day is an amendment: the history keeps what it was, who changed
    // it, when, and why, and the why is asked for here.
    if (date < QDate::currentDate()) {
        QStringList amended;
        for (const StudentCard* card : cards) {
            const auto stored = m_loaded.constFind(card->studentId());
            if (stored == m_loaded.constEnd())
                continue;
            const QString was = stored->status.isEmpty() ? QString::fromLatin1(status::kPresent) : stored->status;
            if (was != card->status() || stored->remark != card->remark() || stored->lateMinutes != card->lateMinutes())
                amended << card->studentName();
        }
        if (!amended.isEmpty()) {
            const QString day = registerText(QLocale().dateFormat(QLocale::LongFormat));
            const std::optional<QString> reason = dialogs().inputBox(this,
                tr("You are changing %n saved marks of %1 (%2). Why? The reason is kept in the history beside "
                   "the marks as they were.",
                    nullptr, int(amended.size()))
                    .arg(day, amended.join(QStringLiteral(", "))),
                tr("Reason for the Change"), QString());
            if (!reason || reason->trimmed().isEmpty()) {
                dialogs().message(this,
                    tr("Nothing was saved: a change to an earlier day's saved marks needs a reason. The marks "
                       "stay on your screen."),
                    tr("Reason for the Change"), UserDialogs::Icon::Information);
                return SaveOutcome::Declined;
            }
            author.reason = reason->trimmed();
        }
    }
    // The marks as this window last knew them stored; someone else's save since then is asked
    // about, each time anew, so that a third writer cannot slip in behind an answer.
    db::DayMarks expected = m_loaded;
    for (;;) {
        db::SaveResult result = db::saveMarksIfUnchanged(date, marks, notes, expected, author, session);
        if (!result.conflict) {
            m_loaded = result.stored;
            m_copiedFrom = QDate();
            setChanged(false);
            markTakenClasses();
            // The day's backup comes after the save has committed and never holds it up.
            backup::afterSuccessfulSave();
            return SaveOutcome::Saved;
        }
        if (!askOverwrite(*result.conflict)) {
            showStoredMarks(*result.conflict);
            return SaveOutcome::Declined;
        }
        expected = result.conflict->stored;
    }
}

bool MainWindow::askOverwrite(const db::Conflict& conflict)
{
    const QString day = registerText(QStringLiteral("d MMMM yyyy"));
    const db::Mark& latest = conflict.latest;
    QString text;
    if (!latest.changedBy.isEmpty() || !latest.changedOn.isEmpty()) {
        const QDateTime at = QDateTime::fromString(latest.changedAt, Qt::ISODateWithMs).toLocalTime();
        text = tr("The register of %1 for %2 was changed by %3 on %4 at %5, after you opened it.")
                   .arg(m_cardsClassName, day, latest.changedBy.isEmpty() ? tr("someone") : latest.changedBy,
                       latest.changedOn.isEmpty() ? tr("another computer") : latest.changedOn,
                       at.isValid() ? QLocale().toString(at.time(), QStringLiteral("HH:mm")) : tr("an unknown time"));
    } else {
        text = tr("The register of %1 for %2 was changed by another program after you opened it.")
                   .arg(m_cardsClassName, day);
    }
    // The day's notes are overwritten with the marks; a teacher must know before saying Yes.
    bool notesChanged = false;
    for (auto stored = conflict.stored.cbegin(); stored != conflict.stored.cend() && !notesChanged; ++stored)
        notesChanged = stored->notes != m_loaded.value(stored.key()).notes;
    if (notesChanged)
        text += QStringLiteral("\r\n") + tr("The day's notes were changed too; Yes replaces them with yours.");
    return dialogs().question(this, text + QStringLiteral("\r\n") + tr("Overwrite it with the marks on your screen?"),
        tr("Register Changed"), UserDialogs::Icon::Warning);
}

void MainWindow::showStoredMarks(const db::Conflict& conflict)
{
    QStringList lines;
    QString storedNotes;
    for (const StudentCard* card : listedCards()) {
        const auto stored = conflict.stored.constFind(card->studentId());
        const QString status = stored == conflict.stored.constEnd() ? tr("(not marked)") : stored->status;
        if (stored != conflict.stored.constEnd() && storedNotes.isEmpty())
            storedNotes = stored->notes;
        if (!conflict.students.contains(card->studentId()))
            continue;
        QString line
            = tr("%1: %2 (on your screen: %3)")
                  .arg(card->studentName(), stored == conflict.stored.constEnd() ? status : status::displayName(status),
                      status::displayName(card->status()));
        if (stored != conflict.stored.constEnd() && !stored->remark.isEmpty())
            line += QStringLiteral(" – ") + stored->remark;
        lines << line;
    }
    QString text = tr("Your marks were not saved; they are still on your screen. The marks stored now are:")
        + QStringLiteral("\r\n\r\n") + lines.join(QStringLiteral("\r\n"));
    if (storedNotes != m_text1->toPlainText())
        text += QStringLiteral("\r\n\r\n") + tr("Notes stored now: %1").arg(storedNotes);
    dialogs().message(this, text, tr("Register Changed"), UserDialogs::Icon::Information);
}

UserDialogs::Answer MainWindow::askSaveChanges()
{
    return dialogs().questionWithCancel(
        this, tr("Attendance has been changed.\r\nSave Changes?"), tr("Save Changes"), UserDialogs::Icon::None);
}

void MainWindow::selectionChanged()
{
    // Started while the register's server was away, the class list is empty: any pick or date
    // change reads it again (and so connects again).
    if (m_combo1->count() == 0 && !m_bChanged && m_openTried)
        LoadClassList();
    if (m_bChanged) {
        // A rebuild from an earlier change must not replace the cards while the user decides.
        m_timer1->stop();
        const UserDialogs::Answer answer = askSaveChanges();
        if (answer == UserDialogs::Answer::Cancel) {
            // The class, the date and the marks stay exactly as they were.
            restoreSelection();
            return;
        }
        if (answer == UserDialogs::Answer::Yes) {
            try {
                if (SaveAttendance() == SaveOutcome::Declined) {
                    // The user keeps the marks on screen rather than overwrite another's.
                    restoreSelection();
                    return;
                }
            } catch (...) {
                // The marks stay on screen, unsaved; the list and picker go back to them so
                // that what is shown and what a later save writes agree.
                restoreSelection();
                throw;
            }
        }
    }
    m_timer1->start();
    rememberSelection();
}

void MainWindow::restoreSelection()
{
    {
        const QSignalBlocker quiet(m_combo1);
        const qsizetype index = m_cardsClassId ? m_colClassIDs.indexOf(*m_cardsClassId) : -1;
        m_combo1->setCurrentIndex(int(index));
    }
    if (m_cardsDate.isValid()) {
        const QSignalBlocker quiet(m_dateTimePicker1);
        m_dateTimePicker1->setDate(m_cardsDate);
        const QSignalBlocker quietSession(m_cboSession);
        m_cboSession->setCurrentIndex(int(m_cardsSession));
    }
}

void MainWindow::Combo1_Click()
{
    reportFailures(location("Combo1_Click"), [this] { selectionChanged(); });
}

void MainWindow::DateTimePicker1_Change()
{
    showDayName();
    markTakenClasses();
    reportFailures(location("DateTimePicker1_Change"), [this] { selectionChanged(); });
}

void MainWindow::Session_Change()
{
    markTakenClasses();
    reportFailures(location("Session_Change"), [this] { selectionChanged(); });
}

void MainWindow::Timer1_Timer()
{
    m_timer1->stop();
    // Someone taking the register from the keyboard goes on from the same card of the new
    // listing, rather than finding the focus thrown out of the card area.
    const QWidget* focus = QApplication::focusWidget();
    const bool inCards = focus && (focus == m_picScrollBox || m_picScrollBox->isAncestorOf(focus));
    const int was = m_current;
    const bool toCards = inCards || std::exchange(m_focusCardsOnListing, false);
    const auto refocus = qScopeGuard([this, inCards, toCards, was] {
        if (toCards && m_listed > 0)
            m_cards.at(std::min(was, m_listed - 1))->setFocus(Qt::OtherFocusReason);
        else if (inCards)
            m_picScrollBox->setFocus(Qt::OtherFocusReason);
    });
    reportFailures(location("Timer1_Timer"), [this] {
        // The canvas follows the listing even when the listing stopped part-way.
        std::exception_ptr failure;
        try {
            ClearCards();
            ListStudent();
        } catch (...) {
            failure = std::current_exception();
        }
        fitCardArea();
        if (failure)
            std::rethrow_exception(failure);
    });
}

void MainWindow::Card_Click(int index, const QString& element)
{
    reportFailures(handlerLocation(QStringLiteral("Form1"), element + QStringLiteral("_Click")), [this, index] {
        StudentCard* card = m_cards.value(index);
        if (!card)
            return;
        if (const std::optional<QString> next = status::next(card->status()))
            card->setStatus(*next);
        setChanged(true);
    });
}

void MainWindow::Card_StatusChosen(int index, const QString& word)
{
    if (StudentCard* card = m_cards.value(index); card && index < m_listed) {
        card->setStatus(word);
        setChanged(true);
    }
}

void MainWindow::Card_Move(int index, StudentCard::Move move)
{
    if (move == StudentCard::Move::Last)
        finishCards();
    if (m_listed == 0)
        return;
    const int perRow = m_perRow;
    const int last = m_listed - 1;
    int target = index;
    switch (move) {
    case StudentCard::Move::Left:
        target = index - 1;
        break;
    case StudentCard::Move::Right:
        target = index + 1;
        break;
    case StudentCard::Move::Up:
        target = index - perRow;
        break;
    case StudentCard::Move::Down:
        // From a row above a short last row, Down lands on the last card, not nowhere.
        target = index + perRow <= last || index / perRow == last / perRow ? index + perRow : last;
        break;
    case StudentCard::Move::First:
        target = 0;
        break;
    case StudentCard::Move::Last:
        target = last;
        break;
    }
    if (target < 0 || target > last)
        return;
    m_cards.at(target)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Card_Focus(int index)
{
    if (index >= m_listed)
        return;
    setCurrentCard(index);
    m_cardArea->ensureVisible(m_cards.at(index));
}

void MainWindow::setCurrentCard(int index)
{
    if (m_current != index && m_current < m_cards.size())
        m_cards.at(m_current)->setFocusPolicy(Qt::ClickFocus);
    m_current = index;
    StudentCard* card = m_cards.at(index);
    card->setFocusPolicy(Qt::StrongFocus);
    // Cards made for a listing come last in the focus chain, and only the current card takes
    // Tab: it is moved to where the card area is, between the date and the notes. (Placing
    // every card there as it is made walks the whole chain each time, which a class of
    // thousands cannot afford.)
    if (index > 0)
        QWidget::setTabOrder(m_cards.first(), card);
    // Tab into the card area lands on this card, and Shift+Tab out of it leaves the area at once.
    m_picScrollBox->setFocusProxy(card);
}

void MainWindow::connectCard(StudentCard* card)
{
    connect(card, &StudentCard::clicked, this,
        [this](int clicked, const QString& element) { Card_Click(clicked, element); });
    connect(card, &StudentCard::statusChosen, this, &MainWindow::Card_StatusChosen);
    connect(card, &StudentCard::moveRequested, this, &MainWindow::Card_Move);
    connect(card, &StudentCard::menuRequested, this, &MainWindow::Card_Menu);
    connect(card, &StudentCard::focusEntered, this, &MainWindow::Card_Focus);
}

void MainWindow::Card_Menu(int index, const QPoint& globalPos)
{
    const QPointer<StudentCard> card = m_cards.value(index);
    if (!card || index >= m_listed)
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("cardMenu"));
    // The menu's letters are the keys that set a status on the card itself.
    // Beside each status, the key that sets it on a card with the focus, in every language.
    const QHash<QString, QString> fourTexts = {{QString::fromLatin1(status::kPresent), tr("&Present")},
        {QString::fromLatin1(status::kLate), tr("&Late")}, {QString::fromLatin1(status::kAbsent), tr("&Absent")},
        {QString::fromLatin1(status::kExcused), tr("&Excused")}};
    QActionGroup statuses(&menu);
    statuses.setExclusive(true);
    QHash<QAction*, QString> wordOf;
    const QString shown
        = status::book().find(card->status()) ? status::book().find(card->status())->word : card->status();
    QHash<status::Category, QMenu*> groups;
    for (const status::Code& code : status::book().codes()) {
        const bool four = fourTexts.contains(code.word);
        QMenu* into = &menu;
        if (!four) {
            // The other codes under their category, so that England's thirty codes stay a short menu.
            QMenu*& group = groups[code.category];
            if (!group) {
                if (groups.size() == 1)
                    menu.addSeparator();
                group = menu.addMenu(status::categoryName(code.category));
                group->setObjectName(QStringLiteral("menuCategory") + status::storedCategory(code.category));
            }
            into = group;
        }
        QString text = four ? fourTexts.value(code.word) : QStringLiteral("%1  %2").arg(code.code, code.word);
        // After a tab, the menu shows the key as it shows a shortcut, without taking it as one:
        // the card's own key handling sets the status.
        if (!code.key.isEmpty())
            text += QLatin1Char('\t') + QKeySequence(code.key).toString(QKeySequence::NativeText);
        QAction* action = into->addAction(text);
        action->setObjectName(QStringLiteral("action") + (four ? code.word : QStringLiteral("Code_") + code.code));
        action->setCheckable(true);
        action->setChecked(shown == code.word);
        statuses.addAction(action);
        wordOf.insert(action, code.word);
    }
    menu.addSeparator();
    QAction* minutes = menu.addAction(tr("&Minutes Late…"));
    minutes->setObjectName(QStringLiteral("actionMinutesLate"));
    minutes->setEnabled(status::book().categoryOf(card->status()) == status::Category::Late);
    QAction* remark = menu.addAction(tr("&Remark…"));
    remark->setObjectName(QStringLiteral("actionRemark"));
    QAction* history = menu.addAction(tr("&History…"));
    history->setObjectName(QStringLiteral("actionHistory"));

    QAction* chosen = menu.exec(globalPos);
    // The card may have gone while the menu was open (a rebuild it did not stop).
    if (!chosen || m_cards.value(index) != card || index >= m_listed)
        return;
    reportFailures(location("Card_Menu"), [&] {
        if (wordOf.contains(chosen)) {
            card->setStatus(wordOf.value(chosen));
            setChanged(true);
        } else if (chosen == minutes) {
            editLateMinutes(card);
        } else if (chosen == remark) {
            editRemark(card);
        } else if (chosen == history) {
            showHistory(card);
        }
    });
}

void MainWindow::editLateMinutes(StudentCard* card)
{
    const std::optional<QString> typed = dialogs().inputBox(this,
        tr("How many minutes late did %1 arrive? (0 for not known)").arg(card->studentName()), tr("Minutes Late"),
        card->lateMinutes() > 0 ? QString::number(card->lateMinutes()) : QString());
    if (!typed)
        return;
    bool whole = false;
    const int minutes = typed->trimmed().isEmpty() ? 0 : typed->trimmed().toInt(&whole);
    if ((!typed->trimmed().isEmpty() && !whole) || minutes < 0 || minutes > 600) {
        dialogs().message(this, tr("\"%1\" is not a number of minutes from 0 to 600. Nothing was changed.").arg(*typed),
            tr("Minutes Late"), UserDialogs::Icon::Warning);
        return;
    }
    if (minutes == card->lateMinutes())
        return;
    card->setLateMinutes(minutes);
    setChanged(true);
}

void MainWindow::editRemark(StudentCard* card)
{
    const QString day = QLocale().toString(m_cardsDate, QLocale::LongFormat);
    const std::optional<QString> typed = dialogs().inputBox(this,
        tr("A remark for %1 on %2, such as \"left at 11:00\" or \"doctor's note\":").arg(card->studentName(), day),
        tr("Remark"), card->remark());
    if (!typed)
        return;
    const QString remark = typed->trimmed();
    if (remark == card->remark())
        return;
    card->setRemark(remark);
    setChanged(true);
}

void MainWindow::showHistory(const StudentCard* card)
{
    const QList<db::HistoryRow> rows = db::history(card->studentId(), m_cardsDate, m_cardsSession);
    const QString day = registerText(QLocale().dateFormat(QLocale::LongFormat));
    const QString caption = tr("History of %1 on %2").arg(card->studentName(), day);
    if (rows.isEmpty()) {
        dialogs().message(this, tr("No change of this mark has been saved."), caption, UserDialogs::Icon::Information);
        return;
    }
    const auto quoted = [this](const QString& text) {
        return text.isEmpty() ? tr("(none)") : QStringLiteral("\u201C%1\u201D").arg(text);
    };
    QStringList entries;
    for (const db::HistoryRow& row : rows) {
        const QDateTime at = QDateTime::fromString(row.changedAt, Qt::ISODateWithMs).toLocalTime();
        QString entry = tr("%1, by %2 on %3")
                            .arg(at.isValid() ? shortDateTimeText(at) : tr("an unknown time"),
                                row.changedBy.isEmpty() ? tr("someone") : row.changedBy,
                                row.changedOn.isEmpty() ? tr("an unknown computer") : row.changedOn);
        if (row.oldStatus.isEmpty())
            entry += QStringLiteral("\r\n    ") + tr("Marked %1").arg(status::displayName(row.newStatus));
        else if (row.oldStatus != row.newStatus)
            entry += QStringLiteral("\r\n    ")
                + tr("%1 → %2").arg(status::displayName(row.oldStatus), status::displayName(row.newStatus));
        if (row.oldRemark != row.newRemark) {
            entry
                += QStringLiteral("\r\n    ") + tr("Remark: %1 → %2").arg(quoted(row.oldRemark), quoted(row.newRemark));
        }
        if (row.oldNotes != row.newNotes) {
            entry += QStringLiteral("\r\n    ")
                + tr("Day's notes: %1 → %2").arg(quoted(row.oldNotes), quoted(row.newNotes));
        }
        if (!row.reason.isEmpty())
            entry += QStringLiteral("\r\n    ") + tr("Reason: %1").arg(quoted(row.reason));
        entries << entry;
    }
    dialogs().message(this, entries.join(QStringLiteral("\r\n")), caption, UserDialogs::Icon::None);
}

bool MainWindow::applyStatuses(const QList<QString>& statuses, const QString& question)
{
    const QList<StudentCard*> cards = listedCards();
    int replaced = 0;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const QString now = cards.at(i)->status();
        if (now != statuses.at(i) && now != QLatin1String(status::kPresent))
            ++replaced;
    }
    // Marks someone has made are only thrown away when the user says so; a fresh day asks nothing.
    if (replaced > 0
        && !dialogs().question(this,
            question + QStringLiteral("\r\n")
                + tr("Marks on screen that are not Present and would change: %1.").arg(replaced),
            QString(), UserDialogs::Icon::Question))
        return false;
    for (qsizetype i = 0; i < cards.size(); ++i)
        cards.at(i)->setStatus(statuses.at(i));
    setChanged(true);
    return true;
}

void MainWindow::markAllPresent()
{
    if (m_listed == 0)
        return;
    applyStatuses(QList<QString>(m_listed, QString::fromLatin1(status::kPresent)),
        tr("Mark every student of %1 Present?").arg(m_cardsClassName));
}

void MainWindow::copyMarksFromPreviousDay()
{
    if (m_listed == 0)
        return;
    const QList<StudentCard*> cards = listedCards();
    QList<qint64> ids;
    for (const StudentCard* card : cards)
        ids.append(card->studentId());
    const std::optional<QDate> day = db::previousMarkedDay(ids, m_cardsDate);
    if (!day) {
        dialogs().message(this,
            tr("No day before %1 has saved marks for %2, so there are none to copy.")
                .arg(QLocale().toString(m_cardsDate, QLocale::LongFormat), m_cardsClassName),
            QString(), UserDialogs::Icon::Information);
        return;
    }
    // The statuses only: that day's notes and remarks belong to that day. Of two registers, the
    // afternoon's is the later one, when it was taken.
    db::DayMarks stored;
    if (m_sessions == 2)
        stored = db::marks(ids, *day, db::Session::Afternoon);
    if (stored.isEmpty())
        stored = db::marks(ids, *day);
    QList<QString> statuses;
    for (qint64 id : std::as_const(ids)) {
        const auto found = stored.constFind(id);
        statuses.append(found == stored.constEnd() ? QString::fromLatin1(status::kPresent) : found->status);
    }
    if (applyStatuses(statuses,
            tr("Copy the marks of %1 onto the cards of %2?")
                .arg(QLocale().toString(*day, QLocale::LongFormat), m_cardsClassName))) {
        // Said above the cards: with no marks to replace, nothing else tells which day it was.
        m_copiedFrom = *day;
        m_copiedMorning = false;
        refreshStatusLine();
    }
}

void MainWindow::copyMarksFromThisMorning()
{
    if (m_listed == 0)
        return;
    if (m_cardsSession != db::Session::Afternoon) {
        dialogs().message(this, tr("This is the morning's register. Pick Afternoon beside the date to copy onto it."),
            QString(), UserDialogs::Icon::Information);
        return;
    }
    const QList<StudentCard*> cards = listedCards();
    QList<qint64> ids;
    for (const StudentCard* card : cards)
        ids.append(card->studentId());
    const db::DayMarks stored = db::marks(ids, m_cardsDate, db::Session::Morning);
    if (stored.isEmpty()) {
        dialogs().message(this,
            tr("The morning's register of %1 on %2 has no saved marks, so there are none to copy.")
                .arg(m_cardsClassName, QLocale().toString(m_cardsDate, QLocale::LongFormat)),
            QString(), UserDialogs::Icon::Information);
        return;
    }
    QList<QString> statuses;
    for (qint64 id : std::as_const(ids)) {
        const auto found = stored.constFind(id);
        statuses.append(found == stored.constEnd() ? unsavedStatus(id) : found->status);
    }
    if (applyStatuses(
            statuses, tr("Copy this morning's marks onto the afternoon's cards of %1?").arg(m_cardsClassName))) {
        m_copiedFrom = m_cardsDate;
        m_copiedMorning = true;
        refreshStatusLine();
    }
}

void MainWindow::reload()
{
    if (m_bChanged) {
        m_timer1->stop();
        switch (askSaveChanges()) {
        case UserDialogs::Answer::Cancel:
            return;
        case UserDialogs::Answer::No:
            break;
        case UserDialogs::Answer::Yes:
            if (SaveAttendance() != SaveOutcome::Saved)
                return;
            break;
        }
    }
    const int index = m_combo1->currentIndex();
    const std::optional<qint64> shown
        = index >= 0 && index < m_colClassIDs.size() ? std::optional<qint64>(m_colClassIDs.at(index)) : m_cardsClassId;
    // Reading the class list is what connects again to a server that was away.
    LoadClassList();
    if (shown) {
        const QSignalBlocker quiet(m_combo1);
        m_combo1->setCurrentIndex(int(m_colClassIDs.indexOf(*shown)));
    }
    setChanged(false);
    m_timer1->start();
}

void MainWindow::stepDay(int direction)
{
    if (!m_calendarRead.isValid() || m_calendarRead.hasExpired(kCalendarFreshMs))
        loadCalendar();
    m_dateTimePicker1->setDate(m_calendar.nextSchoolDay(m_dateTimePicker1->date(), direction));
}

void MainWindow::setChanged(bool changed)
{
    m_bChanged = changed;
    refreshStatusLine();
}

QString MainWindow::totalsText() const
{
    if (m_listed == 0)
        return QString();
    int present = 0, late = 0, absent = 0, excused = 0, other = 0;
    QStringList words;
    words.reserve(m_listed + m_pending.size());
    for (const StudentCard* card : m_cards.mid(0, m_listed))
        words << card->status();
    for (const db::StudentRow& student : m_pending) {
        const auto found = m_loaded.constFind(student.id);
        words << (found == m_loaded.constEnd() ? unsavedStatus(student.id) : found->status);
    }
    const qsizetype students = words.size();
    int approved = 0, notCounted = 0;
    for (const QString& word : std::as_const(words)) {
        switch (status::book().categoryOf(word)) {
        case status::Category::Present:
            ++present;
            break;
        case status::Category::Late:
            ++late;
            break;
        case status::Category::Unauthorised:
            ++absent;
            break;
        case status::Category::Authorised:
            ++excused;
            break;
        case status::Category::Approved:
            ++approved;
            break;
        case status::Category::NotCounted:
            ++notCounted;
            break;
        case status::Category::Unknown:
            ++other;
            break;
        }
    }
    // Spelt out rather than "%n student(s)": the line is read at a glance, in English too.
    QStringList parts;
    parts << (students == 1 ? tr("1 student") : tr("%1 students").arg(students));
    parts << tr("%1 present").arg(present) << tr("%1 late").arg(late) << tr("%1 absent").arg(absent)
          << tr("%1 excused").arg(excused);
    if (approved > 0)
        parts << tr("%1 on an approved activity").arg(approved);
    if (notCounted > 0)
        parts << tr("%1 not counted").arg(notCounted);
    // Words of other tools are neither present nor away as far as this program can tell.
    if (other > 0)
        parts << tr("%1 other").arg(other);
    return parts.join(QStringLiteral(" \u00B7 "));
}

void MainWindow::registerReplaced()
{
    m_timer1->stop();
    ClearCards();
    {
        const QSignalBlocker quiet(m_text1);
        m_text1->clear();
    }
    m_loaded.clear();
    m_cardsClassId.reset();
    m_cardsDate = QDate();
    setListingFailed(false);
    setChanged(false);
    fitCardArea();
    LoadClassList();
    loadCalendar();
    loadSessions();
    reopenLastSelection();
}

void MainWindow::loadCalendar()
{
    m_calendar = db::schoolCalendar();
    m_calendarRead.start();
    QCalendarWidget* month = m_dateTimePicker1->calendarWidget();
    month->setDateTextFormat(QDate(), QTextCharFormat());
    const QList<calendar::Entry>& entries = m_calendar.entries();
    if (!entries.isEmpty()) {
        QDate first = entries.constFirst().from;
        QDate last = first;
        for (const calendar::Entry& entry : entries)
            last = std::max(last, entry.to);
        // A calendar of many years is marked around today; the rest is marked when it is read
        // again.
        first = std::max(first, QDate::currentDate().addYears(-2));
        last = std::min(last, QDate::currentDate().addYears(2));
        const QPalette palette = month->palette();
        for (QDate day = first; day.isValid() && day <= last; day = day.addDays(1)) {
            const calendar::DayInfo info = m_calendar.day(day);
            if (!info.isSchoolDay() && (info.kind != calendar::DayKind::Weekend))
                month->setDateTextFormat(day, freeDayFormat(info, palette));
        }
    }
    showDayName();
}

void MainWindow::loadSessions()
{
    const int sessions = db::sessionsPerDay();
    const QTime afternoon = db::afternoonFrom();
    m_afternoonFrom = afternoon;
    m_closing = db::registerClosing();
    if (m_cardsDate.isValid())
        m_cardsClosed = db::closedToUser(m_cardsDate, db::Author::current().user, m_closing);
    const bool was = m_sessions == 2;
    m_sessions = sessions;
    m_cboSession->setVisible(sessions == 2);
    action(Command::CopyThisMorning)->setVisible(sessions == 2);
    placeArea();
    // Picked by the clock when the school starts keeping two and at start; a change of the time
    // alone leaves the register being taken where it is.
    if (sessions == 2 && !was && !m_bChanged) {
        const QSignalBlocker quiet(m_cboSession);
        m_cboSession->setCurrentIndex(QTime::currentTime() >= afternoon ? 1 : 0);
    }
    // The register on screen is another one now: read it again unless marks are being taken.
    if (m_listed > 0 && !m_bChanged && pickedSession() != m_cardsSession) {
        LoadAttendance();
        // Filling the notes box counts as a change; reading the register again is none.
        setChanged(false);
    }
    markTakenClasses();
}

db::Session MainWindow::pickedSession() const
{
    return m_sessions == 2 && m_cboSession->currentIndex() == 1 ? db::Session::Afternoon : db::Session::Morning;
}

QString MainWindow::registerText(const QString& dateFormat) const
{
    const QString day = QLocale().toString(m_cardsDate.isValid() ? m_cardsDate : m_dateTimePicker1->date(), dateFormat);
    if (m_sessions != 2 && m_cardsSession == db::Session::Morning)
        return day;
    return m_cardsSession == db::Session::Afternoon ? tr("%1, afternoon").arg(day) : tr("%1, morning").arg(day);
}

void MainWindow::placeSessionPicker()
{
    if (!m_cboSession || m_cboSession->isHidden())
        return;
    // The picker keeps its place and gives its right part to the session, as wide as its
    // longest name needs.
    QRect picker = m_dateTimePicker1->geometry();
    const int width = std::min(picker.width() / 2, m_cboSession->sizeHint().width() + px(120));
    const QRect session(picker.right() - width + 1, picker.top(), width, picker.height());
    picker.setRight(session.left() - px(120));
    m_dateTimePicker1->setGeometry(picker);
    m_cboSession->setGeometry(session);
    m_lblDayName->setGeometry(picker.adjusted(px(1800), 2, -px(420), -2));
}

void MainWindow::showDayName()
{
    const calendar::DayInfo day = m_calendar.day(m_dateTimePicker1->date());
    m_lblDayName->setText(day.isSchoolDay() ? QString() : day.name);
    m_lblDayName->setVisible(!day.isSchoolDay());
    m_dateTimePicker1->setToolTip(day.name);
    m_dateTimePicker1->setAccessibleDescription(day.name);
}

void MainWindow::rememberSelection()
{
    const int selected = m_combo1->currentIndex();
    if (selected < 0 || selected >= m_colClassIDs.size())
        return;
    const std::unique_ptr<QSettings> settings = userSettings();
    settings->beginGroup(QStringLiteral("register"));
    settings->setValue(QStringLiteral("classId"), m_colClassIDs.at(selected));
    settings->setValue(QStringLiteral("className"), m_combo1->itemText(selected));
    settings->setValue(QStringLiteral("date"), m_dateTimePicker1->date().toString(Qt::ISODate));
    settings->setValue(QStringLiteral("pickedOn"), QDate::currentDate().toString(Qt::ISODate));
}

void MainWindow::reopenLastSelection()
{
    if (m_combo1->currentIndex() >= 0 || m_bChanged)
        return;
    const std::unique_ptr<QSettings> settings = userSettings();
    settings->beginGroup(QStringLiteral("register"));
    const qint64 classId = settings->value(QStringLiteral("classId")).toLongLong();
    const QString className = settings->value(QStringLiteral("className")).toString();
    const int index = int(m_colClassIDs.indexOf(classId));
    // The id alone could be another register's class: the name must agree as well.
    if (classId <= 0 || index < 0 || m_combo1->itemText(index) != className)
        return;
    const QDate date = QDate::fromString(settings->value(QStringLiteral("date")).toString(), Qt::ISODate);
    const QDate pickedOn = QDate::fromString(settings->value(QStringLiteral("pickedOn")).toString(), Qt::ISODate);
    if (date.isValid() && pickedOn == QDate::currentDate())
        m_dateTimePicker1->setDate(date);
    m_combo1->setCurrentIndex(index);
}

QString MainWindow::takenText() const
{
    if (m_listed <= 0)
        return QString();
    if (m_copiedFrom.isValid() && m_bChanged && m_copiedMorning)
        return tr("This morning's marks copied, not saved yet");
    if (m_copiedFrom.isValid() && m_bChanged)
        return tr("Marks of %1 copied, not saved yet").arg(QLocale().toString(m_copiedFrom, tr("dddd d MMMM")));
    // A day without a saved mark would show every card Present, as a register taken with
    // everybody there does: say which it is.
    if (m_loaded.isEmpty())
        return tr("Not taken yet");
    const db::Mark* latest = nullptr;
    for (const db::Mark& mark : m_loaded) {
        if (!latest || mark.changedAt > latest->changedAt)
            latest = &mark;
    }
    const QDateTime at = QDateTime::fromString(latest->changedAt, Qt::ISODateWithMs).toLocalTime();
    if (!at.isValid())
        return tr("Taken");
    // Minutes are enough to tell one save from another; a save on another day names the day.
    const QString time = at.time().toString(QStringLiteral("HH:mm"));
    const QString when = at.date() == QDate::currentDate() ? time : shortDateText(at.date()) + QLatin1Char(' ') + time;
    if (!latest->changedBy.isEmpty())
        return tr("Saved %1 by %2").arg(when, latest->changedBy);
    if (!latest->changedOn.isEmpty())
        return tr("Saved %1 on %2").arg(when, latest->changedOn);
    return tr("Saved %1").arg(when);
}

void MainWindow::markTakenClasses()
{
    if (!db::isOpen() || m_combo1->count() == 0)
        return;
    reportFailures(location("Combo1_Marks"), [this] {
        const QSet<qint64> taken = db::classesTakenOn(m_dateTimePicker1->date(), pickedSession());
        static const QIcon tick = [] {
            QPixmap picture(32, 32);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            // A mid green reads on the white class box and on a dark list alike.
            painter.setPen(QPen(QColor(0x2e, 0x9d, 0x4a), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(QPolygonF({{5, 17}, {13, 25}, {27, 8}}));
            return QIcon(picture);
        }();
        for (int i = 0; i < m_combo1->count() && i < m_colClassIDs.size(); ++i) {
            const bool done = taken.contains(m_colClassIDs.at(i));
            m_combo1->setItemData(i, done ? QVariant(tick) : QVariant(), Qt::DecorationRole);
            m_combo1->setItemData(i, done ? tr("Register taken on this day") : QVariant(), Qt::ToolTipRole);
            m_combo1->setItemData(i, done ? tr("register taken") : QVariant(), Qt::AccessibleDescriptionRole);
        }
    });
}

void MainWindow::refreshStatusLine()
{
    if (!m_lblTotals)
        return;
    m_lblTotals->setText(totalsText());
    // A closed register says so before anyone marks it, and why when asked.
    m_lblTaken->setText(m_cardsClosed.isEmpty() || m_listed <= 0 ? takenText() : tr("Closed · %1").arg(takenText()));
    m_lblTaken->setToolTip(m_cardsClosed.isEmpty() ? m_lblTaken->text() : m_cardsClosed);
    m_lblUnsaved->setText(m_bChanged ? tr("Unsaved changes") : QString());
    const bool listed = m_listed > 0;
    m_menuBar->action(Command::MarkAllPresent)->setEnabled(listed);
    m_menuBar->action(Command::CopyPreviousDay)->setEnabled(listed);
}

void MainWindow::Text1_Change()
{
    setChanged(true);
}

void MainWindow::PushButton1_Click()
{
    StepRunner steps(location("PushButton1_Click"));
    steps.step(100, [] { ManageClassesWindow::showShared(); });
    steps.step(102, [this] { LoadClassList(); });
}

void MainWindow::PushButton2_Click()
{
    StepRunner steps(location("PushButton2_Click"));
    // A failed save has been reported; the marks stay on screen, unsaved, for another try.
    SaveOutcome outcome = SaveOutcome::Saved;
    if (!steps.step(100, [this, &outcome] { outcome = SaveAttendance(); }))
        return;
    if (outcome == SaveOutcome::Declined)
        return;
    steps.step(102, [this, outcome] {
        if (outcome == SaveOutcome::NothingListed)
            dialogs().message(this, tr("Nothing was saved: this class could not be listed."), QString(),
                UserDialogs::Icon::Information);
        else if (outcome == SaveOutcome::RegisterNotOpen)
            dialogs().message(this,
                tr("Nothing was saved: the register could not be opened when Rollvane started.\r\n%1")
                    .arg(m_openFailure),
                QString(), UserDialogs::Icon::Warning);
        else
            dialogs().message(this, tr("Done Saved"), QString(), UserDialogs::Icon::None);
    });
    steps.step(104, [this] { setChanged(false); });
}
