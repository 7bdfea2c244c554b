#include "reports/window/Printing.h"

#include "reports/PrintedReport.h"

#include <QCoreApplication>
#include <QPrinter>

namespace reports {

void preparePrinter(QPrinter& printer, const PrintedReport& report)
{
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(QCoreApplication::translate("Reports", "Attendance Register"));
}

} // namespace reports
