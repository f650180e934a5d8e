// The benchmark program: a Qt application on the offscreen platform (unless another is set),
// the benchmarks, and at the end the speed-up of every fast figure against its reference.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "render/Board_Drawing.h"

namespace {

// Prints as usual and keeps the medians, so that each "/fast" figure can be set against its
// "/reference" twin.
class Speed_Up_Reporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                Medians[run.run_name.str()] = run.GetAdjustedRealTime();
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, fast] : Medians) {
            const std::string::size_type at = name.find("/fast");
            if (at == std::string::npos) {
                continue;
            }
            std::string twin = name;
            twin.replace(at, 5, "/reference");
            const auto ref = Medians.find(twin);
            if (ref != Medians.end() && fast > 0) {
                std::cout << "speed-up " << name.substr(0, at) << ": " << ref->second / fast
                          << " x (median " << fast << " against " << ref->second << ", "
                          << benchmark::GetTimeUnitString(Unit) << ")\n";
            }
        }
    }
    benchmark::TimeUnit Unit = benchmark::kMillisecond;

  private:
    std::map<std::string, double> Medians;
};

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    Install_Font_Substitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    Speed_Up_Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
