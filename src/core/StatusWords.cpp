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
    if (word == QLatin1String(kPresent))
        return QColor(0, 0, 0);
    if (word == QLatin1String(kLate))
        return QColor(0, 0, 255);
    if (word == QLatin1String(kAbsent))
        return QColor(255, 0, 0);
    if (word == QLatin1String(kExcused))
        return QColor(176, 96, 0);
    return std::nullopt;
}

} // namespace

QStringList known()
{
    return {QLatin1String(kPresent), QLatin1String(kLate), QLatin1String(kAbsent), QLatin1String(kExcused)};
}

bool isKnown(const QString& word)
{
    return word == QLatin1String(kPresent) || word == QLatin1String(kLate) || word == QLatin1String(kAbsent)
        || word == QLatin1String(kExcused);
}

std::optional<QString> next(const QString& word)
{
    if (word == QLatin1String(kPresent))
        return QString::fromLatin1(kLate);
    if (word == QLatin1String(kLate))
        return QString::fromLatin1(kAbsent);
    if (word == QLatin1String(kAbsent) || word == QLatin1String(kExcused))
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
    if (isKnown(word))
        return word.left(1);
    return word;
}

QString displayName(const QString& word)
{
    if (word == QLatin1String(kPresent))
        return QCoreApplication::translate("Status", "Present");
    if (word == QLatin1String(kLate))
        return QCoreApplication::translate("Status", "Late");
    if (word == QLatin1String(kAbsent))
        return QCoreApplication::translate("Status", "Absent");
    if (word == QLatin1String(kExcused))
        return QCoreApplication::translate("Status", "Excused");
    return word;
}

} // namespace status
