// The device selection over a large network: 10,000 devices of one program ID in 20 subsystems.
// Measures the search alone and the whole window load (search, progress events and the tree),
// and the process's peak memory. Targets: at most 2 s and 200 MB.

#include "device/DeviceSession.h"
#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "device/ui/MainControls.h"
#include "host/AppContext.h"
#include "host/CommandTable.h"
#include "host/ConnectionState.h"
#include "host/LonWorksHome.h"
#include "host/MessageCatalogue.h"
#include "host/ProgressDisplay.h"
#include "host/RegistryKeys.h"
#include "host/ResourceDirSpec.h"
#include "host/UnattendedUi.h"
#include "host/object_server/Network.h"
#include "host/object_server/Subsystem.h"
#include "lns/PlatformAdmin.h"
#include "lns/SimObjectServer.h"
#include "registry/SqliteRegistryStore.h"
#include "transfer/DeviceDirectory.h"
#include "transfer/TransferState.h"
#include "transfer/ui/fGeraeteauswahl.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Subsystems = 20;
constexpr int DevicesPerSubsystem = 500;
const QString Network = QStringLiteral("Large");
const QString Template = QStringLiteral("Korvandel zep31_06");

// The search's progress goes to the splash window; here it costs nothing beyond the events.
class SilentProgress final : public ProgressDisplay
{
public:
    void showProgress(bool) override { m_visible = true; }
    void setStatus(const QString& text) override { m_status = text; }
    QString status() const override { return m_status; }
    bool progressVisible() const override { return m_visible; }
    void closeProgress() override { m_visible = false; }
    void showSplash() override {}
    bool splashVisible() const override { return false; }
    void closeSplash() override {}
    void setSearchVisible(bool) override {}
    void setSearchRange(int) override {}
    void setSearchValue(int) override {}
    void setSearchText(const QString&) override {}

private:
    QString m_status;
    bool m_visible = false;
};

struct Home
{
    Home() { qputenv("LONWORKS_HOME", dir.path().toUtf8()); }
    QTemporaryDir dir;
};

bool createNetwork(lnssim::PlatformAdmin& admin, const QString& home)
{
    admin.init();
    admin.addNetwork(Network);
    admin.importTemplate(Network, Template,
                         QDir(home).filePath(QStringLiteral("Import/Korvandel/zep31/zep31_06.xif")));
    for (int subsystem = 1; subsystem <= Subsystems; ++subsystem) {
        const QString name = QStringLiteral("Floor %1").arg(subsystem);
        admin.addSubsystem(Network, name, QStringLiteral("Building/") + name);
        for (int device = 1; device <= DevicesPerSubsystem; ++device)
            admin.addDevice(Network, name, QStringLiteral("ROU_%1_%2").arg(subsystem).arg(device), Template,
                            QString());
    }
    return true;
}

struct Platform
{
    Platform()
    {
        registry.writeValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                            registry_keys::LanguageValue, QStringLiteral("english"));
        catalogue.LoadTexts(0);
        server->open();
        connection.ServerOpen = true;
        connection.network = server->networks()->item(Network);
        connection.network->open();
        connection.system = connection.network->systems()->item(1);
        connection.system->open();
        connection.NetworkOpen = true;
        // A device in the middle of the network is the current one.
        session.currentDevice = connection.system->subsystems()
                                    ->item(QStringLiteral("Floor 10"))
                                    ->applicationDevices()
                                    ->item(QStringLiteral("ROU_10_250"));
    }

    Home home;
    lnssim::PlatformAdmin admin{home.dir.path()};
    bool networkCreated = createNetwork(admin, home.dir.path());
    SqliteRegistryStore registry{lonworks_home::registryFile()};
    std::unique_ptr<lns::ObjectServer> server = lnssim::createObjectServer(home.dir.path(), registry);
    UnattendedUi ui;
    SilentProgress progress;
    MessageCatalogue catalogue{registry};
    ConnectionState connection;
    CommandTable commands;
    FrameworkSettings settings;
    PointTables points;
    ResourceDirSpec resourceDir;
    AppContext context{registry, *server,  ui,     progress,    catalogue, connection,
                       commands, settings, points, resourceDir, [] {}};
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

void searchOnly(benchmark::State& state, Platform& platform)
{
    const DeviceDirectory directory(*platform.connection.system);
    for (auto _ : state) {
        const DeviceDirectory::Listing listing = directory.search(*platform.session.currentDevice);
        if (!listing.complete || listing.currentGroup < 0)
            state.SkipWithError("the search did not find every device");
        benchmark::DoNotOptimize(listing.groups.data());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void loadWindow(benchmark::State& state, Platform& platform)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        fGeraeteauswahl window(platform.context, platform.controls, platform.session, platform.transfer,
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
    Platform platform;
    benchmark::RegisterBenchmark("BM_DeviceSearch",
                                 [&platform](benchmark::State& state) { searchOnly(state, platform); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("BM_DeviceSelectionWindow",
                                 [&platform](benchmark::State& state) { loadWindow(state, platform); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
