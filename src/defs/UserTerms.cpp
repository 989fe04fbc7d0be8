// The registry of defined units: chunks that never move, published by a count.

#include "defs/UserTerms.h"

#include <qelunits/Dimension.h>

#include <array>
#include <atomic>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace qelunits_detail {
namespace {

constexpr std::size_t kChunk = 256;
constexpr std::size_t kChunks = kMaxUserTerms / kChunk;

using TermKey = std::tuple<std::string, std::string, std::string, double, double, double, int>;

TermKey keyOf(const Term& term) {
    return {term.symbol,
            term.name,
            std::string(std::begin(term.exponents), std::end(term.exponents)),
            term.value.factor,
            term.value.numerator,
            term.value.denominator,
            term.value.pi};
}

struct Registry {
    std::mutex lock;
    std::array<std::atomic<Term*>, kChunks> chunks{};
    std::array<std::unique_ptr<Term[]>, kChunks> owned; // under lock
    std::atomic<std::size_t> count{0};
    std::map<TermKey, std::uint16_t> known;                    // under lock
    std::string dimensionNames[qelunits::Dimension::kCount];   // under lock
    std::string dimensionSymbols[qelunits::Dimension::kCount]; // under lock
};

Registry& registry() {
    static Registry r;
    return r;
}

} // namespace

std::uint16_t registerUserTerm(Term term) {
    Registry& r = registry();
    const std::lock_guard<std::mutex> hold(r.lock);
    const TermKey key = keyOf(term);
    const auto found = r.known.find(key);
    if (found != r.known.end()) {
        return found->second;
    }
    const std::size_t index = r.count.load(std::memory_order_relaxed);
    if (index >= kMaxUserTerms) {
        return kNoTerm;
    }
    if (index % kChunk == 0) {
        r.owned[index / kChunk] = std::make_unique<Term[]>(kChunk);
        r.chunks[index / kChunk].store(r.owned[index / kChunk].get(), std::memory_order_release);
    }
    r.owned[index / kChunk][index % kChunk] = std::move(term);
    r.count.store(index + 1, std::memory_order_release); // the term is whole before its id is seen
    const auto id = static_cast<std::uint16_t>(kFirstUserTerm + index);
    r.known.emplace(key, id);
    return id;
}

const Term* userTermOf(std::uint16_t id) noexcept {
    if (id < kFirstUserTerm) {
        return nullptr;
    }
    Registry& r = registry();
    const std::size_t index = id - kFirstUserTerm;
    if (index >= r.count.load(std::memory_order_acquire)) {
        return nullptr;
    }
    return &r.chunks[index / kChunk].load(std::memory_order_acquire)[index % kChunk];
}

int addedDimension(std::string_view name, std::string_view unitSymbol) {
    Registry& r = registry();
    const std::lock_guard<std::mutex> hold(r.lock);
    for (std::size_t slot = qelunits::Dimension::kFirstAdded; slot < qelunits::Dimension::kCount; ++slot) {
        if (r.dimensionNames[slot] == name) {
            return static_cast<int>(slot);
        }
        if (r.dimensionNames[slot].empty()) {
            r.dimensionNames[slot] = std::string(name);
            r.dimensionSymbols[slot] = std::string(unitSymbol);
            return static_cast<int>(slot);
        }
    }
    return -1;
}

std::string addedDimensionSymbol(std::size_t slot) {
    Registry& r = registry();
    const std::lock_guard<std::mutex> hold(r.lock);
    return slot < qelunits::Dimension::kCount ? r.dimensionSymbols[slot] : std::string();
}

std::string addedDimensionName(std::size_t slot) {
    Registry& r = registry();
    const std::lock_guard<std::mutex> hold(r.lock);
    return slot < qelunits::Dimension::kCount ? r.dimensionNames[slot] : std::string();
}

} // namespace qelunits_detail
