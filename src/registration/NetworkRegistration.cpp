#include "registration/NetworkRegistration.h"

#include "device/FrameworkSettings.h"
#include "host/AppContext.h"
#include "host/BestEffort.h"
#include "host/CRegistry.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInIdentity.h"
#include "host/ProgressDisplay.h"
#include "host/RegistryKeys.h"
#include "host/ResourceDirSpec.h"
#include "host/StepRunner.h"
#include "host/UiServices.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/Error.h"
#include "host/object_server/ObjectServer.h"
#include "registration/SignedNumberText.h"

#include <QStringList>

namespace {

const QString CrLf = QStringLiteral("\r\n");
// The catalogue's further arguments of a look-up by program-ID template.
constexpr int LookupKind = 3;
constexpr int LookupExtra = 0;

std::shared_ptr<lns::DeviceTemplate> templateFor(const lns::DeviceTemplates& templates,
                                                 const QString& programId,
                                                 QString* errorDescription = nullptr)
{
    try {
        return templates.findByProgramId(programId);
    } catch (const lns::Error& error) {
        if (errorDescription)
            *errorDescription = error.description();
        return nullptr;
    }
}

template <typename Items> bool nameTaken(const Items& items, const QString& name)
{
    try {
        return items.item(name) != nullptr;
    } catch (const lns::Error&) {
        return false;
    }
}

template <typename Items> QString uniqueName(const QString& baseName, const Items& items)
{
    QString candidate = baseName;
    for (int i = 1; nameTaken(items, candidate) && i <= NetworkRegistration::MaxNameTries; ++i)
        candidate = baseName + QStringLiteral(" (") + QString::number(i) + QStringLiteral(")");
    return candidate;
}

QString lonWorksPath(RegistryStore& store)
{
    return CRegistry(store).MachineSetting(registry_keys::LonWorksKey, registry_keys::LonWorksPathValue);
}

} // namespace

NetworkRegistration::NetworkRegistration(AppContext& context) : m_context(context) {}

QString NetworkRegistration::UniqueTemplateName(const QString& baseName,
                                                const lns::DeviceTemplates& templates)
{
    return uniqueName(baseName, templates);
}

std::shared_ptr<lns::ComponentApp> NetworkRegistration::UniqueComponentAppName(lns::ComponentApps& apps,
                                                                               const PlugInCommand& row)
{
    const QString name = uniqueName(row.Name, apps);
    try {
        return apps.add(name, registry_keys::ProgId, row.ObjectClassId);
    } catch (const lns::Error& error) {
        m_context.ui.message(signedNumberText(error.number()) + error.description(),
                             plugin_identity::ProgramTitle);
        return nullptr;
    }
}

