#include "core/StatusWords.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace status {
namespace {

double channel(double value)
{
    value /= 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) + 0.0722 * channel(rgb.blue());
}

// The designed colour of each word on a light card.
std::optional<QColor> designed(const QString& word)
{
    const Code* code = book().find(word);
    if (!code)
        return std::nullopt;
    return code->colour.isValid() ? code->colour : CodeBook::categoryColour(code->category);
}

bool same(const QString& word, const char* builtIn)
{
    return word.compare(QLatin1String(builtIn), Qt::CaseInsensitive) == 0;
}

CodeBook& current()
{
    static CodeBook shared;
    return shared;
}

struct CategoryText
{
    Category category;
    const char* stored;
    const char* shown;
};

constexpr CategoryText kCategories[] = {
    {Category::Present, "present", QT_TRANSLATE_NOOP("Category", "Present")},
    {Category::Late, "late", QT_TRANSLATE_NOOP("Category", "Late (counts as present)")},
    {Category::Approved, "approved", QT_TRANSLATE_NOOP("Category", "Approved educational activity")},
    {Category::Authorised, "authorised", QT_TRANSLATE_NOOP("Category", "Authorised absence")},
    {Category::Unauthorised, "unauthorised", QT_TRANSLATE_NOOP("Category", "Unauthorised absence")},
    {Category::NotCounted, "not counted", QT_TRANSLATE_NOOP("Category", "Not counted (no possible session)")},
    {Category::Unknown, "", QT_TRANSLATE_NOOP("Category", "Not given (counted as Other)")},
};

Code code(const char* shortCode, const char* word, Category category, const char* key = "")
{
    return Code {QString::fromUtf8(shortCode), QString::fromUtf8(word), category, QColor(), QString::fromUtf8(key)};
}

} // namespace

QList<Category> categories()
{
    return {Category::Present, Category::Late, Category::Approved, Category::Authorised, Category::Unauthorised,
        Category::NotCounted};
}

QString storedCategory(Category category)
{
    for (const CategoryText& entry : kCategories) {
        if (entry.category == category)
            return QString::fromLatin1(entry.stored);
    }
    return QString();
}

std::optional<Category> categoryOfStored(const QString& stored)
{
    for (const CategoryText& entry : kCategories) {
        if (entry.category != Category::Unknown
            && stored.compare(QLatin1String(entry.stored), Qt::CaseInsensitive) == 0)
            return entry.category;
    }
    return std::nullopt;
}

QString categoryName(Category category)
{
    for (const CategoryText& entry : kCategories) {
        if (entry.category == category)
            return QCoreApplication::translate("Category", entry.shown);
    }
    return QString();
}

bool attends(Category category)
{
    return category == Category::Present || category == Category::Late || category == Category::Approved;
}

bool misses(Category category)
{
    return category == Category::Authorised || category == Category::Unauthorised;
}

QString folded(const QString& word)
{
    return word.toLower();
}

CodeBook::CodeBook()
    : CodeBook(simple())
{ }

CodeBook::CodeBook(const QList<Code>& codes)
{
    // The four words first and with their own meaning, whatever a register says of them.
    for (const Code& builtIn : simple()) {
        Code kept = builtIn;
        for (const Code& given : codes) {
            if (same(given.word, builtIn.word.toLatin1().constData())) {
                kept.code = given.code.isEmpty() ? builtIn.code : given.code;
                kept.colour = given.colour.isValid() ? given.colour : builtIn.colour;
            }
        }
        m_byWord.insert(folded(kept.word), m_codes.size());
        m_codes.append(kept);
    }
    for (const Code& given : codes) {
        const QString key = folded(given.word);
        if (key.isEmpty() || m_byWord.contains(key) || given.category == Category::Unknown)
            continue;
        m_byWord.insert(key, m_codes.size());
        m_codes.append(given);
    }
}

const Code* CodeBook::find(const QString& word) const
{
    const qsizetype index = m_byWord.value(word.isEmpty() ? QStringLiteral("present") : folded(word), -1);
    return index < 0 ? nullptr : &m_codes.at(index);
}

Category CodeBook::categoryOf(const QString& word) const
{
    const Code* code = find(word);
    return code ? code->category : Category::Unknown;
}

const Code* CodeBook::byKey(const QString& key) const
{
    if (key.isEmpty())
        return nullptr;
    for (const Code& code : m_codes) {
        if (code.key.compare(key, Qt::CaseInsensitive) == 0)
            return &code;
    }
    return nullptr;
}

QList<Code> CodeBook::simple()
{
    return {code("P", kPresent, Category::Present, "P"), code("L", kLate, Category::Late, "L"),
        code("A", kAbsent, Category::Unauthorised, "A"), code("E", kExcused, Category::Authorised, "E")};
}

