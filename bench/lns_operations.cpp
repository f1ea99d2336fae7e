// Throughput of the simulated object server's device operations, and the channel timing model.
// Reports figures only; nothing here is a pass/fail check.
#include "host/object_server/DeviceInterface.h"
#include "host/object_server/ObjectServer.h"
#include "lns/PlatformAdmin.h"
#include "lns/SimObjectServer.h"
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

    std::shared_ptr<lns::DeviceInterface> rou1(const QString& network)
    {
        return system(network)
            ->subsystems()
            ->item(1)
            ->applicationDevices()
            ->item(QStringLiteral("ROU_1"))
            ->deviceInterface();
    }

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

} // namespace

BENCHMARK(NvRead);
BENCHMARK(NvWrite);
BENCHMARK(CpRead);
BENCHMARK(CpWrite);
BENCHMARK(FindDeviceAmongTenThousand);
BENCHMARK(FindDeviceInSubsystemOfTenThousand);
BENCHMARK(TimedNvRead)->Iterations(benchSize(200, 5))->UseRealTime();

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
