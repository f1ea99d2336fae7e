#include "e2e/support/E2ESteps.h"
#include "e2e/support/PrivateSession.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using e2e_steps::describe;

const QString Interface = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");

// Drives the plug-in with gdbus alone, one process per call, as a shell script would.
class GdbusE2ETest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (PrivateSession::program(QStringLiteral("gdbus")).isEmpty())
            GTEST_SKIP() << "gdbus (package libglib2.0-bin) is not installed";
        const QString failure = e2e_steps::setUpRegisteredPlugIn(m_session);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }

    PrivateSession::Run call(const QString& path, const QString& method, const QStringList& arguments = {})
    {
        return m_session.run(
            QStringLiteral("gdbus"),
            QStringList{QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--timeout"),
                        QStringLiteral("120"), QStringLiteral("--dest"), PrivateSession::BusName,
                        QStringLiteral("--object-path"), path, QStringLiteral("--method"), method} +
                arguments);
    }
    PrivateSession::Run set(const QString& name, const QString& value)
    {
        return call(m_instance, Properties + QStringLiteral(".Set"), {Interface, name, value});
    }
    PrivateSession::Run get(const QString& name)
    {
        return call(m_instance, Properties + QStringLiteral(".Get"), {Interface, name});
    }
    PrivateSession::Run send(const QString& command, const QString& objectClass, const QString& objectName)
    {
        return call(m_instance, Interface + QStringLiteral(".SendCommand"),
                    {command, objectClass, objectName});
    }

    void createInstance()
    {
        const PrivateSession::Run created =
            call(QStringLiteral("/"), QStringLiteral("Korvandel_zep31_PlugIn.ClassFactory.CreateInstance"));
        ASSERT_EQ(created.exitCode, 0) << describe(created);
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("objectpath '([^']+)'")).match(created.out);
        ASSERT_TRUE(match.hasMatch()) << describe(created);
        m_instance = match.captured(1);
    }

    static void expectError(const PrivateSession::Run& run, const QString& name, const QString& message)
    {
        EXPECT_NE(run.exitCode, 0) << describe(run);
        EXPECT_TRUE(run.err.contains(QStringLiteral("GDBus.Error:") + name + QStringLiteral(": ") + message))
            << describe(run);
    }

    PrivateSession m_session;
    QString m_instance;
};

} // namespace

TEST_F(GdbusE2ETest, RegisterAndOpenThroughGdbusAlone)
{
    createInstance();
    EXPECT_EQ(get(QStringLiteral("Version")).out.trimmed(), QStringLiteral("(<'1.4'>,)"));
    ASSERT_EQ(set(QStringLiteral("networkName"), QStringLiteral("<'Demo'>")).exitCode, 0);
    EXPECT_EQ(get(QStringLiteral("networkName")).out.trimmed(), QStringLiteral("(<'Demo'>,)"));

    const PrivateSession::Run registration =
        send(QStringLiteral("50"), QStringLiteral("0"), QStringLiteral(""));
    ASSERT_EQ(registration.exitCode, 0) << describe(registration);
    const QMap<QString, int> commands = e2e_steps::registeredCommands(m_session, QStringLiteral("Demo"));
    EXPECT_EQ(commands.value(QStringLiteral("9FFF3C0A0006040F")), 2);
    EXPECT_EQ(commands.value(QStringLiteral("9FFF3C0A00060417")), 2);

    const PrivateSession::Run opened = send(QStringLiteral("13"), QStringLiteral("7"), e2e_steps::Rou1);
    ASSERT_EQ(opened.exitCode, 0) << describe(opened);
    // Showing the window is the director's business.
    EXPECT_EQ(get(QStringLiteral("Visible")).out.trimmed(), QStringLiteral("(<false>,)"));
    ASSERT_EQ(set(QStringLiteral("Visible"), QStringLiteral("<true>")).exitCode, 0);
    EXPECT_EQ(get(QStringLiteral("Visible")).out.trimmed(), QStringLiteral("(<true>,)"));

    // Hidden and released, the plug-in ends.
    ASSERT_EQ(set(QStringLiteral("Visible"), QStringLiteral("<false>")).exitCode, 0);
    ASSERT_EQ(call(m_instance, Interface + QStringLiteral(".Release")).exitCode, 0);
    EXPECT_TRUE(m_session.waitForPlugInGone(10000));
}

TEST_F(GdbusE2ETest, ErrorsCarryTheirNumbers)
{
    createInstance();
    const QString error = QStringLiteral("Korvandel_zep31_PlugIn.Error.E");
    expectError(set(QStringLiteral("Version"), QStringLiteral("<'2.0'>")), error + QStringLiteral("20002"),
                QStringLiteral("Attempt to write to read-only property"));
    EXPECT_EQ(get(QStringLiteral("Version")).out.trimmed(), QStringLiteral("(<'1.4'>,)"));
    expectError(set(QStringLiteral("Minimized"), QStringLiteral("<true>")), error + QStringLiteral("20006"),
                QStringLiteral("Can not modify the minimzed property when invisble."));
    expectError(set(QStringLiteral("networkName"), QStringLiteral("<'Nowhere'>")),
                error + QStringLiteral("20006"), QStringLiteral("Cannot open the network Nowhere"));

    ASSERT_EQ(set(QStringLiteral("networkName"), QStringLiteral("<'Demo'>")).exitCode, 0);
    expectError(send(QStringLiteral("12"), QStringLiteral("7"), e2e_steps::Rou1),
                error + QStringLiteral("20003"), QStringLiteral("Command not supported"));
    expectError(send(QStringLiteral("13"), QStringLiteral("8"), e2e_steps::Rou1),
                error + QStringLiteral("20004"),
                QStringLiteral("Object type not supported for this command"));
    expectError(send(QStringLiteral("10000"), QStringLiteral("7"), QStringLiteral("Demo//F1/ROU_1")),
                error + QStringLiteral("20005"), QStringLiteral("Object not found"));
}

TEST_F(GdbusE2ETest, WrongTypesAndNamesAreRefusedClearly)
{
    createInstance();
    expectError(set(QStringLiteral("Width"), QStringLiteral("<'wide'>")),
                QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                QStringLiteral("Property \"Width\" takes a value of type \"i\""));
    expectError(set(QStringLiteral("Visible"), QStringLiteral("<int16 1>")),
                QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                QStringLiteral("Property \"Visible\" takes a value of type \"b\""));
    expectError(get(QStringLiteral("Colour")), QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"),
                QStringLiteral("No property \"Colour\""));
    // The error states the rule by which instances go.
    const PrivateSession::Run gone =
        call(QStringLiteral("/LNSPlugInAPI/99"), Interface + QStringLiteral(".Release"));
    expectError(gone, QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
                QStringLiteral("No automation instance at /LNSPlugInAPI/99. An instance lives until it is "
                               "released, or until 10 s after every client that called it has left the bus"));
    // The plug-in is still there and answers.
    EXPECT_EQ(get(QStringLiteral("Name")).exitCode, 0);
}
