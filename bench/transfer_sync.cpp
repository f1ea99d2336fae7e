// Synchronising the general CPs of the open device to many devices of its program ID, as Apply
// does with "sync. Devices": the time of the whole transfer against the floor of what the channels
// carried for it, from their counters (packets and a latency per transaction). On one channel the
// devices are written one after another and the floor is the channel's; target at most 1.05 of
// it, flat from 10 to 1,000 devices. A second run without channel time gives the plug-in's own
// cost per CP written (target at most 0.1 ms). A third deals the devices out over C channels,
// which the window writes at once: the floor is then the busiest channel's (target at most 1.10).

#include "device/ui/MainWindow.h"
#include "host/Log.h"
#include "host/object_server/DeviceTemplate.h"
#include "host/object_server/System.h"
#include "support/BenchPlatform.h"
#include "support/BenchRuns.h"
#include "transfer/TransferState.h"
#include "transfer/ui/Apply.h"
#include "transfer/ui/TransferStatus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int SyncedCps = syncedCps();

class QuietStatus final : public TransferStatus
{
public:
    void start(int, int) override {}
    void setDevice(int) override {}
    void setParameter(int) override {}
    void setEstimate(qint64) override {}
    void finish() override {}
};

// The demo network plus `count` more devices of ROU_1's program ID, all chosen.
struct SyncSetup
{
    // channels: 0 puts the devices on the network's first channel, else on that many new ones.
    SyncSetup(int transactionMs, int count, int channels = 0) : platform(transactionMs)
    {
        const QString programId = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->programId();
        platform.admin.addSubsystem(BenchPlatform::Network, QStringLiteral("Bench"));
        for (int channel = 1; channel <= channels; ++channel)
            platform.admin.addChannel(BenchPlatform::Network, QStringLiteral("Bench %1").arg(channel));
        for (int n = 1; n <= count; ++n)
            platform.admin.addDevice(BenchPlatform::Network, QStringLiteral("Bench"),
                                     QStringLiteral("B_%1").arg(n), QString(), programId, 4, true,
                                     channels > 0 ? QStringLiteral("Bench %1").arg((n - 1) % channels + 1)
                                                  : QString());
        transfer.deviceTemplate = platform.connection.system->deviceTemplates()->findByProgramId(programId);
        const std::shared_ptr<lns::AppDevices> devices = transfer.deviceTemplate->devices();
        for (int item = 1; item <= devices->count(); ++item) {
            const std::shared_ptr<lns::AppDevice> device = devices->item(item);
            if (device->name().startsWith(QLatin1String("B_")))
                transfer.selectedDevices.push_back({device->name(), item, device->neuronId()});
        }
        std::shared_ptr<lns::AppDevice> device =
            platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
        PlugInCommand command = platform.commands.row(0);
        window.ProcessDeviceCommand(device, command);
        // The floor counts all the channels carried: the monitor's polls of the open device would
        // count there while running beside the transfer, not in its time.
        window.Monitor_An(false);
    }

    BenchPlatform platform;
    MainWindow window{platform.context};
    TransferState transfer;
    QuietStatus status;
    Apply apply{platform.context,
                window.controls(),
                window.session(),
                window.editorState(),
                transfer,
                status,
                {[](bool) { return true; }, [] { return true; }, [] {}, [this] { window.func_red_field(); },
                 [](bool) {}}};
};

void synchronise(benchmark::State& state, int transactionMs, int channels = 0)
{
    const int count = static_cast<int>(state.range(0));
    SyncSetup setup(transactionMs, count, channels);
    if (setup.transfer.selectedDeviceCount() != count) {
        state.SkipWithError("the devices were not all found");
        return;
    }
    double total = 0;
    ChannelFloors floors;
    for (auto _ : state) {
        const auto before = setup.platform.admin.channels(BenchPlatform::Network);
        QElapsedTimer timer;
        timer.start();
        setup.apply.cmdApply_Click();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        const QString summary = setup.window.controls().echLog->entries().constLast().text;
        if (summary != QStringLiteral("%1 of %1 devices written, 0 skipped").arg(count)) {
            state.SkipWithError(
                ("the transfer did not write every device: " + summary.toStdString()).c_str());
            return;
        }
        state.SetIterationTime(seconds);
        total += seconds;
        const ChannelFloors run =
            ChannelFloors::between(before, setup.platform.admin.channels(BenchPlatform::Network));
        floors.sumNs += run.sumNs;
        floors.busiestNs += run.busiestNs;
    }
    const double perTransfer = total / static_cast<double>(state.iterations());
    if (transactionMs > 0) {
        const double floor = channels > 0 ? floors.busiestSeconds() : floors.sumSeconds();
        state.counters["ratio_channel"] = perTransfer / (floor / static_cast<double>(state.iterations()));
        state.counters["per_device_ms"] = perTransfer * 1000.0 / count;
    } else {
        state.counters["per_cp_ms"] = perTransfer * 1000.0 / (count * SyncedCps);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerTransferRuns(
        "BM_Sync", [](benchmark::State& state, int transactionMs) { synchronise(state, transactionMs); });
    auto* overChannels = benchmark::RegisterBenchmark("BM_SyncOverChannels",
                                                      [](benchmark::State& state) {
                                                          synchronise(state, benchSize(11, 0),
                                                                      static_cast<int>(state.range(1)));
                                                      })
                             ->ArgNames({"N", "C"})
                             ->UseManualTime()
                             ->Unit(benchmark::kSecond)
                             ->Iterations(1);
    if (smokeRun())
        overChannels->Args({10, 4});
    else
        overChannels->Args({100, 4})->Args({100, 10})->Args({1000, 10});
    return runBenchmarks(argc, argv);
}
