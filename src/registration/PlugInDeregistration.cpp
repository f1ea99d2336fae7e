#include "registration/PlugInDeregistration.h"

#include "device/FrameworkSettings.h"
#include "host/AppContext.h"
#include "host/BestEffort.h"
#include "host/CRegistry.h"
#include "host/CommandTable.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInIdentity.h"
#include "host/ProgressDisplay.h"
#include "host/RegistryKeys.h"
#include "host/UiServices.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/Error.h"
#include "host/object_server/ObjectServer.h"
#include "registration/SelfLauncher.h"
#include "registration/SignedNumberText.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

PlugInDeregistration::PlugInDeregistration(AppContext& context, SelfLauncher& launcher)
    : m_context(context), m_launcher(launcher)
{
}

void PlugInDeregistration::status(const QString& text)
{
    if (!m_showProgress)
        return;
    m_context.progress.setStatus(text);
    m_context.ui.processEvents();
}

bool PlugInDeregistration::DeregisterPlugIn(int mode, bool showProgress)
{
    m_showProgress = showProgress;
    // The texts in the language registered so far; the key goes away below.
    m_context.catalogue.LoadTexts(0);
    if (mode == RemoveCommands || mode == RemoveCommandsAndTemplates)
        DeregisterFromNetworks(mode == RemoveCommandsAndTemplates);
    return UnregisterPlugIn(true);
}

void PlugInDeregistration::DeregisterFromNetworks(bool removeTemplates)
{
    const MessageCatalogue& texts = m_context.catalogue;
    lns::ObjectServer& objectServer = m_context.objectServer;
    m_context.commands.fill();
    if (m_showProgress) {
        m_context.progress.showProgress(true);
        status(texts.RegTexts[reg_text::OpeningObjectServer]);
    }

    std::shared_ptr<lns::Networks> networks;
    int count = 0;
    bestEffort([&] {
        objectServer.setRemote(false);
        if (!objectServer.isOpen())
            objectServer.open();
        networks = objectServer.networks();
        count = networks ? networks->count() : 0;
    });

    for (int i = 1; i <= count; ++i) {
        std::shared_ptr<lns::Network> network;
        std::shared_ptr<lns::System> system;
        bestEffort([&] {
            network = networks->item(i);
            status(texts.RegTexts[reg_text::Opening] + network->name() + QStringLiteral("..."));
            network->open();
            system = network->systems()->item(1);
        });
        if (system) {
            QString systemName;
            bestEffort([&] { systemName = system->name(); });
            status(texts.RegTexts[reg_text::Opening] + systemName + QStringLiteral("...") + CrLf +
                   QStringLiteral("Engineered system mode"));
            bool systemOpen = bestEffort([&] { system->open(); });
            if (!systemOpen) {
                status(texts.RegTexts[reg_text::Opening] + systemName + QStringLiteral("...") + CrLf +
                       QStringLiteral("Network Interface '") + interfaceNameForRetry() + QStringLiteral("'"));
                systemOpen = bestEffort([&] { system->open(); });
            }
            if (systemOpen) {
                status(texts.RegTexts[reg_text::DeregisteringCommands]);
                DeregisterFromNetwork(*system, removeTemplates, i == 1);
            }
            bestEffort([&] {
                if (system->isOpen())
                    system->close();
            });
        }
        if (network)
            bestEffort([&] {
                if (network->isOpen())
                    network->close();
            });
    }

    if (m_showProgress) {
        m_context.progress.closeProgress();
        m_context.progress.closeSplash();
    }
    bestEffort([&] {
        if (objectServer.isOpen())
            objectServer.close();
    });
}

QString PlugInDeregistration::interfaceNameForRetry() const
{
    QString name;
    bestEffort([&] {
        const std::shared_ptr<lns::NetworkInterfaces> interfaces = m_context.objectServer.networkInterfaces();
        if (interfaces && interfaces->count() > 0)
            name = interfaces->item(1)->name();
    });
    return name;
}

QStringList PlugInDeregistration::servedProgramIds(lns::System& system) const
{
    QStringList programIds;
    std::shared_ptr<lns::DeviceTemplates> templates;
    bestEffort([&] { templates = system.deviceTemplates(); });
    if (!templates)
        return programIds;
    const QStringList candidates{FrameworkSettings::variant(0).programId(),
                                 FrameworkSettings::variant(1).programId(),
                                 FrameworkSettings::thirdProgramId()};
    for (const QString& programId : candidates)
        bestEffort([&] {
            if (templates->findByProgramId(programId))
                programIds.append(programId);
        });
    return programIds;
}

