// Throughput of the simulated object server's device operations, and the channel timing model.
// Reports figures only; nothing here is a pass/fail check. Targets: a set of CPs costs the
// simulator well under 0.05 ms per CP with no channel time, and on the 11 ms model stays within
// 1.10 of the channel's floor.
#include "host/object_server/DeviceInterface.h"
#include "host/object_server/ObjectServer.h"
#include "lns/PlatformAdmin.h"
#include "lns/SimObjectServer.h"
#include "lns/channel/ChannelBoard.h"
#include "lns/channel/DeviceTransaction.h"
#include "registry/SqliteRegistryStore.h"
#include "support/BenchRuns.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>

namespace {

const QString Demo = QStringLiteral("Demo");
const int BigTemplateDevices = benchSize(10000, 10);
constexpr int TransactionMs = 11;

// One LonWorks home with the demo network, a network of 10,000 devices of one template and a
// network whose channel takes 11 ms per transaction.
class BenchPlatform final
{
public:
    BenchPlatform() : m_admin(m_home.path())
    {
        m_admin.init(QStringLiteral(","));
        m_admin.createDemo();
        m_admin.addNetwork(QStringLiteral("Big"));
        m_admin.addSubsystem(QStringLiteral("Big"), QStringLiteral("Hall"));
        for (int i = 0; i < BigTemplateDevices; ++i)
            m_admin.addDevice(QStringLiteral("Big"), QStringLiteral("Hall"), QStringLiteral("ROU_%1").arg(i),
                              QString(), QStringLiteral("9FFF3C0A00060417"));
        m_admin.addNetwork(QStringLiteral("Timed"));
        m_admin.addSubsystem(QStringLiteral("Timed"), QStringLiteral("F1"));
        m_admin.addDevice(QStringLiteral("Timed"), QStringLiteral("F1"), QStringLiteral("ROU_1"), QString(),
                          QStringLiteral("9FFF3C0A00060417"));
        m_admin.setTransactionTime(QStringLiteral("Timed"), TransactionMs);
        m_registry = std::make_unique<SqliteRegistryStore>(
            QDir(m_home.path()).filePath(QStringLiteral("registry.sqlite")));
        m_server = lnssim::createObjectServer(m_home.path(), *m_registry);
        m_server->open();
    }

    std::shared_ptr<lns::System> system(const QString& network)
    {
        const auto opened = m_server->networks()->item(network);
        opened->open();
        auto system = opened->systems()->item(1);
        system->open();
        return system;
    }

    std::shared_ptr<lns::AppDevice> rou1Device(const QString& network)
    {
        return system(network)->subsystems()->item(1)->applicationDevices()->item(QStringLiteral("ROU_1"));
    }

    std::shared_ptr<lns::DeviceInterface> rou1(const QString& network)
    {
        return rou1Device(network)->deviceInterface();
    }

