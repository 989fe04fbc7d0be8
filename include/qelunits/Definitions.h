#ifndef QELUNITS_DEFINITIONS_H
#define QELUNITS_DEFINITIONS_H

// Units a program defines: a text of definitions, one a line, read into an
// immutable set layered over the builtin units.
//
//     # a comment
//     widget = 3.5 kg                   # a name and what one of it is
//     bbl_oil_eq = 6.118e9 J; BOE       # then its symbol, and aliases, after ';'
//     person_hour = hour
//     dollar = [currency]               # a new base dimension, and its unit
//     cent = dollar/100; ¢
//     dog_year = 52 * day = dy          # the other common spelling of a symbol
//
// A definition may use units defined anywhere in the same text or in the set
// below it; a name may not be a builtin unit's, nor name two things. A text is
// read whole or not at all: the first error, with its line and column, and no
// set changes.
//
// Texts read with a set where it is given (Unit::parse(text, set),
// Quantity::parse(text, set)) or where a Definitions::Scope holds it on the
// calling thread; elsewhere with the process's set, which define() extends
// and publish() replaces: a reader on another thread sees the old set or the
// new one, never a part of one.
//
// A unit a program defines lives as long as the process: a Unit or Quantity
// holding one stays valid after every set naming it is gone. At most 16384
// defined units and 7 new base dimensions per process.
//
// Thread safety: a Definitions is an immutable value; every function may be
// called from any thread.

#include <qelunits/Error.h>
#include <qelunits/Export.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qelunits_detail {
struct DefinitionSet;
class NameLookup;
} // namespace qelunits_detail

namespace qelunits {

class Unit;

/// An immutable set of unit definitions over the builtin units.
class QELUNITS_EXPORT Definitions {
public:
    /// Longest line of a definitions text, in bytes.
    static constexpr std::size_t kMaxLineLength = 4096;
    /// Most definitions one set holds, its layers included.
    static constexpr std::size_t kMaxDefinitions = 16384;
    /// Deepest chain of definitions resting on one another (a = 2 b, b = 2 c, ...).
    static constexpr int kMaxDepth = 64;

    /// No definitions: the builtin units alone.
    Definitions() noexcept;

    /// Reads text, its definitions layered over the builtin units; source names it in messages ("units.txt").
    [[nodiscard]] static Result<Definitions> read(std::string_view text, std::string_view source = "definitions");
    /// Reads the file at path, UTF-8, as read does.
    [[nodiscard]] static Result<Definitions> load(const std::string& path);
    /// This set with text's definitions layered over it.
    [[nodiscard]] Result<Definitions> with(std::string_view text, std::string_view source = "definitions") const;
    /// This set with the file's definitions layered over it.
    [[nodiscard]] Result<Definitions> withFile(const std::string& path) const;

    /// The names defined, layers below first, each in the order of its text.
    [[nodiscard]] std::vector<std::string> names() const;
    /// How many definitions, all layers.
    [[nodiscard]] std::size_t size() const noexcept;
    /// The definitions as a text that reads back as the same set.
    [[nodiscard]] std::string text() const;
    /// The definitions a unit's defined units rest on, as a text that any process reads (a pickle's), in the
    /// order they must be read; empty for a unit of builtin units alone.
    [[nodiscard]] static std::string textFor(const Unit& unit);

    /// The process's set: what texts read with where no set is given.
    [[nodiscard]] static Definitions process();
    /// Makes definitions the process's set.
    static void publish(const Definitions& definitions);
    /// Extends the process's set with text, as one step (concurrent calls each see the other's result); the new
    /// set, or the failure with the process's set unchanged.
    [[nodiscard]] static Result<Definitions> define(std::string_view text, std::string_view source = "definitions");
    /// define with the file at path.
    [[nodiscard]] static Result<Definitions> defineFile(const std::string& path);

    /// While it lives, the calling thread reads texts with a set (where no set is given); scopes nest.
    class QELUNITS_EXPORT Scope {
    public:
        /// Reads with definitions from here on, on this thread.
        explicit Scope(const Definitions& definitions) noexcept;
        /// Restores what the thread read with before.
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        std::shared_ptr<const qelunits_detail::DefinitionSet> mSet;
        const qelunits_detail::NameLookup* mPrevious;
    };

    /// The same definitions, layer for layer.
    [[nodiscard]] friend bool operator==(const Definitions& a, const Definitions& b) noexcept {
        return a.mSet == b.mSet;
    }

private:
    explicit Definitions(std::shared_ptr<const qelunits_detail::DefinitionSet> set) noexcept;

    std::shared_ptr<const qelunits_detail::DefinitionSet> mSet;
};

} // namespace qelunits

#endif
