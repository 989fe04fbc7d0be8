#ifndef QELUNITS_SRC_CATALOG_CATALOG_H
#define QELUNITS_SRC_CATALOG_CATALOG_H

// The catalogue's records. The tables themselves are constant data
// (UnitTable.h, TypeTable.h), complete before any code of the process runs.

#include "catalog/Exact.h"

#include <qelunits/QelUnit.h>

#include <cstdint>

namespace qelunits_detail {

constexpr int kUnitCount = QelUnit::kUnitCount;
constexpr int kTypeCount = QelUnit::kTypeCount;
constexpr int kBaseDimensionCount = 10;

/// A stored factor that is not the nearest double of the unit's definition, which its row gives apart.
struct Stored {
    double value;
};

/// A unit's factor column: either the base unit of its type or its definition, whose nearest double is the
/// stored factor, or a stored factor whose definition follows.
struct FactorField {
    constexpr FactorField(Stored stored) // NOLINT(google-explicit-constructor)
        : value(stored.value), definition(Exact::approximately(stored.value)) {}
    constexpr FactorField(const Exact& e) : value(e.nearest()), definition(e) {} // NOLINT(google-explicit-constructor)
    constexpr FactorField(bool base, const Exact& e) : isBase(base), value(e.nearest()), definition(e) {}
    bool isBase = false;
    double value;
    Exact definition;
};
constexpr FactorField kBase{true, Exact::whole(1)};

/// A definition as a conversion reads it at run time: numerator / denominator × π^pi, both whole numbers
/// exact in a double, so that the ratio of two definitions rounds once; an inexact definition (a measured
/// one, or one whose terms leave 2^53) is its nearest double over 1.
struct ExactParts {
    double numerator = 1.0;
    double denominator = 1.0;
    int pi = 0;
};

constexpr ExactParts partsOf(const Exact& e) {
    constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;
    if (e.rational && e.num > 0 && e.num <= kExactInDouble && e.den <= kExactInDouble) {
        return ExactParts{static_cast<double>(e.num), static_cast<double>(e.den), e.pi};
    }
    return ExactParts{e.nearest(), 1.0, 0};
}

/// The fixed fields of a builtin unit.
struct UnitRecord {
    QelUnit::BuiltinUnits unit;
    const wchar_t* internalName;
    bool isBaseUnit;
    double factor; // value in this unit * factor = value in the base unit of its type
    QelUnit::UnitSystem system;
    QelUnit::BuiltinTypes type;
    const wchar_t* singularName;
    const wchar_t* pluralName;
    const wchar_t* defaultAbbreviation;
    const wchar_t* vellumAbbreviation; // null where the unit has none
    std::uint32_t messageId;           // 0: no localized text
    // The unit's definition to the base unit of its type, the nearest double; what units reached by text use.
    double definition;
    ExactParts exact; // the same, as a ratio
    // Where the stored factor rounds the definition by more than the double arithmetic: stored / definition - 1
    // and the definition in words (UTF-8). Elsewhere 0 and null.
    double difference;
    const char* definitionText;
    // The relative standard uncertainty of a measured definition (the dalton); 0 for an exact one.
    double uncertainty = 0.0;
    // A temperature scale's zero in kelvin (273.15 for Celsius); 0 elsewhere. The same in the scale's own degrees,
    // as a ratio of whole numbers (5463/20 for Celsius, 45967/100 for Fahrenheit), so that readings compare exactly.
    double zero = 0.0;
    double zeroNumerator = 0.0;
    double zeroDenominator = 1.0;
};

// code must be the enumerator's value; a row out of place fails to compile.
constexpr UnitRecord makeUnit(int code, QelUnit::BuiltinUnits unit, const wchar_t* internalName,
                              const wchar_t* singular, const wchar_t* plural, const wchar_t* abbreviation,
                              const wchar_t* vellum, QelUnit::BuiltinTypes type, QelUnit::UnitSystem system,
                              FactorField factor) {
    return code == unit ? UnitRecord{unit,
                                     internalName,
                                     factor.isBase,
                                     factor.value,
                                     system,
                                     type,
                                     singular,
                                     plural,
                                     abbreviation,
                                     vellum,
                                     0,
                                     factor.value,
                                     partsOf(factor.definition),
                                     0.0,
                                     nullptr}
                        : throw "unit code does not match its enumerator";
}

constexpr double absolute(double x) { return x < 0.0 ? -x : x; }

// A row whose stored factor is its definition but for the last bits of a decimal that an earlier computation
// rounded (0.025400000000000002 for the inch): the definition is rounded once, and must lie within 1e-15.
constexpr UnitRecord makeDefined(UnitRecord record, const Exact& definition) {
    record.definition = definition.nearest();
    record.exact = partsOf(definition);
    return absolute(record.factor / record.definition - 1.0) <= 1e-15
               ? record
               : throw "the stored factor is not its definition up to the last bits";
}

// A row whose stored factor rounds its definition. It declares stored / definition - 1 to two significant
// digits, and a row that parts from its definition by anything else fails to compile, named.
constexpr UnitRecord makeRounded(UnitRecord record, const Exact& definition, double declared, const char* text) {
    record.definition = definition.nearest();
    record.exact = partsOf(definition);
    record.difference = record.factor / record.definition - 1.0;
    record.definitionText = text;
    const bool asDeclared =
        declared != 0.0 && absolute(record.difference - declared) <= 0.05 * absolute(declared) + 4e-16;
    return asDeclared ? record
                      : throw "the stored factor parts from its definition by other than the declared difference";
}

// A row whose definition is measured, with its relative standard uncertainty.
constexpr UnitRecord makeMeasured(UnitRecord record, double uncertainty) {
    record.uncertainty = uncertainty;
    return record;
}

// A temperature scale, with its zero in its own degrees (the degree's factor to kelvin being its definition).
constexpr UnitRecord makeScale(UnitRecord record, const Exact& zeroInDegrees, const Exact& degree) {
    const ExactParts parts = partsOf(zeroInDegrees);
    record.zero = (zeroInDegrees * degree).nearest();
    record.zeroNumerator = parts.numerator;
    record.zeroDenominator = parts.denominator;
    return parts.pi == 0 ? record : throw "a scale's zero is a decimal";
}

/// A unit type: exponents over mass, length, time, temperature, current,
/// amount of substance, luminous intensity, plane angle, solid angle, frequency.
struct TypeRecord {
    QelUnit::BuiltinTypes type;
    const wchar_t* typeName;
    const wchar_t* displayName;
    std::int32_t baseExponents[kBaseDimensionCount];
};

constexpr bool isUnitCode(std::int32_t unit) { return static_cast<std::uint32_t>(unit) < kUnitCount; }
constexpr bool isTypeCode(std::int32_t type) { return static_cast<std::uint32_t>(type) < kTypeCount; }
/// Units that a compound type may hold.
constexpr bool isStorableUnit(std::int32_t unit) { return static_cast<std::uint32_t>(unit) - 1U < kUnitCount - 1U; }

} // namespace qelunits_detail

#endif
