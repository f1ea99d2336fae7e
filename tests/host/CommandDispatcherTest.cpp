#include "entry/CommandDispatcher.h"

#include "host/AutomationError.h"
#include "host/CRegistry.h"
#include "host/NetworkOpener.h"
#include "host/RegistryKeys.h"
#include "host/object_server/Error.h"
#include "host/support/FakePlugInWindow.h"
#include "registration/NetworkRegistration.h"
#include "registration/PlugInDeregistration.h"
#include "registration/support/FakeSelfLauncher.h"
#include "support/PlugInTestContext.h"

#include <gtest/gtest.h>

namespace {

const QString Rou1 = QStringLiteral("Demo/Building/Floor 1:F1/Room 1:ROU_1");

class CommandDispatcherTest : public ::testing::Test
{
protected:
    CommandDispatcherTest()
    {
        CRegistry(m_test.registry)
            .setMachineSetting(registry_keys::PlugInKey, registry_keys::LanguageValue,
                               QStringLiteral("english"));
        m_test.catalogue.LoadTexts(0);
        m_test.commands.fill();
    }

    void openDemo()
    {
        NetworkOpener(*m_test.objectServer, m_test.connection, m_test.catalogue, m_test.ui)
            .openNetwork(QStringLiteral("Demo"), QString());
    }

    // The error SendCommand raises; number 0 when it raises none.
    AutomationError sendError(qint32 commandId, qint16 objectClassId, const QString& objectName)
    {
        try {
            m_dispatcher.SendCommand(m_window, commandId, objectClassId, objectName);
        } catch (const AutomationError& error) {
            return error;
        }
        return AutomationError(0, QString());
    }

    int commandCount(const QString& programId)
    {
        return m_test.connection.system->deviceTemplates()
            ->findByProgramId(programId)
            ->componentApps()
            ->count();
    }

    PlugInTestContext m_test;
    FakeSelfLauncher m_launcher;
    FakePlugInWindow m_window;
    NetworkRegistration m_registration{m_test.context};
    PlugInDeregistration m_deregistration{m_test.context, m_launcher};
    CommandDispatcher m_dispatcher{m_test.context, m_registration, m_deregistration};
};

} // namespace

TEST_F(CommandDispatcherTest, DeviceCommandsHandTheDeviceToTheWindow)
{
    openDemo();
    bool progressGone = false;
    m_window.onProcess([&] { progressGone = !m_test.progress.progressVisible(); });
    m_dispatcher.SendCommand(m_window, 13, 7, Rou1);
    m_dispatcher.SendCommand(m_window, 10000, 7, QStringLiteral("Demo/Building/Floor 2:F2/Room 4:ROU_4"));
    // Without prefixes the components name subsystem and device directly.
    m_dispatcher.SendCommand(m_window, 13, 7, QStringLiteral("F1/ROU_2"));

    ASSERT_EQ(m_window.handOvers().size(), 3);
    EXPECT_EQ(m_window.handOvers().at(0).deviceName, QStringLiteral("ROU_1"));
    EXPECT_EQ(m_window.handOvers().at(0).commandId, 13);
    EXPECT_EQ(m_window.handOvers().at(1).deviceName, QStringLiteral("ROU_4"));
    EXPECT_EQ(m_window.handOvers().at(1).commandId, 10000);
    EXPECT_EQ(m_window.handOvers().at(2).deviceName, QStringLiteral("ROU_2"));
    EXPECT_TRUE(progressGone);
    EXPECT_EQ(m_test.progress.statuses().first(), QStringLiteral("Initializing plug-in . . ."));
    EXPECT_EQ(m_test.progress.startPositions(), 3);
    EXPECT_EQ(m_dispatcher.objectPath().count(), 2);
}

TEST_F(CommandDispatcherTest, UnknownCommandsAndClassesAreRefused)
{
    openDemo();
    const AutomationError wrongClass = sendError(13, 8, Rou1);
    EXPECT_EQ(wrongClass.number(), 20004);
    EXPECT_EQ(wrongClass.description(), QStringLiteral("Object type not supported for this command"));
    const AutomationError unknown = sendError(12, 7, Rou1);
    EXPECT_EQ(unknown.number(), 20003);
    EXPECT_EQ(unknown.description(), QStringLiteral("Command not supported"));
    EXPECT_TRUE(m_window.handOvers().isEmpty());
    EXPECT_FALSE(m_test.progress.progressVisible());
}

