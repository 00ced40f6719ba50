#pragma once

#include <QString>

#include <stdexcept>

// A file the program needs could not be read. Raised where a Part says the error goes up to the
// general error report (a missing WSI.INI in the middle of a calculation); the user sees Message().
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};
