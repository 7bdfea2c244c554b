#pragma once

class QPrinter;

namespace reports {

class PrintedReport;

// Sets a printer up for the report: A4, its orientation, its margins.
void preparePrinter(QPrinter& printer, const PrintedReport& report);

} // namespace reports
