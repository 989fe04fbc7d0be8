#ifndef QELUNITS_SRC_PARSE_UNITSINK_H
#define QELUNITS_SRC_PARSE_UNITSINK_H

// The reader's sink for the value API: a scale times catalogue units and terms, so that a unit of the
// vocabulary ("eV", "Ω", "%") is kept whole, where the expressions of the original classes expand it.

#include "parse/Reader.h"
#include "parse/Terms.h"

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

/// A unit being read: a scale times ids (catalogue units and terms, ascending) to powers.
struct UnitDraft {
    static constexpr std::size_t kCapacity = 32;
    double scale = 1.0;
    std::uint16_t ids[kCapacity] = {};
    std::int32_t powers[kCapacity] = {};
    std::size_t count = 0;
    bool difference = false; // a temperature difference ("Δ°C"), kept only on one temperature
};

/// Builds a UnitDraft.
class UnitSink {
public:
    using Inner = UnitDraft;

    explicit UnitSink(UnitDraft& out) noexcept : mOut(&out) {}
    UnitSink over(UnitDraft& inner) const noexcept { return UnitSink(inner); }

    Merge multiply(PlainUnit plain, std::int64_t power) const {
        return add(static_cast<std::uint16_t>(plain.unit), power); // a catalogue code, 0 to 348
    }
    Merge multiply(const Meaning& meaning, std::int64_t power) const;
    Merge multiply(const UnitDraft& inner, std::int64_t power) const;
    void note(const wchar_t* /*note*/) const noexcept {}
    /// Whether the draft holds a unit of energy, power or power density.
    bool holdsHeat() const noexcept;

private:
    Merge add(std::uint16_t id, std::int64_t power) const;
    Merge scaleBy(double factor, std::int64_t power) const;

    UnitDraft* mOut;
};

/// Reads text[from, length) into out (which arrives empty); false with failure filled in.
bool readUnit(const wchar_t* text, std::size_t from, std::size_t length, UnitDraft& out, ParseFailure& failure);

} // namespace qelunits_detail

#endif
