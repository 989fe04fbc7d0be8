#include "unittype/Conversion.h"
#include "unittype/Dimensions.h"

#include "catalog/Catalog.h"
#include "catalog/TypeTable.h"
#include "catalog/UnitTable.h"
#include "factors/DirectFactors.h"
#include "unittype/FactorList.h"
#include "unittype/Substitution.h"
#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitType.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace qelunits_detail {
namespace {

/// Entries of a type kept inline: the fast path takes types of up to this size.
constexpr std::uint32_t kSmallCapacity = 8;

/// The reduction of a type over the ten base dimensions, as the merge of the
/// algebra builds it: an absent dimension is added even with power 0; a
/// present one sums, and leaves when the sum is 0.
struct DimensionSlots {
    std::uint32_t present = 0;
    std::int32_t power[kBaseDimensionCount] = {};

    void add(int k, std::int32_t p) noexcept {
        const std::uint32_t bit = 1U << k;
        if ((present & bit) == 0) {
            present |= bit;
            power[k] = p;
            return;
        }
        power[k] = wrapAdd(power[k], p);
        if (power[k] == 0) {
            present &= ~bit;
        }
    }

    explicit DimensionSlots(const QelUnitType& type) noexcept {
        for (const QelUnitFactor& f : type) {
            const UnitDimensions& d = kDimensions.unit[f.unit];
            for (int n = 0; n < d.count; ++n) {
                add(d.dimension[n], wrapMul(d.exponent[n], f.power));
            }
        }
    }

