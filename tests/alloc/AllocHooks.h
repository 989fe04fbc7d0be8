#ifndef QELUNITS_TESTS_ALLOC_ALLOCHOOKS_H
#define QELUNITS_TESTS_ALLOC_ALLOCHOOKS_H

// The test binaries that link AllocHooks.cpp replace every form of the global
// operator new and delete. Outside a measured region they only forward to
// malloc and free, so the test framework's own allocations are never seen.

#include <cstddef>
#include <cstdint>

namespace alloc_hooks {

/// What happened inside one measured region, on all threads.
struct RegionResult {
    std::size_t allocations = 0; // calls of any operator new, failed ones included
    std::int64_t liveBlocks = 0; // blocks allocated minus blocks freed
    bool failed = false;         // the armed allocation was refused
};

/// Starts counting allocations.
void beginCounting() noexcept;
/// Starts a region in which allocation number k (1 is the first) fails:
/// std::bad_alloc from the throwing forms, null from the nothrow forms.
void beginFailingAt(std::size_t k) noexcept;
/// Ends the region and reports it.
RegionResult endRegion() noexcept;

} // namespace alloc_hooks

#endif
