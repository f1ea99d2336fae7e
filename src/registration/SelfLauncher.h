#pragma once

#include "host/Expected.h"

#include <QString>

// Runs the program's own executable with one argument and waits for it to end; registration
// uses it to (de)register the automation server, whose failure must not pass unnoticed.
class SelfLauncher
{
public:
    virtual ~SelfLauncher() = default;
    // Done when the program ran and succeeded.
    virtual Expected<void> start(const QString& argument) = 0;
};
