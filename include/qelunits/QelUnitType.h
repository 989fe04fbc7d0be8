#ifndef QELUNITS_QELUNITTYPE_H
#define QELUNITS_QELUNITTYPE_H

// Thread safety: a plain value (copies are deep): distinct objects from any threads, one object read from
// several at once; writing one object while another thread reads it is a data race.

#include <qelunits/ConversionFactor.h>
#include <qelunits/Export.h>
#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {
struct UnitTypeAccess;
}

/// A builtin unit raised to an integer power: one entry of a QelUnitType.
struct QELUNITS_EXPORT QelUnitFactor {
    /// The unit, 1 to 348.
    QelUnit::BuiltinUnits unit;
    /// The power the unit is raised to.
    std::int32_t power;
};

/// A compound unit: a product of builtin units 1 to 348, each raised to an
/// integer power, kept in strictly ascending unit order. The empty product is
/// the dimensionless type. A plain value: copies are deep.
class QELUNITS_EXPORT QelUnitType {
public:
    /// unit to the power power; the empty type when unit is outside 1 to 348.
    QelUnitType(QelUnit::BuiltinUnits unit = QelUnit::dimensionless, int power = 1) noexcept; // NOLINT
    /// A deep copy.
    QelUnitType(const QelUnitType& other);
    /// Takes over other's entries; other becomes dimensionless.
    QelUnitType(QelUnitType&& other) noexcept;
    /// A deep copy.
    QelUnitType& operator=(const QelUnitType& other);
    /// Takes over other's entries; other becomes dimensionless.
    QelUnitType& operator=(QelUnitType&& other) noexcept;
    ~QelUnitType();

    /// Makes the type exactly unit to the power power; a unit outside 1 to 348 leaves the entries.
    void set(QelUnit::BuiltinUnits unit, int power) noexcept;
    /// Status of the object (Ok for every type the library makes).
    QelUnit::ErrorStatus GetStatus() const noexcept { return mStatus; }

    /// Number of entries.
    std::size_t size() const noexcept { return mSize; }
    /// True for the dimensionless type.
    bool empty() const noexcept { return mSize == 0; }
    /// Entry index (0 to size() - 1), in ascending unit order.
    const QelUnitFactor& operator[](std::size_t index) const noexcept { return mUnits[index]; }
    /// The first entry, for range-for.
    const QelUnitFactor* begin() const noexcept { return mUnits; }
    /// Past the last entry.
    const QelUnitFactor* end() const noexcept { return mUnits + mSize; }

    // Algebra. Powers wrap around in 32 bits.

    /// Negates every power.
    void invert() noexcept;
    /// Multiplies every power by n (entries stay, also with n = 0).
    void pow(int n) noexcept;
    /// this = this * other; units whose powers cancel are removed.
    const QelUnitType& operator*=(const QelUnitType& other);
    /// this = this / other.
    const QelUnitType& operator/=(const QelUnitType& other);

    // Comparison.

    /// True when both types reduce to the same product of base dimensions.
    bool isCompatible(const QelUnitType& other) const noexcept;
    /// True when both factor lists are identical.
    bool isEqualTo(const QelUnitType& other) const noexcept;
    /// 1 when isEqualTo, else 0.
    int operator==(const QelUnitType& other) const noexcept { return isEqualTo(other) ? 1 : 0; }

    // Conversion.

    /// metric receives the type in metric base-dimension units, factor the factor to it.
    void GetMetricConversion(QelUnitType& metric, ConversionFactor& factor) const;
    /// factor receives the conversion from this type to to: Ok, TypesNotCompatible
    /// (factor untouched) or CustomConversion (factor holds the function).
    QelUnit::ErrorStatus GetConversionFactor(const QelUnitType& to, ConversionFactor& factor) const;

    // Queries: as the catalogue answers for the one unit (dimensionless when
    // empty; the power is not examined); compound answers for two units or more.

    /// The unit's type; 31 for a compound type.
    QelUnit::BuiltinTypes getType() const noexcept;
    /// The type's display name; "**Compound unit**" for a compound type.
    const wchar_t* getTypeDisplayName(bool localized = false) const;
    /// The internal name; "**Compound unit**" for a compound type, as every text here.
    QelStringP internalName() const;
    /// The display name for one.
    QelStringP singularName(bool localized = false) const;
    /// The display name for several.
    QelStringP pluralName(bool localized = false) const;
    /// The abbreviation ("sq m").
    QelStringP defaultAbbreviation(bool localized = false,
                                   QelUnit::AbbreviationFormats format = QelUnit::AsStored) const;
    /// The abbreviation with superscript exponents ("m²").
    QelStringP defaultAbbreviationAsVellum(bool localized = false,
                                           QelUnit::AbbreviationFormats format = QelUnit::AsStored) const;
    /// Localized abbreviation index: 0 the main one, 1 to n the alternates.
    QelStringP localizedAbbreviation(unsigned int index, QelUnit::AbbreviationFormats format = QelUnit::AsStored) const;
    /// The Vellum forms at the same indexes.
    QelStringP localizedAbbreviationAsVellum(unsigned int index,
                                             QelUnit::AbbreviationFormats format = QelUnit::AsStored) const;
    /// Number of localized abbreviations loaded so far.
    unsigned int getLocalizedAbbreviationCount() const;
    /// True for a unit of system Metric or Both; false for a compound type.
    bool isMetric() const noexcept;
    /// True for a unit of system Imperial or Both; false for a compound type.
    bool isImperial() const noexcept;
    /// True for zero or one entry, with unit set to it (0 when empty); else false with unit 349.
    bool isSimpleUnit(QelUnit::BuiltinUnits& unit) const noexcept;

    // Free functions found by argument-dependent lookup only, so that pow(2.0, 3) stays the C library's.

    /// a with every power multiplied by n.
    friend QELUNITS_EXPORT QelUnitType pow(const QelUnitType& a, int n);
    /// a with every power negated.
    friend QELUNITS_EXPORT QelUnitType invert(const QelUnitType& a);

protected:
    /// Rewrites powers of common length units as the matching area and volume units.
    void substitute();

private:
    friend struct qelunits_detail::UnitTypeAccess;
    static constexpr std::uint32_t kInlineCapacity = 8;

    /// GetConversionFactor without the look-up of pairs converted before.
    QelUnit::ErrorStatus convertSmall(const QelUnitType& to, ConversionFactor& factor) const;

    QelUnitFactor* mUnits; // mInline, or a heap block when the list outgrows it
    std::uint32_t mSize = 0;
    std::uint32_t mCapacity = kInlineCapacity;
    QelUnit::ErrorStatus mStatus = QelUnit::Ok;
    QelUnitFactor mInline[kInlineCapacity];
};

/// a * b.
QELUNITS_EXPORT QelUnitType operator*(const QelUnitType& a, const QelUnitType& b);
/// a / b.
QELUNITS_EXPORT QelUnitType operator/(const QelUnitType& a, const QelUnitType& b);

#endif
