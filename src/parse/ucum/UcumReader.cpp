// UCUM texts into value-API units: the components' atoms as catalogue units,
// their numbers multiplied exactly and rounded once into the unit's scale.

#include "parse/ucum/UcumSyntax.h"
#include "parse/ucum/UcumTable.h"

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/Ucum.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace qelunits {
namespace {

using qelunits_detail::ucum::Atom;
using qelunits_detail::ucum::CatalogueFactor;
using qelunits_detail::ucum::Component;
using qelunits_detail::ucum::kAtoms;
using qelunits_detail::ucum::kPrefixes;
using qelunits_detail::ucum::Prefix;
using qelunits_detail::ucum::Scale;

// Beyond this power of ten no double is left, however the rest of the text goes.
constexpr std::int64_t kMaxPowerOfTen = 100000;

// What the components multiply to: a scale and a power of each catalogue unit.
struct Product {
    Scale scale;
    std::array<std::int64_t, QelUnit::kUnitCount> powers{};
    std::array<std::size_t, QelUnit::kUnitCount> where{}; // the last component that named each unit, in bytes

    void addUnit(QelUnit::BuiltinUnits unit, std::int64_t power, std::size_t at) {
        powers[static_cast<std::size_t>(unit)] += power;
        where[static_cast<std::size_t>(unit)] = at;
    }

    void add(const Component& c) {
        if (c.kind == Component::Kind::Number) {
            scale.multiply(Scale::whole(c.number), c.sign);
            return;
        }
        if (c.kind != Component::Kind::Unit) {
            return; // annotations mean 1
        }
        const std::int64_t power = c.exponent * c.sign;
        const Atom& atom = kAtoms[c.atom];
        if (c.prefix >= 0) {
            const Prefix& prefix = kPrefixes[c.prefix];
            const QelUnit::BuiltinUnits own = qelunits_detail::ucum::prefixedUnit(c.prefix, c.atom);
            if (own != QelUnit::dimensionless) {
                addUnit(own, power, c.begin);
                return;
            }
            scale.multiply(Scale::powerOfTen(prefix.pow10), power);
            scale.multiply(Scale::whole(std::int64_t{1} << prefix.pow2), power);
        }
        scale.multiply(atom.scale, power);
        for (const CatalogueFactor& f : atom.units) {
            if (f.unit != QelUnit::dimensionless) {
                addUnit(f.unit, f.power * power, c.begin);
            }
        }
    }
};

// The coherent unit of each base dimension of the value layer, in the order of Dimension::Base.
constexpr QelUnit::BuiltinUnits kBaseUnits[] = {QelUnit::kilogram, QelUnit::meter,  QelUnit::second,
                                                QelUnit::kelvin,   QelUnit::ampere, QelUnit::mole,
                                                QelUnit::candela,  QelUnit::radian, QelUnit::steradian};

// More catalogue units than a unit holds ("[ft_i].m.[in_i].cm.mm.[yd_i].km.dm"): each as its factor times coherent
// units, so that at most one unit of a dimension is left.
Result<int> toCoherentUnits(Product& p) {
    std::array<std::int64_t, QelUnit::kUnitCount> coherent{};
    for (std::size_t code = 1; code < p.powers.size(); ++code) {
        const std::int64_t power = p.powers[code];
        if (power == 0) {
            continue;
        }
        const Result<Unit> alone = Unit::fromCode(static_cast<QelUnit::BuiltinUnits>(code));
        if (!alone) {
            return Result<int>::failureOf(alone);
        }
        p.scale.timesApproximately(
            std::pow(static_cast<long double>(alone->factor()), static_cast<long double>(power)));
        for (std::size_t k = 0; k < Dimension::kCount; ++k) {
            const int exponent = alone->exponents()[k];
            if (exponent != 0 && k >= sizeof kBaseUnits / sizeof kBaseUnits[0]) {
                return Result<int>(ErrorKind::OutOfRange, "the unit has a dimension no coherent unit holds");
            }
            if (exponent != 0) {
                coherent[static_cast<std::size_t>(kBaseUnits[k])] += exponent * power;
            }
        }
    }
    p.powers = coherent;
    return Result<int>(0);
}

Result<Unit> build(Product& p, std::string_view text) {
    std::size_t count = 0;
    for (std::size_t code = 1; code < p.powers.size(); ++code) {
        count += p.powers[code] != 0 ? 1U : 0U;
    }
    if (count > Unit::kMaxFactors) {
        const Result<int> reduced = toCoherentUnits(p);
        if (!reduced) {
            return Result<Unit>::failureOf(reduced);
        }
    }
    QelUnitType type;
    for (std::size_t code = 1; code < p.powers.size(); ++code) {
        const std::int64_t power = p.powers[code];
        if (power > Unit::kMaxPower || power < -Unit::kMaxPower) {
            const std::size_t at = qelunits_detail::ucum::codePoints(text, p.where[code]);
            return Result<Unit>(ErrorKind::OutOfRange,
                                "the power " + std::to_string(power) + " of the unit at " + std::to_string(at) +
                                    " is beyond ±" + std::to_string(Unit::kMaxPower),
                                at);
        }
        if (power != 0) {
            type *= QelUnitType(static_cast<QelUnit::BuiltinUnits>(code), static_cast<int>(power));
        }
    }
    const double scale = qelunits_detail::ucum::toDouble(p.scale);
    if (!(scale > 0.0) || !std::isfinite(scale) || !std::isnormal(scale)) {
        return Result<Unit>(ErrorKind::OutOfRange,
                            "the number of '" + std::string(text) + "' is beyond the range of a double", 0);
    }
    Result<Unit> unit = Unit::fromExpression(QelUnitExpression(scale, type, false));
    return unit ? unit : Result<Unit>(unit.kind(), "'" + std::string(text) + "': " + unit.message(), 0);
}

} // namespace

Result<Unit> fromUcum(std::string_view text) {
    std::vector<Component> components;
    qelunits_detail::ucum::SyntaxError error;
    if (!qelunits_detail::ucum::readComponents(text, components, error)) {
        return Result<Unit>(error.kind, error.message, error.position);
    }
    Product product;
    for (const Component& c : components) {
        product.add(c);
        if (product.scale.pow10 > kMaxPowerOfTen || product.scale.pow10 < -kMaxPowerOfTen) {
            const std::size_t at = qelunits_detail::ucum::codePoints(text, c.begin);
            return Result<Unit>(ErrorKind::OutOfRange,
                                "the number of '" + std::string(text) + "' is beyond the range of a double at " +
                                    std::to_string(at),
                                at);
        }
    }
    return build(product, text);
}

} // namespace qelunits
