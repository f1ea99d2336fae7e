#include "host/NetworkOpener.h"

#include "host/AutomationError.h"
#include "host/CRegistry.h"
#include "host/ConnectionState.h"
#include "host/LonWorksHome.h"
#include "host/MessageCatalogue.h"
#include "host/RegistryKeys.h"
#include "host/support/RecordingObjectServer.h"
#include "registry/SqliteRegistryStore.h"
#include "support/FakeUi.h"
#include "support/TempLonWorksHome.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class NetworkOpenerTest : public ::testing::Test
{
protected:
    NetworkOpenerTest()
    {
        CRegistry(m_registry)
            .setMachineSetting(registry_keys::PlugInKey, registry_keys::LanguageValue,
                               QStringLiteral("english"));
        m_catalogue.LoadTexts(0);
    }

    QStringList openAndLog(const QString& network, const QString& interfaceName)
    {
        m_server.log.clear();
        m_opener.openNetwork(network, interfaceName);
        return m_server.log;
    }

    TempLonWorksHome m_home;
    SqliteRegistryStore m_registry{lonworks_home::registryFile()};
    MessageCatalogue m_catalogue{m_registry};
    RecordingObjectServer m_server{{QStringLiteral("Demo"), QStringLiteral("Plant")}};
    ConnectionState m_connection;
    FakeUi m_ui;
    NetworkOpener m_opener{m_server, m_connection, m_catalogue, m_ui};
};

} // namespace

TEST_F(NetworkOpenerTest, LocalOpenOpensServerNetworkAndFirstSystem)
{
    EXPECT_EQ(openAndLog(QStringLiteral("Demo"), QString()),
              (QStringList{u"open option 0"_s, u"open"_s, u"network Demo open"_s, u"system Demo open"_s,
                           u"system numeric 200"_s}));
    EXPECT_TRUE(m_connection.ServerOpen);
    EXPECT_TRUE(m_connection.NetworkOpen);
    EXPECT_EQ(m_connection.CurrentNetworkName, QStringLiteral("Demo"));
    ASSERT_TRUE(m_connection.system);
    EXPECT_EQ(m_ui.pointerChanges(),
              (QList<UiServices::Pointer>{UiServices::Pointer::Hourglass, UiServices::Pointer::Default}));

    // The open network again: nothing is reopened.
    EXPECT_TRUE(openAndLog(QStringLiteral("Demo"), QString()).isEmpty());
    // Another network keeps the open object server.
    EXPECT_EQ(openAndLog(QStringLiteral("Plant"), QString()),
              (QStringList{u"network Plant open"_s, u"system Plant open"_s, u"system numeric 200"_s}));
}

TEST_F(NetworkOpenerTest, RemoteOpenThroughANamedInterface)
{
    m_server.preset(false, true, 0x31);
    EXPECT_EQ(openAndLog(QStringLiteral("Demo"), QStringLiteral("LON1")),
              (QStringList{u"open option 0"_s, u"flags 0x21"_s, u"open"_s, u"interface LON1"_s,
                           u"network Demo open"_s, u"system Demo open"_s, u"system numeric 200"_s}));
}

TEST_F(NetworkOpenerTest, RemoteOpenOverTheInternetSetsTheSystemOptions)
{
    m_server.preset(false, true, 0x20);
    EXPECT_EQ(openAndLog(QStringLiteral("Demo"), QStringLiteral("Internet")),
              (QStringList{u"open option 0"_s, u"flags 0x10"_s, u"open"_s, u"network Demo open"_s,
                           u"system Demo open"_s, u"system option1 1"_s, u"system option2 0"_s,
                           u"system option1 0"_s, u"system numeric 200"_s}));
}

TEST_F(NetworkOpenerTest, EmptyInterfaceWhileRemoteReopensLocally)
{
    m_server.preset(true, true, 0);
    m_connection.ServerOpen = true;
    // The flags follow the remote flag read first, as the procedure has it.
    EXPECT_EQ(openAndLog(QStringLiteral("Demo"), QString()),
              (QStringList{u"close"_s, u"remote 0"_s, u"open option 0"_s, u"flags 0x20"_s, u"open"_s,
                           u"network Demo open"_s, u"system Demo open"_s, u"system numeric 200"_s}));
    EXPECT_FALSE(m_server.remote());
}

TEST_F(NetworkOpenerTest, AnInterfaceWhileLocalSwitchesToRemote)
{
    EXPECT_EQ(openAndLog(QStringLiteral("Demo"), QStringLiteral("LON1")),
              (QStringList{u"remote 1"_s, u"open option 0"_s, u"open"_s, u"interface LON1"_s,
                           u"network Demo open"_s, u"system Demo open"_s, u"system numeric 200"_s}));
    EXPECT_TRUE(m_server.remote());
}

TEST_F(NetworkOpenerTest, FailureLeavesNoNetworkOpenAndRaises20006)
{
    m_opener.openNetwork(QStringLiteral("Demo"), QString());
    for (const QString& failing :
         {QStringLiteral("network Plant open"), QStringLiteral("system Plant open")}) {
        m_server.failOn = {failing};
        try {
            m_opener.openNetwork(QStringLiteral("Plant"), QString());
            FAIL() << "no error for " << failing.toStdString();
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.number(), 20006);
            EXPECT_EQ(error.description(), QStringLiteral("Cannot open the network Plant"));
            EXPECT_EQ(error.source(), QStringLiteral("Korvandel_zep31_PlugIn"));
        }
        EXPECT_FALSE(m_connection.NetworkOpen);
        EXPECT_TRUE(m_connection.CurrentNetworkName.isEmpty());
        EXPECT_EQ(m_ui.pointer(), UiServices::Pointer::Default);
    }
}

TEST_F(NetworkOpenerTest, UnknownNetworkOrInterfaceRaises20006)
{
    EXPECT_THROW(m_opener.openNetwork(QStringLiteral("Nowhere"), QString()), AutomationError);
    EXPECT_THROW(m_opener.openNetwork(QStringLiteral("Demo"), QStringLiteral("COM7")), AutomationError);
    EXPECT_FALSE(m_connection.NetworkOpen);
    // After a failure the same name opens again.
    m_opener.openNetwork(QStringLiteral("Demo"), QString());
    EXPECT_TRUE(m_connection.NetworkOpen);
}

TEST_F(NetworkOpenerTest, RemoteLetReopensAnOpenServer)
{
    m_server.preset(true, false, 0);
    m_opener.setRemote(true);
    EXPECT_EQ(m_server.log, (QStringList{u"close"_s, u"remote 1"_s, u"open"_s}));
    EXPECT_TRUE(m_connection.ServerOpen);

    m_server.preset(false, true, 0);
    m_server.log.clear();
    m_opener.setRemote(false);
    EXPECT_EQ(m_server.log, (QStringList{u"remote 0"_s}));
    EXPECT_FALSE(m_connection.ServerOpen);
}
