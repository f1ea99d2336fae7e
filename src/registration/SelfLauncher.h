#pragma once

#include <QString>
#include <optional>

// Runs the program's own executable with one argument and waits for it to end; registration
// uses it to (de)register the automation server, whose failure must not pass unnoticed.
class SelfLauncher
{
public:
    virtual ~SelfLauncher() = default;
    // The description of the failure, or nothing when the program ran and succeeded.
    virtual std::optional<QString> start(const QString& argument) = 0;
};
