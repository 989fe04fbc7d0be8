#include "AllocHooks.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> gOn{false};
std::atomic<std::size_t> gAllocations{0};
std::atomic<std::size_t> gFrees{0};
std::atomic<std::size_t> gFailAt{0}; // 0 while only counting

constexpr std::size_t kPlain = alignof(std::max_align_t);

void* allocate(std::size_t size, std::size_t alignment) noexcept {
    const bool refused =
        gOn.load(std::memory_order_acquire) &&
        gAllocations.fetch_add(1, std::memory_order_relaxed) + 1 == gFailAt.load(std::memory_order_relaxed);
    void* p = nullptr;
    return !refused && posix_memalign(&p, std::max(alignment, kPlain), size == 0 ? 1 : size) == 0 ? p : nullptr;
}

void* allocateOrThrow(std::size_t size, std::size_t alignment) {
    void* p = allocate(size, alignment);
    return p != nullptr ? p : throw std::bad_alloc();
}

void release(void* p) noexcept {
    if (p != nullptr && gOn.load(std::memory_order_acquire)) {
        gFrees.fetch_add(1, std::memory_order_relaxed);
    }
    std::free(p);
}

} // namespace

namespace alloc_hooks {

void beginCounting() noexcept { beginFailingAt(0); }

void beginFailingAt(std::size_t k) noexcept {
    gAllocations.store(0, std::memory_order_relaxed);
    gFrees.store(0, std::memory_order_relaxed);
    gFailAt.store(k, std::memory_order_relaxed);
    gOn.store(true, std::memory_order_release);
}

RegionResult endRegion() noexcept {
    gOn.store(false, std::memory_order_release);
    RegionResult r;
    r.allocations = gAllocations.load(std::memory_order_relaxed);
    const std::size_t failAt = gFailAt.load(std::memory_order_relaxed);
    r.failed = failAt != 0 && r.allocations >= failAt;
    // The refused allocation made no block.
    r.liveBlocks = static_cast<std::int64_t>(r.allocations - (r.failed ? 1 : 0)) -
                   static_cast<std::int64_t>(gFrees.load(std::memory_order_relaxed));
    return r;
}

} // namespace alloc_hooks

// Every form is replaced, though libstdc++ alone forwards the array, nothrow and sized forms to the plain
// ones: the sanitizers' runtimes and valgrind replace each form on their own, so a form left out would
// escape the count there and free through the wrong allocator under AddressSanitizer.
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
