#pragma once

#include <QString>

// What a name (of a student or a class) may hold. Names are kept as typed; these are refused
// because they break what shows them: text that runs off every card and report, characters
// that cannot be printed or that a spreadsheet or terminal reads as commands, and the
// characters that reverse the direction of the text after them, which make a name show as
// something else than it is.
namespace names {

inline constexpr qsizetype kMaxLength = 200;

// Why the name cannot be stored, in words that finish a sentence such as "Refused: …"; empty
// when it can.
QString refusal(const QString& name);

} // namespace names
