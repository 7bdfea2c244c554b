#pragma once

class QWidget;

namespace roster {

// Setup, New School Year: asks for the new year's first day, shows what would happen to every
// class (up one year, the top year leaving) and, once the user agrees, does it in one go.
void askNewSchoolYear(QWidget* parent);

} // namespace roster
