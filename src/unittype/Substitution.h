#ifndef QELUNITS_SRC_UNITTYPE_SUBSTITUTION_H
#define QELUNITS_SRC_UNITTYPE_SUBSTITUTION_H

#include "unittype/FactorList.h"

namespace qelunits_detail {

/// Rewrites powers of the common length units as area and volume units, as
/// QelUnitType::substitute does, on a scratch list.
void substituteFactors(ScratchFactors& list) noexcept;

} // namespace qelunits_detail

#endif
