#ifndef QELUNITS_SRC_API_VALUE_CONTEXTHINT_H
#define QELUNITS_SRC_API_VALUE_CONTEXTHINT_H

// What the refusal of a conversion tells of the contexts (qelunits/Contexts.h)
// that would have converted it, so that a caller learns where to look.

#include <qelunits/Error.h>
#include <qelunits/Quantity.h>

#include <string>

namespace qelunits {

/// "; the spectroscopy context converts them" where a context relates the dimensions of from and to and kind is
/// IncompatibleUnits; else "".
std::string contextHint(ErrorKind kind, const Unit& from, const Unit& to);

} // namespace qelunits

#endif
