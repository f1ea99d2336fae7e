#include "support/BenchRuns.h"

void registerTransferRuns(const std::string& prefix,
                          const std::function<void(benchmark::State& state, int transactionMs)>& run)
{
    benchmark::RegisterBenchmark((prefix + "WithChannel").c_str(),
                                 [run](benchmark::State& state) { run(state, 11); })
        ->Arg(10)
        ->Arg(100)
        ->Arg(1000)
        ->UseManualTime()
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark((prefix + "OwnCost").c_str(),
                                 [run](benchmark::State& state) { run(state, 0); })
        ->Arg(100)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
}

int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
