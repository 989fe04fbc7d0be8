#ifndef QELUNITS_SRC_DEFS_USERTERMS_H
#define QELUNITS_SRC_DEFS_USERTERMS_H

// The units and base dimensions programs define, for the whole process: a
// term, once registered, never changes nor goes, so that a Unit holding its
// id stays valid. Registering takes a lock; looking up takes none.

#include "parse/Terms.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qelunits_detail {

/// The first id of a defined unit; ids from kFirstTerm up to it are the builtin terms.
constexpr std::uint16_t kFirstUserTerm = 0x8000;
/// How many units the programs of a process may define.
constexpr std::size_t kMaxUserTerms = 16384;

/// The id of term, registered; the id of an equal term (symbol, name, dimension and value alike) where one is;
/// kNoTerm when the process holds kMaxUserTerms already.
std::uint16_t registerUserTerm(Term term);

/// The defined unit of id; null for an id that names none.
const Term* userTermOf(std::uint16_t id) noexcept;

/// The slot of Dimension for the base dimension name ("currency"), added on first use with the symbol of its unit;
/// -1 where every slot is taken.
int addedDimension(std::string_view name, std::string_view unitSymbol);

/// The symbol a dimension slot from Dimension::kFirstAdded on is written with (its unit's), empty where none.
std::string addedDimensionSymbol(std::size_t slot);

/// The name of an added dimension's slot ("currency"), empty where none.
std::string addedDimensionName(std::size_t slot);

} // namespace qelunits_detail

#endif
