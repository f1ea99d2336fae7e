#include "host/support/FakePlugInWindow.h"

#include "host/object_server/AppDevice.h"

void FakePlugInWindow::ProcessDeviceCommand(std::shared_ptr<lns::AppDevice>& device, PlugInCommand& command)
{
    m_handOvers.append(HandOver{device ? device->name() : QString(), command.CommandId});
    if (m_onProcess)
        m_onProcess();
}
