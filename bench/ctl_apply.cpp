// Applying a saved parameter set to many devices as zep31ctl apply does, device after device
// (a set per device) with the transfer's retries: the time of the run against the floor of what
// the channels carried for it, from their counters (packets and a latency per transaction, summed
// since the devices are written one after another). Target: at most 1.05, flat from 10 to 1,000
// devices. A second run without channel time gives the tool's own cost per CP written.

#include "device/point_catalogue/PointTables.h"
#include "files/DeviceParameters.h"
#include "host/CRegistry.h"
#include "host/Log.h"
#include "host/StepRunner.h"
#include "host/object_server/DeviceInterface.h"
#include "support/BenchPlatform.h"
#include "support/BenchRuns.h"
#include "transfer/ParameterSetWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int WrittenCps = syncedCps();

class NoLog final : public Log
{
public:
    void addInformation(const QString&) override {}
    void addError(const QString&) override {}
    void clear() override {}
    bool save() override { return false; }
    bool saveAs() override { return false; }
    const QList<Entry>& entries() const override { return m_none; }

private:
    QList<Entry> m_none;
};

void apply(benchmark::State& state, int transactionMs)
{
    const int count = static_cast<int>(state.range(0));
    BenchPlatform platform(transactionMs);
    const std::shared_ptr<lns::AppDevice> source =
        platform.device(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    platform.admin.addSubsystem(BenchPlatform::Network, QStringLiteral("Bench"));
    std::vector<std::shared_ptr<lns::AppDevice>> targets;
    for (int n = 1; n <= count; ++n) {
        const QString name = QStringLiteral("B_%1").arg(n);
        platform.admin.addDevice(BenchPlatform::Network, QStringLiteral("Bench"), name, QString(),
                                 source->programId());
        targets.push_back(platform.device(QStringLiteral("Bench"), name));
    }
    platform.points.fillCpTable();
    platform.settings.refreshIfStale(CRegistry(platform.registry));
    StepRunner steps([](const lns::Error&) { return UiServices::Answer::Abort; });
    const std::optional<ParameterSet> set =
        readDeviceParameters(platform.points, *source, source->deviceInterface()->networkVariables(), steps);
    if (!set) {
        state.SkipWithError("ROU_1 could not be read");
        return;
    }

    NoLog log;
    double total = 0;
    ChannelFloors floors;
    for (auto _ : state) {
        const auto before = platform.admin.channels(BenchPlatform::Network);
        ParameterSetWriter writer(platform.points, platform.catalogue, log, platform.connection.system, *set,
                                  platform.settings.decimalSeparator, {});
        QElapsedTimer timer;
        timer.start();
        for (const std::shared_ptr<lns::AppDevice>& target : targets)
            if (writer.write(target).status != ParameterSetWriter::Status::Written)
                state.SkipWithError("a device failed");
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        total += seconds;
        floors.sumNs += ChannelFloors::between(before, platform.admin.channels(BenchPlatform::Network)).sumNs;
    }
    const double perRun = total / static_cast<double>(state.iterations());
    if (transactionMs > 0) {
        state.counters["ratio_channel"] =
            perRun / (floors.sumSeconds() / static_cast<double>(state.iterations()));
        state.counters["per_device_ms"] = perRun * 1000.0 / count;
    } else {
        state.counters["per_cp_ms"] = perRun * 1000.0 / (count * WrittenCps);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    registerTransferRuns("BM_Apply", apply);
    return runBenchmarks(argc, argv);
}
