#include "device/BuildPointCatalogue.h"
#include "device/DrfLookUp.h"
#include "device/FindConfigProperty.h"
#include "host/RegistryKeys.h"
#include "host/object_server/DeviceInterface.h"
#include "support/DemoSession.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString Rou1 = QStringLiteral("F1/ROU_1");

class DeviceAccessTest : public ::testing::Test
{
protected:
    void SetUp() override { demo.catalogue.LoadTexts(0); }

    std::shared_ptr<lns::ConfigProperty> find(const QString& id)
    {
        return FindConfigProperty(id, *device, nullptr, demo.ui);
    }

    DemoSession demo;
    std::shared_ptr<lns::AppDevice> device = demo.device(Rou1);
};

TEST_F(DeviceAccessTest, IdentifiersResolveByBlockPositionAndType)
{
    // Same CP type on two blocks: told apart by the block.
    demo.admin.set(DemoSession::Network, Rou1, QStringLiteral("F:9/C:0:49"), QStringLiteral("30.0"));
    demo.admin.set(DemoSession::Network, Rou1, QStringLiteral("F:11/C:0:49"), QStringLiteral("45.0"));
    ASSERT_NE(find(QStringLiteral("F:11/C:0:49")), nullptr);
    EXPECT_EQ(find(QStringLiteral("F:11/C:0:49"))->value(), demo.value(Rou1, QStringLiteral("F:11/C:0:49")));
    EXPECT_EQ(find(QStringLiteral("F:9/C:0:49"))->value(), demo.value(Rou1, QStringLiteral("F:9/C:0:49")));
    EXPECT_NE(find(QStringLiteral("F:9/C:0:49"))->value(), find(QStringLiteral("F:11/C:0:49"))->value());

    const std::shared_ptr<lns::ConfigProperty> deviceType = find(QStringLiteral("F:0/C:3:42"));
    ASSERT_NE(deviceType, nullptr);
    EXPECT_EQ(deviceType->typeScope(), 3);
    EXPECT_EQ(deviceType->typeIndex(), 42);

    // Two CPs of one NV, told apart by the type index.
    const std::shared_ptr<lns::ConfigProperty> range = find(QStringLiteral("N:49/C:3:12"));
    const std::shared_ptr<lns::ConfigProperty> delta = find(QStringLiteral("N:49/C:3:9"));
    ASSERT_NE(range, nullptr);
    ASSERT_NE(delta, nullptr);
    EXPECT_EQ(range->typeIndex(), 12);
    EXPECT_EQ(delta->typeIndex(), 9);
}

