#include "core/DateText.h"

#include <QLocale>

namespace {

QString withFullYear(QString format)
{
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

} // namespace

QString shortDateFormat()
{
    return withFullYear(QLocale().dateFormat(QLocale::ShortFormat));
}

QString shortDateText(const QDate& date)
{
    return QLocale().toString(date, shortDateFormat());
}

QString shortDateTimeText(const QDateTime& at)
{
    return QLocale().toString(at, withFullYear(QLocale().dateTimeFormat(QLocale::ShortFormat)));
}
