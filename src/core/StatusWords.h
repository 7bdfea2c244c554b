#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <QHash>
#include <QList>

#include <optional>

// The status words the register stores and what the program makes of them. The words are
// stored as they stand, in English, whatever language the program speaks; only what is shown is
// translated. A word is matched without regard to case: "absent" written by another tool is an
// absence.
namespace status {

inline constexpr auto kPresent = "Present";
inline constexpr auto kLate = "Late";
inline constexpr auto kAbsent = "Absent";
// An absence with a reason (illness, an appointment): a day not attended, counted apart.
inline constexpr auto kExcused = "Excused";

// What a mark means for the figures a school reports. Present, Late and Approved count as
// attended; Authorised and Unauthorised as missed; NotCounted is no possible session at all.
// Unknown is a word nobody has given a meaning yet: a possible session, neither attended nor
// missed, as such words have always been counted.
enum class Category { Present, Late, Approved, Authorised, Unauthorised, NotCounted, Unknown };

// The categories a code may be given, in the order the program lists them.
QList<Category> categories();
// The category as the register stores it ("present", "not counted", ...), and back.
QString storedCategory(Category category);
std::optional<Category> categoryOfStored(const QString& stored);
// The category as the user reads it.
QString categoryName(Category category);
bool attends(Category category);
bool misses(Category category);
inline bool isPossible(Category category)
{
    return category != Category::NotCounted;
}

// One attendance code: the word stored in Status, its short code (what the sheet shows), its
// category, the colour it is written in on a light background, and the key that sets it on a
// card with the focus (none for most two-letter codes).
struct Code
{
    QString code;
    QString word;
    Category category = Category::Unknown;
    QColor colour;
    QString key;
};

// The codes a register keeps. The four words are always among them, with their meaning fixed:
// stored registers and the click's cycle rely on it.
class CodeBook
{
public:
    CodeBook(); // the four words alone
    explicit CodeBook(const QList<Code>& codes);

    const QList<Code>& codes() const { return m_codes; }
    // The code of a stored word, matched without regard to case; an empty word is Present, as
    // the cards read it. None for a word nobody has given a meaning.
    const Code* find(const QString& word) const;
    Category categoryOf(const QString& word) const;
    // The code a key sets, matched without regard to case.
    const Code* byKey(const QString& key) const;

    // The ready sets: the four words (Simple), and England's national codes beside them.
    static QList<Code> simple();
    static QList<Code> england();
    // The colour a category's codes are given unless a code names its own.
    static QColor categoryColour(Category category);

private:
    QList<Code> m_codes;
    QHash<QString, qsizetype> m_byWord; // folded word -> index
};

// The book of the register in use; the register sets it when it opens and when its codes
// change. The four words alone until then.
const CodeBook& book();
void setBook(const CodeBook& book);

// The four words in the order the program offers them.
QStringList known();
// Whether the word has a meaning in the book in use.
bool isKnown(const QString& word);
// The word as the book keys it: the same word in another case reads the same.
QString folded(const QString& word);

// The word a click moves to: Present, Late, Absent, back to Present; Excused and every other
// code go to Present as Absent does. Words nobody has given a meaning stay as they are.
std::optional<QString> next(const QString& word);

// The colour a word is written in on the given background: each code keeps its hue (black,
// blue, red, amber, ...), in a shade that reads with a contrast of at least 4.5:1. Words without
// a meaning get no colour of their own.
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

// The short code of a known word (P, L, A, E, I, C1, ...), the word itself otherwise.
QString letter(const QString& word);
// The word as the user reads it, in the program's language.
QString displayName(const QString& word);

} // namespace status
