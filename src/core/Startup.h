#pragma once

#include <QStringList>

#include <optional>

// What happens before the main window: the command line, the program's names and version, and
// the translations for the user's language.
namespace startup {

// Answers --help and --version, refuses unknown options and, on a Unix desktop, a start without
// any display, all before a window or the register is touched. Returns the exit status when the
// program is to end here; Qt's own options (-platform, -style, ...) are left to the application.
std::optional<int> handleCommandLine(int argc, char* argv[]);

// The application's name, organisation, version and desktop entry, as every program of the
// project sets them. Needs the application object.
void nameApplication();

// Installs the program's translation and Qt's own (the standard dialog buttons) for QLocale(),
// the user's locale unless the default was changed. Returns false when the program has no
// translation for that locale (English needs none). Needs the application object.
bool installTranslations();

// Where the program's compiled translations are looked for, in order: beside the program (the
// build tree) and the installed share folder.
QStringList translationFolders();

} // namespace startup