    bool operator==(const DimensionSlots& other) const noexcept {
        if (present != other.present) {
            return false;
        }
        for (int k = 0; k < kBaseDimensionCount; ++k) {
            if (power[k] != other.power[k]) {
                return false;
            }
        }
        return true;
    }
};

/// pow(x, p), rounded once. pow(x, 1) is x, pow(x, 0) is 1, and pow(x, -1)
/// rounded once is 1 / x: those skip the call. The division is also the more
/// exact: the C library's pow is one unit in the last place off for two of the
/// direct factors (hectare to square foot, square inch to square decimeter).
double raise(double x, std::int32_t p) noexcept {
    switch (p) {
    case 1:
        return x;
    case 0:
        return 1.0;
    case -1:
        return 1.0 / x;
    default:
        return std::pow(x, static_cast<double>(p));
    }
}

/// Multiplies factor by the reduction factor of unit^power (nothing for a base unit).
inline void accumulateReduction(ConversionFactor& factor, std::int32_t unit, std::int32_t power) noexcept {
    const UnitRecord& record = kUnitTable[unit];
    if (!record.isBaseUnit) {
        factor *= ConversionFactor(raise(record.factor, power));
    }
}

/// Calls visit(unit, power) for the entries of a / b in unit order, walking both lists without building the
/// quotient: a unit of one side with its power (0 included), a unit of both with the difference unless it is 0.
template <class List, class Visit>
void forEachQuotientEntry(const List& a, const List& b, Visit visit) noexcept {
    std::uint32_t i = a.first();
    std::uint32_t j = b.first();
    const std::uint32_t na = a.end();
    const std::uint32_t nb = b.end();
    while (i < na || j < nb) {
        if (j == nb || (i < na && a[i].unit < b[j].unit)) {
            visit(a[i].unit, a[i].power);
            i = a.after(i);
        } else if (i == na || b[j].unit < a[i].unit) {
            visit(b[j].unit, wrapNeg(b[j].power));
            j = b.after(j);
        } else {
            const std::int32_t power = wrapSub(a[i].power, b[j].power);
            if (power != 0) {
                visit(a[i].unit, power);
            }
            i = a.after(i);
            j = b.after(j);
        }
    }
}

/// The reduction factor of a / b.
template <class List>
ConversionFactor remainderFactor(const List& a, const List& b) noexcept {
    ConversionFactor rem;
    forEachQuotientEntry(a, b,
                         [&rem](std::int32_t unit, std::int32_t power) { accumulateReduction(rem, unit, power); });
    return rem;
}

// The bound of a conversion follows the net power of each unit alone: the units that the direct factors,
// the shortcut and substitution put in place of others are all exact rows.
constexpr bool directAndSubstitutedUnitsExact() {
    for (int u = 0; u < kUnitCount; ++u) {
        if (kDirect.slot[u].group != FactorGroup::None && kUnitTable[u].difference != 0.0) {
            return false;
        }
    }
    for (const SubstitutionRule& rule : kSubstitutionRules) {
        if (kUnitTable[rule.pattern.unit].difference != 0.0 || kUnitTable[rule.replacement.unit].difference != 0.0) {
            return false;
        }
    }
    return true;
}
static_assert(directAndSubstitutedUnitsExact(), "a rounded unit among the direct factors or substitutions");

/// Converts the units of a and b that have a direct factor, pair by pair,
/// into acc, and removes them from both lists. After a pair the next entry of
/// b is skipped when b's entry left.
template <class List>
void pairUnits(List& a, List& b, ConversionFactor& acc) noexcept {
    std::uint32_t i = a.first();
    std::uint32_t j = b.first();
    while (i < a.end() && j < b.end()) {
        const QelUnitFactor fa = a[i];
        const QelUnitFactor fb = b[j];
        const std::int32_t p = magnitude(fa.power) < magnitude(fb.power) ? fa.power : fb.power;
        const DirectEntry& entry = findDirect(fa.unit, fb.unit);
        if (entry.kind == DirectKind::None) {
            i = a.after(i);
            continue;
        }
        i = a.take(i, p);
        j = b.after(b.take(j, p));
        const double d = raise(entry.stored, p);
        if (entry.kind != DirectKind::Reverse) {
            acc *= ConversionFactor(d);
        } else {
            // Divided directly: a tiny power of a large area or volume factor is a valid divisor.
            acc.factor = acc.isIdentity ? 1.0 / d : acc.factor / d;
            acc.isIdentity = false;
        }
    }
}

/// The conversion of what is left of two compatible types once the direct
/// shortcut and substitution are done.
template <class List>
void convertLists(List& a, List& b, ConversionFactor& factor) noexcept {
    ConversionFactor acc;
    pairUnits(a, b, acc);
    // Units left on either side still convert: their dimensions cancel between the sides.
    acc *= remainderFactor(a, b);
    factor = acc;
}

/// Two one-unit types with a direct conversion take it, as the plain static calls do.
bool directShortcut(const QelUnitType& from, const QelUnitType& to, ConversionFactor& factor,
                    QelUnit::ErrorStatus& status) noexcept {
    if (from.size() != 1 || to.size() != 1 || from[0].power != 1 || to[0].power != 1) {
        return false;
    }
    const DirectEntry& entry = findDirect(from[0].unit, to[0].unit);
    if (entry.kind == DirectKind::None) {
        return false;
    }
    status = takeDirect(entry, factor);
    return true;
}

/// The conversion between two compatible types on scratch lists, which have room for substitution.
QelUnit::ErrorStatus convertCompatible(const QelUnitType& from, const QelUnitType& to,
                                       ConversionFactor& factor) noexcept {
    QelUnit::ErrorStatus status = QelUnit::Ok;
    if (directShortcut(from, to, factor, status)) {
        return status;
    }
    ScratchFactors a(from.begin(), static_cast<std::uint32_t>(from.size()));
    ScratchFactors b(to.begin(), static_cast<std::uint32_t>(to.size()));
    substituteFactors(a);
    substituteFactors(b);
    convertLists(a, b, factor);
    return QelUnit::Ok;
}

/// For each unit, how large a power magnitude the fast path takes: within the
/// bound of exact dimension keys (see DimensionKey), and below the powers that
/// substitution rewrites.
struct FastPowerTable {
    std::uint64_t limit[kUnitCount];
};

constexpr FastPowerTable makeFastPowerTable() {
    FastPowerTable table{};
    for (int u = 0; u < kUnitCount; ++u) {
        const std::int64_t belowPattern = kPatterns.smallestPower[u] - 1;
        table.limit[u] = static_cast<std::uint64_t>(belowPattern < kKeyPowerLimit ? belowPattern : kKeyPowerLimit);
    }
    return table;
}

constexpr FastPowerTable kFastPowers = makeFastPowerTable();

/// The entries of a small type on the fast path. They leave by taking power
/// 0 instead of being erased: the fast path takes no type with a power 0, so
/// a 0 marks an entry that left, and nothing moves.
class LiveFactors {
public:
    /// False when type is too large, or holds a power that the fast path does
    /// not take: 0 (the reduction keeps it as a dimension of its own), one too
    /// large for exact keys, or one that substitution rewrites.
    bool read(const QelUnitType& type) noexcept {
        const auto n = static_cast<std::uint32_t>(type.size());
        if (n > kSmallCapacity) {
            return false;
        }
        DimensionKey sum{}; // a local, so that the loop keeps it in registers
        for (std::uint32_t k = 0; k < n; ++k) {
            const QelUnitFactor f = type[k];
            if (static_cast<std::uint64_t>(magnitude(f.power)) - 1 >= kFastPowers.limit[f.unit]) {
                return false;
            }
            sum.addTimes(kDimensions.unit[f.unit].key, f.power);
            mItems[k] = f;
        }
        mSize = n;
        mKey = sum;
        return true;
    }

