#ifndef QELUNITS_CONVERSIONFACTOR_H
#define QELUNITS_CONVERSIONFACTOR_H

// Thread safety: ConversionFactor and QelUnitFactor are plain values: distinct objects may be used from any
// threads at once, and one object read from several.

#include <qelunits/Export.h>
#include <qelunits/QelUnit.h>

#include <cstdint>

/// Plain-data form of a conversion factor; system is carried along and never read.
struct QELUNITS_EXPORT ConversionFactor_T {
    /// True when the conversion changes nothing.
    bool isIdentity;
    /// The factor: target = source * factor.
    double factor;
    /// Carried along, never read.
    std::int32_t system;
};

/// How a value in one unit becomes a value in another: the identity, a factor
/// (target = source * factor) or a custom function (temperature scales).
class QELUNITS_EXPORT ConversionFactor {
public:
    /// A conversion function from source value to target value.
    using CustomFunction = double (*)(double);

    /// The identity.
    constexpr ConversionFactor() noexcept = default;
    /// The factor f, stored without any check.
    constexpr ConversionFactor(double f) noexcept // NOLINT(google-explicit-constructor)
        : isIdentity(false), factor(f) {}
    /// isIdentity and factor of t; no custom function.
    constexpr ConversionFactor(const ConversionFactor_T& t) noexcept // NOLINT(google-explicit-constructor)
        : isIdentity(t.isIdentity), factor(t.factor) {}

    /// Sets the factor; a custom function stays stored.
    void SetFactor(double f) noexcept;
    /// Sets the identity; a custom function stays stored.
    void SetIdentity() noexcept;
    /// Stores fn with factor 1.0; a null fn changes nothing.
    void SetCustomConversion(CustomFunction fn) noexcept;
    /// 1.0 for the identity, else the factor; a custom function is not applied.
    operator double() const noexcept; // NOLINT(google-explicit-constructor)
    /// Composition: multiplies by rhs's factor unless rhs is the identity.
    const ConversionFactor& operator*=(const ConversionFactor& rhs) noexcept {
        if (!rhs.isIdentity) {
            factor = isIdentity ? rhs.factor : rhs.factor * factor;
            isIdentity = false;
        }
        return *this;
    }
    /// Division by rhs's factor; a divisor of magnitude at most kEpsilon (or NaN) gives +infinity.
    const ConversionFactor& operator/=(const ConversionFactor& rhs) noexcept;
    /// Equal states, no custom function, and factors closer than kEpsilon (absolute).
    bool isEqualTo(const ConversionFactor& rhs) const noexcept;

    /// True when the conversion changes nothing (no factor, no function).
    bool isIdentity = true;
    /// The factor when isIdentity is false: target = source * factor.
    double factor = 1.0;
    /// The function of a temperature scale conversion, or null.
    CustomFunction customConversion = nullptr;
};

namespace qelunits_detail {

/// Internal: applies factor, as resolved with status, to value. Ok and
/// CustomConversion end in Ok with value converted; any other status is
/// returned and value is left. Inline so that a prebuilt converter costs one
/// multiply or one function call.
inline QelUnit::ErrorStatus applyConversion(QelUnit::ErrorStatus status, const ConversionFactor& factor,
                                            double& value) noexcept {
    switch (status) {
    case QelUnit::Ok:
        // The identity leaves the value's bits alone (a signalling NaN stays one).
        if (!factor.isIdentity) {
            value *= factor.factor;
        }
        return QelUnit::Ok;
    case QelUnit::CustomConversion:
        if (factor.customConversion != nullptr) {
            value = factor.customConversion(value);
        }
        return QelUnit::Ok;
    default:
        return status;
    }
}

} // namespace qelunits_detail

#endif