    lnssim::PlatformAdmin& admin() { return m_admin; }

private:
    QTemporaryDir m_home;
    lnssim::PlatformAdmin m_admin;
    std::unique_ptr<SqliteRegistryStore> m_registry;
    std::unique_ptr<lns::ObjectServer> m_server;
};

BenchPlatform& platform()
{
    static BenchPlatform instance;
    return instance;
}

void perSecond(benchmark::State& state)
{
    state.counters["operations/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void NvRead(benchmark::State& state)
{
    const auto nv = platform().rou1(Demo)->networkVariables()->item(31);
    for (auto _ : state)
        benchmark::DoNotOptimize(nv->value());
    perSecond(state);
}

void NvWrite(benchmark::State& state)
{
    const auto nv = platform().rou1(Demo)->networkVariables()->item(31);
    int step = 0;
    for (auto _ : state)
        nv->setValue(QStringLiteral("2%1,50").arg(step++ % 10));
    perSecond(state);
}

void CpRead(benchmark::State& state)
{
    const auto cp = platform().rou1(Demo)->networkVariables()->item(48)->configProperties()->item(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(cp->value());
    perSecond(state);
}

void CpWrite(benchmark::State& state)
{
    const auto cp = platform().rou1(Demo)->networkVariables()->item(48)->configProperties()->item(1);
    int step = 0;
    for (auto _ : state)
        cp->setValue(QStringLiteral("2%1,00").arg(step++ % 10));
    perSecond(state);
}

void FindDeviceAmongTenThousand(benchmark::State& state)
{
    const auto system = platform().system(QStringLiteral("Big"));
    int step = 0;
    for (auto _ : state) {
        const auto devices =
            system->deviceTemplates()->findByProgramId(QStringLiteral("9FFF3C0A00060417"))->devices();
        benchmark::DoNotOptimize(
            devices->item(QStringLiteral("ROU_%1").arg((step++ * 7919) % BigTemplateDevices)));
    }
    perSecond(state);
}

void FindDeviceInSubsystemOfTenThousand(benchmark::State& state)
{
    const auto devices =
        platform().system(QStringLiteral("Big"))->subsystems()->item(1)->applicationDevices();
    int step = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            devices->item(QStringLiteral("ROU_%1").arg((step++ * 7919) % BigTemplateDevices)));
    perSecond(state);
}

// With the channel model on, every NV read should take the transaction time.
void TimedNvRead(benchmark::State& state)
{
    const auto nv = platform().rou1(QStringLiteral("Timed"))->networkVariables()->item(31);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(nv->value());
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
        static_cast<double>(state.iterations());
    state.counters["ms/transaction"] = milliseconds;
    state.counters["deviation %"] = std::abs(milliseconds - TransactionMs) * 100.0 / TransactionMs;
}

// Every CP of ROU_1's blocks with the value it holds: the set a configuration download writes.
QList<lns::CpSetValue> blockSet(lns::AppDevice& device)
{
    QList<lns::CpSetValue> set;
    const auto blocks = device.deviceInterface()->functionalBlocks();
    for (int block = 1; block <= blocks->count(); ++block) {
        const auto properties = blocks->item(block)->configProperties();
        for (int position = 1; position <= properties->count(); ++position) {
            const auto property = properties->item(position);
            lns::CpSetValue value;
            value.id = QStringLiteral("F:%1/C:%2:%3")
                           .arg(block - 1)
                           .arg(property->typeScope())
                           .arg(property->typeIndex());
            for (int element = 0; element < property->elementCount(); ++element)
                value.elements.append(property->elementValue(element));
            set.append(value);
        }
    }
    return set;
}

// What the channel board adds to every transaction on a zero-time channel: one of the
// interface's turns and the channel's counters.
void ZeroTimeTransaction(benchmark::State& state)
{
    QTemporaryDir home;
    lnssim::ChannelBoard board(home.path());
    const lnssim::ChannelTiming timing = lnssim::ChannelTiming::of(lnssim::ChannelType::TpFt10, 0, 0);
    for (auto _ : state) {
        lnssim::DeviceTransaction transaction(board, timing);
        transaction.request(8);
        transaction.respond(1);
    }
    perSecond(state);
}

// The simulator's own cost of a set, per CP: the demo network's channels take no time.
void CpSetOwnCost(benchmark::State& state)
{
    const auto device = platform().rou1Device(Demo);
    const QList<lns::CpSetValue> set = blockSet(*device);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(device->writeConfigProperties(set));
    state.counters["ms/CP"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
        static_cast<double>(state.iterations() * set.size());
}

// A set on the 11 ms model against its floor: its packets' time plus a latency per transaction.
void TimedCpSet(benchmark::State& state)
{
    const QList<lns::CpSetValue> set = blockSet(*platform().rou1Device(Demo));
    const auto device = platform().rou1Device(QStringLiteral("Timed"));
    const auto floorNs = [] {
        return platform().admin().channels(QStringLiteral("Timed")).first().floorNs();
    };
    const qint64 floorBefore = floorNs();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(device->writeConfigProperties(set));
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
        static_cast<double>(state.iterations());
    const double floor =
        static_cast<double>(floorNs() - floorBefore) / 1e6 / static_cast<double>(state.iterations());
    state.counters["ms/set"] = milliseconds;
    state.counters["floor ms/set"] = floor;
    state.counters["ratio to floor"] = milliseconds / floor;
}

} // namespace

BENCHMARK(NvRead);
BENCHMARK(NvWrite);
BENCHMARK(CpRead);
BENCHMARK(CpWrite);
BENCHMARK(FindDeviceAmongTenThousand);
BENCHMARK(FindDeviceInSubsystemOfTenThousand);
BENCHMARK(TimedNvRead)->Iterations(benchSize(200, 5))->UseRealTime();
BENCHMARK(ZeroTimeTransaction);
BENCHMARK(CpSetOwnCost);
BENCHMARK(TimedCpSet)->Iterations(benchSize(20, 2))->UseRealTime();

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
