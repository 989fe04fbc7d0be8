#ifndef QELUNITS_CONTEXTS_H
#define QELUNITS_CONTEXTS_H

// Conversions between dimensions that hold only under a stated relation, and
// only where a program asks for one: qelunits::Context names the relation, and
// tryTo(quantity, unit, context) converts by it.
//
//     const qelunits::Quantity green(500.0, qelunits::Unit("nm"));
//     qelunits::to(green, qelunits::Unit("THz"), qelunits::Context::spectroscopy()); // 599.584916 THz
//
// spectroscopy: wavelength λ, frequency f (or an angular frequency, 2π rad a
//   cycle), wavenumber ν̃ and photon energy E, by f = c/λ, ν̃ = 1/λ, E = h·f.
// chemistry(M): amount of substance and mass by m = n·M, and so any quantity
//   per amount and the same per mass, or of amount and of mass: mol/L and g/L,
//   mol/s and kg/s, J/mol and J/kg.
// thermal: an absolute temperature (or a reading, through kelvin) and the energy
//   k_B·T.
// c, h and k_B are exact in the SI, so these conversions are exact but for the
// rounding of the doubles; a molar mass is as exact as the value given.
// Conversions within one dimension go through Quantity::tryTo unchanged.
//
// Thread safety: Context is an immutable plain value; the functions may be
// called from any threads.

#include <qelunits/Error.h>
#include <qelunits/Export.h>
#include <qelunits/Quantity.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace qelunits {

/// A relation between dimensions under which quantities convert: spectroscopy, chemistry with a molar mass,
/// thermal. An immutable value.
class QELUNITS_EXPORT Context {
public:
    /// Which relation.
    enum class Kind : std::uint8_t {
        Spectroscopy, ///< wavelength, frequency, wavenumber and photon energy, by c and h
        Chemistry,    ///< amount of substance and mass, by a molar mass
        Thermal,      ///< temperature and energy, by k_B
    };

    /// λ, f, ν̃ and E related by f = c/λ, ν̃ = 1/λ, E = h·f.
    [[nodiscard]] static Context spectroscopy() noexcept { return Context(Kind::Spectroscopy, Quantity()); }
    /// Amount and mass related by m = n·M; IncompatibleUnits for a molar mass whose unit is no mass per amount
    /// (g/mol, kg/kmol), InvalidArgument for one that is not finite and positive.
    [[nodiscard]] static Result<Context> chemistry(const Quantity& molarMass);
    /// Temperature and energy related by E = k_B·T.
    [[nodiscard]] static Context thermal() noexcept { return Context(Kind::Thermal, Quantity()); }
    /// The context of a name: "spectroscopy" (or "sp"), "thermal" (or "boltzmann"), "chemistry(180.156 g/mol)"
    /// with its molar mass as Quantity::parse reads it; InvalidArgument for another name or a chemistry without
    /// its molar mass, Syntax for an argument without its closing parenthesis, the failures of Quantity::parse and
    /// chemistry() for the molar mass.
    [[nodiscard]] static Result<Context> byName(std::string_view text);
    /// The context of a name that takes a molar mass ("chemistry"); InvalidArgument for one that takes none.
    [[nodiscard]] static Result<Context> byName(std::string_view name, const Quantity& molarMass);

    /// Which relation.
    [[nodiscard]] Kind kind() const noexcept { return mKind; }
    /// "spectroscopy", "chemistry" or "thermal".
    [[nodiscard]] const char* name() const noexcept;
    /// What byName reads back as this context: the name, and the molar mass of chemistry ("chemistry(180.156 g/mol)").
    [[nodiscard]] std::string text() const;
    /// The molar mass of a chemistry context, as given; 0 of no unit for the others.
    [[nodiscard]] const Quantity& molarMass() const noexcept { return mMolarMass; }
    /// True where this context converts between from and to, of two different dimensions.
    [[nodiscard]] bool relates(const Unit& from, const Unit& to) const;

private:
    Context(Kind kind, const Quantity& molarMass) noexcept : mMolarMass(molarMass), mKind(kind) {}

    Quantity mMolarMass;
    Kind mKind;
};

/// q in unit, by context where it relates their dimensions, else as q.tryTo(unit); IncompatibleUnits where
/// neither converts, InvalidArgument where the relation has no value (a wavelength of 0 or less has no frequency),
/// BelowAbsoluteZero for a negative energy as a temperature, OutOfRange for a finite value whose result is not.
[[nodiscard]] QELUNITS_EXPORT Result<Quantity> tryTo(const Quantity& q, const Unit& unit, const Context& context);
/// The number of tryTo(q, unit, context).
[[nodiscard]] QELUNITS_EXPORT Result<double> tryIn(const Quantity& q, const Unit& unit, const Context& context);
#if QELUNITS_HAS_EXCEPTIONS
/// tryTo(q, unit, context); throws Error.
[[nodiscard]] inline Quantity to(const Quantity& q, const Unit& unit, const Context& context) {
    return tryTo(q, unit, context).value();
}
/// tryIn(q, unit, context); throws Error.
[[nodiscard]] inline double in(const Quantity& q, const Unit& unit, const Context& context) {
    return tryIn(q, unit, context).value();
}
#endif

} // namespace qelunits

#endif
