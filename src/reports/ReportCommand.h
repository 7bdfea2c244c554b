#pragma once

#include <QStringList>

class QIODevice;

namespace reports {

// The work of rollvane-report: reads the arguments (the program's name first), opens the
// register where the program keeps it, for reading only, and writes the report to the output
// (standard output unless --output names a file). Messages go to errors, one line each.
// Returns the exit status: 0 done, 2 a bad argument, 3 the register is missing, unreadable or
// damaged.
int runReportCommand(const QStringList& arguments, QIODevice& output, QIODevice& errors);

inline constexpr int kExitDone = 0;
inline constexpr int kExitBadArgument = 2;
inline constexpr int kExitRegister = 3;

} // namespace reports
