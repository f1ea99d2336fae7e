// Opening an online device: the time from the director's device command to the window
// showing every value, against the time the channel needs for the 49 NV reads of that
// opening (CPs come from the network database). Target ratio: at most 1.2.

#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "device/ui/MainWindow.h"
#include "host/AppContext.h"
#include "host/CommandTable.h"
#include "host/ConnectionState.h"
#include "host/LonWorksHome.h"
#include "host/MessageCatalogue.h"
#include "host/ProgressDisplay.h"
#include "host/RegistryKeys.h"
#include "host/ResourceDirSpec.h"
#include "host/UnattendedUi.h"
#include "host/object_server/DeviceInterface.h"
#include "lns/PlatformAdmin.h"
#include "lns/SimObjectServer.h"
#include "registry/SqliteRegistryStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int TransactionMs = 11;
constexpr int NvReads = PointTables::NviTotal + PointTables::NvoTotal;
const QString Network = QStringLiteral("Demo");

// The busy windows cost nothing here; what is measured is the plug-in's own work.
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

// A private LonWorks home for the run.
struct Home
{
    Home() { qputenv("LONWORKS_HOME", dir.path().toUtf8()); }
    QString path() const { return dir.path(); }
    QTemporaryDir dir;
};

bool createDemo(lnssim::PlatformAdmin& admin)
{
    admin.createDemo();
    admin.setTransactionTime(Network, TransactionMs);
    return true;
}

// The demo network with an 11 ms channel, opened as a director opens it.
struct Platform
{
    Platform()
    {
        registry.writeValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                            registry_keys::LanguageValue, QStringLiteral("english"));
        server->open();
        connection.ServerOpen = true;
        connection.network = server->networks()->item(Network);
        connection.network->open();
        connection.system = connection.network->systems()->item(1);
        connection.system->open();
        connection.NetworkOpen = true;
        commands.fill();
    }

    std::shared_ptr<lns::AppDevice> device(const QString& subsystem, const QString& name) const
    {
        return connection.system->subsystems()->item(subsystem)->applicationDevices()->item(name);
    }

    Home home;
    lnssim::PlatformAdmin admin{home.path()};
    bool demoCreated = createDemo(admin);
    SqliteRegistryStore registry{lonworks_home::registryFile()};
    std::unique_ptr<lns::ObjectServer> server = lnssim::createObjectServer(home.path(), registry);
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
};

// The channel time of the NV reads alone: every input and output NV read once.
double nvReadSeconds(const Platform& demo)
{
    const std::shared_ptr<lns::NetworkVariables> nvs =
        demo.device(QStringLiteral("F1"), QStringLiteral("ROU_1"))->deviceInterface()->networkVariables();
    QElapsedTimer timer;
    timer.start();
    for (int position = 0; position < PointTables::NviTotal; ++position)
        nvs->item(point_catalogue::nviDefinition(position).nvIndex)->value();
    for (int position = 0; position < PointTables::NvoTotal; ++position)
        nvs->item(point_catalogue::nvoDefinition(position).nvIndex)->value();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void openOnlineDevice(benchmark::State& state, Platform& demo)
{
    MainWindow window(demo.context);
    std::shared_ptr<lns::AppDevice> device = demo.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    double total = 0;
    for (auto _ : state) {
        window.hide();
        PlugInCommand command = demo.commands.row(0);
        QElapsedTimer timer;
        timer.start();
        window.ProcessDeviceCommand(device, command);
        // Shown means painted once.
        QApplication::processEvents();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!window.isVisible())
            state.SkipWithError("the window did not open");
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const double opening = total / static_cast<double>(state.iterations());
    const double channel = NvReads * TransactionMs / 1000.0;
    const double measuredReads = nvReadSeconds(demo);
    state.counters["nv_reads_ms"] = channel * 1000.0;
    state.counters["nv_reads_measured_ms"] = measuredReads * 1000.0;
    state.counters["ratio"] = opening / channel;
    state.counters["ratio_measured"] = opening / measuredReads;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Platform demo;
    benchmark::RegisterBenchmark("BM_OpenOnlineDevice",
                                 [&demo](benchmark::State& state) { openOnlineDevice(state, demo); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
