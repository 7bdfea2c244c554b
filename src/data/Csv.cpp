#include "data/Csv.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace csv {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Csv", text);
}

bool needsQuotes(const QString& value)
{
    if (value.isEmpty())
        return false;
    if (value.front().isSpace() || value.back().isSpace())
        return true;
    for (const QChar c : value) {
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return true;
    }
    return false;
}

QChar charAt(const QString& text, qsizetype i)
{
    return i < text.size() ? text.at(i) : QChar();
}

} // namespace

QString field(const QString& value)
{
    if (!needsQuotes(value))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString record(const QStringList& fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& value : fields)
        written.append(field(value));
    return written.join(QLatin1Char(','));
}

QByteArray encode(const QList<QStringList>& records)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QStringList& fields : records) {
        bytes += record(fields).toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

Parsed decode(const QByteArray& bytes)
{
    Parsed parsed;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    if (decoder.hasError()) {
        parsed.error = tr("The file is not UTF-8 text.");
        parsed.errorLine = 1;
        return parsed;
    }

    QStringList fields;
    QString current;
    bool quoted = false; // inside a quoted field
    bool wasQuoted = false; // the current field began with a quote
    bool recordOpen = false; // something of a record has been read since its start
    qsizetype line = 1;
    qsizetype quoteLine = 0;
    const auto endField = [&] {
        fields.append(current);
        current.clear();
        wasQuoted = false;
    };
    const auto endRecord = [&] {
        endField();
        parsed.records.append(fields);
        fields.clear();
        recordOpen = false;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    current.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && charAt(text, i + 1) != QLatin1Char('\n')))
                    ++line;
                current.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"') && current.isEmpty() && !wasQuoted) {
            quoted = true;
            wasQuoted = true;
            recordOpen = true;
            quoteLine = line;
        } else if (c == QLatin1Char(',')) {
            endField();
            recordOpen = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && charAt(text, i + 1) == QLatin1Char('\n'))
                ++i;
            // A blank line is no record, as spreadsheet programs read it.
            if (recordOpen || !current.isEmpty() || !fields.isEmpty())
                endRecord();
            ++line;
        } else {
            // Text after a closing quote is kept, as spreadsheet programs keep it.
            current.append(c);
            recordOpen = true;
        }
    }
    if (quoted) {
        parsed.error = tr("A quoted field that begins on line %1 is never closed.").arg(quoteLine);
        parsed.errorLine = quoteLine;
        return parsed;
    }
    if (recordOpen || !current.isEmpty() || !fields.isEmpty())
        endRecord();
    return parsed;
}

} // namespace csv
