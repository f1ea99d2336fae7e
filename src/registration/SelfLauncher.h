#pragma once

#include <QString>
#include <optional>

// Starts the program's own executable with one argument, without waiting for it; registration
// uses it to (de)register the automation server.
class SelfLauncher
{
public:
    virtual ~SelfLauncher() = default;
    // The description of the failure, or nothing when the program was started.
    virtual std::optional<QString> start(const QString& argument) = 0;
};
