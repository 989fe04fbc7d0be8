#ifndef QELUNITS_SRC_CATALOG_CATALOG_H
#define QELUNITS_SRC_CATALOG_CATALOG_H

// The catalogue's records. The tables themselves are constant data
// (UnitTable.h, TypeTable.h), complete before any code of the process runs.

#include <qelunits/QelUnit.h>

#include <cstdint>

namespace qelunits_detail {

constexpr int kUnitCount = QelUnit::kUnitCount;
constexpr int kTypeCount = QelUnit::kTypeCount;
constexpr int kBaseDimensionCount = 10;

/// A unit's factor column: either the base unit of its type or a factor to it.
struct FactorField {
    constexpr FactorField(double v) : value(v) {} // NOLINT(google-explicit-constructor)
    constexpr FactorField(bool base, double v) : isBase(base), value(v) {}
    bool isBase = false;
    double value;
};
constexpr FactorField kBase{true, 1.0};

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
    // Where the stored factor is a rounding of the unit's definition: the definition's value, stored /
    // definition - 1, and the definition in words (UTF-8). Elsewhere factor, 0 and null.
    double definition;
    double difference;
    const char* definitionText;
};

// code must be the enumerator's value; a row out of place fails to compile.
constexpr UnitRecord makeUnit(int code, QelUnit::BuiltinUnits unit, const wchar_t* internalName,
                              const wchar_t* singular, const wchar_t* plural, const wchar_t* abbreviation,
                              const wchar_t* vellum, QelUnit::BuiltinTypes type, QelUnit::UnitSystem system,
                              FactorField factor) {
    return code == unit ? UnitRecord{unit, internalName, factor.isBase, factor.value, system,
                                     type, singular,     plural,        abbreviation, vellum,
                                     0,    factor.value, 0.0,           nullptr}
                        : throw "unit code does not match its enumerator";
}

constexpr double absolute(double x) { return x < 0.0 ? -x : x; }

// A row whose stored factor rounds its definition. It declares stored / definition - 1 to two significant
// digits, and a row that parts from its definition by anything else fails to compile, named.
constexpr UnitRecord makeRounded(UnitRecord record, double definition, double declared, const char* text) {
    record.definition = definition;
    record.difference = record.factor / definition - 1.0;
    record.definitionText = text;
    const bool asDeclared =
        declared != 0.0 && absolute(record.difference - declared) <= 0.05 * absolute(declared) + 4e-16;
    return asDeclared ? record
                      : throw "the stored factor parts from its definition by other than the declared difference";
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
