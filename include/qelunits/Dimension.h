#ifndef QELUNITS_DIMENSION_H
#define QELUNITS_DIMENSION_H

// The dimension of a value-API unit: exponents over the base dimensions.
//
// Thread safety: a plain value.

#include <qelunits/Export.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace qelunits {

/// Exponents over the base dimensions: kg·m/s² is Mass 1, Length 1, Time -2. A plain value of 16 bytes,
/// compared as two words. A frequency is a count per time: Hz is 1/s here, where the catalogue's codes keep
/// frequency a dimension of its own.
class QELUNITS_EXPORT Dimension {
public:
    /// The base dimensions, in the catalogue's order; the last slots are left for dimensions a program adds.
    enum Base : std::uint8_t {
        Mass,              ///< kg
        Length,            ///< m
        Time,              ///< s
        Temperature,       ///< K
        Current,           ///< A
        Amount,            ///< mol
        LuminousIntensity, ///< cd
        Angle,             ///< rad
        SolidAngle,        ///< sr
        kFirstAdded,       ///< the first slot of a dimension a program adds
    };
    /// Number of slots.
    static constexpr std::size_t kCount = 16;
    /// Largest magnitude of an exponent.
    static constexpr int kMaxExponent = 127;

    /// No dimension: a number.
    constexpr Dimension() noexcept = default;
    /// One base dimension to the power 1.
    static constexpr Dimension of(Base base) noexcept {
        Dimension d;
        d.mExponents[base] = 1;
        return d;
    }

    /// The exponent of base (0 to kCount - 1).
    constexpr int operator[](std::size_t base) const noexcept { return mExponents[base]; }
    /// True when every exponent is 0.
    bool isNone() const noexcept { return *this == Dimension(); }

    /// The product's exponents, a + b; false, this unchanged, where one leaves ±kMaxExponent.
    bool tryAdd(const Dimension& other, int times) noexcept;

    /// The exponents written with the base symbols: "kg·m/s^2", "m^2", "1" for none.
    std::string text() const;

    /// The same exponents.
    friend bool operator==(const Dimension& a, const Dimension& b) noexcept {
        return std::memcmp(a.mExponents, b.mExponents, kCount) == 0;
    }
    /// Not ==.
    friend bool operator!=(const Dimension& a, const Dimension& b) noexcept { return !(a == b); }

private:
    friend struct UnitAccess;

    std::int8_t mExponents[kCount] = {};
};

} // namespace qelunits

#endif
