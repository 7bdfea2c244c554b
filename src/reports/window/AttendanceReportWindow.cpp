#include "reports/window/AttendanceReportWindow.h"
#include "core/DateText.h"

#include "reports/window/FrozenColumn.h"

#include "core/Csv.h"
#include "core/Failure.h"
#include "register/Database.h"
#include "reports/window/AttendanceChart.h"
#include "reports/window/Printing.h"
#include "reports/window/ReportTableModel.h"
#include "reports/window/SheetModel.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/LookAndFeel.h"
#include "ui/SharedWindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr auto kSchoolNameSetting = "SchoolName";
// Printing and saving show their progress only when it takes more than a moment.
constexpr int kProgressAfterPages = 8;

QString location(const char* handler)
{
    return handlerLocation(QStringLiteral("frmReport"), QString::fromLatin1(handler));
}

// The widest a table's name column is made by its content.
constexpr int kNameColumnWidth = 240;

QTableView* newTable(QWidget* parent, const char* name, QAbstractItemModel* model, bool sortable)
{
    auto* table = new QTableView(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (sortable) {
        // No sort until the user asks for one: the rows come in listing order.
        table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        table->setSortingEnabled(true);
    }
    return table;
}

// Writes a file whole or not at all; a failure names the file and the reason.
void writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw Failure(QCoreApplication::translate("Reports", "The file %1 could not be written: %2. Nothing was saved.")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

QString withSuffix(QString path, const QString& suffix)
{
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + suffix;
    return path;
}

} // namespace

AttendanceReportWindow* AttendanceReportWindow::showShared(QWidget* parent)
{
    return SharedWindow<AttendanceReportWindow>::show([parent] { return new AttendanceReportWindow(parent); }, {},
        [](AttendanceReportWindow* window) {
            // Marks may have been saved since: nothing read before is used again.
            window->m_summaryScope.reset();
            window->reloadClasses();
            window->scheduleRefresh();
        });
}

AttendanceReportWindow* AttendanceReportWindow::instance()
{
    return SharedWindow<AttendanceReportWindow>::instance();
}

AttendanceReportWindow::AttendanceReportWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(tr("Attendance Report"));
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(
        m_refreshTimer, &QTimer::timeout, this, [this] { reportFailures(location("Refresh"), [this] { refresh(); }); });
    buildLayout();
    resize(1040, 680);
    // A report is looked at and put away: Escape closes it, as it closes a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    reportFailures(location("Form_Load"), [this] {
        reloadClasses();
        m_storedSchoolName = db::setting(QString::fromLatin1(kSchoolNameSetting));
        m_schoolName->setText(m_storedSchoolName);
    });
    setPeriod(Period::SchoolYear);
    scheduleRefresh();
}

