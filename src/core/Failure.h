#pragma once

#include <QString>

#include <exception>

// A failure carrying the description that the error report shows: the platform's own words
// (the database driver's text, the file system's message), never a code.
class Failure : public std::exception
{
public:
    explicit Failure(QString description)
        : m_description(std::move(description))
        , m_utf8(m_description.toUtf8())
    { }

    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_description;
    QByteArray m_utf8;
};

// The description of whatever was thrown, for the error report.
QString describeFailure(std::exception_ptr failure);