void PlugInDeregistration::DeregisterFromNetwork(lns::System& system, bool removeTemplates,
                                                 bool includeServerLevel)
{
    UiServices& ui = m_context.ui;
    const UiServices::Pointer previousPointer = ui.pointer();
    ui.setPointer(UiServices::Pointer::Hourglass);
    m_context.commands.fill();

    const QStringList programIds = servedProgramIds(system);
    for (const QString& programId : programIds) {
        for (int index = 0; index < CommandTable::Rows; ++index) {
            const PlugInCommand& row = m_context.commands.row(index);
            if (includeServerLevel || row.TargetKind != 1)
                RemoveCommand(system, row.TargetKind, row, programId, row.LonMarkObjectName);
        }
    }
    PlugInCommand registration;
    registration.CommandId = CommandTable::RegisterCommand;
    RemoveCommand(system, 2, registration, QString(), QString());

    if (removeTemplates && m_showProgress)
        offerTemplateRemoval(system, programIds);
    ui.setPointer(previousPointer);
}

void PlugInDeregistration::offerTemplateRemoval(lns::System& system, const QStringList& programIds)
{
    const MessageCatalogue& texts = m_context.catalogue;
    std::shared_ptr<lns::DeviceTemplates> templates;
    bestEffort([&] { templates = system.deviceTemplates(); });
    if (!templates)
        return;
    for (const QString& programId : programIds) {
        QString name;
        bool unused = false;
        const bool known = bestEffort([&] {
            const std::shared_ptr<lns::DeviceTemplate> deviceTemplate = templates->findByProgramId(programId);
            name = deviceTemplate->name();
            unused = deviceTemplate->devices()->count() == 0;
        });
        if (!known || !unused)
            continue;
        m_context.ui.processEvents();
        const UiServices::Answer answer = m_context.ui.message(
            texts.RegTexts[reg_text::UnusedTemplate] + name +
                texts.RegTexts[reg_text::RemoveUnusedTemplateQuestion],
            plugin_identity::ProgramTitle, UiServices::Icon::Warning, UiServices::Buttons::YesNo);
        if (answer != UiServices::Answer::Yes)
            continue;
        if (!bestEffort([&] { templates->remove(name); }))
            m_context.ui.message(texts.RegTexts[reg_text::TemplateNotRemoved] + name,
                                 plugin_identity::ProgramTitle, UiServices::Icon::Critical);
    }
}

void PlugInDeregistration::RemoveCommand(lns::System& system, int targetKind, const PlugInCommand& row,
                                         const QString& programId, const QString& lonMarkObjectName)
{
    std::shared_ptr<lns::ComponentApps> apps;
    bestEffort([&] {
        switch (targetKind) {
        case 1:
            apps = m_context.objectServer.componentApps();
            break;
        case 2:
            apps = system.componentApps();
            break;
        case 3:
            apps = system.deviceTemplates()->findByProgramId(programId)->componentApps();
            break;
        case 4:
            apps = system.deviceTemplates()
                       ->findByProgramId(programId)
                       ->lonMarkObjects()
                       ->item(lonMarkObjectName)
                       ->componentApps();
            break;
        default:
            break;
        }
    });
    if (!apps)
        return;

    int count = 0;
    bestEffort([&] { count = apps->count(); });
    for (int i = count; i >= 1; --i) {
        bestEffort([&] {
            const std::shared_ptr<lns::ComponentApp> app = apps->item(i);
            if (app->progId() != registry_keys::ProgId || app->commandId() != row.CommandId)
                return;
            status(programId + CrLf + m_context.catalogue.RegTexts[reg_text::DeregisteringCommand] +
                   signedNumberText(row.CommandId) + QStringLiteral("..."));
            apps->remove(i);
        });
    }
}

bool PlugInDeregistration::UnregisterPlugIn(bool verbose)
{
    const MessageCatalogue& texts = m_context.catalogue;
    UiServices& ui = m_context.ui;
    if (const Expected<void> stopped = m_launcher.start(QStringLiteral("/unregserver")); !stopped) {
        if (verbose)
            ui.message(QStringLiteral("Plug-in ") + registry_keys::ProgId +
                           texts.RegTexts[reg_text::ServerDeregistrationFailed] + QStringLiteral("\r") +
                           QStringLiteral("Verify that there are not instances running") +
                           QStringLiteral("\r") + stopped.error(),
                       plugin_identity::ProgramTitle, UiServices::Icon::Critical);
        return false;
    }
    const bool deleted = CRegistry(m_context.registry).DeleteMachineKey(registry_keys::PlugInKey);
    if (verbose)
        ui.message(
            QStringLiteral("Plug-in ") + registry_keys::ProductKey +
                (deleted ? texts.RegTexts[reg_text::Deregistered] : texts.RegTexts[reg_text::NotInRegistry]),
            registry_keys::ProductKey, UiServices::Icon::Information);
    return deleted;
}
