// The device selection over a large network: 10,000 devices of one program ID in 20 subsystems.
// Measures the search alone and the whole window load (search, progress events and the tree),
// and the process's peak memory. Targets: at most 2 s and 200 MB.

#include "device/DeviceSession.h"
#include "host/object_server/Network.h"
#include "host/object_server/Subsystem.h"
#include "host/object_server/System.h"
#include "support/BenchPlatform.h"
#include "support/BenchRuns.h"
#include "transfer/DeviceDirectory.h"
#include "transfer/TransferState.h"
#include "transfer/ui/fGeraeteauswahl.h"
#include "ui/MainControls.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

const int Subsystems = benchSize(20, 2);
const int DevicesPerSubsystem = benchSize(500, 5);
const QString Network = QStringLiteral("Large");
const QString Template = QStringLiteral("Korvandel zep31_06");

// The demo platform plus a network of its own with the large template, opened as the current one.
struct LargeNetwork
{
    LargeNetwork()
    {
        lnssim::PlatformAdmin& admin = platform.admin;
        admin.addNetwork(Network);
        admin.importTemplate(
            Network, Template,
            QDir(platform.home.path()).filePath(QStringLiteral("Import/Korvandel/zep31/zep31_06.xif")));
        for (int subsystem = 1; subsystem <= Subsystems; ++subsystem) {
            const QString name = QStringLiteral("Floor %1").arg(subsystem);
            admin.addSubsystem(Network, name, QStringLiteral("Building/") + name);
            for (int device = 1; device <= DevicesPerSubsystem; ++device)
                admin.addDevice(Network, name, QStringLiteral("ROU_%1_%2").arg(subsystem).arg(device),
                                Template, QString());
        }
        platform.catalogue.LoadTexts(0);
        ConnectionState& connection = platform.connection;
        connection.network = platform.server->networks()->item(Network);
        connection.network->open();
        connection.system = connection.network->systems()->item(1);
        connection.system->open();
        // A device in the middle of the network is the current one.
        const int middle = Subsystems / 2;
        session.currentDevice =
            connection.system->subsystems()
                ->item(QStringLiteral("Floor %1").arg(middle))
                ->applicationDevices()
                ->item(QStringLiteral("ROU_%1_%2").arg(middle).arg(DevicesPerSubsystem / 2));
    }

    BenchPlatform platform{0};
    MainControls controls;
    DeviceSession session;
    TransferState transfer;
};

// Peak resident memory of the process so far, in megabytes.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0;
}

void searchOnly(benchmark::State& state, LargeNetwork& large)
{
    const DeviceDirectory directory(*large.platform.connection.system);
    for (auto _ : state) {
        const DeviceDirectory::Listing listing = directory.search(*large.session.currentDevice);
        if (!listing.complete || listing.currentGroup < 0)
            state.SkipWithError("the search did not find every device");
        benchmark::DoNotOptimize(listing.groups.data());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void loadWindow(benchmark::State& state, LargeNetwork& large)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        fGeraeteauswahl window(large.platform.context, large.controls, large.session, large.transfer,
                               nullptr);
        window.Form_Load();
        window.show();
        // Shown means painted once.
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        const auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        if (!tree || tree->topLevelItemCount() != Subsystems)
            state.SkipWithError("the tree is incomplete");
    }
    state.counters["devices"] = Subsystems * DevicesPerSubsystem;
    state.counters["peak_MB"] = peakMegabytes();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LargeNetwork large;
    benchmark::RegisterBenchmark("BM_DeviceSearch",
                                 [&large](benchmark::State& state) { searchOnly(state, large); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(benchSize(3, 1));
    benchmark::RegisterBenchmark("BM_DeviceSelectionWindow",
                                 [&large](benchmark::State& state) { loadWindow(state, large); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(benchSize(3, 1));
    return runBenchmarks(argc, argv);
}
