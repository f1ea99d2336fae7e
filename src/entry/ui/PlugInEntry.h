#pragma once

#include "automation/PlugInHost.h"
#include "entry/CommandLine.h"
#include "registration/PlugInDeregistration.h"
#include "registration/PlugInRegistration.h"
#include "registration/ui/fRegisterPlugIn.h"

#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class AutomationServer;
class SelfLauncher;
struct AppContext;

// The program's entry: serving a director over the bus when started for that, otherwise the
// stand-alone role that registers or deregisters by switch or through the registration dialog.
class PlugInEntry final
{
public:
    struct Result
    {
        // True when the program goes on in its event loop; otherwise it ends with exitCode.
        bool runEventLoop = false;
        int exitCode = 0;
    };

    // Exit codes of a stand-alone run by switch.
    static constexpr int ExitFailure = 1;
    static constexpr int ExitNewerVersionRegistered = 2;

    PlugInEntry(AppContext& context, PlugInHost::WindowFactory windowFactory, SelfLauncher& launcher);
    ~PlugInEntry();
    PlugInEntry(const PlugInEntry&) = delete;
    PlugInEntry& operator=(const PlugInEntry&) = delete;

    // The arguments after the program's own name.
    Result run(const QStringList& arguments);
    // Writing (RegisterServer) or removing (UnregisterServer) the activation file; needs no
    // windows. Returns the exit code.
    static int registerServer(CommandLine::Action action);
    // The program is ending: automation instances go without ending it a second time.
    void shutdown();

    fRegisterPlugIn* dialog() const { return m_dialog; }

private:
    Result serveDirectors();
    Result runStandAlone(const CommandLine::Decision& decision);
    Result showDialog();
    // The end of a stand-alone run: what is open on the object server is closed.
    void endStandAlone();

    AppContext& m_context;
    PlugInHost::WindowFactory m_windowFactory;
    SelfLauncher& m_launcher;
    PlugInRegistration m_registration;
    PlugInDeregistration m_deregistration;
    // How the program ends once the bus name is handed back.
    std::function<void()> m_endProgram;
    std::unique_ptr<PlugInHost> m_host;
    std::unique_ptr<AutomationServer> m_server;
    QPointer<fRegisterPlugIn> m_dialog;
};
