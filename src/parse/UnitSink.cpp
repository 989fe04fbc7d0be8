#include "parse/UnitSink.h"

#include "catalog/UnitTable.h"
#include "parse/ReadName.h"

#include <cmath>

namespace qelunits_detail {
namespace {

// The id and scale a reading stands for where it names a term or a prefixed unit; false where it is read as
// catalogue units.
bool termOfReading(const Meaning& meaning, std::uint16_t& id, double& scale) {
    switch (meaning.origin.kind) {
    case MeaningOrigin::Kind::Vocabulary:
        id = vocabularyTerm(meaning.origin.row);
        scale = 1.0;
        return id != kNoTerm;
    case MeaningOrigin::Kind::Prefixed:
        id = prefixableTerm(meaning.origin.row);
        scale = prefixFactor(meaning.origin.prefix);
        return true;
    case MeaningOrigin::Kind::Term:
        id = meaning.origin.row;
        scale = 1.0;
        return true;
    case MeaningOrigin::Kind::None:
        break;
    }
    return false;
}

bool isHeat(std::uint16_t id) {
    if (id < kFirstTerm) {
        const QelUnit::BuiltinTypes type = kUnitTable[id].type;
        return type == QelUnit::Energy || type == QelUnit::Power || type == QelUnit::PowerDensity;
    }
    const ExponentRow& e = exponentsOfId(id);
    for (const int base : {QelUnit::joule, QelUnit::watt, QelUnit::watt_per_square_meter}) {
        bool same = true;
        for (std::size_t k = 0; k < qelunits::Dimension::kCount; ++k) {
            same = same && e[k] == kUnitExponents.unit[base][k];
        }
        if (same) {
            return true;
        }
    }
    return false;
}

bool isLoneTemperature(const UnitDraft& draft) {
    return draft.count == 1 && draft.powers[0] == 1 && draft.ids[0] < kFirstTerm &&
           kUnitTable[draft.ids[0]].type == QelUnit::Temperature;
}

} // namespace

Merge UnitSink::add(std::uint16_t id, std::int64_t power) const {
    UnitDraft& d = *mOut;
    std::size_t i = 0;
    while (i < d.count && d.ids[i] < id) {
        ++i;
    }
    if (i < d.count && d.ids[i] == id) {
        const std::int64_t sum = d.powers[i] + power;
        if (sum > QelUnitParser::kMaxPower || sum < -QelUnitParser::kMaxPower) {
            return Merge::PowerOutOfRange;
        }
        d.powers[i] = static_cast<std::int32_t>(sum);
        if (sum == 0) {
            for (std::size_t j = i + 1; j < d.count; ++j) {
                d.ids[j - 1] = d.ids[j];
                d.powers[j - 1] = d.powers[j];
            }
            --d.count;
        }
        return Merge::Ok;
    }
    if (power == 0) {
        return Merge::Ok;
    }
    if (d.count == UnitDraft::kCapacity || power > QelUnitParser::kMaxPower || power < -QelUnitParser::kMaxPower) {
        return Merge::PowerOutOfRange;
    }
    for (std::size_t j = d.count; j > i; --j) {
        d.ids[j] = d.ids[j - 1];
        d.powers[j] = d.powers[j - 1];
    }
    d.ids[i] = id;
    d.powers[i] = static_cast<std::int32_t>(power);
    ++d.count;
    return Merge::Ok;
}

Merge UnitSink::scaleBy(double factor, std::int64_t power) const {
    double& scale = mOut->scale;
    scale = scaledBy(scale, factor, power);
    return scale != 0.0 && std::isfinite(scale) ? Merge::Ok : Merge::ScaleOutOfRange;
}

Merge UnitSink::multiply(const Meaning& meaning, std::int64_t power) const {
    std::uint16_t id = kNoTerm;
    double scale = 1.0;
    mOut->difference = mOut->difference || meaning.difference;
    if (termOfReading(meaning, id, scale)) {
        const Merge merged = add(id, power);
        return merged != Merge::Ok ? merged : scaleBy(scale, power);
    }
    for (const QelUnitFactor& unit : meaning.units) {
        if (unit.power == 0) {
            break;
        }
        const Merge merged = add(static_cast<std::uint16_t>(unit.unit), unit.power * power);
        if (merged != Merge::Ok) {
            return merged;
        }
    }
    return scaleBy(meaning.scale, power);
}

Merge UnitSink::multiply(const UnitDraft& inner, std::int64_t power) const {
    for (std::size_t i = 0; i < inner.count; ++i) {
        const Merge merged = add(inner.ids[i], inner.powers[i] * power);
        if (merged != Merge::Ok) {
            return merged;
        }
    }
    mOut->difference = mOut->difference || inner.difference;
    return scaleBy(inner.scale, power);
}

bool UnitSink::holdsHeat() const noexcept {
    for (std::size_t i = 0; i < mOut->count; ++i) {
        if (isHeat(mOut->ids[i])) {
            return true;
        }
    }
    return false;
}

bool readUnit(const wchar_t* text, std::size_t from, std::size_t length, UnitDraft& out, ParseFailure& failure) {
    if (!readExpression({text, from, length}, UnitSink(out), failure)) {
        return false;
    }
    out.difference = out.difference && isLoneTemperature(out);
    return true;
}

} // namespace qelunits_detail
