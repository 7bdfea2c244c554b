#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated files as spreadsheet programs read and write them: UTF-8 with a byte-order
// mark, fields quoted where RFC 4180 asks for it, records ended by CR LF. Pure functions over
// bytes, so that every export and import of the program reads and writes one dialect.
namespace csv {

// One field as it is written: quoted when it holds a comma, a quote, a line break or leading
// or trailing spaces, with its quotes doubled.
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

} // namespace csv
