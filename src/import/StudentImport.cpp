#include "import/StudentImport.h"

#include "core/Names.h"

#include "core/Photo.h"
#include "register/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(StudentImport)
};

// Spreadsheets much larger than a school's lists are refused before they fill the memory.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

QString field(const csv::Record& record, int column)
{
    return column >= 0 && column < record.fields.size() ? record.fields.at(column).trimmed() : QString();
}

// What a column holds, by its title. Schools export from many systems in many languages: the
// titles are those of the shipped languages and the usual synonyms, compared without regard to
// case, accents' absence aside, and with "_" and "-" read as spaces.
enum class Role { None, Class, Name, First, Last, Photo, NameOrFirst, NameOrLast };

QString titleKey(const QString& title)
{
    QString key = title.trimmed().toCaseFolded();
    key.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
    return key.simplified();
}

Role roleOf(const QString& title)
{
    static const QHash<QString, Role> roles = [] {
        QHash<QString, Role> made;
        const auto add = [&made](Role role, std::initializer_list<const char*> titles) {
            for (const char* title : titles)
                made.insert(titleKey(QString::fromUtf8(title)), role);
        };
        add(Role::Class,
            {"class", "class name", "form", "form group", "tutor group", "tutorgroup", "registration group",
                "reg group", "homeroom", "klasse", "klassenname", "lerngruppe", "classe", "groupe", "clase", "grupo",
                "curso", "klas", "groep", "stamgroep"});
        add(Role::Name,
            {"name", "student", "student name", "pupil", "pupil name", "full name", "fullname", "schüler", "schülerin",
                "schülername", "vollständiger name", "élève", "nom complet", "nom de l'élève", "alumno",
                "nombre completo", "nombre del alumno", "naam", "leerling", "volledige naam", "naam leerling"});
        add(Role::First,
            {"first name", "firstname", "given name", "given names", "forename", "forenames", "vorname", "vornamen",
                "prénom", "prénoms", "prenom", "nombres", "voornaam", "voornamen", "roepnaam"});
        add(Role::Last,
            {"last name", "lastname", "surname", "family name", "nachname", "familienname", "nom de famille",
                "apellido", "apellidos", "achternaam", "familienaam"});
        add(Role::Photo,
            {"photo", "picture", "image", "photo file", "foto", "bild", "fotodatei", "imagen", "afbeelding"});
        // Alone, "Nombre" and "Nom" are the whole name; beside a surname or a first name, the other half.
        add(Role::NameOrFirst, {"nombre"});
        add(Role::NameOrLast, {"nom"});
        return made;
    }();
    return roles.value(titleKey(title), Role::None);
}

// The picture a row names, or the reason it cannot be used. Paths are taken as relative to the
// spreadsheet's folder, with Windows' backslashes read as separators, and must stay inside it
// even once links are followed.
QString resolvePhoto(const QString& folder, const QString& canonicalFolder, const QString& written, QString& resolved)
{
    QString relative = written;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(relative) || (relative.size() > 1 && relative.at(1) == QLatin1Char(':')))
        return Text::tr("the photo %1 is not given relative to the spreadsheet's folder").arg(written);
    const QString joined = QDir::cleanPath(folder + QLatin1Char('/') + relative);
    if (!joined.startsWith(folder + QLatin1Char('/')))
        return Text::tr("the photo %1 lies outside the spreadsheet's folder").arg(written);
    const QFileInfo info(joined);
    if (!info.exists())
        return Text::tr("the photo %1 was not found").arg(written);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.startsWith(canonicalFolder + QLatin1Char('/')))
        return Text::tr("the photo %1 lies outside the spreadsheet's folder").arg(written);
    if (!info.isFile())
        return Text::tr("the photo %1 is not a file").arg(written);
    const QString problem = pictureProblem(canonical);
    if (!problem.isEmpty())
        return Text::tr("the photo %1 %2").arg(written, problem);
    resolved = canonical;
    return QString();
}

} // namespace

