#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/call_counter.h"
#include "bench/comparisons.h"

// Prints, per operation, the pow and exp calls one call makes on average over
// its benchmark input set, on the reference and on the fused path, with the
// number of distinct arguments among the reference's calls: computing each
// distinct power once per call is the floor of what sharing can reach.
// Fails if the fused path makes more calls than the reference on any input.
// With --each, the counts of every input follow (after) its operation's row.
namespace {

struct Counts {
    double pow = 0.0;
    double exp = 0.0;
    double distinctPow = 0.0;
    double distinctExp = 0.0;

    Counts& operator+=(const Counts& other) {
        pow += other.pow;
        exp += other.exp;
        distinctPow += other.distinctPow;
        distinctExp += other.distinctExp;
        return *this;
    }
};

template <class T>
double distinct(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return static_cast<double>(std::unique(values.begin(), values.end()) - values.begin());
}

Counts countCalls(const Inputs& in, Evaluation evaluate) {
    startRecording();
    evaluate(in);
    const CallRecord r = stopRecording();
    return {static_cast<double>(r.pow.size()), static_cast<double>(r.exp.size()),
            distinct(r.pow), distinct(r.exp)};
}

}  // namespace

int main(int argc, char** argv) {
    const bool each = argc > 1 && std::strcmp(argv[1], "--each") == 0;
    bool neverMore = true;
    std::printf("call-counts: pow and exp calls per call, mean over each input set\n\n");
    std::printf("| operation | pow reference | pow fused | pow distinct | exp reference | "
                "exp fused | exp distinct |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    for (const Comparison& c : allComparisons()) {
        Counts ref;
        Counts fast;
        std::string rows;
        for (const Inputs& in : c.inputs) {
            const Counts r = countCalls(in, c.reference);
            const Counts f = countCalls(in, c.fused);
            if (f.pow > r.pow || f.exp > r.exp) {
                std::fprintf(stderr,
                             "call-counts: %s(%.17g, %.17g) makes %.0f pow and %.0f exp calls on "
                             "the fused path, %.0f and %.0f on the reference; the fused path must "
                             "share calls, never add them\n",
                             c.name.c_str(), in.a, in.b, f.pow, f.exp, r.pow, r.exp);
                neverMore = false;
            }
            ref += r;
            fast += f;
            if (each) {
                char row[200];
                std::snprintf(row, sizeof row, "|   (%.17g, %.17g) | %.0f | %.0f | %.0f | %.0f | %.0f | %.0f |\n",
                              in.a, in.b, r.pow, f.pow, r.distinctPow, r.exp, f.exp, r.distinctExp);
                rows += row;
            }
        }
        const auto n = static_cast<double>(c.inputs.size());
        std::printf("| %s | %.0f | %.0f | %.0f | %.0f | %.0f | %.0f |\n", c.name.c_str(),
                    ref.pow / n, fast.pow / n, ref.distinctPow / n, ref.exp / n, fast.exp / n,
                    ref.distinctExp / n);
        std::fputs(rows.c_str(), stdout);
        std::fflush(stdout);
    }
    return neverMore ? 0 : 1;
}
