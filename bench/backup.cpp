// zep31ctl backup of a network, the real program, against the channels' own time for what it asked
// of the devices (a state query and the CP reads of each device), taken from the platform's
// counters: a channel's floor is its busy time and a latency per transaction. The devices are read
// one after another, so the run cannot beat the sum of the channels' floors ("ratio_sum", target
// at most 1.05); "ratio_busiest" is the run against the busiest channel alone, the floor of a
// backup that read the channels at once. The demo's devices sit on two channels, the added ones on
// the first. A second run without channel time gives the tool's own cost per device.

#include "support/BenchPlatform.h"
#include "support/BenchRuns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The demo network's ZEP31 units are backed up with the devices added.
constexpr int DemoUnits = 6;

void backup(benchmark::State& state, int transactionMs)
{
    const int count = static_cast<int>(state.range(0));
    BenchPlatform platform(transactionMs);
    // The demo's unit that does not answer would end the backup with a failure.
    platform.admin.setUnreachable(BenchPlatform::Network, QStringLiteral("F1/ROU_3"), false);
    platform.admin.addSubsystem(BenchPlatform::Network, QStringLiteral("Bench"));
    const QString programId = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->programId();
    for (int n = 1; n <= count; ++n)
        platform.admin.addDevice(BenchPlatform::Network, QStringLiteral("Bench"),
                                 QStringLiteral("B_%1").arg(n), QString(), programId);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zep31ctl");
    QTemporaryDir target;

    ChannelFloors floors;
    double total = 0;
    for (auto _ : state) {
        const QList<lnssim::PlatformAdmin::Channel> before = platform.admin.channels(BenchPlatform::Network);
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(program, {QStringLiteral("backup"), BenchPlatform::Network,
                                target.filePath(QStringLiteral("b"))});
        const bool finished = process.waitForFinished(-1);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!finished || process.exitCode() != 0) {
            state.SkipWithError(
                ("the backup failed: " + process.readAllStandardError().toStdString()).c_str());
            return;
        }
        const ChannelFloors run =
            ChannelFloors::between(before, platform.admin.channels(BenchPlatform::Network));
        floors.sumNs += run.sumNs;
        floors.busiestNs += run.busiestNs;
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const double iterations = static_cast<double>(state.iterations());
    const double perRun = total / iterations;
    if (transactionMs > 0) {
        state.counters["ratio_sum"] = perRun / (static_cast<double>(floors.sumNs) / 1e9 / iterations);
        state.counters["ratio_busiest"] = perRun / (static_cast<double>(floors.busiestNs) / 1e9 / iterations);
    }
    state.counters["per_device_ms"] = perRun * 1000.0 / (count + DemoUnits);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    registerTransferRuns("BM_Backup", backup);
    return runBenchmarks(argc, argv);
}
