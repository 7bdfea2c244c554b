#include "reports/PrintedReport.h"
#include "core/DateText.h"

#include "core/StatusWords.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace reports {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

constexpr double kMarginPoints = 28; // about 1 cm
constexpr double kPaddingPoints = 3;
constexpr double kGapPoints = 8;
// No column takes more than this share of the width, so that a long name cannot push every
// figure off the page.
constexpr double kWidestColumnShare = 0.35;
// The smallest a table's text is printed at to fit the page's width.
constexpr double kSmallestPoints = 6.5;

QFont font(double points, bool bold)
{
    QFont chosen(QStringLiteral("Sans Serif"));
    chosen.setStyleHint(QFont::SansSerif);
    chosen.setPointSizeF(points);
    chosen.setBold(bold);
    return chosen;
}

} // namespace

struct PrintedReport::Page
{
    enum class Kind { Table, Notes, Picture } kind = Kind::Table;
    int band = 0;
    int firstRow = 0;
    int endRow = 0;
    int firstNote = 0;
    int endNote = 0;
    double notesTop = 0; // where the notes start on the page, under the heading
};

struct PrintedReport::Layout
{
    double unit = 1; // device units per point
    QSizeF page; // the printable area, in device units
    QFont titleFont;
    QFont textFont;
    QFont boldFont;
    double headingHeight = 0;
    double footerHeight = 0;
    double rowHeight = 0;
    double headerHeight = 0;
    QList<double> widths;
    QList<QList<int>> bands;
    QList<double> noteHeights;
    QList<Page> pages;
};

namespace {

// A page has room for fewer columns than a screen: the figures no row has (no approved activity
// in a school that records none) are left out of the print, and a footnote says so.
ReportTable leaveOutEmptyColumns(ReportTable table)
{
    QStringList left;
    for (qsizetype c = table.columns.size() - 1; c >= 0; --c) {
        if (!table.columns.at(c).leftOutWhenZero)
            continue;
        const bool empty = std::all_of(table.rows.cbegin(), table.rows.cend(),
            [c](const QList<ReportCell>& row) { return row.value(c).value.toInt() == 0; });
        if (!empty)
            continue;
        left.prepend(table.columns.at(c).header.split(QLatin1Char('\n')).join(QLatin1Char(' ')));
        table.columns.removeAt(c);
        for (QList<ReportCell>& row : table.rows) {
            if (c < row.size())
                row.removeAt(c);
        }
    }
    if (!left.isEmpty())
        table.footnotes << QCoreApplication::translate("Reports", "Left out, as no row has any: %1")
                               .arg(left.join(QStringLiteral(", ")));
    return table;
}

} // namespace

PrintedReport::PrintedReport(PrintHeading heading, ReportTable table, QPageLayout::Orientation orientation)
    : m_heading(std::move(heading))
    , m_table(leaveOutEmptyColumns(std::move(table)))
    , m_orientation(orientation)
{ }

PrintedReport::PrintedReport(PrintHeading heading, Picture picture)
    : m_heading(std::move(heading))
    , m_picture(std::move(picture))
    , m_orientation(QPageLayout::Landscape)
{ }

QPageLayout PrintedReport::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), m_orientation,
        QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints), QPageLayout::Point);
}

