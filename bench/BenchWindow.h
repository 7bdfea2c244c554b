#pragma once

// What the benchmark's parts share: driving the main window the way
// the measurements need (a class and a day shown without the prompts and the reload timer).

#include "Timing.h"

#include "attendance/MainWindow.h"
#include "attendance/StudentCard.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QList>
#include <QSignalBlocker>
#include <QWindow>

#include <algorithm>

inline void waitExposed(QWidget& window)
{
    QElapsedTimer timer;
    timer.start();
    while ((!window.windowHandle() || !window.windowHandle()->isExposed()) && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// Shows a class and a day on the main window without the prompts and the reload timer that a
// user's pick goes through.
inline void pick(MainWindow& window, qint64 classId, const QDate& day)
{
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* picker = window.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
    const QSignalBlocker quietCombo(combo);
    const QSignalBlocker quietPicker(picker);
    combo->setCurrentIndex(int(window.classIds().indexOf(classId)));
    picker->setDate(day);
}

inline void rebuild(MainWindow& window)
{
    window.ClearCards();
    window.ListStudent();
}

// A register's worth of clicks: every third student late, every seventh absent.
inline void markCards(const QList<StudentCard*>& cards, int variant)
{
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const qsizetype k = i + variant;
        cards.at(i)->setStatus(k % 7 == 0 ? QStringLiteral("Absent")
                : k % 3 == 0              ? QStringLiteral("Late")
                                          : QStringLiteral("Present"));
    }
}
