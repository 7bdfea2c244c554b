#pragma once

#include <QString>

#include <algorithm>

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

// The order names are listed in, everywhere: by the user's language (É with E, not after Z),
// without regard to case, and numbers by their value ("7A" before "10B"). Names that compare
// equal that way are ordered as written, so that the order never depends on the rows' order.
// Negative, zero or positive, as for strcmp.
int compare(const QString& a, const QString& b);
// Sorts rows by the name a projection gives them, ties kept in their order.
template <typename List, typename Name> void sortByName(List& rows, Name name)
{
    std::stable_sort(
        rows.begin(), rows.end(), [&name](const auto& a, const auto& b) { return compare(name(a), name(b)) < 0; });
}

} // namespace names
