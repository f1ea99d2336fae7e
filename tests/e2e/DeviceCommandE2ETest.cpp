#include "device/point_catalogue/PointTables.h"
#include "e2e/support/E2ESteps.h"
#include "e2e/support/PrivateSession.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QMap>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using e2e_steps::describe;

const QString Interface = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");
const QString Rou4 = QStringLiteral("Demo/Building/Floor 2:F2/Room 4:ROU_4");
const QString SetpointId = QStringLiteral("N:48/C:0:213");
const QString SetpointInput = QStringLiteral("nviTempSetpoint");

// The "name: text" lines the plug-in writes about its window (ZEP31_WINDOW_REPORT).
QMap<QString, QString> readReport(const QString& path)
{
    QMap<QString, QString> report;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return report;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon > 0)
            report.insert(line.left(colon), line.mid(colon + 2));
    }
    return report;
}

// Waits until the report has the value, at most timeoutMs; the last report read.
QMap<QString, QString> waitForReport(const QString& path, const QString& name, const QString& value,
                                     int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QMap<QString, QString> report = readReport(path);
    while (report.value(name) != value && !deadline.hasExpired()) {
        QThread::msleep(50);
        report = readReport(path);
    }
    return report;
}

QDBusMessage call(const QString& path, const QString& interface, const QString& member,
                  const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(PrivateSession::BusName, path, interface, member);
    message.setArguments(arguments);
    return message;
}

} // namespace

// A director sends a second device command while the plug-in still reads the first device over a
// slow channel: the second waits, and the window ends showing and editing the second device alone.
TEST(DeviceCommandE2ETest, ASecondDeviceCommandWaitsUntilTheFirstHasOpenedItsDevice)
{
    PrivateSession session;
    const QString failure = e2e_steps::setUpRegisteredPlugIn(session);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    const QString rou4 = QStringLiteral("F2/ROU_4");
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("set"), QStringLiteral("Demo"), rou4, SetpointId, QStringLiteral("19")},
          QStringList{QStringLiteral("set"), QStringLiteral("Demo"), rou4, SetpointInput,
                      QStringLiteral("18")},
          QStringList{QStringLiteral("timing"), QStringLiteral("Demo"), QStringLiteral("--transaction-ms"),
                      QStringLiteral("60")}}) {
        const PrivateSession::Run run = session.run(QStringLiteral("lns-netdb"), arguments);
        ASSERT_EQ(run.exitCode, 0) << describe(run);
    }
    const auto netdbGet = [&](const QString& point) {
        return session
            .run(QStringLiteral("lns-netdb"), {QStringLiteral("get"), QStringLiteral("Demo"), rou4, point})
            .out.trimmed();
    };
    const QString setpoint = netdbGet(SetpointId);
    const QString setpointInput = netdbGet(SetpointInput);

    // The plug-in is started by the bus, so it takes its environment from the bus.
    const QString reportFile = session.dataHome() + QStringLiteral("/window-report.txt");
    QDBusMessage update = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("UpdateActivationEnvironment"));
    qDBusRegisterMetaType<QMap<QString, QString>>();
    update << QVariant::fromValue(
        QMap<QString, QString>{{QStringLiteral("ZEP31_WINDOW_REPORT"), reportFile}});
    const QDBusConnection bus = session.bus();
    ASSERT_EQ(bus.call(update).type(), QDBusMessage::ReplyMessage);

    const QDBusMessage created =
        bus.call(call(QStringLiteral("/"), QStringLiteral("Korvandel_zep31_PlugIn.ClassFactory"),
                      QStringLiteral("CreateInstance")),
                 QDBus::Block, 60000);
    ASSERT_FALSE(created.arguments().isEmpty()) << created.errorMessage().toStdString();
    const QString instance = created.arguments().constFirst().value<QDBusObjectPath>().path();
    ASSERT_EQ(
        bus.call(call(instance, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
                      {Interface, QStringLiteral("networkName"),
                       QVariant::fromValue(QDBusVariant(QStringLiteral("Demo")))}),
                 QDBus::Block, 60000)
            .type(),
        QDBusMessage::ReplyMessage);

    const auto sendCommand = [&](const QString& device) {
        return bus.asyncCall(call(instance, Interface, QStringLiteral("SendCommand"),
                                  {13, QVariant::fromValue<qint16>(7), device}),
                             120000);
    };
    QDBusPendingCall first = sendCommand(e2e_steps::Rou1);
    // ROU_1 is being opened, its NVs read one slow transaction after the other.
    ASSERT_EQ(waitForReport(reportFile, QStringLiteral("started"), QStringLiteral("1"), 60000)
                  .value(QStringLiteral("started")),
              QStringLiteral("1"));
    QDBusPendingCall second = sendCommand(Rou4);
    first.waitForFinished();
    second.waitForFinished();
    EXPECT_FALSE(first.isError()) << first.error().message().toStdString();
    EXPECT_FALSE(second.isError()) << second.error().message().toStdString();

    const QMap<QString, QString> report =
        waitForReport(reportFile, QStringLiteral("opened"), QStringLiteral("2"), 120000);
    ASSERT_EQ(report.value(QStringLiteral("opened")), QStringLiteral("2"));
    EXPECT_EQ(report.value(QStringLiteral("started")), QStringLiteral("2"));
    EXPECT_EQ(report.value(QStringLiteral("currentDevice")), QStringLiteral("ROU_4"));
    EXPECT_EQ(report.value(QStringLiteral("panel1")), QStringLiteral("ROU_4"));
    EXPECT_EQ(report.value(QStringLiteral("panel4")), QStringLiteral("Cnfg Online"));
    EXPECT_EQ(report.value(QStringLiteral("marked")), QString());
    EXPECT_EQ(report.value(QStringLiteral("cmdApply")), QStringLiteral("disabled"));
    EXPECT_EQ(report.value(QStringLiteral("cmdCancel")), QStringLiteral("disabled"));

    PointTables points;
    points.fillCpTable();
    for (int position = 0; position < points.cpCount; ++position) {
        if (points.cp(position).id == SetpointId) {
            EXPECT_EQ(report.value(QStringLiteral("txtNci(%1)").arg(position)), setpoint);
        }
    }
    for (int position = 0; position < PointTables::NviTotal; ++position) {
        points.fillNvi(position);
        if (points.nvi(position).name == SetpointInput) {
            EXPECT_EQ(report.value(QStringLiteral("txtNvi(%1)").arg(position)), setpointInput);
        }
    }
}
