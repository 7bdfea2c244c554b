#include "ReportRegister.h"

#include "register/Database.h"

#include <QList>

#include <utility>

namespace {

struct Day
{
    QDate date;
    qint64 classId;
    QList<std::pair<QString, QString>> marks; // student, status
    QString notes;
};

} // namespace

ReportRegister ReportRegister::build()
{
    ReportRegister r;
    r.classA = db::addClass(QStringLiteral("7A"));
    r.classB = db::addClass(QStringLiteral("8B"));
    r.classC = db::addClass(QStringLiteral("9C"));
    r.classD = db::addClass(QStringLiteral("10D"));
    for (const char* name : {"Ann", "Ben", "Cleo", "Dev", "Zed", "Gone"})
        r.students.insert(QString::fromLatin1(name), db::addStudent(QString::fromLatin1(name), r.classA, std::nullopt));
    for (const char* name : {"Eve", "Finn"})
        r.students.insert(QString::fromLatin1(name), db::addStudent(QString::fromLatin1(name), r.classB, std::nullopt));
    r.students.insert(QStringLiteral("Ivy"), db::addStudent(QStringLiteral("Ivy"), r.classC, std::nullopt));

    const auto P = QStringLiteral("Present");
    const auto L = QStringLiteral("Late");
    const auto A = QStringLiteral("Absent");
    const auto E = QStringLiteral("Excused");
    const QList<Day> days = {
        {QDate(2024, 3, 1), r.classA,
            {{"Ann", P}, {"Ben", A}, {"Cleo", E}, {"Dev", QStringLiteral("Sick")}, {"Gone", A}}, QString()},
        {QDate(2024, 3, 1), r.classB, {{"Eve", P}, {"Finn", A}}, QString()},
        {QDate(2024, 2, 29), r.classA, {{"Ann", E}, {"Ben", P}, {"Cleo", A}, {"Dev", P}, {"Gone", A}},
            QStringLiteral("Leap day, trip to the museum, back by 3")},
        {QDate(2024, 1, 2), r.classA,
            {{"Ann", A}, {"Ben", A}, {"Cleo", P}, {"Dev", QStringLiteral("Trip")}, {"Gone", A}}, QString()},
        {QDate(2024, 1, 1), r.classA, {{"Gone", A}}, QString()},
        {QDate(2023, 12, 30), r.classC, {{"Ivy", P}}, QString()},
        {QDate(2023, 12, 29), r.classA, {{"Ann", A}, {"Ben", P}, {"Cleo", A}, {"Gone", A}}, QString()},
        {QDate(2023, 12, 29), r.classB, {{"Eve", QString()}, {"Finn", E}}, QString()},
        {QDate(2023, 12, 28), r.classA, {{"Ann", P}, {"Ben", L}, {"Cleo", A}, {"Gone", A}},
            QStringLiteral("Carol service")},
        {QDate(2023, 12, 28), r.classB, {{"Eve", P}, {"Finn", E}}, QString()},
    };
    for (const Day& day : days) {
        QList<db::CardMark> cards;
        for (const auto& [name, status] : day.marks)
            cards.append({r.students.value(name), status});
        db::saveMarks(day.date, cards, day.notes);
    }
    db::deleteStudent(r.students.value(QStringLiteral("Gone")));
    return r;
}
