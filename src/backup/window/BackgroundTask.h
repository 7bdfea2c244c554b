#pragma once

#include "register/RegisterFiles.h"

#include <QString>

#include <functional>

class QWidget;

namespace backup {

// Runs work on a thread of its own while a progress dialog, modal to the whole program, shows
// how far it has come; Cancel asks the work to stop (through its progress and its
// interruption). A failure the work throws, Cancelled included, is thrown again here, on the
// calling thread. The work must not touch the shared connection or any window.
void runWithProgress(QWidget* parent, const QString& label,
    const std::function<void(const Progress& progress, db::Interruption& interruption)>& work);

} // namespace backup
