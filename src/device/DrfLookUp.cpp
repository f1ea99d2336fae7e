#include "device/DrfLookUp.h"

#include "device/ProgressStatus.h"
#include "host/AppContext.h"
#include "host/CRegistry.h"
#include "host/MessageCatalogue.h"
#include "host/RegistryKeys.h"
#include "host/StepRunner.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/DeviceInterface.h"
#include "host/object_server/ObjectServer.h"

namespace {

constexpr int MostSpecificScope = 6;
constexpr int LeastSpecificScope = 3;

class Lookup final
{
public:
    Lookup(const lns::AppDevice& device, AppContext& context)
        : m_device(device), m_context(context),
          m_steps(StepRunner::messageBox(context.ui, QStringLiteral("DRFLOOKUP"),
                                         QStringLiteral("fMain in DrfLookUp(fMain)")))
    {
    }

    bool run()
    {
        showProgressStatus(m_context, m_context.catalogue.MainTexts[main_text::DrfLookUp]);

        QString programId;
        std::shared_ptr<lns::FunctionalBlocks> blocks;
        m_steps.run([&] { programId = m_device.programId(); });
        m_steps.run([&] {
            if (const std::shared_ptr<lns::DeviceInterface> deviceInterface = m_device.deviceInterface())
                blocks = deviceInterface->functionalBlocks();
        });

        QString lonWorksPath;
        m_steps.run([&] {
            m_catalogue = m_context.objectServer.createResourceCatalogue();
            m_profiles = m_context.objectServer.createProfileReader();
            m_files = m_context.objectServer.createResourceFileReader();
            lonWorksPath = CRegistry(m_context.registry)
                               .MachineSetting(registry_keys::LonWorksKey, registry_keys::LonWorksPathValue);
        });
        if (m_steps.aborted() || !m_catalogue || !m_profiles || !m_files)
            return fail();

        int status = lns::ResourceNotPresent;
        m_steps.run([&] { status = m_catalogue->open(lonWorksPath + QStringLiteral("\\Types")); });
        if (m_steps.aborted() || status != lns::ResourceOk)
            return fail();

        int count = 0;
        if (blocks)
            m_steps.run([&] { count = blocks->count(); });
        for (int position = 1; position <= count && !m_steps.aborted(); ++position) {
            std::shared_ptr<lns::FunctionalBlock> block;
            m_steps.run([&] { block = blocks->item(position); });
            if (block)
                setScope(*block, programId);
        }
        if (m_steps.aborted())
            return fail();

        closeCatalogue();
        return true;
    }

private:
    // Writes the first scope whose resource file holds the block's profile; a block found at
    // no scope keeps its setting.
    void setScope(lns::FunctionalBlock& block, const QString& programId)
    {
        QString profileKey;
        m_steps.run([&] { profileKey = block.profileKey(); });
        bool found = false;
        for (int scope = MostSpecificScope; scope >= LeastSpecificScope && !found && !m_steps.aborted();
             --scope) {
            QString fileName;
            int status = lns::ResourceNotPresent;
            m_steps.run([&] { status = m_catalogue->findResourceFileSet(programId, scope, 0, 0, fileName); });
            if (status != lns::ResourceOk)
                continue;
            int opened = lns::ResourceNotPresent;
            m_steps.run([&] { opened = m_files->open(fileName); });
            if (opened != lns::ResourceOk)
                continue;
            int profile = lns::ResourceNotPresent;
            m_steps.run([&] { profile = m_profiles->findProfile(*m_files, profileKey); });
            if (profile == lns::ResourceOk) {
                m_steps.run([&] {
                    block.setProfileScope(scope);
                    showProgressStatus(m_context, QStringLiteral("Set ") + block.name() +
                                                      QStringLiteral(" mode = ") + QString::number(scope));
                });
                found = true;
            }
            m_steps.run([&] { m_files->close(); });
        }
    }

    // Closes the catalogue if it is open; a failure is shown and otherwise ignored.
    void closeCatalogue()
    {
        int status = lns::ResourceOk;
        try {
            if (m_catalogue && m_catalogue->isOpen())
                status = m_catalogue->close();
        } catch (const lns::Error&) {
            status = lns::ResourceNotPresent;
        }
        if (status != lns::ResourceOk)
            m_context.ui.message(QStringLiteral("Error closing the catalog"), registry_keys::ProductKey,
                                 UiServices::Icon::Critical, UiServices::Buttons::Ok);
    }

    bool fail()
    {
        closeCatalogue();
        closeProgressWindows(m_context);
        return false;
    }

    const lns::AppDevice& m_device;
    AppContext& m_context;
    StepRunner m_steps;
    std::unique_ptr<lns::ResourceCatalogue> m_catalogue;
    std::unique_ptr<lns::ProfileReader> m_profiles;
    std::unique_ptr<lns::ResourceFileReader> m_files;
};

} // namespace

bool DrfLookUp(const lns::AppDevice& device, AppContext& context)
{
    return Lookup(device, context).run();
}
