#include "settings/SettingsMap.h"

// Compile-time checks of the settings map; the lookup itself is inline.

namespace qelunits_detail {
namespace {

constexpr bool isStrictlyAscendingBelowFlags() {
    for (std::size_t i = 0; i < kSettingsUnitCount; ++i) {
        if ((kSettingsUnitTable[i].code & kFootFlagMask) != 0 ||
            (i > 0 && kSettingsUnitTable[i - 1].code >= kSettingsUnitTable[i].code)) {
            return false;
        }
    }
    return true;
}
static_assert(isStrictlyAscendingBelowFlags(), "settings codes must ascend and stay below the foot flags");
static_assert(QelUnit::kUnitCount <= 0x7FFF, "unit codes must fit the index");

} // namespace
} // namespace qelunits_detail
