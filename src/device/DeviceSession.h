#pragma once

#include "host/object_server/AppDevice.h"
#include "host/object_server/NetworkVariable.h"

#include <memory>

// The device the main window works on, replaced by every device command.
struct DeviceSession
{
    std::shared_ptr<lns::AppDevice> currentDevice;
    // Command id of the last device command.
    qint32 lastCommandId = 0;
    // The NV collection of currentDevice's interface, taken when the device is initialised.
    std::shared_ptr<lns::NetworkVariables> nvCollection;
    // Once the resource files were found they are not looked for again while the process runs.
    bool resourceFilesFound = false;
};
