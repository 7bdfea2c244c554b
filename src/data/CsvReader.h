#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Reading a spreadsheet saved as comma-, semicolon- or tab-separated text, as school offices
// save them: pure functions, no files and no register.
namespace csv {

enum class Encoding { Utf8, Utf16, Windows1252 };

struct DecodedText
{
    QString text;
    Encoding encoding = Encoding::Utf8;
};

// The text of a file's bytes: UTF-8 (with or without its byte-order mark), UTF-16 with its
// byte-order mark, and anything that is not valid UTF-8 as Windows-1252, which is what older
// spreadsheet programs save.
DecodedText decode(const QByteArray& bytes);

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
// breaks; lines end in CRLF, LF or CR. Empty lines, and lines of empty fields only, are no
// records. A quote left open swallows the rest of the text into one record, which carries an
// error saying so.
QList<Record> parse(const QString& text, QChar separator);

} // namespace csv
