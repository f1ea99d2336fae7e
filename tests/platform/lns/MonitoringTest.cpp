#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "lns/SimObjectServer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QThread>
#include <chrono>
#include <gtest/gtest.h>

namespace {

const QString Demo = QStringLiteral("Demo");
const QString F1 = QStringLiteral("F1");
const QString Rou1 = QStringLiteral("ROU_1");
// Generous bounds: they only keep a broken build from hanging, they measure nothing.
constexpr int EventTimeoutMs = 15000;

// As the plug-in switches monitoring on for one NV.
void monitor(lns::NetworkVariable& nv, qint32 tag, int tenths, bool hold = false)
{
    nv.setHold(true);
    nv.setPollInterval(tenths);
    nv.setMonitorEnabled(true);
    nv.setMonitorOption2(true);
    nv.setMonitorOption1(true);
    nv.setMonitorMode(3);
    nv.setHold(hold);
    nv.setTag(tag);
}

// Waits until an update with the given tag and value arrives, looking at reports from `from` on.
bool waitForValue(QSignalSpy& updates, qint32 tag, const QString& value, int from = 0)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(EventTimeoutMs);
    int seen = from;
    while (std::chrono::steady_clock::now() < deadline) {
        for (; seen < updates.count(); ++seen) {
            if (updates.at(seen).at(0).toInt() == tag && updates.at(seen).at(1).toString() == value)
                return true;
        }
        updates.wait(200);
    }
    return false;
}

} // namespace

TEST(SimMonitoring, FirstPollIsReportedOnTheServersThreadWhileItsLoopRuns)
{
    DemoPlatform platform;
    QSignalSpy updates(&platform.server(), &lns::ObjectServer::nvUpdate);
    std::shared_ptr<lns::NetworkVariable> reported;
    bool onServerThread = false;
    QObject::connect(&platform.server(), &lns::ObjectServer::nvUpdate,
                     [&](qint32, const QString&, std::shared_ptr<lns::NetworkVariable> nv) {
                         reported = std::move(nv);
                         onServerThread = QThread::currentThread() == platform.server().thread();
                     });
    monitor(*platform.nv(F1, Rou1, 39), 18, 1);
    // Reports are queued to the server's thread: nothing arrives before its loop runs.
    EXPECT_EQ(updates.count(), 0);

    ASSERT_TRUE(updates.wait(EventTimeoutMs));
    EXPECT_EQ(updates.at(0).at(0).toInt(), 18);
    EXPECT_EQ(updates.at(0).at(1).toString(), QStringLiteral("OC_NUL"));
    ASSERT_TRUE(reported);
    EXPECT_EQ(reported->index(), 39);
    EXPECT_EQ(reported->tag(), 18);
    EXPECT_TRUE(onServerThread);

    // A change is reported; the unchanged value polled meanwhile is not reported again.
    platform.nv(F1, Rou1, 39)->setValue(QStringLiteral("OC_BYPASS"));
    EXPECT_TRUE(waitForValue(updates, 18, QStringLiteral("OC_BYPASS")));
    int unchanged = 0;
    for (const QList<QVariant>& update : std::as_const(updates))
        unchanged += update.at(1).toString() == QLatin1String("OC_NUL") ? 1 : 0;
    EXPECT_EQ(unchanged, 1);
}

TEST(SimMonitoring, SettingsBelongToTheNvAcrossFetches)
{
    DemoPlatform platform;
    monitor(*platform.nv(F1, Rou1, 47), 218, 50);
    const auto again = platform.nv(F1, Rou1, 47);
    EXPECT_EQ(again->tag(), 218);
    EXPECT_EQ(again->pollInterval(), 50);
    EXPECT_TRUE(again->monitorEnabled());
    EXPECT_EQ(again->monitorMode(), 3);
    EXPECT_TRUE(again->monitorOption1());
    EXPECT_TRUE(again->monitorOption2());
    EXPECT_FALSE(again->hold());
    EXPECT_EQ(platform.nv(F1, Rou1, 48)->tag(), 0);
    EXPECT_EQ(platform.nv(F1, QStringLiteral("ROU_2"), 47)->tag(), 0);
    EXPECT_NE(error_probe::number([&] { again->setPollInterval(-1); }), 0);
}

TEST(SimMonitoring, HeldNvReportsNothingUntilReleased)
{
    DemoPlatform platform;
    QSignalSpy updates(&platform.server(), &lns::ObjectServer::nvUpdate);
    const auto nv = platform.nv(F1, Rou1, 31);
    monitor(*nv, 10, 1, true);
    nv->setValue(QStringLiteral("24,00"));
    EXPECT_FALSE(updates.wait(1500));
    nv->setHold(false);
    EXPECT_TRUE(waitForValue(updates, 10, QStringLiteral("24,00")));
}

