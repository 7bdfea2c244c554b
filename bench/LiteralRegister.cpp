#include "LiteralRegister.h"

#include "attendance/StudentCard.h"
#include "core/Failure.h"
#include "register/Database.h"

#include <QFile>
#include <QPixmap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QVariant>

namespace {

QString quoted(QString text)
{
    return text.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString dateText(const QDate& day)
{
    return db::dateKey(day);
}

} // namespace

LiteralRegister::LiteralRegister(const QString& path, const QString& tempFolder)
    : m_connection(QStringLiteral("LiteralConnection"))
    , m_tempFolder(tempFolder)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    database.setDatabaseName(path);
    if (!database.open())
        throw Failure(database.lastError().text());
    m_canvas.resize(663, 464);
}

LiteralRegister::LiteralRegister(const QString& connectionName, const QString& tempFolder, bool onServer)
    : m_connection(connectionName)
    , m_ownConnection(false)
    , m_tempFolder(tempFolder)
{
    if (onServer) {
        m_date = QStringLiteral("\"Date\"");
        m_status = QStringLiteral("\"Status\"");
    }
    m_canvas.resize(663, 464);
}

LiteralRegister::~LiteralRegister()
{
    ClearCards();
    if (!m_ownConnection)
        return;
    {
        QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase LiteralRegister::connection() const
{
    return QSqlDatabase::database(m_connection);
}

void LiteralRegister::ClearCards()
{
    qDeleteAll(m_cards);
    m_cards.clear();
}

void LiteralRegister::ListStudent(qint64 classId, const QDate& day)
{
    QSqlQuery rs(QSqlDatabase::database(m_connection));
    if (!rs.exec(QStringLiteral("select * from tblStudents where ClassID=") + QString::number(classId)
            + QStringLiteral(" order by StudentName")))
        throw Failure(rs.lastError().text());
    int i = 0;
    while (rs.next()) {
        auto* card = new StudentCard(i, &m_canvas);
        card->move((i % 6) * (StudentCard::kWidth + 15), (i / 6) * (StudentCard::kHeight + 15));
        card->setStudent(
            rs.value(QStringLiteral("id")).toLongLong(), rs.value(QStringLiteral("StudentName")).toString());
        const QByteArray image = rs.value(QStringLiteral("Image")).toByteArray();
        if (!image.isEmpty()) {
            // The photo temp file, written and loaded back for every card.
            const QString photoFile = m_tempFolder + QStringLiteral("/Attendance.bmp");
            QFile file(photoFile);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(image) != image.size())
                throw Failure(file.errorString());
            file.close();
            QPixmap picture;
            if (QFile::exists(photoFile) && !picture.load(photoFile))
                throw Failure(QStringLiteral("The photo could not be loaded."));
            card->setPhoto(picture);
        }
        card->show();
        m_cards.append(card);
        ++i;
    }
    rs.finish();
    LoadAttendance(day);
}

void LiteralRegister::LoadAttendance(const QDate& day)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection);
    for (qsizetype i = 0; i < m_cards.size(); ++i) {
        StudentCard* card = m_cards.at(i);
        QSqlQuery rs(database);
        if (!rs.exec(QStringLiteral("select * from tblAttendance where StudentID=") + QString::number(card->studentId())
                + QStringLiteral(" and ") + m_date + QStringLiteral("='") + dateText(day) + QStringLiteral("'")))
            throw Failure(rs.lastError().text());
        if (rs.next()) {
            card->setStatus(rs.value(QStringLiteral("Status")).toString());
            if (i == 0)
                m_notes = rs.value(QStringLiteral("Notes")).toString();
        } else {
            if (i == 0)
                m_notes.clear();
            card->setStatus(QStringLiteral("Present"));
        }
    }
}

void LiteralRegister::SaveAttendance(const QDate& day)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection);
    for (StudentCard* card : std::as_const(m_cards)) {
        const QString id = QString::number(card->studentId());
        QSqlQuery rs(database);
        if (!rs.exec(QStringLiteral("select * from tblAttendance where StudentID=") + id + QStringLiteral(" and ")
                + m_date + QStringLiteral("='") + dateText(day) + QStringLiteral("'")))
            throw Failure(rs.lastError().text());
        const bool found = rs.next();
        rs.finish();
        QSqlQuery command(database);
        const QString sql = found
            ? QStringLiteral("update tblAttendance set ") + m_status + QStringLiteral("='") + card->status()
                + QStringLiteral("',Notes='") + quoted(m_notes) + QStringLiteral("' where StudentID=") + id
                + QStringLiteral(" and ") + m_date + QStringLiteral("='") + dateText(day) + QStringLiteral("'")
            : QStringLiteral("insert into tblAttendance (StudentID,") + m_date + QLatin1Char(',') + m_status
                + QStringLiteral(",Notes) values (") + id + QStringLiteral(",'") + dateText(day) + QStringLiteral("','")
                + card->status() + QStringLiteral("','") + quoted(m_notes) + QStringLiteral("')");
        if (!command.exec(sql))
            throw Failure(command.lastError().text());
    }
}

void LiteralRegister::FillStudentList(qint64 classId, QTreeWidget* list)
{
    list->clear();
    QSqlQuery rs(QSqlDatabase::database(m_connection));
    if (!rs.exec(QStringLiteral("select * from tblStudents where ClassID=") + QString::number(classId)
            + QStringLiteral(" order by StudentName")))
        throw Failure(rs.lastError().text());
    while (rs.next()) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, rs.value(QStringLiteral("id")).toString());
        item->setText(1, rs.value(QStringLiteral("StudentName")).toString());
    }
}
