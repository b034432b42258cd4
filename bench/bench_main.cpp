#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "bench/comparisons.h"
#include "tests/same_double.h"

// Reference against fused path, one benchmark per operation and path, each
// iteration one pass over the operation's fixed input set. After the console
// output comes a table of CPU ns per call and the ratio reference / fused:
// on a shared machine the ratio is the figure, and CPU time is steadier than
// wall time when other jobs take the cores.
namespace {

constexpr const char* referencePrefix = "reference/";
constexpr const char* fusedPrefix = "fused/";

class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::vector<std::string> order, OutputOptions options)
        : ConsoleReporter(options), order_(std::move(order)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the median stands for the operation.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median)) {
                continue;
            }
            if (!median && medianSeen_.contains(run.run_name.function_name)) {
                continue;
            }
            if (median) {
                medianSeen_.insert(run.run_name.function_name);
            }
            const auto calls = run.counters.find("calls");
            if (calls == run.counters.end()) {
                continue;
            }
            const double ns = run.GetAdjustedCPUTime() /
                              benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            nsPerCall_[run.run_name.function_name] = ns / calls->second.value;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n| operation | reference ns/call | fused ns/call | ratio |\n");
        std::printf("|---|---:|---:|---:|\n");
        for (const std::string& name : order_) {
            const auto ref = nsPerCall_.find(referencePrefix + name);
            const auto fast = nsPerCall_.find(fusedPrefix + name);
            if (ref == nsPerCall_.end() || fast == nsPerCall_.end()) {
                continue;
            }
            std::printf("| %s | %.0f | %.0f | %.2f |\n", name.c_str(), ref->second, fast->second,
                        ref->second / fast->second);
        }
    }

private:
    std::vector<std::string> order_;
    std::map<std::string, double> nsPerCall_;
    std::set<std::string> medianSeen_;
};

std::vector<Comparison> comparisons;

// Argument 0 picks the comparison, argument 1 the path (0 reference, 1 fused).
void measure(benchmark::State& state) {
    const Comparison& c = comparisons[static_cast<std::size_t>(state.range(0))];
    const Evaluation evaluate = state.range(1) == 0 ? c.reference : c.fused;
    while (state.KeepRunning()) {
        for (const Inputs& in : c.inputs) {
            benchmark::DoNotOptimize(evaluate(in));
        }
    }
    state.counters["calls"] = static_cast<double>(c.inputs.size());
}

// A ratio means nothing if the two paths do not compute the same numbers.
bool pathsAgree(const std::vector<Comparison>& comparisons) {
    bool agree = true;
    for (const Comparison& c : comparisons) {
        for (const Inputs& in : c.inputs) {
            const double ref = c.reference(in);
            const double fast = c.fused(in);
            if (!sameDouble(ref, fast)) {
                std::fprintf(stderr, "bench: %s(%.17g, %.17g): reference %.17g, fused %.17g\n",
                             c.name.c_str(), in.a, in.b, ref, fast);
                agree = false;
            }
        }
    }
    return agree;
}

}  // namespace

int main(int argc, char** argv) {
    comparisons = allComparisons();
    std::printf("bench: checking that both paths agree on every input\n");
    if (!pathsAgree(comparisons)) {
        std::fprintf(stderr,
                     "bench: the fused path differs from the reference on the inputs above; "
                     "fix the fused path before measuring it\n");
        return 1;
    }
    std::vector<std::string> order;
    for (std::size_t i = 0; i < comparisons.size(); ++i) {
        const std::string& name = comparisons[i].name;
        const auto index = static_cast<std::int64_t>(i);
        order.push_back(name);
        benchmark::RegisterBenchmark((referencePrefix + name).c_str(), measure)->Args({index, 0});
        benchmark::RegisterBenchmark((fusedPrefix + name).c_str(), measure)->Args({index, 1});
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter(order, isatty(fileno(stdout)) != 0 ? RatioReporter::OO_ColorTabular
                                                              : RatioReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
