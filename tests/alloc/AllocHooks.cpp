#include "AllocHooks.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

enum Mode : int { kOff, kCounting, kFailing };

std::atomic<int> gMode{kOff};
std::atomic<std::size_t> gAllocations{0};
std::atomic<std::size_t> gFrees{0};
std::atomic<std::size_t> gFailAt{0};
std::atomic<bool> gFailed{false};

// True when this allocation is to be refused.
bool recordAllocation() noexcept {
    const int mode = gMode.load(std::memory_order_acquire);
    if (mode == kOff) {
        return false;
    }
    const std::size_t n = gAllocations.fetch_add(1, std::memory_order_relaxed) + 1;
    if (mode == kFailing && n == gFailAt.load(std::memory_order_relaxed)) {
        gFailed.store(true, std::memory_order_relaxed);
        return true;
    }
    return false;
}

void recordFree(void* p) noexcept {
    if (p != nullptr && gMode.load(std::memory_order_acquire) != kOff) {
        gFrees.fetch_add(1, std::memory_order_relaxed);
    }
}

void* allocate(std::size_t size, std::size_t alignment) noexcept {
    if (recordAllocation()) {
        return nullptr;
    }
    if (size == 0) {
        size = 1;
    }
    if (alignment <= alignof(std::max_align_t)) {
        return std::malloc(size);
    }
    void* p = nullptr;
    return posix_memalign(&p, alignment, size) == 0 ? p : nullptr;
}

void* allocateOrThrow(std::size_t size, std::size_t alignment) {
    void* p = allocate(size, alignment);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    return p;
}

void release(void* p) noexcept {
    recordFree(p);
    std::free(p);
}

void begin(int mode, std::size_t failAt) noexcept {
    gAllocations.store(0, std::memory_order_relaxed);
    gFrees.store(0, std::memory_order_relaxed);
    gFailed.store(false, std::memory_order_relaxed);
    gFailAt.store(failAt, std::memory_order_relaxed);
    gMode.store(mode, std::memory_order_release);
}

constexpr std::size_t kPlain = alignof(std::max_align_t);

} // namespace

namespace alloc_hooks {

void beginCounting() noexcept { begin(kCounting, 0); }

void beginFailingAt(std::size_t k) noexcept { begin(kFailing, k); }

RegionResult endRegion() noexcept {
    gMode.store(kOff, std::memory_order_release);
    RegionResult r;
    r.allocations = gAllocations.load(std::memory_order_relaxed);
    r.liveBlocks =
        static_cast<std::int64_t>(r.allocations) - static_cast<std::int64_t>(gFrees.load(std::memory_order_relaxed));
    r.failed = gFailed.load(std::memory_order_relaxed);
    if (r.failed) {
        --r.liveBlocks; // the refused allocation made no block
    }
    return r;
}

} // namespace alloc_hooks

// NOLINTBEGIN(misc-new-delete-overloads)
using Size = std::size_t;
using Align = std::align_val_t;
using NoThrow = const std::nothrow_t&;
void* operator new(Size size) { return allocateOrThrow(size, kPlain); }
void* operator new[](Size size) { return allocateOrThrow(size, kPlain); }
void* operator new(Size size, Align al) { return allocateOrThrow(size, static_cast<Size>(al)); }
void* operator new[](Size size, Align al) { return allocateOrThrow(size, static_cast<Size>(al)); }
void* operator new(Size size, NoThrow /*tag*/) noexcept { return allocate(size, kPlain); }
void* operator new[](Size size, NoThrow /*tag*/) noexcept { return allocate(size, kPlain); }
void* operator new(Size size, Align al, NoThrow /*tag*/) noexcept { return allocate(size, static_cast<Size>(al)); }
void* operator new[](Size size, Align al, NoThrow /*tag*/) noexcept { return allocate(size, static_cast<Size>(al)); }

void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, Size /*size*/) noexcept { release(p); }
void operator delete[](void* p, Size /*size*/) noexcept { release(p); }
void operator delete(void* p, Align /*al*/) noexcept { release(p); }
void operator delete[](void* p, Align /*al*/) noexcept { release(p); }
void operator delete(void* p, Size /*size*/, Align /*al*/) noexcept { release(p); }
void operator delete[](void* p, Size /*size*/, Align /*al*/) noexcept { release(p); }
void operator delete(void* p, NoThrow /*tag*/) noexcept { release(p); }
void operator delete[](void* p, NoThrow /*tag*/) noexcept { release(p); }
void operator delete(void* p, Align /*al*/, NoThrow /*tag*/) noexcept { release(p); }
void operator delete[](void* p, Align /*al*/, NoThrow /*tag*/) noexcept { release(p); }
// NOLINTEND(misc-new-delete-overloads)