    const DimensionKey& key() const noexcept { return mKey; }
    const QelUnitFactor& operator[](std::uint32_t i) const noexcept { return mItems[i]; }
    std::uint32_t end() const noexcept { return mSize; }
    std::uint32_t first() const noexcept { return live(0); }
    std::uint32_t after(std::uint32_t i) const noexcept { return live(i + 1); }
    /// Divides entry i by its unit^p; returns where the walk goes on from there.
    std::uint32_t take(std::uint32_t i, std::int32_t p) noexcept {
        mItems[i].power = wrapSub(mItems[i].power, p);
        return mItems[i].power == 0 ? after(i) : i;
    }

private:
    std::uint32_t live(std::uint32_t i) const noexcept {
        while (i < mSize && mItems[i].power == 0) {
            ++i;
        }
        return i;
    }

    std::uint32_t mSize = 0;
    DimensionKey mKey{};
    QelUnitFactor mItems[kSmallCapacity];
};

/// The last conversions between pairs of small compound types, so that the same pair converts again at the cost
/// of a look-up, with the bits the algorithm gave. Each slot is a sequence lock over atomic words: a reader
/// that meets a slot being written, or another pair, computes as if it were empty.
class PairCache {
public:
    /// A small type packed into a word: up to four units of 16 bits each (9 for the unit, 7 for the power),
    /// so that two types pack alike exactly when they are equal; false for other types.
    static bool pack(const QelUnitType& type, std::uint64_t& key) noexcept {
        if (type.size() > kUnitsPerKey) {
            return false;
        }
        key = 0;
        for (std::uint32_t k = 0; k < type.size(); ++k) {
            const QelUnitFactor f = type[k];
            if (f.power < -kMaxPower || f.power > kMaxPower || f.power == 0 || !isStorableUnit(f.unit)) {
                return false;
            }
            const auto entry = static_cast<std::uint64_t>(f.unit) << 7U | (static_cast<std::uint64_t>(f.power) & 0x7FU);
            key |= entry << (16U * k);
        }
        return true;
    }

    bool find(std::uint64_t from, std::uint64_t to, QelUnit::ErrorStatus& status, ConversionFactor& factor) noexcept {
        Slot& slot = slotOf(from, to);
        const std::uint64_t before = slot.sequence.load(std::memory_order_acquire);
        // Acquire loads, not a fence (which ThreadSanitizer cannot follow): the second read of the sequence
        // stays after them, and one that sees a writer's word sees its odd sequence. Plain loads on x86.
        const std::uint64_t f = slot.from.load(std::memory_order_acquire);
        const std::uint64_t t = slot.to.load(std::memory_order_acquire);
        const std::uint64_t value = slot.value.load(std::memory_order_acquire);
        const std::uint32_t state = slot.state.load(std::memory_order_acquire);
        if ((before & 1U) != 0 || slot.sequence.load(std::memory_order_relaxed) != before || f != from || t != to ||
            state == kEmpty) {
            return false;
        }
        status = state == kIncompatible ? QelUnit::TypesNotCompatible : QelUnit::Ok;
        if (state != kIncompatible) {
            factor = ConversionFactor();
            factor.isIdentity = state == kIdentity;
            factor.factor = bitCast(value);
        }
        return true;
    }

