#include "host/CRegistry.h"

#include "host/LonWorksHome.h"
#include "host/RegistryKeys.h"
#include "registry/SqliteRegistryStore.h"
#include "support/TempLonWorksHome.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using Hive = RegistryStore::Hive;

class CRegistryTest : public ::testing::Test
{
protected:
    TempLonWorksHome home;
    SqliteRegistryStore store{lonworks_home::registryFile()};
};

TEST_F(CRegistryTest, LanguageOfAnUnregisteredPlugInIsEmpty)
{
    CRegistry registry(store);
    EXPECT_EQ(registry.MachineSetting(registry_keys::PlugInKey, registry_keys::LanguageValue), QString());
    EXPECT_EQ(registry.MachineSetting(registry_keys::PlugInKey, QString()), QString());
}

TEST_F(CRegistryTest, MachineSettingWritesAndReadsOneKeyWhateverTheCase)
{
    CRegistry registry(store);
    registry.setMachineSetting(registry_keys::PlugInKey, QString(), registry_keys::ProgId);
    registry.setMachineSetting(QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Korvandel_ZEP31_PlugIn"),
                               QStringLiteral("Language"), QStringLiteral("english"));
    EXPECT_EQ(registry.pendingError(), 0);
    EXPECT_EQ(registry.MachineSetting(registry_keys::PlugInKey, QString()), registry_keys::ProgId);
    EXPECT_EQ(CRegistry(store).MachineSetting(registry_keys::PlugInKey, QStringLiteral("LANGUAGE")),
              QStringLiteral("english"));
    EXPECT_EQ(store.subkeys(Hive::LocalMachine, QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins")).size(),
              1);
}

TEST_F(CRegistryTest, TextsAreCutAtTheirFirstNul)
{
    const QString stored = QStringLiteral("german") + QChar(u'\0') + QStringLiteral("junk");
    ASSERT_TRUE(
        store.writeValue(Hive::LocalMachine, registry_keys::PlugInKey, QStringLiteral("Language"), stored));
    EXPECT_EQ(CRegistry(store).MachineSetting(registry_keys::PlugInKey, QStringLiteral("Language")),
              QStringLiteral("german"));
}

TEST_F(CRegistryTest, AppSettingLivesUnderTheUsersAppletKey)
{
    CRegistry registry(store);
    registry.setAppSetting(QStringLiteral("Print"), QStringLiteral("Pages"), QStringLiteral("1-3"));
    EXPECT_EQ(registry.AppSetting(QStringLiteral("print"), QStringLiteral("pages")), QStringLiteral("1-3"));
    EXPECT_EQ(
        store.readValue(Hive::CurrentUser,
                        QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Applets\\Korvandel_zep31_PlugIn\\Print"),
                        QStringLiteral("Pages")),
        QStringLiteral("1-3"));
    EXPECT_FALSE(store.keyExists(Hive::LocalMachine, QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Applets")));
    EXPECT_EQ(registry.AppSetting(QStringLiteral("Print"), QStringLiteral("Missing")), QString());
}

TEST_F(CRegistryTest, WerteReadsTheUsersKeyWithoutPrefix)
{
    ASSERT_TRUE(store.writeValue(Hive::CurrentUser, registry_keys::InternationalKey,
                                 registry_keys::DecimalValue, QStringLiteral(".")));
    ASSERT_TRUE(store.writeValue(Hive::LocalMachine, registry_keys::InternationalKey,
                                 registry_keys::DecimalValue, QStringLiteral("machine")));
    CRegistry registry(store);
    EXPECT_EQ(registry.Werte(QStringLiteral("control panel\\international"), QStringLiteral("sdecimal")),
              QStringLiteral("."));
    EXPECT_EQ(registry.Werte(QStringLiteral("Control Panel\\Missing"), QStringLiteral("sDecimal")),
              QString());
}

TEST_F(CRegistryTest, EnumerationWalksSubkeysInOrderAndResets)
{
    const QString parent = QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins");
    for (const char* name : {"Zulu", "Alpha", "Mike"})
        ASSERT_TRUE(store.createKey(Hive::LocalMachine, parent + QLatin1Char('\\') + QLatin1String(name)));

    CRegistry registry(store);
    EXPECT_EQ(registry.GetNextMachineKey(), QString());
    EXPECT_EQ(registry.FindFirstMachineKey(parent), QStringLiteral("Zulu"));
    EXPECT_EQ(registry.GetNextMachineKey(), QStringLiteral("Alpha"));
    EXPECT_EQ(registry.GetNextMachineKey(), QStringLiteral("Mike"));
    EXPECT_EQ(registry.GetNextMachineKey(), QString());
    EXPECT_EQ(registry.GetNextMachineKey(), QString());
    EXPECT_EQ(registry.FindFirstMachineKey(parent.toLower()), QStringLiteral("Zulu"));
    EXPECT_EQ(registry.GetNextMachineKey(), QStringLiteral("Alpha"));

    EXPECT_EQ(registry.FindFirstMachineKey(QStringLiteral("SOFTWARE\\Missing")), QString());
    EXPECT_EQ(registry.GetNextMachineKey(), QString());
    EXPECT_EQ(registry.FindFirstMachineKey(parent + QStringLiteral("\\Mike")), QString());
    EXPECT_EQ(registry.GetNextMachineKey(), QString());
}

TEST_F(CRegistryTest, EnumeratedNamesFitTheNameBuffer)
{
    const QString parent = QStringLiteral("SOFTWARE\\Names");
    const QString longName(300, QLatin1Char('n'));
    const QString withNul = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd");
    ASSERT_TRUE(store.createKey(Hive::LocalMachine, parent + QLatin1Char('\\') + longName));
    ASSERT_TRUE(store.createKey(Hive::LocalMachine, parent + QLatin1Char('\\') + withNul));
    CRegistry registry(store);
    EXPECT_EQ(registry.FindFirstMachineKey(parent), QString(260, QLatin1Char('n')));
    EXPECT_EQ(registry.GetNextMachineKey(), QStringLiteral("ab"));
}

TEST_F(CRegistryTest, DeleteMachineKeyRemovesTheWholeTreeOnly)
{
    const QString root = registry_keys::PlugInKey;
    for (const char* sub : {"\\a\\b\\c", "\\a\\d", "\\e"})
        ASSERT_TRUE(
            store.writeValue(Hive::LocalMachine, root + QLatin1String(sub), QString(), QStringLiteral("x")));
    ASSERT_TRUE(store.writeValue(Hive::LocalMachine, root, QStringLiteral("Name"), QStringLiteral("n")));
    ASSERT_TRUE(
        store.createKey(Hive::LocalMachine, QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Other")));

    CRegistry registry(store);
    EXPECT_TRUE(registry.DeleteMachineKey(root.toUpper()));
    EXPECT_FALSE(store.keyExists(Hive::LocalMachine, root));
    EXPECT_FALSE(store.keyExists(Hive::LocalMachine, root + QStringLiteral("\\a\\b")));
    EXPECT_TRUE(
        store.keyExists(Hive::LocalMachine, QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Other")));
    EXPECT_FALSE(registry.DeleteMachineKey(root));
}

TEST_F(CRegistryTest, DeleteMachineKeyNeverTakesTheWholeHive)
{
    ASSERT_TRUE(store.createKey(Hive::LocalMachine, registry_keys::PlugInKey));
    CRegistry registry(store);
    EXPECT_FALSE(registry.DeleteMachineKey(QString()));
    EXPECT_FALSE(registry.DeleteMachineKey(QStringLiteral("\\")));
    EXPECT_TRUE(store.keyExists(Hive::LocalMachine, registry_keys::PlugInKey));
}

TEST(CRegistryFailure, BrokenStoreReadsEmptyAndLeavesAPendingError)
{
    TempLonWorksHome home;
    {
        QFile garbage(lonworks_home::registryFile());
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(2048, '\x01'));
    }
    SqliteRegistryStore store(lonworks_home::registryFile());
    CRegistry registry(store);
    EXPECT_EQ(registry.MachineSetting(registry_keys::PlugInKey, QString()), QString());
    EXPECT_EQ(registry.FindFirstMachineKey(QStringLiteral("SOFTWARE")), QString());
    EXPECT_FALSE(registry.DeleteMachineKey(registry_keys::PlugInKey));
    EXPECT_EQ(registry.pendingError(), 0);
    registry.setMachineSetting(registry_keys::PlugInKey, QStringLiteral("Version"), QStringLiteral("1.4"));
    EXPECT_EQ(registry.pendingError(), static_cast<qint32>(0x80040201));
    EXPECT_EQ(registry.pendingError(), -2147220991);
}

} // namespace
