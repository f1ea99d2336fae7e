#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/object_server/Error.h"
#include "lns/channel/ChannelBoard.h"
#include "lns/db/NetworkDatabase.h"
#include "lns/db/SqliteConnection.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <chrono>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using Channel = lnssim::PlatformAdmin::Channel;

namespace {

const QString Demo = QStringLiteral("Demo");
const QString F2 = QStringLiteral("F2");
const QString Rou4 = QStringLiteral("ROU_4");
constexpr qint64 NsPerMs = 1000000;

Channel channel(lnssim::PlatformAdmin& admin, const QString& network, const QString& name)
{
    for (const Channel& found : admin.channels(network)) {
        if (found.name == name)
            return found;
    }
    ADD_FAILURE() << "no channel " << name.toStdString();
    return {};
}

} // namespace

// ROU_4 is alone online on "Floor 2": what it does is all that channel carries.
TEST(SimChannels, EveryDeviceOperationIsOneTransactionOnTheDevicesChannel)
{
    DemoPlatform platform;
    lnssim::PlatformAdmin& admin = platform.admin();
    const auto device = platform.device(F2, Rou4);
    const auto nv = platform.nv(F2, Rou4, 31);
    const auto setpoint = platform.cp(F2, Rou4, QStringLiteral("N:48/C:0:213"));
    const auto buttons = platform.cp(F2, Rou4, QStringLiteral("F:0/C:3:44"));
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"NV read", [&] { nv->value(); }},
        {"NV write", [&] { nv->setValue(QStringLiteral("21,00")); }},
        {"CP read", [&] { setpoint->value(); }},
        {"CP write", [&] { setpoint->setValue(QStringLiteral("21,50")); }},
        {"element read", [&] { buttons->elementValue(3); }},
        {"element write", [&] { buttons->setElementValue(3, QStringLiteral("1,2,3,0")); }},
        {"state query", [&] { device->state(); }},
        {"failed NV read",
         [&] {
             admin.setUnreachable(Demo, QStringLiteral("F2/ROU_4"), true);
             EXPECT_EQ(error_probe::number([&] { nv->value(); }), lns::errors::DeviceOffline);
             admin.setUnreachable(Demo, QStringLiteral("F2/ROU_4"), false);
         }},
    };
    for (const auto& [name, operation] : operations) {
        const qint64 before = channel(admin, Demo, QStringLiteral("Floor 2")).carried.transactions;
        operation();
        EXPECT_EQ(channel(admin, Demo, QStringLiteral("Floor 2")).carried.transactions, before + 1) << name;
    }
    EXPECT_EQ(channel(admin, Demo, QStringLiteral("Floor 1")).carried.transactions, 0);

    // A device that is not online keeps its CPs in the database only: nothing crosses the channel.
    const qint64 before = channel(admin, Demo, QStringLiteral("Floor 2")).carried.transactions;
    platform.cp(F2, QStringLiteral("ROU_5"), QStringLiteral("N:48/C:0:213"))
        ->setValue(QStringLiteral("20,00"));
    EXPECT_EQ(platform.cp(F2, QStringLiteral("ROU_6"), QStringLiteral("N:48/C:0:213"))->value(),
              QStringLiteral("22,00"));
    EXPECT_EQ(channel(admin, Demo, QStringLiteral("Floor 2")).carried.transactions, before);

    // Polls are transactions too.
    QSignalSpy updates(&platform.server(), &lns::ObjectServer::nvUpdate);
    nv->setPollInterval(1);
    nv->setMonitorEnabled(true);
    nv->setTag(7);
    ASSERT_TRUE(updates.wait(15000));
    EXPECT_GT(channel(admin, Demo, QStringLiteral("Floor 2")).carried.transactions, before);
}

