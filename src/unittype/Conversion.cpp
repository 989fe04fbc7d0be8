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

#include <cmath>
#include <cstdint>
#include <utility>

namespace qelunits_detail {
namespace {

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
void accumulateReduction(ConversionFactor& factor, std::int32_t unit, std::int32_t power) noexcept {
    const UnitRecord& record = kUnitTable[unit];
    if (!record.isBaseUnit) {
        factor *= ConversionFactor(raise(record.factor, power));
    }
}

/// The reduction factor of a / b, walking the quotient's entries in order without building it.
ConversionFactor remainderFactor(const QelUnitFactor* a, std::uint32_t na, const QelUnitFactor* b,
                                 std::uint32_t nb) noexcept {
    ConversionFactor rem;
    std::uint32_t i = 0;
    std::uint32_t j = 0;
    while (i < na || j < nb) {
        if (j == nb || (i < na && a[i].unit < b[j].unit)) {
            accumulateReduction(rem, a[i].unit, a[i].power);
            ++i;
        } else if (i == na || b[j].unit < a[i].unit) {
            accumulateReduction(rem, b[j].unit, wrapNeg(b[j].power));
            ++j;
        } else {
            const std::int32_t power = wrapSub(a[i].power, b[j].power);
            if (power != 0) {
                accumulateReduction(rem, a[i].unit, power);
            }
            ++i;
            ++j;
        }
    }
    return rem;
}

/// A direct factor from one unit to the other, if there is one. Between two
/// temperature scales it is the ratio of their degrees: a compound type
/// converts intervals, never readings.
bool pairFactor(std::int32_t from, std::int32_t to, double& factor) noexcept {
    const ConversionFactor entry = directFactor(from, to);
    if (entry.isIdentity) {
        return false;
    }
    factor = entry.customConversion != nullptr ? kUnitTable[from].factor / kUnitTable[to].factor : entry.factor;
    return true;
}

std::int64_t magnitude(std::int32_t p) noexcept { return p < 0 ? -static_cast<std::int64_t>(p) : p; }

/// Converts the units of a and b that have a direct factor, pair by pair,
/// into acc, and removes them from both lists.
void pairUnits(ScratchFactors& a, ScratchFactors& b, ConversionFactor& acc) noexcept {
    std::uint32_t i = 0;
    std::uint32_t j = 0;
    while (i < a.size() && j < b.size()) {
        const QelUnitFactor fa = a[i];
        const QelUnitFactor fb = b[j];
        const std::int32_t p = magnitude(fa.power) < magnitude(fb.power) ? fa.power : fb.power;
        double f = 0.0;
        const bool forward = pairFactor(fa.unit, fb.unit, f);
        if (!forward && !pairFactor(fb.unit, fa.unit, f)) {
            ++i;
            continue;
        }
        addPower(a, fa.unit, wrapNeg(p));
        addPower(b, fb.unit, wrapNeg(p));
        const double d = raise(f, p);
        if (forward) {
            acc *= ConversionFactor(d);
        } else {
            // Divided directly: a tiny power of a large area or volume factor is a valid divisor.
            acc.factor = acc.isIdentity ? 1.0 / d : acc.factor / d;
            acc.isIdentity = false;
        }
        ++j;
    }
}

/// The end of every conversion: the accumulated factor with the remainder's reduction applied.
void finish(ConversionFactor acc, const ConversionFactor& rem, ConversionFactor& factor) noexcept {
    acc *= rem;
    factor = acc;
}

} // namespace

QelUnit::ErrorStatus unitConversionFactorGeneral(QelUnit::BuiltinUnits from, int fromPower, QelUnit::BuiltinUnits to,
                                                 int toPower, ConversionFactor& factor) noexcept {
    if (fromPower != 1 || toPower != 1 || !isStorableUnit(from) || !isStorableUnit(to)) {
        return QelUnitType(from, fromPower).GetConversionFactor(QelUnitType(to, toPower), factor);
    }
    // Two compatible plain units without a direct factor: a unit to the power 1
    // is left alone by substitution and has no pair, so only the remainder is left.
    const QelUnitFactor a{from, 1};
    const QelUnitFactor b{to, 1};
    finish(ConversionFactor(), remainderFactor(&a, 1, &b, 1), factor);
    return QelUnit::Ok;
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
            qelunits_detail::addPower(access, d.dimension[n] + 1, qelunits_detail::wrapMul(d.exponent[n], f.power));
        }
    }
}

QelUnit::ErrorStatus QelUnitType::GetConversionFactor(const QelUnitType& to, ConversionFactor& factor) const {
    if (!isCompatible(to)) {
        return QelUnit::TypesNotCompatible;
    }
    QelUnit::ErrorStatus status = QelUnit::Ok;
    if (mSize == 1 && to.mSize == 1 && mUnits[0].power == 1 && to.mUnits[0].power == 1 &&
        qelunits_detail::lookupUnits(mUnits[0].unit, to.mUnits[0].unit, factor, status)) {
        return status;
    }
    qelunits_detail::ScratchFactors a(mUnits, mSize);
    qelunits_detail::ScratchFactors b(to.mUnits, to.mSize);
    qelunits_detail::substituteFactors(a);
    qelunits_detail::substituteFactors(b);
    ConversionFactor acc;
    qelunits_detail::pairUnits(a, b, acc);
    // Units left on either side still convert: their dimensions cancel between the sides.
    qelunits_detail::finish(acc, qelunits_detail::remainderFactor(a.data(), a.size(), b.data(), b.size()), factor);
    return QelUnit::Ok;
}
