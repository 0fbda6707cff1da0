// The main of the benchmarks that make windows: Qt's application, then the
// benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv)
{
    // No display needed, and the same platform on every machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
