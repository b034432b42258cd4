#include "bench/comparisons.h"

std::vector<Comparison> allComparisons() {
    std::vector<Comparison> all = worksheetComparisons();
    for (std::vector<Comparison> group : {solverComparisons(), fluidComparisons()}) {
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}