bool NetworkRegistration::RegisterWithNetwork()
{
    UiServices& ui = m_context.ui;
    const MessageCatalogue& texts = m_context.catalogue;
    m_defaultAnswers.clear();

    const QString importFolder = lonWorksPath(m_context.registry) + QStringLiteral("\\Import\\Korvandel\\");
    // Without an open network there is nothing to register in.
    const std::shared_ptr<lns::System> system = m_context.connection.system;
    if (!system || !m_context.connection.NetworkOpen)
        return false;
    std::shared_ptr<lns::DeviceTemplates> templates;
    try {
        templates = system->deviceTemplates();
    } catch (const lns::Error&) {
        return false;
    }
    if (!templates)
        return false;

    const UiServices::Pointer previousPointer = ui.pointer();
    ui.setPointer(UiServices::Pointer::Hourglass);
    bestEffort([&] { m_context.connection.RemoteClient = m_context.objectServer.remote(); });

    m_context.progress.setStatus(texts.RegTexts[reg_text::CreatingTemplates]);

    QStringList served;
    bool templateFailed = false;
    for (int selector = 0; selector < 2; ++selector) {
        const FrameworkSettings::Variant& variant = FrameworkSettings::variant(selector);
        const QString programId = variant.programId();
        QString lookupError;
        if (templateFor(*templates, programId, &lookupError)) {
            served.append(programId);
            ui.message(texts.MainTexts[main_text::InstallationSuccessful], plugin_identity::ProgramTitle);
            continue;
        }
        if (m_context.connection.RemoteClient) {
            ui.setPointer(previousPointer);
            ui.message(lookupError + CrLf + texts.RegTexts[reg_text::RemoteCannotAddTemplate],
                       plugin_identity::ProgramTitle, UiServices::Icon::Critical);
            return false;
        }
        const QString name = UniqueTemplateName(variant.templateName, *templates);
        try {
            const std::shared_ptr<lns::DeviceTemplate> created = templates->add(name, TemplateKind);
            try {
                created->importXif(importFolder + variant.xifFile);
            } catch (const lns::Error&) {
                // A template without an interface serves nobody; take it away again.
                bestEffort([&] { templates->remove(name); });
                throw;
            }
        } catch (const lns::Error& error) {
            // This variant stays unserved: say so, register the others and report the failure at the end.
            templateFailed = true;
            ui.message(error.description() + CrLf + texts.RegTexts[reg_text::TemplateNotCreated],
                       plugin_identity::ProgramTitle, UiServices::Icon::Critical);
            continue;
        }
        served.append(programId);
    }

    const QString thirdProgramId = FrameworkSettings::thirdProgramId();
    if (templateFor(*templates, thirdProgramId))
        served.append(thirdProgramId);

    for (const QString& programId : std::as_const(served)) {
        const std::shared_ptr<lns::DeviceTemplate> deviceTemplate = templateFor(*templates, programId);
        if (!deviceTemplate)
            continue;
        for (int index = 0; index < CommandTable::Rows; ++index)
            registerCommand(m_context.commands.row(index), *deviceTemplate);
    }

    StepRunner install([&](const lns::Error&) {
        return ui.message(texts.RegTexts[reg_text::ResourcesNotAdded], plugin_identity::ProgramTitle,
                          UiServices::Icon::Information, UiServices::Buttons::AbortRetryIgnore);
    });
    const bool installed =
        install.runChecked([&] { return InstallResourceFiles(); }) != StepRunner::Outcome::Aborted;

    ui.setPointer(previousPointer);
    return installed && !templateFailed;
}

std::shared_ptr<lns::ComponentApps> NetworkRegistration::componentAppsFor(const PlugInCommand& row,
                                                                          lns::DeviceTemplate& deviceTemplate)
{
    try {
        switch (row.TargetKind) {
        case 1:
            return m_context.objectServer.componentApps();
        case 2:
            return m_context.connection.system->componentApps();
        case 3:
            return deviceTemplate.componentApps();
        case 4: {
            const std::shared_ptr<lns::FunctionalBlock> block =
                deviceTemplate.lonMarkObjects()->item(row.LonMarkObjectName);
            return block ? block->componentApps() : nullptr;
        }
        default:
            return nullptr;
        }
    } catch (const lns::Error&) {
        return nullptr;
    }
}

void NetworkRegistration::registerCommand(const PlugInCommand& row, lns::DeviceTemplate& deviceTemplate)
{
    const MessageCatalogue& texts = m_context.catalogue;
    QString templateName;
    bestEffort([&] { templateName = deviceTemplate.name(); });
    const QString commandName = CommandName(row.CommandId);

    const std::shared_ptr<lns::ComponentApps> apps = componentAppsFor(row, deviceTemplate);
    if (!apps) {
        m_context.progress.setStatus(texts.RegTexts[reg_text::CommandNotAdded] + commandName +
                                     texts.RegTexts[reg_text::ForDeviceTemplate] + templateName +
                                     QStringLiteral(". ") + CrLf +
                                     QStringLiteral("ComponentApp was not created."));
        return;
    }
    m_context.progress.setStatus(templateName + CrLf + texts.RegTexts[reg_text::AddingCommand] + commandName +
                                 QStringLiteral(" for ") + ObjectClassName(row.ObjectClassId) +
                                 QStringLiteral(" objects..."));
    m_context.ui.processEvents();

    std::shared_ptr<lns::ComponentApp> app;
    int count = 0;
    bestEffort([&] { count = apps->count(); });
    for (int i = 1; i <= count && !app; ++i) {
        bestEffort([&] {
            const std::shared_ptr<lns::ComponentApp> candidate = apps->item(i);
            if (candidate && candidate->progId() == registry_keys::ProgId &&
                candidate->commandId() == row.CommandId && candidate->objectClass() == row.ObjectClassId)
                app = candidate;
        });
    }
    if (!app)
        app = UniqueComponentAppName(*apps, row);

    if (app) {
        bestEffort([&] { app->setCommandId(row.CommandId); });
        bestEffort([&] { app->setDescription(row.Description); });
        bestEffort([&] { app->setVersion(plugin_identity::Version); });
        bestEffort([&] { app->setManufacturerId(plugin_identity::ManufacturerID); });
    }

    const std::optional<bool> makeDefault = row.IsDefault ? askDefault(row, templateName) : false;
    if (app && makeDefault == true) {
        bestEffort([&] { app->setDefault(true); });
        bestEffort([&] { count = apps->count(); });
        for (int i = count; i >= 1; --i) {
            bestEffort([&] {
                const std::shared_ptr<lns::ComponentApp> other = apps->item(i);
                if (other && other->progId() != registry_keys::ProgId)
                    other->setDefault(false);
            });
        }
    } else if (app && makeDefault == false) {
        bestEffort([&] { app->setDefault(false); });
    }
    m_context.ui.processEvents();
}

