#include "reports/ReportTable.h"

#include <QDate>
#include <QLocale>

#include <algorithm>

namespace reports {
namespace {

// Columns in a terminal: characters of the wide East Asian scripts take two.
qsizetype displayWidth(const QString& text)
{
    qsizetype width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t code = text.at(i).isHighSurrogate() && i + 1 < text.size()
            ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
            : text.at(i).unicode();
        if (code > 0xFFFF)
            ++i;
        if (QChar::category(code) == QChar::Mark_NonSpacing)
            continue;
        const bool wide = (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF)
            || (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF)
            || (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60)
            || (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x1F300 && code <= 0x1FAFF)
            || (code >= 0x20000 && code <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

QString padded(const QString& text, qsizetype width, bool right)
{
    const QString fill(std::max<qsizetype>(0, width - displayWidth(text)), QLatin1Char(' '));
    return right ? fill + text : text + fill;
}

// A cell's text on one terminal line.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString withoutTrailingSpaces(QString line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1) == QLatin1Char(' '))
        --end;
    line.truncate(end);
    return line;
}

} // namespace

QString percentText(const std::optional<double>& percent)
{
    return percent ? QLocale().toString(*percent, 'f', 1) : QString();
}

QString csvField(const ReportCell& cell)
{
    switch (cell.value.typeId()) {
    case QMetaType::QDate:
        return cell.value.toDate().toString(Qt::ISODate);
    case QMetaType::Double:
        return QString::number(cell.value.toDouble(), 'f', 1);
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QString::number(cell.value.toLongLong());
    case QMetaType::QString:
        return cell.value.toString();
    default:
        return cell.text;
    }
}

QList<QStringList> ReportTable::records() const
{
    QList<QStringList> records;
    QStringList header;
    for (const ReportColumn& column : columns)
        header << QString(column.header).replace(QLatin1Char('\n'), QLatin1Char(' '));
    records << header;
    records.reserve(rows.size() + 1);
    for (const QList<ReportCell>& row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const ReportCell& cell : row)
            fields << csvField(cell);
        records << fields;
    }
    return records;
}

QString ReportTable::text() const
{
    QList<QStringList> headerLines;
    qsizetype headerHeight = 1;
    for (const ReportColumn& column : columns) {
        headerLines << column.header.split(QLatin1Char('\n'));
        headerHeight = std::max(headerHeight, headerLines.last().size());
    }
    QList<qsizetype> widths;
    for (qsizetype c = 0; c < columns.size(); ++c) {
        qsizetype width = 0;
        for (const QString& line : headerLines.at(c))
            width = std::max(width, displayWidth(line));
        for (const QList<ReportCell>& row : rows)
            width = std::max(width, displayWidth(oneLine(row.value(c).text)));
        widths << width;
    }
    QStringList lines;
    // Multi-line headers stand on their last line, as they do in the window.
    for (qsizetype l = 0; l < headerHeight; ++l) {
        QStringList parts;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const QStringList& header = headerLines.at(c);
            const qsizetype index = l - (headerHeight - header.size());
            parts << padded(index >= 0 ? header.at(index) : QString(), widths.at(c), columns.at(c).numeric);
        }
        lines << withoutTrailingSpaces(parts.join(QStringLiteral("  ")));
    }
    for (const QList<ReportCell>& row : rows) {
        QStringList parts;
        for (qsizetype c = 0; c < columns.size(); ++c)
            parts << padded(oneLine(row.value(c).text), widths.at(c), columns.at(c).numeric);
        lines << withoutTrailingSpaces(parts.join(QStringLiteral("  ")));
    }
    if (!footnotes.isEmpty())
        lines << QString();
    for (const QString& note : footnotes)
        lines << oneLine(note);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace reports
