#include "automation/PlugInHost.h"

#include "host/AppContext.h"
#include "host/CommandTable.h"
#include "host/ConnectionState.h"
#include "host/PlugInWindow.h"
#include "host/ResourceDirSpec.h"
#include "host/TopLevelWindow.h"

PlugInHost::PlugInHost(AppContext& context, WindowFactory windowFactory, SelfLauncher& launcher)
    : m_context(context), m_windowFactory(std::move(windowFactory)), m_registration(context),
      m_deregistration(context, launcher),
      m_networkOpener(context.objectServer, context.connection, context.catalogue, context.ui),
      m_dispatcher(context, m_registration, m_deregistration)
{
}

PlugInHost::~PlugInHost() = default;

PlugInWindow& PlugInHost::window()
{
    if (!m_window)
        m_window = m_windowFactory(m_context);
    return *m_window;
}

void PlugInHost::classInitialize()
{
    ConnectionState& connection = m_context.connection;
    if (connection.directorCount == 0) {
        m_context.commands.fill();
        m_context.resourceDir = ResourceDirSpec{};
        connection.ServerOpen = false;
        connection.NetworkOpen = false;
        window();
    }
    ++connection.directorCount;
}

void PlugInHost::classTerminate()
{
    ConnectionState& connection = m_context.connection;
    --connection.directorCount;
    if (m_ending || !m_window)
        return;
    if (connection.directorCount == 0 && !m_window->window().isVisible()) {
        m_ending = true;
        m_window->EndPlugIn();
    }
}
