#include "settings/SettingsMap.h"

namespace qelunits_detail {
namespace {

constexpr std::uint32_t kLargestCode = kSettingsUnitTable.back().code;
constexpr std::uint8_t kNoRow = 0xFF;

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
static_assert(kSettingsUnitCount < kNoRow, "row numbers must fit the index");

// Row of each code from 0 to the largest, so a lookup is one indexed read.
constexpr std::array<std::uint8_t, kLargestCode + 1> makeRowIndex() {
    std::array<std::uint8_t, kLargestCode + 1> index{};
    for (auto& row : index) {
        row = kNoRow;
    }
    for (std::size_t i = 0; i < kSettingsUnitCount; ++i) {
        index[kSettingsUnitTable[i].code] = static_cast<std::uint8_t>(i);
    }
    return index;
}
constexpr std::array<std::uint8_t, kLargestCode + 1> kRowOfCode = makeRowIndex();

} // namespace

const QelUnit::BuiltinUnits* findSettingsUnit(std::uint32_t key) noexcept {
    const std::uint32_t flag = key & kFootFlagMask;
    const std::uint32_t code = key & ~kFootFlagMask;
    if ((flag != QelUnitBase::InternationalFoot && flag != QelUnitBase::SurveyFoot) || code > kLargestCode ||
        kRowOfCode[code] == kNoRow) {
        return nullptr;
    }
    const SettingsUnitRow& row = kSettingsUnitTable[kRowOfCode[code]];
    return flag == QelUnitBase::InternationalFoot ? &row.withInternationalFoot : &row.withSurveyFoot;
}

} // namespace qelunits_detail
