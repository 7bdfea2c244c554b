#pragma once

// What the fault suite and its helper process say to each other. The helper writes one line
// per event to its standard output and flushes it at once, so a line the suite has read is a
// thing that really happened before the helper died.
//
//   ready                                   set up, waiting for "go" when asked to
//   begin <label> <class> <date> <letters>   about to save; one letter per student (P, L, A)
//   done <label>                            the save returned: it reported success
//   failed <label> <message>                the save threw; message is the user's text
//   locked                                  hold-lock: the write lock is taken
//   released                                hold-lock: the lock is given back
//   ready <round>                           race: the day's marks are loaded
//   done|conflict <round> <letters>          race: saved, or refused because another saved first

#include <QChar>
#include <QDate>
#include <QRandomGenerator>
#include <QString>

namespace faults {

inline constexpr auto kHelperName = "helper_faults_worker";

// Characters that break SQL built by hand, plus text that trips up naive encodings.
inline QString hostileTail()
{
    return QStringLiteral(" ' \" ; -- % _ \\ \U0001F469\u200D\U0001F393 \u05E9\u05DC\u05D5\u05DD \u202Etxt");
}

// The notes a save writes: the save's label first, so the stored row says which save it was.
inline QString notesFor(const QString& label)
{
    return label + hostileTail();
}

// The label back out of stored notes.
inline QString labelOf(const QString& notes)
{
    return notes.section(QLatin1Char(' '), 0, 0);
}

inline QString statusWord(QChar letter)
{
    switch (letter.unicode()) {
    case 'L':
        return QStringLiteral("Late");
    case 'A':
        return QStringLiteral("Absent");
    default:
        return QStringLiteral("Present");
    }
}

inline QChar statusLetter(const QString& word)
{
    if (word == QLatin1String("Late"))
        return QLatin1Char('L');
    if (word == QLatin1String("Absent"))
        return QLatin1Char('A');
    if (word == QLatin1String("Present"))
        return QLatin1Char('P');
    return QLatin1Char('?');
}

inline QString randomLetters(QRandomGenerator& random, int count)
{
    static const QString letters = QStringLiteral("PLA");
    QString result;
    for (int i = 0; i < count; ++i)
        result += letters.at(int(random.bounded(3)));
    return result;
}

// The days the kill test saves on: a month, so most saves update rows an earlier save wrote.
inline QDate firstDay()
{
    return QDate(2026, 3, 2);
}
inline constexpr int kDays = 30;

} // namespace faults
