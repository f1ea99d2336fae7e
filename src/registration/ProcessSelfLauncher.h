#pragma once

#include "registration/SelfLauncher.h"

#include <chrono>

// Runs an executable (this one unless told otherwise) as a child process, never through a
// shell, and waits for it: a run that cannot start, crashes, ends with a status other than 0
// or outlasts its time is a failure, described by what the child wrote to its error output.
class ProcessSelfLauncher final : public SelfLauncher
{
public:
    static constexpr std::chrono::milliseconds DefaultTimeout{std::chrono::seconds(30)};

    explicit ProcessSelfLauncher(QString program = QString(),
                                 std::chrono::milliseconds timeout = DefaultTimeout);

    Expected<void> start(const QString& argument) override;

private:
    QString m_program;
    std::chrono::milliseconds m_timeout;
};