TEST(SimChannels, ATransactionCostsItsPacketsAndTheCalibratedLatency)
{
    DemoPlatform platform;
    lnssim::PlatformAdmin& admin = platform.admin();
    admin.addChannel(Demo, QStringLiteral("Backbone"), lnssim::ChannelType::Ip852);
    admin.addDevice(Demo, F2, QStringLiteral("ROU_IP"), QStringLiteral("Korvandel zep31_06"), QString(), 4,
                    true, QStringLiteral("Backbone"));
    // Zero time still counts what the channel carries.
    platform.nv(F2, Rou4, 31)->value();
    EXPECT_EQ(channel(admin, Demo, QStringLiteral("Floor 2")).carried.busyNs, 0);
    EXPECT_GT(channel(admin, Demo, QStringLiteral("Floor 2")).carried.bytes, 0);

    admin.setTransactionTime(Demo, 11);
    const auto floorOf = [&](const QString& name, const std::function<void()>& operation) {
        const Channel before = channel(admin, Demo, name);
        operation();
        Channel after = channel(admin, Demo, name);
        after.carried = {after.carried.transactions - before.carried.transactions,
                         after.carried.busyNs - before.carried.busyNs,
                         after.carried.bytes - before.carried.bytes};
        return after;
    };
    const Channel read = floorOf(QStringLiteral("Floor 2"), [&] { platform.nv(F2, Rou4, 31)->value(); });
    const Channel write = floorOf(QStringLiteral("Floor 2"), [&] {
        platform.cp(F2, Rou4, QStringLiteral("N:48/C:0:213"))->setValue(QStringLiteral("21,00"));
    });
    // An average NV read or CP write on TP/FT-10 takes 11 ms, a few of them on the wire.
    EXPECT_EQ(read.carried.transactions, 1);
    EXPECT_NEAR(static_cast<double>(read.floorNs() + write.floorNs()) / 2, 11.0 * NsPerMs, 0.01 * NsPerMs);
    EXPECT_GT(read.carried.busyNs, 2 * NsPerMs);
    EXPECT_LT(read.carried.busyNs, 4 * NsPerMs);
    // The same write on IP-852 carries more header bytes in a tiny fraction of the time.
    const Channel fast = floorOf(QStringLiteral("Backbone"), [&] {
        platform.cp(F2, QStringLiteral("ROU_IP"), QStringLiteral("N:48/C:0:213"))
            ->setValue(QStringLiteral("21,00"));
    });
    EXPECT_GT(fast.carried.bytes, write.carried.bytes);
    EXPECT_LT(fast.carried.busyNs * 100, write.carried.busyNs);
    EXPECT_EQ(fast.latencyNs, write.latencyNs);
}

