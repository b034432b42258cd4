#include "bench/comparisons.h"

std::vector<Comparison> allComparisons() {
    std::vector<Comparison> all = fluidComparisons();
    return all;
}
