#include "core/Names.h"

#include <QCollator>
#include <QLocale>

#include <QCoreApplication>

namespace names {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Names)
};

// The explicit embeddings, overrides and isolates of Unicode's bidirectional algorithm.
bool reversesDirection(char16_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString refusal(const QString& name)
{
    if (name.size() > kMaxLength)
        return Text::tr("the name is longer than %1 characters").arg(kMaxLength);
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return Text::tr("the name holds a control character (code %1)").arg(c.unicode());
        if (reversesDirection(c.unicode()))
            return Text::tr("the name holds a character that reverses the direction of the text (U+%1)")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return QString();
}

int compare(const QString& a, const QString& b)
{
    // One collator per thread (reports are read on a worker): a collator is not safe to share.
    // It follows the default locale, which the program sets from the user's language; a change
    // of it makes a new one.
    // The C locale (LANG=C, or none) would compare code points, with É after Z; it names no
    // language, so English order stands in for it.
    const auto ordering = [] {
        const QLocale current;
        return current.language() == QLocale::C ? QLocale(QLocale::English) : current;
    };
    thread_local QLocale locale = ordering();
    thread_local QCollator collator = [] {
        QCollator made(locale);
        made.setCaseSensitivity(Qt::CaseInsensitive);
        made.setNumericMode(true);
        return made;
    }();
    if (const QLocale now = ordering(); now != locale) {
        locale = now;
        collator.setLocale(locale);
    }
    if (const int collated = collator.compare(a, b))
        return collated;
    return a.compare(b);
}

} // namespace names
