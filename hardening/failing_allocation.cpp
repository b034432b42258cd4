#include "hardening/failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {

std::uint64_t countdown = 0;
int currentPlace = 0;
FailingAllocation::Failure failure{false, 0};
std::int64_t live = 0;

void* allocate(std::size_t size) noexcept {
    if (countdown != 0 && --countdown == 0) {
        failure = {true, currentPlace};
        return nullptr;
    }
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr) {
        ++live;
    }
    return block;
}

void release(void* block) noexcept {
    if (block != nullptr) {
        --live;
        std::free(block);
    }
}

}  // namespace

namespace FailingAllocation {

void failNth(std::uint64_t n) {
    countdown = n;
    failure = {false, 0};
}

void markPlace(int place) { currentPlace = place; }

Failure disarm() {
    countdown = 0;
    return failure;
}

std::int64_t liveBlocks() { return live; }

}  // namespace FailingAllocation

// NOLINTBEGIN(misc-new-delete-overloads)
void* operator new(std::size_t size) {
    void* block = allocate(size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}
void* operator new[](std::size_t size) {
    void* block = allocate(size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}
void* operator new(std::size_t size, const std::nothrow_t& /*tag*/) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t& /*tag*/) noexcept { return allocate(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t /*size*/) noexcept { release(block); }
void operator delete[](void* block, std::size_t /*size*/) noexcept { release(block); }
void operator delete(void* block, const std::nothrow_t& /*tag*/) noexcept { release(block); }
void operator delete[](void* block, const std::nothrow_t& /*tag*/) noexcept { release(block); }
// NOLINTEND(misc-new-delete-overloads)
