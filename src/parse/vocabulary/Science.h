#ifndef QELUNITS_SRC_PARSE_VOCABULARY_SCIENCE_H
#define QELUNITS_SRC_PARSE_VOCABULARY_SCIENCE_H

// Units of the sciences that the catalogue lacks: charge, catalytic activity,
// the CGS units, radiation, atomic units and information.

#include "parse/Meaning.h"

namespace qelunits_detail {

// clang-format off
inline constexpr VocabularyEntry kScienceSpellings[] = {
    // Charge: 1 C = 1 A·s.
    {L"coulomb", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::second)},
    {L"coulombs", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::second)},
};
// clang-format on

} // namespace qelunits_detail

#endif
