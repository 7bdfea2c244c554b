#pragma once

#include <QSettings>

#include <memory>

// What one user of the computer keeps for themselves, apart from the shared register: the class
// and day they last had open. An INI file in the user's configuration folder
// (~/.config/Quillmark/Rollvane.conf); ROLLVANE_USER_CONF names another file. Losing it loses
// nothing but a convenience, so a file that cannot be read or written is simply not used.
std::unique_ptr<QSettings> userSettings();
