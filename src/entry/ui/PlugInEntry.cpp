#include "entry/ui/PlugInEntry.h"

#include "automation/AutomationServer.h"
#include "entry/CommandLine.h"
#include "host/ActivationFile.h"
#include "host/AppContext.h"
#include "host/ConnectionState.h"
#include "host/RegistryStore.h"
#include "host/object_server/Error.h"
#include "host/object_server/ObjectServer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTextStream>

namespace {

void report(const QString& text)
{
    QTextStream(stderr) << QCoreApplication::applicationName() << ": " << text << Qt::endl;
}

} // namespace

PlugInEntry::PlugInEntry(AppContext& context, PlugInHost::WindowFactory windowFactory, SelfLauncher& launcher)
    : m_context(context), m_windowFactory(std::move(windowFactory)), m_launcher(launcher),
      m_registration(context, launcher), m_deregistration(context, launcher)
{
}

PlugInEntry::~PlugInEntry()
{
    shutdown();
    if (m_server)
        m_context.endProgram = m_endProgram;
    delete m_dialog;
}

void PlugInEntry::shutdown()
{
    if (m_server)
        m_server->shutdown();
}

PlugInEntry::Result PlugInEntry::run(const QStringList& arguments)
{
    const CommandLine::Decision decision = CommandLine::interpret(CommandLine::raw(arguments));
    if (decision.action == CommandLine::Action::RegisterServer ||
        decision.action == CommandLine::Action::UnregisterServer)
        return {false, registerServer(decision.action)};
    // Started for a director, the command line means nothing.
    if (CommandLine::startedByAutomation(arguments))
        return serveDirectors();
    return runStandAlone(decision);
}

int PlugInEntry::registerServer(CommandLine::Action action)
{
    const Expected<void> done = action == CommandLine::Action::RegisterServer
                                    ? ActivationFile::write(QCoreApplication::applicationFilePath())
                                    : ActivationFile::remove();
    if (done)
        return 0;
    report(done.error());
    return ExitFailure;
}

PlugInEntry::Result PlugInEntry::serveDirectors()
{
    m_host = std::make_unique<PlugInHost>(m_context, m_windowFactory, m_launcher);
    m_server = std::make_unique<AutomationServer>(*m_host, QDBusConnection::sessionBus());
    // Whatever ends the program (the last director leaving, the window's exit, the idle time)
    // first hands the bus name back, while the call that ended it is still being answered.
    m_endProgram = m_context.endProgram;
    m_context.endProgram = [this] {
        m_server->retire();
        if (m_endProgram)
            m_endProgram();
    };
    if (const Expected<void> started = m_server->start(); !started) {
        report(started.error());
        return {false, ExitFailure};
    }
    return {true, 0};
}

PlugInEntry::Result PlugInEntry::runStandAlone(const CommandLine::Decision& decision)
{
    switch (decision.action) {
    case CommandLine::Action::RegisterPlugIn: {
        m_registration.setSelectedLanguage(decision.language);
        const PlugInRegistration::Result result = m_registration.RegisterPlugIn(false);
        if (result == PlugInRegistration::Result::NewerVersionRegistered) {
            report(
                QStringLiteral("a newer version of the plug-in is already registered; nothing was changed"));
            return {false, ExitNewerVersionRegistered};
        }
        if (result == PlugInRegistration::Result::ServerRegistrationFailed) {
            report(QStringLiteral("the automation server could not be registered (") +
                   m_registration.serverFailure() + QStringLiteral("); nothing was changed"));
            return {false, ExitFailure};
        }
        if (result == PlugInRegistration::Result::RegistryWriteFailed) {
            report(m_context.registry.lastError());
            return {false, ExitFailure};
        }
        if (result == PlugInRegistration::Result::ResourcesNotRegistered) {
            report(QStringLiteral("the plug-in is registered, but its resource folder is not in the resource "
                                  "catalogue; register again to add it"));
            return {false, ExitFailure};
        }
        return {false, 0};
    }
    case CommandLine::Action::DeregisterPlugIn:
        if (!m_deregistration.DeregisterPlugIn(PlugInDeregistration::RemoveCommandsAndTemplates, true)) {
            report(QStringLiteral("the plug-in's registry key could not be removed"));
            return {false, ExitFailure};
        }
        return {false, 0};
    default:
        // No switch matched: the dialog is the way on.
        return showDialog();
    }
}

PlugInEntry::Result PlugInEntry::showDialog()
{
    m_dialog = new fRegisterPlugIn(m_registration, m_deregistration, [this] { endStandAlone(); });
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->show();
    return {true, 0};
}

void PlugInEntry::endStandAlone()
{
    try {
        if (m_context.objectServer.isOpen())
            m_context.objectServer.close();
    } catch (const lns::Error& error) {
        report(error.description());
    }
    m_context.connection.ServerOpen = false;
    m_context.connection.NetworkOpen = false;
    if (m_context.endProgram)
        m_context.endProgram();
}