TEST_F(DeviceAccessTest, UnknownOrMalformedIdentifiersFindNothingWithoutAMessage)
{
    for (const char* id :
         {"F:0/C:3:99", "N:47/C:3:52", "X:1/C:0:49", "F:a/C:0:49", "F:1", "F:1/C49", "", "N:-1/C:0:52"})
        EXPECT_EQ(find(QString::fromLatin1(id)), nullptr) << id;
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(DeviceAccessTest, OnlineCatalogueReadsEachNvByItsIndex)
{
    demo.admin.set(DemoSession::Network, Rou1, QStringLiteral("nviTempOutdoor"), QStringLiteral("12.34"));
    BuildPointCatalogue(demo.points, device.get(), true);
    ASSERT_EQ(demo.points.nviCount, 26);
    ASSERT_EQ(demo.points.nvoCount, 23);
    ASSERT_EQ(demo.points.cpCount, 65);
    EXPECT_EQ(demo.points.nvi(19).name, QStringLiteral("nviTempOutdoor"));
    EXPECT_EQ(demo.points.nvi(19).nvIndex, 41);
    EXPECT_EQ(demo.points.nvi(19).value, demo.value(Rou1, QStringLiteral("nviTempOutdoor")));
    EXPECT_EQ(demo.points.nvi(25).tag, 26);
    EXPECT_EQ(demo.points.nvo(5).tag, 205);
}

TEST_F(DeviceAccessTest, OfflineCatalogueFillsOnlyTheCps)
{
    BuildPointCatalogue(demo.points, device.get(), false);
    EXPECT_EQ(demo.points.cpCount, 65);
    EXPECT_EQ(demo.points.nviCount, 0);
    EXPECT_EQ(demo.points.nvoCount, 0);
    EXPECT_TRUE(demo.points.nvi(0).name.isEmpty());
}

TEST_F(DeviceAccessTest, FailingNvReadKeepsThePreviousValue)
{
    BuildPointCatalogue(demo.points, device.get(), true);
    const QString before = demo.points.nvi(0).value;
    demo.admin.failNext(DemoSession::Network, Rou1, lnssim::PlatformAdmin::Operation::NvRead, 1);
    demo.points.nvi(0).value = QStringLiteral("kept");
    BuildPointCatalogue(demo.points, device.get(), true);
    EXPECT_EQ(demo.points.nvi(0).value, QStringLiteral("kept"));
    EXPECT_EQ(demo.points.nvi(1).value, demo.value(Rou1, QStringLiteral("nviSwitchFb_2")));
    EXPECT_FALSE(before.isEmpty());
}

TEST_F(DeviceAccessTest, ResourceLookUpSetsTheScopeOfEveryBlock)
{
    ASSERT_TRUE(DrfLookUp(*device, demo.context));
    const std::shared_ptr<lns::FunctionalBlocks> blocks = device->deviceInterface()->functionalBlocks();
    ASSERT_EQ(blocks->count(), 12);
    for (int position = 1; position <= blocks->count(); ++position)
        EXPECT_EQ(blocks->item(position)->profileScope(), 3) << position;
    EXPECT_EQ(demo.progress.statuses().first(), QStringLiteral("Complete DRF look-up in progress..."));
    EXPECT_TRUE(demo.progress.statuses().contains(QStringLiteral("Set SccCommandModule mode = 3")));
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(DeviceAccessTest, ResourceLookUpTakesTheMostSpecificScope)
{
    // A channel-specific resource file (scope 6) defining only the switch profile.
    const QString folder = demo.home.path() + QStringLiteral("/Types/User/Channel");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile file(folder + QStringLiteral("/switch.res"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("program-id-template " + device->programId().toLatin1() +
               "\nscope 6\nprofile 20001 UFPTswitch Switch\n");
    file.close();
    const std::unique_ptr<lns::ResourceCatalogue> catalogue = demo.objectServer->createResourceCatalogue();
    ASSERT_EQ(catalogue->open(demo.home.path() + QStringLiteral("/Types")), lns::ResourceOk);
    ASSERT_EQ(catalogue->addDirectory(folder), lns::ResourceOk);
    ASSERT_EQ(catalogue->refresh(), lns::ResourceOk);
    catalogue->close();

    ASSERT_TRUE(DrfLookUp(*device, demo.context));
    const std::shared_ptr<lns::FunctionalBlocks> blocks = device->deviceInterface()->functionalBlocks();
    EXPECT_EQ(blocks->item(1)->profileScope(), 3);
    EXPECT_EQ(blocks->item(2)->profileScope(), 6);
    EXPECT_EQ(blocks->item(9)->profileScope(), 6);
    EXPECT_FALSE(demo.progress.statuses().contains(QStringLiteral("Set Switch[0] mode = 3")));
}

TEST_F(DeviceAccessTest, ResourceLookUpWithoutLonWorksPathFails)
{
    demo.registry.deleteValue(RegistryStore::Hive::LocalMachine, registry_keys::LonWorksKey,
                              registry_keys::LonWorksPathValue);
    demo.progress.showSplash();
    EXPECT_FALSE(DrfLookUp(*device, demo.context));
    EXPECT_FALSE(demo.progress.splashVisible());
    EXPECT_FALSE(demo.progress.progressVisible());
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

} // namespace
