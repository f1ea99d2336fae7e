#include "registration/PlugInRegistration.h"

#include "host/AppContext.h"
#include "host/CRegistry.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInIdentity.h"
#include "host/RegistryKeys.h"
#include "host/ResourceDirSpec.h"
#include "host/StepRunner.h"
#include "host/UiServices.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/Error.h"
#include "host/object_server/ObjectServer.h"
#include "registration/SelfLauncher.h"
#include "registration/Version.h"

#include <functional>

namespace {

const QString TypesFolder = QStringLiteral("\\Types");

// The flag values directors read: -1 within the range -1..1, as an integer text.
QString flagText(int value)
{
    return QString::number(value >= -1 && value <= 1 ? value : 1);
}

struct CatalogueStep
{
    QString name;
    std::function<int()> run;
};

} // namespace

PlugInRegistration::PlugInRegistration(AppContext& context, SelfLauncher& launcher)
    : m_context(context), m_launcher(launcher)
{
}

const MessageCatalogue& PlugInRegistration::freshTexts()
{
    m_context.catalogue.LoadTexts(0);
    return m_context.catalogue;
}

PlugInRegistration::Result PlugInRegistration::RegisterPlugIn(bool verbose)
{
    using namespace registry_keys;
    CRegistry registry(m_context.registry);
    UiServices& ui = m_context.ui;

    bool update = false;
    if (!registry.MachineSetting(PlugInKey, QString()).isEmpty()) {
        const Version stored = ParseVersion(registry.MachineSetting(PlugInKey, QStringLiteral("Version")));
        if (isNewer(stored, ParseVersion(plugin_identity::Version))) {
            if (verbose)
                ui.message(freshTexts().RegTexts[reg_text::NewerVersionRegistered], ProductKey,
                           UiServices::Icon::Information);
            return Result::NewerVersionRegistered;
        }
        update = true;
    }

    const Expected<void> serverRegistered = m_launcher.start(QStringLiteral("/regserver"));
    m_serverFailure = serverRegistered.error();
    if (!serverRegistered) {
        if (verbose)
            ui.message(QStringLiteral("Plug-in ") + ProgId +
                           freshTexts().RegTexts[reg_text::ServerRegistrationFailed],
                       plugin_identity::ProgramTitle, UiServices::Icon::Critical);
        return Result::ServerRegistrationFailed;
    }

    registry.setMachineSetting(PlugInKey, QString(), ProgId);
    registry.setMachineSetting(PlugInKey, QStringLiteral("Name"), plugin_identity::Name);
    registry.setMachineSetting(PlugInKey, QStringLiteral("Description"), plugin_identity::Description);
    registry.setMachineSetting(PlugInKey, QStringLiteral("Scope"), QStringLiteral("2"));
    registry.setMachineSetting(PlugInKey, QStringLiteral("ManufacturerName"),
                               plugin_identity::ManufacturerName);
    registry.setMachineSetting(PlugInKey, QStringLiteral("Version"), plugin_identity::Version);
    registry.setMachineSetting(PlugInKey, QStringLiteral("LcaVersion"), plugin_identity::LcaVersion);
    registry.setMachineSetting(PlugInKey, QStringLiteral("Prelaunch"), flagText(-1));
    registry.setMachineSetting(PlugInKey, QStringLiteral("MultiObject"), flagText(-1));
    registry.setMachineSetting(PlugInKey, QStringLiteral("SingleInstance"), flagText(-1));
    registry.setMachineSetting(PlugInKey, LanguageValue, m_selectedLanguage);
    // A key that could not be written registers nothing; saying otherwise would mislead.
    if (registry.pendingError() != 0) {
        if (verbose)
            ui.message(m_context.registry.lastError(), plugin_identity::ProgramTitle,
                       UiServices::Icon::Critical);
        return Result::RegistryWriteFailed;
    }

    const bool resourcesRegistered = RegisterResourceDirectory();

    if (verbose) {
        const MessageCatalogue& texts = freshTexts();
        ui.message(
            (update ? texts.RegTexts[reg_text::UpdateRegisteredAs] : texts.RegTexts[reg_text::RegisteredAs]) +
                ProgId,
            ProductKey, UiServices::Icon::Information);
    }
    if (!resourcesRegistered)
        return Result::ResourcesNotRegistered;
    return update ? Result::Updated : Result::Registered;
}

bool PlugInRegistration::RegisterResourceDirectory()
{
    const QString lonWorksPath =
        CRegistry(m_context.registry)
            .MachineSetting(registry_keys::LonWorksKey, registry_keys::LonWorksPathValue);
    const QString userFolder = ResourceDirSpec{}.directory;
    const std::unique_ptr<lns::ResourceCatalogue> catalogue =
        m_context.objectServer.createResourceCatalogue();

    const CatalogueStep steps[] = {
        {QStringLiteral("open"), [&] { return catalogue->open(lonWorksPath + TypesFolder); }},
        {QStringLiteral("Add"), [&] { return catalogue->addDirectory(lonWorksPath + userFolder); }},
        {QStringLiteral("Refresh"), [&] { return catalogue->refresh(); }},
        {QStringLiteral("close"), [&] { return catalogue->close(); }},
    };

    const CatalogueStep* current = nullptr;
    StepRunner runner(
        [&](const lns::Error& error) {
            return m_context.ui.message(error.description() + QString::number(error.number()) +
                                            current->name + lonWorksPath + userFolder,
                                        plugin_identity::ProgramTitle, UiServices::Icon::Critical,
                                        UiServices::Buttons::AbortRetryIgnore);
        },
        ResourceDirectoryRetries);
    for (const CatalogueStep& step : steps) {
        current = &step;
        runner.runStatus([&] {
            if (lonWorksPath.isEmpty())
                throw lns::Error(lns::errors::NotFound,
                                 QStringLiteral("The registry holds no \"LonWorks Path\". "));
            return step.run();
        });
        if (runner.aborted()) {
            try {
                if (catalogue->isOpen())
                    catalogue->close();
            } catch (const lns::Error&) {
                // Leaving anyway; the catalogue is released with this routine.
            }
            return false;
        }
    }
    return true;
}
