#pragma once

// A tiny benchmark registry. Each figure measures the program's operation and
// a floor (the bare cost of the same work) in the same run, and reports the
// ratio against its budget, so the figures mean the same on any machine.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace trelvan::bench {

struct Figure {
    QString name;
    double measured = 0; // the program's operation
    double floor = 0;    // the bare work, same unit
    QString unit;        // "ms", "MB/s", "MB"
    double budget = 0;   // highest allowed ratio measured / floor (0 = report only)
    QString note;        // how it was measured, or why it is reported only
    // For throughput figures a higher value is better: ratio = floor / measured.
    bool higherIsBetter = false;
    // An absolute limit instead of a ratio (e.g. memory), 0 = none.
    double absoluteLimit = 0;
};

using FigureFunction = std::function<std::vector<Figure>()>;

// Registers a benchmark; use the TRELVAN_BENCH macro.
bool registerBenchmark(const char* name, FigureFunction function);

// A mode of the benchmark program run in a child process
// (`trelvan-bench --child NAME ARGS...`), for figures that time a whole start.
using ChildFunction = std::function<int(const QStringList& arguments)>;
bool registerChild(const char* name, ChildFunction function);

// Median of `runs` timings in milliseconds of `work`.
double medianMs(int runs, const std::function<void()>& work);

} // namespace trelvan::bench

#define TRELVAN_BENCH_CONCAT2(a, b) a##b
#define TRELVAN_BENCH_CONCAT(a, b) TRELVAN_BENCH_CONCAT2(a, b)
#define TRELVAN_BENCH_CHILD(name, function)                                                        \
    static const bool TRELVAN_BENCH_CONCAT(benchChild, __LINE__) =                                 \
        ::trelvan::bench::registerChild(name, function)
#define TRELVAN_BENCH(name, function)                                                              \
    static const bool TRELVAN_BENCH_CONCAT(benchRegistered, __LINE__) =                            \
        ::trelvan::bench::registerBenchmark(name, function)
