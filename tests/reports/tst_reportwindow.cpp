#include "PdfTools.h"
#include "ReportRegister.h"
#include "TestSupport.h"

#include "core/Csv.h"
#include "core/StatusWords.h"
#include "register/Database.h"
#include "reports/ReportTables.h"
#include "reports/window/AttendanceReportWindow.h"
#include "reports/window/ReportTableModel.h"
#include "reports/window/SheetModel.h"

#include <QAbstractItemModelTester>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

namespace {

QStringList column(const QAbstractItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

QList<QStringList> readCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return csv::decode(file.readAll()).records;
}

} // namespace

class ReportWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    ReportRegister m_register;
    std::unique_ptr<AttendanceReportWindow> m_window;

    // The window on a class and the register's days, showing a view that is up to date.
    AttendanceReportWindow& show(AttendanceReportWindow::View view, std::optional<qint64> classId)
    {
        if (!m_window)
            m_window = std::make_unique<AttendanceReportWindow>();
        m_window->setClassId(classId);
        m_window->setRange(ReportRegister::from(), ReportRegister::to());
        m_window->setView(view);
        m_window->refresh();
        return *m_window;
    }

    template <typename Model> Model* model(const char* table)
    {
        return qobject_cast<Model*>(m_window->findChild<QTableView*>(QLatin1String(table))->model());
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->openRegister();
        m_register = ReportRegister::build();
    }

    void cleanup()
    {
        m_window.reset();
        m_env.reset();
    }

    void modelsHoldUnderTheModelTester()
    {
        reports::ReportTableModel table;
        QAbstractItemModelTester tableTester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
        table.setTable(
            reports::summaryTable(reports::summary({std::nullopt, ReportRegister::from(), ReportRegister::to()})));
        // Sorting moves the students and never the totals row.
        table.sort(13, Qt::DescendingOrder);
        QCOMPARE(column(&table, 0).mid(0, 3), QStringList({"Eve", "Ivy", "Ben"}));
        QVERIFY(column(&table, 0).last().startsWith(QLatin1String("Total")));
        table.sort(13, Qt::AscendingOrder);
        QCOMPARE(column(&table, 0).mid(0, 2), QStringList({"Zed", "Finn"}));
        QVERIFY(column(&table, 0).last().startsWith(QLatin1String("Total")));
        table.setTable({});

        reports::SheetModel sheet;
        QAbstractItemModelTester sheetTester(&sheet, QAbstractItemModelTester::FailureReportingMode::QtTest);
        sheet.setSheet(reports::sheet({std::nullopt, ReportRegister::from(), ReportRegister::to()}), true);
        QCOMPARE(sheet.columnCount(), 2 + 6);
        sheet.setSheet(reports::sheet({m_register.classA, ReportRegister::from(), ReportRegister::to()}), false);
        QCOMPARE(sheet.columnCount(), 1 + 5);
        sheet.setSheet({}, false);
        QCOMPARE(sheet.rowCount(), 0);
    }

    void viewsShowTheChosenClassAndDays()
    {
        show(AttendanceReportWindow::View::Summary, m_register.classA);
        auto* summary = model<reports::ReportTableModel>("tblSummary");
        QCOMPARE(column(summary, 0), QStringList({"Ann", "Ben", "Cleo", "Dev", "Zed", "Total (5 students)"}));
        QCOMPARE(column(summary, 13), QStringList({"40.0", "60.0", "20.0", "33.3", "", "38.9"}));
        QCOMPARE(summary->index(0, 13).data(Qt::ToolTipRole).toString(),
            QStringLiteral("2 of 5 possible sessions attended"));
        QCOMPARE(summary->index(3, 7).data(Qt::ToolTipRole).toString(),
            QStringLiteral(
                "Other words: Sick (1, Not given (counted as Other)), Trip (1, Not given (counted as Other))"));
        // The names stay in view while the figures scroll: a view of the first column alone,
        // over the same rows, with the whole name in its tooltip.
        const auto* frozen = m_window->findChild<QTableView*>(QStringLiteral("tblSummaryFrozen"));
        QVERIFY(frozen && frozen->model() == summary && !frozen->isColumnHidden(0) && frozen->isColumnHidden(1));
        QCOMPARE(summary->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Ann"));
        // Moving left with the keys from the far right never leaves the cell under the names.
        auto* table = m_window->findChild<QTableView*>(QStringLiteral("tblSummary"));
        // One click on a figure's header puts the largest first; on a name, A first.
        QCOMPARE(summary->headerData(8, Qt::Horizontal, Qt::InitialSortOrderRole).toInt(), int(Qt::DescendingOrder));
        QCOMPARE(summary->headerData(0, Qt::Horizontal, Qt::InitialSortOrderRole).toInt(), int(Qt::AscendingOrder));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        for (int column = 1; column < summary->columnCount(); ++column)
            table->setColumnWidth(column, 300);
        QTRY_VERIFY(table->horizontalScrollBar()->maximum() > 0);
        table->setFocus();
        table->setCurrentIndex(summary->index(0, summary->columnCount() - 1));
        for (int column = summary->columnCount() - 2; column >= 1; --column) {
            QTest::keyClick(table, Qt::Key_Left);
            QCOMPARE(table->currentIndex().column(), column);
            QVERIFY2(table->visualRect(table->currentIndex()).left() >= table->columnWidth(0),
                qPrintable(QString::number(column)));
        }

        show(AttendanceReportWindow::View::Sheet, m_register.classA);
        auto* sheet = model<reports::SheetModel>("tblSheet");
        QCOMPARE(sheet->rowCount(), 6);
        QCOMPARE(sheet->headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("Carol service"));
        // Ann, 29 December: Absent, in the cards' colour for the table's background.
        const QModelIndex absent = sheet->index(0, 2);
        QCOMPARE(absent.data().toString(), QStringLiteral("A"));
        QCOMPARE(absent.data(Qt::ForegroundRole).value<QColor>(),
            *status::colour(QStringLiteral("Absent"),
                m_window->findChild<QTableView*>("tblSheet")->palette().color(QPalette::Base)));
        QCOMPARE(sheet->index(3, 3).data().toString(), QStringLiteral("Trip"));
        QCOMPARE(column(sheet, 5).last(), QStringLiteral("1/4"));

        show(AttendanceReportWindow::View::Alerts, m_register.classA);
        auto* alerts = model<reports::ReportTableModel>("tblAlerts");
        QCOMPARE(column(alerts, 0), QStringList({"Ann", "Ben", "Cleo", "Dev"}));
        m_window->findChild<QDoubleSpinBox*>("spnThreshold")->setValue(30);
        m_window->findChild<QSpinBox*>("spnRun")->setValue(2);
        m_window->refresh();
        QCOMPARE(column(alerts, 0), QStringList({"Cleo"}));

        show(AttendanceReportWindow::View::Chart, m_register.classB);
        auto* line
            = qobject_cast<QLineSeries*>(m_window->findChild<QChartView*>("chartDaily")->chart()->series().value(0));
        QVERIFY(line);
        QCOMPARE(line->count(), 3);

        show(AttendanceReportWindow::View::History, m_register.classB);
        QCOMPARE(model<reports::ReportTableModel>("tblHistory")->rowCount(), 6);

        // A range the wrong way round shows nothing that could pass for an answer.
        show(AttendanceReportWindow::View::Summary, m_register.classA);
        m_window->setRange(ReportRegister::to(), ReportRegister::from());
        m_window->refresh();
        QCOMPARE(summary->rowCount(), 0);
        QVERIFY(m_window->findChild<QLabel*>("lblStatus")->text().contains(QLatin1String("From is after To")));
    }

    void theSharedWindowKeepsItsChoicesAndReadsTheRegisterAgain()
    {
        AttendanceReportWindow* first = AttendanceReportWindow::showShared();
        first->setClassId(m_register.classB);
        first->setView(AttendanceReportWindow::View::Sheet);
        // Escape puts the report away.
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QTest::keyClick(first, Qt::Key_Escape);
        QVERIFY(!first->isVisible());
        db::addClass(QStringLiteral("11E"));
        AttendanceReportWindow* again = AttendanceReportWindow::showShared();
        QCOMPARE(again, first);
        QCOMPARE(again->classId(), std::optional<qint64>(m_register.classB));
        QCOMPARE(again->view(), AttendanceReportWindow::View::Sheet);
        QVERIFY(again->findChild<QComboBox*>("cboClass")->findText(QStringLiteral("11E")) > 0);
        delete again;
        QVERIFY(!AttendanceReportWindow::instance());
    }

    void csvExportsReadBackToTheSameValues()
    {
        const QString summaryPath = m_env->root() + QStringLiteral("/summary.csv");
        show(AttendanceReportWindow::View::Summary, std::nullopt);
        m_env->dialogs().answerFile(summaryPath);
        m_window->exportCsv();
        const QList<QStringList> summary = readCsv(summaryPath);
        QCOMPARE(summary, m_window->currentReport().table.records());
        QCOMPARE(summary.value(1).mid(0, 14),
            QStringList({"Ann", "7A", "5", "2", "0", "2", "1", "0", "5", "0", "1", "2", "0", "40.0"}));

        // The sheet goes out in its long form, one record per student and day, words as stored.
        const QString sheetPath = m_env->root() + QStringLiteral("/sheet");
        show(AttendanceReportWindow::View::Sheet, m_register.classA);
        m_env->dialogs().answerFile(sheetPath);
        m_window->exportCsv();
        const QList<QStringList> sheet = readCsv(sheetPath + QStringLiteral(".csv"));
        QCOMPARE(sheet.size(), 1 + 18);
        QVERIFY(sheet.contains(QStringList({"2024-02-29", "7A", QString::number(m_register.students.value("Dev")),
            "Dev", "Present", "", "Leap day, trip to the museum, back by 3", "", ""})));

        // Cancelled: nothing is written or said. Refused by the disk: said, naming the file.
        m_env->dialogs().answerCancel();
        m_window->exportCsv();
        const QString refused = m_env->root() + QStringLiteral("/no such folder/x.csv");
        m_env->dialogs().answerFile(refused);
        m_window->exportCsv();
        const QStringList messages = m_env->dialogs().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QLatin1String("no such folder")), qPrintable(messages.first()));
    }

    void printedPagesRepeatTheirHeadersAndCountThemselves()
    {
        // Enough students for several pages.
        const qint64 big = db::addClass(QStringLiteral("Year 9 \u00c5sg\u00e5rd"));
        QList<db::CardMark> cards;
        for (int i = 0; i < 70; ++i)
            cards.append({db::addStudent(
                              QStringLiteral(
                                  "Student %1 \u00d3 S\u00failleabh\u00e1in-Garc\u00eda M\u00e1rquez y Fern\u00e1ndez")
                                  .arg(i, 2, 10, QLatin1Char('0')),
                              big, std::nullopt),
                i % 5 ? QStringLiteral("Present") : QStringLiteral("Absent")});
        db::saveMarks(QDate(2024, 1, 2), cards, QStringLiteral("Fire drill"));
        show(AttendanceReportWindow::View::Summary, big);
        auto* school = m_window->findChild<QLineEdit*>("txtSchoolName");
        school->setText(QStringLiteral("Hillside Academy"));
        Q_EMIT school->editingFinished();
        QCOMPARE(db::setting(QStringLiteral("SchoolName")), QStringLiteral("Hillside Academy"));

        const QString pdf = m_env->root() + QStringLiteral("/summary.pdf");
        m_env->dialogs().answerFile(pdf);
        m_window->exportPdf();
        const int pages = pdfPageCount(pdf);
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        const QString first = pdfPageText(pdf, 1);
        QVERIFY2(first.contains(QStringLiteral("Attendance Register \u2014 Hillside Academy")), qPrintable(first));
        QVERIFY(first.contains(QStringLiteral("Year 9 \u00c5sg\u00e5rd")));
        QVERIFY(first.contains(QStringLiteral("Page 1 of %1").arg(pages)));
        const QString last = pdfPageText(pdf, pages);
        QVERIFY(last.contains(QStringLiteral("Total (70 students)")));
        // The table fits the page's width: every page holds the last column, none stands alone.
        const QString lastHeader
            = m_window->currentReport().table.columns.last().header.section(QLatin1Char('\n'), 0, 0);
        for (int page = 1; page <= pages; ++page)
            QVERIFY2(pdfPageText(pdf, page).contains(lastHeader), qPrintable(QString::number(page)));

        // Pages follow the order on screen; the preview shows the same pages.
        auto* table = m_window->findChild<QTableView*>(QStringLiteral("tblSummary"));
        table->sortByColumn(0, Qt::DescendingOrder);
        const QString preview = m_env->root() + QStringLiteral("/preview.pdf");
        m_env->dialogs().answerPrintToFile(preview);
        m_window->previewReport();
        QCOMPARE(m_env->dialogs().shown().last().kind, ScriptedDialogs::Kind::Preview);
        QCOMPARE(pdfPageCount(preview), pages);
        QVERIFY(pdfPageText(preview, 1).contains(QStringLiteral("Student 69")));
        QVERIFY(!pdfPageText(preview, 1).contains(QStringLiteral("Student 00")));
        QVERIFY(pdfPageText(preview, pages).contains(QStringLiteral("Total (70 students)")));
        table->sortByColumn(0, Qt::AscendingOrder);

        // Printing goes through the same pages; the dialogs layer sends them to a file here.
        const QString printed = m_env->root() + QStringLiteral("/printed.pdf");
        m_env->dialogs().answerPrintToFile(printed);
        m_window->printReport();
        QCOMPARE(pdfPageCount(printed), pages);
        // A print to a file is offered under the export's own name.
        QString exported;
        for (const ScriptedDialogs::Shown& shown : m_env->dialogs().shown()) {
            if (shown.kind == ScriptedDialogs::Kind::SaveFile)
                exported = shown.text;
        }
        QCOMPARE(m_env->dialogs().shown().last().kind, ScriptedDialogs::Kind::Print);
        QCOMPARE(m_env->dialogs().shown().last().text + QStringLiteral(".pdf"), exported);
        m_env->dialogs().answerCancel();
        m_window->printReport();
        QVERIFY(m_env->dialogs().messages().isEmpty());

        // The sheet, landscape, with the day's notes listed under it.
        show(AttendanceReportWindow::View::Sheet, m_register.classA);
        const QString sheet = m_env->root() + QStringLiteral("/sheet.pdf");
        m_env->dialogs().answerFile(sheet);
        m_window->exportPdf();
        QCOMPARE(pdfPageCount(sheet), 1);
        const QString sheetText = pdfPageText(sheet, 1);
        QVERIFY(sheetText.contains(QLatin1String("7A")));
        QVERIFY(sheetText.contains(QLatin1String("Carol service")));
    }
};

QTEST_MAIN(ReportWindowTest)
#include "tst_reportwindow.moc"
