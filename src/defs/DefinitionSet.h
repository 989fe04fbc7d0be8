#ifndef QELUNITS_SRC_DEFS_DEFINITIONSET_H
#define QELUNITS_SRC_DEFS_DEFINITIONSET_H

// A set of definitions as the reader of units asks it, and what the calling
// thread reads with.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qelunits_detail {

/// What the reader asks of names it does not know: the id of a defined unit, or kNoTerm.
class NameLookup {
public:
    virtual std::uint16_t find(std::wstring_view name) const = 0;

protected:
    NameLookup() = default;
    NameLookup(const NameLookup&) = default;
    NameLookup& operator=(const NameLookup&) = default;
    ~NameLookup() = default;
};

/// One definition.
struct DefinitionEntry {
    std::string name;
    std::vector<std::string> spellings; // the symbol, then aliases
    std::string expression;             // as written
    std::uint16_t id = 0;
    int depth = 1; // 1 for a definition by builtin units alone
};

/// A layer of definitions over the layers below.
struct DefinitionSet final : NameLookup {
    std::shared_ptr<const DefinitionSet> below;
    std::vector<DefinitionEntry> entries;
    std::unordered_map<std::wstring, std::size_t> names; // name and spellings, to an index of entries
    std::size_t total = 0;                               // entries of every layer

    /// The entry a name or spelling of this layer or one below names; null for none.
    const DefinitionEntry* entry(std::wstring_view name) const;
    std::uint16_t find(std::wstring_view name) const override;
};

/// The calling thread's lookup: a set in a scope, or a reading of definitions in progress; null: the process's.
const NameLookup*& threadLookup() noexcept;

/// The defined unit a name means for the calling thread; kNoTerm for none.
std::uint16_t definedTerm(const wchar_t* name, std::size_t length);

} // namespace qelunits_detail

#endif
