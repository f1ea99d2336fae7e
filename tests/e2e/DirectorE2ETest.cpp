#include "e2e/support/E2ESteps.h"
#include "e2e/support/PrivateSession.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using e2e_steps::describe;

const QString Id05 = QStringLiteral("9FFF3C0A0006040F");
const QString Id06 = QStringLiteral("9FFF3C0A00060417");

class DirectorE2ETest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString failure = e2e_steps::setUpRegisteredPlugIn(m_session);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }

    PrivateSession::Run director(const QStringList& arguments)
    {
        return m_session.run(QStringLiteral("lnsdirector"), arguments);
    }

    QVariant property(const QString& path, const QString& name)
    {
        QDBusMessage get = QDBusMessage::createMethodCall(PrivateSession::BusName, path,
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get << PrivateSession::BusName << name;
        const QDBusMessage reply = m_session.bus().call(get, QDBus::Block, 30000);
        return reply.arguments().isEmpty() ? QVariant()
                                           : reply.arguments().constFirst().value<QDBusVariant>().variant();
    }

    PrivateSession m_session;
};

} // namespace

TEST_F(DirectorE2ETest, TheDirectorFindsTheRegisteredPlugIn)
{
    const PrivateSession::Run plugins = director({QStringLiteral("plugins")});
    ASSERT_EQ(plugins.exitCode, 0) << describe(plugins);
    EXPECT_TRUE(
        plugins.out.contains(QStringLiteral("key: Korvandel_zep31_PlugIn\tname: Korvandel_zep31_PlugIn\t"
                                            "version: 1.4\tlanguage: english")))
        << describe(plugins);
}

TEST_F(DirectorE2ETest, RegisterCreatesTheCommandsAndASecondRunUpdatesThem)
{
    const PrivateSession::Run first =
        director({QStringLiteral("--network"), QStringLiteral("Demo"), QStringLiteral("register")});
    ASSERT_EQ(first.exitCode, 0) << describe(first);
    EXPECT_TRUE(first.out.contains(QStringLiteral("registered")));
    QMap<QString, int> commands = e2e_steps::registeredCommands(m_session, QStringLiteral("Demo"));
    EXPECT_EQ(commands.value(Id05), 2);
    EXPECT_EQ(commands.value(Id06), 2);

    // The last instance went with the window hidden: the plug-in ended.
    EXPECT_TRUE(m_session.waitForPlugInGone(10000));

    const PrivateSession::Run second =
        director({QStringLiteral("--network"), QStringLiteral("Demo"), QStringLiteral("register")});
    ASSERT_EQ(second.exitCode, 0) << describe(second);
    commands = e2e_steps::registeredCommands(m_session, QStringLiteral("Demo"));
    EXPECT_EQ(commands.value(Id05), 2);
    EXPECT_EQ(commands.value(Id06), 2);

    const PrivateSession::Run deregister =
        director({QStringLiteral("--network"), QStringLiteral("Demo"), QStringLiteral("deregister")});
    ASSERT_EQ(deregister.exitCode, 0) << describe(deregister);
    commands = e2e_steps::registeredCommands(m_session, QStringLiteral("Demo"));
    EXPECT_EQ(commands.value(Id05), 0);
    EXPECT_EQ(commands.value(Id06), 0);
}

