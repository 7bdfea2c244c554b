#include "attendance/StudentCard.h"
#include "core/StatusWords.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(60, 120, 220));
    return dark;
}

QColor background(const StudentCard& card)
{
    return card.palette().color(QPalette::Base);
}

} // namespace

// One card on its own: what it shows of a student and a status, in any theme.
class TestStudentCard : public QObject
{
    Q_OBJECT

private:
    QPalette m_light;

private Q_SLOTS:
    void initTestCase() { m_light = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(m_light); }

    void statusWordsKeepTheirHueAndReadOnADarkCard()
    {
        // On the light card of the default palette the words keep the colours they always had.
        {
            StudentCard card(0, nullptr);
            const QList<std::pair<const char*, QColor>> designed = {{status::kPresent, QColor(0, 0, 0)},
                {status::kLate, QColor(0, 0, 255)}, {status::kAbsent, QColor(255, 0, 0)}};
            for (const auto& [word, colour] : designed) {
                card.setStatus(QString::fromLatin1(word));
                QCOMPARE(card.statusColour(), colour);
            }
        }

        QApplication::setPalette(darkPalette());
        StudentCard card(0, nullptr);
        QVERIFY(background(card).lightness() < 60);
        for (const QString& word : status::known()) {
            card.setStatus(word);
            const QColor shown = card.statusColour();
            QVERIFY2(status::contrast(shown, background(card)) >= 4.5, qPrintable(word));
            const QColor light = *status::colour(word, Qt::white);
            if (light.hslSaturation() > 0)
                QVERIFY2(qAbs(shown.hslHue() - light.hslHue()) <= 6, qPrintable(word));
        }

        // A word of another tool keeps the colour the card showed; a change of theme gives that
        // colour the shade the new background needs, and the stored word stays as it was.
        card.setStatus(QString::fromLatin1(status::kLate));
        card.setStatus(QStringLiteral("Sick"));
        QCOMPARE(card.status(), QStringLiteral("Sick"));
        QCOMPARE(card.statusLabel()->text(), QStringLiteral("Sick"));
        QCOMPARE(card.statusColour(), *status::cardColour(QString::fromLatin1(status::kLate), background(card)));
        QApplication::setPalette(m_light);
        QTRY_COMPARE(card.statusColour(), QColor(0, 0, 255));
    }

    void initials_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("initials");
        QTest::newRow("two words") << QStringLiteral("Ben Li") << QStringLiteral("BL");
        QTest::newRow("first and last of many") << QStringLiteral("anna maria de la cruz") << QStringLiteral("AC");
        QTest::newRow("opening punctuation") << QStringLiteral("Li (twin)") << QStringLiteral("LT");
        QTest::newRow("combining accent") << QStringLiteral("e\u0301mile zola") << QStringLiteral("E\u0301Z");
        QTest::newRow("beyond the basic plane") << QStringLiteral("\U00020000x Ann") << QStringLiteral("\U00020000A");
        QTest::newRow("no letters") << QStringLiteral(" - ") << QString();
    }

    void initials()
    {
        QFETCH(QString, name);
        QFETCH(QString, initials);
        QCOMPARE(StudentCard::initialsOf(name), initials);
    }

    void cardShowsInitialsOrPhotoAndElidesLongNames()
    {
        StudentCard card(0, nullptr);
        card.setStudent(7, QStringLiteral("Ben Li"));
        card.setPhoto(QPixmap());
        QVERIFY(!card.hasPhoto());
        QCOMPARE(card.photo()->text(), QStringLiteral("BL"));
        QPixmap photo(StudentCard::kPhotoSize);
        photo.fill(Qt::green);
        card.setPhoto(photo);
        QVERIFY(card.hasPhoto());
        QVERIFY(card.photo()->text().isEmpty());
        // A new student on a reused card without a photo gets their own initials.
        card.setPhoto(QPixmap());
        card.setStudent(8, QStringLiteral("Cid Moss"));
        QCOMPARE(card.photo()->text(), QStringLiteral("CM"));

        QCOMPARE(card.nameLabel()->text(), QStringLiteral("Cid Moss"));
        const QString longName = QStringLiteral("Maximiliana Wolkenstein-Oberhausen");
        card.setStudent(9, longName);
        // Two lines, broken at a space, before the end is elided; each line fits the card.
        const QStringList shown = card.nameLabel()->text().split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.first(), QStringLiteral("Maximiliana"));
        QVERIFY2(shown.last().endsWith(QChar(0x2026)) && shown.last().size() > 3, qPrintable(shown.last()));
        QVERIFY(longName.endsWith(QStringLiteral("Wolkenstein-Oberhausen")));
        QVERIFY(QStringLiteral("Wolkenstein-Oberhausen").startsWith(shown.last().chopped(1)));
        for (const QString& line : shown)
            QVERIFY(
                card.nameLabel()->fontMetrics().horizontalAdvance(line) <= card.nameLabel()->contentsRect().width());
        QVERIFY(card.nameLabel()->geometry().bottom() <= card.statusLabel()->geometry().top());
        QCOMPARE(card.studentName(), longName);
        QVERIFY(card.toolTip().contains(longName));
        QVERIFY(card.nameLabel()->toolTip().contains(longName));
    }

    void assistiveTechnologyReadsStudentStatusAndRemark()
    {
        StudentCard card(0, nullptr);
        card.setStudent(3, QStringLiteral("Ben Li"));
        card.setStatus(QString::fromLatin1(status::kLate));
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&card);
        QVERIFY(read);
        QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Ben Li, Late"));
        card.setStatus(QString::fromLatin1(status::kExcused));
        QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Ben Li, Excused"));

        card.setRemark(QStringLiteral("doctor's note"));
        QVERIFY(read->text(QAccessible::Description).contains(QStringLiteral("doctor's note")));
        QVERIFY(card.toolTip().contains(QStringLiteral("doctor's note")));
        card.setRemark(QString());
        QVERIFY(!read->text(QAccessible::Description).contains(QStringLiteral("doctor")));
        QVERIFY(!card.toolTip().contains(QStringLiteral("doctor")));
    }
};

QTEST_MAIN(TestStudentCard)
#include "tst_studentcard.moc"
