// zep31ctl apply of the demo's file to N devices spread evenly over C channels, on the same channel
// model in one run, two ways:
// - the old path: a transaction per CP and per array element, one device after another (the
//   transfer's per-CP writing, in process);
// - the new path: the real zep31ctl, a set per device, the channels at once.
// Each is set against the floor of what it carried, from the channels' counters: the busiest
// channel's packets and latencies for the new path, the sum over the channels for the old one.
// Targets: new path at most 1.10 of its floor for every N and C, at least 50 times faster than the
// old path at N = 1,000, C = 10, flat per device. The old path does not depend on C and takes
// about 14 minutes at N = 1,000: it is measured up to N = 100, and larger N are scaled from its
// time per device at N = 100 ("old_scaled" = 1). A run with zero-time channels gives the new
// path's own cost per CP written (target at most 0.05 ms). A smoke run uses zero-time channels.
//
// The new path is timed twice per iteration. "seconds", "ratio_floor" and "per_cp_ms" are the
// whole zep31ctl process, its start (exec, dynamic linking, QCoreApplication) and end included:
// what an integrator waits for. "inproc_s", "inproc_ratio_floor" and "inproc_per_cp_ms" are the
// same command (Zep31Ctl::run with the same words, so the same ApplyCommand against the same
// network) run inside this process, from parsing the words to the exit status: the tool's work
// without the process around it. Each is set against the floor of its own run. At N = 10 the
// floor is about 90 ms and the process start alone costs several per cent of it.

#include "Zep31Ctl.h"
#include "files/ParameterFile.h"
#include "host/CRegistry.h"
#include "host/MemoryLog.h"
#include "support/BenchPlatform.h"
#include "support/BenchRuns.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/ParameterSetWriter.h"
#include "transfer/TransferObserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <map>

namespace {

constexpr int WrittenCps = syncedCps();
const QString Subsystem = QStringLiteral("Bench");

QString program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zep31ctl");
}

// The old path's time per device, by N, for the new path's ratio.
std::map<int, double>& oldPerDevice()
{
    static std::map<int, double> measured;
    return measured;
}

int transactionMs()
{
    return benchSize(11, 0);
}

// The demo's file, saved from ROU_1, and in place of the demo's devices `count` devices of its
// program ID on `channels` new channels, dealt out in turn.
struct ChannelNetwork
{
    ChannelNetwork(int ms, int count, int channels) : platform(ms)
    {
        platform.admin.setUnreachable(BenchPlatform::Network, QStringLiteral("F1/ROU_3"), false);
        programId = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->programId();
        QProcess save;
        save.start(program(),
                   {QStringLiteral("save"), BenchPlatform::Network, QStringLiteral("F1/ROU_1"), file});
        saved = save.waitForFinished(-1) && save.exitCode() == 0;
        for (const QString& path : platform.admin.devicePaths(BenchPlatform::Network))
            platform.admin.removeDevice(BenchPlatform::Network, path);
        platform.admin.addSubsystem(BenchPlatform::Network, Subsystem);
        for (int channel = 1; channel <= channels; ++channel)
            platform.admin.addChannel(BenchPlatform::Network, QStringLiteral("Bench %1").arg(channel));
        for (int n = 1; n <= count; ++n)
            platform.admin.addDevice(BenchPlatform::Network, Subsystem, QStringLiteral("B_%1").arg(n),
                                     QString(), programId, 4, true,
                                     QStringLiteral("Bench %1").arg((n - 1) % channels + 1));
        platform.points.fillCpTable();
        platform.settings.refreshIfStale(CRegistry(platform.registry));
    }

    QList<lnssim::PlatformAdmin::Channel> channels() const
    {
        return platform.admin.channels(BenchPlatform::Network);
    }

    BenchPlatform platform;
    QString file = platform.home.path() + QStringLiteral("/demo.par");
    QString programId;
    bool saved = false;
};

class Counting final : public TransferObserver
{
public:
    bool beforeCp(int) override { return true; }
    void cpWritten(int, const QString&) override { ++written; }
    void afterCp(int) override {}
    int written = 0;
};

// The per-CP path as zep31ctl apply took it before sets: every CP and element its own write,
// each read back, one device after another.
void oldPath(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    ChannelNetwork network(transactionMs(), count, 1);
    const Expected<ParameterSet> set =
        ParameterFile::read(network.file, network.platform.settings.decimalSeparator);
    if (!network.saved || !set) {
        state.SkipWithError("the demo's file could not be saved");
        return;
    }
    BenchPlatform& platform = network.platform;
    MemoryLog log;
    const ParameterSetWriter choice(platform.points, platform.catalogue, log, platform.connection.system,
                                    *set, platform.settings.decimalSeparator, {});
    double total = 0;
    for (auto _ : state) {
        const auto before = network.channels();
        QElapsedTimer timer;
        timer.start();
        for (int n = 1; n <= count; ++n) {
            DeviceTransfer transfer(platform.points, platform.catalogue, log, platform.connection.system,
                                    [](const lns::Error&) { return UiServices::Answer::Abort; });
            const auto target =
                transfer.openTarget(platform.device(Subsystem, QStringLiteral("B_%1").arg(n)));
            Counting observer;
            transfer.setElementReadBack(true);
            if (!target ||
                !transfer.writeDevice(
                    *target, DeviceTransfer::Mode::ChangedOnly,
                    [&](int position) { return choice.writes(position); },
                    [&](int position) { return choice.valueOf(position); }, observer) ||
                observer.written != WrittenCps)
                state.SkipWithError("a device failed");
            log.clear();
        }
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        total += seconds;
        const double floor = ChannelFloors::between(before, network.channels()).sumSeconds();
        state.counters["floor_s"] = floor;
        if (floor > 0)
            state.counters["ratio_floor"] = seconds / floor;
    }
    oldPerDevice()[count] = total / static_cast<double>(state.iterations()) / count;
    state.counters["per_device_ms"] = oldPerDevice()[count] * 1000.0;
}

