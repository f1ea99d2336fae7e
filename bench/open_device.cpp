// Opening an online device: the time from the director's device command to the window
// showing every value, against the floor of what the channel carried for it, from its counters
// (the NV reads, the state query and whatever else reached the device). Target ratio: at most 1.2.

#include "device/ui/MainWindow.h"
#include "host/object_server/DeviceInterface.h"
#include "support/BenchPlatform.h"
#include "support/BenchRuns.h"
#include "ui/MainControls.h"
#include "ui/StatusPanels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int TransactionMs = 11;

// The channel time of the NV reads alone: every input and output NV read once.
double nvReadSeconds(const BenchPlatform& demo)
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

void openOnlineDevice(benchmark::State& state, BenchPlatform& demo)
{
    MainWindow window(demo.context);
    std::shared_ptr<lns::AppDevice> device = demo.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    double total = 0;
    ChannelFloors floors;
    // The director shows the window before it hands the device over; the command never shows it.
    window.setVisible(true);
    for (auto _ : state) {
        PlugInCommand command = demo.commands.row(0);
        const auto before = demo.admin.channels(BenchPlatform::Network);
        QElapsedTimer timer;
        timer.start();
        window.ProcessDeviceCommand(device, command);
        // Shown means painted once.
        QApplication::processEvents();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (window.controls().PlugInStatus->panelText(1) != QStringLiteral("ROU_1"))
            state.SkipWithError("the device was not opened");
        state.SetIterationTime(seconds);
        total += seconds;
        floors.sumNs += ChannelFloors::between(before, demo.admin.channels(BenchPlatform::Network)).sumNs;
    }
    const double opening = total / static_cast<double>(state.iterations());
    const double channel = floors.sumSeconds() / static_cast<double>(state.iterations());
    const double measuredReads = nvReadSeconds(demo);
    state.counters["channel_floor_ms"] = channel * 1000.0;
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
    BenchPlatform demo(TransactionMs);
    benchmark::RegisterBenchmark("BM_OpenOnlineDevice",
                                 [&demo](benchmark::State& state) { openOnlineDevice(state, demo); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(benchSize(5, 1));
    return runBenchmarks(argc, argv);
}
