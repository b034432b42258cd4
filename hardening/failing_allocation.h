#pragma once

#include <cstdint>

// Replaces the program's operator new and delete (every form that can fail)
// so that a test can make one chosen allocation fail, wherever it happens: in
// the add-in or in our host.
namespace FailingAllocation {

// The n-th allocation from now (counted from 1) fails; 0 disarms.
void failNth(std::uint64_t n);

// Where the program is, in the test's own terms (e.g. the host operation being
// answered, 0 for none); a failure records the place it happened.
void markPlace(int place);

struct Failure {
    bool happened;
    int place;
};

// Disarms and tells whether the chosen allocation was reached, and where.
Failure disarm();

// Blocks allocated through operator new and not yet given back.
std::int64_t liveBlocks();

}  // namespace FailingAllocation