// England's national codes (School Attendance (Pupil Registration) Regulations 2024). The four
// words keep P, L, A and E; England's P and E are reached through the card's menu, and a school
// may give them, or any two-letter code, a key of its own.
QList<Code> CodeBook::england()
{
    return {
        code("/", "Present AM", Category::Present, "/"),
        code("\\", "Present PM", Category::Present, "\\"),
        code("K", "Provision arranged by the local authority", Category::Approved, "K"),
        code("V", "Educational visit or trip", Category::Approved, "V"),
        code("P", "Approved sporting activity", Category::Approved),
        code("W", "Work experience", Category::Approved, "W"),
        code("B", "Educated off site", Category::Approved, "B"),
        code("C", "Leave for exceptional circumstances", Category::Authorised, "C"),
        code("C1", "Regulated performance or employment abroad", Category::Authorised),
        code("C2", "Part-time timetable", Category::Authorised),
        code("E", "Suspended or excluded", Category::Authorised),
        code("I", "Illness", Category::Authorised, "I"),
        code("M", "Medical or dental appointment", Category::Authorised, "M"),
        code("J1", "Interview", Category::Authorised),
        code("S", "Study leave", Category::Authorised, "S"),
        code("T", "Mobile child travelling", Category::Authorised, "T"),
        code("R", "Religious observance", Category::Authorised, "R"),
        code("G", "Holiday not agreed", Category::Unauthorised, "G"),
        code("N", "Reason not yet provided", Category::Unauthorised, "N"),
        code("O", "Unauthorised absence", Category::Unauthorised, "O"),
        code("U", "Arrived after the register closed", Category::Unauthorised, "U"),
        code("X", "Not of compulsory school age", Category::NotCounted, "X"),
        code("Y1", "Transport not available", Category::NotCounted),
        code("Y2", "Widespread disruption to travel", Category::NotCounted),
        code("Y3", "Part of the school closed", Category::NotCounted),
        code("Y4", "Whole school closed unexpectedly", Category::NotCounted),
        code("Y5", "In criminal justice detention", Category::NotCounted),
        code("Y6", "Public health guidance or law", Category::NotCounted),
        code("Y7", "Other unavoidable cause", Category::NotCounted),
        code("Z", "Not yet on roll", Category::NotCounted, "Z"),
        code("#", "Planned school closure", Category::NotCounted, "#"),
    };
}

QColor CodeBook::categoryColour(Category category)
{
    switch (category) {
    case Category::Present:
        return QColor(0, 0, 0);
    case Category::Late:
        return QColor(0, 0, 255);
    case Category::Approved:
        return QColor(0, 128, 64);
    case Category::Authorised:
        return QColor(176, 96, 0);
    case Category::Unauthorised:
        return QColor(255, 0, 0);
    case Category::NotCounted:
        return QColor(112, 112, 112);
    case Category::Unknown:
        break;
    }
    return QColor();
}

const CodeBook& book()
{
    return current();
}

void setBook(const CodeBook& book)
{
    current() = book;
}

QStringList known()
{
    return {QLatin1String(kPresent), QLatin1String(kLate), QLatin1String(kAbsent), QLatin1String(kExcused)};
}

bool isKnown(const QString& word)
{
    return book().find(word) != nullptr;
}

std::optional<QString> next(const QString& word)
{
    if (same(word, kPresent) || word.isEmpty())
        return QString::fromLatin1(kLate);
    if (same(word, kLate))
        return QString::fromLatin1(kAbsent);
    if (isKnown(word))
        return QString::fromLatin1(kPresent);
    return std::nullopt;
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::optional<QColor> colour(const QString& word, const QColor& background)
{
    const std::optional<QColor> base = designed(word);
    if (!base)
        return std::nullopt;
    // The designed shades read on white; on another background the hue and saturation are kept
    // and the lightness moved away from the background's until the text reads.
    if (contrast(*base, background) >= 4.5)
        return base;
    const bool darkBackground = luminance(background) < 0.18;
    float hue = 0, saturation = 0, lightness = 0, alpha = 1;
    base->getHslF(&hue, &saturation, &lightness, &alpha);
    QColor shade = *base;
    for (int step = 0; step <= 100; ++step) {
        const float l
            = darkBackground ? std::min(1.0f, lightness + step / 100.0f) : std::max(0.0f, lightness - step / 100.0f);
        shade = QColor::fromHslF(hue, saturation, l);
        if (contrast(shade, background) >= 4.5)
            return shade;
    }
    return shade;
}

std::optional<QColor> cardColour(const QString& word, const QColor& background)
{
    const std::optional<QColor> base = designed(word);
    if (!base)
        return std::nullopt;
    // Pure red reads at 4:1 on white; the designed look keeps it on a light card rather than
    // turning every register's absences a darker red. A dark card always gets the readable shade.
    const double onWhite = contrast(*base, Qt::white);
    if (luminance(background) > luminance(*base) && contrast(*base, background) >= std::min(4.5, 0.9 * onWhite))
        return base;
    return colour(word, background);
}

QColor readableText(const QColor& text, const QColor& background)
{
    if (contrast(text, background) >= 4.5)
        return text;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

QString letter(const QString& word)
{
    const Code* code = book().find(word);
    return code && !code->code.isEmpty() ? code->code : word;
}

QString displayName(const QString& word)
{
    if (same(word, kPresent))
        return QCoreApplication::translate("Status", "Present");
    if (same(word, kLate))
        return QCoreApplication::translate("Status", "Late");
    if (same(word, kAbsent))
        return QCoreApplication::translate("Status", "Absent");
    if (same(word, kExcused))
        return QCoreApplication::translate("Status", "Excused");
    return word;
}

} // namespace status
