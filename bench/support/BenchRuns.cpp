#include "support/BenchRuns.h"

#include <QtGlobal>
#include <cstdio>
#include <vector>

namespace {

// The console output as usual, and a note of every run that ended in an error.
class CheckingReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            ++m_runs;
            if (run.error_occurred)
                ++m_errors;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    int runs() const { return m_runs; }
    int errors() const { return m_errors; }

private:
    int m_runs = 0;
    int m_errors = 0;
};

} // namespace

bool smokeRun()
{
    return !qEnvironmentVariableIsEmpty("ZEP31_BENCH_SMOKE");
}

int benchSize(int full, int smoke)
{
    return smokeRun() ? smoke : full;
}

void registerTransferRuns(const std::string& prefix,
                          const std::function<void(benchmark::State& state, int transactionMs)>& run)
{
    benchmark::internal::Benchmark* withChannel =
        benchmark::RegisterBenchmark((prefix + "WithChannel").c_str(),
                                     [run](benchmark::State& state) { run(state, 11); })
            ->Arg(10)
            ->UseManualTime()
            ->Unit(benchmark::kSecond)
            ->Iterations(1);
    if (!smokeRun())
        withChannel->Arg(100)->Arg(1000);
    benchmark::RegisterBenchmark((prefix + "OwnCost").c_str(),
                                 [run](benchmark::State& state) { run(state, 0); })
        ->Arg(benchSize(100, 10))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(benchSize(3, 1));
}

int runBenchmarks(int argc, char** argv)
{
    // A smoke run measures nothing, so every benchmark without a fixed count runs only briefly.
    std::vector<char*> arguments(argv, argv + argc);
    char smokeTime[] = "--benchmark_min_time=0.001";
    if (smokeRun())
        arguments.push_back(smokeTime);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    CheckingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.runs() == 0) {
        std::fputs("No benchmark ran.\n", stderr);
        return 1;
    }
    if (reporter.errors() > 0) {
        std::fprintf(stderr, "%d benchmark run(s) failed.\n", reporter.errors());
        return 1;
    }
    return 0;
}