std::optional<bool> NetworkRegistration::askDefault(const PlugInCommand& row, const QString& templateName)
{
    const QString commandName = CommandName(row.CommandId);
    const auto known = m_defaultAnswers.constFind(commandName);
    if (known != m_defaultAnswers.constEnd())
        return *known;

    const MessageCatalogue& texts = m_context.catalogue;
    QString question = texts.RegTexts[reg_text::DefaultActionQuestion] + commandName;
    switch (row.TargetKind) {
    case 3:
        question += texts.RegTexts[reg_text::DefaultActionFor] + templateName +
                    texts.RegTexts[reg_text::DefaultActionDevices];
        break;
    case 4:
        question += texts.RegTexts[reg_text::DefaultActionForObject] + row.LonMarkObjectName +
                    texts.RegTexts[reg_text::DefaultActionOn] + templateName +
                    texts.RegTexts[reg_text::DefaultActionDevices];
        break;
    default:
        question += texts.RegTexts[reg_text::DefaultActionFor] + ObjectClassName(row.ObjectClassId) +
                    texts.RegTexts[reg_text::DefaultActionObjects];
        break;
    }
    const bool yes = m_context.ui.message(question, registry_keys::ProductKey, UiServices::Icon::Question,
                                          UiServices::Buttons::YesNo) == UiServices::Answer::Yes;
    const std::optional<bool> answer = m_context.ui.attended() ? std::optional<bool>(yes) : std::nullopt;
    m_defaultAnswers.insert(commandName, answer);
    return answer;
}

bool NetworkRegistration::InstallResourceFiles()
{
    UiServices& ui = m_context.ui;
    const QString path = lonWorksPath(m_context.registry);
    const std::unique_ptr<lns::ResourceCatalogue> catalogue =
        m_context.objectServer.createResourceCatalogue();
    StepRunner steps(StepRunner::messageBox(ui, QString(), plugin_identity::ProgramTitle));
    const auto closeIfOpen = [&] {
        bestEffort([&] {
            if (catalogue->isOpen())
                catalogue->close();
        });
    };

    int status = lns::ResourceOk;
    steps.run([&] { status = catalogue->open(path + QStringLiteral("\\Types")); });
    bool failed = status != lns::ResourceOk;

    if (!failed && !steps.aborted()) {
        m_context.resourceDir = ResourceDirSpec{};
        const ResourceDirSpec& plugInResources = m_context.resourceDir;
        QString fileName;
        status = lns::ResourceOk;
        steps.run([&] {
            status = catalogue->findResourceFileSet(plugInResources.programIdTemplate, plugInResources.scope,
                                                    LookupKind, LookupExtra, fileName);
        });
        if (status == lns::ResourceNotPresent) {
            // The parent of the plug-in's folder, below the LonWorks path.
            const QString parent =
                plugInResources.directory.left(plugInResources.directory.lastIndexOf(QLatin1Char('\\')));
            status = lns::ResourceOk;
            steps.run([&] { status = catalogue->addDirectory(path + parent); });
            if (status == lns::ResourceOk)
                steps.run([&] { status = catalogue->refresh(); });
        }
        failed = status != lns::ResourceOk;
    }
    if (!failed && !steps.aborted()) {
        status = lns::ResourceOk;
        steps.run([&] { status = catalogue->close(); });
        failed = status != lns::ResourceOk;
    }

    if (steps.aborted() || failed) {
        closeIfOpen();
        return false;
    }
    if (m_context.connection.RemoteClient)
        ui.message(m_context.catalogue.RegTexts[reg_text::RegisterOnServerToo], plugin_identity::ProgramTitle,
                   UiServices::Icon::Warning);
    return true;
}