TEST_F(DirectorE2ETest, OpenHandsTheDeviceToTheWindowAndStaysWhileItIsOpen)
{
    QProcess& open = m_session.start(QStringLiteral("lnsdirector"),
                                     {QStringLiteral("--network"), QStringLiteral("Demo"),
                                      QStringLiteral("--geometry"), QStringLiteral("900x700+40+30"),
                                      QStringLiteral("--wait"), QStringLiteral("open"), e2e_steps::Rou1});
    QDeadlineTimer deadline(60000);
    QString out;
    while (!out.contains(QStringLiteral("opened")) && !deadline.hasExpired() &&
           open.state() == QProcess::Running) {
        open.waitForReadyRead(200);
        out += QString::fromUtf8(open.readAllStandardOutput());
    }
    ASSERT_TRUE(out.contains(QStringLiteral("opened ") + e2e_steps::Rou1))
        << out.toStdString() << open.readAllStandardError().toStdString();

    const QString instance = QStringLiteral("/LNSPlugInAPI/1");
    EXPECT_TRUE(property(instance, QStringLiteral("Visible")).toBool());
    EXPECT_EQ(property(instance, QStringLiteral("networkName")).toString(), QStringLiteral("Demo"));
    EXPECT_EQ(property(instance, QStringLiteral("Width")).toInt(), 900);
    EXPECT_EQ(property(instance, QStringLiteral("Height")).toInt(), 700);
    EXPECT_EQ(property(instance, QStringLiteral("Left")).toInt(), 40);
    EXPECT_EQ(property(instance, QStringLiteral("Top")).toInt(), 30);
    EXPECT_EQ(open.state(), QProcess::Running);

    // Closing the window (here: hiding it) lets the director go; the plug-in ends after it.
    QDBusMessage hide = QDBusMessage::createMethodCall(PrivateSession::BusName, instance,
                                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Set"));
    hide << PrivateSession::BusName << QStringLiteral("Visible") << QVariant::fromValue(QDBusVariant(false));
    EXPECT_EQ(m_session.bus().call(hide).type(), QDBusMessage::ReplyMessage);
    const PrivateSession::Run ended = PrivateSession::finish(open, 30000);
    EXPECT_EQ(ended.exitCode, 0) << describe(ended);
    EXPECT_TRUE(ended.out.contains(QStringLiteral("window closed"))) << describe(ended);
    EXPECT_TRUE(m_session.waitForPlugInGone(10000));
}

TEST_F(DirectorE2ETest, AHiddenOpenLeavesNoPlugInBehind)
{
    // Asked for, or without a display (these tests have none): nobody could close the window.
    for (const QStringList& hidden : {QStringList{QStringLiteral("--hidden")}, QStringList{}}) {
        const PrivateSession::Run open =
            director(QStringList{QStringLiteral("--network"), QStringLiteral("Demo")} + hidden +
                     QStringList{QStringLiteral("open"), e2e_steps::Rou1});
        ASSERT_EQ(open.exitCode, 0) << describe(open);
        EXPECT_TRUE(open.out.contains(QStringLiteral("opened ") + e2e_steps::Rou1)) << describe(open);
        EXPECT_FALSE(open.out.contains(QStringLiteral("window closed"))) << describe(open);
        EXPECT_EQ(open.err.contains(QStringLiteral("no display")), hidden.isEmpty()) << describe(open);
        EXPECT_TRUE(m_session.waitForPlugInGone(10000));
    }
}

TEST_F(DirectorE2ETest, AutomationErrorsReachTheDirectorWithTheirNumbers)
{
    const PrivateSession::Run noNetwork =
        director({QStringLiteral("--network"), QStringLiteral("Nowhere"), QStringLiteral("register")});
    EXPECT_EQ(noNetwork.exitCode, 3) << describe(noNetwork);
    EXPECT_TRUE(noNetwork.err.contains(QStringLiteral("error 20006: Cannot open the network Nowhere")))
        << describe(noNetwork);

    const QStringList demo{QStringLiteral("--network"), QStringLiteral("Demo")};
    const PrivateSession::Run notFound =
        director(demo + QStringList{QStringLiteral("open"), QStringLiteral("ROU_1")});
    EXPECT_EQ(notFound.exitCode, 3);
    EXPECT_TRUE(notFound.err.contains(QStringLiteral("error 20005: Object not found"))) << describe(notFound);

    const PrivateSession::Run unknownCommand =
        director(demo + QStringList{QStringLiteral("open"), e2e_steps::Rou1, QStringLiteral("--command"),
                                    QStringLiteral("12")});
    EXPECT_TRUE(unknownCommand.err.contains(QStringLiteral("error 20003: Command not supported")))
        << describe(unknownCommand);

    const PrivateSession::Run otherClass =
        director(demo + QStringList{QStringLiteral("open"), e2e_steps::Rou1, QStringLiteral("--class"),
                                    QStringLiteral("8")});
    EXPECT_TRUE(
        otherClass.err.contains(QStringLiteral("error 20004: Object type not supported for this command")))
        << describe(otherClass);

    // Without a network nothing can be registered.
    const PrivateSession::Run unregistered = director({QStringLiteral("register")});
    EXPECT_TRUE(
        unregistered.err.contains(QStringLiteral("error 20000: Unable to register Supported Commands")))
        << describe(unregistered);
}

TEST_F(DirectorE2ETest, BadDirectorInputIsACleanError)
{
    for (const QStringList& arguments :
         {QStringList{}, QStringList{QStringLiteral("open")}, QStringList{QStringLiteral("fly")},
          QStringList{QStringLiteral("--geometry"), QStringLiteral("9x"), QStringLiteral("register")},
          QStringList{QStringLiteral("--class"), QStringLiteral("70000"), QStringLiteral("open"),
                      QStringLiteral("x")},
          QStringList{QStringLiteral("--network")},
          QStringList{QStringLiteral("--command"), QStringLiteral("13"), QStringLiteral("register")}}) {
        const PrivateSession::Run run = director(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(QLatin1Char(' ')).toStdString() << describe(run);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("lnsdirector: "))) << describe(run);
    }
    const PrivateSession::Run otherPlugIn =
        director({QStringLiteral("--plugin"), QStringLiteral("Other"), QStringLiteral("register")});
    EXPECT_EQ(otherPlugIn.exitCode, 1);
    EXPECT_TRUE(otherPlugIn.err.contains(QStringLiteral("no plug-in \"Other\" is registered")))
        << describe(otherPlugIn);
}

