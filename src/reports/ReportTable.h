#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One view of the report as rows and columns of text: what the window's tables show, what is
// printed and saved as PDF, what is exported as CSV and what rollvane-report writes. Every
// output is made from the same table, so they cannot disagree.
namespace reports {

struct ReportCell
{
    ReportCell() = default;
    ReportCell(QString text, QVariant value = QVariant())
        : text(std::move(text))
        , value(std::move(value))
    { }

    QString text; // as shown and printed, in the user's language and number format
    QVariant value; // the figure or date behind the text: sorting and CSV use it; null for text
    QString statusWord; // a stored status word: the cell is coloured as the cards colour it
    QString toolTip;
};

struct ReportColumn
{
    QString header; // may hold a line break
    QString toolTip;
    bool numeric = false; // right-aligned
    bool key = false; // printed again beside every band of columns that does not fit a page
    bool leftOutWhenZero = false; // a figure few schools have: not printed when every row holds 0
};

struct ReportTable
{
    QString view; // "Summary", "Register Sheet", ...
    QList<ReportColumn> columns;
    QList<QList<ReportCell>> rows;
    bool lastRowIsTotal = false; // stays last whatever the sort
    QStringList footnotes; // printed under the table

    // The header row and every row, as CSV fields: dates in ISO form, figures unformatted.
    QList<QStringList> records() const;
    // Plain text in aligned columns, for a terminal.
    QString text() const;
};

// A figure as the report shows it.
QString percentText(const std::optional<double>& percent);
// The CSV field of a cell: ISO dates, figures with a full stop, texts as they are.
QString csvField(const ReportCell& cell);

} // namespace reports
