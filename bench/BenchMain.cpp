// Runs every registered benchmark and prints each figure as a ratio against
// its floor. Exit code 1 when a figure misses its budget.
#include "Bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <map>

namespace trelvan::bench {
namespace {

std::map<std::string, FigureFunction>& registry() {
    static std::map<std::string, FigureFunction> benchmarks;
    return benchmarks;
}

std::map<std::string, ChildFunction>& children() {
    static std::map<std::string, ChildFunction> modes;
    return modes;
}

} // namespace

bool registerChild(const char* name, ChildFunction function) {
    children()[name] = std::move(function);
    return true;
}

bool registerBenchmark(const char* name, FigureFunction function) {
    registry()[name] = std::move(function);
    return true;
}

double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace trelvan::bench

int main(int argc, char** argv) {
    using namespace trelvan::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TRELVAN_AUDIO_SINK"))
        qputenv("TRELVAN_AUDIO_SINK", "fakesink sync=true");
    QApplication application(argc, argv);
    if (argc > 2 && std::string(argv[1]) == "--child") {
        const auto child = children().find(argv[2]);
        return child == children().end() ? 2 : child->second(application.arguments().mid(3));
    }
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    int missed = 0;
    std::printf("%-58s %12s %12s %8s %8s\n", "figure", "measured", "floor", "ratio", "budget");
    for (const auto& [name, function] : registry()) {
        if (!only.isEmpty() && !QString::fromStdString(name).contains(only))
            continue;
        for (const Figure& f : function()) {
            double ratio = 0;
            if (f.floor > 0 && f.measured > 0)
                ratio = f.higherIsBetter ? f.floor / f.measured : f.measured / f.floor;
            bool ok = true;
            if (f.budget > 0 && ratio > f.budget)
                ok = false;
            if (f.absoluteLimit > 0 && f.measured > f.absoluteLimit)
                ok = false;
            missed += ok ? 0 : 1;
            const QString budget = f.absoluteLimit > 0
                                       ? QStringLiteral("<=%1").arg(f.absoluteLimit)
                                       : (f.budget > 0 ? QStringLiteral("<=%1x").arg(f.budget)
                                                       : QStringLiteral("report"));
            std::printf("%-58s %9.2f %-2s %9.2f %-2s %7.2fx %8s %s\n", qPrintable(f.name),
                        f.measured, qPrintable(f.unit), f.floor, qPrintable(f.unit), ratio,
                        qPrintable(budget), ok ? "" : "MISSED");
            if (!f.note.isEmpty())
                std::printf("    %s\n", qPrintable(f.note));
        }
    }
    return missed == 0 ? 0 : 1;
}
