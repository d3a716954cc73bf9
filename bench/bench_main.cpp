// Runs the benchmarks and then reads each figure against the two baselines measured in the
// same run, so the figures compare across machines as ratios.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <iomanip>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

class RatioReporter final : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the median stands for the benchmark.
            const bool usable = run.run_type == Run::RT_Iteration || run.aggregate_name == "median";
            if (usable && !run.error_occurred) {
                const std::string name = run.run_name.str();
                if (m_order.count(name) == 0) {
                    m_order[name] = m_order.size();
                }
                m_cpuNs[name] = run.GetAdjustedCPUTime() * 1e9 /
                                benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }

    void Finalize() override {
        const double name = Baseline("BaselineCopyName");
        const double image = Baseline("BaselineFillImage");
        std::vector<std::string> names(m_order.size());
        for (const auto& [n, i] : m_order) {
            names[i] = n;
        }
        std::ostream& out = GetOutputStream();
        out << "\n"
            << std::left << std::setw(24) << "benchmark" << std::right << std::setw(14) << "CPU ns"
            << std::setw(18) << "x copy a name" << std::setw(18) << "x fill an image"
            << "\n";
        for (const std::string& n : names) {
            const double ns = m_cpuNs[n];
            out << std::left << std::setw(24) << n << std::right << std::fixed
                << std::setprecision(1) << std::setw(14) << ns << std::setw(18) << Ratio(ns, name)
                << std::setw(18) << Ratio(ns, image) << "\n";
        }
    }

private:
    double Baseline(const std::string& n) const {
        const auto it = m_cpuNs.find(n);
        return it == m_cpuNs.end() ? 0.0 : it->second;
    }

    static std::string Ratio(double ns, double baseline) {
        if (baseline <= 0.0) {
            return "-";
        }
        std::ostringstream s;
        const double ratio = ns / baseline;
        if (ratio < 10) {
            s << std::setprecision(3) << ratio;
        } else {
            s << std::fixed << std::setprecision(0) << ratio;
        }
        return s.str();
    }

    std::map<std::string, std::size_t> m_order;
    std::map<std::string, double> m_cpuNs;
};

}  // namespace

int main(int argc, char** argv) {
    // Text drawing needs a font database, hence an application, but never a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
