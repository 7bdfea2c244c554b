#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

// Reads PDF files back with poppler's tools, as a reader's viewer would.
inline int pdfPageCount(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(60000) || info.exitCode() != 0)
        return -1;
    const QRegularExpressionMatch pages
        = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
              .match(QString::fromUtf8(info.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// The text of one page (1-based), its words separated by single spaces.
inline QString pdfPageText(const QString& path, int page)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
            QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!text.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}
