#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// Every message box, input box and file dialog of the program goes through this one layer, so
// that tests can answer them with scripted replies.
class UserDialogs
{
public:
    enum class Icon { None, Information, Warning, Question, Critical };

    virtual ~UserDialogs() = default;

    // A message with a single OK button. An empty caption means the application title.
    virtual void message(QWidget* parent, const QString& text, const QString& caption, Icon icon) = 0;
    // A question with Yes and No; true for Yes. Closing the box counts as No. A question whose
    // Yes destroys something makes No the default, so that Enter pressed in haste keeps it.
    enum class Default { Yes, No };
    virtual bool question(
        QWidget* parent, const QString& text, const QString& caption, Icon icon, Default preset = Default::Yes)
        = 0;
    // A question with Yes, No and Cancel, for a choice whose No throws something away: Escape and
    // closing the box count as Cancel, which leaves everything as it was.
    enum class Answer { Yes, No, Cancel };
    virtual Answer questionWithCancel(QWidget* parent, const QString& text, const QString& caption, Icon icon) = 0;
    // An input box; no value when the user cancelled, an empty text when confirmed empty.
    virtual std::optional<QString> inputBox(
        QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText)
        = 0;
    // A file-open dialog; an empty path when the user cancelled. The filter's patterns match file
    // names in any case.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // A file-save dialog that starts at the suggested path and asks before replacing a file;
    // an empty path when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& suggested)
        = 0;
    // A folder choice; an empty path when the user cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& title) = 0;
    // The platform's print dialog, which sets up the printer; false when the user cancelled.
    virtual bool printSetup(QWidget* parent, QPrinter* printer) = 0;
    // A print preview of the pages paint draws on the printer, from which the user may print.
    virtual void printPreview(QWidget* parent, QPrinter* printer, const std::function<void(QPrinter*)>& paint) = 0;
};

// The dialogs the program uses now. Starts as the Qt implementation.
UserDialogs& dialogs();
// Replaces the dialogs layer (tests install a scripted one); returns the previous one.
std::unique_ptr<UserDialogs> setDialogs(std::unique_ptr<UserDialogs> replacement);

// Message-box texts arrive with the carriage returns of the original report format; Qt wants
// line feeds.
QString displayText(QString text);

// The Qt form of a "Description (*.a;*.b)|*.a;*.b|" file filter.
QString qtFileFilter(const QString& filter);
// The same filter with every pattern matching names in any case ("*.jpg" as "*.[jJ][pP][gG]"):
// file dialogs on Linux, Qt's and the desktop's, match patterns case-sensitively, and cameras
// write IMG_0001.JPG.
QString anyCaseFileFilter(const QString& qtFilter);

class QtDialogs : public UserDialogs
{
public:
    void message(QWidget* parent, const QString& text, const QString& caption, Icon icon) override;
    bool question(QWidget* parent, const QString& text, const QString& caption, Icon icon,
        Default preset = Default::Yes) override;
    Answer questionWithCancel(QWidget* parent, const QString& text, const QString& caption, Icon icon) override;
    std::optional<QString> inputBox(
        QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(
        QWidget* parent, const QString& title, const QString& filter, const QString& suggested) override;
    QString existingFolder(QWidget* parent, const QString& title) override;
    bool printSetup(QWidget* parent, QPrinter* printer) override;
    void printPreview(QWidget* parent, QPrinter* printer, const std::function<void(QPrinter*)>& paint) override;
};

// Answers dialogs from a queue of replies and records every dialog shown. A dialog with no
// reply queued is answered with the safe default (OK, No, cancel; Cancel where there is one)
// and marked unexpected.
class ScriptedDialogs : public UserDialogs
{
public:
    enum class Kind { Message, Question, InputBox, OpenFile, SaveFile, Folder, Print, Preview };

    struct Shown
    {
        Kind kind;
        QString text; // message text, question text, input prompt, file dialog filter or suggested name,
                      // the printed document's name
        QString caption;
        Icon icon = Icon::None;
        bool unexpected = false;
        bool noIsDefault = false; // a question whose default button is No
    };

    struct Reply
    {
        enum class Type { None, Yes, No, Text, Cancel } type = Type::None;
        QString text;
    };

    void answerYes() { m_replies.push_back({Reply::Type::Yes, {}}); }
    void answerNo() { m_replies.push_back({Reply::Type::No, {}}); }
    void answerText(const QString& text) { m_replies.push_back({Reply::Type::Text, text}); }
    void answerFile(const QString& path) { m_replies.push_back({Reply::Type::Text, path}); }
    void answerFolder(const QString& path) { m_replies.push_back({Reply::Type::Text, path}); }
    void answerCancel() { m_replies.push_back({Reply::Type::Cancel, {}}); }
    // A print dialog answered with a file prints to that PDF file; answered Yes, to the printer
    // as it was set up.
    void answerPrintToFile(const QString& path) { m_replies.push_back({Reply::Type::Text, path}); }

    // Every input box with this title is answered with the text, ahead of the replies queued:
    // for tests about something else that meet a question on the way (the reason for changing
    // an earlier day's marks).
    void answerAlways(const QString& title, const QString& text) { m_standing.insert(title, text); }

    const std::deque<Reply>& pendingReplies() const { return m_replies; }
    QList<Shown>& shown() { return m_shown; }
    QStringList messages() const; // texts of the message boxes, in order
    void clear()
    {
        m_shown.clear();
        m_replies.clear();
    }

    void message(QWidget* parent, const QString& text, const QString& caption, Icon icon) override;
    bool question(QWidget* parent, const QString& text, const QString& caption, Icon icon,
        Default preset = Default::Yes) override;
    Answer questionWithCancel(QWidget* parent, const QString& text, const QString& caption, Icon icon) override;
    std::optional<QString> inputBox(
        QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(
        QWidget* parent, const QString& title, const QString& filter, const QString& suggested) override;
    QString existingFolder(QWidget* parent, const QString& title) override;
    bool printSetup(QWidget* parent, QPrinter* printer) override;
    // A file path replied makes the preview's pages a PDF there, to be looked at.
    void printPreview(QWidget* parent, QPrinter* printer, const std::function<void(QPrinter*)>& paint) override;

private:
    QString pathReply(Kind kind, const QString& text, const QString& title);

    Reply next();

    std::deque<Reply> m_replies;
    QHash<QString, QString> m_standing;
    QList<Shown> m_shown;
};
