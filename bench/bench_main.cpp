// kubrel-bench: the editor's hot paths, each beside the baseline it is judged
// against (bench/report.py pairs them and prints the ratios).

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // The repaint benchmarks need a window but no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
