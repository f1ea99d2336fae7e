#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <string>

// A smoke run (ZEP31_BENCH_SMOKE set, as the test suite runs every benchmark) takes the smallest
// argument and a small network, so a broken benchmark fails the build's tests in seconds. Its
// figures mean nothing.
bool smokeRun();
// Full size normally, the small size in a smoke run.
int benchSize(int full, int smoke);

// A transfer to many devices is measured twice: on an 11 ms channel over 10, 100 and 1,000
// devices ("<prefix>WithChannel"), and with no channel time over 100 devices for the program's
// own cost ("<prefix>OwnCost"). run gets the state and the time per transaction.
void registerTransferRuns(const std::string& prefix,
                          const std::function<void(benchmark::State& state, int transactionMs)>& run);

// Runs what is registered, with the benchmark options of the command line. Ends non-zero when a
// benchmark reported an error or nothing ran, so a broken benchmark is not mistaken for a figure.
int runBenchmarks(int argc, char** argv);
