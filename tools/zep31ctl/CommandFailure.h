#pragma once

#include <QString>
#include <exception>

// A command that cannot go on: an unknown network, device or point, a bad file. main prints
// the message as one line and ends with the status.
class CommandFailure final : public std::exception
{
public:
    enum Status
    {
        Failed = 1,
        BadInput = 2,
        // Ended early on SIGINT or SIGTERM, after the step under way.
        Interrupted = 3
    };

    explicit CommandFailure(QString message, Status status = BadInput)
        : m_message(std::move(message)), m_status(status)
    {
    }

    const QString& message() const noexcept { return m_message; }
    Status status() const noexcept { return m_status; }
    const char* what() const noexcept override { return "command failure"; }

private:
    QString m_message;
    Status m_status;
};
