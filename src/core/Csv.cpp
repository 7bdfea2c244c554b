#include "core/Csv.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <array>

namespace csv {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Csv)
};

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; its five unassigned bytes keep their
// own code points, as Windows itself reads them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = value >= 0x80 && value < 0xA0 ? QChar(kWindows1252High[value - 0x80]) : QChar(value);
    }
    return text;
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
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

// A text a spreadsheet would run as a formula: it begins with =, +, -, @, a tab or a carriage
// return and is not simply a number ("-2" stays a number; "-2+3" is a formula).
bool readsAsFormula(const QString& value)
{
    if (value.isEmpty())
        return false;
    const QChar first = value.front();
    if (first != QLatin1Char('=') && first != QLatin1Char('+') && first != QLatin1Char('-') && first != QLatin1Char('@')
        && first != QLatin1Char('\t') && first != QLatin1Char('\r'))
        return false;
    bool number = false;
    value.toDouble(&number);
    return !number;
}

// Where the bytes stop being UTF-8: the first byte of the first sequence that is malformed,
// overlong, a surrogate or beyond U+10FFFF, or cut off by the end.
qsizetype firstInvalidUtf8(const QByteArray& bytes)
{
    const auto at = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    for (qsizetype i = 0; i < bytes.size();) {
        const unsigned char lead = at(i);
        int length = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            least = 0x10000;
        } else {
            return i;
        }
        if (i + length > bytes.size())
            return i;
        char32_t code = lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k) {
            if ((at(i + k) & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (at(i + k) & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;
        i += length;
    }
    return bytes.size();
}

} // namespace

QString field(const QString& value)
{
    // A student named "=HYPERLINK(...)" is kept as typed in the register, but a spreadsheet
    // opening the export must show the text, not run it: the apostrophe makes it text (OWASP's
    // advice for CSV injection).
    if (readsAsFormula(value))
        return field(QLatin1Char('\'') + value);
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
        parsed.error = Text::tr("The file is not UTF-8 text.");
        parsed.errorLine = 1;
        return parsed;
    }
    for (const Record& record : parse(text, QLatin1Char(','))) {
        if (!record.error.isEmpty()) {
            parsed.records.clear();
            parsed.error = Text::tr("A quoted field that begins on line %1 is never closed.").arg(record.line);
            parsed.errorLine = record.line;
            return parsed;
        }
        parsed.records.append(record.fields);
    }
    return parsed;
}

DecodedText decodeText(const QByteArray& bytes, std::optional<Encoding> chosen)
{
    const bool utf16Mark = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if ((!chosen && utf16Mark) || chosen == Encoding::Utf16) {
        QStringDecoder utf16(QStringConverter::Utf16);
        return {utf16(bytes), Encoding::Utf16};
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (chosen == Encoding::Windows1252)
        return {fromWindows1252(body), Encoding::Windows1252};
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(body);
    if (!utf8.hasError() || chosen == Encoding::Utf8)
        return {text, Encoding::Utf8};
    DecodedText decoded {fromWindows1252(body), Encoding::Windows1252};
    const qsizetype at = firstInvalidUtf8(body);
    const qsizetype lineStart = body.lastIndexOf('\n', at) + 1;
    decoded.invalidLine = int(body.left(at).count('\n')) + 1;
    decoded.invalidColumn = int(at - lineStart) + 1;
    decoded.invalidByte = static_cast<unsigned char>(body.at(at));
    return decoded;
}

QChar detectSeparator(const QString& text)
{
    int tabs = 0;
    int semicolons = 0;
    int commas = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (isLineEnd(c) && tabs + semicolons + commas > 0)
            break;
        else if (c == QLatin1Char('\t'))
            ++tabs;
        else if (c == QLatin1Char(';'))
            ++semicolons;
        else if (c == QLatin1Char(','))
            ++commas;
    }
    if (tabs > 0 && tabs >= semicolons && tabs >= commas)
        return QLatin1Char('\t');
    if (semicolons > 0 && semicolons >= commas)
        return QLatin1Char(';');
    return QLatin1Char(',');
}

QList<Record> parse(const QString& text, QChar separator)
{
    QList<Record> records;
    Record record;
    record.line = 1;
    QString field;
    bool inQuotes = false;
    bool fieldQuoted = false;
    int line = 1;

    const auto endField = [&] {
        record.fields << field;
        field.clear();
        fieldQuoted = false;
    };
    const auto endRecord = [&] {
        endField();
        bool empty = true;
        for (const QString& value : std::as_const(record.fields))
            empty = empty && value.trimmed().isEmpty();
        if (!empty || !record.error.isEmpty())
            records.append(record);
        record = Record();
        record.line = line;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (isLineEnd(c)) {
            // CRLF is one line end; so is a lone CR or LF. Inside quotes it is part of the value,
            // as it was written.
            const bool crlf = c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n');
            if (inQuotes)
                field += crlf ? QStringLiteral("\r\n") : QString(c);
            if (crlf)
                ++i;
            ++line;
            if (inQuotes)
                continue;
            endRecord();
            continue;
        }
        if (inQuotes) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                inQuotes = false;
            }
            continue;
        }
        if (c == separator) {
            endField();
        } else if (c == QLatin1Char('"') && !fieldQuoted && field.trimmed().isEmpty()) {
            // Spaces before an opening quote are the writer's padding, not part of the value.
            field.clear();
            inQuotes = true;
            fieldQuoted = true;
        } else {
            field += c;
        }
    }
    if (inQuotes)
        record.error = Text::tr("a quote opened here is never closed");
    if (!field.isEmpty() || !record.fields.isEmpty() || fieldQuoted || !record.error.isEmpty())
        endRecord();
    return records;
}

} // namespace csv
