// The object server as the plug-in's procedures walk it: registration, deregistration, the
// resource look-up of the blocks and the device selection.
#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/object_server/Error.h"
#include "host/object_server/ResourceCatalogue.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString ProgId = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");

// Finds the plug-in's application for a command, or adds it under a free name.
std::shared_ptr<lns::ComponentApp> registerCommand(lns::ComponentApps& apps, const QString& name,
                                                   int commandId)
{
    for (int i = 1; i <= apps.count(); ++i) {
        const auto app = apps.item(i);
        if (app->progId() == ProgId && app->commandId() == commandId && app->objectClass() == 7)
            return app;
    }
    QString candidate = name;
    for (int i = 1; error_probe::number([&] { apps.item(candidate); }) == 0; ++i)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(i);
    const auto app = apps.add(candidate, ProgId, 7);
    app->setCommandId(commandId);
    return app;
}

} // namespace

TEST(SimScenarios, RegisteringTwiceUpdatesAndDeregisteringRemovesEverything)
{
    DemoPlatform platform;
    const auto templates = platform.system().deviceTemplates();
    for (int run = 0; run < 2; ++run) {
        for (const char* programId : {"9FFF3C0A0006040F", "9FFF3C0A00060417"}) {
            const auto apps = templates->findByProgramId(QLatin1String(programId))->componentApps();
            const auto configure = registerCommand(*apps, QStringLiteral("Configure"), 13);
            configure->setVersion(QStringLiteral("1.4"));
            configure->setDefault(true);
            registerCommand(*apps, QStringLiteral("Korvandel_zep31_PlugIn"), 10000)->setDefault(false);
        }
    }
    const auto apps06 = templates->findByProgramId(QStringLiteral("9FFF3C0A00060417"))->componentApps();
    ASSERT_EQ(apps06->count(), 2);
    EXPECT_TRUE(apps06->item(QStringLiteral("Configure"))->isDefault());
    EXPECT_EQ(apps06->item(QStringLiteral("Configure"))->version(), QStringLiteral("1.4"));

    // Another plug-in's command with the same name makes ours take the next free name.
    const auto apps05 = templates->findByProgramId(QStringLiteral("9FFF3C0A0006040F"))->componentApps();
    apps05->add(QStringLiteral("Browse"), QStringLiteral("Other.Plugin"), 7);
    EXPECT_EQ(registerCommand(*apps05, QStringLiteral("Browse"), 20)->name(), QStringLiteral("Browse (1)"));

    // Deregistration walks from the last item to the first and removes the plug-in's.
    for (const auto& apps : {apps05, apps06}) {
        for (int i = apps->count(); i >= 1; --i) {
            if (apps->item(i)->progId() == ProgId)
                apps->remove(i);
        }
    }
    EXPECT_EQ(apps06->count(), 0);
    ASSERT_EQ(apps05->count(), 1);
    EXPECT_EQ(apps05->item(1)->progId(), QStringLiteral("Other.Plugin"));
}

TEST(SimScenarios, ResourceLookUpGivesEveryZep31BlockScopeThree)
{
    DemoPlatform platform;
    const auto catalogue = platform.server().createResourceCatalogue();
    const auto fileReader = platform.server().createResourceFileReader();
    const auto profileReader = platform.server().createProfileReader();
    ASSERT_EQ(catalogue->open(platform.home() + QStringLiteral("\\Types")), lns::ResourceOk);
    const auto lookUp = [&](const QString& subsystem, const QString& name) {
        const auto device = platform.device(subsystem, name);
        const auto blocks = device->deviceInterface()->functionalBlocks();
        for (int i = 1; i <= blocks->count(); ++i) {
            const auto block = blocks->item(i);
            for (int scope = 6; scope >= 3; --scope) {
                QString file;
                if (catalogue->findResourceFileSet(device->programId(), scope, 3, 0, file) !=
                        lns::ResourceOk ||
                    fileReader->open(file) != lns::ResourceOk)
                    continue;
                const bool found =
                    profileReader->findProfile(*fileReader, block->profileKey()) == lns::ResourceOk;
                fileReader->close();
                if (found) {
                    block->setProfileScope(scope);
                    break;
                }
            }
        }
        return blocks;
    };
    const auto zep31 = lookUp(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    for (int i = 1; i <= zep31->count(); ++i)
        EXPECT_EQ(zep31->item(i)->profileScope(), 3) << i;
    const auto vav = lookUp(QStringLiteral("F2"), QStringLiteral("VAV_1"));
    for (int i = 1; i <= vav->count(); ++i)
        EXPECT_EQ(vav->item(i)->profileScope(), 0) << i;
    EXPECT_EQ(catalogue->close(), lns::ResourceOk);
}

TEST(SimScenarios, DeviceSelectionListsTheDevicesOfAProgramId)
{
    DemoPlatform platform;
    const auto current = platform.device(QStringLiteral("F2"), QStringLiteral("ROU_4"));
    const auto devices =
        platform.system().deviceTemplates()->findByProgramId(current->programId())->devices();
    QStringList tree;
    QSet<QString> neuronIds;
    int currentPosition = 0;
    for (int i = 1; i <= devices->count(); ++i) {
        const auto device = devices->item(i);
        const auto subsystem = device->subsystems()->item(1);
        tree.append(subsystem->name() + QLatin1Char('/') + device->name() + QLatin1Char(' ') +
                    subsystem->path());
        neuronIds.insert(device->neuronId());
        if (device->neuronId() == current->neuronId())
            currentPosition = i;
    }
    EXPECT_EQ(tree, (QStringList{QStringLiteral("F1/ROU_1 Building/Floor 1"),
                                 QStringLiteral("F1/ROU_2 Building/Floor 1"),
                                 QStringLiteral("F2/ROU_4 Building/Floor 2"),
                                 QStringLiteral("F2/ROU_5 Building/Floor 2")}));
    EXPECT_EQ(neuronIds.size(), 4);
    EXPECT_EQ(currentPosition, 3);
    // Writing to a chosen device by its position reaches that device.
    devices->item(2)->deviceInterface()->networkVariables()->item(48)->configProperties()->item(1)->setValue(
        QStringLiteral("23,50"));
    EXPECT_EQ(
        platform.cp(QStringLiteral("F1"), QStringLiteral("ROU_2"), QStringLiteral("N:48/C:0:213"))->value(),
        QStringLiteral("23,50"));
    EXPECT_EQ(
        platform.cp(QStringLiteral("F1"), QStringLiteral("ROU_1"), QStringLiteral("N:48/C:0:213"))->value(),
        QStringLiteral("22,00"));
}

TEST(SimScenarios, OpeningTheNetworkAsTheAutomationInterfaceDoes)
{
    DemoPlatform platform;
    lns::ObjectServer& server = platform.server();
    platform.system().close();
    platform.network().close();
    server.close();

    server.setRemote(true);
    server.setOpenOption(false);
    server.setConnectionFlags((server.connectionFlags() & ~quint32{0x30}) | 0x20);
    server.open();
    server.setActiveRemoteInterface(server.networkInterfaces()->item(QStringLiteral("LON1")));
    const auto network = server.networks()->item(QStringLiteral("demo"));
    network->open();
    EXPECT_EQ(network->name(), QStringLiteral("Demo"));
    const auto system = network->systems()->item(1);
    system->open();
    system->setBoolOption1(true);
    system->setBoolOption2(false);
    system->setBoolOption1(false);
    system->setNumericOption(200);
    EXPECT_TRUE(server.remote());
    EXPECT_EQ(server.connectionFlags() & 0x30, 0x20u);
    EXPECT_EQ(system->subsystems()->count(), 2);
}
