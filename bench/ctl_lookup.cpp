// zep31ctl naming many devices (apply, restore, read): NetworkSession::device for every device of
// a network of 1,000 devices in 10 subsystems, once by "SUBSYSTEM/DEVICE" and once by the bare
// name. Each look-up should cost the same at any size of network: a path goes to its subsystem,
// a bare name asks each subsystem once, and neither lists the devices. Reported per look-up.
// Listing the whole network for each name, as the tool once did, cost about 17 ms per look-up
// here: 17 s for 1,000 names.

#include "NetworkSession.h"
#include "support/BenchPlatform.h"
#include "support/BenchRuns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

const int Subsystems = 10;
const int DevicesPerSubsystem = benchSize(100, 2);

QStringList names(bool withSubsystem)
{
    QStringList result;
    for (int subsystem = 1; subsystem <= Subsystems; ++subsystem)
        for (int device = 1; device <= DevicesPerSubsystem; ++device)
            result.append((withSubsystem ? QStringLiteral("S%1/").arg(subsystem) : QString()) +
                          QStringLiteral("D_%1_%2").arg(subsystem).arg(device));
    return result;
}

void lookUp(benchmark::State& state, bool withSubsystem)
{
    BenchPlatform platform(0);
    const QString programId = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->programId();
    for (int subsystem = 1; subsystem <= Subsystems; ++subsystem) {
        platform.admin.addSubsystem(BenchPlatform::Network, QStringLiteral("S%1").arg(subsystem));
        for (int device = 1; device <= DevicesPerSubsystem; ++device)
            platform.admin.addDevice(BenchPlatform::Network, QStringLiteral("S%1").arg(subsystem),
                                     QStringLiteral("D_%1_%2").arg(subsystem).arg(device), QString(),
                                     programId);
    }
    const NetworkSession session(BenchPlatform::Network);
    const QStringList references = names(withSubsystem);
    double total = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (const QString& reference : references)
            benchmark::DoNotOptimize(session.device(reference));
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        total += seconds;
    }
    state.counters["devices"] = static_cast<double>(references.size());
    state.counters["per_lookup_ms"] =
        total * 1000.0 / (static_cast<double>(state.iterations()) * static_cast<double>(references.size()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::RegisterBenchmark("BM_DeviceByPath", [](benchmark::State& state) { lookUp(state, true); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(benchSize(3, 1));
    benchmark::RegisterBenchmark("BM_DeviceByName", [](benchmark::State& state) { lookUp(state, false); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(benchSize(3, 1));
    return runBenchmarks(argc, argv);
}
