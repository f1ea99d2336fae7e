#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/object_server/Error.h"

#include <gtest/gtest.h>

using error_probe::number;

namespace {

const QString ProgId = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");

std::shared_ptr<lns::ComponentApps> templateApps(DemoPlatform& platform)
{
    return platform.system().deviceTemplates()->item(QStringLiteral("Korvandel zep31_06"))->componentApps();
}

} // namespace

TEST(SimComponentApps, AddFindRemoveAtEveryLevel)
{
    DemoPlatform platform;
    const auto zep06 = platform.system().deviceTemplates()->item(QStringLiteral("Korvandel zep31_06"));
    const std::vector<std::shared_ptr<lns::ComponentApps>> levels{
        platform.server().componentApps(), platform.system().componentApps(), zep06->componentApps(),
        zep06->lonMarkObjects()->item(QStringLiteral("SccCommandModule"))->componentApps()};
    for (const auto& apps : levels) {
        EXPECT_EQ(apps->count(), 0);
        apps->add(QStringLiteral("Configure"), ProgId, 7);
        apps->add(QStringLiteral("Configure (1)"), ProgId, 7);
        EXPECT_EQ(apps->count(), 2);
        EXPECT_EQ(apps->item(QStringLiteral("Configure (1)"))->objectClass(), 7);
        EXPECT_EQ(number([&] { apps->add(QStringLiteral("configure"), ProgId, 7); }),
                  lns::errors::AlreadyExists);
    }
    // Every collection is its own: the same names live side by side.
    EXPECT_EQ(platform.system()
                  .deviceTemplates()
                  ->item(QStringLiteral("Korvandel zep31_05"))
                  ->componentApps()
                  ->count(),
              0);
    EXPECT_EQ(platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))
                  ->deviceInterface()
                  ->functionalBlocks()
                  ->item(12)
                  ->componentApps()
                  ->count(),
              2);

    const auto apps = levels[2];
    const auto first = apps->item(1);
    apps->remove(1);
    EXPECT_EQ(apps->count(), 1);
    EXPECT_EQ(apps->item(1)->name(), QStringLiteral("Configure (1)"));
    EXPECT_EQ(number([&] { first->progId(); }), lns::errors::NotFound);
    EXPECT_EQ(number([&] { first->setDefault(true); }), lns::errors::NotFound);
    EXPECT_EQ(number([&] { apps->remove(5); }), lns::errors::NotFound);
}

TEST(SimComponentApps, FieldsArePersistent)
{
    DemoPlatform platform;
    const auto app = templateApps(platform)->add(QStringLiteral("Korvandel_zep31_PlugIn"), ProgId, 7);
    app->setCommandId(10000);
    app->setDescription(QStringLiteral("Opens the unit"));
    app->setVersion(QStringLiteral("1.4"));
    app->setManufacturerId(QStringLiteral("1048380"));
    app->setDefault(true);
    platform.reopen();
    const auto stored = templateApps(platform)->item(1);
    EXPECT_EQ(stored->name(), QStringLiteral("Korvandel_zep31_PlugIn"));
    EXPECT_EQ(stored->progId(), ProgId);
    EXPECT_EQ(stored->commandId(), 10000);
    EXPECT_EQ(stored->description(), QStringLiteral("Opens the unit"));
    EXPECT_EQ(stored->version(), QStringLiteral("1.4"));
    EXPECT_EQ(stored->manufacturerId(), QStringLiteral("1048380"));
    EXPECT_TRUE(stored->isDefault());
    stored->setDefault(false);
    EXPECT_FALSE(app->isDefault());
}

TEST(SimComponentApps, NeedTheirSystemOpen)
{
    DemoPlatform platform;
    const auto apps = platform.system().componentApps();
    const auto serverApps = platform.server().componentApps();
    platform.system().close();
    EXPECT_EQ(number([&] { apps->count(); }), lns::errors::NotOpen);
    EXPECT_EQ(serverApps->count(), 0);
}
