#pragma once

#include "host/CommandTable.h"
#include "host/object_server/AppDevice.h"

#include <memory>

class TopLevelWindow;

// What the automation interface needs of the main window: the window itself (visibility,
// geometry, state), the hand-over of a device, and the orderly end of the plug-in.
class PlugInWindow
{
public:
    virtual ~PlugInWindow() = default;
    virtual TopLevelWindow& window() = 0;
    // May replace the device; the caller keeps the reference that comes back.
    virtual void ProcessDeviceCommand(std::shared_ptr<lns::AppDevice>& device, PlugInCommand& command) = 0;
    // Hides the window, closes system, network and object server, and ends the program.
    virtual void EndPlugIn() = 0;
};