// A database written before channels existed: every network gets one channel with all of its
// devices, and nothing else changes.
TEST(SimChannels, AnOlderDatabaseGetsOneDefaultChannelPerNetwork)
{
    DemoPlatform platform;
    const QString setpoint = QStringLiteral("N:48/C:0:213");
    platform.admin().set(Demo, QStringLiteral("F1/ROU_1"), setpoint, QStringLiteral("19,50"));
    platform.admin().addNetwork(QStringLiteral("Empty"));
    const QStringList devices = platform.admin().devices(Demo);
    {
        lnssim::SqliteConnection db(lnssim::NetworkDatabase::filePath(platform.home()));
        // The devices table as it was, without its channel.
        db.execute(R"sql(
PRAGMA foreign_keys=OFF;
BEGIN;
DROP TABLE channels;
CREATE TABLE old_devices(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    system_id INTEGER NOT NULL REFERENCES systems(id) ON DELETE CASCADE,
    template_id INTEGER NOT NULL REFERENCES templates(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    neuron_id TEXT UNIQUE,
    state INTEGER NOT NULL,
    commissioned INTEGER NOT NULL,
    test_flag INTEGER NOT NULL DEFAULT 0,
    unreachable INTEGER NOT NULL DEFAULT 0,
    failure_rate REAL NOT NULL DEFAULT 0);
INSERT INTO old_devices SELECT id, system_id, template_id, name, neuron_id, state, commissioned, test_flag,
    unreachable, failure_rate FROM devices;
DROP TABLE devices;
ALTER TABLE old_devices RENAME TO devices;
CREATE INDEX devices_by_template ON devices(template_id, id);
CREATE INDEX devices_by_name ON devices(name, template_id);
PRAGMA user_version = 1;
COMMIT;
)sql");
    }

    lnssim::PlatformAdmin updated(platform.home());
    const QList<Channel> channels = updated.channels(Demo);
    ASSERT_EQ(channels.size(), 1);
    EXPECT_EQ(channels[0].name, QStringLiteral("Channel 1"));
    EXPECT_EQ(channels[0].type, lnssim::ChannelType::TpFt10);
    EXPECT_EQ(channels[0].devices, 7);
    EXPECT_EQ(updated.channels(QStringLiteral("Empty")).size(), 1);
    EXPECT_EQ(updated.devices(Demo), devices);
    EXPECT_EQ(updated.get(Demo, QStringLiteral("F1/ROU_1"), setpoint), QStringLiteral("19,50"));
    platform.reopen();
    EXPECT_EQ(platform.nv(QStringLiteral("F1"), QStringLiteral("ROU_1"), 31)->value(),
              QStringLiteral("327,67"));
    EXPECT_EQ(updated.channels(Demo)[0].carried.transactions, 1);
    // A device added later goes on the default channel.
    updated.addDevice(Demo, F2, QStringLiteral("ROU_7"), QStringLiteral("Korvandel zep31_06"), QString());
    EXPECT_EQ(updated.channels(Demo)[0].devices, 8);

    lnssim::SqliteConnection(lnssim::NetworkDatabase::filePath(platform.home()))
        .execute("PRAGMA user_version = 3");
    EXPECT_EQ(error_probe::number([&] { lnssim::PlatformAdmin(platform.home()).devices(Demo); }),
              lns::errors::Database);
}

// The 17th transaction waits until one of 16 ends, whether the 16 are this process's own or
// another's (a second board has descriptors of its own, as another process has).
TEST(SimChannels, TheNetworkInterfaceKeepsSixteenTransactionsOutstanding)
{
    using Turn = lnssim::ChannelBoard::InterfaceTurn;
    TempLonWorksHome home;
    lnssim::ChannelBoard board(home.path());
    lnssim::ChannelBoard otherProcess(home.path());
    for (lnssim::ChannelBoard* waiting : {&board, &otherProcess}) {
        std::vector<std::unique_ptr<Turn>> turns;
        for (int i = 0; i < lnssim::ChannelBoard::InterfaceBound; ++i)
            turns.emplace_back(new Turn(board.takeInterface()));
        std::promise<void> taken;
        std::future<void> done = taken.get_future();
        std::thread seventeenth([&] {
            const Turn turn = waiting->takeInterface();
            taken.set_value();
        });
        // Were there no bound, the turn would be taken at once.
        EXPECT_EQ(done.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
        turns.pop_back();
        EXPECT_EQ(done.wait_for(std::chrono::seconds(15)), std::future_status::ready);
        turns.clear();
        seventeenth.join();
    }
}

namespace {

struct Load
{
    QString device;
    QProcess process;
};

} // namespace

// Two processes writing to devices of one channel share its time; on two channels they run at
// once. The latency is 0 here, so a transaction is all channel time.
TEST(SimChannels, ProcessesShareAChannelAndRunAtOnceOnTwo)
{
    DemoPlatform platform;
    lnssim::PlatformAdmin& admin = platform.admin();
    const QString network = QStringLiteral("Load");
    admin.addNetwork(network);
    admin.addSubsystem(network, QStringLiteral("Hall"));
    for (const char* name : {"A", "B", "C"})
        admin.addChannel(network, QLatin1String(name));
    const std::pair<const char*, const char*> devices[] = {
        {"A1", "A"}, {"A2", "A"}, {"B1", "B"}, {"C1", "C"}};
    for (const auto& [device, onChannel] : devices)
        admin.addDevice(network, QStringLiteral("Hall"), QLatin1String(device), QString(),
                        QStringLiteral("9FFF3C0A00060417"), 4, true, QLatin1String(onChannel));
    admin.setTransactionTime(network, 1);

    constexpr int Sets = 20;
    // Every load begins at the same moment, well after the processes have started.
    const qint64 start = lnssim::ChannelBoard::now() + 1500 * NsPerMs;
    Load loads[4];
    for (int i = 0; i < 4; ++i) {
        loads[i].device = QLatin1String(devices[i].first);
        loads[i].process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/channel-load"),
                               {network, QStringLiteral("Hall"), loads[i].device, QString::number(Sets),
                                QString::number(start)});
    }
    qint64 began[4] = {};
    qint64 ended[4] = {};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(loads[i].process.waitForFinished(60000));
        ASSERT_EQ(loads[i].process.exitCode(), 0) << loads[i].process.readAllStandardError().toStdString();
        const QStringList times = QString::fromUtf8(loads[i].process.readAllStandardOutput()).split(u' ');
        ASSERT_EQ(times.size(), 2);
        began[i] = times[0].toLongLong();
        ended[i] = times[1].trimmed().toLongLong();
    }
    const auto span = [&](int first, int second) {
        return static_cast<double>(std::max(ended[first], ended[second]) -
                                   std::min(began[first], began[second]));
    };
    const double busyA = static_cast<double>(channel(admin, network, QStringLiteral("A")).carried.busyNs);
    const double busyB = static_cast<double>(channel(admin, network, QStringLiteral("B")).carried.busyNs);
    const double busyC = static_cast<double>(channel(admin, network, QStringLiteral("C")).carried.busyNs);
    EXPECT_EQ(channel(admin, network, QStringLiteral("A")).carried.transactions,
              2 * channel(admin, network, QStringLiteral("B")).carried.transactions);
    EXPECT_NEAR(busyA, busyB + busyC, busyA * 0.01);
    // One channel: never less than the sum of both loads' packets.
    EXPECT_GE(span(0, 1), busyA);
    // Two channels: about the larger one, far from the sum.
    EXPECT_LT(span(2, 3), 0.8 * (busyB + busyC));
}

// A device names the channel it is on, and a move is seen at once by an object already handed out.
TEST(SimChannels, ADeviceNamesItsChannel)
{
    DemoPlatform platform;
    const auto device = platform.device(F2, Rou4);
    EXPECT_EQ(device->channel(), QStringLiteral("Floor 2"));
    platform.admin().addChannel(Demo, QStringLiteral("Riser"), lnssim::ChannelType::Ip852);
    platform.admin().moveDevice(Demo, QStringLiteral("F2/ROU_4"), QStringLiteral("Riser"));
    EXPECT_EQ(device->channel(), QStringLiteral("Riser"));
}
