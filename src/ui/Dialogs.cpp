#include "ui/Dialogs.h"

#include "core/UserSettings.h"

#include "core/SharedRoutines.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace {

std::unique_ptr<UserDialogs>& current()
{
    static std::unique_ptr<UserDialogs> instance = std::make_unique<QtDialogs>();
    return instance;
}

QMessageBox::Icon toQt(UserDialogs::Icon icon)
{
    switch (icon) {
    case UserDialogs::Icon::Information:
        return QMessageBox::Information;
    case UserDialogs::Icon::Warning:
        return QMessageBox::Warning;
    case UserDialogs::Icon::Question:
        return QMessageBox::Question;
    case UserDialogs::Icon::Critical:
        return QMessageBox::Critical;
    case UserDialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString captionOrTitle(const QString& caption)
{
    return caption.isEmpty() ? applicationTitle() : caption;
}

// "Image Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|" names pairs of description and patterns;
// Qt wants "Image Files (*.bmp *.jpg *.gif)" entries separated by ";;".
QString toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const qsizetype open = description.indexOf(QLatin1Char('('));
        if (open >= 0)
            description = description.left(open).trimmed();
        entries << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return entries.isEmpty() ? filter : entries.join(QStringLiteral(";;"));
}

} // namespace

UserDialogs& dialogs()
{
    return *current();
}

std::unique_ptr<UserDialogs> setDialogs(std::unique_ptr<UserDialogs> replacement)
{
    std::unique_ptr<UserDialogs> previous = std::move(current());
    current() = std::move(replacement);
    return previous;
}

QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void QtDialogs::message(QWidget* parent, const QString& text, const QString& caption, Icon icon)
{
    QMessageBox box(toQt(icon), captionOrTitle(caption), displayText(text), QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& text, const QString& caption, Icon icon, Default preset)
{
    QMessageBox box(toQt(icon), captionOrTitle(caption), displayText(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(preset == Default::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

UserDialogs::Answer QtDialogs::questionWithCancel(
    QWidget* parent, const QString& text, const QString& caption, Icon icon)
{
    QMessageBox box(toQt(icon), captionOrTitle(caption), displayText(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::inputBox(
    QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text
        = QInputDialog::getText(parent, captionOrTitle(title), prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

namespace {

// File dialogs start where the user last chose a file or folder, else in their documents
// folder: never in whatever folder the program happened to be started from.
QString startFolder()
{
    const QString kept = userSettings()->value(QStringLiteral("dialogs/folder")).toString();
    if (!kept.isEmpty() && QFileInfo(kept).isDir())
        return kept;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString keepFolderOf(const QString& chosen, bool isFolder)
{
    if (!chosen.isEmpty())
        userSettings()->setValue(
            QStringLiteral("dialogs/folder"), isFolder ? chosen : QFileInfo(chosen).absolutePath());
    return chosen;
}

} // namespace

QString QtDialogs::openFileName(QWidget* parent, const QString& title, const QString& filter)
{
    // The bracketed patterns would make the filter's label unreadable; the description says enough.
    return keepFolderOf(QFileDialog::getOpenFileName(parent, title, startFolder(),
                            anyCaseFileFilter(toQtFilter(filter)), nullptr, QFileDialog::HideNameFilterDetails),
        false);
}

QString QtDialogs::existingFolder(QWidget* parent, const QString& title)
{
    return keepFolderOf(QFileDialog::getExistingDirectory(parent, title, startFolder()), true);
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& suggested)
{
    // A bare name is offered in the folder the dialogs start in.
    QString start = suggested;
    if (QDir::isRelativePath(start))
        start = startFolder() + QLatin1Char('/') + start;
    return keepFolderOf(QFileDialog::getSaveFileName(parent, title, start, toQtFilter(filter)), false);
}

bool QtDialogs::printSetup(QWidget* parent, QPrinter* printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::printPreview(QWidget* parent, QPrinter* printer, const std::function<void(QPrinter*)>& paint)
{
    QPrintPreviewDialog dialog(printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    if (parent)
        dialog.resize(parent->window()->size());
    dialog.exec();
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Shown& shown : m_shown) {
        if (shown.kind == Kind::Message)
            texts << shown.text;
    }
    return texts;
}

ScriptedDialogs::Reply ScriptedDialogs::next()
{
    if (m_replies.empty())
        return {};
    Reply reply = m_replies.front();
    m_replies.pop_front();
    return reply;
}

void ScriptedDialogs::message(QWidget*, const QString& text, const QString& caption, Icon icon)
{
    m_shown.append({Kind::Message, text, captionOrTitle(caption), icon, false});
}

bool ScriptedDialogs::question(QWidget*, const QString& text, const QString& caption, Icon icon, Default preset)
{
    const Reply reply = next();
    const bool answered = reply.type == Reply::Type::Yes || reply.type == Reply::Type::No;
    m_shown.append({Kind::Question, text, captionOrTitle(caption), icon, !answered, preset == Default::No});
    return reply.type == Reply::Type::Yes;
}

UserDialogs::Answer ScriptedDialogs::questionWithCancel(
    QWidget*, const QString& text, const QString& caption, Icon icon)
{
    const Reply reply = next();
    const bool answered
        = reply.type == Reply::Type::Yes || reply.type == Reply::Type::No || reply.type == Reply::Type::Cancel;
    m_shown.append({Kind::Question, text, captionOrTitle(caption), icon, !answered});
    if (reply.type == Reply::Type::Yes)
        return Answer::Yes;
    return reply.type == Reply::Type::No ? Answer::No : Answer::Cancel;
}

std::optional<QString> ScriptedDialogs::inputBox(QWidget*, const QString& prompt, const QString& title, const QString&)
{
    if (const auto standing = m_standing.constFind(title); standing != m_standing.constEnd()) {
        m_shown.append({Kind::InputBox, prompt, captionOrTitle(title), Icon::None, false});
        return *standing;
    }
    const Reply reply = next();
    const bool answered = reply.type == Reply::Type::Text || reply.type == Reply::Type::Cancel;
    m_shown.append({Kind::InputBox, prompt, captionOrTitle(title), Icon::None, !answered});
    if (reply.type != Reply::Type::Text)
        return std::nullopt;
    return reply.text;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title, const QString& filter)
{
    return pathReply(Kind::OpenFile, filter, title);
}

QString ScriptedDialogs::existingFolder(QWidget*, const QString& title)
{
    return pathReply(Kind::Folder, QString(), title);
}

QString ScriptedDialogs::pathReply(Kind kind, const QString& text, const QString& title)
{
    const Reply reply = next();
    const bool answered = reply.type == Reply::Type::Text || reply.type == Reply::Type::Cancel;
    m_shown.append({kind, text, title, Icon::None, !answered});
    return reply.type == Reply::Type::Text ? reply.text : QString();
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& title, const QString&, const QString& suggested)
{
    const Reply reply = next();
    const bool answered = reply.type == Reply::Type::Text || reply.type == Reply::Type::Cancel;
    m_shown.append({Kind::SaveFile, suggested, title, Icon::None, !answered});
    return reply.type == Reply::Type::Text ? reply.text : QString();
}

bool ScriptedDialogs::printSetup(QWidget*, QPrinter* printer)
{
    const Reply reply = next();
    const bool answered = reply.type == Reply::Type::Text || reply.type == Reply::Type::Yes
        || reply.type == Reply::Type::No || reply.type == Reply::Type::Cancel;
    m_shown.append({Kind::Print, printer->docName(), QString(), Icon::None, !answered});
    if (reply.type == Reply::Type::Text) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(reply.text);
        return true;
    }
    return reply.type == Reply::Type::Yes;
}

void ScriptedDialogs::printPreview(QWidget*, QPrinter* printer, const std::function<void(QPrinter*)>& paint)
{
    const Reply reply = next();
    const bool answered = reply.type == Reply::Type::Text || reply.type == Reply::Type::Cancel;
    m_shown.append({Kind::Preview, printer->docName(), QString(), Icon::None, !answered});
    if (reply.type == Reply::Type::Text) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(reply.text);
        paint(printer);
    }
}

QString qtFileFilter(const QString& filter)
{
    return toQtFilter(filter);
}

QString anyCaseFileFilter(const QString& qtFilter)
{
    // Only the patterns between the parentheses are rewritten; the descriptions stay as written.
    QString result;
    bool inPatterns = false;
    for (const QChar c : qtFilter) {
        if (c == QLatin1Char('('))
            inPatterns = true;
        else if (c == QLatin1Char(')'))
            inPatterns = false;
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (inPatterns && lower != upper)
            result += QLatin1Char('[') + lower + upper + QLatin1Char(']');
        else
            result += c;
    }
    return result;
}