// The apply as the tool runs it, in this process: the same words to the same command.
int applyInProcess(const QStringList& arguments, QString& errors)
{
    QString out;
    QTextStream outStream(&out);
    QTextStream errStream(&errors);
    return Zep31Ctl(outStream, errStream).run(arguments);
}

void newPath(benchmark::State& state, int ms)
{
    const int count = static_cast<int>(state.range(0));
    const int channelCount = static_cast<int>(state.range(1));
    ChannelNetwork network(ms, count, channelCount);
    if (!network.saved) {
        state.SkipWithError("the demo's file could not be saved");
        return;
    }
    const QStringList arguments{QStringLiteral("apply"), BenchPlatform::Network, network.file,
                                QStringLiteral("--program-id"), network.programId};
    double total = 0;
    double inProcess = 0;
    ChannelFloors floors;
    ChannelFloors inProcessFloors;
    for (auto _ : state) {
        auto before = network.channels();
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(program(), arguments);
        const bool finished = process.waitForFinished(-1);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!finished || process.exitCode() != 0) {
            state.SkipWithError(
                ("the apply failed: " + process.readAllStandardError().toStdString()).c_str());
            return;
        }
        const ChannelFloors run = ChannelFloors::between(before, network.channels());
        floors.busiestNs += run.busiestNs;
        state.SetIterationTime(seconds);
        total += seconds;

        before = network.channels();
        QString errors;
        timer.restart();
        const int status = applyInProcess(arguments, errors);
        inProcess += static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (status != 0) {
            state.SkipWithError(("the apply in process failed: " + errors.toStdString()).c_str());
            return;
        }
        inProcessFloors.busiestNs += ChannelFloors::between(before, network.channels()).busiestNs;
    }
    const double iterations = static_cast<double>(state.iterations());
    const double perRun = total / iterations;
    const double perRunInProcess = inProcess / iterations;
    state.counters["per_device_ms"] = perRun * 1000.0 / count;
    state.counters["inproc_s"] = perRunInProcess;
    if (ms == 0) {
        state.counters["per_cp_ms"] = perRun * 1000.0 / (count * WrittenCps);
        state.counters["inproc_per_cp_ms"] = perRunInProcess * 1000.0 / (count * WrittenCps);
        return;
    }
    state.counters["floor_s"] = floors.busiestSeconds() / iterations;
    state.counters["ratio_floor"] = perRun / state.counters["floor_s"];
    state.counters["inproc_ratio_floor"] = perRunInProcess / (inProcessFloors.busiestSeconds() / iterations);
    // The old path's figure of the largest N measured, per device.
    const auto old = oldPerDevice().upper_bound(count);
    const auto measured = old == oldPerDevice().begin() ? old : std::prev(old);
    if (measured != oldPerDevice().end()) {
        state.counters["old_s"] = measured->second * count;
        state.counters["old_scaled"] = measured->first == count ? 0 : 1;
        state.counters["new_over_old"] = perRun / state.counters["old_s"];
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::vector<int> sizes = smokeRun() ? std::vector<int>{10} : std::vector<int>{10, 100, 1000};
    const std::vector<int> channels = smokeRun() ? std::vector<int>{1, 4} : std::vector<int>{1, 4, 10};
    auto* old = benchmark::RegisterBenchmark("BM_OldPath", oldPath)
                    ->ArgName("N")
                    ->UseManualTime()
                    ->Unit(benchmark::kSecond)
                    ->Iterations(1);
    for (const int count : sizes)
        if (count <= 100)
            old->Arg(count);
    auto* parallel = benchmark::RegisterBenchmark(
                         "BM_NewPath", [](benchmark::State& state) { newPath(state, transactionMs()); })
                         ->ArgNames({"N", "C"})
                         ->UseManualTime()
                         ->Unit(benchmark::kSecond)
                         ->Iterations(1);
    for (const int count : sizes)
        for (const int channelCount : channels)
            parallel->Args({count, channelCount});
    benchmark::RegisterBenchmark("BM_NewPathOwnCost", [](benchmark::State& state) { newPath(state, 0); })
        ->ArgNames({"N", "C"})
        ->Args({benchSize(100, 10), 4})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(benchSize(3, 1));
    return runBenchmarks(argc, argv);
}
