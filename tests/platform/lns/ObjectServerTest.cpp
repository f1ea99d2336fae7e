#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/object_server/Error.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using error_probe::number;
using error_probe::text;

TEST(SimObjectServer, NetworksSubsystemsAndDevicesAsTheDemoDefinesThem)
{
    DemoPlatform platform;
    EXPECT_EQ(platform.network().name(), QStringLiteral("Demo"));
    EXPECT_EQ(platform.system().mode(), 0);
    const auto subsystems = platform.system().subsystems();
    ASSERT_EQ(subsystems->count(), 2);
    EXPECT_EQ(subsystems->item(1)->name(), QStringLiteral("F1"));
    EXPECT_EQ(subsystems->item(QStringLiteral("F2"))->path(), QStringLiteral("Building/Floor 2"));
    EXPECT_EQ(subsystems->item(QStringLiteral("F1"))->applicationDevices()->count(), 3);
    EXPECT_EQ(subsystems->item(QStringLiteral("F2"))->applicationDevices()->count(), 4);

    const auto rou1 = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    EXPECT_EQ(rou1->programId(), QStringLiteral("9FFF3C0A00060417"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{12}$")).match(rou1->neuronId()).hasMatch());
    EXPECT_EQ(rou1->state(), 4);
    EXPECT_TRUE(rou1->commissioned());
    EXPECT_FALSE(rou1->testFlag());
    EXPECT_EQ(rou1->subsystems()->item(1)->path(), QStringLiteral("Building/Floor 1"));
    EXPECT_EQ(platform.device(QStringLiteral("F1"), QStringLiteral("ROU_3"))->programId(),
              QStringLiteral("9FFF3C0A0006040F"));
    EXPECT_FALSE(platform.device(QStringLiteral("F2"), QStringLiteral("ROU_5"))->commissioned());
    EXPECT_EQ(platform.device(QStringLiteral("F2"), QStringLiteral("ROU_6"))->state(), 2);
    EXPECT_NE(platform.device(QStringLiteral("F2"), QStringLiteral("VAV_1"))->programId().left(6),
              QStringLiteral("9FFF3C"));
}

TEST(SimObjectServer, MissingItemsAreNamedInTheError)
{
    DemoPlatform platform;
    EXPECT_EQ(text([&] { platform.server().networks()->item(QStringLiteral("Foo")); }),
              QStringLiteral("No network named \"Foo\" in this object server"));
    EXPECT_EQ(number([&] { platform.system().subsystems()->item(3); }), lns::errors::NotFound);
    EXPECT_EQ(number([&] { platform.system().subsystems()->item(0); }), lns::errors::NotFound);
    EXPECT_TRUE(text([&] {
                    platform.device(QStringLiteral("F1"), QStringLiteral("ROU_9"));
                }).contains(QStringLiteral("ROU_9")));
    EXPECT_EQ(number([&] { platform.nv(QStringLiteral("F1"), QStringLiteral("ROU_1"), 99); }),
              lns::errors::NotFound);
}

TEST(SimObjectServer, ClosedServerNetworkAndSystemRefuseWork)
{
    DemoPlatform platform;
    const auto device = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    const auto subsystems = platform.system().subsystems();

    platform.system().close();
    EXPECT_FALSE(platform.system().isOpen());
    EXPECT_EQ(number([&] { device->name(); }), lns::errors::NotOpen);
    EXPECT_EQ(number([&] { subsystems->count(); }), lns::errors::NotOpen);
    platform.system().open();
    EXPECT_EQ(device->name(), QStringLiteral("ROU_1"));

    platform.network().close();
    EXPECT_FALSE(platform.system().isOpen());
    EXPECT_EQ(number([&] { platform.system().open(); }), lns::errors::NotOpen);
    EXPECT_EQ(number([&] { platform.network().systems(); }), lns::errors::NotOpen);

    platform.server().close();
    EXPECT_FALSE(platform.server().isOpen());
    EXPECT_EQ(number([&] { platform.server().networks(); }), lns::errors::NotOpen);
    EXPECT_EQ(number([&] { platform.network().open(); }), lns::errors::NotOpen);
}

TEST(SimObjectServer, ObjectsOutliveTheirServerSafely)
{
    std::shared_ptr<lns::AppDevice> device;
    {
        DemoPlatform platform;
        device = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    }
    EXPECT_EQ(number([&] { device->state(); }), lns::errors::NotOpen);
}

TEST(SimObjectServer, ServerSettingsAndNetworkInterfacesAreKept)
{
    DemoPlatform platform;
    lns::ObjectServer& server = platform.server();
    server.setRemote(true);
    EXPECT_TRUE(server.remote());
    server.setConnectionFlags(0x31);
    EXPECT_EQ(server.connectionFlags(), 0x31u);
    server.setOpenOption(false);

    const auto interfaces = server.networkInterfaces();
    EXPECT_EQ(interfaces->item(QStringLiteral("LON1"))->name(), QStringLiteral("LON1"));
    EXPECT_EQ(interfaces->item(QStringLiteral("Internet"))->name(), QStringLiteral("Internet"));
    EXPECT_EQ(number([&] { interfaces->item(QStringLiteral("LON7")); }), lns::errors::NotFound);
    server.setActiveRemoteInterface(interfaces->item(QStringLiteral("LON1")));

    platform.system().setBoolOption1(true);
    platform.system().setBoolOption2(false);
    platform.system().setNumericOption(200);
    platform.admin().setSystemMode(QStringLiteral("Demo"), 1);
    EXPECT_EQ(platform.system().mode(), 1);
}

TEST(SimObjectServer, Zep31InterfaceFollowsThePointCatalogue)
{
    DemoPlatform platform;
    const auto deviceInterface =
        platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->deviceInterface();
    const QStringList blockNames{u"NodeObject"_s,       u"Switch[0]"_s,   u"Switch[1]"_s,
                                 u"Switch[2]"_s,        u"Switch[3]"_s,   u"Switch[4]"_s,
                                 u"Switch[5]"_s,        u"Switch[6]"_s,   u"Switch[7]"_s,
                                 u"Occupancy_Sensor"_s, u"Scene_Panel"_s, u"SccCommandModule"_s};
    const auto blocks = deviceInterface->functionalBlocks();
    ASSERT_EQ(blocks->count(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(blocks->item(i + 1)->name(), blockNames[i]);
        EXPECT_FALSE(blocks->item(i + 1)->profileKey().isEmpty());
    }

    const auto nvs = deviceInterface->networkVariables();
    EXPECT_EQ(nvs->count(), 49);
    EXPECT_EQ(nvs->item(41)->name(), QStringLiteral("nviTempOutdoor"));
    EXPECT_EQ(nvs->item(41)->index(), 41);
    EXPECT_EQ(nvs->item(QStringLiteral("nvoSpaceTemp"))->index(), 47);
    EXPECT_EQ(nvs->item(1)->name(), QStringLiteral("nviTimeSet"));

    int cps = deviceInterface->configProperties()->count();
    for (int i = 1; i <= blocks->count(); ++i)
        cps += blocks->item(i)->configProperties()->count();
    for (int index : {1, 47, 48, 49, 50})
        cps += nvs->item(index)->configProperties()->count();
    EXPECT_EQ(cps, 65);

    const auto rou = [&](const char* id) {
        return platform.cp(QStringLiteral("F1"), QStringLiteral("ROU_1"), QLatin1String(id));
    };
    EXPECT_EQ(rou("F:0/C:3:44")->elementCount(), 12);
    EXPECT_EQ(rou("F:0/C:3:48")->elementCount(), 2);
    EXPECT_EQ(rou("F:11/C:0:49")->name(), QStringLiteral("SCPTmaxSendTime"));
    EXPECT_EQ(rou("N:49/C:3:12")->name(), QStringLiteral("UCPTspOffsetRng"));
    EXPECT_EQ(rou("N:49/C:3:9")->name(), QStringLiteral("UCPTspEditDelta"));
    EXPECT_EQ(rou("N:47/C:0:70")->name(), QStringLiteral("SCPToffsetTemp"));
    EXPECT_EQ(rou("F:8/C:3:14")->name(), QStringLiteral("UCPTreverseDelay"));
    EXPECT_EQ(rou("F:0/C:3:99"), nullptr);
    EXPECT_EQ(nvs->item(47)->configProperties()->count(), 3);
}

TEST(SimObjectServer, CatalogueDefaultsAreSensible)
{
    DemoPlatform platform;
    const auto value = [&](const char* device, const char* id) {
        return platform.cp(QStringLiteral("F1"), QLatin1String(device), QLatin1String(id))->value();
    };
    EXPECT_EQ(value("ROU_1", "N:48/C:0:213"), QStringLiteral("22,00"));
    EXPECT_EQ(value("ROU_1", "N:1/C:3:45"), QStringLiteral("2,2,2,0"));
    EXPECT_EQ(value("ROU_1", "F:0/C:3:42"), QStringLiteral("12"));
    EXPECT_EQ(value("ROU_2", "F:0/C:3:42"), QStringLiteral("6"));
    EXPECT_EQ(value("ROU_3", "F:0/C:3:42"), QStringLiteral("6"));
    EXPECT_EQ(value("ROU_1", "N:50/C:3:13"), QStringLiteral("3"));
    EXPECT_EQ(value("ROU_1", "F:0/C:3:46").size(), 31);
}

TEST(SimObjectServer, ProfileScopeIsKeptPerDevice)
{
    DemoPlatform platform;
    const auto block = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))
                           ->deviceInterface()
                           ->functionalBlocks()
                           ->item(2);
    block->setProfileScope(3);
    EXPECT_EQ(block->profileScope(), 3);
    EXPECT_NE(platform.device(QStringLiteral("F1"), QStringLiteral("ROU_2"))
                  ->deviceInterface()
                  ->functionalBlocks()
                  ->item(2)
                  ->profileScope(),
              3);
    EXPECT_EQ(number([&] { block->setProfileScope(7); }), lns::errors::BadArgument);
}