TEST_F(DirectorE2ETest, SwitchesEndOnTheirOwnWithoutADisplayOrAPerson)
{
    ASSERT_EQ(
        director({QStringLiteral("--network"), QStringLiteral("Demo"), QStringLiteral("register")}).exitCode,
        0);
    ASSERT_TRUE(m_session.waitForPlugInGone(10000));
    m_session.unsetForPrograms({QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("ZEP31_UNATTENDED")});
    constexpr int Timeout = 10000;

    const PrivateSession::Run registration = m_session.run(
        QStringLiteral("zep31-plugin"), {QStringLiteral("/regplugin"), QStringLiteral("/german")}, Timeout);
    ASSERT_TRUE(registration.finished) << describe(registration);
    EXPECT_EQ(registration.exitCode, 0) << describe(registration);
    EXPECT_TRUE(director({QStringLiteral("plugins")}).out.contains(QStringLiteral("language: german")));

    // The boxes of the deregistration go to stderr; its questions are answered No, so the
    // templates stay while the commands and the key go.
    const PrivateSession::Run deregistration =
        m_session.run(QStringLiteral("zep31-plugin"), {QStringLiteral("/deregplugin")}, Timeout);
    ASSERT_TRUE(deregistration.finished) << describe(deregistration);
    EXPECT_EQ(deregistration.exitCode, 0) << describe(deregistration);
    EXPECT_TRUE(deregistration.err.contains(QStringLiteral("Plug-in Korvandel_zep31_PlugIn deregistriert")))
        << describe(deregistration);
    const QMap<QString, int> commands = e2e_steps::registeredCommands(m_session, QStringLiteral("Demo"));
    EXPECT_TRUE(commands.contains(Id05));
    EXPECT_EQ(commands.value(Id05), 0);
    EXPECT_TRUE(
        director({QStringLiteral("plugins")}).out.contains(QStringLiteral("No plug-ins are registered")));

    // The dialog needs a person: refused, not left waiting.
    const PrivateSession::Run dialog = m_session.run(QStringLiteral("zep31-plugin"), {}, Timeout);
    ASSERT_TRUE(dialog.finished) << describe(dialog);
    EXPECT_EQ(dialog.exitCode, 1);
    EXPECT_TRUE(dialog.err.contains(QStringLiteral("no display"))) << describe(dialog);
}

