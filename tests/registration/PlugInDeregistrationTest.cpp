#include "registration/PlugInDeregistration.h"

#include "host/CRegistry.h"
#include "host/NetworkOpener.h"
#include "host/RegistryKeys.h"
#include "host/object_server/Error.h"
#include "registration/NetworkRegistration.h"
#include "registration/PlugInRegistration.h"
#include "registration/support/FakeSelfLauncher.h"
#include "support/PlugInTestContext.h"

#include <gtest/gtest.h>

namespace {

using Icon = UiServices::Icon;
using Buttons = UiServices::Buttons;
using Answer = UiServices::Answer;

const QString Title = QStringLiteral("Korvandel_zep31_PlugIn");
const QString ProgId = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");
const QString Id05 = QStringLiteral("9FFF3C0A0006040F");
const QString Id06 = QStringLiteral("9FFF3C0A00060417");
const QString Deregistered = QStringLiteral("Plug-in Korvandel_zep31_PlugIn deregistered");

QString templateQuestion(const QString& name)
{
    return QStringLiteral("The device template '") + name +
           QStringLiteral(
               "' is no longer referenced by any device in the current network. Do you want to remove "
               "the device template from the template library?");
}

class PlugInDeregistrationTest : public ::testing::Test
{
protected:
    PlugInDeregistrationTest()
    {
        // Registered in English, with the commands in the demo network and in a network whose
        // templates no device uses.
        FakeSelfLauncher launcher;
        PlugInRegistration registration(m_test.context, launcher);
        registration.setSelectedLanguage(QStringLiteral("english"));
        registration.RegisterPlugIn(false);
        m_test.catalogue.LoadTexts(0);
        m_test.commands.fill();
        lnssim::PlatformAdmin(m_test.home.path()).addNetwork(QStringLiteral("Plant"));
        m_test.ui.setRelaxed(Answer::Yes);
        for (const QString& network : {QStringLiteral("Demo"), QStringLiteral("Plant")}) {
            NetworkOpener(*m_test.objectServer, m_test.connection, m_test.catalogue, m_test.ui)
                .openNetwork(network, QString());
            NetworkRegistration(m_test.context).RegisterWithNetwork();
        }
        m_test.connection = ConnectionState{};
        m_test.objectServer->close();
        m_test.ui.setStrict();
        m_test.progress = RecordingProgress{};
    }

    // Commands of the plug-in at the template of a program ID in a network; -1 without the template.
    int commands(const QString& network, const QString& programId)
    {
        lns::ObjectServer& server = *m_test.objectServer;
        const bool wasOpen = server.isOpen();
        if (!wasOpen)
            server.open();
        const auto net = server.networks()->item(network);
        net->open();
        const auto system = net->systems()->item(1);
        system->open();
        int count = -1;
        try {
            const auto apps = system->deviceTemplates()->findByProgramId(programId)->componentApps();
            count = 0;
            for (int i = 1; i <= apps->count(); ++i)
                count += apps->item(i)->progId() == ProgId ? 1 : 0;
        } catch (const lns::Error&) {
            // No template of that program ID: -1.
        }
        system->close();
        net->close();
        if (!wasOpen)
            server.close();
        return count;
    }

    bool keyExists() const
    {
        return m_test.registry.keyExists(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey);
    }

    PlugInTestContext m_test;
    FakeSelfLauncher m_launcher;
    PlugInDeregistration m_deregistration{m_test.context, m_launcher};
};

} // namespace

TEST_F(PlugInDeregistrationTest, FullDeregistrationOffersOnlyUnusedTemplates)
{
    ASSERT_EQ(commands(QStringLiteral("Demo"), Id06), 2);
    ASSERT_EQ(commands(QStringLiteral("Plant"), Id05), 2);
    m_test.ui.expectMessage(templateQuestion(QStringLiteral("Korvandel zep31_05")), Title, Icon::Warning,
                            Buttons::YesNo, Answer::Yes);
    m_test.ui.expectMessage(templateQuestion(QStringLiteral("Korvandel zep31_06")), Title, Icon::Warning,
                            Buttons::YesNo, Answer::No);
    m_test.ui.expectMessage(Deregistered, Title, Icon::Information, Buttons::Ok, Answer::Ok);
    m_deregistration.DeregisterPlugIn(PlugInDeregistration::RemoveCommandsAndTemplates, true);

    EXPECT_EQ(commands(QStringLiteral("Demo"), Id05), 0);
    EXPECT_EQ(commands(QStringLiteral("Demo"), Id06), 0);
    EXPECT_EQ(commands(QStringLiteral("Plant"), Id05), -1);
    EXPECT_EQ(commands(QStringLiteral("Plant"), Id06), 0);
    EXPECT_FALSE(keyExists());
    EXPECT_EQ(m_launcher.arguments(), QStringList{QStringLiteral("/unregserver")});
    EXPECT_EQ(m_test.progress.statuses().first(), QStringLiteral("Opening the Object Server..."));
    EXPECT_TRUE(m_test.progress.statuses().contains(QStringLiteral("Opening Plant...")));
    EXPECT_TRUE(
        m_test.progress.statuses().contains(QStringLiteral("9FFF3C0A00060417\r\nDeregister Command  13...")));
    EXPECT_EQ(m_test.progress.startPositions(), 1);
    EXPECT_FALSE(m_test.progress.progressVisible());
    EXPECT_FALSE(m_test.objectServer->isOpen());
}