QString pictureProblem(const QString& path)
{
    const QFileInfo info(path);
    if (info.size() > kMaxPictureFileBytes)
        return Text::tr("is too large (%1 MB; up to %2 MB can be stored)")
            .arg(info.size() / (1024 * 1024))
            .arg(kMaxPictureFileBytes / (1024 * 1024));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return Text::tr("is not a picture Rollvane can read");
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels)
        return Text::tr("is too large (%1 by %2 pixels)").arg(size.width()).arg(size.height());
    // The whole picture is read, at a small size, since a header that looks right says nothing
    // of what follows it. JPEG decodes at that size quickly.
    if (size.isValid() && !size.isEmpty())
        reader.setScaledSize(size.scaled(64, 64, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    if (reader.read().isNull())
        return Text::tr("cannot be read (%1)").arg(reader.errorString());
    return QString();
}

StudentImportPlan planStudentImport(const QString& path, std::optional<csv::Encoding> encoding)
{
    StudentImportPlan plan;
    plan.file = path;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        plan.fileError = Text::tr("The file %1 could not be read.").arg(QDir::toNativeSeparators(path));
        return plan;
    }
    if (info.size() > kMaxFileBytes) {
        plan.fileError = Text::tr("The file %1 is too large for a list of students (%2 MB).")
                             .arg(QDir::toNativeSeparators(path))
                             .arg(info.size() / (1024 * 1024));
        return plan;
    }
    const csv::DecodedText decoded = csv::decodeText(file.readAll(), encoding);
    plan.encoding = decoded.encoding;
    plan.encodingChosen = encoding.has_value();
    if (decoded.invalidLine > 0)
        plan.encodingReason
            = Text::tr("read as Windows-1252: byte %1 of line %2 (0x%3) is not UTF-8")
                  .arg(decoded.invalidColumn)
                  .arg(decoded.invalidLine)
                  .arg(QString::number(decoded.invalidByte, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    plan.separator = csv::detectSeparator(decoded.text);
    const QList<csv::Record> records = csv::parse(decoded.text, plan.separator);
    if (records.isEmpty()) {
        plan.fileError = Text::tr("The file %1 holds no rows.").arg(QDir::toNativeSeparators(path));
        return plan;
    }

    const csv::Record& header = records.first();
    QHash<Role, int> columns;
    for (int i = 0; i < header.fields.size(); ++i) {
        const Role role = roleOf(header.fields.at(i));
        if (role == Role::None)
            continue;
        if (columns.contains(role)) {
            plan.fileError = Text::tr("The first line names the column %1 twice.").arg(header.fields.at(i).trimmed());
            return plan;
        }
        columns.insert(role, i);
    }
    // The halves that depend on their neighbours.
    if (columns.contains(Role::NameOrFirst))
        columns.insert(columns.contains(Role::Last) && !columns.contains(Role::First) ? Role::First : Role::Name,
            columns.take(Role::NameOrFirst));
    if (columns.contains(Role::NameOrLast))
        columns.insert(columns.contains(Role::First) && !columns.contains(Role::Last) ? Role::Last : Role::Name,
            columns.take(Role::NameOrLast));
    const int classColumn = columns.value(Role::Class, -1);
    const int photoColumn = columns.value(Role::Photo, -1);
    int nameColumn = columns.value(Role::Name, -1);
    // First and last names are joined, first name first, when there is no whole name.
    const int firstColumn = nameColumn < 0 ? columns.value(Role::First, -1) : -1;
    const int lastColumn = nameColumn < 0 ? columns.value(Role::Last, -1) : -1;
    if (classColumn < 0 || (nameColumn < 0 && (firstColumn < 0 || lastColumn < 0))) {
        plan.fileError = Text::tr("The first line of the file must name a class column (Class, Form or Tutor group) "
                                  "and the students' names (Name, or First name and Last name), and Photo if there "
                                  "are photos. It names: %1.")
                             .arg(header.fields.join(QStringLiteral(", ")));
        return plan;
    }
    const auto nameOf = [nameColumn, firstColumn, lastColumn](const csv::Record& record) {
        if (nameColumn >= 0)
            return field(record, nameColumn);
        return QStringList({field(record, firstColumn), field(record, lastColumn)})
            .filter(QRegularExpression(QStringLiteral("\\S")))
            .join(QLatin1Char(' '));
    };

    const QString folder = QDir::cleanPath(info.absolutePath());
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    const QHash<QString, qint64> classIds = db::classIdsByNameKey();
    QHash<qint64, QSet<QString>> namesByClass;
    QSet<QString> newClassKeys;
    QHash<QString, int> seen; // class and name key -> line

    for (qsizetype r = 1; r < records.size(); ++r) {
        const csv::Record& record = records.at(r);
        StudentImportPlan::Row row {
            record.line, field(record, classColumn), nameOf(record), field(record, photoColumn), QString()};
        if (!record.error.isEmpty()) {
            row.reason = record.error;
            plan.errors.append(row);
            continue;
        }
        if (row.className.isEmpty() || row.name.isEmpty()) {
            row.reason = row.className.isEmpty() && row.name.isEmpty() ? Text::tr("no class and no name")
                : row.className.isEmpty()                              ? Text::tr("no class")
                                                                       : Text::tr("no name");
            plan.errors.append(row);
            continue;
        }
        const QString nameRefused = names::refusal(row.name);
        const QString classRefused = names::refusal(row.className);
        if (!nameRefused.isEmpty() || !classRefused.isEmpty()) {
            row.reason = nameRefused.isEmpty() ? Text::tr("class: %1").arg(classRefused) : nameRefused;
            plan.errors.append(row);
            continue;
        }
        QString photoPath;
        if (!row.photo.isEmpty()) {
            row.reason = resolvePhoto(folder, canonicalFolder, row.photo, photoPath);
            if (!row.reason.isEmpty()) {
                plan.errors.append(row);
                continue;
            }
        }

        const QString classKey = db::nameKey(row.className);
        const QString key = classKey + QChar(0) + db::nameKey(row.name);
        if (const auto earlier = seen.constFind(key); earlier != seen.constEnd()) {
            row.reason = Text::tr("listed already on line %1").arg(*earlier);
            plan.alreadyPresent.append(row);
            continue;
        }
        seen.insert(key, row.line);
        if (const auto found = classIds.constFind(classKey); found != classIds.constEnd()) {
            auto names = namesByClass.find(*found);
            if (names == namesByClass.end()) {
                QSet<QString> known;
                for (const db::StudentRow& student : db::studentsOfClass(*found, false))
                    known.insert(db::nameKey(student.name));
                names = namesByClass.insert(*found, known);
            }
            if (names->contains(db::nameKey(row.name))) {
                row.reason = Text::tr("already in the class");
                plan.alreadyPresent.append(row);
                continue;
            }
        } else if (!newClassKeys.contains(classKey)) {
            newClassKeys.insert(classKey);
            plan.newClasses << row.className;
        }
        plan.toAdd.append({row.line, row.className, row.name, photoPath});
    }
    return plan;
}
