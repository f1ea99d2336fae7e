#pragma once

#include "entry/CommandDispatcher.h"
#include "host/NetworkOpener.h"
#include "registration/NetworkRegistration.h"
#include "registration/PlugInDeregistration.h"

#include <functional>
#include <memory>

class PlugInWindow;
class SelfLauncher;
struct AppContext;

// What all automation instances of the process share: the main window (loaded with the first
// instance), the network connection and the command dispatch, and the count of instances
// that decides when the plug-in ends.
class PlugInHost final
{
public:
    using WindowFactory = std::function<std::unique_ptr<PlugInWindow>(AppContext&)>;

    PlugInHost(AppContext& context, WindowFactory windowFactory, SelfLauncher& launcher);
    ~PlugInHost();
    PlugInHost(const PlugInHost&) = delete;
    PlugInHost& operator=(const PlugInHost&) = delete;

    AppContext& context() { return m_context; }
    // Loads the main window (without showing it) when it is not loaded yet.
    PlugInWindow& window();
    NetworkOpener& networkOpener() { return m_networkOpener; }
    CommandDispatcher& dispatcher() { return m_dispatcher; }

    // An automation instance is created / destroyed.
    void classInitialize();
    void classTerminate();
    // The program is ending: instances that go now no longer end it again.
    void setEnding() { m_ending = true; }
    bool ending() const { return m_ending; }

private:
    AppContext& m_context;
    WindowFactory m_windowFactory;
    NetworkRegistration m_registration;
    PlugInDeregistration m_deregistration;
    NetworkOpener m_networkOpener;
    CommandDispatcher m_dispatcher;
    std::unique_ptr<PlugInWindow> m_window;
    bool m_ending = false;
};