void AttendanceReportWindow::buildLayout()
{
    auto* choices = new QHBoxLayout;
    m_class = new QComboBox(this);
    m_class->setObjectName(QStringLiteral("cboClass"));
    m_class->setMinimumContentsLength(16);
    m_period = new QComboBox(this);
    m_period->setObjectName(QStringLiteral("cboPeriod"));
    // The terms are offered when the school calendar has them.
    calendar::SchoolCalendar terms;
    reportFailures(location("Form_Load"), [&terms] { terms = db::schoolCalendar(); });
    for (Period period : {Period::Custom, Period::ThisWeek, Period::LastWeek, Period::ThisMonth, Period::LastMonth,
             Period::Last30Days, Period::ThisTerm, Period::LastTerm, Period::SchoolYear}) {
        if (reports::periodKnown(period, terms))
            m_period->addItem(reports::periodName(period), int(period));
    }
    m_from = new QDateEdit(this);
    m_from->setObjectName(QStringLiteral("dtpFrom"));
    m_to = new QDateEdit(this);
    m_to->setObjectName(QStringLiteral("dtpTo"));
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(shortDateFormat());
    }
    const auto labelled = [this, choices](const QString& text, QWidget* control) {
        auto* label = new QLabel(text, this);
        label->setBuddy(control);
        choices->addWidget(label);
        choices->addWidget(control);
    };
    labelled(tr("&Class:"), m_class);
    labelled(tr("&Period:"), m_period);
    labelled(tr("&From:"), m_from);
    labelled(tr("&To:"), m_to);
    choices->addStretch();

    auto* school = new QHBoxLayout;
    m_schoolName = new QLineEdit(this);
    m_schoolName->setObjectName(QStringLiteral("txtSchoolName"));
    m_schoolName->setPlaceholderText(tr("Printed at the top of every page, the same for every user"));
    auto* schoolLabel = new QLabel(tr("&School name:"), this);
    schoolLabel->setBuddy(m_schoolName);
    school->addWidget(schoolLabel);
    school->addWidget(m_schoolName, 1);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabViews"));

    m_summaryModel = new reports::ReportTableModel(this);
    m_summaryTable = newTable(this, "tblSummary", m_summaryModel, true);
    new FrozenColumn(m_summaryTable);
    m_tabs->addTab(m_summaryTable, reports::viewName(View::Summary));

    m_sheetModel = new reports::SheetModel(this);
    m_sheetTable = newTable(this, "tblSheet", m_sheetModel, false);
    new FrozenColumn(m_sheetTable);
    m_sheetTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_sheetTable->horizontalHeader()->setDefaultSectionSize(
        m_sheetTable->fontMetrics().horizontalAdvance(QStringLiteral("00 Mmm")) + 10);
    m_sheetTable->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_tabs->addTab(m_sheetTable, reports::viewName(View::Sheet));

    auto* missingPage = new QWidget(this);
    auto* missingChoice = new QHBoxLayout;
    m_missingOnDay = new QRadioButton(tr("On da&y:"), missingPage);
    m_missingOnDay->setObjectName(QStringLiteral("optMissingDay"));
    m_missingOnDay->setChecked(true);
    m_missingDay = new QDateEdit(QDate::currentDate(), missingPage);
    m_missingDay->setObjectName(QStringLiteral("dtpMissingDate"));
    m_missingDay->setCalendarPopup(true);
    m_missingDay->setDisplayFormat(shortDateFormat());
    m_missingOverRange = new QRadioButton(
        tr("Every &school day from From to To (by the school calendar; without one, days on which no class "
           "took a register count as no school)"),
        missingPage);
    m_missingOverRange->setObjectName(QStringLiteral("optMissingRange"));
    missingChoice->addWidget(m_missingOnDay);
    missingChoice->addWidget(m_missingDay);
    missingChoice->addSpacing(16);
    missingChoice->addWidget(m_missingOverRange);
    missingChoice->addStretch();
    m_missingModel = new reports::ReportTableModel(this);
    m_missingTable = newTable(missingPage, "tblMissing", m_missingModel, true);
    auto* missingLayout = new QVBoxLayout(missingPage);
    missingLayout->addLayout(missingChoice);
    missingLayout->addWidget(m_missingTable);
    m_tabs->addTab(missingPage, reports::viewName(View::Missing));

    auto* alertsPage = new QWidget(this);
    auto* thresholds = new QHBoxLayout;
    m_threshold = new QDoubleSpinBox(alertsPage);
    m_threshold->setObjectName(QStringLiteral("spnThreshold"));
    m_threshold->setRange(0, 100);
    m_threshold->setDecimals(1);
    m_threshold->setSuffix(QStringLiteral(" %"));
    m_threshold->setValue(reports::AlertThresholds().belowPercent);
    m_runDays = new QSpinBox(alertsPage);
    m_runDays->setObjectName(QStringLiteral("spnRun"));
    m_runDays->setRange(0, 366);
    m_runDays->setSpecialValueText(tr("no"));
    m_runDays->setValue(reports::AlertThresholds().runDays);
    // The rules a school reports on, ready to pick; "Own Rule" leaves both boxes to the user.
    m_alertRule = new QComboBox(alertsPage);
    m_alertRule->setObjectName(QStringLiteral("cboAlertRule"));
    m_alertRule->addItem(tr("Own Rule"));
    m_alertRule->addItem(tr("Persistent Absence (10 % or more missed)"));
    m_alertRule->addItem(tr("Severe Absence (half or more missed)"));
    connect(m_alertRule, &QComboBox::currentIndexChanged, this, [this](int rule) {
        const bool own = rule == 0;
        if (!own) {
            const QSignalBlocker quiet(m_runDays);
            m_runDays->setValue(0);
            m_threshold->setValue(rule == 1 ? 90.0 : 50.0);
        }
        m_threshold->setEnabled(own);
        m_runDays->setEnabled(own);
    });
    auto* thresholdLabel = new QLabel(tr("Attendance at or &below:"), alertsPage);
    thresholdLabel->setBuddy(m_threshold);
    auto* runLabel = new QLabel(tr("or absent for at &least"), alertsPage);
    runLabel->setBuddy(m_runDays);
    thresholds->addWidget(m_alertRule);
    thresholds->addWidget(thresholdLabel);
    thresholds->addWidget(m_threshold);
    thresholds->addWidget(runLabel);
    thresholds->addWidget(m_runDays);
    thresholds->addWidget(new QLabel(tr("marked days running, up to the last one"), alertsPage));
    thresholds->addStretch();
    m_alertsModel = new reports::ReportTableModel(this);
    m_alertsTable = newTable(alertsPage, "tblAlerts", m_alertsModel, true);
    new FrozenColumn(m_alertsTable);
    auto* alertsLayout = new QVBoxLayout(alertsPage);
    alertsLayout->addLayout(thresholds);
    alertsLayout->addWidget(m_alertsTable);
    m_tabs->addTab(alertsPage, reports::viewName(View::Alerts));

    auto* charts = new QSplitter(Qt::Vertical, this);
    charts->setObjectName(QStringLiteral("splCharts"));
    m_dailyChart = new QChartView(charts);
    m_dailyChart->setObjectName(QStringLiteral("chartDaily"));
    m_weeklyChart = new QChartView(charts);
    m_weeklyChart->setObjectName(QStringLiteral("chartWeekly"));
    for (QChartView* view : {m_dailyChart, m_weeklyChart})
        view->setRenderHint(QPainter::Antialiasing);
    m_tabs->addTab(charts, reports::viewName(View::Chart));

    m_historyModel = new reports::ReportTableModel(this);
    m_historyTable = newTable(this, "tblHistory", m_historyModel, true);
    m_tabs->addTab(m_historyTable, reports::viewName(View::History));

    m_censusModel = new reports::ReportTableModel(this);
    m_censusTable = newTable(this, "tblCensus", m_censusModel, true);
    m_tabs->addTab(m_censusTable, reports::viewName(View::Census));

    auto* buttons = new QHBoxLayout;
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_print = new QPushButton(tr("P&rint\u2026"), this);
    m_print->setObjectName(QStringLiteral("cmdPrint"));
    m_preview = new QPushButton(tr("Previe&w\u2026"), this);
    m_preview->setObjectName(QStringLiteral("cmdPreview"));
    m_exportPdf = new QPushButton(tr("Export P&DF\u2026"), this);
    m_exportPdf->setObjectName(QStringLiteral("cmdExportPdf"));
    m_exportCsv = new QPushButton(tr("E&xport CSV\u2026"), this);
    m_exportCsv->setObjectName(QStringLiteral("cmdExportCsv"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(m_status, 1);
    for (QPushButton* button : {m_preview, m_print, m_exportPdf, m_exportCsv, close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(school);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    connect(m_preview, &QPushButton::clicked, this, &AttendanceReportWindow::previewReport);
    connect(m_class, &QComboBox::currentIndexChanged, this, &AttendanceReportWindow::scheduleRefresh);
    connect(m_period, &QComboBox::currentIndexChanged, this, [this] {
        const auto period = Period(m_period->currentData().toInt());
        if (period != Period::Custom)
            setPeriod(period);
    });
    for (QDateEdit* edit : {m_from, m_to}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (!m_settingPeriod) {
                const QSignalBlocker quiet(m_period);
                m_period->setCurrentIndex(m_period->findData(int(Period::Custom)));
            }
            scheduleRefresh();
        });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        // A view picked again reads the register again; only new thresholds reuse what the
        // Alerts view has just read.
        m_summaryScope.reset();
        scheduleRefresh();
    });
    connect(m_missingOnDay, &QRadioButton::toggled, this, &AttendanceReportWindow::scheduleRefresh);
    connect(m_missingDay, &QDateEdit::dateChanged, this, &AttendanceReportWindow::scheduleRefresh);
    connect(m_threshold, &QDoubleSpinBox::valueChanged, this, &AttendanceReportWindow::scheduleRefresh);
    connect(m_runDays, &QSpinBox::valueChanged, this, &AttendanceReportWindow::scheduleRefresh);
    connect(m_schoolName, &QLineEdit::editingFinished, this,
        [this] { reportFailures(location("txtSchoolName_LostFocus"), [this] { saveSchoolName(); }); });
    connect(m_print, &QPushButton::clicked, this, &AttendanceReportWindow::printReport);
    connect(m_exportPdf, &QPushButton::clicked, this, &AttendanceReportWindow::exportPdf);
    connect(m_exportCsv, &QPushButton::clicked, this, &AttendanceReportWindow::exportCsv);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void AttendanceReportWindow::setClassId(std::optional<qint64> classId)
{
    const int index = classId ? m_class->findData(*classId) : 0;
    if (index >= 0)
        m_class->setCurrentIndex(index);
}

std::optional<qint64> AttendanceReportWindow::classId() const
{
    const QVariant id = m_class->currentData();
    if (!id.isValid() || id.isNull())
        return std::nullopt;
    return id.toLongLong();
}

void AttendanceReportWindow::setPeriod(Period period, const QDate& today)
{
    m_settingPeriod = true;
    {
        const QSignalBlocker quiet(m_period);
        m_period->setCurrentIndex(m_period->findData(int(period)));
    }
    if (period != Period::Custom) {
        calendar::SchoolCalendar school;
        if (period == Period::ThisTerm || period == Period::LastTerm || period == Period::SchoolYear)
            reportFailures(location("cboPeriod_Click"), [&school] { school = db::schoolCalendar(); });
        const auto [from, to] = reports::periodRange(period, today, school);
        m_from->setDate(from);
        m_to->setDate(to);
    }
    m_settingPeriod = false;
    scheduleRefresh();
}

void AttendanceReportWindow::setRange(const QDate& from, const QDate& to)
{
    m_from->setDate(from);
    m_to->setDate(to);
}

void AttendanceReportWindow::setView(View view)
{
    m_tabs->setCurrentIndex(int(view));
}

AttendanceReportWindow::View AttendanceReportWindow::view() const
{
    return View(m_tabs->currentIndex());
}

void AttendanceReportWindow::reloadClasses()
{
    const std::optional<qint64> chosen = classId();
    const QSignalBlocker quiet(m_class);
    m_class->clear();
    m_class->addItem(tr("All Classes"));
    for (const db::ClassRow& row : db::classes())
        m_class->addItem(row.name, row.id);
    const int index = chosen ? m_class->findData(*chosen) : 0;
    m_class->setCurrentIndex(std::max(0, index));
    if (index < 0)
        scheduleRefresh();
}

void AttendanceReportWindow::scheduleRefresh()
{
    m_refreshTimer->start();
}

bool AttendanceReportWindow::rangeIsValid() const
{
    return m_from->date() <= m_to->date();
}

reports::ReportRequest AttendanceReportWindow::request() const
{
    reports::ReportRequest request;
    request.view = view();
    request.scope = {classId(), m_from->date(), m_to->date()};
    request.scopeName = m_class->currentText();
    if (m_missingOnDay->isChecked())
        request.missingDay = m_missingDay->date();
    request.thresholds.belowPercent = m_threshold->value();
    request.thresholds.runDays = m_runDays->value();
    return request;
}

void AttendanceReportWindow::refresh()
{
    m_refreshTimer->stop();
    const reports::ReportRequest asked = request();
    const bool needsRange = !(asked.view == View::Missing && asked.missingDay);
    if (needsRange && !rangeIsValid()) {
        // Figures of the earlier choices must not look like the answer to these.
        m_report = reports::Report();
        m_report.request = asked;
        showReport();
        m_status->setText(tr("From is after To: choose a first day on or before the last day."));
        return;
    }
    look::BusyPointer busy(this);
    const bool fromSummary = asked.view == View::Alerts || asked.view == View::Census;
    const bool reuse = fromSummary && m_summaryScope && *m_summaryScope == asked.scope;
    m_report = reports::buildReport(asked, reuse ? &m_summaryRows : nullptr);
    if (asked.view == View::Summary || fromSummary) {
        m_summaryScope = asked.scope;
        m_summaryRows = m_report.summary;
    }
    showReport();
}

void AttendanceReportWindow::showReport()
{
    const View shown = m_report.request.view;
    const reports::ReportTable& table = m_report.table;
    const QColor background = tableBackground();
    const auto place = [&](reports::ReportTableModel* model, QTableView* view) {
        model->setBackground(background);
        model->setTable(table);
        const QHeaderView* header = view->horizontalHeader();
        if (header->sortIndicatorSection() >= 0 && header->sortIndicatorSection() < model->columnCount())
            model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
        view->resizeColumnsToContents();
        // A long name (or the totals' line) must not push the figures off the window; the whole
        // name is in the cell's tooltip.
        view->setColumnWidth(0, std::min(view->columnWidth(0), kNameColumnWidth));
    };
    const qsizetype rows = table.rows.size() - (table.lastRowIsTotal ? 1 : 0);
    switch (shown) {
    case View::Summary:
        place(m_summaryModel, m_summaryTable);
        // The calendar's footnote says what the school days were counted by.
        m_status->setText(
            (QStringList(tr("%n student(s)", nullptr, int(rows))) + table.footnotes).join(QStringLiteral(" · ")));
        break;
    case View::Sheet:
        m_sheetModel->setBackground(background);
        m_sheetModel->setSheet(m_report.sheet, !m_report.request.scope.classId);
        for (int column = 0; column < m_sheetModel->firstDayColumn(); ++column)
            m_sheetTable->resizeColumnToContents(column);
        m_sheetTable->setColumnWidth(0, std::min(m_sheetTable->columnWidth(0), kNameColumnWidth));
        m_status->setText(tr("%n student(s)", nullptr, int(m_report.sheet.students.size())) + QStringLiteral(", ")
            + (m_report.sheet.twoSessions ? tr("%n marked session(s)", nullptr, int(m_report.sheet.days.size()))
                                          : tr("%n marked day(s)", nullptr, int(m_report.sheet.days.size()))));
        break;
    case View::Missing:
        place(m_missingModel, m_missingTable);
        m_status->setText((QStringList(rows == 0 ? tr("Every class with students has taken its register.")
                                                 : tr("%n register(s) not taken", nullptr, int(rows)))
            + table.footnotes)
                              .join(QStringLiteral(" · ")));
        break;
    case View::Alerts:
        place(m_alertsModel, m_alertsTable);
        m_status->setText(tr("%n student(s) to look at", nullptr, int(rows)));
        break;
    case View::Chart:
        showCharts();
        m_status->setText(tr("%n marked day(s)", nullptr, int(m_report.days.size())));
        break;
    case View::History:
        place(m_historyModel, m_historyTable);
        m_status->setText(db::openedSchemaVersion() < 5 ? tr("This register keeps no history of changes.")
                                                        : tr("%n change(s)", nullptr, int(rows)));
        break;
    case View::Census:
        place(m_censusModel, m_censusTable);
        m_status->setText(tr("%n student(s)", nullptr, int(rows)));
        break;
    }
}

void AttendanceReportWindow::showCharts()
{
    const QColor background = palette().color(QPalette::Base);
    // The views own the charts they are given and delete the ones they held.
    m_dailyChart->setChart(reports::dailyAttendanceChart(m_report.days, background));
    m_weeklyChart->setChart(reports::weeklyMixChart(m_report.days, background));
}

QColor AttendanceReportWindow::tableBackground() const
{
    return m_summaryTable->palette().color(QPalette::Base);
}

void AttendanceReportWindow::saveSchoolName()
{
    const QString name = m_schoolName->text().trimmed();
    if (name == m_storedSchoolName)
        return;
    try {
        db::setSetting(QString::fromLatin1(kSchoolNameSetting), name);
        m_storedSchoolName = name;
    } catch (const Failure& failure) {
        // The name typed stays in the box, so that nothing typed is lost; the pages print it.
        dialogs().message(this,
            tr("The school's name could not be kept in the register: %1").arg(failure.description()), QString(),
            UserDialogs::Icon::Warning);
    }
}

void AttendanceReportWindow::exportCsv()
{
    reportFailures(location("cmdExportCsv_Click"), [this] {
        if (m_refreshTimer->isActive())
            refresh();
        const QString chosen = dialogs().saveFileName(this, tr("Export CSV"), tr("CSV Files (*.csv)|*.csv|"),
            reports::suggestedFileName(m_report.request, QStringLiteral("csv")));
        if (chosen.isEmpty())
            return;
        const QString path = withSuffix(chosen, QStringLiteral("csv"));
        look::BusyPointer busy(this);
        writeWhole(path, csv::encode(shownReport().csvRecords()));
        m_status->setText(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
    });
}

void AttendanceReportWindow::exportPdf()
{
    reportFailures(location("cmdExportPdf_Click"), [this] {
        if (m_refreshTimer->isActive())
            refresh();
        const QString chosen = dialogs().saveFileName(this, tr("Export PDF"), tr("PDF Files (*.pdf)|*.pdf|"),
            reports::suggestedFileName(m_report.request, QStringLiteral("pdf")));
        if (chosen.isEmpty())
            return;
        const QString path = withSuffix(chosen, QStringLiteral("pdf"));
        const reports::PrintedReport printed = printedReport();
        look::BusyPointer busy(this);
        std::unique_ptr<QProgressDialog> progress;
        const QByteArray bytes = printed.pdf([&](int page, int pages) {
            if (pages <= kProgressAfterPages)
                return true;
            if (!progress) {
                progress
                    = std::make_unique<QProgressDialog>(tr("Writing the pages\u2026"), tr("Cancel"), 0, pages, this);
                progress->setWindowModality(Qt::WindowModal);
            }
            progress->setValue(page);
            return !progress->wasCanceled();
        });
        if (bytes.isEmpty()) {
            m_status->setText(tr("Nothing was saved."));
            return;
        }
        writeWhole(path, bytes);
        m_status->setText(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
    });
}

void AttendanceReportWindow::printReport()
{
    reportFailures(location("cmdPrint_Click"), [this] {
        if (m_refreshTimer->isActive())
            refresh();
        const reports::PrintedReport printed = printedReport();
        QPrinter printer(QPrinter::HighResolution);
        reports::preparePrinter(printer, printed, printName());
        if (!dialogs().printSetup(this, &printer))
            return;
        look::BusyPointer busy(this);
        std::unique_ptr<QProgressDialog> progress;
        bool cancelled = false;
        const bool done = printed.paint(printer, [&](int page, int pages) {
            if (pages <= kProgressAfterPages)
                return true;
            if (!progress) {
                progress = std::make_unique<QProgressDialog>(tr("Printing\u2026"), tr("Cancel"), 0, pages, this);
                progress->setWindowModality(Qt::WindowModal);
            }
            progress->setValue(page);
            cancelled = progress->wasCanceled();
            return !cancelled;
        });
        if (!done) {
            printer.abort();
            if (!cancelled)
                throw Failure(tr("The printer did not take the pages. Nothing was printed."));
            m_status->setText(tr("Nothing was printed."));
            return;
        }
        m_status->setText(tr("Sent to the printer."));
    });
}

void AttendanceReportWindow::previewReport()
{
    reportFailures(location("cmdPreview_Click"), [this] {
        if (m_refreshTimer->isActive())
            refresh();
        const reports::PrintedReport printed = printedReport();
        QPrinter printer(QPrinter::HighResolution);
        reports::preparePrinter(printer, printed, printName());
        // The preview may be printed from, on whichever printer and page it was set to.
        dialogs().printPreview(this, &printer, [&printed](QPrinter* target) { printed.paint(*target); });
    });
}

reports::Report AttendanceReportWindow::shownReport() const
{
    reports::Report shown = m_report;
    const reports::ReportTableModel* model = nullptr;
    switch (m_report.request.view) {
    case View::Summary:
        model = m_summaryModel;
        break;
    case View::Missing:
        model = m_missingModel;
        break;
    case View::Alerts:
        model = m_alertsModel;
        break;
    case View::History:
        model = m_historyModel;
        break;
    case View::Census:
        model = m_censusModel;
        break;
    case View::Sheet:
    case View::Chart:
        break;
    }
    if (model && model->table().rows.size() == shown.table.rows.size()
        && model->table().columns.size() == shown.table.columns.size())
        shown.table = model->table();
    return shown;
}

reports::PrintedReport AttendanceReportWindow::printedReport() const
{
    return shownReport().printed(m_schoolName->text().trimmed(), QDateTime::currentDateTime(), reports::paintCharts);
}

QString AttendanceReportWindow::printName() const
{
    return QFileInfo(reports::suggestedFileName(m_report.request, QStringLiteral("pdf"))).completeBaseName();
}

void AttendanceReportWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_summaryModel) {
        const QColor background = tableBackground();
        for (reports::ReportTableModel* model :
            {m_summaryModel, m_missingModel, m_alertsModel, m_historyModel, m_censusModel})
            model->setBackground(background);
        m_sheetModel->setBackground(background);
        if (view() == View::Chart && m_report.request.view == View::Chart)
            showCharts();
    }
}

void AttendanceReportWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_refreshTimer->isActive() && m_report.table.columns.isEmpty())
        scheduleRefresh();
}
