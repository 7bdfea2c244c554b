#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

// The status words the register stores and what the program makes of them. The words are
// stored as they stand, in English, whatever language the program speaks; only what is shown is
// translated.
namespace status {

inline constexpr auto kPresent = "Present";
inline constexpr auto kLate = "Late";
inline constexpr auto kAbsent = "Absent";
// An absence with a reason (illness, an appointment): a day not attended, counted apart.
inline constexpr auto kExcused = "Excused";

// The four words in the order the program offers them.
QStringList known();
bool isKnown(const QString& word);

// The word a click moves to: Present, Late, Absent, back to Present; Excused goes to Present as
// Absent does. Words written by other tools stay as they are.
std::optional<QString> next(const QString& word);

// The colour a word is written in on the given background: each word keeps its hue (black,
// blue, red, amber), in a shade that reads with a contrast of at least 4.5:1. Other words get
// no colour of their own.
std::optional<QColor> colour(const QString& word, const QColor& background);

// The colour a word is written in on a student's card: the designed colour wherever it reads as
// well as it does on white (so the register looks as it always has on a light desktop), and the
// readable shade of colour() on any other background, a dark one above all. Other words get none:
// their card keeps the colour it had.
std::optional<QColor> cardColour(const QString& word, const QColor& background);

// The contrast ratio of two colours, as WCAG defines it (1 to 21).
double contrast(const QColor& a, const QColor& b);
// Black or white, whichever reads better on the background; the given text colour itself when
// it already reads with a contrast of at least 4.5:1.
QColor readableText(const QColor& text, const QColor& background);

// One letter for a known word (P, L, A, E), the word itself otherwise.
QString letter(const QString& word);
// The word as the user reads it, in the program's language.
QString displayName(const QString& word);

} // namespace status
