#pragma once

#include <QString>
#include <exception>

// A command line that does not fit the tool's usage; main prints the usage with it.
class UsageError final : public std::exception
{
public:
    explicit UsageError(QString message) : m_message(std::move(message)) {}

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return "usage error"; }

private:
    QString m_message;
};
