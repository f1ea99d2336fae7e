#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <string>

// A transfer to many devices is measured twice: on an 11 ms channel over 10, 100 and 1,000
// devices ("<prefix>WithChannel"), and with no channel time over 100 devices for the program's
// own cost ("<prefix>OwnCost"). run gets the state and the time per transaction.
void registerTransferRuns(const std::string& prefix,
                          const std::function<void(benchmark::State& state, int transactionMs)>& run);

// Runs what is registered, with the benchmark options of the command line.
int runBenchmarks(int argc, char** argv);