    void store(std::uint64_t from, std::uint64_t to, QelUnit::ErrorStatus status,
               const ConversionFactor& factor) noexcept {
        if (status != QelUnit::Ok && status != QelUnit::TypesNotCompatible) {
            return;
        }
        Slot& slot = slotOf(from, to);
        std::uint64_t sequence = slot.sequence.load(std::memory_order_relaxed);
        // Another writer at work keeps the slot; the next conversion of this pair tries again.
        if ((sequence & 1U) != 0 ||
            !slot.sequence.compare_exchange_strong(sequence, sequence + 1, std::memory_order_acquire)) {
            return;
        }
        // Release stores keep the odd sequence before each word, for a reader that sees the word.
        slot.from.store(from, std::memory_order_release);
        slot.to.store(to, std::memory_order_release);
        slot.value.store(bitsOf(factor.factor), std::memory_order_release);
        slot.state.store(status == QelUnit::TypesNotCompatible ? kIncompatible
                         : factor.isIdentity                   ? kIdentity
                                                               : kFactor,
                         std::memory_order_release);
        slot.sequence.store(sequence + 2, std::memory_order_release);
    }

private:
    static constexpr std::uint32_t kUnitsPerKey = 4;
    static constexpr std::int32_t kMaxPower = 63;
    static constexpr std::uint32_t kSlotBits = 8;
    enum : std::uint32_t { kEmpty, kIdentity, kFactor, kIncompatible };

    struct Slot {
        std::atomic<std::uint64_t> sequence{0};
        std::atomic<std::uint64_t> from{0};
        std::atomic<std::uint64_t> to{0};
        std::atomic<std::uint64_t> value{0};
        std::atomic<std::uint32_t> state{kEmpty};
    };

    static std::uint64_t bitsOf(double d) noexcept {
        std::uint64_t b = 0;
        std::memcpy(&b, &d, sizeof b);
        return b;
    }
    static double bitCast(std::uint64_t b) noexcept {
        double d = 0.0;
        std::memcpy(&d, &b, sizeof d);
        return d;
    }
    Slot& slotOf(std::uint64_t from, std::uint64_t to) noexcept {
        const std::uint64_t h = (from * 0x9E3779B97F4A7C15U) ^ (to * 0xC2B2AE3D27D4EB4FU);
        return mSlots[(h ^ (h >> 29U)) >> (64U - kSlotBits)];
    }

    Slot mSlots[std::size_t{1} << kSlotBits];
};

PairCache gPairCache; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables): a cache, thread-safe

} // namespace

QelUnit::ErrorStatus unitConversionFactorGeneral(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                                 int toPower, ConversionFactor& factor) noexcept {
    if (fromPower != 1 || toPower != 1 || !isStorableUnit(from) || !isStorableUnit(to)) {
        return QelUnitType(from, fromPower).GetConversionFactor(QelUnitType(to, toPower), factor);
    }
    if (kDimensions.unit[from].key != kDimensions.unit[to].key) {
        return QelUnit::TypesNotCompatible;
    }
    // Two compatible plain units without a direct factor: a unit to the power 1
    // is left alone by substitution and has no pair, so only the remainder is left.
    const QelUnitFactor a{from, 1};
    const QelUnitFactor b{to, 1};
    factor = remainderFactor(FixedFactors<1>(&a, 1), FixedFactors<1>(&b, 1));
    return QelUnit::Ok;
}