PrintedReport::Layout PrintedReport::layout(QPagedPaintDevice& device) const
{
    Layout out;
    out.unit = device.logicalDpiY() / 72.0;
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    out.page = area.size();
    // The sheet has many narrow columns; the other views are read at a normal size.
    const bool dense = m_table.columns.size() > 14;
    out.titleFont = font(13, true);
    out.textFont = font(dense ? 7.5 : 9, false);
    out.boldFont = font(dense ? 7.5 : 9, true);
    const QFontMetricsF title(out.titleFont, &device);
    const QFontMetricsF text(out.textFont, &device);
    const QFontMetricsF bold(out.boldFont, &device);
    const double padding = kPaddingPoints * out.unit;
    out.headingHeight = title.lineSpacing() + text.lineSpacing() * 2 + kGapPoints * out.unit;
    out.footerHeight = text.lineSpacing() + kGapPoints * out.unit;
    out.rowHeight = text.lineSpacing() + padding;

    if (m_picture) {
        Page page;
        page.kind = Page::Kind::Picture;
        out.pages.append(page);
        return out;
    }

    // Column widths from the widest text of each column.
    int headerLines = 1;
    const double widest = out.page.width() * kWidestColumnShare;
    const auto measure = [&](const QFontMetricsF& metrics) {
        out.widths.clear();
        for (qsizetype c = 0; c < m_table.columns.size(); ++c) {
            const QStringList lines = m_table.columns.at(c).header.split(QLatin1Char('\n'));
            headerLines = std::max(headerLines, int(lines.size()));
            double width = 0;
            for (const QString& line : lines)
                width = std::max(width, metrics.horizontalAdvance(line));
            for (const QList<ReportCell>& row : m_table.rows)
                width = std::max(width, metrics.horizontalAdvance(row.value(c).text));
            out.widths.append(std::min(widest, std::ceil(width + 2 * padding)));
        }
        return std::accumulate(out.widths.cbegin(), out.widths.cend(), 0.0);
    };
    // A table a little too wide for the page is printed smaller, down to a size still read
    // with ease, rather than leaving a column or two alone on pages of their own.
    // Shrunk as far as it reads even when it still needs a second band: fewer bands. The
    // padding does not shrink with the text, so a second try may be needed.
    double total = measure(bold);
    for (int attempt = 0; attempt < 3 && total > out.page.width(); ++attempt) {
        const double points = std::max(kSmallestPoints, out.textFont.pointSizeF() * out.page.width() / total * 0.98);
        if (points >= out.textFont.pointSizeF())
            break;
        out.textFont = font(points, false);
        out.boldFont = font(points, true);
        out.rowHeight = QFontMetricsF(out.textFont, &device).lineSpacing() + padding;
        total = measure(QFontMetricsF(out.boldFont, &device));
    }
    out.headerHeight = QFontMetricsF(out.boldFont, &device).lineSpacing() * headerLines + padding;

    // Bands of columns that fit the width, each beside the key columns.
    QList<int> keys;
    QList<int> others;
    double keyWidth = 0;
    for (qsizetype c = 0; c < m_table.columns.size(); ++c) {
        if (m_table.columns.at(c).key) {
            keys.append(int(c));
            keyWidth += out.widths.at(c);
        } else {
            others.append(int(c));
        }
    }
    if (keyWidth > out.page.width() / 2) {
        const double shrink = out.page.width() / 2 / keyWidth;
        for (int c : std::as_const(keys))
            out.widths[c] *= shrink;
        keyWidth = out.page.width() / 2;
    }
    QList<int> band = keys;
    double used = keyWidth;
    for (int c : std::as_const(others)) {
        if (used + out.widths.at(c) > out.page.width() && band.size() > keys.size()) {
            out.bands.append(band);
            band = keys;
            used = keyWidth;
        }
        band.append(c);
        used += out.widths.at(c);
    }
    out.bands.append(band);

    // Rows per page, under the heading and the repeated column headers.
    const double tableTop = out.headingHeight;
    const double bottom = out.page.height() - out.footerHeight;
    const int rowsPerPage = std::max(1, int((bottom - tableTop - out.headerHeight) / out.rowHeight));
    const int rowCount = int(m_table.rows.size());
    for (int b = 0; b < out.bands.size(); ++b) {
        int first = 0;
        do {
            Page page;
            page.band = b;
            page.firstRow = first;
            page.endRow = std::min(rowCount, first + rowsPerPage);
            out.pages.append(page);
            first = page.endRow;
        } while (first < rowCount);
    }

    // The footnotes, under the table on its last page as far as they fit, then on pages of
    // their own.
    const double noteWidth = out.page.width();
    for (const QString& note : m_table.footnotes) {
        out.noteHeights.append(
            text.boundingRect(QRectF(0, 0, noteWidth, 1e9), Qt::TextWordWrap, note).height() + padding);
    }
    if (!m_table.footnotes.isEmpty()) {
        const Page& last = out.pages.last();
        const double titleHeight = bold.lineSpacing() + padding;
        Page notes;
        notes.kind = Page::Kind::Notes;
        notes.notesTop
            = tableTop + out.headerHeight + (last.endRow - last.firstRow) * out.rowHeight + kGapPoints * out.unit;
        bool onTablePage = true;
        const auto close = [&](int end) {
            notes.endNote = end;
            if (onTablePage) {
                Page& table = out.pages.last();
                table.firstNote = notes.firstNote;
                table.endNote = notes.endNote;
                table.notesTop = notes.notesTop;
            } else {
                out.pages.append(notes);
            }
        };
        double y = notes.notesTop + titleHeight;
        for (int n = 0; n < int(m_table.footnotes.size()); ++n) {
            if (y + out.noteHeights.at(n) > bottom) {
                if (n > notes.firstNote) {
                    close(n);
                    notes.firstNote = n;
                } else if (!onTablePage) {
                    // A note taller than a page stands alone on its page.
                    y += out.noteHeights.at(n);
                    continue;
                }
                onTablePage = false;
                notes.notesTop = tableTop;
                y = tableTop + titleHeight;
            }
            y += out.noteHeights.at(n);
        }
        close(int(m_table.footnotes.size()));
    }
    return out;
}