TEST(SimMonitoring, FailingPollsBecomeUpdateErrors)
{
    DemoPlatform platform;
    QSignalSpy updates(&platform.server(), &lns::ObjectServer::nvUpdate);
    QSignalSpy errors(&platform.server(), &lns::ObjectServer::nvUpdateError);
    monitor(*platform.nv(F1, Rou1, 39), 18, 1);
    ASSERT_TRUE(updates.wait(EventTimeoutMs));

    platform.admin().setUnreachable(Demo, QStringLiteral("F1/ROU_1"), true);
    ASSERT_TRUE(errors.wait(EventTimeoutMs));
    EXPECT_EQ(errors.at(0).at(0).toInt(), 18);

    // After the fault the value is news again.
    platform.admin().clearFaults(Demo, QStringLiteral("F1/ROU_1"));
    EXPECT_TRUE(waitForValue(updates, 18, QStringLiteral("OC_NUL"), static_cast<int>(updates.count())));

    // A device that is not online fails every poll.
    QSignalSpy offline(&platform.server(), &lns::ObjectServer::nvUpdateError);
    monitor(*platform.nv(QStringLiteral("F2"), QStringLiteral("ROU_6"), 39), 118, 1);
    ASSERT_TRUE(offline.wait(EventTimeoutMs));
}

TEST(SimMonitoring, ValueSetByAnotherProcessReachesTheClient)
{
    DemoPlatform platform;
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/lns-netdb");
    ASSERT_TRUE(QFile::exists(tool)) << "lns-netdb is built next to the tests";
    QSignalSpy updates(&platform.server(), &lns::ObjectServer::nvUpdate);
    // nvoSpaceTemp follows nviSpaceTemp, so both report the new value.
    monitor(*platform.nv(F1, Rou1, 31), 10, 10);
    monitor(*platform.nv(F1, Rou1, 47), 218, 10);
    ASSERT_TRUE(updates.wait(EventTimeoutMs));

    QProcess process;
    process.start(tool, {QStringLiteral("set"), Demo, QStringLiteral("F1/ROU_1"),
                         QStringLiteral("nviSpaceTemp"), QStringLiteral("24,75")});
    ASSERT_TRUE(process.waitForFinished(EventTimeoutMs));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(waitForValue(updates, 10, QStringLiteral("24,75")));
    EXPECT_TRUE(waitForValue(updates, 218, QStringLiteral("24,75")));
}

TEST(SimMonitoring, SwitchingOffAndClosingEndTheReports)
{
    DemoPlatform platform;
    QSignalSpy updates(&platform.server(), &lns::ObjectServer::nvUpdate);
    const auto nv = platform.nv(F1, Rou1, 47);
    monitor(*nv, 218, 1);
    ASSERT_TRUE(updates.wait(EventTimeoutMs));

    nv->setHold(true);
    nv->setTag(0);
    nv->setMonitorEnabled(false);
    nv->setHold(false);
    updates.clear();
    EXPECT_FALSE(updates.wait(800));

    monitor(*nv, 218, 1);
    ASSERT_TRUE(updates.wait(EventTimeoutMs));
    platform.server().close();
    updates.clear();
    EXPECT_FALSE(updates.wait(800));
}

TEST(SimMonitoring, EachServerSessionMonitorsOnItsOwn)
{
    DemoPlatform platform;
    const auto second = lnssim::createObjectServer(platform.home(), platform.registry());
    second->open();
    const auto network = second->networks()->item(Demo);
    network->open();
    const auto system = network->systems()->item(1);
    system->open();
    const auto secondNv = system->subsystems()
                              ->item(F1)
                              ->applicationDevices()
                              ->item(Rou1)
                              ->deviceInterface()
                              ->networkVariables()
                              ->item(39);
    EXPECT_EQ(secondNv->tag(), 0);

    QSignalSpy first(&platform.server(), &lns::ObjectServer::nvUpdate);
    QSignalSpy other(second.get(), &lns::ObjectServer::nvUpdate);
    monitor(*platform.nv(F1, Rou1, 39), 18, 1);
    monitor(*secondNv, 77, 1);
    EXPECT_TRUE(waitForValue(first, 18, QStringLiteral("OC_NUL")));
    EXPECT_TRUE(waitForValue(other, 77, QStringLiteral("OC_NUL")));
    for (const auto& report : first)
        EXPECT_EQ(report.at(0).toInt(), 18);

    second->close();
    platform.nv(F1, Rou1, 39)->setValue(QStringLiteral("OC_STANDBY"));
    EXPECT_TRUE(waitForValue(first, 18, QStringLiteral("OC_STANDBY"), static_cast<int>(first.count())));
}
