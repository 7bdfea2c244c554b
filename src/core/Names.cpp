#include "core/Names.h"

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

} // namespace names
