#pragma once

#include <QString>

class QPrinter;

namespace reports {

class PrintedReport;

// Sets a printer up for the report: A4, its orientation, its margins, and the name a print to
// a file is offered under, the export's own (fileName, without its folder or extension).
void preparePrinter(QPrinter& printer, const PrintedReport& report, const QString& fileName);

} // namespace reports