TEST_F(CommandDispatcherTest, ObjectNamesThatNameNoDeviceGiveObjectNotFound)
{
    openDemo();
    const QStringList names{QStringLiteral("ROU_1"), QString(), QStringLiteral("/"),
                            QStringLiteral("Demo//F1/ROU_1"), QStringLiteral("Demo/Building/F1:/ROU_1"),
                            QStringLiteral("Demo/Building/Floor 1:F1/Room 9:ROU_9"),
                            QStringLiteral("Demo/Building/Floor 2:F2/Room 1:ROU_1"),
                            QStringLiteral(":::/:::"), QStringLiteral("Demo/Building/Floor 1:F1/ROU_1\n"),
                            QString(5000, QLatin1Char('/')) + QStringLiteral("x"),
                            QStringLiteral("Démo/Gebäude/Stock 1:F1/Raum 1:ROU_1 ä"),
                            // Longer than any name a director sends, though its last two parts name ROU_1.
                            QStringLiteral("Demo/") + QString(ObjectPath::MaxNameLength, QLatin1Char('x')) +
                                QStringLiteral("/Floor 1:F1/Room 1:ROU_1")};
    for (const QString& name : names) {
        const AutomationError error = sendError(13, 7, name);
        EXPECT_EQ(error.number(), 20005) << name.left(60).toStdString();
        EXPECT_EQ(error.description(), QStringLiteral("Object not found"));
    }
    EXPECT_TRUE(m_window.handOvers().isEmpty());
}

TEST_F(CommandDispatcherTest, ErrorsOfTheWindowReachTheDirectorUnchanged)
{
    openDemo();
    m_window.onProcess(
        [] { throw AutomationError(31, QStringLiteral("Device busy"), QStringLiteral("fMain")); });
    const AutomationError own = sendError(13, 7, Rou1);
    EXPECT_EQ(own.number(), 31);
    EXPECT_EQ(own.description(), QStringLiteral("Device busy"));
    EXPECT_EQ(own.source(), QStringLiteral("fMain"));

    m_window.onProcess(
        [] { throw lns::Error(lns::errors::DeviceOffline, QStringLiteral("ROU_1 is offline")); });
    const AutomationError server = sendError(13, 7, Rou1);
    EXPECT_EQ(server.number(), lns::errors::DeviceOffline);
    EXPECT_EQ(server.description(), QStringLiteral("ROU_1 is offline"));
}

TEST_F(CommandDispatcherTest, WithoutAnOpenNetworkEveryCommandFails)
{
    EXPECT_EQ(sendError(13, 7, Rou1).number(), 20005);
    const AutomationError registration = sendError(50, 0, QString());
    EXPECT_EQ(registration.number(), 20000);
    EXPECT_EQ(registration.description(), QStringLiteral("Unable to register Supported Commands"));
    const AutomationError deregistration = sendError(51, 0, QString());
    EXPECT_EQ(deregistration.number(), 20006);
    EXPECT_EQ(deregistration.description(),
              QStringLiteral("No network is open: set networkName before command 51"));
    EXPECT_FALSE(m_test.progress.progressVisible());
}

TEST_F(CommandDispatcherTest, RegisterThenDeregisterWithoutAnyQuestion)
{
    openDemo();
    m_test.ui.setRelaxed(UiServices::Answer::Yes);
    m_dispatcher.SendCommand(m_window, 50, 0, QString());
    EXPECT_EQ(m_test.progress.statuses().first(), QStringLiteral("Registering plug-in . . ."));
    const QString programId = QStringLiteral("9FFF3C0A00060417");
    EXPECT_EQ(commandCount(programId), 2);

    // Deregistration by the director asks nothing, even about templates no device uses.
    m_test.ui.setStrict();
    m_dispatcher.SendCommand(m_window, 51, 0, QString());
    EXPECT_EQ(m_test.progress.statuses().last(), QStringLiteral("Unregistering plug-in . . ."));
    EXPECT_EQ(commandCount(programId), 0);
    EXPECT_EQ(commandCount(QStringLiteral("9FFF3C0A0006040F")), 0);
}
