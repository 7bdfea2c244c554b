#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Comma-separated files as spreadsheet programs read and write them: UTF-8 with a byte-order
// mark, fields quoted where RFC 4180 asks for it, records ended by CR LF; and the spreadsheets
// school offices save, with other separators and encodings. Pure functions over bytes, so that
// every export and import of the program reads and writes one dialect.
namespace csv {

// One field as it is written: quoted when it holds a comma, a quote, a line break or leading
// or trailing spaces, with its quotes doubled; a text a spreadsheet would run as a formula
// (beginning with =, +, -, @, tab or carriage return, and no number) gets a leading apostrophe.
QString field(const QString& value);
// One record, without its line end.
QString record(const QStringList& fields);
// A whole file: the byte-order mark, then every record ended by CR LF.
QByteArray encode(const QList<QStringList>& records);

// What a file held, or where reading stopped.
struct Parsed
{
    QList<QStringList> records;
    QString error; // empty when the whole file was read
    qsizetype errorLine = 0; // 1-based line of the error
};

// Reads a file written by encode() or by a spreadsheet program: a leading byte-order mark is
// skipped, CR LF, LF and CR all end a record outside quotes, and line breaks inside quotes stay
// part of the field. Bytes that are not UTF-8 and a quote left open are errors.
Parsed decode(const QByteArray& bytes);

enum class Encoding { Utf8, Utf16, Windows1252 };

struct DecodedText
{
    QString text;
    Encoding encoding = Encoding::Utf8;
    // Where the bytes stopped being UTF-8, when that made the choice Windows-1252: the line
    // (from 1), the byte within it (from 1) and its value.
    int invalidLine = 0;
    int invalidColumn = 0;
    unsigned char invalidByte = 0;
};

// The text of a file's bytes: UTF-8 (with or without its byte-order mark), UTF-16 with its
// byte-order mark, and anything that is not valid UTF-8 as Windows-1252, which is what older
// spreadsheet programs save. A chosen encoding is used as it is, whatever the bytes suggest.
DecodedText decodeText(const QByteArray& bytes, std::optional<Encoding> chosen = std::nullopt);

// The separator of the header line: whichever of tab, semicolon and comma it holds most often
// outside quotes (in that order when as many); a comma when it holds none.
QChar detectSeparator(const QString& text);

struct Record
{
    int line = 0; // where the record begins, counted from 1
    QStringList fields; // as written, quotes removed
    QString error; // set when the record cannot be read whole
};

// The records of the text, with quoted fields that hold separators, doubled quotes and line
// breaks (kept as they are written); lines end in CRLF, LF or CR. Empty lines, and lines of empty fields only, are no
// records. A quote left open swallows the rest of the text into one record, which carries an
// error saying so.
QList<Record> parse(const QString& text, QChar separator);

} // namespace csv
