#include "DemoPlatform.h"
#include "host/object_server/ResourceCatalogue.h"
#include "lns/SimObjectServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString ResourceTemplate = QStringLiteral("9FFF3C0000000000");
}

TEST(SimResources, InstalledFileSetIsFoundAtScopeThreeOnly)
{
    DemoPlatform platform;
    const auto catalogue = platform.server().createResourceCatalogue();
    ASSERT_EQ(catalogue->open(platform.home() + QStringLiteral("\\Types")), lns::ResourceOk);
    QString file;
    EXPECT_EQ(catalogue->findResourceFileSet(ResourceTemplate, 3, 3, 0, file), lns::ResourceOk);
    EXPECT_TRUE(QFile::exists(file));
    QString deviceFile;
    EXPECT_EQ(catalogue->findResourceFileSet(QStringLiteral("9FFF3C0A0006040F"), 3, 3, 0, deviceFile),
              lns::ResourceOk);
    EXPECT_EQ(deviceFile, file);
    for (int scope : {4, 5, 6}) {
        QString none;
        EXPECT_EQ(catalogue->findResourceFileSet(QStringLiteral("9FFF3C0A0006040F"), scope, 3, 0, none),
                  lns::ResourceNotPresent);
    }
    QString other;
    EXPECT_EQ(catalogue->findResourceFileSet(QStringLiteral("900001F20A040401"), 3, 3, 0, other),
              lns::ResourceNotPresent);
    EXPECT_NE(catalogue->findResourceFileSet(QStringLiteral("not an id"), 3, 3, 0, other), lns::ResourceOk);
    EXPECT_EQ(catalogue->close(), lns::ResourceOk);
    EXPECT_NE(catalogue->close(), lns::ResourceOk);
}

TEST(SimResources, EveryBlockProfileOfTheUnitIsDefined)
{
    DemoPlatform platform;
    const auto catalogue = platform.server().createResourceCatalogue();
    ASSERT_EQ(catalogue->open(platform.home() + QStringLiteral("/Types")), lns::ResourceOk);
    QString file;
    ASSERT_EQ(catalogue->findResourceFileSet(ResourceTemplate, 3, 3, 0, file), lns::ResourceOk);
    const auto reader = platform.server().createResourceFileReader();
    const auto profiles = platform.server().createProfileReader();
    EXPECT_NE(profiles->findProfile(*reader, QStringLiteral("20000")), lns::ResourceOk);
    ASSERT_EQ(reader->open(file), lns::ResourceOk);
    const auto blocks =
        platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->deviceInterface()->functionalBlocks();
    for (int i = 1; i <= blocks->count(); ++i)
        EXPECT_EQ(profiles->findProfile(*reader, blocks->item(i)->profileKey()), lns::ResourceOk) << i;
    EXPECT_EQ(profiles->findProfile(*reader, QStringLiteral("8010")), lns::ResourceNotPresent);
    EXPECT_EQ(reader->close(), lns::ResourceOk);
    EXPECT_EQ(reader->open(platform.home() + QStringLiteral("/Types/none.res")), lns::ResourceNotPresent);
}

TEST(SimResources, AddedDirectoryIsFoundAfterRefreshAndRemembered)
{
    // A home whose catalogue never heard of the plug-in's files.
    DemoPlatform installed;
    QTemporaryDir home;
    const QString types = home.filePath(QStringLiteral("Types"));
    QDir().mkpath(types + QStringLiteral("/User/Korvandel"));
    ASSERT_TRUE(QFile::copy(installed.home() + QStringLiteral("/Types/User/Korvandel/zep31.res"),
                            types + QStringLiteral("/User/Korvandel/zep31.res")));
    SqliteRegistryStore registry(home.filePath(QStringLiteral("registry.sqlite")));
    const auto server = lnssim::createObjectServer(home.path(), registry);
    const auto catalogue = server->createResourceCatalogue();
    EXPECT_NE(catalogue->open(home.filePath(QStringLiteral("Missing"))), lns::ResourceOk);
    EXPECT_FALSE(catalogue->isOpen());
    ASSERT_EQ(catalogue->open(types), lns::ResourceOk);
    QString file;
    EXPECT_EQ(catalogue->findResourceFileSet(ResourceTemplate, 3, 3, 0, file), lns::ResourceNotPresent);
    // As the plug-in writes it: relative to the LonWorks home, with "\".
    ASSERT_EQ(catalogue->addDirectory(QStringLiteral("\\Types\\User")), lns::ResourceOk);
    EXPECT_EQ(catalogue->findResourceFileSet(ResourceTemplate, 3, 3, 0, file), lns::ResourceNotPresent);
    ASSERT_EQ(catalogue->refresh(), lns::ResourceOk);
    EXPECT_EQ(catalogue->findResourceFileSet(ResourceTemplate, 3, 3, 0, file), lns::ResourceOk);
    EXPECT_NE(catalogue->addDirectory(QStringLiteral("\\Types\\Nowhere")), lns::ResourceOk);
    catalogue->close();

    const auto again = server->createResourceCatalogue();
    ASSERT_EQ(again->open(types), lns::ResourceOk);
    EXPECT_EQ(again->findResourceFileSet(ResourceTemplate, 3, 3, 0, file), lns::ResourceOk);
}