int PrintedReport::pageCount(QPagedPaintDevice& device) const
{
    return int(layout(device).pages.size());
}

bool PrintedReport::paint(QPagedPaintDevice& device, const Progress& progress) const
{
    const Layout out = layout(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QFontMetricsF title(out.titleFont, &device);
    const QFontMetricsF text(out.textFont, &device);
    const QFontMetricsF bold(out.boldFont, &device);
    const double padding = kPaddingPoints * out.unit;
    const QColor paper = Qt::white;
    const QColor ink = Qt::black;
    const QColor rule(150, 150, 150);
    const QColor shade(232, 232, 232);
    const int pages = int(out.pages.size());
    const QString printed = Text::tr("Printed %1").arg(shortDateTimeText(m_heading.printedAt));
    QString titleText = Text::tr("Attendance Register");
    if (!m_heading.schoolName.trimmed().isEmpty())
        titleText += QStringLiteral(" \u2014 ") + m_heading.schoolName.trimmed();
    const QString about
        = QStringList {m_heading.view, m_heading.scope, m_heading.range}.join(QStringLiteral(" \u00b7 "));

    for (int p = 0; p < pages; ++p) {
        if (progress && !progress(p, pages)) {
            painter.end();
            return false;
        }
        if (p > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        const Page& page = out.pages.at(p);
        painter.setPen(ink);

        // The heading.
        painter.setFont(out.titleFont);
        painter.drawText(QRectF(0, 0, out.page.width(), title.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter,
            title.elidedText(titleText, Qt::ElideRight, out.page.width() * 0.7));
        painter.setFont(out.textFont);
        painter.drawText(
            QRectF(0, 0, out.page.width(), title.lineSpacing()), Qt::AlignRight | Qt::AlignVCenter, printed);
        painter.drawText(QRectF(0, title.lineSpacing(), out.page.width(), text.lineSpacing() * 1.5),
            Qt::AlignLeft | Qt::AlignVCenter, text.elidedText(about, Qt::ElideRight, out.page.width()));
        painter.setPen(QPen(ink, 0.75 * out.unit));
        const double headingRule = out.headingHeight - kGapPoints * out.unit / 2;
        painter.drawLine(QPointF(0, headingRule), QPointF(out.page.width(), headingRule));

        // The footer.
        painter.setPen(ink);
        painter.drawText(QRectF(0, out.page.height() - text.lineSpacing(), out.page.width(), text.lineSpacing()),
            Qt::AlignHCenter | Qt::AlignVCenter, Text::tr("Page %1 of %2").arg(p + 1).arg(pages));

        const double top = out.headingHeight;
        if (page.kind == Page::Kind::Picture) {
            m_picture(painter, QRectF(0, top, out.page.width(), out.page.height() - top - out.footerHeight));
            continue;
        }

        if (page.kind == Page::Kind::Table) {
            const QList<int>& columns = out.bands.at(page.band);
            double width = 0;
            for (int c : columns)
                width += out.widths.at(c);
            // The column headers, on every page.
            painter.fillRect(QRectF(0, top, width, out.headerHeight), shade);
            painter.setFont(out.boldFont);
            double x = 0;
            for (int c : columns) {
                const ReportColumn& column = m_table.columns.at(c);
                const double w = out.widths.at(c);
                const QRectF cell(x + padding, top, w - 2 * padding, out.headerHeight);
                QStringList lines = column.header.split(QLatin1Char('\n'));
                for (QString& line : lines)
                    line = bold.elidedText(line, Qt::ElideRight, cell.width());
                painter.drawText(cell, (column.numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom,
                    lines.join(QLatin1Char('\n')));
                x += w;
            }
            double y = top + out.headerHeight;
            for (int r = page.firstRow; r < page.endRow; ++r) {
                const bool total = m_table.lastRowIsTotal && r == int(m_table.rows.size()) - 1;
                const QList<ReportCell>& row = m_table.rows.at(r);
                painter.setFont(total ? out.boldFont : out.textFont);
                const QFontMetricsF& metrics = total ? bold : text;
                x = 0;
                for (int c : columns) {
                    const ReportColumn& column = m_table.columns.at(c);
                    const ReportCell cell = row.value(c);
                    const double w = out.widths.at(c);
                    const std::optional<QColor> colour
                        = cell.statusWord.isEmpty() ? std::nullopt : status::colour(cell.statusWord, paper);
                    painter.setPen(colour ? *colour : ink);
                    Qt::Alignment align = column.numeric ? Qt::AlignRight : Qt::AlignLeft;
                    // A day's letter stands in the middle of its narrow column.
                    if (!column.key && !column.numeric && metrics.horizontalAdvance(cell.text) < w / 2
                        && m_table.columns.size() > 14)
                        align = Qt::AlignHCenter;
                    painter.drawText(QRectF(x + padding, y, w - 2 * padding, out.rowHeight), align | Qt::AlignVCenter,
                        metrics.elidedText(cell.text, Qt::ElideRight, w - 2 * padding));
                    x += w;
                }
                painter.setPen(QPen(total ? ink : rule, (total ? 0.75 : 0.3) * out.unit));
                if (total)
                    painter.drawLine(QPointF(0, y), QPointF(width, y));
                painter.drawLine(QPointF(0, y + out.rowHeight), QPointF(width, y + out.rowHeight));
                y += out.rowHeight;
            }
            if (m_table.rows.isEmpty()) {
                painter.setPen(ink);
                painter.setFont(out.textFont);
                painter.drawText(QRectF(0, y + padding, out.page.width(), out.rowHeight), Qt::AlignLeft,
                    Text::tr("Nothing to show for these choices."));
            }
        }

        if (page.endNote > page.firstNote) {
            double y = page.notesTop;
            painter.setPen(ink);
            painter.setFont(out.boldFont);
            painter.drawText(QRectF(0, y, out.page.width(), bold.lineSpacing()), Qt::AlignLeft, Text::tr("Notes"));
            y += bold.lineSpacing() + padding;
            painter.setFont(out.textFont);
            for (int n = page.firstNote; n < page.endNote; ++n) {
                painter.drawText(
                    QRectF(0, y, out.page.width(), out.noteHeights.at(n)), Qt::TextWordWrap, m_table.footnotes.at(n));
                y += out.noteHeights.at(n);
            }
        }
    }
    if (progress)
        progress(pages, pages);
    return painter.end();
}

QByteArray PrintedReport::pdf(const Progress& progress) const
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageLayout(pageLayout());
        writer.setTitle(Text::tr("Attendance Register") + QStringLiteral(" \u2014 ") + m_heading.view);
        writer.setCreator(QStringLiteral("Rollvane"));
        if (!paint(writer, progress))
            return QByteArray();
    }
    return bytes;
}

} // namespace reports