TEST_F(PlugInDeregistrationTest, ModeZeroRemovesCommandsWithoutQuestions)
{
    m_test.ui.expectMessage(Deregistered, Title, Icon::Information, Buttons::Ok, Answer::Ok);
    m_deregistration.DeregisterPlugIn(PlugInDeregistration::RemoveCommands, true);
    EXPECT_EQ(commands(QStringLiteral("Demo"), Id06), 0);
    EXPECT_EQ(commands(QStringLiteral("Plant"), Id05), 0);
}

TEST_F(PlugInDeregistrationTest, SkippingTheNetworksStillUnregisters)
{
    for (int mode : {-1, 7}) {
        m_test.ui.expectMessage(mode == -1
                                    ? Deregistered
                                    : QStringLiteral("Plug-in Korvandel_zep31_PlugIn does not exisit in "
                                                     "the Windows registery"),
                                Title, Icon::Information, Buttons::Ok, Answer::Ok);
        m_deregistration.DeregisterPlugIn(mode, true);
        EXPECT_EQ(commands(QStringLiteral("Demo"), Id06), 2);
        EXPECT_FALSE(keyExists());
    }
    EXPECT_TRUE(m_test.progress.statuses().isEmpty());
}

TEST_F(PlugInDeregistrationTest, EveryCommandOfThePlugInGoesEvenUnderAnotherName)
{
    m_test.objectServer->open();
    const auto net = m_test.objectServer->networks()->item(QStringLiteral("Demo"));
    net->open();
    const auto system = net->systems()->item(1);
    system->open();
    const auto apps = system->deviceTemplates()->findByProgramId(Id06)->componentApps();
    apps->add(QStringLiteral("Configure (1)"), ProgId, 7)->setCommandId(13);
    apps->add(QStringLiteral("Other configure"), QStringLiteral("Other.Tool"), 7)->setCommandId(13);

    m_deregistration.RemoveCommand(*system, 3, m_test.commands.row(0), Id06, QString());
    int ours = 0;
    for (int i = 1; i <= apps->count(); ++i)
        ours += apps->item(i)->commandId() == 13 && apps->item(i)->progId() == ProgId ? 1 : 0;
    EXPECT_EQ(ours, 0);
    EXPECT_EQ(apps->count(), 2);
}

TEST_F(PlugInDeregistrationTest, ServerThatCannotBeUnregisteredKeepsTheKey)
{
    m_launcher.failWith(QStringLiteral("Permission denied"));
    m_test.ui.expectMessage(
        QStringLiteral("Plug-in Korvandel_zep31_PlugIn.LNSPlugInAPI deregistration as COM server "
                       "failed\rVerify that there are not instances running\rPermission denied"),
        Title, Icon::Critical, Buttons::Ok, Answer::Ok);
    EXPECT_FALSE(m_deregistration.UnregisterPlugIn(true));
    EXPECT_TRUE(keyExists());
}

TEST_F(PlugInDeregistrationTest, WithoutNetworksOnlyServerAndKeyGo)
{
    lnssim::PlatformAdmin admin(m_test.home.path());
    admin.removeNetwork(QStringLiteral("Demo"));
    admin.removeNetwork(QStringLiteral("Plant"));
    m_test.ui.expectMessage(Deregistered, Title, Icon::Information, Buttons::Ok, Answer::Ok);
    m_deregistration.DeregisterPlugIn(PlugInDeregistration::RemoveCommandsAndTemplates, true);
    EXPECT_EQ(m_test.progress.statuses(), QStringList{QStringLiteral("Opening the Object Server...")});
    EXPECT_FALSE(keyExists());
}