double conversionRelativeError(const QelUnitType& from, const QelUnitType& to) noexcept {
    // Each stored factor is its definition times 1 + d, so the result is the defined one times the product.
    double growth = 1.0;
    const ScratchFactors a(from.begin(), static_cast<std::uint32_t>(from.size()));
    const ScratchFactors b(to.begin(), static_cast<std::uint32_t>(to.size()));
    forEachQuotientEntry(a, b, [&growth](std::int32_t unit, std::int32_t power) {
        const double d = kUnitTable[unit].difference;
        if (d != 0.0) {
            growth *= std::pow(1.0 + d, static_cast<double>(power));
        }
    });
    return growth - 1.0;
}

QelUnit::ErrorStatus referenceConversionFactor(const QelUnitType& from, const QelUnitType& to,
                                               ConversionFactor& factor) {
    if (!from.isCompatible(to)) {
        return QelUnit::TypesNotCompatible;
    }
    return convertCompatible(from, to, factor);
}

} // namespace qelunits_detail

using qelunits_detail::UnitTypeAccess;

bool QelUnitType::isEqualTo(const QelUnitType& other) const noexcept {
    if (mSize != other.mSize) {
        return false;
    }
    for (std::uint32_t i = 0; i < mSize; ++i) {
        if (mUnits[i].unit != other.mUnits[i].unit || mUnits[i].power != other.mUnits[i].power) {
            return false;
        }
    }
    return true;
}

bool QelUnitType::isCompatible(const QelUnitType& other) const noexcept {
    return qelunits_detail::DimensionSlots(*this) == qelunits_detail::DimensionSlots(other);
}

void QelUnitType::GetMetricConversion(QelUnitType& metric, ConversionFactor& factor) const {
    if (&metric == this) {
        QelUnitType reduced;
        GetMetricConversion(reduced, factor);
        metric = std::move(reduced);
        return;
    }
    UnitTypeAccess access{metric};
    access.clear();
    access.setStatus(QelUnit::Ok);
    factor.isIdentity = true;
    factor.factor = 1.0;
    for (const QelUnitFactor& f : *this) {
        qelunits_detail::accumulateReduction(factor, f.unit, f.power);
        const auto& d = qelunits_detail::kDimensions.unit[f.unit];
        for (int n = 0; n < d.count; ++n) {
            qelunits_detail::addPower(access, qelunits_detail::kBaseDimensions[d.dimension[n]].unit,
                                      qelunits_detail::wrapMul(d.exponent[n], f.power));
        }
    }
}

QelUnit::ErrorStatus QelUnitType::GetConversionFactor(const QelUnitType& to, ConversionFactor& factor) const {
    // A pair of small compound types converted before is looked up; one unit to another takes the direct table.
    std::uint64_t fromKey = 0;
    std::uint64_t toKey = 0;
    const bool cached = mSize + to.mSize > 2 && qelunits_detail::PairCache::pack(*this, fromKey) &&
                        qelunits_detail::PairCache::pack(to, toKey);
    QelUnit::ErrorStatus status = QelUnit::Ok;
    if (cached && qelunits_detail::gPairCache.find(fromKey, toKey, status, factor)) {
        return status;
    }
    status = convertSmall(to, factor);
    if (cached) {
        qelunits_detail::gPairCache.store(fromKey, toKey, status, factor);
    }
    return status;
}

QelUnit::ErrorStatus QelUnitType::convertSmall(const QelUnitType& to, ConversionFactor& factor) const {
    // Small types compare dimension keys instead of reducing, and those that
    // substitution leaves alone are worked on in lists of their inline size.
    qelunits_detail::LiveFactors a;
    qelunits_detail::LiveFactors b;
    if (!a.read(*this) || !b.read(to)) {
        return qelunits_detail::referenceConversionFactor(*this, to, factor);
    }
    if (a.key() != b.key()) {
        return QelUnit::TypesNotCompatible;
    }
    QelUnit::ErrorStatus status = QelUnit::Ok;
    if (qelunits_detail::directShortcut(*this, to, factor, status)) {
        return status;
    }
    qelunits_detail::convertLists(a, b, factor);
    return QelUnit::Ok;
}
