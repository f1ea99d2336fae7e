#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/RegistryKeys.h"
#include "host/object_server/Error.h"
#include "lns/SimObjectServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using error_probe::number;

namespace {
const QString Demo = QStringLiteral("Demo");
}

TEST(SimPlatformAdmin, DemoInitialisesAHomeThatDoesNotExistYet)
{
    QTemporaryDir parent;
    const QString home = parent.filePath(QStringLiteral("new/lonworks"));
    lnssim::PlatformAdmin(home).createDemo();
    SqliteRegistryStore registry(QDir(home).filePath(QStringLiteral("registry.sqlite")));
    EXPECT_EQ(registry.readValue(RegistryStore::Hive::LocalMachine, registry_keys::LonWorksKey,
                                 registry_keys::LonWorksPathValue),
              QDir(home).absolutePath());
    EXPECT_TRUE(registry.readValue(RegistryStore::Hive::CurrentUser, registry_keys::InternationalKey,
                                   registry_keys::DecimalValue));
    EXPECT_EQ(lnssim::PlatformAdmin(home).devices(Demo).size(), 7);
}

TEST(SimPlatformAdmin, InitTwiceKeepsOneOfEverything)
{
    DemoPlatform platform;
    platform.admin().init(QStringLiteral("."));
    platform.reopen();
    EXPECT_EQ(platform.server().networkInterfaces()->count(), 2);
    EXPECT_EQ(platform.system().deviceTemplates()->count(), 3);
    EXPECT_EQ(platform.nv(QStringLiteral("F1"), QStringLiteral("ROU_1"), 31)->value(),
              QStringLiteral("327.67"));
}

TEST(SimPlatformAdmin, RebuildingTheDemoRetiresTheOldObjects)
{
    DemoPlatform platform;
    const auto device = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    const QString neuronId = device->neuronId();
    platform.admin().createDemo();
    EXPECT_EQ(number([&] { device->name(); }), lns::errors::NotFound);
    EXPECT_EQ(number([&] { platform.network().open(); }), lns::errors::NotFound);
    platform.reopen();
    const auto rebuilt = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    EXPECT_NE(rebuilt->neuronId(), neuronId);
    EXPECT_EQ(rebuilt->state(), 4);
}

TEST(SimPlatformAdmin, RefusesNamesAndNumbersItCannotKeep)
{
    DemoPlatform platform;
    lnssim::PlatformAdmin& admin = platform.admin();
    EXPECT_EQ(number([&] { admin.addNetwork(QString()); }), lns::errors::BadArgument);
    EXPECT_EQ(number([&] { admin.addNetwork(QStringLiteral("demo")); }), lns::errors::AlreadyExists);
    EXPECT_EQ(number([&] { admin.addSubsystem(Demo, QStringLiteral("F1")); }), lns::errors::AlreadyExists);
    EXPECT_EQ(number([&] { admin.addSubsystem(Demo, QStringLiteral("A/B")); }), lns::errors::BadArgument);
    EXPECT_EQ(number([&] { admin.addSubsystem(QStringLiteral("Nowhere"), QStringLiteral("F3")); }),
              lns::errors::NotFound);
    EXPECT_EQ(number([&] {
                  admin.addDevice(Demo, QStringLiteral("F1"), QStringLiteral("ROU/7"),
                                  QStringLiteral("Korvandel zep31_06"), QString());
              }),
              lns::errors::BadArgument);
    EXPECT_EQ(number([&] {
                  admin.addDevice(Demo, QStringLiteral("F1"), QStringLiteral("ROU_7"),
                                  QStringLiteral("Korvandel zep31_06"), QString(), 300);
              }),
              lns::errors::BadArgument);
    EXPECT_EQ(number([&] { admin.setState(Demo, QStringLiteral("F1/ROU_1"), -1); }),
              lns::errors::BadArgument);
    EXPECT_EQ(number([&] { admin.get(Demo, QStringLiteral("F1/ROU_1"), QStringLiteral("F:0/C:3:99")); }),
              lns::errors::NotFound);
    EXPECT_EQ(number([&] { admin.get(Demo, QStringLiteral("F1/ROU_1"), QStringLiteral("nviSpaceTemp"), 1); }),
              lns::errors::BadArgument);
    EXPECT_EQ(
        number([&] { admin.importTemplate(Demo, QStringLiteral("X"), QStringLiteral("/no/such.xif")); }),
        lns::errors::NotFound);
    EXPECT_EQ(admin.devices(Demo).size(), 7);
}

TEST(SimPlatformAdmin, AStateOutsideTheTableIsKept)
{
    DemoPlatform platform;
    platform.admin().setState(Demo, QStringLiteral("F2/ROU_4"), 5);
    platform.admin().setTestFlag(Demo, QStringLiteral("F2/ROU_4"), true);
    const auto device = platform.device(QStringLiteral("F2"), QStringLiteral("ROU_4"));
    EXPECT_EQ(device->state(), 5);
    EXPECT_TRUE(device->testFlag());
    EXPECT_EQ(number([&] { platform.nv(QStringLiteral("F2"), QStringLiteral("ROU_4"), 31)->value(); }),
              lns::errors::DeviceOffline);
}

TEST(SimPlatformAdmin, DamagedNetworkDatabaseIsReportedNotFatal)
{
    QTemporaryDir home;
    QDir().mkpath(home.filePath(QStringLiteral("lns")));
    QFile damaged(home.filePath(QStringLiteral("lns/networks.sqlite")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();

    SqliteRegistryStore registry(home.filePath(QStringLiteral("registry.sqlite")));
    const auto server = lnssim::createObjectServer(home.path(), registry);
    EXPECT_EQ(number([&] { server->open(); }), lns::errors::Database);
    EXPECT_FALSE(server->isOpen());
    EXPECT_EQ(number([&] { server->networks(); }), lns::errors::NotOpen);
    EXPECT_EQ(number([&] { lnssim::PlatformAdmin(home.path()).devices(Demo); }), lns::errors::Database);
}

TEST(SimPlatformAdmin, CollectionsFindByNameRegardlessOfCase)
{
    DemoPlatform platform;
    EXPECT_EQ(platform.device(QStringLiteral("f1"), QStringLiteral("rou_2"))->name(),
              QStringLiteral("ROU_2"));
    const auto deviceInterface =
        platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->deviceInterface();
    EXPECT_EQ(deviceInterface->networkVariables()->item(QStringLiteral("NVISPACETEMP"))->index(), 31);
    EXPECT_EQ(deviceInterface->functionalBlocks()
                  ->item(QStringLiteral("switch[7]"))
                  ->configProperties()
                  ->item(1)
                  ->name(),
              QStringLiteral("SCPTmaxOut"));
    EXPECT_EQ(deviceInterface->configProperties()->count(), 0);

    const auto vav = platform.device(QStringLiteral("F2"), QStringLiteral("VAV_1"))->deviceInterface();
    EXPECT_EQ(vav->configProperties()->count(), 1);
    EXPECT_EQ(vav->configProperties()->item(1)->typeIndex(), 48);
}
