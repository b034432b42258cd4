#pragma once

#include <string>
#include <vector>

// One operation measured on both evaluation paths over a fixed input set.
// Each input is up to two doubles (the unused one is 0); the unit system, where
// the operation takes one, is fixed per comparison.
struct Inputs {
    double a;
    double b;
};

using Evaluation = double (*)(const Inputs&);

struct Comparison {
    std::string name;
    std::vector<Inputs> inputs;
    Evaluation reference;
    Evaluation fused;
};

// Every comparison, in the order of the report, and the groups it is made of.
std::vector<Comparison> allComparisons();
std::vector<Comparison> fluidComparisons();
std::vector<Comparison> solverComparisons();
std::vector<Comparison> worksheetComparisons();
