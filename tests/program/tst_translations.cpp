#include "TestSupport.h"

#include "attendance/MainWindow.h"
#include "core/Startup.h"
#include "core/StatusWords.h"
#include "reports/ReportTables.h"
#include "roster/ManageClassesWindow.h"

#include <QAction>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kTranslations = QStringLiteral(ROLLVANE_SOURCE_DIR "/translations");
const QString kPluralsOnly = QStringLiteral("rollvane_en.ts");

struct Entry
{
    QString context;
    QString source;
    QString type; // the translation's type: empty when finished
    QStringList forms; // the translation, or its plural forms
};

// lupdate writes a carriage return as <byte value="xd"/>.
QChar byteAt(QXmlStreamReader& xml)
{
    const QChar c(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
    xml.skipCurrentElement();
    return c;
}

QString textWithBytes(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.atEnd()) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement())
            text += byteAt(xml);
    }
    return text;
}

QList<Entry> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Entry entry;
            entry.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    entry.source = textWithBytes(xml);
                } else if (xml.name() == QLatin1String("translation")) {
                    entry.type = xml.attributes().value(QLatin1String("type")).toString();
                    // Either text, or one numerusform per plural form.
                    QString text;
                    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.atEnd()) {
                        if (xml.isCharacters())
                            text += xml.text();
                        else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                            entry.forms << textWithBytes(xml);
                        else if (xml.isStartElement())
                            text += byteAt(xml);
                    }
                    if (entry.forms.isEmpty())
                        entry.forms << text;
                } else {
                    xml.skipCurrentElement();
                }
            }
            entries << entry;
        }
    }
    return xml.hasError() ? QList<Entry> {} : entries;
}

// The placeholders a text fills in, as a sorted list (%n counts as one).
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.removeDuplicates();
    found.sort();
    return found;
}

