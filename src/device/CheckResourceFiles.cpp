#include "device/CheckResourceFiles.h"

#include "device/DeviceSession.h"
#include "host/AppContext.h"
#include "host/BestEffort.h"
#include "host/CRegistry.h"
#include "host/RegistryKeys.h"
#include "host/ResourceDirSpec.h"
#include "host/StepRunner.h"
#include "host/object_server/ObjectServer.h"

bool CheckResourceFiles(DeviceSession& session, AppContext& context)
{
    if (session.resourceFilesFound)
        return true;

    StepRunner steps(StepRunner::messageBox(context.ui, QString(), registry_keys::ProductKey));
    const CRegistry registry(context.registry);
    std::unique_ptr<lns::ResourceCatalogue> catalogue;
    const auto closeCatalogue = [&catalogue] {
        if (catalogue && catalogue->isOpen())
            catalogue->close();
    };
    // Leaving after Abort: the catalogue is closed if it is open, whatever that reports.
    const auto abandon = [&closeCatalogue] {
        bestEffort(closeCatalogue);
        return false;
    };

    QString lonWorksPath;
    steps.run([&] {
        lonWorksPath = registry.MachineSetting(registry_keys::LonWorksKey, registry_keys::LonWorksPathValue);
        if (lonWorksPath.isEmpty())
            throw lns::Error(
                lns::errors::NotFound,
                QStringLiteral("The registry value \"LonWorks Path\" of HKEY_LOCAL_MACHINE\\SOFTWARE\\"
                               "LonWorks is missing or empty."));
    });

    // Not present unless the catalogue says so.
    int status = lns::ResourceNotPresent;
    steps.run([&] {
        catalogue = context.objectServer.createResourceCatalogue();
        status = catalogue->open(lonWorksPath + QStringLiteral("\\Types"));
    });
    if (status == lns::ResourceOk) {
        status = lns::ResourceNotPresent;
        QString fileName;
        steps.run([&] {
            status = catalogue->findResourceFileSet(context.resourceDir.programIdTemplate,
                                                    context.resourceDir.scope, 0, 0, fileName);
        });
    }
    if (steps.aborted())
        return abandon();
    if (status != lns::ResourceOk) {
        steps.run(closeCatalogue);
        return steps.aborted() ? abandon() : false;
    }
    steps.run(closeCatalogue);
    if (steps.aborted())
        return abandon();
    session.resourceFilesFound = true;
    return true;
}
