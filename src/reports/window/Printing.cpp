#include "reports/window/Printing.h"

#include "reports/PrintedReport.h"

#include <QCoreApplication>
#include <QPrinter>

namespace reports {

void preparePrinter(QPrinter& printer, const PrintedReport& report, const QString& fileName)
{
    printer.setPageLayout(report.pageLayout());
    // The print dialog offers a file under the document's name, in the folder it was started in.
    printer.setDocName(fileName.isEmpty() ? QCoreApplication::translate("Reports", "Attendance Register") : fileName);
}

} // namespace reports
