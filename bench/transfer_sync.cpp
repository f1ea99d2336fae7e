// Synchronising the general CPs of the open device to many devices of its program ID, as Apply
// does with "sync. Devices": the time of the whole transfer against the floor of what the channels
// carried for it, from their counters (packets and a latency per transaction, summed since the
// devices are written one after another). Target: at most 1.05 of that floor, flat from 10 to
// 1,000 devices. A second
// run without channel time gives the plug-in's own cost per CP written (target at most 0.1 ms).

#include "device/ui/MainWindow.h"
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
    SyncSetup(int transactionMs, int count) : platform(transactionMs)
    {
        const QString programId = platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->programId();
        platform.admin.addSubsystem(BenchPlatform::Network, QStringLiteral("Bench"));
        for (int n = 1; n <= count; ++n)
            platform.admin.addDevice(BenchPlatform::Network, QStringLiteral("Bench"),
                                     QStringLiteral("B_%1").arg(n), QString(), programId);
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

void synchronise(benchmark::State& state, int transactionMs)
{
    const int count = static_cast<int>(state.range(0));
    SyncSetup setup(transactionMs, count);
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
        state.SetIterationTime(seconds);
        total += seconds;
        floors.sumNs +=
            ChannelFloors::between(before, setup.platform.admin.channels(BenchPlatform::Network)).sumNs;
    }
    const double perTransfer = total / static_cast<double>(state.iterations());
    if (transactionMs > 0) {
        state.counters["ratio_channel"] =
            perTransfer / (floors.sumSeconds() / static_cast<double>(state.iterations()));
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
    registerTransferRuns("BM_Sync", synchronise);
    return runBenchmarks(argc, argv);
}