QString describe(const Entry& entry)
{
    return entry.context + QStringLiteral(": ") + entry.source.left(60);
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_files = QDir(kTranslations).entryList({QStringLiteral("rollvane_*.ts")}, QDir::Files, QDir::Name);
        QCOMPARE(m_files,
            (QStringList {QStringLiteral("rollvane_de.ts"), QStringLiteral("rollvane_en.ts"),
                QStringLiteral("rollvane_es.ts"), QStringLiteral("rollvane_fr.ts"), QStringLiteral("rollvane_nl.ts")}));
    }

    void everyTranslationIsFinishedAndFillsInTheSameValues()
    {
        for (const QString& name : std::as_const(m_files)) {
            const QList<Entry> entries = readTs(kTranslations + QLatin1Char('/') + name);
            QVERIFY2(!entries.isEmpty(), qPrintable(name + QStringLiteral(" cannot be read")));
            for (const Entry& entry : entries) {
                const QString where = name + QStringLiteral(" ") + describe(entry);
                QVERIFY2(entry.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + entry.type));
                for (const QString& form : entry.forms) {
                    QVERIFY2(!form.trimmed().isEmpty(), qPrintable(where + QStringLiteral(" is empty")));
                    // A lost %2 shows the user a wrong message; a %n in only one plural form
                    // shows no number.
                    QVERIFY2(placeholders(form) == placeholders(entry.source),
                        qPrintable(where + QStringLiteral(" fills in ") + placeholders(form).join(QLatin1Char(','))));
                }
            }
        }
    }

    void translationsAreCurrentWithTheSources()
    {
        if (!QFileInfo(QStringLiteral(ROLLVANE_LUPDATE)).isExecutable())
            QSKIP(
                "lupdate (qt6-l10n-tools) is not installed, so the translations cannot be compared with the sources.");
        QTemporaryDir copies;
        const QStringList common = {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-silent"),
            QStringLiteral(ROLLVANE_SOURCE_DIR "/src")};
        QStringList full = common + QStringList {QStringLiteral("-ts")};
        // English is the sources' own language and only needs its plural forms.
        QStringList plurals = common + QStringList {QStringLiteral("-pluralonly"), QStringLiteral("-ts")};
        for (const QString& name : std::as_const(m_files)) {
            QVERIFY(QFile::copy(kTranslations + QLatin1Char('/') + name, copies.filePath(name)));
            (name == kPluralsOnly ? plurals : full) << copies.filePath(name);
        }
        for (const QStringList& arguments : {full, plurals}) {
            QProcess lupdate;
            lupdate.start(QStringLiteral(ROLLVANE_LUPDATE), arguments);
            QVERIFY(lupdate.waitForFinished(120000));
            QCOMPARE(lupdate.exitCode(), 0);
            // lupdate warns of texts it cannot file under a context; those would never be translated.
            const QString warnings = QString::fromLocal8Bit(lupdate.readAllStandardError()).trimmed();
            QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
        }
        for (const QString& name : std::as_const(m_files)) {
            // A text added to the sources comes in unfinished, one no longer there as vanished.
            const QList<Entry> entries = readTs(copies.filePath(name));
            QVERIFY2(!entries.isEmpty(), qPrintable(name + QStringLiteral(" as lupdate left it cannot be read")));
            for (const Entry& entry : entries)
                QVERIFY2(entry.type.isEmpty(),
                    qPrintable(QStringLiteral("%1 %2 is %3 against the sources; run the update_translations target "
                                              "and translate")
                                   .arg(name, describe(entry), entry.type)));
        }
    }

    void englishStartCountsInWords()
    {
        // Also with no language set at all, or one Rollvane does not ship.
        for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Japanese, QLocale::Japan),
                 QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
            for (QTranslator* installed : QCoreApplication::instance()->findChildren<QTranslator*>()) {
                QCoreApplication::removeTranslator(installed);
                delete installed;
            }
            QLocale::setDefault(locale);
            QVERIFY(startup::installTranslations());
            const auto students = [](int n) {
                return QCoreApplication::translate("AttendanceReportWindow", "%n student(s)", nullptr, n);
            };
            QCOMPARE(students(1), QStringLiteral("1 student"));
            QCOMPARE(students(2), QStringLiteral("2 students"));
        }
        QLocale::setDefault(QLocale::c());
    }

    void germanStartShowsGermanWindowsButtonsAndDates()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(startup::installTranslations());
        TestEnvironment env;
        env.openRegister();
        db::close();

        MainWindow window;
        window.load();
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("PushButton2"))->text(), QStringLiteral("Speichern"));
        QCOMPARE(window.findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(), QStringLiteral("Datum"));
        auto* picker = window.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
        picker->setDate(QDate(2026, 3, 9));
        QCOMPARE(picker->text(), QStringLiteral("09.03.2026"));
        // Reports and their date boxes give the year in full, as the picker does.
        QCOMPARE(reports::dateText(QDate(2026, 3, 9)), QStringLiteral("09.03.2026"));
        const QStringList menus = {QStringLiteral("menuRegister"), QStringLiteral("menuReports"),
            QStringLiteral("menuSetup"), QStringLiteral("menuHelp")};
        QStringList titles;
        for (const QString& name : menus)
            titles << window.findChild<QMenu*>(name)->title();
        QCOMPARE(titles,
            (QStringList {QStringLiteral("&Anwesenheit"), QStringLiteral("&Berichte"), QStringLiteral("&Einrichtung"),
                QStringLiteral("&Hilfe")}));
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("actionSave"))->text(), QStringLiteral("&Speichern"));

        ManageClassesWindow manage;
        QCOMPARE(manage.windowTitle(), QStringLiteral("Klassen verwalten"));
        // Qt's own buttons, as every message box shows them.
        QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
        // The stored word stays English; only what is shown is German.
        QCOMPARE(status::displayName(QStringLiteral("Absent")), QStringLiteral("Abwesend"));
        QLocale::setDefault(QLocale::c());
    }

private:
    QStringList m_files;
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
