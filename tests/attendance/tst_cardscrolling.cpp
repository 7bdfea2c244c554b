#include "TestSupport.h"

#include "attendance/CardArea.h"
#include "attendance/MainWindow.h"
#include "attendance/StudentCard.h"
#include "register/Database.h"
#include "ui/ScrollBarController.h"

#include <QComboBox>
#include <QTimer>
#include <QtTest>

// The main window's card area with real classes: every card can be scrolled into view, and a
// shorter class never leaves the canvas scrolled away.
class CardScrollingTest : public QObject
{
    Q_OBJECT

private:
    static void pick(MainWindow& window, int entry)
    {
        auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        combo->setCurrentIndex(entry);
        auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
        QTRY_VERIFY(!timer->isActive());
    }

    // The part of a card the viewport shows, in viewport coordinates.
    static QRect visiblePart(const QWidget* viewport, const StudentCard* card)
    {
        const QRect inViewport(card->mapTo(viewport, QPoint(0, 0)), card->size());
        return inViewport.intersected(viewport->rect());
    }

private Q_SLOTS:
    void everyRowOfALargeClassComesIntoViewAndAShortClassComesBack()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 large = db::addClass(QStringLiteral("A large class"));
        const qint64 small = db::addClass(QStringLiteral("B small class"));
        for (int i = 0; i < 40; ++i)
            db::addStudent(QStringLiteral("Student %1").arg(i, 2, 10, QLatin1Char('0')), large, std::nullopt);
        for (int i = 0; i < 3; ++i)
            db::addStudent(QStringLiteral("Pupil %1").arg(i), small, std::nullopt);
        db::close();

        MainWindow window;
        window.setProgramEnd([] {});
        window.load();
        window.show();
        QVERIFY(env.dialogs().shown().isEmpty());
        ScrollBarController* scroll = window.cardArea()->controller();
        QVERIFY(scroll);
        QVERIFY(scroll->Visible(1));
        QWidget* viewport = window.findChild<QWidget*>(QStringLiteral("picScrollBox"));

        pick(window, 0);
        QCOMPARE(window.listedCards().size(), 40);
        const StudentCard* last = window.listedCards().last();
        QVERIFY(visiblePart(viewport, last).isEmpty());

        // The bar's last position shows the last card whole.
        scroll->setValue(1, scroll->Max(1) + 1);
        QCOMPARE(visiblePart(viewport, last).size(), last->size());
        const QWidget* canvas = window.findChild<QWidget*>(QStringLiteral("picClient"));
        QCOMPARE(canvas->y(), -scroll->Value(1));

        // A class of three would be out of sight at that position: the canvas comes back.
        pick(window, 1);
        QCOMPARE(window.listedCards().size(), 3);
        QCOMPARE(visiblePart(viewport, window.listedCards().first()).size(), window.listedCards().first()->size());

        // Back to the large class: the first row shows from the top.
        pick(window, 0);
        QCOMPARE(visiblePart(viewport, window.listedCards().first()).size(), window.listedCards().first()->size());
        window.close();
    }
};

QTEST_MAIN(CardScrollingTest)
#include "tst_cardscrolling.moc"