TEST_F(DirectorE2ETest, SwitchesGoOnWithoutAPersonWhenTheDisplayCannotBeReached)
{
    m_session.unsetForPrograms({QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM"),
                                QStringLiteral("ZEP31_UNATTENDED")});
    // A display number no X server serves.
    m_session.setForPrograms(QStringLiteral("DISPLAY"), QStringLiteral(":7777"));
    const PrivateSession::Run registration = m_session.run(
        QStringLiteral("zep31-plugin"), {QStringLiteral("/regplugin"), QStringLiteral("/english")}, 20000);
    ASSERT_TRUE(registration.finished) << describe(registration);
    EXPECT_EQ(registration.exitCode, 0) << describe(registration);
    EXPECT_TRUE(director({QStringLiteral("plugins")}).out.contains(QStringLiteral("language: english")));

    const PrivateSession::Run dialog = m_session.run(QStringLiteral("zep31-plugin"), {}, 20000);
    ASSERT_TRUE(dialog.finished) << describe(dialog);
    EXPECT_EQ(dialog.exitCode, 1);
    EXPECT_TRUE(dialog.err.contains(QStringLiteral("no display"))) << describe(dialog);
}

TEST_F(DirectorE2ETest, AnActivationFileThatCannotBeWrittenFailsTheRegistration)
{
    m_session.unsetForPrograms({QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY")});
    // No folder can be made below a device file.
    m_session.setForPrograms(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("/dev/null/data"));
    const PrivateSession::Run registration =
        m_session.run(QStringLiteral("zep31-plugin"), {QStringLiteral("/regplugin")}, 20000);
    ASSERT_TRUE(registration.finished) << describe(registration);
    EXPECT_EQ(registration.exitCode, 1) << describe(registration);
    EXPECT_TRUE(registration.err.contains(QStringLiteral("could not be registered")))
        << describe(registration);
    EXPECT_TRUE(registration.err.contains(QStringLiteral("/dev/null/data"))) << describe(registration);
}

TEST_F(DirectorE2ETest, DeregistrationRemovesCommandsKeyAndActivationFile)
{
    ASSERT_EQ(
        director({QStringLiteral("--network"), QStringLiteral("Demo"), QStringLiteral("register")}).exitCode,
        0);
    ASSERT_TRUE(m_session.waitForPlugInGone(10000));

    const PrivateSession::Run deregistration =
        m_session.run(QStringLiteral("zep31-plugin"), {QStringLiteral("/deregplugin")});
    ASSERT_EQ(deregistration.exitCode, 0) << describe(deregistration);
    EXPECT_TRUE(deregistration.err.contains(QStringLiteral("Plug-in Korvandel_zep31_PlugIn deregistered")))
        << describe(deregistration);

    const QMap<QString, int> commands = e2e_steps::registeredCommands(m_session, QStringLiteral("Demo"));
    EXPECT_EQ(commands.value(Id05), 0);
    EXPECT_EQ(commands.value(Id06), 0);
    EXPECT_TRUE(PrivateSession::waitForFile(m_session.activationFile(), false, 10000));

    const PrivateSession::Run plugins = director({QStringLiteral("plugins")});
    EXPECT_TRUE(plugins.out.contains(QStringLiteral("No plug-ins are registered"))) << describe(plugins);
    const PrivateSession::Run registerAgain =
        director({QStringLiteral("--network"), QStringLiteral("Demo"), QStringLiteral("register")});
    EXPECT_EQ(registerAgain.exitCode, 1);
    EXPECT_TRUE(registerAgain.err.contains(QStringLiteral("no plug-in is registered")))
        << describe(registerAgain);
}
