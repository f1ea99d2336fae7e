#include "e2e/support/E2ESteps.h"
#include "e2e/support/PrivateSession.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <gtest/gtest.h>

namespace {

const QString Interface = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");

// Speaks to the activated plug-in over its own connections, as a client program would.
class BusObjectE2ETest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString failure = e2e_steps::setUpRegisteredPlugIn(m_session);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }

    static QDBusMessage callOn(const QDBusConnection& bus, const QString& path, const QString& interface,
                               const QString& member, const QVariantList& arguments = {})
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(PrivateSession::BusName, path, interface, member);
        message.setArguments(arguments);
        return bus.call(message, QDBus::Block, 60000);
    }
    QString createInstance(const QDBusConnection& bus)
    {
        const QDBusMessage reply =
            callOn(bus, QStringLiteral("/"), QStringLiteral("Korvandel_zep31_PlugIn.ClassFactory"),
                   QStringLiteral("CreateInstance"));
        return reply.arguments().isEmpty() ? QString()
                                           : reply.arguments().constFirst().value<QDBusObjectPath>().path();
    }

    PrivateSession m_session;
};

} // namespace

TEST_F(BusObjectE2ETest, MalformedCallsGetClearErrors)
{
    const QDBusConnection bus = m_session.bus();
    const QString path = createInstance(bus);
    ASSERT_FALSE(path.isEmpty());

    const QDBusMessage wrongArguments =
        callOn(bus, path, Interface, QStringLiteral("SendCommand"), {13, 7, QStringLiteral("x")});
    EXPECT_EQ(wrongArguments.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    EXPECT_TRUE(wrongArguments.errorMessage().contains(QStringLiteral("\"ins\"")));

    EXPECT_EQ(callOn(bus, path, Interface, QStringLiteral("Release"), {1}).errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    EXPECT_EQ(callOn(bus, path, QStringLiteral("org.example.Other"), QStringLiteral("Release")).errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"));
    for (const QString& bad : {QStringLiteral("/LNSPlugInAPI/01"), QStringLiteral("/LNSPlugInAPI/x"),
                               QStringLiteral("/LNSPlugInAPI/1/2")})
        EXPECT_EQ(callOn(bus, bad, Interface, QStringLiteral("Release")).errorName(),
                  QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"))
            << bad.toStdString();

    const QDBusMessage getAll = callOn(bus, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("GetAll"), {QStringLiteral("org.example.Other")});
    EXPECT_EQ(getAll.errorName(), QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"));
    const QDBusMessage shortSet = callOn(bus, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                         QStringLiteral("Set"), {Interface, QStringLiteral("Width")});
    EXPECT_EQ(shortSet.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    const QDBusMessage int16Width =
        callOn(bus, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
               {Interface, QStringLiteral("Width"),
                QVariant::fromValue(QDBusVariant(QVariant::fromValue<qint16>(800)))});
    EXPECT_EQ(int16Width.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));

    // Every property is listed, in the dispatch order, by introspection.
    const QDBusMessage xml = callOn(bus, path, QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                    QStringLiteral("Introspect"));
    ASSERT_FALSE(xml.arguments().isEmpty());
    const QString text = xml.arguments().constFirst().toString();
    EXPECT_TRUE(text.contains(QStringLiteral("<arg name=\"objectClassId\" type=\"n\" direction=\"in\"/>")));
    EXPECT_LT(text.indexOf(QStringLiteral("\"Minimized\" type=\"b\"")),
              text.indexOf(QStringLiteral("\"ManufacturerID\"")));
    EXPECT_LT(text.indexOf(QStringLiteral("\"Version\"")),
              text.indexOf(QStringLiteral("\"Top\" type=\"i\"")));
}

TEST_F(BusObjectE2ETest, AClientLeavingTheBusReleasesItsInstances)
{
    const QString name = QStringLiteral("zep31-e2e-leaving-client");
    {
        const QDBusConnection client = QDBusConnection::connectToBus(
            m_session.environment().value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), name);
        ASSERT_FALSE(createInstance(client).isEmpty());
        ASSERT_FALSE(createInstance(client).isEmpty());
    }
    QDBusConnection::disconnectFromBus(name);
    // After the grace time the instances go; with the window hidden the plug-in ends.
    EXPECT_TRUE(m_session.plugInOnBus());
    EXPECT_TRUE(m_session.waitForPlugInGone(30000));
}

TEST_F(BusObjectE2ETest, ReleasingTheLastInstanceWithTheWindowShownKeepsThePlugIn)
{
    const QDBusConnection bus = m_session.bus();
    const QString first = createInstance(bus);
    const QString second = createInstance(bus);
    ASSERT_FALSE(second.isEmpty());
    EXPECT_EQ(callOn(bus, first, Interface, QStringLiteral("Release")).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(m_session.plugInOnBus());

    const QDBusMessage show =
        callOn(bus, second, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
               {Interface, QStringLiteral("Visible"), QVariant::fromValue(QDBusVariant(true))});
    EXPECT_EQ(show.type(), QDBusMessage::ReplyMessage) << show.errorMessage().toStdString();
    EXPECT_EQ(callOn(bus, second, Interface, QStringLiteral("Release")).type(), QDBusMessage::ReplyMessage);
    // A plug-in that ends hands its name back before it answers the release.
    EXPECT_TRUE(m_session.plugInOnBus());
    // Gone instances are gone for good.
    EXPECT_EQ(callOn(bus, second, Interface, QStringLiteral("Release")).errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"));
}

TEST_F(BusObjectE2ETest, ADirectorRightAfterThePlugInEndedReachesAFreshOne)
{
    // Each release ends the plug-in (its window is hidden); the next creation follows at once.
    const QDBusConnection bus = m_session.bus();
    const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
    for (int cycle = 0; cycle < 200; ++cycle) {
        const QDBusMessage created =
            callOn(bus, QStringLiteral("/"), QStringLiteral("Korvandel_zep31_PlugIn.ClassFactory"),
                   QStringLiteral("CreateInstance"));
        ASSERT_EQ(created.type(), QDBusMessage::ReplyMessage)
            << cycle << created.errorMessage().toStdString();
        const QString path = created.arguments().constFirst().value<QDBusObjectPath>().path();
        const QDBusMessage network = callOn(bus, path, properties, QStringLiteral("Set"),
                                            {Interface, QStringLiteral("networkName"),
                                             QVariant::fromValue(QDBusVariant(QStringLiteral("Demo")))});
        ASSERT_EQ(network.type(), QDBusMessage::ReplyMessage)
            << cycle << network.errorMessage().toStdString();
        const bool open = cycle % 2 == 1;
        const QDBusMessage command =
            callOn(bus, path, Interface, QStringLiteral("SendCommand"),
                   {qint32(open ? 13 : 50), QVariant::fromValue(qint16(open ? 7 : 0)),
                    open ? e2e_steps::Rou1 : QString()});
        ASSERT_EQ(command.type(), QDBusMessage::ReplyMessage)
            << cycle << command.errorMessage().toStdString();
        const QDBusMessage release = callOn(bus, path, Interface, QStringLiteral("Release"));
        ASSERT_EQ(release.type(), QDBusMessage::ReplyMessage)
            << cycle << release.errorMessage().toStdString();
    }
    EXPECT_TRUE(m_session.waitForPlugInGone(10000));
}
