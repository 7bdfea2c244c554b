#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QWidget>

class QTreeWidget;
class StudentCard;

// The register as the literal design runs it, the peer the program is measured against: every
// statement pasted together as text, every query "select *", no transaction (each statement
// commits by itself), one lookup per card followed by an update or an insert, and every photo
// written to the photo temp file and loaded back from it at full size on every listing. It
// runs on its own connection to a copy of the school without the program's indexes. Dates are
// pasted as the ISO text the copy stores, so that the lookups find the rows.
class LiteralRegister
{
public:
    LiteralRegister(const QString& path, const QString& tempFolder);
    // The same design on a connection the caller opened, to a server: the statements are the
    // literal ones, with the server's quotes around "Date" and "Status" in place of brackets.
    LiteralRegister(const QString& connectionName, const QString& tempFolder, bool onServer);
    ~LiteralRegister();
    LiteralRegister(const LiteralRegister&) = delete;
    LiteralRegister& operator=(const LiteralRegister&) = delete;

    QSqlDatabase connection() const;

    // The card canvas, the same cards the program shows, six to a row.
    QWidget* canvas() { return &m_canvas; }
    const QList<StudentCard*>& cards() const { return m_cards; }

    void ClearCards();
    // S2 with the photos, one card per row, then the marks of the day.
    void ListStudent(qint64 classId, const QDate& day);
    // S3 for every card.
    void LoadAttendance(const QDate& day);
    // S3, then S4 or S5, for every card.
    void SaveAttendance(const QDate& day);
    // The Manage Classes student list: S2, every column.
    void FillStudentList(qint64 classId, QTreeWidget* list);

private:
    QString m_connection;
    bool m_ownConnection = true;
    QString m_date = QStringLiteral("[Date]");
    QString m_status = QStringLiteral("[Status]");
    QString m_tempFolder;
    QWidget m_canvas;
    QList<StudentCard*> m_cards;
    QString m_notes;
};
